#include "fake_volumes.h"

#include <stdio.h>
#include <string.h>

#include "scan/volume_api.h"

namespace {

FakeMachine *Machine;
const uintptr_t FindHandle = 0x5000;
const uintptr_t DeviceBase = 0x6000;

size_t NextIndex;

HANDLE WINAPI FakeFindFirst(LPWSTR name, DWORD length) {
  NextIndex = 0;
  if (Machine->findFirstError != 0 || Machine->volumes.empty()) {
    SetLastError(Machine->findFirstError != 0 ? Machine->findFirstError : ERROR_NO_MORE_FILES);
    return INVALID_HANDLE_VALUE;
  }
  lstrcpynW(name, Machine->volumes[0].name.c_str(), static_cast<int>(length));
  NextIndex = 1;
  SetLastError(0);
  return reinterpret_cast<HANDLE>(FindHandle);
}

BOOL WINAPI FakeFindNext(HANDLE find, LPWSTR name, DWORD length) {
  ++Machine->findNextCalls;
  if (find != reinterpret_cast<HANDLE>(FindHandle)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (NextIndex == Machine->findNextFailsAt) {
    SetLastError(Machine->findNextError);
    return FALSE;
  }
  if (NextIndex >= Machine->volumes.size()) {
    SetLastError(ERROR_NO_MORE_FILES);
    return FALSE;
  }
  lstrcpynW(name, Machine->volumes[NextIndex++].name.c_str(), static_cast<int>(length));
  SetLastError(0x1234); // success leaves some stale value behind, as the system may
  return TRUE;
}

BOOL WINAPI FakeFindClose(HANDLE) {
  ++Machine->closeCalls;
  return TRUE;
}

BOOL WINAPI FakeMountPoint(LPCWSTR root, LPWSTR name, DWORD length) {
  wchar_t letter = root[0];
  auto error = Machine->letterErrors.find(letter);
  if (error != Machine->letterErrors.end()) {
    SetLastError(error->second);
    return FALSE;
  }
  auto found = Machine->letters.find(letter);
  if (found == Machine->letters.end()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
  }
  lstrcpynW(name, found->second.c_str(), static_cast<int>(length));
  return TRUE;
}

FakeVolume *VolumeNamed(const std::wstring &device) {
  for (FakeVolume &volume : Machine->volumes) {
    if (volume.name.substr(0, volume.name.size() - 1) == device) return &volume;
  }
  return nullptr;
}

HANDLE WINAPI FakeCreateFile(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES, DWORD disposition, DWORD,
                             HANDLE) {
  Machine->opens.push_back({name, access, share, disposition});
  FakeVolume *volume = VolumeNamed(name);
  if (volume == nullptr) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  DWORD error = volume->openError;
  if (error == 0 && (access & GENERIC_WRITE) != 0) error = volume->writeOpenError;
  if (error != 0) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
  }
  SetLastError(0);
  return reinterpret_cast<HANDLE>(DeviceBase + static_cast<uintptr_t>(volume - Machine->volumes.data()));
}

BOOL WINAPI FakeReadFile(HANDLE file, LPVOID buffer, DWORD length, LPDWORD read, LPOVERLAPPED) {
  size_t index = reinterpret_cast<uintptr_t>(file) - DeviceBase;
  if (index >= Machine->volumes.size()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  FakeVolume &volume = Machine->volumes[index];
  Machine->reads.push_back(volume.name);
  Machine->readBuffers.push_back(buffer);
  if (volume.readError != 0) {
    *read = 0;
    SetLastError(volume.readError);
    return FALSE;
  }
  size_t count = volume.content.size() < length ? volume.content.size() : length;
  memcpy(buffer, volume.content.data(), count);
  *read = static_cast<DWORD>(count);
  SetLastError(0);
  return TRUE;
}

// The scan's own allocator, unless this allocation is to fail.
void *FakeAllocate(size_t bytes) {
  if (Machine->failAllocationAfter >= 0 && Machine->allocations++ >= Machine->failAllocationAfter) {
    return nullptr;
  }
  return SystemVolumeApi.allocate(bytes);
}

} // namespace

void PlayFakeMachine(FakeMachine *machine) {
  Machine = machine;
  ScanApi.findFirstVolume = FakeFindFirst;
  ScanApi.findNextVolume = FakeFindNext;
  ScanApi.findVolumeClose = FakeFindClose;
  ScanApi.getVolumeNameForVolumeMountPoint = FakeMountPoint;
  ScanApi.createFile = FakeCreateFile;
  ScanApi.readFile = FakeReadFile;
  ScanApi.allocate = FakeAllocate;
}

void RestoreSystemVolumes() {
  ScanApi = SystemVolumeApi;
  Machine = nullptr;
}

std::wstring VolumeGuidName(int number) {
  wchar_t name[64];
  swprintf(name, 64, L"\\\\?\\Volume{%08x-0000-4000-8000-00000000abcd}\\", number);
  return name;
}

std::vector<unsigned char> ImageWith(size_t offset, const std::string &bytes, size_t size) {
  std::vector<unsigned char> image(size, 0);
  memcpy(image.data() + offset, bytes.data(), bytes.size());
  return image;
}
