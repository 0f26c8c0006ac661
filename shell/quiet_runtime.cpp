// The C runtime's start-up code reports a broken image on stderr before it aborts. This
// program has no console and imports nothing that writes to a file or a device, so those
// reports go nowhere: these definitions stand in for the library's stream writers.
// (No <stdio.h>: it brings inline definitions of its own.)
#include <stdarg.h>
#include <stddef.h>

extern "C" {

size_t __cdecl fwrite(const void *, size_t, size_t, void *) { return 0; }

int __cdecl fprintf(void *, const char *, ...) { return 0; }

int __cdecl vfprintf(void *, const char *, va_list) { return 0; }
}
