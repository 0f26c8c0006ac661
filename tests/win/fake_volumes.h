// A machine of volumes played through the scan's system-call table.
#ifndef TARNWICK_TESTS_WIN_FAKE_VOLUMES_H
#define TARNWICK_TESTS_WIN_FAKE_VOLUMES_H

#include <windows.h>

#include <map>
#include <string>
#include <vector>

struct FakeVolume {
  std::wstring name;                  // as enumerated, trailing backslash included
  DWORD openError = 0;                // both opens fail with this
  DWORD writeOpenError = 0;           // only the read-write open fails with this
  DWORD readError = 0;                // ReadFile fails with this
  std::vector<unsigned char> content; // what a read returns, at most what was asked
};

struct FakeOpen {
  std::wstring name;
  DWORD access;
  DWORD share;
  DWORD disposition;
};

struct FakeMachine {
  std::vector<FakeVolume> volumes;
  DWORD findFirstError = 0;          // FindFirstVolume fails with this
  size_t findNextFailsAt = SIZE_MAX; // FindNextVolume fails when asked for this index
  DWORD findNextError = 0;
  std::map<wchar_t, std::wstring> letters; // mount-point answers, trailing backslash included
  std::map<wchar_t, DWORD> letterErrors;   // letters whose look-up fails
  int failAllocationAfter = -1;            // allocations allowed before one fails; -1 never

  // What the scan did.
  std::vector<FakeOpen> opens;
  std::vector<std::wstring> reads;
  std::vector<const void *> readBuffers;
  int findNextCalls = 0;
  int closeCalls = 0;
  int allocations = 0;
};

// Routes the scan's system calls to machine until RestoreSystemVolumes.
void PlayFakeMachine(FakeMachine *machine);
void RestoreSystemVolumes();

std::wstring VolumeGuidName(int number); // \\?\Volume{...number...}\ as enumerated
std::vector<unsigned char> ImageWith(size_t offset, const std::string &bytes, size_t size = 65536);

#endif
