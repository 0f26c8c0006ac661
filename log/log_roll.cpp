#include "log/log_roll.h"

#include <string.h>

int RollLog(wchar_t *log, int length, int textLength, int messageLength, int capacity) {
  long long need = static_cast<long long>(textLength) + LogEntryReserve + messageLength;
  if (length + need > capacity) {
    long long kept = length - need;
    if (kept <= 0) {
      length = 0;
    } else {
      memmove(log, log + need, static_cast<size_t>(kept) * sizeof(wchar_t));
      length = static_cast<int>(kept);
    }
  }
  log[length] = L'\0';
  return length;
}
