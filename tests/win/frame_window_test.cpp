#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "res/resource.h"
#include "shell/frame_window.h"
#include "shell/shell_globals.h"
#include "shell/size_bar.h"
#include "shell/startup.h"
#include "shell_test_support.h"

namespace {

class Frame : public testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(nullptr, CreateTestFrame()); }
  void TearDown() override { DestroyTestFrame(); }

  RECT Client() {
    RECT rc;
    GetClientRect(FrameWindow, &rc);
    return rc;
  }
  int StatusTop() { return Client().bottom - StatusHeight(); }
  int StatusHeight() {
    RECT rc;
    GetClientRect(StatusBar, &rc);
    return rc.bottom;
  }
  void ExpectRect(HWND window, int left, int top, int right, int bottom) {
    RECT rc = RectInFrame(window);
    EXPECT_EQ(left, rc.left);
    EXPECT_EQ(top, rc.top);
    EXPECT_EQ(right, rc.right);
    EXPECT_EQ(bottom, rc.bottom);
  }
};

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

TEST_F(Frame, CreatesItsThreeChildrenWithTheirClassesStylesAndIds) {
  ASSERT_NE(nullptr, SizeBar);
  ASSERT_NE(nullptr, StatusBar);
  ASSERT_NE(nullptr, LogPane);

  EXPECT_EQ(L"SizeBar{6F2A91C4-73D8-4E05-B1A6-C93E0D57F218}", ClassOf(SizeBar));
  EXPECT_EQ(5, GetDlgCtrlID(SizeBar));
  EXPECT_EQ(FrameWindow, GetParent(SizeBar));
  LONG_PTR ex = GetWindowLongPtrW(SizeBar, GWL_EXSTYLE);
  EXPECT_EQ(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, ex & (WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE));
  EXPECT_TRUE(GetWindowLongPtrW(SizeBar, GWL_STYLE) & WS_CLIPSIBLINGS);
  EXPECT_EQ(0, GetDebugPaneHeight());

  EXPECT_EQ(L"msctls_statusbar32", ClassOf(StatusBar));
  EXPECT_EQ(7, GetDlgCtrlID(StatusBar));
  EXPECT_TRUE(GetWindowLongPtrW(StatusBar, GWL_STYLE) & SBARS_SIZEGRIP);
  EXPECT_EQ(L"", StatusText());

  EXPECT_EQ(0, lstrcmpiW(L"Edit", ClassOf(LogPane).c_str()));
  EXPECT_EQ(8, GetDlgCtrlID(LogPane));
  LONG_PTR style = GetWindowLongPtrW(LogPane, GWL_STYLE);
  const LONG_PTR wanted = WS_VSCROLL | ES_READONLY | ES_AUTOVSCROLL | ES_MULTILINE | WS_CLIPSIBLINGS;
  EXPECT_EQ(wanted, style & wanted);
  EXPECT_EQ(0, style & (ES_AUTOHSCROLL | WS_HSCROLL));
  EXPECT_EQ(reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)), SendMessageW(LogPane, WM_GETFONT, 0, 0));

  EXPECT_EQ(6, GetDlgCtrlID(MdiClient));
}

TEST_F(Frame, HiddenPaneGivesTheMdiClientEverythingAboveTheStatusBar) {
  RelayoutFrame();
  RECT client = Client();
  ExpectRect(StatusBar, 0, StatusTop(), client.right, client.bottom);
  EXPECT_FALSE(Shown(SizeBar));
  EXPECT_FALSE(Shown(LogPane));
  ExpectRect(MdiClient, 0, 0, client.right, StatusTop());
}

TEST_F(Frame, CollapsedPaneShowsTheBarAlone) {
  SetDebugPaneHeight(5);
  RelayoutFrame();
  RECT client = Client();
  int top = StatusTop();
  EXPECT_TRUE(Shown(SizeBar));
  ExpectRect(SizeBar, 0, top - 5, client.right, top);
  EXPECT_FALSE(Shown(LogPane));
  ExpectRect(MdiClient, 0, 0, client.right, top - 5);
}

