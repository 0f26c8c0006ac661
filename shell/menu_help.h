// Which help line the status bar shows for a highlighted menu item.
// The decision makes no window-system calls; ShowMenuHelp loads and writes the text.
#ifndef TARNWICK_SHELL_MENU_HELP_H
#define TARNWICK_SHELL_MENU_HELP_H

#include "res/resource.h"

enum { MenuPopupFlag = 0x0010 }; // MF_POPUP among a menu-select message's flags

// Item id to explain for a menu-select message's wParam: 0 for popups, separators
// and the closed menu (flags 0xFFFF carry the popup bit).
unsigned MenuSelectHelpId(unsigned long selectParam);

enum MenuHelpKind {
  MenuHelpNone,       // empty text
  MenuHelpString,     // the string whose number is the id
  MenuHelpWindowList, // the window-list format filled with a window number
};

struct MenuHelpSource {
  int kind;
  unsigned stringId;
  int windowNumber; // from 1, for MenuHelpWindowList
};

MenuHelpSource DecideMenuHelp(unsigned id);

#ifdef _WIN32
#include <windows.h>
// Puts the help line of item id (0: nothing) into the StatusBar.
void ShowMenuHelp(HWND frame, UINT id);
#endif

#endif
