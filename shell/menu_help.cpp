#include "shell/menu_help.h"

unsigned MenuSelectHelpId(unsigned long selectParam) {
  unsigned flags = (unsigned)((selectParam >> 16) & 0xFFFF);
  if (flags & MenuPopupFlag) return 0;
  return (unsigned)(selectParam & 0xFFFF);
}

MenuHelpSource DecideMenuHelp(unsigned id) {
  MenuHelpSource source = {MenuHelpNone, 0, 0};
  if (id == 0) return source;
  if (id >= IDM_WINDOW_LIST_FIRST && id < IDM_WINDOW_LIST_LIMIT) {
    source.kind = MenuHelpWindowList;
    source.stringId = IDS_WINDOW_LIST_HELP;
    source.windowNumber = (int)(id - (IDM_WINDOW_LIST_FIRST - 1));
    return source;
  }
  source.kind = MenuHelpString;
  source.stringId = id;
  return source;
}
