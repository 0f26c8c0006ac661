// The modal About dialog (dialog 2).
#ifndef TARNWICK_SHELL_ABOUT_BOX_H
#define TARNWICK_SHELL_ABOUT_BOX_H

#include <windows.h>

// Shows the dialog over owner and returns when it is closed.
void AboutBox(HWND owner);
INT_PTR CALLBACK AboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
