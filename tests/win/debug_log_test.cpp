#include "log/debug_log.h"

#include <gtest/gtest.h>

#include "shell/shell_globals.h"
#include "system_text.h"

#include <string>

namespace {

SYSTEMTIME FixedTime;
void WINAPI FixedClock(LPSYSTEMTIME time) { *time = FixedTime; }

std::wstring Filled(size_t length) {
  std::wstring text;
  for (size_t i = 0; i < length; ++i) text += static_cast<wchar_t>(L'A' + i % 26);
  return text;
}

class DebugLogTest : public ::testing::Test {
protected:
  void SetUp() override {
    DebugLog[0] = L'\0';
    LogPane = nullptr;
    FixedTime = SYSTEMTIME{2002, 3, 2, 5, 9, 4, 7, 45};
    LogClock = FixedClock;
  }
  void TearDown() override {
    LogClock = GetLocalTime;
    if (LogPane != nullptr) DestroyWindow(LogPane);
    LogPane = nullptr;
  }
};

TEST_F(DebugLogTest, EntryFormat) {
  LogEvent(L"C: \\\\?\\Volume{x} NTFS", 0);
  EXPECT_EQ(L" 2002.03.05.09.04.07.045 C: \\\\?\\Volume{x} NTFS : " + SystemText(0), std::wstring(DebugLog));
  ASSERT_GE(SystemText(0).size(), 2u);

  DebugLog[0] = L'\0';
  FixedTime = SYSTEMTIME{12345, 12, 0, 31, 23, 59, 58, 999};
  LogEvent(L"late", ERROR_ACCESS_DENIED);
  EXPECT_EQ(L"12345.12.31.23.59.58.999 late : " + SystemText(ERROR_ACCESS_DENIED), std::wstring(DebugLog));
}

TEST_F(DebugLogTest, EntriesFollowEachOther) {
  LogEvent(L"one", 0);
  LogEvent(L"two", ERROR_FILE_NOT_FOUND);
  std::wstring first = L" 2002.03.05.09.04.07.045 one : " + SystemText(0);
  EXPECT_EQ(first + L" 2002.03.05.09.04.07.045 two : " + SystemText(ERROR_FILE_NOT_FOUND), std::wstring(DebugLog));
}

TEST_F(DebugLogTest, LastErrorCode) {
  SetLastError(ERROR_SHARING_VIOLATION);
  LogEvent(L"x", LOG_LAST_ERROR);
  EXPECT_EQ(L" 2002.03.05.09.04.07.045 x : " + SystemText(ERROR_SHARING_VIOLATION), std::wstring(DebugLog));
  EXPECT_EQ(DWORD(ERROR_SHARING_VIOLATION), GetLastError()) << "logging leaves the last error as it was";

  // A real failed call.
  HANDLE file = CreateFileW(L"Z:\\no\\such\\dir\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_EQ(INVALID_HANDLE_VALUE, file);
  DWORD error = GetLastError();
  DebugLog[0] = L'\0';
  LogEvent(L"open", LOG_LAST_ERROR);
  EXPECT_EQ(L" 2002.03.05.09.04.07.045 open : " + SystemText(error), std::wstring(DebugLog));
}

TEST_F(DebugLogTest, CodeWithoutSystemText) {
  const DWORD code = 0x2000BEEF; // customer bit: the system has no text for it
  ASSERT_EQ(L"", SystemText(code));
  LogEvent(L"odd", code);
  EXPECT_EQ(L" 2002.03.05.09.04.07.045 odd : Unknown error 0x2000BEEF (536919791)\r\n", std::wstring(DebugLog));
}

TEST_F(DebugLogTest, InsertMarkersStayAsTheyStand) {
  // Find system texts with insert markers; they must be logged without reading arguments.
  int found = 0;
  for (DWORD code = 1; code < 2000 && found < 5; ++code) {
    std::wstring text = SystemText(code);
    if (text.find(L"%1") == std::wstring::npos) continue;
    ++found;
    DebugLog[0] = L'\0';
    LogEvent(L"m", code);
    EXPECT_EQ(L" 2002.03.05.09.04.07.045 m : " + text, std::wstring(DebugLog)) << code;
  }
  EXPECT_GT(found, 0) << "no system text with an insert marker to try";
}

TEST_F(DebugLogTest, RollOverDropsTheOldestCharacters) {
  // A 40-character message: the customer-bit fallback for a code with ten digits.
  const DWORD code = 0xE0001234;
  std::wstring message = L"Unknown error 0xE0001234 (3758101044)\r\n";
  ASSERT_EQ(39u, message.size());
  std::wstring old = Filled(65500);
  lstrcpyW(DebugLog, old.c_str());
  std::wstring text = Filled(41);
  LogEvent(text.c_str(), code);
  // drop = (41 + 32) + 39 = 112
  std::wstring entry = L" 2002.03.05.09.04.07.045 " + text + L" : " + message;
  // Compared without printing 65,000 characters on failure.
  EXPECT_TRUE(old.substr(112) + entry == std::wstring(DebugLog));
  EXPECT_EQ(entry, std::wstring(DebugLog).substr(65500 - 112));
}

TEST_F(DebugLogTest, EntriesLongerThanTheLogStayBounded) {
  std::wstring huge = Filled(70000);
  for (int i = 0; i < 5; ++i) {
    LogEvent(huge.c_str(), 0);
    std::wstring log = DebugLog;
    // The log was emptied and the entry cut at 1023 characters.
    ASSERT_EQ(1023u, log.size());
    EXPECT_TRUE(L" 2002.03.05.09.04.07.045 " + huge.substr(0, 1023 - 25) == log);
  }
  LogEvent(L"after", 0);
  EXPECT_EQ(L"after", std::wstring(DebugLog).substr(1023 + 25, 5));

  // Texts that force the roll-over on every entry without emptying the log.
  std::wstring big = Filled(30000);
  for (int i = 0; i < 10; ++i) {
    LogEvent(big.c_str(), 0);
    ASSERT_LT(std::wstring(DebugLog).size(), 65536u);
  }
}

TEST_F(DebugLogTest, PaneShowsTheWholeLogScrolledToTheEnd) {
  LogEvent(L"before the pane", 0);
  LogPane = CreateWindowExW(0, L"Edit", L"", WS_POPUP | ES_MULTILINE | ES_READONLY | WS_VSCROLL | ES_AUTOVSCROLL, 0,
                            0, 300, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(nullptr, LogPane);
  for (int i = 0; i < 20; ++i) LogEvent(L"with the pane", 0);
  int length = GetWindowTextLengthW(LogPane);
  std::wstring shown(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(LogPane, &shown[0], length + 1);
  shown.resize(static_cast<size_t>(length));
  EXPECT_TRUE(std::wstring(DebugLog) == shown);
  EXPECT_EQ(0u, shown.find(L" 2002.03.05.09.04.07.045 before the pane"));
  DWORD start = 0, end = 0;
  SendMessageW(LogPane, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(DWORD(length), start);
  EXPECT_EQ(DWORD(length), end);
  EXPECT_GT(SendMessageW(LogPane, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "scrolled to the caret";
}

} // namespace
