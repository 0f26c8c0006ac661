// Start-up: single instance, window classes, frame and MDI client, volume scan, main loop.
#ifndef TARNWICK_SHELL_STARTUP_H
#define TARNWICK_SHELL_STARTUP_H

#include <windows.h>

#include "scan/volume_scan.h"

// Exit codes of a start that failed; each failure is also shown in a message box.
enum {
  StartupClassesFailed = 1, // a window class could not be registered
  StartupFrameFailed = 2,   // the frame window could not be created
  StartupScanFailed = 3,    // volume enumeration could not start
};

// The whole program. Returns 0 after the frame has been closed and when a running
// instance took over; one of the codes above when the start failed.
int TarnwickMain(HINSTANCE instance);

// Finds a running frame by its class (string 2); restores it when minimised and brings
// it to the foreground. TRUE when one was found.
BOOL ActivateRunningInstance(HINSTANCE instance);
// The first popup of bar holding command 904, else bar itself.
HMENU FindWindowMenu(HMENU bar);
// Creates MdiClient inside frame, its window list in windowMenu from id 40000.
HWND CreateMdiClient(HWND frame, HMENU windowMenu);
// Dispatches every queued message without waiting; keys are translated for their own window.
void PumpPendingMessages(HACCEL accelerators);
// Opens the view of a readable volume and hands it the dump of its first 4096 bytes.
void PresentVolume(VolumeRecord *record);

#endif
