#include "scan/volume_scan.h"

#include <string.h>

#include "log/debug_log.h"
#include "scan/fs_signature.h"
#include "scan/volume_api.h"

VolumeList VolumeTable;

// Volume name a drive letter leads to, during the drive-letter pass.
static WCHAR LetterVolumeName[VolumeNameChars];
// Title line of a record whose text buffer could not be allocated.
static WCHAR SpareTitle[VolumeNameChars + 64];

static void CutLastChar(WCHAR *name) {
  name[VolumeNameChars - 1] = L'\0';
  int length = lstrlenW(name);
  if (length > 0) {
    name[length - 1] = L'\0';
  }
}

static HANDLE OpenDevice(const WCHAR *name, DWORD access) {
  return ScanApi.createFile(name, access, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
}

// Read-write first; where the system refuses write access (system volume, write-protected
// or optical media) the volume is still readable, so try again for reading only.
static void OpenDeviceOf(VolumeRecord *record) {
  record->device = OpenDevice(record->volumeName, GENERIC_READ | GENERIC_WRITE);
  record->errorCode = GetLastError();
  if (record->device == INVALID_HANDLE_VALUE) {
    record->device = OpenDevice(record->volumeName, GENERIC_READ);
    record->errorCode = GetLastError();
  }
}

static BOOL AllocateBuffers(VolumeRecord *record) {
  record->probeBuffer = static_cast<BYTE *>(ScanApi.allocate(ProbeBytes));
  record->textBuffer = static_cast<WCHAR *>(ScanApi.allocate(VolumeTextChars * sizeof(WCHAR)));
  return record->probeBuffer != NULL && record->textBuffer != NULL;
}

void OpenVolumeRecord(VolumeRecord *record) {
  CutLastChar(record->volumeName);
  OpenDeviceOf(record);
  record->driveLetter = 0;
  if (!AllocateBuffers(record)) {
    record->errorCode = ERROR_NOT_ENOUGH_MEMORY;
    LogEvent(record->volumeName, ERROR_NOT_ENOUGH_MEMORY);
    record->fsIndex = FsReadError;
    return;
  }
  memset(record->probeBuffer, 0xFF, ProbeBytes);
  if (record->device != INVALID_HANDLE_VALUE) {
    DWORD read = 0;
    if (!ScanApi.readFile(record->device, record->probeBuffer, ProbeBytes, &read, NULL)) {
      LogEvent(record->volumeName, LOG_LAST_ERROR);
    }
    record->errorCode = GetLastError();
  }
  record->fsIndex = ClassifyVolume(record->probeBuffer);
}

static void AssignDriveLetter(WCHAR letter) {
  WCHAR root[] = {letter, L':', L'\\', L'\0'};
  if (!ScanApi.getVolumeNameForVolumeMountPoint(root, LetterVolumeName, VolumeNameChars) ||
      LetterVolumeName[0] != L'\\') {
    return;
  }
  CutLastChar(LetterVolumeName);
  for (int i = 0; i < VolumeTable.count; ++i) {
    VolumeRecord *record = &VolumeTable.record[i];
    if (lstrcmpW(LetterVolumeName, record->volumeName) == 0) {
      if (record->driveLetter == 0) {
        record->driveLetter = letter;
      }
      return;
    }
  }
}

BOOL ScanVolumes(ScanYield yield) {
  HANDLE find = ScanApi.findFirstVolume(VolumeTable.record[0].volumeName, VolumeNameChars);
  if (find == INVALID_HANDLE_VALUE) {
    LogEvent(L"FindFirstVolume failed", LOG_LAST_ERROR);
    return FALSE;
  }
  VolumeTable.count = 1;
  OpenVolumeRecord(&VolumeTable.record[0]);

  // A full table ends the loop without an error to report.
  DWORD stopError = ERROR_NO_MORE_FILES;
  while (VolumeTable.count < MaxVolumes) {
    VolumeRecord *record = &VolumeTable.record[VolumeTable.count];
    if (!ScanApi.findNextVolume(find, record->volumeName, VolumeNameChars)) {
      stopError = GetLastError();
      break;
    }
    ++VolumeTable.count;
    OpenVolumeRecord(record);
    yield();
  }
  if (stopError != ERROR_NO_MORE_FILES) {
    LogEvent(L"FindNextVolume failed", stopError);
  }
  ScanApi.findVolumeClose(find);

  for (WCHAR letter = L'A'; letter <= L'Z'; ++letter) {
    yield();
    AssignDriveLetter(letter);
  }
  return TRUE;
}

void ReportVolumes(ScanYield yield, VolumePresent present) {
  for (int i = 0; i < VolumeTable.count; ++i) {
    yield();
    VolumeRecord *record = &VolumeTable.record[i];
    WCHAR *title = record->textBuffer != NULL ? record->textBuffer : SpareTitle;
    WCHAR letter = record->driveLetter != 0 ? static_cast<WCHAR>(record->driveLetter) : L'?';
    wsprintfW(title, L"%c: %s %s", letter, record->volumeName, FsSignatureName(record->fsIndex));
    LogEvent(title, record->errorCode);
    present(record);
  }
}
