// The diagnostic log: one rolling, timestamped wide-character text shown in the log pane.
#ifndef TARNWICK_LOG_DEBUG_LOG_H
#define TARNWICK_LOG_DEBUG_LOG_H

#include <windows.h>

enum { DebugLogChars = 65536 };

// Code that asks LogEvent to take the thread's last-error value.
#define LOG_LAST_ERROR 0xFFFFFFFFu

extern WCHAR DebugLog[DebugLogChars];

// The edit control that shows the log; set by whoever creates it, null until then.
extern HWND LogPane;

// Local time source; tests replace it to fix the time stamp.
extern void(WINAPI *LogClock)(LPSYSTEMTIME);

// The system's text for an error code as the log shows it: FormatMessageW's own, or
// "Unknown error 0x%08X (%u)" and a line break when the system has none. Filled by LoadSystemMessage, its
// text valid until FreeSystemMessage; not to be copied.
struct SystemMessage {
  const WCHAR *text;
  WCHAR *allocated; // the system's allocation, or null
  WCHAR fallback[64];
};
void LoadSystemMessage(SystemMessage *message, DWORD code);
void FreeSystemMessage(SystemMessage *message);

// Appends "time text : system message" for code and refreshes the log pane.
void LogEvent(const WCHAR *text, DWORD code);

#endif
