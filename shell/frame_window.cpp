#include "shell/frame_window.h"

#include <commctrl.h>

#include "res/resource.h"
#include "scan/volume_scan.h"
#include "shell/frame_commands.h"
#include "shell/layout.h"
#include "shell/menu_help.h"
#include "shell/shell_globals.h"
#include "shell/size_bar.h"

ATOM RegisterFrameClass(HINSTANCE instance) {
  WCHAR className[RESOURCE_STRING_CHARS];
  if (!LoadStringW(instance, IDS_FRAME_CLASS, className, RESOURCE_STRING_CHARS)) return 0;
  WNDCLASSEXW wc;
  ZeroMemory(&wc, sizeof wc);
  wc.cbSize = sizeof wc;
  wc.style = 0;
  wc.lpfnWndProc = FrameWindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
  wc.hCursor = LoadCursorW(NULL, IDC_ARROW);
  wc.hbrBackground = (HBRUSH)(COLOR_MENU + 1);
  wc.lpszMenuName = MAKEINTRESOURCEW(IDR_MAINMENU);
  wc.lpszClassName = className;
  wc.hIconSm = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP_SMALL));
  return RegisterClassExW(&wc);
}

static HWND CreateFrameChild(HWND frame, HINSTANCE instance, DWORD exStyle, const WCHAR *className,
                             DWORD style, int id) {
  return CreateWindowExW(exStyle, className, NULL, style, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, frame,
                         (HMENU)(INT_PTR)id, instance, NULL);
}

void OnFrameCreate(HWND frame) {
  HINSTANCE instance = (HINSTANCE)GetWindowLongPtrW(frame, GWLP_HINSTANCE);
  WCHAR sizeBarClass[RESOURCE_STRING_CHARS];
  if (!LoadStringW(instance, IDS_SIZEBAR_CLASS, sizeBarClass, RESOURCE_STRING_CHARS)) sizeBarClass[0] = 0;

  SizeBar = CreateFrameChild(frame, instance, WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, sizeBarClass,
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, SizeBarId);
  SetDebugPaneHeight(0);

  StatusBar = CreateFrameChild(frame, instance, 0, STATUSCLASSNAMEW,
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP, StatusBarId);

  LogPane = CreateFrameChild(frame, instance, 0, L"Edit",
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | ES_READONLY |
                                 ES_AUTOVSCROLL | ES_MULTILINE,
                             LogPaneId);
  if (LogPane) SendMessageW(LogPane, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), 0);
}

static void MoveBox(HWND window, const LayoutBox &box, BOOL repaint) {
  MoveWindow(window, box.x, box.y, box.width, box.height, repaint);
}

void LayoutFrame(int width, int height) {
  FrameLayoutInput in;
  in.width = width;
  in.height = height;
  in.hasStatusBar = StatusBar != NULL;
  in.statusHeight = 0;
  if (StatusBar) {
    RECT rc;
    if (GetClientRect(StatusBar, &rc)) in.statusHeight = rc.bottom;
  }
  in.paneHeight = GetDebugPaneHeight();
  in.hasLogPane = LogPane != NULL;

  FrameLayout out;
  ComputeFrameLayout(&in, &out);

  if (StatusBar) MoveBox(StatusBar, out.statusBar, TRUE);
  if (SizeBar) {
    MoveBox(SizeBar, out.sizeBar, out.sizeBarShown);
    ShowWindow(SizeBar, out.sizeBarShown ? SW_SHOWNA : SW_HIDE);
  }
  if (LogPane) {
    if (out.logPaneShown) {
      ShowWindow(LogPane, SW_SHOWNA);
      MoveBox(LogPane, out.logPane, TRUE);
    } else {
      ShowWindow(LogPane, SW_HIDE);
    }
  }
  if (MdiClient) {
    MoveBox(MdiClient, out.mdiClient, TRUE);
    SendMessageW(MdiClient, WM_MDIICONARRANGE, 0, 0);
  }
}

void RelayoutFrame(void) {
  RECT rc;
  if (FrameWindow && GetClientRect(FrameWindow, &rc)) LayoutFrame(rc.right, rc.bottom);
}

static LRESULT DefaultFrame(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefFrameProcW(window, MdiClient, message, wParam, lParam);
}

void DestroyViews(void) {
  if (!MdiClient) return;
  // The views are listed before any goes: each destruction changes the client's child list.
  HWND views[MaxVolumes];
  int count = 0;
  for (HWND child = GetWindow(MdiClient, GW_CHILD); child && count < MaxVolumes;
       child = GetWindow(child, GW_HWNDNEXT)) {
    views[count++] = child;
  }
  // Bottom of the z-order first: the active view, on top, goes last, so no other is activated.
  for (int i = count - 1; i >= 0; --i) {
    if (IsWindow(views[i])) SendMessageW(MdiClient, WM_MDIDESTROY, (WPARAM)views[i], 0);
  }
}

static LRESULT OnFrameClose(HWND window) {
  if (!ReadyFlag) return 0;
  DestroyViews();
  return DefaultFrame(window, WM_CLOSE, 0, 0);
}

static LRESULT OnFrameMinMaxInfo(HWND window, WPARAM wParam, LPARAM lParam) {
  MINMAXINFO *info = (MINMAXINFO *)lParam;
  info->ptMinTrackSize.x = FrameMinTrackWidth;
  info->ptMinTrackSize.y = FrameMinTrackHeight;
  return DefaultFrame(window, WM_GETMINMAXINFO, wParam, lParam);
}

static LRESULT OnFrameCommandMessage(HWND window, WPARAM wParam, LPARAM lParam) {
  OnFrameCommand(window, LOWORD(wParam), lParam, HIWORD(wParam));
  return DefaultFrame(window, WM_COMMAND, wParam, lParam);
}

LRESULT CALLBACK FrameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_CREATE:
    OnFrameCreate(window);
    return 0;
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  case WM_SIZE:
    LayoutFrame(SizeParamWidth((unsigned long)lParam), SizeParamHeight((unsigned long)lParam));
    return 0;
  case WM_CLOSE:
    return OnFrameClose(window);
  case WM_GETMINMAXINFO:
    return OnFrameMinMaxInfo(window, wParam, lParam);
  case WM_COMMAND:
    return OnFrameCommandMessage(window, wParam, lParam);
  case WM_MENUSELECT:
    ShowMenuHelp(window, MenuSelectHelpId((unsigned long)wParam));
    return 0;
  default:
    return DefaultFrame(window, message, wParam, lParam);
  }
}
