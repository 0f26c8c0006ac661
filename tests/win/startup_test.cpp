#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_volumes.h"
#include "log/debug_log.h"
#include "res/resource.h"
#include "scan/volume_api.h"
#include "shell/frame_window.h"
#include "shell/shell_globals.h"
#include "shell/size_bar.h"
#include "shell/startup.h"
#include "shell_test_support.h"
#include "system_text.h"
#include "view/hex_dump.h"

namespace {

const UINT ClassStrings[] = {IDS_FRAME_CLASS, IDS_SIZEBAR_CLASS, IDS_VIEW_CLASS};

bool ClassRegistered(UINT stringId) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  return GetClassInfoExW(TestInstance(), LoadTestString(stringId).c_str(), &wc) != 0;
}

void UnregisterProgramClasses() {
  for (UINT id : ClassStrings) UnregisterClassW(LoadTestString(id).c_str(), TestInstance());
}

HWND CreatePlainWindow(const std::wstring &className) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = TestInstance();
  wc.lpszClassName = className.c_str();
  RegisterClassExW(&wc);
  return CreateWindowExW(0, className.c_str(), L"first", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, NULL, NULL,
                         TestInstance(), NULL);
}

class Startup : public testing::Test {
 protected:
  void SetUp() override {
    ResetShellGlobals();
    UnregisterProgramClasses();
  }
  void TearDown() override {
    if (FrameWindow && IsWindow(FrameWindow)) DestroyWindow(FrameWindow);
    DrainMessages();
    RestoreSystemVolumes();
    UnregisterProgramClasses();
    ResetShellGlobals();
  }
};

TEST(WindowMenu, IsThePopupHoldingArrangeIcons) {
  HMENU bar = LoadMenuW(TestInstance(), MAKEINTRESOURCEW(IDR_MAINMENU));
  ASSERT_NE(nullptr, bar);
  HMENU found = FindWindowMenu(bar);
  EXPECT_EQ(GetSubMenu(bar, 7), found);
  EXPECT_EQ(IDM_WINDOW_DEBUG, (int)GetMenuItemID(found, 0));
  DestroyMenu(bar);
}

TEST(WindowMenu, FirstPopupWithTheCommandWinsElseTheBar) {
  HMENU bar = CreateMenu();
  EXPECT_EQ(bar, FindWindowMenu(bar));  // empty bar

  AppendMenuW(bar, MF_STRING, IDM_WINDOW_ARRANGE_ICONS, L"plain item");
  HMENU other = CreatePopupMenu();
  AppendMenuW(other, MF_STRING, IDM_WINDOW_CASCADE, L"Cascade");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(other), L"Other");
  EXPECT_EQ(bar, FindWindowMenu(bar));  // no popup holds 904

  HMENU first = CreatePopupMenu();
  AppendMenuW(first, MF_STRING, IDM_WINDOW_ARRANGE_ICONS, L"Arrange");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(first), L"First");
  HMENU second = CreatePopupMenu();
  AppendMenuW(second, MF_STRING, IDM_WINDOW_ARRANGE_ICONS, L"Arrange");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(second), L"Second");
  EXPECT_EQ(first, FindWindowMenu(bar));
  DestroyMenu(bar);
  EXPECT_EQ(nullptr, FindWindowMenu(NULL));
}

// Records every message a plain top-level window receives.
std::vector<MSG> Received;
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND || message >= WM_APP) Received.push_back(MSG{window, message, wParam, lParam, 0, {}});
  return DefWindowProcW(window, message, wParam, lParam);
}