TEST_F(Frame, OpenPaneStacksBarPaneAndStatusBar) {
  for (int d : {6, 85, 295}) {
    SetDebugPaneHeight(d);
    RelayoutFrame();
    RECT client = Client();
    int top = StatusTop();
    EXPECT_TRUE(Shown(SizeBar)) << d;
    ExpectRect(SizeBar, 0, top - d, client.right, top - d + 5);
    EXPECT_TRUE(Shown(LogPane)) << d;
    ExpectRect(LogPane, 0, top - d + 5, client.right, top);
    ExpectRect(MdiClient, 0, 0, client.right, top - d);
  }
  SetDebugPaneHeight(0);
  RelayoutFrame();
  EXPECT_FALSE(Shown(SizeBar));
  EXPECT_FALSE(Shown(LogPane));
}

TEST_F(Frame, ResizingLaysOutAndKeepsTheMdiClientOffTheStatusBar) {
  SetDebugPaneHeight(85);
  SetWindowPos(FrameWindow, NULL, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
  DrainMessages();
  RECT client = Client();
  int top = StatusTop();
  ExpectRect(LogPane, 0, top - 80, client.right, top);
  ExpectRect(MdiClient, 0, 0, client.right, top - 85);
}

TEST_F(Frame, NegativeAndZeroSizesFromTheSizeMessage) {
  SetDebugPaneHeight(0);
  SendMessageW(FrameWindow, WM_SIZE, SIZE_RESTORED, MAKELPARAM(0xFFFB, 0x8000));
  RECT rc = RectInFrame(MdiClient);
  EXPECT_EQ(0, rc.top);
  EXPECT_EQ(rc.top, rc.bottom);  // clamped to the top with no height left
  EXPECT_LE(rc.right - rc.left, 0);

  SetDebugPaneHeight(85);
  SendMessageW(FrameWindow, WM_SIZE, SIZE_MINIMIZED, 0);
  rc = RectInFrame(SizeBar);
  EXPECT_EQ(-85, rc.top);
  EXPECT_EQ(0, rc.right - rc.left);
  rc = RectInFrame(LogPane);
  EXPECT_EQ(-80, rc.top);
  EXPECT_EQ(0, rc.bottom);
}

TEST_F(Frame, MinimisedViewsAreArrangedAlongTheNewBottom) {
  HWND view = CreateRecordingView(L"one", WS_MINIMIZE);
  ASSERT_NE(nullptr, view);
  SetDebugPaneHeight(85);
  RelayoutFrame();
  RECT mdi;
  GetClientRect(MdiClient, &mdi);
  RECT icon;
  GetWindowRect(view, &icon);
  MapWindowPoints(NULL, MdiClient, reinterpret_cast<POINT *>(&icon), 2);
  EXPECT_EQ(mdi.bottom, icon.bottom);

  SetDebugPaneHeight(0);
  RelayoutFrame();
  GetClientRect(MdiClient, &mdi);
  GetWindowRect(view, &icon);
  MapWindowPoints(NULL, MdiClient, reinterpret_cast<POINT *>(&icon), 2);
  EXPECT_EQ(mdi.bottom, icon.bottom);
}

TEST_F(Frame, MinimumTrackingSize) {
  MINMAXINFO info = {};
  SendMessageW(FrameWindow, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(620, info.ptMinTrackSize.x);
  EXPECT_EQ(410, info.ptMinTrackSize.y);

  SetWindowPos(FrameWindow, NULL, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
  RECT rc;
  GetWindowRect(FrameWindow, &rc);
  EXPECT_EQ(620, rc.right - rc.left);
  EXPECT_EQ(410, rc.bottom - rc.top);
}

TEST_F(Frame, CloseIsRefusedUntilReadyThenDestroysTheViewsBeforeTheFrame) {
  HWND view = CreateRecordingView(L"one", WS_MINIMIZE);
  ReadyFlag = 0;
  EXPECT_EQ(0, SendMessageW(FrameWindow, WM_CLOSE, 0, 0));
  EXPECT_TRUE(IsWindow(FrameWindow));
  EXPECT_FALSE(DrainMessages());

  ReadyFlag = 1;
  RecordDestroys(true);
  SendMessageW(FrameWindow, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(FrameWindow));
  ASSERT_GE(DestroyedWindows.size(), 2u);
  EXPECT_EQ(view, DestroyedWindows[0]);
  EXPECT_EQ(FrameWindow, DestroyedWindows[1]);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(0u, msg.wParam);
}

TEST_F(Frame, WindowListCommandReachesTheDefaultFrameProcedure) {
  HWND first = CreateRecordingView(L"one");
  HWND second = CreateRecordingView(L"two");
  ASSERT_NE(nullptr, first);
  ASSERT_NE(nullptr, second);
  EXPECT_EQ(second, reinterpret_cast<HWND>(SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, 0)));
  EXPECT_NE(0xFFFFFFFFu, GetMenuState(FindWindowMenu(GetMenu(FrameWindow)), 40000, MF_BYCOMMAND));

  SendMessageW(FrameWindow, WM_COMMAND, MAKEWPARAM(40000, 0), 0);

  EXPECT_EQ(first, reinterpret_cast<HWND>(SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, 0)));
  // The id was first offered to the view that was active.
  ASSERT_EQ(1u, RecordedCommands.size());
  EXPECT_EQ(second, RecordedCommands[0].view);
  EXPECT_EQ(40000, RecordedCommands[0].id);
}

TEST_F(Frame, MenuSelectShowsHelpAndClearsItOverPopupsSeparatorsAndClose) {
  HMENU bar = GetMenu(FrameWindow);
  SendMessageW(FrameWindow, WM_MENUSELECT, MAKEWPARAM(902, MF_HILITE), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(L"Tile windows as wide as possible", StatusText());

  SendMessageW(FrameWindow, WM_MENUSELECT, MAKEWPARAM(7, MF_POPUP | MF_HILITE), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(L"", StatusText());

  SendMessageW(FrameWindow, WM_MENUSELECT, MAKEWPARAM(500, MF_HILITE), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(L"Write current changes to disk (DANGEROUS!!!)", StatusText());
  SendMessageW(FrameWindow, WM_MENUSELECT, MAKEWPARAM(0, MF_SEPARATOR), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(L"", StatusText());

  SendMessageW(FrameWindow, WM_MENUSELECT, MAKEWPARAM(1000, MF_HILITE), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(L"Displays current version and author contact info", StatusText());
  SendMessageW(FrameWindow, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_EQ(L"", StatusText());
}

TEST_F(Frame, MenuSelectOfWindowListAndSystemMenuItems) {
  SendMessageW(FrameWindow, WM_MENUSELECT, MAKEWPARAM(40002, MF_HILITE), 0);
  EXPECT_EQ(L"Make window 3 the current active window", StatusText());
  SendMessageW(FrameWindow, WM_MENUSELECT, MAKEWPARAM(40009, MF_HILITE), 0);
  EXPECT_EQ(L"Make window 10 the current active window", StatusText());
  SendMessageW(FrameWindow, WM_MENUSELECT, MAKEWPARAM(40000, MF_HILITE), 0);
  EXPECT_EQ(L"Make window 1 the current active window", StatusText());

  // System commands have no help line: the status bar is emptied.
  SendMessageW(FrameWindow, WM_MENUSELECT, MAKEWPARAM(SC_CLOSE, MF_HILITE | MF_SYSMENU), 0);
  EXPECT_EQ(L"", StatusText());
}

}  // namespace
