// The volume view inside a minimal MDI frame.
#include "res/resource.h"
#include "shell/shell_globals.h"
#include "view/hex_dump.h"
#include "view/hex_entry_filter.h"
#include "view/volume_view.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const wchar_t ViewClassName[] = L"HexEdit{6F2A91C4-73D8-4E05-B1A6-C93E0D57F218}";
const DWORD ExpectedEditStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN;

LRESULT CALLBACK TestFrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefFrameProcW(frame, MdiClient, message, wParam, lParam);
}

HINSTANCE Instance() { return GetModuleHandleW(0); }

ATOM ViewClassAtom;

void RegisterClassesOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSEXW frameClass = {};
  frameClass.cbSize = sizeof frameClass;
  frameClass.lpfnWndProc = TestFrameProc;
  frameClass.hInstance = Instance();
  frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  frameClass.lpszClassName = L"ViewTestFrame";
  RegisterClassExW(&frameClass);
  ViewClassAtom = RegisterVolumeViewClass(Instance());
}

std::wstring MakeDump(unsigned seed) {
  std::vector<unsigned char> bytes(4096);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * seed + 3);
  std::vector<wchar_t> out(256 * HexDumpLineChars + 1);
  FormatHexDump(out.data(), bytes.data(), int(bytes.size()));
  return std::wstring(out.data());
}

// What the font dialog stand-ins were given and what they answer.
struct FontDialogScript {
  int calls;
  CHOOSEFONTW given;
  LOGFONTW initial; // *given.lpLogFont at the call
  LOGFONTW answer;
};
FontDialogScript Dialog;

BOOL WINAPI ChoosesFont(LPCHOOSEFONTW choose) {
  ++Dialog.calls;
  Dialog.given = *choose;
  Dialog.initial = *choose->lpLogFont;
  *choose->lpLogFont = Dialog.answer;
  return TRUE;
}

BOOL WINAPI CancelsDialog(LPCHOOSEFONTW choose) {
  ++Dialog.calls;
  Dialog.given = *choose;
  Dialog.initial = *choose->lpLogFont;
  choose->lpLogFont->lfHeight = 99; // a cancelled dialog's structure is not used
  return FALSE;
}

LOGFONTW FontAnswer(int height, int width, const wchar_t *face) {
  LOGFONTW font = {};
  font.lfHeight = height;
  font.lfWidth = width;
  font.lfWeight = FW_BOLD;
  font.lfItalic = TRUE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = NONANTIALIASED_QUALITY;
  font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  wcscpy(font.lfFaceName, face);
  return font;
}

LOGFONTW LogFontOf(HGDIOBJ font) {
  LOGFONTW logFont = {};
  EXPECT_EQ(int(sizeof logFont), GetObjectW(font, sizeof logFont, &logFont));
  return logFont;
}

int AverageWidthOf(HFONT font) {
  HDC dc = GetDC(0);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(0, dc);
  return metrics.tmAveCharWidth;
}

// Messages seen, before their procedure ran, by edit controls being created.
struct EditCreationStep {
  UINT message;
  bool filterInstalled;
};
std::vector<EditCreationStep> EditSteps;

LRESULT CALLBACK WatchEditMessages(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT *call = reinterpret_cast<const CWPSTRUCT *>(lParam);
  wchar_t className[16] = {};
  GetClassNameW(call->hwnd, className, 16);
  if (code == HC_ACTION && lstrcmpiW(className, L"Edit") == 0 &&
      (call->message == WM_SETFONT || call->message == WM_SHOWWINDOW)) {
    bool installed = GetWindowLongPtrW(call->hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(HexEntryFilter) &&
                     GetWindowLongPtrW(call->hwnd, GWLP_USERDATA) != 0;
    EditSteps.push_back({call->message, installed});
  }
  return CallNextHookEx(0, code, wParam, lParam);
}

LRESULT CALLBACK RefuseEditControls(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    wchar_t className[16] = {};
    GetClassNameW(reinterpret_cast<HWND>(wParam), className, 16);
    if (lstrcmpiW(className, L"Edit") == 0) return 1;
  }
  return CallNextHookEx(0, code, wParam, lParam);
}