// Posted keys carry no keyboard state, so Ctrl is held in this thread's key state.
void HoldControl(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

TEST(PumpPendingMessages, DispatchesTheQueueAndTranslatesKeysForTheirWindow) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = RecordingProc;
  wc.hInstance = TestInstance();
  wc.lpszClassName = L"PumpRecorder";
  RegisterClassExW(&wc);
  HWND window = CreateWindowExW(0, L"PumpRecorder", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, NULL,
                                NULL, TestInstance(), NULL);
  ASSERT_NE(nullptr, window);
  DrainMessages();
  Received.clear();
  HACCEL accelerators = LoadAcceleratorsW(TestInstance(), MAKEINTRESOURCEW(IDR_ACCELERATORS));
  ASSERT_NE(nullptr, accelerators);

  PostMessageW(window, WM_APP + 1, 0, 0);
  PostMessageW(window, WM_KEYDOWN, VK_DIVIDE, 0x01350001);  // keypad slash alone: command 305
  PostMessageW(window, WM_APP + 2, 0, 0);
  PumpPendingMessages(accelerators);  // returns without waiting once the queue is empty

  ASSERT_EQ(3u, Received.size());
  EXPECT_EQ(WM_APP + 1, Received[0].message);
  EXPECT_EQ((UINT)WM_COMMAND, Received[1].message);
  EXPECT_EQ(IDM_EDIT_FIND, LOWORD(Received[1].wParam));
  EXPECT_EQ(1, HIWORD(Received[1].wParam));
  EXPECT_EQ(WM_APP + 2, Received[2].message);
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE));

  // Ctrl+F4 closes the active MDI child.
  wc.lpfnWndProc = DefMDIChildProcW;
  wc.lpszClassName = L"PumpChild";
  RegisterClassExW(&wc);
  MdiClient = CreateMdiClient(window, NULL);
  HWND child = CreateMDIWindowW(L"PumpChild", L"", WS_VISIBLE, 0, 0, 100, 100, MdiClient, TestInstance(), 0);
  ASSERT_NE(nullptr, child);
  HoldControl(true);
  PostMessageW(child, WM_KEYDOWN, VK_F4, 0x003E0001);
  PumpPendingMessages(accelerators);
  HoldControl(false);
  EXPECT_FALSE(IsWindow(child));
  MdiClient = NULL;
  DestroyWindow(window);
  DrainMessages();
}

TEST_F(Startup, RunningInstanceIsRestoredAndBroughtForward) {
  EXPECT_FALSE(ActivateRunningInstance(TestInstance()));

  HWND first = CreatePlainWindow(LoadTestString(IDS_FRAME_CLASS));
  ASSERT_NE(nullptr, first);
  ShowWindow(first, SW_MINIMIZE);
  DrainMessages();
  ASSERT_TRUE(IsIconic(first));

  EXPECT_EQ(0, TarnwickMain(TestInstance()));
  EXPECT_FALSE(IsIconic(first));
  EXPECT_EQ(first, GetForegroundWindow());
  EXPECT_EQ(nullptr, FrameWindow);
  EXPECT_FALSE(ClassRegistered(IDS_SIZEBAR_CLASS));  // ended before registering anything
  DestroyWindow(first);
}

// The message box of a failed start, read and closed from inside its modal loop.
struct FailureBox {
  HWND owner;
  std::wstring caption;
  std::wstring text;
  int ticks;
};
FailureBox Box;

BOOL CALLBACK ReadAndEndBox(HWND window, LPARAM) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  Box.owner = GetWindow(window, GW_OWNER);
  Box.caption = WindowText(window);
  Box.text = WindowText(GetDlgItem(window, 0xFFFF));
  EndDialog(window, IDOK);
  return FALSE;
}

void CALLBACK CloseFailureBox(HWND, UINT, UINT_PTR timer, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), ReadAndEndBox, 0);
  if (!Box.caption.empty() || ++Box.ticks > 200) {
    KillTimer(NULL, timer);
    if (Box.caption.empty()) PostQuitMessage(0);  // ends any modal loop that shows no box
  }
}

std::wstring WithoutLineBreak(std::wstring text) {
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n')) text.pop_back();
  return text;
}

int StartWithFailureBox() {
  Box = FailureBox{};
  UINT_PTR timer = SetTimer(NULL, 0, 20, CloseFailureBox);
  int code = TarnwickMain(TestInstance());
  KillTimer(NULL, timer);
  return code;
}

