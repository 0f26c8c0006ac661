#include "shell/shell_globals.h"

HWND FrameWindow;
HWND MdiClient;
HWND StatusBar;
HWND SizeBar;
int ReadyFlag;
int DebugViewFlag;
