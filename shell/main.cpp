#include <windows.h>

#include "shell/startup.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show) {
  (void)previous;
  (void)commandLine;
  (void)show;
  return TarnwickMain(instance);
}
