#include "view/volume_view.h"

#include "res/resource.h"
#include "view/hex_entry_filter.h"

#include <stdlib.h>
#include <string.h>

BOOL(WINAPI *ViewChooseFont)(LPCHOOSEFONTW) = ChooseFontW;

enum {
  ViewWidth = 600,
  ViewHeight = 400,
  ViewMinTrackWidth = 585,
};

static const DWORD EditStyle = WS_CHILD | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                               ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN;

static HWND ViewEdit(HWND view) {
  return reinterpret_cast<HWND>(GetWindowLongPtrW(view, GWLP_USERDATA));
}

static HINSTANCE WindowInstance(HWND window) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

// The control's font and its logical description. A control without a font, or a font
// that cannot be read, is described by the system font instead.
static HFONT ReadControlFont(HWND edit, LOGFONTW *logFont) {
  memset(logFont, 0, sizeof *logFont);
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
  if (font != 0 && GetObjectW(font, sizeof *logFont, logFont) == sizeof *logFont) {
    return font;
  }
  font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  if (font == 0 || GetObjectW(font, sizeof *logFont, logFont) != sizeof *logFont) {
    memset(logFont, 0, sizeof *logFont);
  }
  return font;
}

static int AverageCharWidth(HWND edit, HFONT font) {
  int width = 0;
  HDC dc = GetDC(edit);
  if (dc == 0) {
    return 0;
  }
  HGDIOBJ previous = font != 0 ? SelectObject(dc, font) : 0;
  TEXTMETRICW metrics;
  if (GetTextMetricsW(dc, &metrics)) {
    width = metrics.tmAveCharWidth;
  }
  if (previous != 0) {
    SelectObject(dc, previous);
  }
  ReleaseDC(edit, dc);
  return width;
}

static void CreateBlockCaret(HWND edit) {
  LOGFONTW logFont;
  HFONT font = ReadControlFont(edit, &logFont);
  int width = abs(static_cast<int>(logFont.lfWidth));
  int height = abs(static_cast<int>(logFont.lfHeight));
  if (width == 0) {
    width = AverageCharWidth(edit, font);
  }
  CreateCaret(edit, 0, width, height);
  ShowCaret(edit);
}

void ApplyPendingCaret(void) {
  if (PendingCaretEdit == 0) {
    return;
  }
  if (GetFocus() == PendingCaretEdit) {
    CreateBlockCaret(PendingCaretEdit);
  }
  PendingCaretEdit = 0;
}

ATOM RegisterVolumeViewClass(HINSTANCE instance) {
  WCHAR className[RESOURCE_STRING_CHARS];
  if (LoadStringW(instance, IDS_VIEW_CLASS, className, RESOURCE_STRING_CHARS) <= 0) {
    return 0;
  }
  WNDCLASSEXW windowClass;
  memset(&windowClass, 0, sizeof windowClass);
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = VolumeViewProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
  windowClass.hCursor = 0;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  windowClass.lpszMenuName = 0;
  windowClass.lpszClassName = className;
  windowClass.hIconSm = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP_SMALL));
  return RegisterClassExW(&windowClass);
}

HWND CreateVolumeView(HWND mdiClient, const WCHAR *title) {
  WCHAR className[RESOURCE_STRING_CHARS];
  HINSTANCE instance = WindowInstance(mdiClient);
  if (LoadStringW(instance, IDS_VIEW_CLASS, className, RESOURCE_STRING_CHARS) <= 0) {
    return 0;
  }
  HWND view = CreateMDIWindowW(className, title, WS_CHILD | WS_MINIMIZE | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                               CW_USEDEFAULT, 0, ViewWidth, ViewHeight, mdiClient, instance, 0);
  if (view != 0) {
    ShowWindow(view, SW_SHOW);
  }
  return view;
}

static LRESULT OnViewCreate(HWND view, WPARAM wParam, LPARAM lParam) {
  HWND edit = CreateWindowExW(0, L"Edit", 0, EditStyle, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, view, 0,
                              WindowInstance(view), 0);
  if (edit == 0) {
    return -1;
  }
  LONG_PTR previous = SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HexEntryFilter));
  SetWindowLongPtrW(edit, GWLP_USERDATA, previous);
  SetWindowLongPtrW(view, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(edit));
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
  ShowWindow(edit, SW_SHOW);
  DefMDIChildProcW(view, WM_CREATE, wParam, lParam);
  return 0;
}

