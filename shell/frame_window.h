// The MDI frame window: its child windows, layout, close rule and menu routing.
#ifndef TARNWICK_SHELL_FRAME_WINDOW_H
#define TARNWICK_SHELL_FRAME_WINDOW_H

#include <windows.h>

// Registers the frame's class (name: string 2, menu 2, icons 100 and 101); 0 on failure.
ATOM RegisterFrameClass(HINSTANCE instance);

LRESULT CALLBACK FrameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Builds the SizeBar, the StatusBar and the LogPane; the frame is created whatever fails.
void OnFrameCreate(HWND frame);
// Stacks status bar, splitter, log pane and MDI client from the bottom of the client area.
void LayoutFrame(int width, int height);
// LayoutFrame over FrameWindow's present client rectangle.
void RelayoutFrame(void);
// Destroys every view through the MDI client. The frame's end calls it before destroying the
// frame, so the client still holds its list of views while each view goes.
void DestroyViews(void);

#endif
