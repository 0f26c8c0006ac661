#include <gtest/gtest.h>

#include <algorithm>

#include "res/resource.h"
#include "shell/about_box.h"
#include "shell/frame_commands.h"
#include "shell/frame_window.h"
#include "shell/menu_help.h"
#include "shell/shell_globals.h"
#include "shell/size_bar.h"
#include "shell_test_support.h"

namespace {

class Commands : public testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(nullptr, CreateTestFrame()); }
  void TearDown() override { DestroyTestFrame(); }

  void Command(WORD id, WORD code = 0, LPARAM lParam = 0) {
    SendMessageW(FrameWindow, WM_COMMAND, MAKEWPARAM(id, code), lParam);
  }
  HWND Active() { return reinterpret_cast<HWND>(SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, 0)); }
};

TEST_F(Commands, OtherIdsGoToTheActiveViewWithTheirCode) {
  HWND view = CreateRecordingView(L"one");
  ASSERT_EQ(view, Active());
  Command(IDM_EDIT_SELECT_ALL, 1);  // accelerator
  Command(IDM_EDIT_COPY, 0);        // menu
  Command(IDM_VIEW_FONT, 0);
  Command(IDM_WRITE_IT, 0);
  Command(LogPaneId, EN_SETFOCUS, reinterpret_cast<LPARAM>(LogPane));
  ASSERT_EQ(5u, RecordedCommands.size());
  EXPECT_EQ(IDM_EDIT_SELECT_ALL, RecordedCommands[0].id);
  EXPECT_EQ(1, RecordedCommands[0].code);
  EXPECT_EQ(IDM_EDIT_COPY, RecordedCommands[1].id);
  EXPECT_EQ(0, RecordedCommands[1].code);
  EXPECT_EQ(IDM_VIEW_FONT, RecordedCommands[2].id);
  EXPECT_EQ(IDM_WRITE_IT, RecordedCommands[3].id);
  EXPECT_EQ(LogPaneId, RecordedCommands[4].id);
  EXPECT_EQ(EN_SETFOCUS, RecordedCommands[4].code);
  EXPECT_EQ(reinterpret_cast<LPARAM>(LogPane), RecordedCommands[4].lParam);
  for (const RecordedCommand &c : RecordedCommands) EXPECT_EQ(view, c.view);
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(NULL)) return L"(clipboard busy)";
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (const wchar_t *p = data ? static_cast<const wchar_t *>(GlobalLock(data)) : nullptr) {
    text = p;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

TEST_F(Commands, EditKeysActOnTheLogPaneWhileItHasTheFocus) {
  CreateRecordingView(L"one");
  SetWindowTextW(LogPane, L"first line\r\nsecond");
  SendMessageW(LogPane, EM_SETSEL, 6, 10);
  SetFocus(LogPane);
  ASSERT_EQ(LogPane, GetFocus());
  OpenClipboard(NULL);
  EmptyClipboard();
  CloseClipboard();

  Command(IDM_EDIT_COPY, 1);
  EXPECT_EQ(L"line", ClipboardText());
  Command(IDM_EDIT_PASTE, 1);
  Command(IDM_EDIT_UNDO, 0);
  Command(IDM_EDIT_SELECT_ALL, 0);
  DWORD start = 0, end = 0;
  SendMessageW(LogPane, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(0u, start);
  EXPECT_EQ(18u, end);
  Command(IDM_VIEW_FONT, 0);
  std::vector<WORD> ids;  // the pane's own notifications aside
  for (const RecordedCommand &c : RecordedCommands) {
    if (c.id != LogPaneId) ids.push_back(c.id);
  }
  EXPECT_EQ(std::vector<WORD>{IDM_VIEW_FONT}, ids);

  SetFocus(FrameWindow);
  RecordedCommands.clear();  // the pane's focus notification
  Command(IDM_EDIT_COPY, 1);
  ASSERT_EQ(1u, RecordedCommands.size());
  EXPECT_EQ(IDM_EDIT_COPY, RecordedCommands[0].id);
}

TEST_F(Commands, OnlyTheActiveViewReceivesThem) {
  HWND first = CreateRecordingView(L"one");
  HWND second = CreateRecordingView(L"two");
  SendMessageW(MdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first), 0);
  ASSERT_EQ(first, Active());
  Command(IDM_EDIT_UNDO);
  ASSERT_EQ(1u, RecordedCommands.size());
  EXPECT_EQ(first, RecordedCommands[0].view);
  EXPECT_NE(second, RecordedCommands[0].view);
}

TEST_F(Commands, OpenIsSwallowedAndFrameCommandsAreNotForwarded) {
  CreateRecordingView(L"one");
  ReadyFlag = 0;
  Command(IDM_FILE_OPEN, 0);
  Command(IDM_FILE_OPEN, 1);
  Command(IDM_FILE_EXIT);
  Command(IDM_WINDOW_DEBUG);
  Command(IDM_WINDOW_CASCADE);
  Command(IDM_WINDOW_TILE_HORIZONTAL);
  Command(IDM_WINDOW_TILE_VERTICAL);
  Command(IDM_WINDOW_ARRANGE_ICONS);
  EXPECT_TRUE(RecordedCommands.empty());
}

TEST_F(Commands, NothingIsForwardedWithoutAView) {
  HWND view = CreateRecordingView(L"one");
  SendMessageW(MdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(view), 0);
  ASSERT_EQ(nullptr, Active());
  Command(IDM_EDIT_PASTE);
  Command(IDM_EDIT_SELECT_ALL, 1);
  EXPECT_TRUE(RecordedCommands.empty());
  EXPECT_TRUE(IsWindow(FrameWindow));

  HWND client = MdiClient;
  MdiClient = NULL;  // a failed MDI client: commands do nothing
  Command(IDM_EDIT_PASTE);
  Command(IDM_WINDOW_CASCADE);
  MdiClient = client;
  EXPECT_TRUE(RecordedCommands.empty());
}

TEST_F(Commands, ExitIsRefusedUntilReadyThenDestroysTheViewsBeforeTheFrame) {
  HWND views[] = {CreateRecordingView(L"one", WS_MINIMIZE), CreateRecordingView(L"two")};
  ReadyFlag = 0;
  Command(IDM_FILE_EXIT);
  EXPECT_TRUE(IsWindow(FrameWindow));
  EXPECT_FALSE(DrainMessages());

  ReadyFlag = 1;
  RecordDestroys(true);
  Command(IDM_FILE_EXIT);
  EXPECT_FALSE(IsWindow(FrameWindow));
  EXPECT_TRUE(DrainMessages());
  ASSERT_GE(DestroyedWindows.size(), 3u);
  EXPECT_EQ(FrameWindow, DestroyedWindows[2]);
  std::sort(DestroyedWindows.begin(), DestroyedWindows.begin() + 2);
  std::sort(views, views + 2);
  EXPECT_EQ(views[0], DestroyedWindows[0]);
  EXPECT_EQ(views[1], DestroyedWindows[1]);
}

TEST_F(Commands, TileHorizontalStacksAndTileVerticalSetsSideBySide) {
  ShowWindow(FrameWindow, SW_SHOW);  // arrangement skips windows that are not visible
  HWND first = CreateRecordingView(L"one");
  HWND second = CreateRecordingView(L"two");
  RECT client;
  GetClientRect(MdiClient, &client);
  auto rectOf = [](HWND view) {
    RECT rc;
    GetWindowRect(view, &rc);
    MapWindowPoints(NULL, MdiClient, reinterpret_cast<POINT *>(&rc), 2);
    return rc;
  };

  Command(IDM_WINDOW_TILE_HORIZONTAL);
  RECT a = rectOf(first), b = rectOf(second);
  EXPECT_EQ(client.right, a.right - a.left);
  EXPECT_EQ(client.right, b.right - b.left);
  EXPECT_NE(a.top, b.top);

  Command(IDM_WINDOW_TILE_VERTICAL);
  a = rectOf(first);
  b = rectOf(second);
  EXPECT_EQ(client.bottom, a.bottom - a.top);
  EXPECT_EQ(client.bottom, b.bottom - b.top);
  EXPECT_NE(a.left, b.left);

  Command(IDM_WINDOW_CASCADE);
  a = rectOf(first);
  b = rectOf(second);
  EXPECT_NE(a.left, b.left);
  EXPECT_NE(a.top, b.top);
  EXPECT_LT(a.right - a.left, client.right);
  EXPECT_TRUE(RecordedCommands.empty());
}

TEST_F(Commands, ArrangeIconsLinesUpMinimisedViews) {
  HWND view = CreateRecordingView(L"one", WS_MINIMIZE);
  SetWindowPos(view, NULL, 50, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Command(IDM_WINDOW_ARRANGE_ICONS);
  RECT client, icon;
  GetClientRect(MdiClient, &client);
  GetWindowRect(view, &icon);
  MapWindowPoints(NULL, MdiClient, reinterpret_cast<POINT *>(&icon), 2);
  EXPECT_EQ(client.bottom, icon.bottom);
}

TEST_F(Commands, ShowMenuHelpWithoutAStatusBarGoesNowhere) {
  HWND status = StatusBar;
  StatusBar = NULL;
  ShowMenuHelp(FrameWindow, IDM_FILE_OPEN);
  StatusBar = status;
  EXPECT_EQ(L"", StatusText());
  ShowMenuHelp(FrameWindow, IDM_FILE_OPEN);
  EXPECT_EQ(L"Opens a file, volume, or device for reading", StatusText());
  ShowMenuHelp(FrameWindow, 0);
  EXPECT_EQ(L"", StatusText());
}

// Closes the About box from inside its modal loop, one way per run.
struct AboutRun {
  int way;
  HWND dialog;
  BOOL ownerDisabled;
  std::wstring caption;
  std::wstring cutLabels;  // labels wider than their control, which wraps them
  int ticks;
  BOOL closed;
};
AboutRun About;

BOOL CALLBACK FindCutLabel(HWND control, LPARAM) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, 64);
  std::wstring text = WindowText(control);
  if (lstrcmpiW(name, L"Static") != 0 || text.empty()) return TRUE;
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE size = {};
  GetTextExtentPoint32W(dc, text.c_str(), (int)text.size(), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  RECT rc;
  GetClientRect(control, &rc);
  if (size.cx > rc.right) About.cutLabels += text + L"|";
  return TRUE;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(window)) {
    About.dialog = window;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK CloseAbout(HWND, UINT, UINT_PTR timer, DWORD) {
  ++About.ticks;
  About.dialog = NULL;
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, 0);
  if (!About.dialog) {
    if (About.ticks > 50) KillTimer(NULL, timer);
    return;
  }
  if (About.ticks > 50) {  // the chosen way did not close it
    EndDialog(About.dialog, 0);
    KillTimer(NULL, timer);
    return;
  }
  if (About.caption.empty()) {
    About.caption = WindowText(About.dialog);
    EnumChildWindows(About.dialog, FindCutLabel, 0);
    About.ownerDisabled = !IsWindowEnabled(FrameWindow);
    HWND focus = GetFocus();
    switch (About.way) {
    case 0:
      PostMessageW(GetDlgItem(About.dialog, IDOK), BM_CLICK, 0, 0);
      break;
    case 1:
      PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 0x001C0001);
      break;
    case 2:
      PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
      break;
    case 3:
      PostMessageW(About.dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    }
    return;
  }
}

TEST_F(Commands, AboutOpensOverTheFrameAndClosesEveryWay) {
  for (int way = 0; way < 4; ++way) {
    About = AboutRun{way, NULL, FALSE, L"", L"", 0, FALSE};
    UINT_PTR timer = SetTimer(NULL, 0, 20, CloseAbout);
    Command(IDM_HELP_ABOUT);
    KillTimer(NULL, timer);
    EXPECT_EQ(L"About Tarnwick", About.caption) << way;
    EXPECT_EQ(L"", About.cutLabels) << way;
    EXPECT_TRUE(About.ownerDisabled) << way;
    EXPECT_LE(About.ticks, 50) << "way " << way << " did not close the box";
    EXPECT_TRUE(IsWindowEnabled(FrameWindow));
    EXPECT_TRUE(RecordedCommands.empty());
  }
}

TEST(AboutBoxProc, InitGivesFocusAndOnlyOkAndCancelEnd) {
  EXPECT_EQ(TRUE, AboutBoxProc(NULL, WM_INITDIALOG, 0, 0));
  EXPECT_EQ(FALSE, AboutBoxProc(NULL, WM_COMMAND, MAKEWPARAM(3, 0), 0));
  EXPECT_EQ(FALSE, AboutBoxProc(NULL, WM_PAINT, 0, 0));
}

}  // namespace