TEST_F(Startup, FailedClassRegistrationIsReported) {
  HWND blocker = CreatePlainWindow(LoadTestString(IDS_SIZEBAR_CLASS));
  ASSERT_NE(nullptr, blocker);
  EXPECT_EQ(StartupClassesFailed, StartWithFailureBox());
  EXPECT_EQ(nullptr, FrameWindow);
  EXPECT_EQ(nullptr, FindWindowW(LoadTestString(IDS_FRAME_CLASS).c_str(), NULL));
  EXPECT_FALSE(ClassRegistered(IDS_VIEW_CLASS));
  EXPECT_EQ(nullptr, Box.owner);
  EXPECT_EQ(L"Tarnwick", Box.caption);
  EXPECT_EQ(0u, Box.text.find(L"Tarnwick could not register its window classes."));
  EXPECT_NE(std::wstring::npos, Box.text.find(WithoutLineBreak(SystemText(ERROR_CLASS_ALREADY_EXISTS)))) << Box.text;
  DestroyWindow(blocker);
}

TEST_F(Startup, FailedEnumerationIsReportedBeforeTheMainLoop) {
  FakeMachine machine;
  machine.findFirstError = ERROR_ACCESS_DENIED;
  PlayFakeMachine(&machine);
  EXPECT_EQ(StartupScanFailed, StartWithFailureBox());
  ASSERT_NE(nullptr, FrameWindow);
  EXPECT_TRUE(IsWindowVisible(FrameWindow));
  EXPECT_EQ(0, ReadyFlag);
  EXPECT_NE(std::wstring(DebugLog).find(L"FindFirstVolume failed"), std::wstring::npos);
  EXPECT_EQ(FrameWindow, Box.owner);
  EXPECT_EQ(L"Tarnwick", Box.caption);
  EXPECT_EQ(0u, Box.text.find(L"Tarnwick could not list the disk volumes."));
  EXPECT_NE(std::wstring::npos, Box.text.find(WithoutLineBreak(SystemText(ERROR_ACCESS_DENIED)))) << Box.text;
}

// The end-to-end run: checks made from inside the scan and from inside the main loop.
struct EndToEnd {
  FakeMachine machine;
  BOOL (WINAPI *realRead)(HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED);
  int reads;
  BOOL aliveAfterCloseDuringScan;
  RECT mdiDuringScan;
  RECT clientDuringScan;
  int readyDuringScan;
  int step;
  int ticks;
  HWND active;
  WNDPROC viewProc;
  std::vector<std::pair<WORD, WORD>> activeCommands;
  std::vector<std::pair<HWND, WPARAM>> sysCommands;
  UINT errorModeDuringScan;
  // Observed once ready.
  int readyInLoop;
  int debugFlagInLoop;
  std::vector<HWND> views;
  std::vector<std::wstring> titles;
  std::vector<std::wstring> texts;
  std::vector<BOOL> iconic;
  RECT mdiRect;
  RECT clientRect;
  int statusHeight;
  BOOL menuHas40000, menuHas40001, menuHas40002;
};
EndToEnd *E2E;

BOOL WINAPI ReadDuringScan(HANDLE file, LPVOID buffer, DWORD length, LPDWORD read, LPOVERLAPPED overlapped) {
  if (++E2E->reads == 2) {
    E2E->errorModeDuringScan = SetErrorMode(0);
    SetErrorMode(E2E->errorModeDuringScan);
    E2E->readyDuringScan = ReadyFlag;
    E2E->mdiDuringScan = RectInFrame(MdiClient);
    GetClientRect(FrameWindow, &E2E->clientDuringScan);
    SendMessageW(FrameWindow, WM_CLOSE, 0, 0);
    SendMessageW(FrameWindow, WM_COMMAND, MAKEWPARAM(IDM_FILE_EXIT, 0), 0);
    E2E->aliveAfterCloseDuringScan = IsWindow(FrameWindow);
    PostMessageW(FrameWindow, WM_COMMAND, MAKEWPARAM(IDM_WINDOW_DEBUG, 0), 0);  // handled by the scan's pump
  }
  return E2E->realRead(file, buffer, length, read, overlapped);
}

