// The splitter bar above the log pane and the height of the debug pane it carries.
#ifndef TARNWICK_SHELL_SIZE_BAR_H
#define TARNWICK_SHELL_SIZE_BAR_H

#include <windows.h>

// Registers the bar's class (name: string 4); 0 on failure.
ATOM RegisterSizeBarClass(HINSTANCE instance);

LRESULT CALLBACK SizeBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void OnSizeBarMouseMove(int y, WPARAM keys);
void OnSizeBarDoubleClick(void);
// Window > Debug: flips DebugViewFlag and its check mark, opens or hides the pane.
void ToggleDebugView(HWND frame);

// DebugPaneHeight, kept in the SizeBar's user-data slot; reads 0 without a SizeBar.
int GetDebugPaneHeight(void);
void SetDebugPaneHeight(int height);

#endif
