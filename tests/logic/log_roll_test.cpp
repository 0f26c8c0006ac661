#include "log/log_roll.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const int Capacity = 65536;

std::wstring Filled(int length) {
  std::wstring text;
  for (int i = 0; i < length; ++i) {
    text += static_cast<wchar_t>(L'a' + i % 26);
  }
  return text;
}

struct Log {
  std::vector<wchar_t> buffer = std::vector<wchar_t>(Capacity, L'#');
  int Set(const std::wstring &text) {
    std::copy(text.begin(), text.end(), buffer.begin());
    buffer[text.size()] = L'\0';
    return static_cast<int>(text.size());
  }
  std::wstring Text() const { return std::wstring(buffer.data()); }
};

TEST(RollLog, KeepsEverythingWhileTheEntryFits) {
  Log log;
  int length = log.Set(L"first entry\r\n");
  EXPECT_EQ(length, RollLog(log.buffer.data(), length, 40, 40, Capacity));
  EXPECT_EQ(L"first entry\r\n", log.Text());

  // Exactly at capacity still fits: n + a + b == 65536.
  std::wstring tail = Filled(Capacity - 112);
  length = log.Set(tail);
  EXPECT_EQ(length, RollLog(log.buffer.data(), length, 40, 40, Capacity));
  EXPECT_EQ(tail, log.Text());
}

TEST(RollLog, DropsTheOldestCharactersInOrder) {
  Log log;
  std::wstring old = Filled(65500);
  int length = log.Set(old);
  // 40 characters of text and a 40-character message: 40 + 32 + 40 = 112 dropped.
  int at = RollLog(log.buffer.data(), length, 40, 40, Capacity);
  EXPECT_EQ(65500 - 112, at);
  EXPECT_EQ(old.substr(112), log.Text());
  // The entry then ends the text and fits with its terminator.
  EXPECT_LE(at + 28 + 40 + 40 + 1, Capacity);
}

TEST(RollLog, EmptiesTheLogWhenTheEntryIsLargerThanWhatIsThere) {
  Log log;
  int length = log.Set(Filled(100));
  EXPECT_EQ(0, RollLog(log.buffer.data(), length, 70000, 10, Capacity));
  EXPECT_EQ(L"", log.Text());

  // n - drop exactly 0 also leaves an empty log.
  length = log.Set(Filled(Capacity - 1));
  EXPECT_EQ(0, RollLog(log.buffer.data(), length, Capacity - 1 - 32 - 5, 5, Capacity));
  EXPECT_EQ(L"", log.Text());
}

TEST(RollLog, RepeatedLongEntriesStayInBounds) {
  Log log;
  int length = 0;
  log.buffer[0] = L'\0';
  for (int i = 0; i < 200; ++i) {
    int textLength = 1000 + (i * 7919) % 60000;
    int at = RollLog(log.buffer.data(), length, textLength, 60, Capacity);
    ASSERT_GE(at, 0);
    ASSERT_LE(at, length);
    int entry = std::min(1023, 28 + textLength + 60);
    ASSERT_LT(at + entry, Capacity);
    std::fill(log.buffer.begin() + at, log.buffer.begin() + at + entry, L'x');
    log.buffer[at + entry] = L'\0';
    length = at + entry;
  }
}

} // namespace
