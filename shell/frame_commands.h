// The frame's menu commands.
#ifndef TARNWICK_SHELL_FRAME_COMMANDS_H
#define TARNWICK_SHELL_FRAME_COMMANDS_H

#include <windows.h>

// Carries out Exit, Window > Debug, the arrangement commands and About; swallows
// Open; gives Undo, Copy, Paste and Select All to the log pane while it has the focus;
// forwards every other id, with its code, to the active view.
void OnFrameCommand(HWND frame, UINT id, LPARAM lParam, UINT code);

#endif