class VolumeViewTest : public ::testing::Test {
protected:
  // One frame for the suite: top-level windows are slow to come and go under Wine.
  static void SetUpTestSuite() {
    RegisterClassesOnce();
    frame = CreateWindowExW(0, L"ViewTestFrame", L"frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0,
                            0, 1000, 740, 0, 0, Instance(), 0);
    CLIENTCREATESTRUCT client = {0, IDM_WINDOW_LIST_FIRST};
    MdiClient = CreateWindowExW(0, L"MDICLIENT", 0, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 980, 680,
                                frame, 0, Instance(), &client);
    FrameWindow = frame;
  }
  static void TearDownTestSuite() {
    DestroyWindow(frame);
    frame = MdiClient = FrameWindow = 0;
  }

  void SetUp() override {
    ASSERT_NE(0, ViewClassAtom);
    ASSERT_NE(HWND(0), frame);
    ASSERT_NE(HWND(0), MdiClient);
    PendingCaretEdit = 0;
    ViewChooseFont = ChoosesFont;
    Dialog = FontDialogScript();
    SetForegroundWindow(frame);
    SetFocus(frame);
  }
  void TearDown() override {
    while (HWND child = GetWindow(MdiClient, GW_CHILD)) {
      SendMessageW(MdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    }
    PendingCaretEdit = 0;
    ViewChooseFont = ChooseFontW;
    Pump();
  }

  void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, 0, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  HWND NewView(const wchar_t *title, const std::wstring &text) {
    HWND view = CreateVolumeView(MdiClient, title);
    EXPECT_NE(HWND(0), view);
    EXPECT_EQ(1, SendMessageW(view, WM_SETVIEWTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())));
    return view;
  }

  // A restored, active view with the focus in its control.
  HWND ActiveView(const wchar_t *title, const std::wstring &text) {
    HWND view = NewView(title, text);
    SendMessageW(MdiClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(view), 0);
    SendMessageW(MdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(view), 0);
    Pump();
    return view;
  }

  static HWND EditOf(HWND view) { return reinterpret_cast<HWND>(GetWindowLongPtrW(view, GWLP_USERDATA)); }

  static std::wstring TextOf(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> buffer(length + 1);
    GetWindowTextW(window, buffer.data(), length + 1);
    return std::wstring(buffer.data());
  }

  static HFONT FontOf(HWND edit) { return reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)); }

  HWND Active() { return reinterpret_cast<HWND>(SendMessageW(MdiClient, WM_MDIGETACTIVE, 0, 0)); }

  void Command(HWND view, UINT id) { SendMessageW(view, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

  static SIZE CaretSize(HWND *owner = nullptr) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    EXPECT_TRUE(GetGUIThreadInfo(GetCurrentThreadId(), &info));
    if (owner) *owner = info.hwndCaret;
    SIZE size = {info.rcCaret.right - info.rcCaret.left, info.rcCaret.bottom - info.rcCaret.top};
    return size;
  }

  static std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(0)) return L"<no clipboard>";
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data) {
      text = static_cast<const wchar_t *>(GlobalLock(data));
      GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
  }

  static void PutOnClipboard(const wchar_t *text) {
    ASSERT_TRUE(OpenClipboard(0));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wcslen(text) + 1) * sizeof(wchar_t));
    wcscpy(static_cast<wchar_t *>(GlobalLock(memory)), text);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
  }

  static HWND frame;
};

HWND VolumeViewTest::frame;

