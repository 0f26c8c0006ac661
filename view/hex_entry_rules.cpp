#include "view/hex_entry_rules.h"

// Virtual-key codes, spelled out so that this file needs no window-system header.
enum {
  KeyBack = 0x08,
  KeyTab = 0x09,
  KeyReturn = 0x0D,
  KeyEscape = 0x1B,
  KeySpace = 0x20,
  KeyHome = 0x24,
  KeyLeft = 0x25,
  KeyUp = 0x26,
  KeyRight = 0x27,
  KeyDown = 0x28,
};

struct KeyRemap {
  unsigned pressed;
  unsigned becomes;
};

static const KeyRemap NavigationKeys[] = {
    {KeyBack, KeyLeft},  {KeyTab, KeyRight}, {KeyReturn, KeyDown}, {KeyEscape, KeyHome},
    {KeySpace, KeyRight}, {'H', KeyLeft},     {'J', KeyDown},       {'K', KeyUp},
    {'L', KeyRight},     {'W', KeyRight},
};

NavigationKey MapNavigationKey(unsigned keyCode) {
  NavigationKey key = {keyCode, false};
  for (unsigned i = 0; i < sizeof NavigationKeys / sizeof NavigationKeys[0]; ++i) {
    if (NavigationKeys[i].pressed == keyCode) {
      key.keyCode = NavigationKeys[i].becomes;
      key.remapped = true;
      break;
    }
  }
  return key;
}

uintptr_t RewriteKeyData(uintptr_t keyData, unsigned scanCode, bool remapped) {
  const uintptr_t scanField = 0x00FF0000u;
  const uintptr_t extendedFlag = 0x01000000u;
  keyData = (keyData & ~scanField) | ((static_cast<uintptr_t>(scanCode) & 0xFFu) << 16);
  if (remapped) {
    keyData |= extendedFlag;
  }
  return keyData;
}

bool IsHexDigitChar(unsigned c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool IsEditableHexDigit(const wchar_t *text, int length, int position) {
  if (text == 0 || position < 0 || position >= length) {
    return false;
  }
  if (!IsHexDigitChar(static_cast<unsigned>(text[position]))) {
    return false;
  }
  // Compare with what is left rather than position + n, which could overflow.
  int remaining = length - position;
  if (remaining > 1 && text[position + 1] == L' ') {
    return true;
  }
  return remaining > 2 && text[position + 2] == L' ';
}