LRESULT CALLBACK ViewSpy(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && view == E2E->active) E2E->activeCommands.push_back({LOWORD(wParam), HIWORD(wParam)});
  if (message == WM_SYSCOMMAND) E2E->sysCommands.push_back({view, wParam & 0xFFF0});
  return CallWindowProcW(E2E->viewProc, view, message, wParam, lParam);
}

void SpyOnViews(WNDPROC spy) {
  for (HWND view : E2E->views) {
    WNDPROC previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(spy)));
    if (spy == ViewSpy) E2E->viewProc = previous;
  }
}

void CALLBACK DriveMainLoop(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!ReadyFlag) return;
  ++E2E->ticks;
  if (E2E->step == 0) {
    E2E->readyInLoop = ReadyFlag;
    E2E->debugFlagInLoop = DebugViewFlag;
    for (HWND child = GetWindow(MdiClient, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (GetWindow(child, GW_OWNER)) continue;  // icon titles
      E2E->views.insert(E2E->views.begin(), child);
    }
    for (HWND view : E2E->views) {
      E2E->titles.push_back(WindowText(view));
      HWND edit = reinterpret_cast<HWND>(GetWindowLongPtrW(view, GWLP_USERDATA));
      std::vector<wchar_t> text(70000);
      GetWindowTextW(edit, text.data(), (int)text.size());
      E2E->texts.push_back(text.data());
      E2E->iconic.push_back(IsIconic(view));
    }
    E2E->mdiRect = RectInFrame(MdiClient);
    GetClientRect(FrameWindow, &E2E->clientRect);
    RECT status;
    GetClientRect(StatusBar, &status);
    E2E->statusHeight = status.bottom;
    HMENU windowMenu = FindWindowMenu(GetMenu(FrameWindow));
    E2E->menuHas40000 = GetMenuState(windowMenu, 40000, MF_BYCOMMAND) != 0xFFFFFFFF;
    E2E->menuHas40001 = GetMenuState(windowMenu, 40001, MF_BYCOMMAND) != 0xFFFFFFFF;
    E2E->menuHas40002 = GetMenuState(windowMenu, 40002, MF_BYCOMMAND) != 0xFFFFFFFF;

    // The keypad slash addressed to the log pane becomes command 305 for the frame,
    // which hands it to the active view.
    E2E->active = reinterpret_cast<HWND>(SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, 0));
    SpyOnViews(ViewSpy);
    PostMessageW(LogPane, WM_KEYDOWN, VK_DIVIDE, 0x01350001);
    E2E->step = 1;
    return;
  }
  if (E2E->step == 1) {
    // Ctrl+F6 moves on from the active view, then Ctrl+F4 closes the view it moved to.
    HoldControl(true);
    PostMessageW(E2E->active, WM_KEYDOWN, VK_F6, 0x00400001);
    PostMessageW(E2E->active, WM_KEYDOWN, VK_F4, 0x003E0001);
    E2E->step = 2;
    return;
  }
  if (E2E->step == 2 || E2E->ticks > 100) {
    HoldControl(false);
    SpyOnViews(E2E->viewProc);
    KillTimer(NULL, timer);
    E2E->step = 3;
    SendMessageW(FrameWindow, WM_CLOSE, 0, 0);
  }
}

