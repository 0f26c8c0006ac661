// Hex dump text of a volume's first bytes: one 71-character line per 16 bytes.
#ifndef TARNWICK_VIEW_HEX_DUMP_H
#define TARNWICK_VIEW_HEX_DUMP_H

enum {
  HexDumpBytesPerLine = 16,
  HexDumpLineChars = 71, // offset 4, sixteen " xx" 48, space 1, characters 16, CR LF 2
};

// Writes the dump of data[0 .. count) rounded up to whole lines of 16 bytes, then a
// terminator. Writes nothing when count <= 0. out must hold
// ceil(count / 16) * 71 + 1 characters; data must hold ceil(count / 16) * 16 bytes.
void FormatHexDump(wchar_t *out, const unsigned char *data, int count);

#endif
