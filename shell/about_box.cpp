#include "shell/about_box.h"

#include "res/resource.h"

void AboutBox(HWND owner) {
  HINSTANCE instance = (HINSTANCE)GetWindowLongPtrW(owner, GWLP_HINSTANCE);
  DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ABOUT), owner, AboutBoxProc, 0);
}

static INT_PTR OnAboutCommand(HWND dialog, WPARAM wParam) {
  WORD id = LOWORD(wParam);
  if (id == IDOK || id == IDCANCEL) EndDialog(dialog, 1);
  return FALSE;
}

INT_PTR CALLBACK AboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  (void)lParam;
  switch (message) {
  case WM_INITDIALOG:
    return TRUE;
  case WM_COMMAND:
    return OnAboutCommand(dialog, wParam);
  default:
    return FALSE;
  }
}
