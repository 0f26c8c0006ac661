// The overwrite-only hex entry on a real edit control holding real dump text.
#include "view/hex_dump.h"
#include "view/hex_entry_filter.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Seen {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  HWND pendingCaret; // PendingCaretEdit when the message arrived
};

std::vector<Seen> Received;  // what the procedure underneath the filter was given
WNDPROC StandardEditProc;    // the edit class procedure

// Stands between the filter and the standard procedure and records what passes.
LRESULT CALLBACK RecordingProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_KEYDOWN:
  case WM_KEYUP:
  case WM_CHAR:
  case WM_SYSKEYDOWN:
  case WM_SYSKEYUP:
  case WM_SYSCHAR:
  case WM_SETFOCUS:
  case WM_LBUTTONDOWN:
    Received.push_back({message, wParam, lParam, PendingCaretEdit});
    break;
  default:
    break;
  }
  return CallWindowProcW(StandardEditProc, edit, message, wParam, lParam);
}

// Printable column of line 1: hex-digit characters with and without a space one or two on.
const char LineOneBytes[] = "ab 9 .x  F1c e f";

std::wstring MakeDump(int count) {
  std::vector<unsigned char> bytes(count);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 37 + 11);
  for (int i = 0; i < 16; ++i) bytes[16 + i] = static_cast<unsigned char>(LineOneBytes[i]);
  std::vector<wchar_t> out(count / 16 * HexDumpLineChars + 1);
  FormatHexDump(out.data(), bytes.data(), int(bytes.size()));
  return std::wstring(out.data());
}

class HexEntryFilterTest : public ::testing::Test {
protected:
  // One host and control for the whole suite: top-level windows are slow to come and go.
  static void SetUpTestSuite() {
    host = CreateWindowExW(0, L"Static", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700, 500, 0, 0,
                           GetModuleHandleW(0), 0);
    edit = CreateWindowExW(0, L"Edit", 0,
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                               ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN,
                           0, 0, 680, 460, host, 0, GetModuleHandleW(0), 0);
    if (edit == 0) return;
    StandardEditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc)));
    LONG_PTR previous = SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HexEntryFilter));
    SetWindowLongPtrW(edit, GWLP_USERDATA, previous);
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  }
  static void TearDownTestSuite() {
    DestroyWindow(host);
    host = edit = 0;
  }

  void SetUp() override {
    ASSERT_NE(HWND(0), host);
    ASSERT_NE(HWND(0), edit);
    dump = MakeDump(4096);
    Reset();
    Select(0, 0);
    Pump();
    Received.clear();
    Retrieved.clear();
    PendingCaretEdit = 0;
  }
  void TearDown() override {
    BYTE keys[256] = {};
    SetKeyboardState(keys);
    PendingCaretEdit = 0;
  }

  void Reset() { SetWindowTextW(edit, dump.c_str()); }

  std::wstring Text() {
    int length = GetWindowTextLengthW(edit);
    std::vector<wchar_t> buffer(length + 1);
    GetWindowTextW(edit, buffer.data(), length + 1);
    return std::wstring(buffer.data());
  }

  void Select(int start, int end) { SendMessageW(edit, EM_SETSEL, start, end); }

  std::pair<DWORD, DWORD> Selection() {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }

  void TypeChar(wchar_t c) { SendMessageW(edit, WM_CHAR, c, 1); }

  // Every message taken off the queue is translated and dispatched, as the main loop does.
  void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, 0, 0, 0, PM_REMOVE)) {
      Retrieved.push_back(msg);
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  static LPARAM KeyData(UINT vk, bool up) {
    LPARAM data = 1 | (LPARAM(MapVirtualKeyW(vk, 0) & 0xFF) << 16);
    if (up) data |= LPARAM(0xC0000000u);
    return data;
  }

  void PressKey(UINT vk) {
    PostMessageW(edit, WM_KEYDOWN, vk, KeyData(vk, false));
    PostMessageW(edit, WM_KEYUP, vk, KeyData(vk, true));
    Pump();
  }

  int CharsRetrieved() {
    int count = 0;
    for (const MSG &m : Retrieved) count += m.message == WM_CHAR;
    return count;
  }

  static HWND host;
  static HWND edit;
  std::wstring dump;
  std::vector<MSG> Retrieved;
};

HWND HexEntryFilterTest::host;
HWND HexEntryFilterTest::edit;

const int Line = HexDumpLineChars;

