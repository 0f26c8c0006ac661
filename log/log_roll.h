// Roll-over arithmetic of the diagnostic log, free of window-system calls.
#ifndef TARNWICK_LOG_LOG_ROLL_H
#define TARNWICK_LOG_LOG_ROLL_H

enum { LogEntryReserve = 32 }; // room for the 28 characters an entry adds, and the terminator

// Makes room in log (capacity characters, length in use) for an entry with a caller text
// of textLength and a message of messageLength characters. When the entry might not fit,
// textLength + 32 + messageLength characters are dropped from the front (everything when
// fewer are there). Returns the length at which the entry is to be written; the text
// before it is kept in order and terminated there.
int RollLog(wchar_t *log, int length, int textLength, int messageLength, int capacity);

#endif
