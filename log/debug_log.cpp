#include "log/debug_log.h"

#include "log/log_roll.h"

enum { EntryLimit = 1024 }; // what wsprintfW writes at most, terminator included

WCHAR DebugLog[DebugLogChars];
HWND LogPane;
void(WINAPI *LogClock)(LPSYSTEMTIME) = GetLocalTime;

// Insert markers (%1 and the like) are left as they stand: no arguments are supplied.
void LoadSystemMessage(SystemMessage *message, DWORD code) {
  message->allocated = NULL;
  DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS;
  if (FormatMessageW(flags, NULL, code, 0x0400, reinterpret_cast<LPWSTR>(&message->allocated), 0, NULL) != 0 &&
      message->allocated != NULL) {
    message->text = message->allocated;
    return;
  }
  message->allocated = NULL;
  wsprintfW(message->fallback, L"Unknown error 0x%08X (%u)\r\n", code, code);
  message->text = message->fallback;
}

void FreeSystemMessage(SystemMessage *message) {
  if (message->allocated != NULL) {
    LocalFree(message->allocated);
  }
  message->allocated = NULL;
  message->text = NULL;
}

static void RefreshLogPane(void) {
  if (LogPane == NULL) {
    return;
  }
  int length = lstrlenW(DebugLog);
  SetWindowTextW(LogPane, DebugLog);
  SendMessageW(LogPane, EM_SETSEL, static_cast<WPARAM>(length), static_cast<LPARAM>(length));
  SendMessageW(LogPane, EM_SCROLLCARET, 0, 0);
}

void LogEvent(const WCHAR *text, DWORD code) {
  SYSTEMTIME now;
  LogClock(&now);
  DWORD lastError = GetLastError();
  if (code == LOG_LAST_ERROR) {
    code = lastError;
  }
  if (text == NULL) {
    text = L"";
  }

  SystemMessage system;
  LoadSystemMessage(&system, code);
  const WCHAR *message = system.text;

  int length = RollLog(DebugLog, lstrlenW(DebugLog), lstrlenW(text), lstrlenW(message), DebugLogChars);
  int written = wsprintfW(DebugLog + length, L"%5d.%02d.%02d.%02d.%02d.%02d.%03d %s : %s", now.wYear, now.wMonth, now.wDay,
            now.wHour, now.wMinute, now.wSecond, now.wMilliseconds, text, message);
  // wsprintfW stops at 1024 characters; make sure a cut entry still ends the text.
  if (written < 0) {
    written = 0;
  } else if (written > EntryLimit - 1) {
    written = EntryLimit - 1;
  }
  DebugLog[length + written] = L'\0';
  FreeSystemMessage(&system);
  RefreshLogPane();
  // Callers may read the last error after logging it.
  SetLastError(lastError);
}