TEST_F(HexEntryFilterTest, EveryColumnOfADumpLine) {
  // Expected per column of line 1: 'E' editable, '-' dropped.
  std::string expected(Line, '-');
  expected[2] = expected[3] = 'E';
  for (int byte = 0; byte < 16; ++byte) expected[5 + 3 * byte] = expected[6 + 3 * byte] = 'E';
  for (int column : {53, 54, 56, 63, 64, 66}) expected[column] = 'E';

  // Three lines keep the edit control quick; the whole dump is checked below.
  dump = MakeDump(48);
  ASSERT_EQ(std::wstring(L"0010"), dump.substr(Line, 4));
  ASSERT_EQ(L'\r', dump[Line + 69]);
  ASSERT_EQ(L'\n', dump[Line + 70]);
  std::string actual;
  for (int column = 0; column < Line; ++column) {
    int position = Line + column;
    // Alternate case and digit so that the exact character typed shows in the text.
    wchar_t typed = L"A7b0Fc"[column % 6];
    if (dump[position] == typed) typed = L'5';
    Reset();
    Select(position, position);
    TypeChar(typed);
    std::wstring after = Text();
    ASSERT_EQ(dump.size(), after.size()) << "column " << column;
    if (after == dump) {
      actual += '-';
      continue;
    }
    actual += 'E';
    std::wstring want = dump;
    want[position] = typed;
    EXPECT_EQ(want, after) << "column " << column;
    EXPECT_EQ(std::make_pair(DWORD(position + 1), DWORD(position + 1)), Selection()) << "column " << column;
  }
  EXPECT_EQ(expected, actual);

  // The first two offset digits of every line and the end of the text take nothing.
  dump = MakeDump(4096);
  for (int position : {0, 1, 255 * Line, 255 * Line + 1, int(dump.size()) - 1, int(dump.size())}) {
    Reset();
    Select(position, position);
    TypeChar(L'7');
    EXPECT_EQ(dump, Text()) << "position " << position;
  }
  // The last offset of the dump is "0ff0": its third and fourth digits are editable.
  Reset();
  Select(255 * Line + 3, 255 * Line + 3);
  TypeChar(L'e');
  EXPECT_EQ(std::wstring(L"0ffe"), Text().substr(255 * Line, 4));
}

TEST_F(HexEntryFilterTest, BytePairTypedDigitByDigit) {
  const int first = Line + 5 + 3 * 4; // first digit of byte 4 on line 1
  Select(first, first);
  TypeChar(L'A');
  EXPECT_EQ(L'A', Text()[first]);
  EXPECT_EQ(DWORD(first + 1), Selection().first); // on the second digit
  TypeChar(L'0');
  EXPECT_EQ(std::wstring(L" A0 "), Text().substr(first - 1, 4));
  EXPECT_EQ(DWORD(first + 2), Selection().first); // on the separator
  TypeChar(L'1');
  TypeChar(L'f');
  EXPECT_EQ(std::wstring(L" A0 "), Text().substr(first - 1, 4));
  EXPECT_EQ(dump.size(), Text().size());
}

TEST_F(HexEntryFilterTest, MultiCharacterSelectionReplacesOnlyItsFirstCharacter) {
  const int first = Line + 5; // first digit of byte 0 on line 1
  Select(first, first + 7);
  TypeChar(L'7');
  std::wstring want = dump;
  want[first] = L'7';
  EXPECT_EQ(want, Text());

  // A selection that starts on a separator is left alone, selected text included.
  Reset();
  Select(first - 1, first + 20);
  TypeChar(L'7');
  EXPECT_EQ(dump, Text());
  EXPECT_EQ(std::make_pair(DWORD(first - 1), DWORD(first + 20)), Selection());

  // A selection made backwards starts at its lower end.
  Reset();
  Select(first + 9, first + 3);
  TypeChar(L'c');
  want = dump;
  want[first + 3] = L'c';
  EXPECT_EQ(want, Text());
}

TEST_F(HexEntryFilterTest, NonHexCharactersAreDroppedEverywhere) {
  const int editable = Line + 6;
  const wchar_t rejected[] = {L'g', L'G', L'x', L'-', L'.', L' ', L'\r', L'\n', L'\t', L'\b', 0x1B,
                              0x7F, 0xFF10 /* full-width 0 */, 0xE9, 0};
  for (wchar_t c : rejected) {
    Select(editable, editable);
    TypeChar(c);
    EXPECT_EQ(dump, Text()) << "char " << unsigned(c);
    Select(editable, editable + 10);
    TypeChar(c);
    EXPECT_EQ(dump, Text()) << "char " << unsigned(c) << " over a selection";
  }
  for (const Seen &seen : Received) EXPECT_NE(UINT(WM_CHAR), seen.message);
}

