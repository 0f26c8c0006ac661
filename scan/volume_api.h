// The system calls the volume scan makes, as a table that tests can replace.
#ifndef TARNWICK_SCAN_VOLUME_API_H
#define TARNWICK_SCAN_VOLUME_API_H

#include <windows.h>

struct VolumeApi {
  HANDLE(WINAPI *findFirstVolume)(LPWSTR name, DWORD length);
  BOOL(WINAPI *findNextVolume)(HANDLE find, LPWSTR name, DWORD length);
  BOOL(WINAPI *findVolumeClose)(HANDLE find);
  BOOL(WINAPI *getVolumeNameForVolumeMountPoint)(LPCWSTR mountPoint, LPWSTR name, DWORD length);
  HANDLE(WINAPI *createFile)(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                             DWORD disposition, DWORD flags, HANDLE templateFile);
  BOOL(WINAPI *readFile)(HANDLE file, LPVOID buffer, DWORD length, LPDWORD read, LPOVERLAPPED overlapped);
  void *(*allocate)(size_t bytes); // page-aligned, zero-filled; never freed
};

// Defaults to KERNEL32.
extern VolumeApi ScanApi;
extern const VolumeApi SystemVolumeApi;

#endif
