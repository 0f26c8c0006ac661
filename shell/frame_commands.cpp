#include "shell/frame_commands.h"

#include "res/resource.h"
#include "shell/about_box.h"
#include "shell/frame_window.h"
#include "shell/shell_globals.h"
#include "shell/size_bar.h"

static void SendToMdiClient(UINT message, WPARAM wParam) {
  if (MdiClient) SendMessageW(MdiClient, message, wParam, 0);
}

static void ForwardToView(HWND view, UINT id, LPARAM lParam, UINT code) {
  if (view) SendMessageW(view, WM_COMMAND, MAKEWPARAM(id, code), lParam);
}

// The read-only log pane, while it has the focus, takes Copy and Select All and ignores
// Undo and Paste. FALSE when the command belongs to the active view instead.
static BOOL EditLogPane(UINT id) {
  if (!LogPane || GetFocus() != LogPane) return FALSE;
  if (id == IDM_EDIT_COPY) SendMessageW(LogPane, WM_COPY, 0, 0);
  if (id == IDM_EDIT_SELECT_ALL) SendMessageW(LogPane, EM_SETSEL, 0, -1);
  return TRUE;
}

void OnFrameCommand(HWND frame, UINT id, LPARAM lParam, UINT code) {
  HWND view = MdiClient ? (HWND)SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, 0) : NULL;
  switch (id) {
  case IDM_FILE_OPEN:
    break;
  case IDM_FILE_EXIT:
    if (!ReadyFlag) break;
    DestroyViews();
    DestroyWindow(frame);
    break;
  case IDM_WINDOW_DEBUG:
    ToggleDebugView(frame);
    break;
  case IDM_WINDOW_CASCADE:
    SendToMdiClient(WM_MDICASCADE, 0);
    break;
  case IDM_WINDOW_TILE_HORIZONTAL:
    SendToMdiClient(WM_MDITILE, MDITILE_HORIZONTAL);
    break;
  case IDM_WINDOW_TILE_VERTICAL:
    SendToMdiClient(WM_MDITILE, MDITILE_VERTICAL);
    break;
  case IDM_WINDOW_ARRANGE_ICONS:
    SendToMdiClient(WM_MDIICONARRANGE, 0);
    break;
  case IDM_HELP_ABOUT:
    AboutBox(frame);
    break;
  case IDM_EDIT_UNDO:
  case IDM_EDIT_COPY:
  case IDM_EDIT_PASTE:
  case IDM_EDIT_SELECT_ALL:
    if (!EditLogPane(id)) ForwardToView(view, id, lParam, code);
    break;
  default:
    ForwardToView(view, id, lParam, code);
    break;
  }
}
