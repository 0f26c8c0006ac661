// Decisions of the overwrite-only hex entry, free of window-system calls.
#ifndef TARNWICK_VIEW_HEX_ENTRY_RULES_H
#define TARNWICK_VIEW_HEX_ENTRY_RULES_H

#include <stdint.h>

struct NavigationKey {
  unsigned keyCode; // virtual-key code to use
  bool remapped;    // true when keyCode differs from the key pressed
};

// H J K L W, Space, Tab, Enter, Esc and Backspace become caret-movement keys.
NavigationKey MapNavigationKey(unsigned keyCode);

// Key-message data with the scan-code field (bits 16-23) replaced by the low byte of
// scanCode and, for a remapped key, the extended-key flag (bit 24) set. No other bit changes.
uintptr_t RewriteKeyData(uintptr_t keyData, unsigned scanCode, bool remapped);

bool IsHexDigitChar(unsigned c);

// True when text[position] is a hex digit and the character one or two places after it
// is a space. Positions at or past length count as neither.
bool IsEditableHexDigit(const wchar_t *text, int length, int position);

#endif
