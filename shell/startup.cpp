#include "shell/startup.h"

#include <commctrl.h>

#include "log/debug_log.h"
#include "res/resource.h"
#include "scan/fs_signature.h"
#include "shell/frame_window.h"
#include "shell/shell_globals.h"
#include "shell/size_bar.h"
#include "view/hex_dump.h"
#include "view/volume_view.h"

enum { DumpBytes = 4096 };

// The accelerator table for the scan's message pump, which takes no arguments.
static HACCEL StartupAccelerators;

BOOL ActivateRunningInstance(HINSTANCE instance) {
  WCHAR className[RESOURCE_STRING_CHARS];
  if (!LoadStringW(instance, IDS_FRAME_CLASS, className, RESOURCE_STRING_CHARS)) return FALSE;
  HWND running = FindWindowW(className, NULL);
  if (!running) return FALSE;
  if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
  SetForegroundWindow(running);
  return TRUE;
}

static BOOL RegisterClasses(HINSTANCE instance) {
  return RegisterFrameClass(instance) && RegisterSizeBarClass(instance) &&
         RegisterVolumeViewClass(instance);
}

static HWND CreateFrame(HINSTANCE instance) {
  WCHAR className[RESOURCE_STRING_CHARS];
  WCHAR title[RESOURCE_STRING_CHARS];
  if (!LoadStringW(instance, IDS_FRAME_CLASS, className, RESOURCE_STRING_CHARS)) return NULL;
  if (!LoadStringW(instance, IDS_FRAME_TITLE, title, RESOURCE_STRING_CHARS)) title[0] = 0;
  return CreateWindowExW(WS_EX_ACCEPTFILES, className, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                         CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, NULL, NULL, instance, NULL);
}

HMENU FindWindowMenu(HMENU bar) {
  int count = bar ? GetMenuItemCount(bar) : 0;
  for (int i = 0; i < count; ++i) {
    HMENU popup = GetSubMenu(bar, i);
    if (popup && GetMenuState(popup, IDM_WINDOW_ARRANGE_ICONS, MF_BYCOMMAND) != 0xFFFFFFFF) return popup;
  }
  return bar;
}

HWND CreateMdiClient(HWND frame, HMENU windowMenu) {
  CLIENTCREATESTRUCT create;
  create.hWindowMenu = windowMenu;
  create.idFirstChild = IDM_WINDOW_LIST_FIRST;
  HINSTANCE instance = (HINSTANCE)GetWindowLongPtrW(frame, GWLP_HINSTANCE);
  return CreateWindowExW(0, L"MDICLIENT", NULL,
                         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL,
                         CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, frame, (HMENU)(INT_PTR)MdiClientId, instance,
                         &create);
}

static void DispatchUnlessTranslated(MSG *msg, HWND acceleratorWindow, HACCEL accelerators) {
  if (TranslateMDISysAccel(MdiClient, msg)) return;
  if (TranslateAcceleratorW(acceleratorWindow, accelerators, msg)) return;
  TranslateMessage(msg);
  DispatchMessageW(msg);
}

void PumpPendingMessages(HACCEL accelerators) {
  MSG msg;
  while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) DispatchUnlessTranslated(&msg, msg.hwnd, accelerators);
}

static void PumpStartupMessages(void) {
  PumpPendingMessages(StartupAccelerators);
}

void PresentVolume(VolumeRecord *record) {
  if (record->fsIndex == FsReadError || !record->textBuffer || !record->probeBuffer) return;
  HWND view = MdiClient ? CreateVolumeView(MdiClient, record->textBuffer) : NULL;
  FormatHexDump(record->textBuffer, record->probeBuffer, DumpBytes);
  if (view) SendMessageW(view, WM_SETVIEWTEXT, 0, (LPARAM)record->textBuffer);
}

static void RunMainLoop(HACCEL accelerators) {
  MSG msg;
  // GetMessageW gives -1 on a failure that would repeat forever; treat it as the end.
  while (GetMessageW(&msg, NULL, 0, 0) > 0) DispatchUnlessTranslated(&msg, FrameWindow, accelerators);
}

// Tells the user what stopped the start, with the system's text for error, over the frame
// when there is one; gives back exitCode.
static int FailStartup(HINSTANCE instance, int exitCode, const WCHAR *what, DWORD error) {
  WCHAR title[RESOURCE_STRING_CHARS];
  if (!LoadStringW(instance, IDS_FRAME_TITLE, title, RESOURCE_STRING_CHARS)) title[0] = 0;
  SystemMessage system;
  LoadSystemMessage(&system, error);
  WCHAR text[1024 + 1]; // wsprintfW writes at most 1024 characters, then without a terminator
  int length = wsprintfW(text, L"Tarnwick %s\r\n\r\n%s", what, system.text);
  FreeSystemMessage(&system);
  if (length < 0) length = 0;
  if (length > 1024) length = 1024;
  text[length] = 0;
  while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n')) text[--length] = 0;
  MessageBoxW(FrameWindow, text, title, MB_OK | MB_ICONERROR);
  return exitCode;
}

// Critical errors come back to the program: an empty card-reader slot or optical drive fails
// the scan's open or read, which is logged, instead of holding the scan in the system's
// "No Disk" box. Every other bit of the mode, crash reporting included, stays as given.
static void FailCriticalErrorsQuietly(void) {
  UINT mode = SetErrorMode(SEM_FAILCRITICALERRORS);
  SetErrorMode(mode | SEM_FAILCRITICALERRORS);
}

int TarnwickMain(HINSTANCE instance) {
  FailCriticalErrorsQuietly();
  if (ActivateRunningInstance(instance)) return 0;
  if (!RegisterClasses(instance)) {
    DWORD error = GetLastError();
    return FailStartup(instance, StartupClassesFailed, L"could not register its window classes.", error);
  }
  InitCommonControls();

  FrameWindow = CreateFrame(instance);
  if (!FrameWindow) {
    DWORD error = GetLastError();
    return FailStartup(instance, StartupFrameFailed, L"could not create its main window.", error);
  }
  HMENU windowMenu = FindWindowMenu(GetMenu(FrameWindow));
  MdiClient = CreateMdiClient(FrameWindow, windowMenu);
  ShowWindow(FrameWindow, SW_SHOW);

  StartupAccelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
  if (!ScanVolumes(PumpStartupMessages)) {
    DWORD error = GetLastError();
    return FailStartup(instance, StartupScanFailed, L"could not list the disk volumes.", error);
  }
  ReportVolumes(PumpStartupMessages, PresentVolume);
  // A child created minimised need not get an icon place of its own (under Wine every one
  // lands at the client's top left): once all are made, line them up as a layout does.
  if (MdiClient) SendMessageW(MdiClient, WM_MDIICONARRANGE, 0, 0);
  ReadyFlag = 1;

  RunMainLoop(StartupAccelerators);
  return 0;
}
