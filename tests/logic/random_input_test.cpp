// Arbitrary volume contents: classification and dump never read or write out of bounds
// (run natively under AddressSanitizer to catch it) and always give well-formed results.
#include <gtest/gtest.h>
#include <string.h>

#include <random>
#include <string>
#include <vector>

#include "scan/fs_signature.h"
#include "view/hex_dump.h"
#include "view/hex_entry_rules.h"

namespace {

TEST(RandomInput, ClassifyAnyProbe) {
  std::mt19937 random(20261208);
  // Exactly-sized heap buffer, so a read past its end is caught.
  std::vector<unsigned char> probe(ProbeBytes);
  for (int round = 0; round < 3000; ++round) {
    int mode = round % 3;
    for (unsigned char &byte : probe) {
      byte = mode == 0 ? static_cast<unsigned char>(random()) : static_cast<unsigned char>(mode == 1 ? 0 : 0xFF);
    }
    if (mode != 0) {
      // Sprinkle random bytes over the signature offsets.
      for (const FsSignature &row : FsSignatureTable) {
        for (int k = 0; k < 4; ++k) {
          if (random() % 2) probe[row.offset + static_cast<uint32_t>(k)] = static_cast<unsigned char>(random());
        }
      }
    }
    uint32_t index = ClassifyVolume(probe.data());
    ASSERT_LT(index, static_cast<uint32_t>(FsSignatureCount));
    // No earlier row matches the chosen one.
    for (uint32_t i = 0; i < index; ++i) {
      const FsSignature &row = FsSignatureTable[i];
      uint32_t word;
      memcpy(&word, probe.data() + row.offset, 4); // test machines are little-endian
      ASSERT_NE(row.value, word & row.mask) << "row " << i << " should have won";
    }
  }
}

TEST(RandomInput, DumpAnyBytes) {
  std::mt19937 random(4096);
  for (int round = 0; round < 2000; ++round) {
    int count = static_cast<int>(random() % 4096) + 1;
    int lines = (count + 15) / 16;
    std::vector<unsigned char> data(static_cast<size_t>(lines) * 16);
    for (unsigned char &byte : data) byte = static_cast<unsigned char>(random());
    std::vector<wchar_t> out(static_cast<size_t>(lines) * HexDumpLineChars + 1);
    FormatHexDump(out.data(), data.data(), count);
    ASSERT_EQ(L'\0', out.back());
    for (int line = 0; line < lines; ++line) {
      const wchar_t *row = out.data() + line * HexDumpLineChars;
      ASSERT_EQ(L'\r', row[69]);
      ASSERT_EQ(L'\n', row[70]);
      for (int c = 0; c < 69; ++c) {
        ASSERT_TRUE(row[c] >= 0x20 && row[c] != 0x7F && row[c] != 0xFF && !(row[c] >= 0x80 && row[c] < 0xA0))
            << "line " << line << " column " << c;
      }
    }
  }
}

TEST(RandomInput, EditableDecisionOnAnyText) {
  std::mt19937 random(71);
  const wchar_t alphabet[] = L"0123456789abcdefABCDEF \r\n.xg";
  for (int round = 0; round < 5000; ++round) {
    int length = static_cast<int>(random() % 12);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1);
    for (int i = 0; i < length; ++i) text[static_cast<size_t>(i)] = alphabet[random() % 28];
    text[static_cast<size_t>(length)] = L'\0';
    for (int position = -2; position <= length + 3; ++position) {
      bool editable = IsEditableHexDigit(text.data(), length, position);
      bool expected = position >= 0 && position < length && IsHexDigitChar(text[static_cast<size_t>(position)]) &&
                      ((position + 1 < length && text[static_cast<size_t>(position + 1)] == L' ') ||
                       (position + 2 < length && text[static_cast<size_t>(position + 2)] == L' '));
      ASSERT_EQ(expected, editable) << position;
    }
  }
}

} // namespace
