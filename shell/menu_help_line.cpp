// Puts the help line of the highlighted menu item into the status bar.
#include <windows.h>

#include "shell/menu_help.h"
#include "shell/shell_globals.h"

void ShowMenuHelp(HWND frame, UINT id) {
  HINSTANCE instance = (HINSTANCE)GetWindowLongPtrW(frame, GWLP_HINSTANCE);
  WCHAR text[RESOURCE_STRING_CHARS];
  text[0] = 0;
  MenuHelpSource source = DecideMenuHelp(id);
  if (source.kind == MenuHelpWindowList) {
    WCHAR format[RESOURCE_STRING_CHARS];
    if (LoadStringW(instance, source.stringId, format, RESOURCE_STRING_CHARS))
      wsprintfW(text, format, source.windowNumber);
  } else if (source.kind == MenuHelpString) {
    // Items without a string, such as system-menu commands, leave the text empty.
    if (!LoadStringW(instance, source.stringId, text, RESOURCE_STRING_CHARS)) text[0] = 0;
  }
  if (StatusBar) SetWindowTextW(StatusBar, text);
}
