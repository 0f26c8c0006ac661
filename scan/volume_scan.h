// The table of volumes found at start-up: enumeration, raw read, classification, drive letters.
#ifndef TARNWICK_SCAN_VOLUME_SCAN_H
#define TARNWICK_SCAN_VOLUME_SCAN_H

#include <windows.h>

enum {
  MaxVolumes = 32,
  VolumeNameChars = 128,
  VolumeTextChars = 65536,
};

struct VolumeRecord {
  HANDLE device;                    // raw volume, or INVALID_HANDLE_VALUE; never closed
  DWORD errorCode;                  // last error after the open, then after the read
  WCHAR volumeName[VolumeNameChars]; // \\?\Volume{GUID} without the trailing backslash
  DWORD driveLetter;                // first letter A-Z leading to the volume, or 0
  DWORD fsIndex;                    // row of FsSignatureTable
  WCHAR *textBuffer;                // VolumeTextChars: title line, later the hex dump
  BYTE *probeBuffer;                // ProbeBytes read from offset 0, 0xFF where nothing was read
};

struct VolumeList {
  VolumeRecord record[MaxVolumes];
  int count;
};

extern VolumeList VolumeTable;

typedef void (*ScanYield)(void);
typedef void (*VolumePresent)(VolumeRecord *record);

// Fills VolumeTable and assigns drive letters; FALSE when enumeration cannot start, with
// the last error set to the reason.
BOOL ScanVolumes(ScanYield yield);
void OpenVolumeRecord(VolumeRecord *record);
// Writes each record's title line into its textBuffer, logs it, then calls present.
void ReportVolumes(ScanYield yield, VolumePresent present);

#endif
