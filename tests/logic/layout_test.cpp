#include "shell/layout.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

FrameLayout Lay(int width, int height, int pane, int statusHeight = 20, bool status = true,
                bool logPane = true) {
  FrameLayoutInput in = {width, height, status ? 1 : 0, statusHeight, pane, logPane ? 1 : 0};
  FrameLayout out;
  ComputeFrameLayout(&in, &out);
  return out;
}

void ExpectBox(const LayoutBox &box, int x, int y, int w, int h) {
  EXPECT_EQ(x, box.x);
  EXPECT_EQ(y, box.y);
  EXPECT_EQ(w, box.width);
  EXPECT_EQ(h, box.height);
}

TEST(FrameLayout, HiddenPaneLeavesEverythingAboveStatusBarToMdiClient) {
  FrameLayout l = Lay(600, 400, 0);
  ExpectBox(l.statusBar, 0, 380, 600, 20);
  EXPECT_FALSE(l.sizeBarShown);
  ExpectBox(l.sizeBar, 0, 380, 600, 0);
  EXPECT_FALSE(l.logPaneShown);
  ExpectBox(l.mdiClient, 0, 0, 600, 380);
}

TEST(FrameLayout, CollapsedPaneShowsOnlyTheBar) {
  FrameLayout l = Lay(600, 400, 5);
  EXPECT_TRUE(l.sizeBarShown);
  ExpectBox(l.sizeBar, 0, 375, 600, 5);
  EXPECT_FALSE(l.logPaneShown);
  ExpectBox(l.mdiClient, 0, 0, 600, 375);
}

TEST(FrameLayout, OnePixelPaneBelowTheBar) {
  FrameLayout l = Lay(600, 400, 6);
  EXPECT_TRUE(l.sizeBarShown);
  ExpectBox(l.sizeBar, 0, 374, 600, 5);
  EXPECT_TRUE(l.logPaneShown);
  ExpectBox(l.logPane, 0, 379, 600, 1);
  ExpectBox(l.mdiClient, 0, 0, 600, 374);
}

TEST(FrameLayout, TallPanesStackBarPaneAndStatusBar) {
  for (int pane : {85, 295, 296}) {
    FrameLayout l = Lay(700, 500, pane, 22);
    const int above = 500 - 22;
    ExpectBox(l.sizeBar, 0, above - pane, 700, 5);
    ExpectBox(l.logPane, 0, above - pane + 5, 700, pane - 5);
    EXPECT_EQ(above, l.logPane.y + l.logPane.height);
    ExpectBox(l.mdiClient, 0, 0, 700, above - pane);
  }
}

TEST(FrameLayout, PaneTallerThanClientAreaGoesAboveTheTop) {
  FrameLayout l = Lay(300, 100, 200, 20);
  ExpectBox(l.sizeBar, 0, -120, 300, 5);
  ExpectBox(l.logPane, 0, -115, 300, 195);
  ExpectBox(l.mdiClient, 0, 0, 300, -120);
}

TEST(FrameLayout, MinimisedFrameLaysOutAtZero) {
  FrameLayout l = Lay(0, 0, 85, 20);
  ExpectBox(l.statusBar, 0, 0, 0, 20);
  ExpectBox(l.sizeBar, 0, -85, 0, 5);
  ExpectBox(l.mdiClient, 0, 0, 0, -85);
}

TEST(FrameLayout, NegativeSizesClampTheStatusBarToTheTop) {
  FrameLayout l = Lay(-5, -30, 0, 20);
  ExpectBox(l.statusBar, 0, 0, -5, 20);
  ExpectBox(l.mdiClient, 0, 0, -5, 0);
}

TEST(FrameLayout, WithoutStatusBarTheHeightIsNotClamped) {
  FrameLayout l = Lay(100, -30, 0, 0, false);
  ExpectBox(l.mdiClient, 0, 0, 100, -30);
  l = Lay(100, 300, 5, 0, false);
  ExpectBox(l.sizeBar, 0, 295, 100, 5);
  ExpectBox(l.mdiClient, 0, 0, 100, 295);
}

TEST(FrameLayout, WithoutLogPaneTheMdiClientKeepsTheBarsHeight) {
  FrameLayout l = Lay(600, 400, 85, 20, true, false);
  EXPECT_TRUE(l.sizeBarShown);
  ExpectBox(l.sizeBar, 0, 295, 600, 5);
  EXPECT_FALSE(l.logPaneShown);
  ExpectBox(l.mdiClient, 0, 0, 600, 380);
}

