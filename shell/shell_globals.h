// Process-wide window handles and flags of the application shell.
// Every handle is null until its window exists; every user checks before use.
#ifndef TARNWICK_SHELL_SHELL_GLOBALS_H
#define TARNWICK_SHELL_SHELL_GLOBALS_H

#include <windows.h>

#include "log/debug_log.h" // LogPane: the frame creates it, the log writes into it

// Child-window ids inside the frame.
enum {
  SizeBarId = 5,
  MdiClientId = 6,
  StatusBarId = 7,
  LogPaneId = 8,
};

extern HWND FrameWindow;
extern HWND MdiClient;
extern HWND StatusBar;
extern HWND SizeBar;     // the splitter bar; its user-data slot holds DebugPaneHeight
extern int ReadyFlag;    // 1 once start-up has reported every volume
extern int DebugViewFlag; // 1 while Window > Debug carries its check mark

#endif
