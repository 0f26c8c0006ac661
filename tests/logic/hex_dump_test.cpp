#include "view/hex_dump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring Dump(const std::vector<unsigned char> &data, int count) {
  std::vector<wchar_t> out(static_cast<size_t>((count + 15) / 16) * HexDumpLineChars + 8, L'#');
  FormatHexDump(out.data(), data.data(), count);
  return std::wstring(out.data());
}

TEST(FormatHexDump, ExampleLine) {
  std::vector<unsigned char> data;
  for (int i = 0x30; i <= 0x3F; ++i) {
    data.push_back(static_cast<unsigned char>(i));
  }
  EXPECT_EQ(L"0000 30 31 32 33 34 35 36 37 38 39 3a 3b 3c 3d 3e 3f 0123456789:;<=>?\r\n", Dump(data, 16));
}

TEST(FormatHexDump, CharacterColumn) {
  std::vector<unsigned char> data(32, 0x20);
  const unsigned char second[] = {0x7e, 0x7f, 0x80, 0x9f, 0xa0, 0xa9, 0xfe, 0xff,
                                  0x00, 0x1f, 0x20, 0x41, 0x61, 0xde, 0xad, 0x0a};
  std::copy(second, second + 16, data.begin() + 16);
  std::wstring text = Dump(data, 32);
  ASSERT_EQ(static_cast<size_t>(2 * HexDumpLineChars), text.size());
  std::wstring line2 = text.substr(HexDumpLineChars);
  EXPECT_EQ(L"0010 7e 7f 80 9f a0 a9 fe ff 00 1f 20 41 61 de ad 0a ", line2.substr(0, 53));
  std::wstring chars = line2.substr(53, 16);
  const wchar_t expected[] = {L'~', L'.', L'.', L'.', 0xA0, 0xA9, 0xFE, L'.',
                              L'.', L'.', L' ', L'A', L'a', 0xDE, 0xAD, L'.'};
  EXPECT_EQ(std::wstring(expected, 16), chars);
  EXPECT_EQ(L"\r\n", line2.substr(69));
  EXPECT_EQ(std::wstring(16, L' '), text.substr(53, 16)) << "0x20 shows as a space";
}

TEST(FormatHexDump, FullPage) {
  std::vector<unsigned char> data(4096);
  for (size_t i = 0; i < data.size(); ++i) {
    data[i] = static_cast<unsigned char>(i * 37 + 11);
  }
  std::wstring text = Dump(data, 4096);
  ASSERT_EQ(18176u, text.size());
  for (int line = 0; line < 256; ++line) {
    std::wstring row = text.substr(static_cast<size_t>(line) * HexDumpLineChars, HexDumpLineChars);
    wchar_t offset[8];
    swprintf(offset, 8, L"%04x", line * 16);
    ASSERT_EQ(offset, row.substr(0, 4)) << line;
    for (int b = 0; b < 16; ++b) {
      wchar_t hex[4];
      swprintf(hex, 4, L"%02x", data[static_cast<size_t>(line * 16 + b)]);
      ASSERT_EQ(L' ', row[static_cast<size_t>(4 + 3 * b)]);
      ASSERT_EQ(hex, row.substr(static_cast<size_t>(5 + 3 * b), 2)) << line << " " << b;
    }
    ASSERT_EQ(L' ', row[52]);
    ASSERT_EQ(L"\r\n", row.substr(69));
  }
  EXPECT_EQ(L"0ff0", text.substr(255 * HexDumpLineChars, 4));
}

TEST(FormatHexDump, CountEdges) {
  std::vector<unsigned char> data(64, 0xAB);
  std::vector<wchar_t> out(300, L'#');
  FormatHexDump(out.data(), data.data(), 0);
  FormatHexDump(out.data(), data.data(), -5);
  EXPECT_EQ(std::vector<wchar_t>(300, L'#'), out) << "count <= 0 writes nothing";

  // A partial last line still shows sixteen bytes.
  FormatHexDump(out.data(), data.data(), 17);
  EXPECT_EQ(static_cast<size_t>(2 * HexDumpLineChars), std::wstring(out.data()).size());
  EXPECT_EQ(L'#', out[2 * HexDumpLineChars + 1]);
}

TEST(FormatHexDump, OffsetsGrowPastFourDigits) {
  std::vector<unsigned char> data(0x10010, 0);
  std::wstring text = Dump(data, 0x10010);
  EXPECT_EQ(L"10000 00", text.substr(static_cast<size_t>(0x1000) * HexDumpLineChars, 8));
}

} // namespace
