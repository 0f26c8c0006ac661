#include "scan/fs_signature.h"

const FsSignature FsSignatureTable[FsSignatureCount] = {
    {L"Read Error", 1040, 0xFFFFFFFFu, 0xFFFFFFFFu},
    {L"NTFS", 3, 0xFFFFFFFFu, 0x5346544Eu},
    {L"FAT32", 83, 0xFFFFFFFFu, 0x32335441u},
    {L"FAT16", 55, 0xFFFFFFFFu, 0x36315441u},
    {L"FAT12", 55, 0xFFFFFFFFu, 0x32315441u},
    {L"Linux Ext2", 1080, 0x0000FFFFu, 0x0000EF53u},
    {L"Linux Swap", 4086, 0xFFFFFFFFu, 0x50415753u},
    {L"Minix", 1040, 0x0000FFFFu, 0x0000137Fu},
    {L"Minix, 30 char names", 1040, 0x0000FFFFu, 0x0000138Fu},
    {L"Minix v2", 1040, 0x0000FFFFu, 0x00002468u},
    {L"Minix v2, 30 char names", 1040, 0x0000FFFFu, 0x00002478u},
    {L"Unix FFS", 9564, 0xFFFFFFFFu, 0x00011954u},
    {L"Unknown", 0, 0, 0},
};

// Little-endian, no alignment requirement.
static uint32_t ReadWord(const unsigned char *bytes) {
  return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
         static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

uint32_t ClassifyVolume(const unsigned char *probeBuffer) {
  uint32_t i = 0;
  while (FsSignatureTable[i].mask != 0) {
    const FsSignature &row = FsSignatureTable[i];
    if ((ReadWord(probeBuffer + row.offset) & row.mask) == row.value) {
      return i;
    }
    ++i;
  }
  return i;
}

const wchar_t *FsSignatureName(uint32_t index) {
  if (index >= FsSignatureCount) {
    index = FsSignatureCount - 1;
  }
  return FsSignatureTable[index].name;
}