TEST_F(VolumeViewTest, ClassFieldsComeFromTheResources) {
  WNDCLASSEXW info = {};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetClassInfoExW(Instance(), ViewClassName, &info));
  EXPECT_EQ(UINT(CS_DBLCLKS), info.style);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(VolumeViewProc), info.lpfnWndProc);
  EXPECT_EQ(0, info.cbClsExtra);
  EXPECT_EQ(0, info.cbWndExtra);
  EXPECT_EQ(HCURSOR(0), info.hCursor);
  EXPECT_EQ(reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), info.hbrBackground);
  EXPECT_EQ(nullptr, info.lpszMenuName);
  EXPECT_NE(HICON(0), info.hIcon);
  EXPECT_NE(HICON(0), info.hIconSm);
  // The class exists now, so a second registration fails.
  EXPECT_EQ(0, RegisterVolumeViewClass(Instance()));
}

TEST_F(VolumeViewTest, CreatedMinimisedWithItsOwnTitleAndAFilteredControl) {
  EditSteps.clear();
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchEditMessages, 0, GetCurrentThreadId());
  wchar_t title[64];
  wcscpy(title, L"\\\\?\\Volume{1234} C: NTFS");
  HWND view = CreateVolumeView(MdiClient, title);
  UnhookWindowsHookEx(hook);
  ASSERT_NE(HWND(0), view);
  wcscpy(title, L"overwritten");
  EXPECT_EQ(std::wstring(L"\\\\?\\Volume{1234} C: NTFS"), TextOf(view));
  EXPECT_EQ(MdiClient, GetParent(view));
  wchar_t className[64] = {};
  GetClassNameW(view, className, 64);
  EXPECT_EQ(std::wstring(ViewClassName), className);

  EXPECT_TRUE(IsIconic(view));
  EXPECT_TRUE(IsWindowVisible(view));
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  ASSERT_TRUE(GetWindowPlacement(view, &placement));
  EXPECT_EQ(600, placement.rcNormalPosition.right - placement.rcNormalPosition.left);
  EXPECT_EQ(400, placement.rcNormalPosition.bottom - placement.rcNormalPosition.top);
  EXPECT_EQ(0, placement.rcNormalPosition.top);

  HWND edit = EditOf(view);
  ASSERT_NE(HWND(0), edit);
  EXPECT_EQ(view, GetParent(edit));
  EXPECT_EQ(0, GetDlgCtrlID(edit));
  GetClassNameW(edit, className, 64);
  EXPECT_EQ(0, lstrcmpiW(L"Edit", className));
  EXPECT_EQ(ExpectedEditStyle, DWORD(GetWindowLongW(edit, GWL_STYLE)));
  EXPECT_EQ(0, GetWindowLongW(edit, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE));
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(HexEntryFilter), GetWindowLongPtrW(edit, GWLP_WNDPROC));
  EXPECT_EQ(0, GetWindowTextLengthW(edit));

  // The previous procedure kept in the control is the standard edit procedure.
  HWND plain = CreateWindowExW(0, L"Edit", 0, WS_CHILD, 0, 0, 10, 10, frame, 0, Instance(), 0);
  EXPECT_EQ(GetWindowLongPtrW(plain, GWLP_WNDPROC), GetWindowLongPtrW(edit, GWLP_USERDATA));
  DestroyWindow(plain);

  EXPECT_EQ(GetStockObject(ANSI_FIXED_FONT), FontOf(edit));
  // The filter was in place before the font was set and before the control was shown.
  bool sawFont = false, sawShow = false;
  for (const EditCreationStep &step : EditSteps) {
    sawFont = sawFont || step.message == WM_SETFONT;
    sawShow = sawShow || step.message == WM_SHOWWINDOW;
    EXPECT_TRUE(step.filterInstalled) << "message " << step.message;
  }
  EXPECT_TRUE(sawFont);
  EXPECT_TRUE(sawShow);
}

