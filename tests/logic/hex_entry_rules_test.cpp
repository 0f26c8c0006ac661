#include "view/hex_entry_rules.h"
#include "view/hex_dump.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

namespace {

TEST(MapNavigationKey, TenKeysBecomeCaretKeys) {
  struct Row {
    unsigned pressed, becomes;
  } rows[] = {
      {0x08, 0x25}, {0x09, 0x27}, {0x0D, 0x28}, {0x1B, 0x24}, {0x20, 0x27},
      {'H', 0x25},  {'J', 0x28},  {'K', 0x26},  {'L', 0x27},  {'W', 0x27},
  };
  for (const Row &row : rows) {
    NavigationKey key = MapNavigationKey(row.pressed);
    EXPECT_EQ(row.becomes, key.keyCode) << "key " << row.pressed;
    EXPECT_TRUE(key.remapped) << "key " << row.pressed;
  }
}

TEST(MapNavigationKey, EveryOtherCodeIsUnchanged) {
  const unsigned remapped[] = {0x08, 0x09, 0x0D, 0x1B, 0x20, 'H', 'J', 'K', 'L', 'W'};
  int count = 0;
  for (unsigned code = 0; code < 0x200; ++code) {
    bool inTable = false;
    for (unsigned r : remapped) inTable = inTable || r == code;
    NavigationKey key = MapNavigationKey(code);
    if (inTable) {
      ++count;
      continue;
    }
    EXPECT_EQ(code, key.keyCode);
    EXPECT_FALSE(key.remapped) << "code " << code;
  }
  EXPECT_EQ(10, count);
  // Lower-case letters, the arrow keys themselves, Delete and F5 pass as they are.
  for (unsigned code : {unsigned('h'), 0x25u, 0x27u, 0x2Eu, 0x74u, 0xFFFFFFFFu}) {
    EXPECT_FALSE(MapNavigationKey(code).remapped) << code;
    EXPECT_EQ(code, MapNavigationKey(code).keyCode);
  }
}

TEST(RewriteKeyData, ReplacesScanFieldOnly) {
  // Repeat count, context, previous state and transition bits are kept.
  EXPECT_EQ(uintptr_t(0xE04B0003u), RewriteKeyData(0xE0230003u, 0x4B, false));
  // Only the low byte of the scan code is used.
  EXPECT_EQ(uintptr_t(0x00340001u), RewriteKeyData(0x00000001u, 0x1234, false));
  // A clear scan code clears the field.
  EXPECT_EQ(uintptr_t(0x0000FFFFu), RewriteKeyData(0x00FFFFFFu, 0, false));
}

TEST(RewriteKeyData, ExtendedFlagSetForRemappedKeysAndNeverCleared) {
  EXPECT_EQ(uintptr_t(0x014B0001u), RewriteKeyData(0x00230001u, 0x4B, true));
  EXPECT_EQ(uintptr_t(0xC14B0001u), RewriteKeyData(0xC0230001u, 0x4B, true));
  // A key that came in extended keeps the flag whether remapped or not.
  EXPECT_EQ(uintptr_t(0x01530001u), RewriteKeyData(0x01000001u, 0x53, false));
  EXPECT_EQ(uintptr_t(0x01530001u), RewriteKeyData(0x01000001u, 0x53, true));
  // Bits 25 to 28 are reserved and stay as they came.
  EXPECT_EQ(uintptr_t(0x1F000000u), RewriteKeyData(0x1E000000u, 0, true));
}

TEST(IsHexDigitChar, ThreeRangesOnly) {
  std::string accepted;
  for (unsigned c = 0; c < 0x10000; ++c) {
    if (IsHexDigitChar(c)) accepted += char(c);
  }
  EXPECT_EQ("0123456789ABCDEFabcdef", accepted);
  // Full-width digits and values above 16 bits are not hex digits.
  EXPECT_FALSE(IsHexDigitChar(0xFF10));
  EXPECT_FALSE(IsHexDigitChar(0x10030));
  EXPECT_FALSE(IsHexDigitChar(0x10041));
}

// The real dump of one line: offset, sixteen byte pairs, printable column, CR LF.
std::wstring DumpOf(const std::vector<unsigned char> &bytes) {
  std::vector<wchar_t> out((bytes.size() / 16 + 1) * HexDumpLineChars + 1, L'#');
  FormatHexDump(out.data(), bytes.data(), int(bytes.size()));
  return std::wstring(out.data());
}

TEST(IsEditableHexDigit, ColumnsOfADumpLine) {
  // Printable column "ab 9 .x  F1c e f": hex digits with spaces one or two on, and not.
  const char printable[] = "ab 9 .x  F1c e f";
  std::vector<unsigned char> bytes(printable, printable + 16);
  std::wstring text = DumpOf(bytes);
  ASSERT_EQ(size_t(HexDumpLineChars), text.size());
  const int length = int(text.size());

  std::string expected(HexDumpLineChars, '-');
  expected[2] = expected[3] = 'E'; // third and fourth offset digits
  for (int byte = 0; byte < 16; ++byte) {
    expected[5 + 3 * byte] = expected[6 + 3 * byte] = 'E';
  }
  // Printable column starts at 53: a(53) b(54) ' ' 9(56) ' ' .(58) x(59) ' ' ' ' F(62)
  // 1(63) c(64) ' ' e(66) ' ' f(68), then CR LF.
  const int editablePrintable[] = {53, 54, 56, 63, 64, 66};
  for (int p : editablePrintable) expected[p] = 'E';

  std::string actual;
  for (int p = 0; p < length; ++p) {
    actual += IsEditableHexDigit(text.c_str(), length, p) ? 'E' : '-';
  }
  EXPECT_EQ(expected, actual) << "text: " << std::string(text.begin(), text.end());
  // F (62) has "1c" after it: neither next character is a space.
  EXPECT_FALSE(IsEditableHexDigit(text.c_str(), length, 62));
  // The last printable character (68) is followed by CR LF only.
  EXPECT_FALSE(IsEditableHexDigit(text.c_str(), length, 68));
}

TEST(IsEditableHexDigit, UpperCaseDigitsAndEveryHexLetterInPairs) {
  std::wstring text = L"0000 aB Cd Ef 09 ";
  for (int p : {5, 6, 8, 9, 11, 12, 14, 15}) {
    EXPECT_TRUE(IsEditableHexDigit(text.c_str(), int(text.size()), p)) << p;
  }
  std::wstring bad = L"0000 g0 G0 x0 -0 .0 ";
  for (int p : {5, 8, 11, 14, 17}) {
    EXPECT_FALSE(IsEditableHexDigit(bad.c_str(), int(bad.size()), p)) << p;
  }
}

TEST(IsEditableHexDigit, NeverLooksPastTheLengthGiven) {
  // The spaces after the digit lie beyond the part that was read.
  const wchar_t text[] = L"a  ";
  EXPECT_TRUE(IsEditableHexDigit(text, 3, 0));
  EXPECT_TRUE(IsEditableHexDigit(text, 2, 0));
  EXPECT_FALSE(IsEditableHexDigit(text, 1, 0));
  const wchar_t text2[] = L"ab ";
  EXPECT_TRUE(IsEditableHexDigit(text2, 3, 0));
  EXPECT_FALSE(IsEditableHexDigit(text2, 2, 0));
  EXPECT_FALSE(IsEditableHexDigit(text2, 2, 1));

  // Exactly sized heap blocks: AddressSanitizer reports any read past the end.
  for (int length = 1; length <= 3; ++length) {
    std::unique_ptr<wchar_t[]> exact(new wchar_t[length]);
    for (int i = 0; i < length; ++i) exact[i] = L'c';
    for (int p = -2; p <= length + 2; ++p) {
      EXPECT_FALSE(IsEditableHexDigit(exact.get(), length, p));
    }
  }
}

TEST(IsEditableHexDigit, OutOfRangePositionsAndEmptyText) {
  const wchar_t text[] = L"0000 12 ";
  const int length = 8;
  EXPECT_FALSE(IsEditableHexDigit(text, length, length));
  EXPECT_FALSE(IsEditableHexDigit(text, length, length + 1));
  EXPECT_FALSE(IsEditableHexDigit(text, length, -1));
  EXPECT_FALSE(IsEditableHexDigit(text, length, INT_MIN));
  EXPECT_FALSE(IsEditableHexDigit(text, length, INT_MAX));
  EXPECT_FALSE(IsEditableHexDigit(text, 0, 0));
  EXPECT_FALSE(IsEditableHexDigit(text, -5, 0));
  EXPECT_FALSE(IsEditableHexDigit(nullptr, 10, 0));
}

TEST(IsEditableHexDigit, WholeDumpAgreesWithColumnLayout) {
  // 4096 bytes that are all hex-digit characters or spaces exercise the printable column.
  std::vector<unsigned char> bytes(4096);
  const char pool[] = "0123456789abcdefABCDEF .xg";
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = pool[(i * 7 + i / 16) % (sizeof pool - 1)];
  std::wstring text = DumpOf(bytes);
  ASSERT_EQ(size_t(256 * HexDumpLineChars), text.size());
  const int length = int(text.size());
  for (int p = 0; p < length; ++p) {
    int column = p % HexDumpLineChars;
    bool expected;
    if (column < 2) {
      expected = false;
    } else if (column < 4) {
      expected = true;
    } else if (column < 52) {
      expected = (column - 4) % 3 != 0;
    } else if (column >= 53 && column < 69) {
      wchar_t c = text[p];
      bool hex = IsHexDigitChar(c);
      bool spaceNear = (column + 1 < 69 && text[p + 1] == L' ') || (column + 2 < 69 && text[p + 2] == L' ');
      expected = hex && spaceNear;
    } else {
      expected = false;
    }
    ASSERT_EQ(expected, IsEditableHexDigit(text.c_str(), length, p)) << "position " << p;
  }
}

} // namespace
