#include "shell/size_bar.h"

#include "res/resource.h"
#include "shell/frame_window.h"
#include "shell/layout.h"
#include "shell/shell_globals.h"

ATOM RegisterSizeBarClass(HINSTANCE instance) {
  WCHAR className[RESOURCE_STRING_CHARS];
  if (!LoadStringW(instance, IDS_SIZEBAR_CLASS, className, RESOURCE_STRING_CHARS)) return 0;
  WNDCLASSEXW wc;
  ZeroMemory(&wc, sizeof wc);
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = SizeBarProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(NULL, IDC_SIZENS);
  wc.hbrBackground = (HBRUSH)(COLOR_MENU + 1);
  wc.lpszClassName = className;
  return RegisterClassExW(&wc);
}

int GetDebugPaneHeight(void) {
  if (!SizeBar) return 0;
  return (int)GetWindowLongPtrW(SizeBar, GWLP_USERDATA);
}

void SetDebugPaneHeight(int height) {
  if (SizeBar) SetWindowLongPtrW(SizeBar, GWLP_USERDATA, (LONG_PTR)height);
}

static LRESULT OnSizeBarButtonDown(HWND window) {
  SetCapture(window);
  return 0;
}

void OnSizeBarMouseMove(int y, WPARAM keys) {
  SizeBarDrag step = DecideSizeBarDrag(GetDebugPaneHeight(), y, (keys & MK_LBUTTON) != 0);
  if (step.action == DragEnd) {
    ReleaseCapture();
  } else if (step.action == DragResize) {
    SetDebugPaneHeight(step.paneHeight);
    RelayoutFrame();
  }
}

void OnSizeBarDoubleClick(void) {
  int d = GetDebugPaneHeight();
  ReleaseCapture();
  SetDebugPaneHeight(DoubleClickPaneHeight(d, GetSystemMetrics(SM_CYHSCROLL)));
  RelayoutFrame();
}

void ToggleDebugView(HWND frame) {
  DebugViewFlag = !DebugViewFlag;
  if (DebugViewFlag) {
    CheckMenuItem(GetMenu(frame), IDM_WINDOW_DEBUG, MF_BYCOMMAND | MF_CHECKED);
    SetDebugPaneHeight(OpenPaneHeight(GetSystemMetrics(SM_CYHSCROLL)));
  } else {
    CheckMenuItem(GetMenu(frame), IDM_WINDOW_DEBUG, MF_BYCOMMAND | MF_UNCHECKED);
    SetDebugPaneHeight(0);
  }
  RelayoutFrame();
}

LRESULT CALLBACK SizeBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SetCursor(LoadCursorW(NULL, IDC_SIZENS));
  switch (message) {
  case WM_NCLBUTTONDOWN:
    return OnSizeBarButtonDown(window);
  case WM_MOUSEMOVE:
    OnSizeBarMouseMove((short)HIWORD(lParam), wParam);
    return 0;
  case WM_LBUTTONDBLCLK:
  case WM_RBUTTONDBLCLK:
  case WM_MBUTTONDBLCLK:
  case WM_NCLBUTTONDBLCLK: // the bar is all border: an uncaptured double-click lands here
  case WM_NCRBUTTONDBLCLK:
  case WM_NCMBUTTONDBLCLK:
    OnSizeBarDoubleClick();
    return 0;
  default:
    return DefWindowProcW(window, message, wParam, lParam);
  }
}