TEST_F(HexEntryFilterTest, TextLongerThanTheReadBuffer) {
  // 70,000 characters: "a " pairs, so every even position is a digit with a space after it.
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  std::wstring longText;
  for (int i = 0; i < 35000; ++i) longText += L"a ";
  SetWindowTextW(edit, longText.c_str());
  ASSERT_EQ(70000, GetWindowTextLengthW(edit));

  for (int position : {65534, 65536, 69998, 70000}) {
    Select(position, position);
    TypeChar(L'7');
    EXPECT_EQ(longText, Text()) << "position " << position;
  }
  // Inside the part that is read the rule applies as usual.
  Select(65532, 65532);
  TypeChar(L'7');
  std::wstring want = longText;
  want[65532] = L'7';
  EXPECT_EQ(want, Text());
  Select(100, 100);
  TypeChar(L'B');
  want[100] = L'B';
  EXPECT_EQ(want, Text());
}

TEST_F(HexEntryFilterTest, ShortTextsWithoutTrailingSpace) {
  // A longer text read first leaves spaces behind the end of the next, shorter one.
  SetWindowTextW(edit, L"0 0 0 0 0 0 ");
  Select(0, 0);
  TypeChar(L'1');
  ASSERT_EQ(std::wstring(L"1 0 0 0 0 0 "), Text());
  SetWindowTextW(edit, L"ab");
  for (int position = 0; position <= 2; ++position) {
    Select(position, position);
    TypeChar(L'1');
    EXPECT_EQ(std::wstring(L"ab"), Text());
  }
  SetWindowTextW(edit, L"a ");
  Select(0, 0);
  TypeChar(L'1');
  EXPECT_EQ(std::wstring(L"1 "), Text());
  SetWindowTextW(edit, L"");
  TypeChar(L'1');
  EXPECT_EQ(std::wstring(), Text());
}

TEST_F(HexEntryFilterTest, RemappedKeysMoveTheCaretAndTheirCharactersAreDropped) {
  const int start = Line + 10;
  struct Row {
    UINT vk;
    int caret; // where the caret ends up
  } rows[] = {
      {VK_ESCAPE, Line},       {VK_RETURN, start + Line}, {'J', start + Line}, {'K', start - Line},
      {'H', start - 1},        {VK_BACK, start - 1},      {'W', start + 1},    {'L', start + 1},
      {VK_TAB, start + 1},     {VK_SPACE, start + 1},
  };
  for (const Row &row : rows) {
    Select(start, start);
    Retrieved.clear();
    Received.clear();
    PressKey(row.vk);
    EXPECT_EQ(dump, Text()) << "key " << row.vk;
    EXPECT_EQ(std::make_pair(DWORD(row.caret), DWORD(row.caret)), Selection()) << "key " << row.vk;
    // TranslateMessage made a character from the key as pressed; it never got through.
    EXPECT_EQ(1, CharsRetrieved()) << "key " << row.vk;
    int keyMessages = 0;
    for (const Seen &seen : Received) {
      ASSERT_NE(UINT(WM_CHAR), seen.message) << "key " << row.vk;
      if (seen.message != WM_KEYDOWN && seen.message != WM_KEYUP) continue;
      ++keyMessages;
      EXPECT_NE(row.vk, UINT(seen.wParam));
      EXPECT_TRUE(seen.lParam & 0x01000000) << "extended flag, key " << row.vk;
      EXPECT_EQ(MapVirtualKeyW(UINT(seen.wParam), 0) & 0xFF, UINT(seen.lParam >> 16) & 0xFF);
    }
    EXPECT_EQ(2, keyMessages) << "key " << row.vk;
  }
}

TEST_F(HexEntryFilterTest, KeyMessagesAsTheStandardProcedureReceivesThem) {
  // Key-up of H: VK_LEFT, its scan code, extended flag; other bits as posted.
  LPARAM up = 0xC0000001 | (LPARAM(0x23) << 16);
  PostMessageW(edit, WM_KEYUP, 'H', up);
  // Keys outside the table keep their code and extended flag; the scan code is rewritten.
  PostMessageW(edit, WM_KEYDOWN, VK_F5, 0x007F0003);
  PostMessageW(edit, WM_KEYDOWN, VK_RIGHT, 0x017F0001);
  PostMessageW(edit, WM_KEYUP, VK_RIGHT, 0xC07F0001);
  Pump();
  ASSERT_EQ(4u, Received.size());
  EXPECT_EQ(UINT(WM_KEYUP), Received[0].message);
  EXPECT_EQ(WPARAM(VK_LEFT), Received[0].wParam);
  EXPECT_EQ(DWORD(0xC1000001u | ((MapVirtualKeyW(VK_LEFT, 0) & 0xFF) << 16)), DWORD(Received[0].lParam));

  EXPECT_EQ(WPARAM(VK_F5), Received[1].wParam);
  EXPECT_EQ(DWORD(0x00000003u | ((MapVirtualKeyW(VK_F5, 0) & 0xFF) << 16)), DWORD(Received[1].lParam));
  EXPECT_EQ(WPARAM(VK_RIGHT), Received[2].wParam);
  EXPECT_EQ(DWORD(0x01000001u | ((MapVirtualKeyW(VK_RIGHT, 0) & 0xFF) << 16)), DWORD(Received[2].lParam));
  EXPECT_EQ(WPARAM(VK_RIGHT), Received[3].wParam);
  EXPECT_EQ(DWORD(0xC0000001u | ((MapVirtualKeyW(VK_RIGHT, 0) & 0xFF) << 16)), DWORD(Received[3].lParam));
}

