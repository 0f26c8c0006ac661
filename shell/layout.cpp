#include "shell/layout.h"

static int ClampToInt(long long value) {
  const long long top = 0x7FFFFFFFLL;
  const long long bottom = -top - 1;
  if (value > top) return (int)top;
  if (value < bottom) return (int)bottom;
  return (int)value;
}

static LayoutBox Box(int x, int y, int width, int height) {
  LayoutBox box = {x, y, width, height};
  return box;
}

void ComputeFrameLayout(const FrameLayoutInput *in, FrameLayout *out) {
  long long h = in->height;
  long long d = in->paneHeight;

  if (in->hasStatusBar) {
    h -= in->statusHeight;
    if (h < 0) h = 0;
  }
  out->statusBar = Box(0, ClampToInt(h), in->width, in->statusHeight);

  out->sizeBarShown = d >= SizeBarThickness;
  out->sizeBar = Box(0, ClampToInt(h - d), in->width,
                     out->sizeBarShown ? (int)SizeBarThickness : ClampToInt(d));

  long long paneHeight = d - SizeBarThickness;
  out->logPaneShown = in->hasLogPane && paneHeight > 0;
  out->logPane = out->logPaneShown
                     ? Box(0, ClampToInt(h - d + SizeBarThickness), in->width, ClampToInt(paneHeight))
                     : Box(0, 0, 0, 0);
  if (in->hasLogPane) h -= d;

  out->mdiClient = Box(0, 0, in->width, ClampToInt(h));
}

int SizeParamWidth(unsigned long sizeParam) {
  return (short)(unsigned short)(sizeParam & 0xFFFF);
}

int SizeParamHeight(unsigned long sizeParam) {
  return (short)(unsigned short)((sizeParam >> 16) & 0xFFFF);
}

SizeBarDrag DecideSizeBarDrag(int paneHeight, int y, int leftButtonDown) {
  SizeBarDrag step = {DragIgnore, paneHeight};
  if (!leftButtonDown) {
    step.action = DragEnd;
    return step;
  }
  if (y == 0) return step;
  long long n = (long long)paneHeight - y;
  if (n >= DebugPaneDragMin && n <= DebugPaneDragMax) {
    step.action = DragResize;
    step.paneHeight = (int)n;
  }
  return step;
}

int DoubleClickPaneHeight(int paneHeight, int scrollBarHeight) {
  if (paneHeight > SizeBarThickness) return SizeBarThickness;
  return OpenPaneHeight(scrollBarHeight);
}

int OpenPaneHeight(int scrollBarHeight) {
  return ClampToInt((long long)DebugPaneOpenRows * scrollBarHeight);
}
