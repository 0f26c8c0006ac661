// The system's message text for an error code, as the log shows it.
#ifndef TARNWICK_TESTS_WIN_SYSTEM_TEXT_H
#define TARNWICK_TESTS_WIN_SYSTEM_TEXT_H

#include <windows.h>

#include <string>

inline std::wstring SystemText(DWORD code) {
  wchar_t *text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 code, 0x0400, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::wstring result = text != nullptr ? text : L"";
  LocalFree(text);
  return result;
}

#endif
