// Filesystem recognition from fixed on-disk signatures in a volume's first 64 KiB.
#ifndef TARNWICK_SCAN_FS_SIGNATURE_H
#define TARNWICK_SCAN_FS_SIGNATURE_H

#include <stdint.h>

enum {
  ProbeBytes = 65536,     // size of the probe buffer ClassifyVolume reads
  FsSignatureCount = 13,
  FsReadError = 0,        // row 0: the volume was not read; it gets no view
  FsUnknown = 12,         // last row: nothing matched
};

struct FsSignature {
  const wchar_t *name; // display name in titles and log lines
  uint32_t offset;     // byte offset of the little-endian 32-bit word tested
  uint32_t mask;       // bits of the word that take part; 0 marks the last row
  uint32_t value;      // what the masked word must equal
};

extern const FsSignature FsSignatureTable[FsSignatureCount];

// Index of the first row whose masked word matches; probeBuffer holds ProbeBytes bytes.
uint32_t ClassifyVolume(const unsigned char *probeBuffer);

// Display name of row index; indexes past the table name the last row.
const wchar_t *FsSignatureName(uint32_t index);

#endif