TEST_F(HexEntryFilterTest, DeleteKeyIsNotFiltered) {
  const int position = Line + 4; // a separator space
  Select(position, position);
  PressKey(VK_DELETE);
  std::wstring want = dump;
  want.erase(position, 1);
  EXPECT_EQ(want, Text());
  ASSERT_FALSE(Received.empty());
  EXPECT_EQ(WPARAM(VK_DELETE), Received[0].wParam);
  EXPECT_FALSE(Received[0].lParam & 0x01000000);
}

TEST_F(HexEntryFilterTest, TypedKeysKeepTheirCase) {
  const int first = Line + 5;
  Select(first, first);
  PressKey('A'); // no Shift: the character is 'a'
  PressKey('7');
  EXPECT_EQ(std::wstring(L" a7 "), Text().substr(first - 1, 4));

  BYTE keys[256] = {};
  keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
  SetKeyboardState(keys);
  Select(first + 3, first + 3);
  PressKey('C');
  EXPECT_EQ(L'C', Text()[first + 3]);
  // Shift+L is Shift+Right: the selection grows by one; the 'L' typed is dropped.
  Select(first + 6, first + 6);
  PressKey('L');
  EXPECT_EQ(std::make_pair(DWORD(first + 6), DWORD(first + 7)), Selection());
  std::wstring want = dump;
  want[first] = L'a';
  want[first + 1] = L'7';
  want[first + 3] = L'C';
  EXPECT_EQ(want, Text());
}

TEST_F(HexEntryFilterTest, FocusMarksTheControlBeforePassingOn) {
  SetFocus(host);
  Received.clear();
  PendingCaretEdit = 0;
  SetFocus(edit);
  ASSERT_EQ(edit, GetFocus());
  EXPECT_EQ(edit, PendingCaretEdit);
  ASSERT_EQ(1u, Received.size());
  EXPECT_EQ(UINT(WM_SETFOCUS), Received[0].message);
  EXPECT_EQ(edit, Received[0].pendingCaret);
}

TEST_F(HexEntryFilterTest, OtherMessagesPassUnchanged) {
  SetFocus(edit);
  Received.clear();
  SendMessageW(edit, WM_SYSKEYDOWN, 'H', 0x20230001);
  SendMessageW(edit, WM_SYSKEYUP, VK_BACK, 0xE00E0001);
  SendMessageW(edit, WM_SYSCHAR, 'x', 0x202D0001);
  SendMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
  ASSERT_EQ(4u, Received.size());
  EXPECT_EQ(WPARAM('H'), Received[0].wParam);
  EXPECT_EQ(LPARAM(0x20230001), Received[0].lParam);
  EXPECT_EQ(WPARAM(VK_BACK), Received[1].wParam);
  EXPECT_EQ(DWORD(0xE00E0001u), DWORD(Received[1].lParam));
  EXPECT_EQ(WPARAM('x'), Received[2].wParam);
  EXPECT_EQ(LPARAM(MAKELPARAM(3, 4)), Received[3].lParam);

  // Paste is not filtered: any text goes in at the caret.
  ASSERT_TRUE(OpenClipboard(host));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 8 * sizeof(wchar_t));
  wcscpy(static_cast<wchar_t *>(GlobalLock(memory)), L"zz\r\nq");
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  Select(Line, Line);
  SendMessageW(edit, WM_PASTE, 0, 0);
  std::wstring want = dump;
  want.insert(Line, L"zz\r\nq");
  EXPECT_EQ(want, Text());
  SendMessageW(edit, WM_UNDO, 0, 0);
  EXPECT_EQ(dump, Text());
}

} // namespace
