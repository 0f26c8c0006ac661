#include "shell_test_support.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "res/resource.h"
#include "shell/frame_window.h"
#include "shell/shell_globals.h"
#include "shell/size_bar.h"
#include "shell/startup.h"

std::vector<RecordedCommand> RecordedCommands;
std::vector<HWND> DestroyedWindows;

namespace {

const wchar_t RecordingViewClass[] = L"RecordingView";

LRESULT CALLBACK RecordingViewProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    RecordedCommands.push_back({view, LOWORD(wParam), HIWORD(wParam), lParam});
    return 0;
  }
  return DefMDIChildProcW(view, message, wParam, lParam);
}

LRESULT CALLBACK RecordDestroy(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT *sent = reinterpret_cast<const CWPSTRUCT *>(lParam);
  if (code == HC_ACTION && sent->message == WM_DESTROY) DestroyedWindows.push_back(sent->hwnd);
  return CallNextHookEx(NULL, code, wParam, lParam);
}

HHOOK DestroyHook;

}  // namespace

void RecordDestroys(bool on) {
  if (DestroyHook) UnhookWindowsHookEx(DestroyHook);
  DestroyHook = on ? SetWindowsHookExW(WH_CALLWNDPROC, RecordDestroy, NULL, GetCurrentThreadId()) : NULL;
  DestroyedWindows.clear();
}

HINSTANCE TestInstance() {
  return GetModuleHandleW(NULL);
}

std::wstring LoadTestString(UINT id) {
  wchar_t text[256] = {};
  LoadStringW(TestInstance(), id, text, 256);
  return text;
}

void RegisterShellClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  InitCommonControls();
  ASSERT_NE(0, RegisterFrameClass(TestInstance()));
  ASSERT_NE(0, RegisterSizeBarClass(TestInstance()));
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = RecordingViewProc;
  wc.hInstance = TestInstance();
  wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
  wc.lpszClassName = RecordingViewClass;
  ASSERT_NE(0, RegisterClassExW(&wc));
}

void ResetShellGlobals() {
  FrameWindow = NULL;
  MdiClient = NULL;
  StatusBar = NULL;
  SizeBar = NULL;
  LogPane = NULL;
  ReadyFlag = 0;
  DebugViewFlag = 0;
}

BOOL DrainMessages() {
  BOOL quit = FALSE;
  MSG msg;
  while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quit = TRUE;
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return quit;
}

HWND CreateTestFrame() {
  RegisterShellClasses();
  ResetShellGlobals();
  RecordedCommands.clear();
  std::wstring className = LoadTestString(IDS_FRAME_CLASS);
  FrameWindow = CreateWindowExW(WS_EX_ACCEPTFILES, className.c_str(), L"Tarnwick",
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40, 800, 600, NULL, NULL,
                                TestInstance(), NULL);
  if (!FrameWindow) return NULL;
  MdiClient = CreateMdiClient(FrameWindow, FindWindowMenu(GetMenu(FrameWindow)));
  RelayoutFrame();
  DrainMessages();
  return FrameWindow;
}

void DestroyTestFrame() {
  RecordDestroys(false);
  if (FrameWindow && IsWindow(FrameWindow)) DestroyWindow(FrameWindow);
  DrainMessages();
  ResetShellGlobals();
}

RECT RectInFrame(HWND window) {
  RECT rc = {};
  GetWindowRect(window, &rc);
  MapWindowPoints(NULL, FrameWindow, reinterpret_cast<POINT *>(&rc), 2);
  return rc;
}

std::wstring WindowText(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return text;
}

bool Shown(HWND window) {
  return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::wstring StatusText() {
  wchar_t text[512] = {};
  SendMessageW(StatusBar, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return text;
}

HWND CreateRecordingView(const wchar_t *title, DWORD style) {
  return CreateMDIWindowW(RecordingViewClass, title, style, 0, 0, 300, 200, MdiClient, TestInstance(), 0);
}