TEST_F(Startup, EndToEndWithTwoReadableVolumesOfThree) {
  EndToEnd e2e = {};
  E2E = &e2e;
  std::vector<unsigned char> first = ImageWith(3, "NTFS");
  std::vector<unsigned char> third = ImageWith(3, "NTFS");
  for (size_t i = 16; i < 4096; ++i) third[i] = (unsigned char)(i * 7);
  e2e.machine.volumes.resize(3);
  e2e.machine.volumes[0].name = VolumeGuidName(1);
  e2e.machine.volumes[0].content = first;
  e2e.machine.volumes[1].name = VolumeGuidName(2);
  e2e.machine.volumes[1].openError = ERROR_ACCESS_DENIED;
  e2e.machine.volumes[2].name = VolumeGuidName(3);
  e2e.machine.volumes[2].content = third;
  e2e.machine.letters[L'C'] = VolumeGuidName(1);
  PlayFakeMachine(&e2e.machine);
  e2e.realRead = ScanApi.readFile;
  ScanApi.readFile = ReadDuringScan;

  UINT previousErrorMode = SetErrorMode(0);
  UINT_PTR timer = SetTimer(NULL, 0, 30, DriveMainLoop);
  EXPECT_EQ(0, TarnwickMain(TestInstance()));
  KillTimer(NULL, timer);
  SetErrorMode(previousErrorMode);

  EXPECT_EQ(2, e2e.reads);
  EXPECT_EQ(0, e2e.readyDuringScan);
  EXPECT_TRUE(e2e.aliveAfterCloseDuringScan);
  // Showing the frame placed the MDI client before any other layout.
  EXPECT_EQ(e2e.clientDuringScan.right, e2e.mdiDuringScan.right);
  EXPECT_GT(e2e.mdiDuringScan.bottom, e2e.clientDuringScan.bottom / 2);
  // No "No Disk" box can hold the scan; crash reporting is left as it was.
  EXPECT_EQ((UINT)SEM_FAILCRITICALERRORS, e2e.errorModeDuringScan);
  EXPECT_EQ(3, e2e.step) << "the main loop was not reached";
  EXPECT_FALSE(IsWindow(FrameWindow));

  EXPECT_EQ(1, e2e.readyInLoop);
  EXPECT_EQ(1, e2e.debugFlagInLoop);  // the command posted during the scan was handled
  ASSERT_EQ(2u, e2e.views.size());
  std::wstring name1 = VolumeGuidName(1), name3 = VolumeGuidName(3);
  EXPECT_EQ(L"C: " + name1.substr(0, name1.size() - 1) + L" NTFS", e2e.titles[0]);
  EXPECT_EQ(L"?: " + name3.substr(0, name3.size() - 1) + L" NTFS", e2e.titles[1]);
  std::vector<wchar_t> dump(256 * 71 + 1);
  FormatHexDump(dump.data(), first.data(), 4096);
  EXPECT_EQ(std::wstring(dump.data()), e2e.texts[0]);
  FormatHexDump(dump.data(), third.data(), 4096);
  EXPECT_EQ(std::wstring(dump.data()), e2e.texts[1]);
  EXPECT_TRUE(e2e.iconic[0]);
  EXPECT_TRUE(e2e.iconic[1]);
  EXPECT_TRUE(e2e.menuHas40000);
  EXPECT_TRUE(e2e.menuHas40001);
  EXPECT_FALSE(e2e.menuHas40002);

  // The MDI client was given its place: above the status bar and the opened pane.
  int paneHeight = 5 * GetSystemMetrics(SM_CYHSCROLL);
  EXPECT_EQ(0, e2e.mdiRect.top);
  EXPECT_EQ(e2e.clientRect.right, e2e.mdiRect.right);
  EXPECT_EQ(e2e.clientRect.bottom - e2e.statusHeight - paneHeight, e2e.mdiRect.bottom);

  ASSERT_EQ(1u, e2e.activeCommands.size());
  EXPECT_EQ(IDM_EDIT_FIND, e2e.activeCommands[0].first);
  EXPECT_EQ(1, e2e.activeCommands[0].second);
  ASSERT_EQ(2u, e2e.sysCommands.size());
  EXPECT_EQ(e2e.active, e2e.sysCommands[0].first);
  EXPECT_TRUE(e2e.sysCommands[0].second == SC_NEXTWINDOW || e2e.sysCommands[0].second == SC_PREVWINDOW);
  EXPECT_NE(e2e.active, e2e.sysCommands[1].first);
  EXPECT_EQ((WPARAM)SC_CLOSE, e2e.sysCommands[1].second);
  std::wstring log = DebugLog;
  EXPECT_NE(log.find(L"?: " + VolumeGuidName(2).substr(0, name1.size() - 1) + L" Read Error"), std::wstring::npos);
}

}  // namespace
