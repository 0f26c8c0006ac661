#include "scan/volume_api.h"

// Whole pages: a volume opened as a device is read without the system's cache, and such
// reads may need a buffer aligned to the sector size.
static void *AllocatePages(size_t bytes) {
  return VirtualAlloc(NULL, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

const VolumeApi SystemVolumeApi = {
    FindFirstVolumeW, FindNextVolumeW, FindVolumeClose, GetVolumeNameForVolumeMountPointW, CreateFileW, ReadFile,
    AllocatePages,
};

VolumeApi ScanApi = SystemVolumeApi;
