// Helpers for the shell's in-process window tests.
#ifndef TARNWICK_TESTS_WIN_SHELL_TEST_SUPPORT_H
#define TARNWICK_TESTS_WIN_SHELL_TEST_SUPPORT_H

#include <windows.h>

#include <string>
#include <vector>

HINSTANCE TestInstance();
std::wstring LoadTestString(UINT id);

// Registers the frame and SizeBar classes once and initialises the common controls.
void RegisterShellClasses();
// Nulls every shell global and clears the flags.
void ResetShellGlobals();
// Dispatches queued messages; drops a quit message. Returns TRUE if one was seen.
BOOL DrainMessages();

// A frame of the program's class with its MDI client at 40,40 800x600. It is left
// hidden: under a display without a window manager every hidden top-level window
// costs seconds.
HWND CreateTestFrame();
void DestroyTestFrame();

// A window's rectangle in the frame's client coordinates.
RECT RectInFrame(HWND window);
std::wstring WindowText(HWND window);
// The window's own visible style, whatever its parent's state.
bool Shown(HWND window);
std::wstring StatusText();

// An MDI child class that records the WM_COMMAND messages it receives.
struct RecordedCommand {
  HWND view;
  WORD id;
  WORD code;
  LPARAM lParam;
};
extern std::vector<RecordedCommand> RecordedCommands;
HWND CreateRecordingView(const wchar_t *title, DWORD style = 0);

// The windows of this thread that received WM_DESTROY, in order, while recording is on;
// DestroyTestFrame turns it off.
extern std::vector<HWND> DestroyedWindows;
void RecordDestroys(bool on);

#endif