TEST_F(VolumeViewTest, NoViewWithoutItsEditControl) {
  HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseEditControls, 0, GetCurrentThreadId());
  HWND view = CreateVolumeView(MdiClient, L"refused");
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(HWND(0), view);
  EXPECT_EQ(HWND(0), GetWindow(MdiClient, GW_CHILD));

  // Set-view-text reaching a view without a control changes nothing and answers 0.
  HWND bare = CreateWindowExW(0, L"Static", L"bare", WS_CHILD, 0, 0, 10, 10, frame, 0, Instance(), 0);
  EXPECT_EQ(0, VolumeViewProc(bare, WM_SETVIEWTEXT, 0, reinterpret_cast<LPARAM>(L"text")));
  EXPECT_EQ(std::wstring(L"bare"), TextOf(bare));
  OnViewCommand(bare, IDM_VIEW_FONT);
  EXPECT_EQ(0, Dialog.calls);
  DestroyWindow(bare);
}

TEST_F(VolumeViewTest, SetViewTextReplacesAllText) {
  std::wstring first = MakeDump(7), second = MakeDump(13);
  HWND view = NewView(L"v", first);
  HWND edit = EditOf(view);
  EXPECT_EQ(first, TextOf(edit));
  // Edit the text, then replace it: nothing of the edit survives.
  SendMessageW(edit, EM_SETSEL, 5, 5);
  SendMessageW(edit, WM_CHAR, L'F', 1);
  ASSERT_NE(first, TextOf(edit));
  EXPECT_EQ(1, SendMessageW(view, WM_SETVIEWTEXT, 0, reinterpret_cast<LPARAM>(second.c_str())));
  EXPECT_EQ(second, TextOf(edit));
  EXPECT_EQ(1, SendMessageW(view, WM_SETVIEWTEXT, 0, reinterpret_cast<LPARAM>(L"")));
  EXPECT_EQ(0, GetWindowTextLengthW(edit));
}

