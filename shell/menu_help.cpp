#include "shell/menu_help.h"

unsigned MenuSelectHelpId(unsigned long selectParam) {
  unsigned flags = (unsigned)((selectParam >> 16) & 0xFFFF);
  if (flags & MenuPopupFlag) return 0;
  return (unsigned)(selectParam & 0xFFFF);
}

MenuHelpSource DecideMenuHelp(unsigned id) {
  MenuHelpSource source = {MenuHelpNone, 0, 0};
  if (id == 0) return source;
  if (id >= WindowListFirstId && id < WindowListLimitId) {
    source.kind = MenuHelpWindowList;
    source.stringId = WindowListHelpString;
    source.windowNumber = (int)(id - (WindowListFirstId - 1));
    return source;
  }
  source.kind = MenuHelpString;
  source.stringId = id;
  return source;
}
