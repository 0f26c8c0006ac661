#include <gtest/gtest.h>

#include "res/resource.h"
#include "shell/frame_window.h"
#include "shell/shell_globals.h"
#include "shell/size_bar.h"
#include "shell_test_support.h"

namespace {

class SizeBarTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(nullptr, CreateTestFrame()); }
  void TearDown() override {
    ReleaseCapture();
    DestroyTestFrame();
  }

  int Open() { return 5 * GetSystemMetrics(SM_CYHSCROLL); }
  void Press() { SendMessageW(SizeBar, WM_NCLBUTTONDOWN, HTBORDER, 0); }
  void Move(int y, WPARAM keys = MK_LBUTTON) { SendMessageW(SizeBar, WM_MOUSEMOVE, keys, MAKELPARAM(7, y)); }
  int LogPaneHeight() {
    RECT rc = RectInFrame(LogPane);
    return rc.bottom - rc.top;
  }
  bool Checked() {
    return (GetMenuState(GetMenu(FrameWindow), IDM_WINDOW_DEBUG, MF_BYCOMMAND) & MF_CHECKED) != 0;
  }
};

TEST_F(SizeBarTest, ReadsZeroWithoutABar) {
  HWND bar = SizeBar;
  SizeBar = NULL;
  EXPECT_EQ(0, GetDebugPaneHeight());
  SetDebugPaneHeight(85);  // goes nowhere
  SizeBar = bar;
  EXPECT_EQ(0, GetDebugPaneHeight());
}

TEST_F(SizeBarTest, ToggleOpensAndHidesWithTheCheckMark) {
  EXPECT_FALSE(Checked());
  SendMessageW(FrameWindow, WM_COMMAND, MAKEWPARAM(IDM_WINDOW_DEBUG, 0), 0);
  EXPECT_EQ(1, DebugViewFlag);
  EXPECT_TRUE(Checked());
  EXPECT_EQ(Open(), GetDebugPaneHeight());
  EXPECT_TRUE(Shown(SizeBar));
  EXPECT_TRUE(Shown(LogPane));
  EXPECT_EQ(Open() - 5, LogPaneHeight());

  SendMessageW(FrameWindow, WM_COMMAND, MAKEWPARAM(IDM_WINDOW_DEBUG, 0), 0);
  EXPECT_EQ(0, DebugViewFlag);
  EXPECT_FALSE(Checked());
  EXPECT_EQ(0, GetDebugPaneHeight());
  EXPECT_FALSE(Shown(SizeBar));
  EXPECT_FALSE(Shown(LogPane));
}

TEST_F(SizeBarTest, ToggleReopensAtTheStandardHeightAfterADrag) {
  ToggleDebugView(FrameWindow);
  Press();
  Move(-30);
  EXPECT_EQ(Open() + 30, GetDebugPaneHeight());
  ToggleDebugView(FrameWindow);
  ToggleDebugView(FrameWindow);
  EXPECT_EQ(Open(), GetDebugPaneHeight());
}

TEST_F(SizeBarTest, ToggleWithoutABarStillFlipsTheCheckMark) {
  HWND bar = SizeBar;
  SizeBar = NULL;
  ToggleDebugView(FrameWindow);
  EXPECT_TRUE(Checked());
  EXPECT_EQ(0, GetDebugPaneHeight());
  SizeBar = bar;
  EXPECT_EQ(0, GetDebugPaneHeight());
  EXPECT_FALSE(Shown(LogPane));
}

TEST_F(SizeBarTest, DragFollowsTheCursorWithinItsRange) {
  ToggleDebugView(FrameWindow);
  Press();
  EXPECT_EQ(SizeBar, GetCapture());
  Move(-20);  // up: taller
  EXPECT_EQ(Open() + 20, GetDebugPaneHeight());
  EXPECT_EQ(Open() + 15, LogPaneHeight());
  Move(0);  // no step
  EXPECT_EQ(Open() + 20, GetDebugPaneHeight());
  Move(10);  // down: lower
  EXPECT_EQ(Open() + 10, GetDebugPaneHeight());

  // To exactly 5 collapses; one more pixel is refused, and the bar stays.
  SetDebugPaneHeight(10);
  Move(5);
  EXPECT_EQ(5, GetDebugPaneHeight());
  EXPECT_FALSE(Shown(LogPane));
  Move(1);
  EXPECT_EQ(5, GetDebugPaneHeight());
  Move(-290);
  EXPECT_EQ(295, GetDebugPaneHeight());
  Move(-1);
  EXPECT_EQ(295, GetDebugPaneHeight());
  Move(100);  // back in range: follows again
  EXPECT_EQ(195, GetDebugPaneHeight());
  EXPECT_EQ(SizeBar, GetCapture());
}

TEST_F(SizeBarTest, MoveWithoutLeftButtonEndsTheDrag) {
  ToggleDebugView(FrameWindow);
  Press();
  SendMessageW(SizeBar, WM_LBUTTONUP, 0, MAKELPARAM(7, -10));
  EXPECT_EQ(SizeBar, GetCapture());  // kept through the release
  Move(-10, 0);
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_EQ(Open(), GetDebugPaneHeight());
}

TEST_F(SizeBarTest, DoubleClickCollapsesAndReopensWithAnyButton) {
  ToggleDebugView(FrameWindow);
  Press();
  Move(-40);
  // The bar is all border: a double-click without the capture arrives as a non-client one.
  for (UINT message : {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK, WM_NCLBUTTONDBLCLK, WM_NCRBUTTONDBLCLK,
                       WM_NCMBUTTONDBLCLK}) {
    SendMessageW(SizeBar, message, 0, 0);
    EXPECT_EQ(5, GetDebugPaneHeight()) << message;
    EXPECT_TRUE(Shown(SizeBar));
    EXPECT_FALSE(Shown(LogPane));
    EXPECT_EQ(nullptr, GetCapture());
    Press();
    SendMessageW(SizeBar, message, 0, 0);
    EXPECT_EQ(Open(), GetDebugPaneHeight()) << message;
    EXPECT_TRUE(Shown(LogPane));
    EXPECT_EQ(nullptr, GetCapture());
  }
  EXPECT_TRUE(Checked());
}

TEST_F(SizeBarTest, CursorIsTheNorthSouthArrowForEveryMessage) {
  HCURSOR sizeNs = LoadCursorW(NULL, IDC_SIZENS);
  for (UINT message : {(UINT)WM_NULL, (UINT)WM_MOUSEMOVE, (UINT)WM_LBUTTONUP, (UINT)WM_NCMOUSEMOVE}) {
    SetCursor(LoadCursorW(NULL, IDC_ARROW));
    SendMessageW(SizeBar, message, MK_LBUTTON, 0);
    EXPECT_EQ(sizeNs, GetCursor()) << message;
  }
}

}  // namespace