static LRESULT OnViewSize(HWND view, WPARAM wParam, LPARAM lParam) {
  int width = static_cast<short>(LOWORD(lParam));
  int height = static_cast<short>(HIWORD(lParam));
  HWND edit = ViewEdit(view);
  if (edit != 0) {
    MoveWindow(edit, 0, 0, width, height, TRUE);
  }
  DefMDIChildProcW(view, WM_SIZE, wParam, lParam);
  return 0;
}

static LRESULT OnViewSetFocus(HWND view) {
  HWND edit = ViewEdit(view);
  if (edit != 0) {
    SetFocus(edit);
  }
  return 0;
}

static LRESULT OnViewMdiActivate(HWND view, WPARAM wParam, LPARAM lParam) {
  HWND edit = ViewEdit(view);
  if (reinterpret_cast<HWND>(lParam) == view && edit != 0) {
    SetFocus(edit);
  }
  DefMDIChildProcW(view, WM_MDIACTIVATE, wParam, lParam);
  return 0;
}

// A view cannot be closed: it turns into an icon and the next view becomes active.
static LRESULT OnViewClose(HWND view) {
  ShowWindow(view, SW_MINIMIZE);
  SendMessageW(GetParent(view), WM_MDINEXT, reinterpret_cast<WPARAM>(view), 0);
  return 0;
}

static LRESULT OnViewGetMinMaxInfo(HWND view, WPARAM wParam, LPARAM lParam) {
  MINMAXINFO *info = reinterpret_cast<MINMAXINFO *>(lParam);
  if (info != 0) {
    info->ptMinTrackSize.x = ViewMinTrackWidth;
  }
  return DefMDIChildProcW(view, WM_GETMINMAXINFO, wParam, lParam);
}

static LRESULT OnViewSetText(HWND view, LPARAM lParam) {
  HWND edit = ViewEdit(view);
  if (edit == 0) {
    return 0;
  }
  SetWindowTextW(edit, reinterpret_cast<const WCHAR *>(lParam));
  return 1;
}

// Lets the user pick a fixed-pitch font for this view's control; the caret follows the font.
static void ChooseViewFont(HWND edit) {
  LOGFONTW logFont;
  HFONT oldFont = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
  ReadControlFont(edit, &logFont);
  CHOOSEFONTW choose;
  memset(&choose, 0, sizeof choose);
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = edit;
  choose.lpLogFont = &logFont;
  choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_FIXEDPITCHONLY;
  if (ViewChooseFont != 0 && ViewChooseFont(&choose)) {
    logFont.lfItalic = FALSE;
    logFont.lfQuality = ANTIALIASED_QUALITY;
    HFONT newFont = CreateFontIndirectW(&logFont);
    if (newFont != 0) {
      if (oldFont != 0 && oldFont != static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT)) &&
          oldFont != static_cast<HFONT>(GetStockObject(SYSTEM_FONT))) {
        DeleteObject(oldFont);
      }
      SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(newFont), TRUE);
    }
  }
  PendingCaretEdit = edit;
}

void OnViewCommand(HWND view, UINT id) {
  HWND edit = ViewEdit(view);
  if (edit == 0) {
    return;
  }
  switch (id) {
  case IDM_EDIT_UNDO:
    SendMessageW(edit, WM_UNDO, 0, 0);
    break;
  case IDM_EDIT_COPY:
    SendMessageW(edit, WM_COPY, 0, 0);
    break;
  case IDM_EDIT_PASTE:
    SendMessageW(edit, WM_PASTE, 0, 0);
    break;
  case IDM_EDIT_SELECT_ALL:
    SendMessageW(edit, EM_SETSEL, 0, -1);
    break;
  case IDM_VIEW_FONT:
    ChooseViewFont(edit);
    break;
  default: // Redo, Find, Replace, Go To and every other command do nothing here
    break;
  }
}

LRESULT CALLBACK VolumeViewProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
  ApplyPendingCaret();
  switch (message) {
  case WM_CREATE:
    return OnViewCreate(view, wParam, lParam);
  case WM_SIZE:
    return OnViewSize(view, wParam, lParam);
  case WM_SETFOCUS:
    return OnViewSetFocus(view);
  case WM_MDIACTIVATE:
    return OnViewMdiActivate(view, wParam, lParam);
  case WM_CLOSE:
    return OnViewClose(view);
  case WM_GETMINMAXINFO:
    return OnViewGetMinMaxInfo(view, wParam, lParam);
  case WM_COMMAND:
    OnViewCommand(view, LOWORD(wParam));
    return 0;
  case WM_SETVIEWTEXT:
    return OnViewSetText(view, lParam);
  default:
    return DefMDIChildProcW(view, message, wParam, lParam);
  }
}