TEST_F(VolumeViewTest, ClosingMinimisesAndActivatesTheNextView) {
  std::wstring text = MakeDump(5);
  HWND first = ActiveView(L"first", text);
  HWND second = ActiveView(L"second", MakeDump(9));
  ASSERT_EQ(second, Active());
  EXPECT_EQ(0, SendMessageW(second, WM_CLOSE, 0, 0));
  Pump();
  ASSERT_TRUE(IsWindow(second));
  EXPECT_TRUE(IsIconic(second));
  EXPECT_EQ(first, Active());
  EXPECT_EQ(EditOf(first), GetFocus());

  // Closing again through the system command does the same; the text is kept.
  SendMessageW(first, WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
  ASSERT_TRUE(IsWindow(first));
  EXPECT_TRUE(IsIconic(first));
  EXPECT_EQ(second, Active());
  SendMessageW(MdiClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(first), 0);
  EXPECT_FALSE(IsIconic(first));
  EXPECT_EQ(text, TextOf(EditOf(first)));
}

TEST_F(VolumeViewTest, MinimumTrackWidth) {
  HWND view = ActiveView(L"v", MakeDump(3));
  MINMAXINFO info = {};
  info.ptMinTrackSize.y = 77;
  SendMessageW(view, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(585, info.ptMinTrackSize.x);

  // Sizing narrower stops at 585; the height is not limited by the view.
  MoveWindow(view, 0, 0, 300, 120, TRUE);
  RECT rect;
  GetWindowRect(view, &rect);
  EXPECT_EQ(585, rect.right - rect.left);
  EXPECT_EQ(120, rect.bottom - rect.top);
  // The control fills the client area.
  RECT client, editRect;
  GetClientRect(view, &client);
  GetWindowRect(EditOf(view), &editRect);
  EXPECT_EQ(client.right, editRect.right - editRect.left);
  EXPECT_EQ(client.bottom, editRect.bottom - editRect.top);
}

TEST_F(VolumeViewTest, FocusStaysInTheControlWithABlockCaret) {
  HWND first = ActiveView(L"first", MakeDump(3));
  HWND second = ActiveView(L"second", MakeDump(11));
  EXPECT_EQ(EditOf(second), GetFocus());
  SendMessageW(MdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first), 0);
  Pump();
  EXPECT_EQ(EditOf(first), GetFocus());
  SetFocus(second);
  EXPECT_EQ(EditOf(second), GetFocus());
  EXPECT_EQ(HWND(0), PendingCaretEdit);

  LOGFONTW stock = LogFontOf(GetStockObject(ANSI_FIXED_FONT));
  int width = stock.lfWidth ? abs(stock.lfWidth) : AverageWidthOf(HFONT(GetStockObject(ANSI_FIXED_FONT)));
  HWND owner = 0;
  SIZE caret = CaretSize(&owner);
  EXPECT_EQ(EditOf(second), owner);
  EXPECT_EQ(width, caret.cx);
  EXPECT_EQ(abs(stock.lfHeight), caret.cy);
  EXPECT_GT(caret.cx, 2); // a block, not the control's own thin caret
}

TEST_F(VolumeViewTest, CaretFollowsTheFontsLogicalSize) {
  HWND view = ActiveView(L"v", MakeDump(3));
  HWND edit = EditOf(view);
  ASSERT_EQ(edit, GetFocus());

  // Explicit logical width, negative height: absolute values.
  Dialog.answer = FontAnswer(-20, -11, L"Courier New");
  Command(view, IDM_VIEW_FONT);
  EXPECT_EQ(edit, PendingCaretEdit);
  SendMessageW(view, WM_NULL, 0, 0);
  EXPECT_EQ(HWND(0), PendingCaretEdit);
  SIZE caret = CaretSize();
  EXPECT_EQ(11, caret.cx);
  EXPECT_EQ(20, caret.cy);

  // No logical width: the average character width of the font.
  Dialog.answer = FontAnswer(26, 0, L"Courier New");
  Command(view, IDM_VIEW_FONT);
  SendMessageW(view, WM_NULL, 0, 0);
  caret = CaretSize();
  EXPECT_EQ(AverageWidthOf(FontOf(edit)), caret.cx);
  EXPECT_GT(caret.cx, 0);
  EXPECT_EQ(26, caret.cy);
}

TEST_F(VolumeViewTest, PendingCaretIsConsumedByAnyViewsMessage) {
  HWND first = ActiveView(L"first", MakeDump(3));
  HWND second = ActiveView(L"second", MakeDump(5));
  HWND edit = EditOf(second);
  ASSERT_EQ(edit, GetFocus());
  Dialog.answer = FontAnswer(-30, 13, L"Courier New");
  Command(second, IDM_VIEW_FONT);
  // A message for the other view builds the caret of the pending control.
  SendMessageW(first, WM_NULL, 0, 0);
  SIZE caret = CaretSize();
  EXPECT_EQ(13, caret.cx);
  EXPECT_EQ(30, caret.cy);

  // A pending control without the focus gets no caret, and the mark is cleared all the same.
  PendingCaretEdit = EditOf(first);
  CreateCaret(edit, 0, 1, 5);
  SendMessageW(second, WM_NULL, 0, 0);
  EXPECT_EQ(HWND(0), PendingCaretEdit);
  HWND owner = 0;
  caret = CaretSize(&owner);
  EXPECT_EQ(edit, owner);
  EXPECT_EQ(1, caret.cx);
  EXPECT_EQ(5, caret.cy);
}

TEST_F(VolumeViewTest, CaretFromTheSystemFontWhenTheControlHasNone) {
  HWND view = ActiveView(L"v", MakeDump(3));
  HWND edit = EditOf(view);
  SendMessageW(edit, WM_SETFONT, 0, FALSE);
  ASSERT_EQ(HFONT(0), FontOf(edit));
  LOGFONTW system = LogFontOf(GetStockObject(SYSTEM_FONT));
  int width = system.lfWidth ? abs(system.lfWidth) : AverageWidthOf(HFONT(GetStockObject(SYSTEM_FONT)));

  CreateCaret(edit, 0, 1, 1);
  PendingCaretEdit = edit;
  ApplyPendingCaret();
  SIZE caret = CaretSize();
  EXPECT_EQ(width, caret.cx);
  EXPECT_EQ(abs(system.lfHeight), caret.cy);
  EXPECT_GT(caret.cy, 1);

  // The font dialog opens on the system font too, not on an unset structure.
  ViewChooseFont = CancelsDialog;
  Command(view, IDM_VIEW_FONT);
  ASSERT_EQ(1, Dialog.calls);
  EXPECT_EQ(system.lfHeight, Dialog.initial.lfHeight);
  EXPECT_EQ(system.lfWidth, Dialog.initial.lfWidth);
  EXPECT_EQ(std::wstring(system.lfFaceName), Dialog.initial.lfFaceName);
  EXPECT_EQ(HFONT(0), FontOf(edit));
}

TEST_F(VolumeViewTest, FontChoiceMakesAnUprightSmoothFontForThatViewOnly) {
  HWND other = ActiveView(L"other", MakeDump(3));
  HWND view = ActiveView(L"view", MakeDump(5));
  HWND edit = EditOf(view);
  LOGFONTW stock = LogFontOf(GetStockObject(ANSI_FIXED_FONT));

  Dialog.answer = FontAnswer(-18, 0, L"Courier New");
  Command(view, IDM_VIEW_FONT);
  ASSERT_EQ(1, Dialog.calls);
  EXPECT_EQ(DWORD(sizeof(CHOOSEFONTW)), Dialog.given.lStructSize);
  EXPECT_EQ(edit, Dialog.given.hwndOwner);
  EXPECT_EQ(DWORD(CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_FIXEDPITCHONLY), Dialog.given.Flags);
  EXPECT_EQ(HDC(0), Dialog.given.hDC);
  EXPECT_EQ(0, Dialog.given.iPointSize);
  EXPECT_EQ(COLORREF(0), Dialog.given.rgbColors);
  EXPECT_EQ(nullptr, Dialog.given.lpfnHook);
  EXPECT_EQ(nullptr, Dialog.given.lpszStyle);
  EXPECT_EQ(0, Dialog.given.nSizeMin);
  EXPECT_EQ(0, Dialog.given.nSizeMax);
  // The dialog opened on the current font.
  EXPECT_EQ(stock.lfHeight, Dialog.initial.lfHeight);
  EXPECT_EQ(std::wstring(stock.lfFaceName), Dialog.initial.lfFaceName);

  HFONT chosen = FontOf(edit);
  ASSERT_NE(HFONT(0), chosen);
  ASSERT_NE(HFONT(GetStockObject(ANSI_FIXED_FONT)), chosen);
  LOGFONTW made = LogFontOf(chosen);
  EXPECT_EQ(FALSE, made.lfItalic);
  EXPECT_EQ(ANTIALIASED_QUALITY, made.lfQuality);
  EXPECT_EQ(-18, made.lfHeight);
  EXPECT_EQ(FW_BOLD, made.lfWeight);
  EXPECT_EQ(FIXED_PITCH | FF_MODERN, made.lfPitchAndFamily);
  EXPECT_EQ(std::wstring(L"Courier New"), made.lfFaceName);
  EXPECT_EQ(GetStockObject(ANSI_FIXED_FONT), FontOf(EditOf(other)));

  // A second choice replaces the first font, which is deleted.
  Dialog.answer = FontAnswer(-22, 0, L"Courier New");
  Command(view, IDM_VIEW_FONT);
  HFONT second = FontOf(edit);
  EXPECT_NE(chosen, second);
  EXPECT_EQ(-22, LogFontOf(second).lfHeight);
  EXPECT_EQ(DWORD(0), GetObjectType(chosen));
  EXPECT_EQ(-18, Dialog.initial.lfHeight); // opened on the font then in use

  // Cancelling keeps the font alive and still rebuilds the caret.
  ViewChooseFont = CancelsDialog;
  SendMessageW(view, WM_NULL, 0, 0);
  CreateCaret(edit, 0, 1, 1);
  Command(view, IDM_VIEW_FONT);
  EXPECT_EQ(second, FontOf(edit));
  EXPECT_EQ(DWORD(OBJ_FONT), GetObjectType(second));
  EXPECT_EQ(edit, PendingCaretEdit);
  SendMessageW(view, WM_NULL, 0, 0);
  SIZE caret = CaretSize();
  EXPECT_EQ(22, caret.cy);
  EXPECT_EQ(AverageWidthOf(second), caret.cx);
  EXPECT_EQ(GetStockObject(ANSI_FIXED_FONT), FontOf(EditOf(other)));
}

TEST_F(VolumeViewTest, EditCommands) {
  std::wstring dump = MakeDump(3);
  HWND view = ActiveView(L"v", dump);
  HWND edit = EditOf(view);

  Command(view, IDM_EDIT_SELECT_ALL);
  DWORD start = 1, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(0u, start);
  EXPECT_EQ(DWORD(dump.size()), end);
  PutOnClipboard(L"old");
  Command(view, IDM_EDIT_COPY);
  EXPECT_EQ(dump, ClipboardText());

  // Paste goes in unfiltered at the caret.
  PutOnClipboard(L"xyz \r\n");
  SendMessageW(edit, EM_SETSEL, 71, 71);
  Command(view, IDM_EDIT_PASTE);
  std::wstring pasted = dump;
  pasted.insert(71, L"xyz \r\n");
  EXPECT_EQ(pasted, TextOf(edit));
  Command(view, IDM_EDIT_UNDO);
  EXPECT_EQ(dump, TextOf(edit));

  // Undo takes back a typed digit.
  SendMessageW(edit, EM_SETSEL, 6, 6);
  SendMessageW(edit, WM_CHAR, L'c', 1);
  ASSERT_NE(dump, TextOf(edit));
  Command(view, IDM_EDIT_UNDO);
  EXPECT_EQ(dump, TextOf(edit));
}

TEST_F(VolumeViewTest, OtherCommandsLeaveTheViewUnchanged) {
  std::wstring dump = MakeDump(3);
  HWND view = ActiveView(L"v", dump);
  HWND edit = EditOf(view);
  SendMessageW(edit, EM_SETSEL, 80, 84);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"QQQQ")); // something to undo
  std::wstring text = TextOf(edit);
  SendMessageW(edit, EM_SETSEL, 90, 95);
  PutOnClipboard(L"clip");
  HFONT font = FontOf(edit);
  const UINT ids[] = {0,   IDM_FILE_OPEN, IDM_FILE_EXIT, IDM_EDIT_REDO, IDM_EDIT_FIND, IDM_EDIT_REPLACE,
                      IDM_EDIT_GOTO, 400, 405, 409, 500, 600, 605, 700, 706, 711, 800, 804, 900, 901, 904, 1000,
                      40000, 40001, 0xFFFF};
  for (UINT id : ids) {
    Command(view, id);
    EXPECT_EQ(text, TextOf(edit)) << "id " << id;
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(90u, start) << "id " << id;
    EXPECT_EQ(95u, end) << "id " << id;
    EXPECT_EQ(font, FontOf(edit)) << "id " << id;
    EXPECT_TRUE(IsWindow(view));
  }
  EXPECT_EQ(0, Dialog.calls);
  EXPECT_EQ(std::wstring(L"clip"), ClipboardText());
  // A notification code in the high word does not hide the id.
  SendMessageW(view, WM_COMMAND, MAKEWPARAM(IDM_EDIT_SELECT_ALL, 1), 0);
  DWORD start = 1, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(0u, start);
  EXPECT_EQ(DWORD(text.size()), end);
}

} // namespace
