// Layout arithmetic of the frame's client area and the splitter bar's decisions.
// No window-system calls: the frame applies the results.
#ifndef TARNWICK_SHELL_LAYOUT_H
#define TARNWICK_SHELL_LAYOUT_H

enum {
  SizeBarThickness = 5,     // height of the splitter bar when shown
  DebugPaneDragMin = 5,     // a drag accepts pane heights from here ...
  DebugPaneDragMax = 295,   // ... up to here, inclusive
  DebugPaneOpenRows = 5,    // an opened pane is this many scroll-bar heights tall
  FrameMinTrackWidth = 620, // whole frame window, pixels
  FrameMinTrackHeight = 410,
};

struct LayoutBox {
  int x, y, width, height;
};

// What the frame knows before laying out: its client size, which children exist,
// the status bar's own height and DebugPaneHeight.
struct FrameLayoutInput {
  int width;
  int height;
  int hasStatusBar;
  int statusHeight;
  int paneHeight;
  int hasLogPane;
};

// Places from the bottom up: status bar, splitter bar, log pane, MDI client.
struct FrameLayout {
  LayoutBox statusBar;
  LayoutBox sizeBar;
  int sizeBarShown;   // the bar is moved with repaint and shown, else moved silently and hidden
  LayoutBox logPane;
  int logPaneShown;   // the pane is shown then moved, else only hidden
  LayoutBox mdiClient;
};

void ComputeFrameLayout(const FrameLayoutInput *in, FrameLayout *out);

// Signed 16-bit halves of a size message's parameter.
int SizeParamWidth(unsigned long sizeParam);
int SizeParamHeight(unsigned long sizeParam);

enum SizeBarDragAction {
  DragEnd,    // left button up: give the capture back
  DragIgnore, // no step, or a height out of the drag range
  DragResize, // take the new height
};

struct SizeBarDrag {
  int action;
  int paneHeight;
};

// One mouse move over the captured bar: y relative to the bar's client origin.
SizeBarDrag DecideSizeBarDrag(int paneHeight, int y, int leftButtonDown);

// Pane height after a double-click: collapse an open pane to the bar, open anything else.
int DoubleClickPaneHeight(int paneHeight, int scrollBarHeight);

// Pane height standing for an opened pane, from the scroll-bar height.
int OpenPaneHeight(int scrollBarHeight);

#endif
