#include "view/hex_entry_filter.h"

#include "view/hex_entry_rules.h"

HWND PendingCaretEdit;

enum { EntryTextChars = 65536 }; // 65,535 characters and the terminator

// The control's text as read for the latest typed hex digit.
static WCHAR EntryText[EntryTextChars];

static LRESULT PassOn(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(edit, GWLP_USERDATA));
  if (previous == 0) {
    return DefWindowProcW(edit, message, wParam, lParam);
  }
  return CallWindowProcW(previous, edit, message, wParam, lParam);
}

static LRESULT OnEntrySetFocus(HWND edit, WPARAM wParam, LPARAM lParam) {
  PendingCaretEdit = edit;
  return PassOn(edit, WM_SETFOCUS, wParam, lParam);
}

static LRESULT OnEntryKey(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  NavigationKey key = MapNavigationKey(static_cast<unsigned>(wParam));
  UINT scan = MapVirtualKeyW(key.keyCode, 0); // MAPVK_VK_TO_VSC
  LPARAM data = static_cast<LPARAM>(RewriteKeyData(static_cast<uintptr_t>(lParam), scan, key.remapped));
  if (key.remapped) {
    wParam = key.keyCode;
  }
  return PassOn(edit, message, wParam, data);
}

// A typed hex digit overwrites exactly one hex digit that has a space one or two places on.
static LRESULT OnEntryChar(HWND edit, WPARAM wParam, LPARAM lParam) {
  if (!IsHexDigitChar(static_cast<unsigned>(wParam))) {
    return 0;
  }
  DWORD start = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  int length = GetWindowTextW(edit, EntryText, EntryTextChars);
  if (length < 0) {
    length = 0;
  }
  if (length > EntryTextChars - 1) {
    length = EntryTextChars - 1;
  }
  // A selection start past what was read (or beyond int) is not editable.
  if (start >= static_cast<DWORD>(length) ||
      !IsEditableHexDigit(EntryText, length, static_cast<int>(start))) {
    return 0;
  }
  SendMessageW(edit, EM_SETSEL, start, start + 1);
  return PassOn(edit, WM_CHAR, wParam, lParam);
}

LRESULT CALLBACK HexEntryFilter(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_SETFOCUS:
    return OnEntrySetFocus(edit, wParam, lParam);
  case WM_KEYDOWN:
  case WM_KEYUP:
    return OnEntryKey(edit, message, wParam, lParam);
  case WM_CHAR:
    return OnEntryChar(edit, wParam, lParam);
  default:
    return PassOn(edit, message, wParam, lParam);
  }
}
