#include "scan/fs_signature.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>
#include <vector>

namespace {

std::vector<unsigned char> Zeros() { return std::vector<unsigned char>(ProbeBytes, 0); }

void Put(std::vector<unsigned char> &probe, size_t offset, const char *bytes) {
  memcpy(probe.data() + offset, bytes, strlen(bytes));
}

TEST(FsSignatureTable, RowsInOrder) {
  struct Row {
    const wchar_t *name;
    uint32_t offset, mask, value;
  } const expected[] = {
      {L"Read Error", 1040, 0xFFFFFFFF, 0xFFFFFFFF},
      {L"NTFS", 3, 0xFFFFFFFF, 0x5346544E},
      {L"FAT32", 83, 0xFFFFFFFF, 0x32335441},
      {L"FAT16", 55, 0xFFFFFFFF, 0x36315441},
      {L"FAT12", 55, 0xFFFFFFFF, 0x32315441},
      {L"Linux Ext2", 1080, 0x0000FFFF, 0x0000EF53},
      {L"Linux Swap", 4086, 0xFFFFFFFF, 0x50415753},
      {L"Minix", 1040, 0x0000FFFF, 0x0000137F},
      {L"Minix, 30 char names", 1040, 0x0000FFFF, 0x0000138F},
      {L"Minix v2", 1040, 0x0000FFFF, 0x00002468},
      {L"Minix v2, 30 char names", 1040, 0x0000FFFF, 0x00002478},
      {L"Unix FFS", 9564, 0xFFFFFFFF, 0x00011954},
      {L"Unknown", 0, 0, 0},
  };
  ASSERT_EQ(sizeof expected / sizeof expected[0], static_cast<size_t>(FsSignatureCount));
  for (int i = 0; i < FsSignatureCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(std::wstring(expected[i].name), FsSignatureTable[i].name);
    EXPECT_EQ(expected[i].offset, FsSignatureTable[i].offset);
    EXPECT_EQ(expected[i].mask, FsSignatureTable[i].mask);
    EXPECT_EQ(expected[i].value, FsSignatureTable[i].value);
    EXPECT_LT(FsSignatureTable[i].offset, static_cast<uint32_t>(ProbeBytes - 3));
    EXPECT_EQ(std::wstring(expected[i].name), FsSignatureName(static_cast<uint32_t>(i)));
  }
  EXPECT_EQ(std::wstring(L"Unknown"), FsSignatureName(13));
  EXPECT_EQ(std::wstring(L"Unknown"), FsSignatureName(0xFFFFFFFF));
}

TEST(ClassifyVolume, NothingReadAndNothingKnown) {
  std::vector<unsigned char> ones(ProbeBytes, 0xFF);
  EXPECT_EQ(0u, ClassifyVolume(ones.data()));
  EXPECT_EQ(12u, ClassifyVolume(Zeros().data()));
}

TEST(ClassifyVolume, FirstMatchWins) {
  std::vector<unsigned char> probe = Zeros();
  Put(probe, 3, "NTFS");
  EXPECT_EQ(1u, ClassifyVolume(probe.data()));
  Put(probe, 82, "FAT32");
  EXPECT_EQ(1u, ClassifyVolume(probe.data())) << "NTFS beats FAT32";
  memset(probe.data() + 1040, 0xFF, 4);
  EXPECT_EQ(0u, ClassifyVolume(probe.data())) << "all ones at 1040 beats every signature";
  probe[1043] = 0xFE;
  EXPECT_EQ(1u, ClassifyVolume(probe.data())) << "three 0xFF bytes are not a read error";
}

TEST(ClassifyVolume, EachSignatureAlone) {
  struct Case {
    size_t offset;
    const char *bytes;
    uint32_t expected;
  } const cases[] = {
      {3, "NTFS", 1},          {82, "FAT32", 2},        {54, "FAT16", 3},         {54, "FAT12", 4},
      {55, "AT16", 3},         {55, "AT12", 4},         {4086, "SWAP", 6},        {4086, "SWAPSPACE2", 6},
      {4086, "SWAP-SPACE", 6}, {1080, "\x53\xEF", 5},   {1040, "\x7F\x13", 7},    {1040, "\x8F\x13", 8},
      {1040, "\x68\x24", 9},   {1040, "\x78\x24", 10},  {9564, "\x54\x19\x01", 11}, {2, "NTFS", 12},
      {56, "FAT16", 12},       {4087, "SWAP", 12},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.offset);
    SCOPED_TRACE(c.bytes);
    std::vector<unsigned char> probe = Zeros();
    Put(probe, c.offset, c.bytes);
    EXPECT_EQ(c.expected, ClassifyVolume(probe.data()));
  }
}

TEST(ClassifyVolume, SixteenBitMagicIgnoresTheHighHalf) {
  for (unsigned high = 0; high < 0x10000; high += 0x1111) {
    SCOPED_TRACE(high);
    std::vector<unsigned char> probe = Zeros();
    probe[1080] = 0x53;
    probe[1081] = 0xEF;
    probe[1082] = static_cast<unsigned char>(high);
    probe[1083] = static_cast<unsigned char>(high >> 8);
    EXPECT_EQ(5u, ClassifyVolume(probe.data()));

    probe = Zeros();
    probe[1040] = 0x7F;
    probe[1041] = 0x13;
    probe[1042] = static_cast<unsigned char>(high);
    probe[1043] = static_cast<unsigned char>(high >> 8);
    EXPECT_EQ(7u, ClassifyVolume(probe.data()));
  }
}

TEST(ClassifyVolume, ShortReadLeavesReadErrorMarker) {
  // A read that stopped before byte 1044 leaves the 0xFF fill at 1040-1043.
  for (size_t read : {size_t(0), size_t(512), size_t(1040)}) {
    std::vector<unsigned char> probe(ProbeBytes, 0xFF);
    memset(probe.data(), 0, read);
    Put(probe, 3, "NTFS");
    EXPECT_EQ(0u, ClassifyVolume(probe.data())) << read;
  }
  // Once any of bytes 1040-1043 was read as something else, the signatures decide.
  std::vector<unsigned char> probe(ProbeBytes, 0xFF);
  memset(probe.data(), 0, 1041);
  Put(probe, 3, "NTFS");
  EXPECT_EQ(1u, ClassifyVolume(probe.data()));
}

} // namespace
