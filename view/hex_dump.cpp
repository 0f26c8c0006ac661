#include "view/hex_dump.h"

static const wchar_t HexDigits[] = L"0123456789abcdef";

static wchar_t *PutHexByte(wchar_t *out, unsigned value) {
  out[0] = HexDigits[(value >> 4) & 0xF];
  out[1] = HexDigits[value & 0xF];
  return out + 2;
}

// "%04x": at least four lower-case digits, more when the offset needs them.
static wchar_t *PutOffset(wchar_t *out, unsigned offset) {
  int digits = 4;
  while (digits < 8 && (offset >> (4 * digits)) != 0) {
    ++digits;
  }
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
    *out++ = HexDigits[(offset >> shift) & 0xF];
  }
  return out;
}

// Printable ASCII and the Latin-1 range 0xA0-0xFE stand for themselves; the rest is '.'.
static wchar_t DumpChar(unsigned char byte) {
  bool printable = (byte >= 0x20 && byte <= 0x7E) || (byte >= 0xA0 && byte <= 0xFE);
  return printable ? static_cast<wchar_t>(byte) : L'.';
}

void FormatHexDump(wchar_t *out, const unsigned char *data, int count) {
  if (count <= 0) {
    return;
  }
  for (int line = 0; line < count; line += HexDumpBytesPerLine) {
    const unsigned char *bytes = data + line;
    out = PutOffset(out, static_cast<unsigned>(line));
    for (int i = 0; i < HexDumpBytesPerLine; ++i) {
      *out++ = L' ';
      out = PutHexByte(out, bytes[i]);
    }
    *out++ = L' ';
    for (int i = 0; i < HexDumpBytesPerLine; ++i) {
      *out++ = DumpChar(bytes[i]);
    }
    *out++ = L'\r';
    *out++ = L'\n';
  }
  *out = L'\0';
}