TEST(FrameLayout, BarBelowFiveIsHiddenWithItsOwnHeight) {
  FrameLayout l = Lay(600, 400, 4);
  EXPECT_FALSE(l.sizeBarShown);
  ExpectBox(l.sizeBar, 0, 376, 600, 4);
  EXPECT_FALSE(l.logPaneShown);
  ExpectBox(l.mdiClient, 0, 0, 600, 376);
}

TEST(FrameLayout, ExtremePaneHeightsDoNotOverflow) {
  FrameLayout l = Lay(600, 400, INT_MAX);
  EXPECT_EQ(380 - INT_MAX, l.sizeBar.y);
  EXPECT_EQ(380 - INT_MAX, l.mdiClient.height);
  EXPECT_EQ(385 - INT_MAX, l.logPane.y);
  l = Lay(600, 400, INT_MIN);
  EXPECT_FALSE(l.sizeBarShown);
  EXPECT_EQ(INT_MAX, l.sizeBar.y);
  EXPECT_EQ(INT_MAX, l.mdiClient.height);
}

TEST(SizeParam, HalvesAreSignedSixteenBit) {
  EXPECT_EQ(640, SizeParamWidth(0x01E00280ul));
  EXPECT_EQ(480, SizeParamHeight(0x01E00280ul));
  EXPECT_EQ(-1, SizeParamWidth(0x0000FFFFul));
  EXPECT_EQ(-32768, SizeParamHeight(0x80000000ul));
  EXPECT_EQ(32767, SizeParamWidth(0x00007FFFul));
  EXPECT_EQ(0, SizeParamHeight(0x0000FFFFul));
}

TEST(SizeBarDrag, StepsInsideTheRangeAreTaken) {
  SizeBarDrag s = DecideSizeBarDrag(85, -10, 1);
  EXPECT_EQ(DragResize, s.action);
  EXPECT_EQ(95, s.paneHeight);
  s = DecideSizeBarDrag(85, 80, 1);
  EXPECT_EQ(DragResize, s.action);
  EXPECT_EQ(5, s.paneHeight);
  s = DecideSizeBarDrag(85, -210, 1);
  EXPECT_EQ(DragResize, s.action);
  EXPECT_EQ(295, s.paneHeight);
}

TEST(SizeBarDrag, StepsOutsideTheRangeAreRefusedNotClamped) {
  for (int y : {81, 1000, -211, -32768}) {
    SizeBarDrag s = DecideSizeBarDrag(85, y, 1);
    EXPECT_EQ(DragIgnore, s.action) << y;
    EXPECT_EQ(85, s.paneHeight) << y;
  }
}

TEST(SizeBarDrag, ZeroStepChangesNothing) {
  SizeBarDrag s = DecideSizeBarDrag(85, 0, 1);
  EXPECT_EQ(DragIgnore, s.action);
  EXPECT_EQ(85, s.paneHeight);
}

TEST(SizeBarDrag, ReleasedButtonEndsTheDrag) {
  EXPECT_EQ(DragEnd, DecideSizeBarDrag(85, -10, 0).action);
  EXPECT_EQ(DragEnd, DecideSizeBarDrag(85, 0, 0).action);
}

TEST(SizeBarDrag, TallOpenPaneAcceptsOnlyStepsBackIntoRange) {
  // 5 x 70 = 350: taller than a drag can make it.
  EXPECT_EQ(DragIgnore, DecideSizeBarDrag(350, 10, 1).action);
  SizeBarDrag s = DecideSizeBarDrag(350, 55, 1);
  EXPECT_EQ(DragResize, s.action);
  EXPECT_EQ(295, s.paneHeight);
}

TEST(SizeBarDrag, ExtremeValuesDoNotOverflow) {
  EXPECT_EQ(DragIgnore, DecideSizeBarDrag(INT_MIN, 32767, 1).action);
  EXPECT_EQ(DragIgnore, DecideSizeBarDrag(INT_MAX, -32768, 1).action);
}

TEST(SizeBarDoubleClick, CollapsesOpenPaneAndOpensEverythingElse) {
  EXPECT_EQ(5, DoubleClickPaneHeight(6, 17));
  EXPECT_EQ(5, DoubleClickPaneHeight(295, 17));
  EXPECT_EQ(85, DoubleClickPaneHeight(5, 17));
  EXPECT_EQ(85, DoubleClickPaneHeight(0, 17));
  EXPECT_EQ(100, DoubleClickPaneHeight(5, 20));
  EXPECT_EQ(5, DoubleClickPaneHeight(100, 20));
}

TEST(SizeBarDoubleClick, OpenHeightIsFiveScrollBars) {
  EXPECT_EQ(85, OpenPaneHeight(17));
  EXPECT_EQ(350, OpenPaneHeight(70));
  EXPECT_EQ(INT_MAX, OpenPaneHeight(INT_MAX));
}

}  // namespace
