// End-to-end driver: finds the running program's windows by class name and talks to them
// only through window messages, as the user's input and the window manager would.
//   driver wait-ready REPORTS [VIEWS] wait until REPORTS volumes are reported and each one that
//                                     was read has its view (VIEWS: how many that must be)
//   driver check EXPECTED_FILE        check views, dumps, log, layout, menu help and keys
//   driver frames                     print the number of frame windows
//   driver open-debug                 turn the debug pane on
//   driver save-log FILE              write the log pane's text (UTF-8)
//   driver exit                       choose File > Exit until the frame is gone and the
//                                     program has ended; print the time it took
//   driver icons                      check that every view is an icon in its own place along
//                                     the bottom of the MDI client
//   driver restore                    restore the view of the first drive letter, above the
//                                     icons
//   driver time-to-ready PROGRAM      start PROGRAM, choose Exit as soon as it is taken, print ms
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "view/hex_dump.h"

namespace {

const wchar_t FrameClass[] = L"Tarnwick{6F2A91C4-73D8-4E05-B1A6-C93E0D57F218}";
const wchar_t ViewClass[] = L"HexEdit{6F2A91C4-73D8-4E05-B1A6-C93E0D57F218}";
const wchar_t SizeBarClass[] = L"SizeBar{6F2A91C4-73D8-4E05-B1A6-C93E0D57F218}";

int Passed;
int Failed;

void Check(bool ok, const char *what, const std::wstring &detail = L"") {
  if (ok) {
    ++Passed;
    printf("ok   %s\n", what);
  } else {
    ++Failed;
    printf("FAIL %s %ls\n", what, detail.c_str());
  }
  fflush(stdout);
}

std::wstring Text(HWND window) {
  LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 2, L'\0');
  SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(length + 1), reinterpret_cast<LPARAM>(buffer.data()));
  return buffer.data();
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

HWND Frame() { return FindWindowW(FrameClass, nullptr); }

HWND Child(HWND parent, int id) { return GetDlgItem(parent, id); }

std::vector<HWND> Views(HWND frame) {
  std::vector<HWND> views;
  HWND client = Child(frame, 6);
  for (HWND child = GetWindow(client, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassOf(child) == ViewClass) views.push_back(child);
  }
  return views;
}

HWND EditOf(HWND view) { return GetWindow(view, GW_CHILD); }

std::vector<std::wstring> Lines(const std::wstring &text) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(L"\r\n", start);
    if (end == std::wstring::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// " 2002.03.05.09.04.07.045 " : year in five columns, then six two- or three-digit fields.
bool HasTimeStamp(const std::wstring &line) {
  const wchar_t *shape = L"#####.##.##.##.##.##.### ";
  if (line.size() < 25) return false;
  for (size_t i = 0; i < 25; ++i) {
    wchar_t c = line[i];
    if (shape[i] == L'#') {
      if (!(iswdigit(c) || (i == 0 && c == L' '))) return false;
    } else if (c != shape[i]) {
      return false;
    }
  }
  return true;
}

// Report lines "X: \\?\Volume{...} FILESYSTEM : message"; only a volume that was read gets a view.
struct Reports {
  int lines;
  int read;
};

Reports ReportsIn(HWND frame) {
  Reports reports = {0, 0};
  for (const std::wstring &line : Lines(Text(Child(frame, 8)))) {
    if (line.find(L": \\\\?\\Volume{") == std::wstring::npos) continue;
    ++reports.lines;
    if (line.find(L"} Read Error : ") == std::wstring::npos) ++reports.read;
  }
  return reports;
}

RECT ClientRectIn(HWND frame, HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, frame, reinterpret_cast<POINT *>(&rect), 2);
  return rect;
}

std::wstring VolumeName(wchar_t letter) {
  wchar_t name[64];
  swprintf(name, 64, L"\\\\?\\Volume{00000000-0000-0000-0000-0000000000%02x}", static_cast<unsigned>(letter));
  return name;
}

struct Expected {
  wchar_t letter;
  std::wstring fsName;  // "Read Error" for a volume without a view
  std::wstring image;   // Windows path of the image, empty when unreadable
};

// Lines "L|filesystem|Z:\path\to\image" (image empty for unreadable volumes), UTF-8.
std::vector<Expected> ReadExpected(const char *path) {
  std::vector<Expected> expected;
  FILE *file = fopen(path, "rb");
  if (file == nullptr) return expected;
  char line[1024];
  while (fgets(line, sizeof line, file) != nullptr) {
    std::string text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    size_t first = text.find('|');
    size_t second = text.find('|', first + 1);
    if (first == std::string::npos || second == std::string::npos) continue;
    wchar_t wide[1024];
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide, 1024);
    std::wstring w(wide);
    expected.push_back({w[0], w.substr(first + 1, second - first - 1), w.substr(second + 1)});
  }
  fclose(file);
  return expected;
}

std::wstring DumpOfImage(const std::wstring &image) {
  HANDLE file = CreateFileW(image.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return L"(cannot open " + image + L")";
  std::vector<unsigned char> bytes(4096, 0);
  DWORD read = 0;
  ReadFile(file, bytes.data(), 4096, &read, nullptr);
  CloseHandle(file);
  std::vector<wchar_t> text(256 * HexDumpLineChars + 1);
  FormatHexDump(text.data(), bytes.data(), 4096);
  return text.data();
}

HWND ViewTitled(HWND frame, const std::wstring &title) {
  for (HWND view : Views(frame)) {
    if (Text(view) == title) return view;
  }
  return nullptr;
}

void CheckViewsAndLog(HWND frame, const std::vector<Expected> &expected) {
  std::wstring log = Text(Child(frame, 8));
  size_t readable = 0;
  for (const Expected &volume : expected) {
    std::wstring title = std::wstring(1, volume.letter) + L": " + VolumeName(volume.letter) + L" " + volume.fsName;
    std::string label = "volume " + std::string(1, static_cast<char>(volume.letter)) + ":";
    HWND view = ViewTitled(frame, title);
    bool hasReport = false;
    for (const std::wstring &line : Lines(log)) {
      if (line.size() > 25 && line.compare(25, title.size() + 3, title + L" : ") == 0) hasReport = true;
    }
    Check(hasReport, (label + " has its report line").c_str(), title);
    if (volume.image.empty()) {
      Check(view == nullptr, (label + " unreadable: no view").c_str());
      continue;
    }
    ++readable;
    Check(view != nullptr, (label + " view with exact title").c_str(), title);
    if (view == nullptr) continue;
    Check(IsIconic(view) != 0, (label + " view starts minimised").c_str());
    std::wstring shown = Text(EditOf(view)), dump = DumpOfImage(volume.image);
    size_t differs = 0;
    while (differs < shown.size() && differs < dump.size() && shown[differs] == dump[differs]) ++differs;
    Check(shown == dump, (label + " view shows the dump of the first 4096 bytes").c_str(),
          L"first difference at " + std::to_wstring(differs) + L": " + dump.substr(0, 40));
  }
  Check(Views(frame).size() == readable, "one view per readable volume, no other");

  std::vector<std::wstring> lines = Lines(log);
  bool allStamped = !lines.empty();
  for (const std::wstring &line : lines) {
    if (!HasTimeStamp(line) || line.find(L" : ") == std::wstring::npos) {
      allStamped = false;
      printf("     log line: %ls\n", line.c_str());
    }
  }
  Check(allStamped, "every log line is time stamped and has a message");
}

void CheckLayout(HWND frame, bool open) {
  HWND client = Child(frame, 6), bar = Child(frame, 5), status = Child(frame, 7), pane = Child(frame, 8);
  RECT frameClient;
  GetClientRect(frame, &frameClient);
  RECT c = ClientRectIn(frame, client), b = ClientRectIn(frame, bar), s = ClientRectIn(frame, status),
       p = ClientRectIn(frame, pane);
  Check(s.bottom == frameClient.bottom && s.left == 0 && s.right == frameClient.right, "status bar at the bottom");
  Check(c.top == 0 && c.left == 0 && c.right == frameClient.right, "MDI client at the top, full width");
  if (!open) {
    Check(!IsWindowVisible(bar) && !IsWindowVisible(pane), "debug pane closed: bar and pane hidden");
    Check(c.bottom == s.top, "debug pane closed: MDI client reaches the status bar");
    return;
  }
  int height = 5 * GetSystemMetrics(SM_CYHSCROLL);
  Check(IsWindowVisible(bar) && IsWindowVisible(pane), "debug pane open: bar and pane shown");
  Check(c.bottom == b.top && b.bottom - b.top == 5 && b.bottom == p.top && p.bottom == s.top,
        "debug pane open: client, 5-pixel bar, pane, status bar stacked");
  Check(p.bottom - p.top == height - 5, "debug pane open at 5 scroll-bar heights");
}

void CheckMenuHelp(HWND frame) {
  HWND status = Child(frame, 7);
  struct {
    UINT id;
    UINT flags;
    const wchar_t *text;
  } const cases[] = {
      {500, MF_STRING, L"Write current changes to disk (DANGEROUS!!!)"},
      {902, MF_STRING, L"Tile windows as wide as possible"},
      {40002, MF_STRING, L"Make window 3 the current active window"},
      {0, MF_POPUP, L""},
      {1000, MF_STRING, L"Displays current version and author contact info"},
      {0, 0xFFFF, L""},
  };
  for (const auto &c : cases) {
    SendMessageW(frame, WM_MENUSELECT, MAKEWPARAM(c.id, c.flags), 0);
    Check(Text(status) == c.text, "menu help in the status bar", L"id " + std::to_wstring(c.id) + L": " + Text(status));
  }
}

// Every view is an icon with a place of its own inside the MDI client, in the rows that
// minimised windows fill from its bottom edge up.
int CheckIcons() {
  HWND frame = Frame();
  if (frame == nullptr) {
    printf("FAIL no frame window\n");
    return 1;
  }
  HWND client = Child(frame, 6);
  RECT area;
  GetClientRect(client, &area);
  std::vector<RECT> icons;
  bool ok = true;
  for (HWND view : Views(frame)) {
    RECT icon;
    GetWindowRect(view, &icon);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT *>(&icon), 2);
    RECT inside, overlap;
    bool placed = IsIconic(view) && IntersectRect(&inside, &icon, &area) && EqualRect(&inside, &icon) &&
                  2 * icon.bottom > area.bottom;
    for (const RECT &other : icons) placed = placed && !IntersectRect(&overlap, &icon, &other);
    if (!placed) printf("     %ls at (%ld,%ld)-(%ld,%ld)\n", Text(view).c_str(), icon.left, icon.top, icon.right, icon.bottom);
    ok = ok && placed;
    icons.push_back(icon);
  }
  bool bottom = false;
  for (const RECT &icon : icons) bottom = bottom || icon.bottom == area.bottom;
  if (!ok || !bottom || icons.empty()) {
    printf("FAIL %d views are not icons in places of their own along the bottom of the %ldx%ld MDI client\n",
           static_cast<int>(icons.size()), area.right, area.bottom);
    return 1;
  }
  printf("ok   %d icons in places of their own along the bottom of the MDI client\n", static_cast<int>(icons.size()));
  return 0;
}

// Restores the view of the first drive letter, as a double-click on its icon would.
int RestoreFirstView() {
  HWND frame = Frame();
  HWND first = nullptr;
  if (frame != nullptr) {
    for (HWND view : Views(frame)) {
      if (first == nullptr || Text(view) < Text(first)) first = view;
    }
  }
  if (first == nullptr) {
    printf("FAIL no view to restore\n");
    return 1;
  }
  HWND client = Child(frame, 6);
  SendMessageW(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(first), 0);
  if (IsIconic(first)) {
    printf("FAIL %ls stayed an icon\n", Text(first).c_str());
    return 1;
  }
  // Its bottom edge dragged up to the top row of icons, so that every other view shows.
  RECT area, view;
  GetClientRect(client, &area);
  GetWindowRect(first, &view);
  MapWindowPoints(nullptr, client, reinterpret_cast<POINT *>(&view), 2);
  LONG icons = area.bottom;
  for (HWND other : Views(frame)) {
    RECT icon;
    GetWindowRect(other, &icon);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT *>(&icon), 2);
    if (IsIconic(other) && icon.top < icons) icons = icon.top;
  }
  printf("%ls restored at (%ld,%ld)-(%ld,%ld) in the %ldx%ld MDI client, icons from y=%ld\n", Text(first).c_str(),
         view.left, view.top, view.right, view.bottom, area.right, area.bottom, icons);
  if (view.bottom > icons) {
    SetWindowPos(first, nullptr, 0, 0, view.right - view.left, icons - view.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(first, &view);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT *>(&view), 2);
    printf("sized to (%ld,%ld)-(%ld,%ld)\n", view.left, view.top, view.right, view.bottom);
  }
  if (view.bottom > icons) {
    printf("FAIL %ls covers the icons from y=%ld down to y=%ld\n", Text(first).c_str(), icons, view.bottom);
    return 1;
  }
  return 0;
}

// Posted keys are handled by the program's own loop in their order: wait until it shows.
template <typename Condition> bool WaitFor(Condition done) {
  for (int i = 0; i < 500 && !done(); ++i) Sleep(10);
  return done();
}

// The packed result, since pointers into this process mean nothing to the program.
DWORD Selection(HWND edit) { return LOWORD(SendMessageW(edit, EM_GETSEL, 0, 0)); }

void PostKey(HWND edit, UINT key) {
  UINT scan = MapVirtualKeyW(key, 0);
  PostMessageW(edit, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
  PostMessageW(edit, WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | (1u << 30) | (1u << 31)));
}

// Moves the caret with a remapped key and waits for it: everything posted before has
// been handled by then, the characters of earlier keys included.
bool MoveAndWait(HWND edit, UINT key, int move) {
  DWORD target = static_cast<DWORD>(static_cast<int>(Selection(edit)) + move);
  PostKey(edit, key);
  return WaitFor([&] { return Selection(edit) == target; });
}

void CheckKeys(HWND frame) {
  std::vector<HWND> views = Views(frame);
  if (views.empty()) {
    Check(false, "keys: a view to type into");
    return;
  }
  HWND edit = EditOf(views[0]);
  std::wstring before = Text(edit);
  // Line 1, first digit of byte 0: column 5 of the second line. Typing a digit that differs.
  DWORD position = HexDumpLineChars + 5;
  UINT digit = before[position] == L'a' ? '7' : 'A';
  wchar_t typed = digit == 'A' ? L'a' : L'7'; // posted keys carry no Shift state
  SendMessageW(edit, EM_SETSEL, position, position);
  PostKey(edit, digit);
  WaitFor([&] { return Text(edit) != before; });
  std::wstring after = Text(edit);
  size_t changed = 0;
  for (size_t i = 0; i < before.size() && i < after.size(); ++i) changed += before[i] != after[i];
  Check(after.size() == before.size() && changed == 1 && after[position] == typed,
        "a hex digit key overwrites exactly one digit", L"changed " + std::to_wstring(changed));
  Check(WaitFor([&] { return Selection(edit) == position + 1; }), "the caret moves past the typed digit");

  PostKey(edit, 'G'); // not a hex digit: dropped
  bool moved = MoveAndWait(edit, 'L', +1);
  Check(moved && Text(edit) == after, "a non-hex key changes nothing");

  struct {
    UINT key;
    int move;
    const char *what;
  } const moves[] = {
      {'H', -1, "H moves left"}, {'L', +1, "L moves right"},  {VK_BACK, -1, "Backspace moves left"},
      {'W', +1, "W moves right"}, {VK_SPACE, +1, "Space moves right"}, {'J', HexDumpLineChars, "J moves down"},
      {'K', -HexDumpLineChars, "K moves up"}, {VK_RETURN, HexDumpLineChars, "Enter moves down"},
      {VK_TAB, +1, "Tab moves right"},
  };
  for (const auto &m : moves) {
    DWORD from = Selection(edit);
    Check(MoveAndWait(edit, m.key, m.move), m.what,
          L"from " + std::to_wstring(from) + L" to " + std::to_wstring(Selection(edit)));
  }
  PostKey(edit, VK_ESCAPE);
  Check(WaitFor([&] { return Selection(edit) % HexDumpLineChars == 0; }), "Esc moves to the start of the line");
  MoveAndWait(edit, 'L', +1);
  Check(Text(edit) == after, "moving keys typed nothing: no deletion, no line break");
}

// Views appear after their volumes' report lines, so the count of views is judged against the
// volumes read once every volume has been reported. views < 0: any number.
int WaitReady(int reports, int views) {
  Reports seen = {0, 0};
  int seenViews = 0;
  bool seenFrame = false;
  for (int i = 0; i < 600; ++i) {
    HWND frame = Frame();
    if (frame != nullptr) {
      seenFrame = true;
      seen = ReportsIn(frame);
      seenViews = static_cast<int>(Views(frame).size());
    }
    if (frame != nullptr && seen.lines >= reports && seenViews == seen.read) {
      bool filled = true;
      for (HWND view : Views(frame)) filled = filled && SendMessageW(EditOf(view), WM_GETTEXTLENGTH, 0, 0) > 0;
      if (filled) {
        Sleep(300);
        if (views >= 0 && seenViews != views) {
          printf("FAIL the scan ended with %d views where %d were expected (%d volumes reported)\n", seenViews,
                 views, seen.lines);
          return 1;
        }
        printf("ready: %d volumes reported, %d views\n", seen.lines, seenViews);
        return 0;
      }
    }
    Sleep(100);
  }
  if (seenFrame) {
    printf("FAIL the program did not finish its scan in a minute: %d of %d volumes reported, %d views for %d read\n",
           seen.lines, reports, seenViews, seen.read);
  } else {
    printf("FAIL the program showed no frame in a minute\n");
  }
  return 1;
}

// Exit is refused while the scan runs; offer it until the frame is gone, then wait for the
// program's process to end. Prints the time from the first offer to that end, which is the
// time Exit takes once the program is ready.
int Exit() {
  HANDLE process = nullptr;
  const DWORD start = GetTickCount();
  DWORD offered = start - 1000;
  HWND frame;
  while ((frame = Frame()) != nullptr && GetTickCount() - start < 60000) {
    if (process == nullptr) {
      DWORD id = 0;
      GetWindowThreadProcessId(frame, &id);
      process = OpenProcess(SYNCHRONIZE, FALSE, id);
    }
    if (GetTickCount() - offered >= 1000) {
      PostMessageW(frame, WM_COMMAND, MAKEWPARAM(IDM_FILE_EXIT, 0), 0);
      offered = GetTickCount();
    }
    Sleep(10);
  }
  const DWORD spent = GetTickCount() - start;
  bool ended = frame == nullptr &&
               (process == nullptr || (spent < 60000 && WaitForSingleObject(process, 60000 - spent) == WAIT_OBJECT_0));
  const DWORD took = GetTickCount() - start;
  if (process != nullptr) CloseHandle(process);
  if (!ended) {
    printf("FAIL File > Exit did not end the program within a minute\n");
    return 1;
  }
  printf("File > Exit ended the program in %lu ms\n", took);
  return 0;
}

// Exit is refused until the scan has finished, so the program ends right after it is ready:
// the time from start to its end, with Exit offered every millisecond, is start-to-ready.
// A start that shows no frame, does not end within a minute or ends with a code other than
// 0 gives no figure.
int TimeToReady(const wchar_t *program) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  std::wstring command = L"\"" + std::wstring(program) + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    printf("FAIL cannot start %ls\n", program);
    return 1;
  }
  bool seenFrame = false;
  DWORD started = GetTickCount();
  while (WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT) {
    HWND frame = Frame();
    if (frame != nullptr) {
      seenFrame = true;
      PostMessageW(frame, WM_COMMAND, MAKEWPARAM(IDM_FILE_EXIT, 0), 0);
    }
    if (GetTickCount() - started > 60000) {
      TerminateProcess(process.hProcess, 1);
      printf("FAIL %ls did not end within a minute of its start\n", program);
      return 1;
    }
  }
  QueryPerformanceCounter(&end);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (!seenFrame || code != 0) {
    printf("FAIL %ls ended with exit code %lu%s\n", program, code, seenFrame ? "" : " without showing a frame");
    return 1;
  }
  printf("%.1f\n", 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
  return 0;
}

int CountFrames() {
  int count = 0;
  for (HWND w = FindWindowW(FrameClass, nullptr); w != nullptr; w = FindWindowExW(nullptr, w, FrameClass, nullptr)) {
    ++count;
  }
  return count;
}

int SaveLog(const wchar_t *path) {
  HWND frame = Frame();
  if (frame == nullptr) return 1;
  std::wstring log = Text(Child(frame, 8));
  int bytes = WideCharToMultiByte(CP_UTF8, 0, log.c_str(), static_cast<int>(log.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, log.c_str(), static_cast<int>(log.size()), &utf8[0], bytes, nullptr, nullptr);
  FILE *file = _wfopen(path, L"wb");
  if (file == nullptr) return 1;
  fwrite(utf8.data(), 1, utf8.size(), file);
  fclose(file);
  return 0;
}

// Caption buttons draw their symbols from Marlett; a prefix without it shows digits and letters.
void CheckCaptionFont() {
  HDC dc = GetDC(nullptr);
  HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SYMBOL_CHARSET, 0, 0, 0, 0, L"Marlett");
  HGDIOBJ old = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  Check(lstrcmpW(face, L"Marlett") == 0, "caption buttons have their font, Marlett", face);
}

int RunChecks(const char *expectedFile) {
  HWND frame = Frame();
  if (frame == nullptr) {
    printf("FAIL no frame window\n");
    return 1;
  }
  std::vector<Expected> expected = ReadExpected(expectedFile);
  Check(!expected.empty(), "expected volumes were given");
  Check(CountFrames() == 1, "exactly one frame");
  Check(Text(frame) == L"Tarnwick", "frame title");
  Check(ClassOf(Child(frame, 5)) == SizeBarClass && ClassOf(Child(frame, 6)) == L"MDIClient" &&
            ClassOf(Child(frame, 7)) == L"msctls_statusbar32" && ClassOf(Child(frame, 8)) == L"Edit",
        "frame children by id", ClassOf(Child(frame, 6)));
  CheckCaptionFont();
  CheckViewsAndLog(frame, expected);
  CheckLayout(frame, false);
  SendMessageW(frame, WM_COMMAND, MAKEWPARAM(IDM_WINDOW_DEBUG, 0), 0);
  CheckLayout(frame, true);
  CheckMenuHelp(frame);
  CheckKeys(frame);
  SendMessageW(frame, WM_COMMAND, MAKEWPARAM(IDM_WINDOW_DEBUG, 0), 0);
  CheckLayout(frame, false);
  printf("%d passed, %d failed\n", Passed, Failed);
  return Failed == 0 ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t **argv) {
  if (argc >= 3 && lstrcmpW(argv[1], L"wait-ready") == 0) {
    return WaitReady(_wtoi(argv[2]), argc >= 4 ? _wtoi(argv[3]) : -1);
  }
  if (argc >= 3 && lstrcmpW(argv[1], L"check") == 0) {
    char path[MAX_PATH];
    WideCharToMultiByte(CP_ACP, 0, argv[2], -1, path, MAX_PATH, nullptr, nullptr);
    return RunChecks(path);
  }
  if (argc >= 2 && lstrcmpW(argv[1], L"frames") == 0) {
    printf("%d\n", CountFrames());
    return 0;
  }
  if (argc >= 2 && lstrcmpW(argv[1], L"open-debug") == 0) {
    HWND frame = Frame();
    if (frame == nullptr) return 1;
    if (!IsWindowVisible(Child(frame, 8))) {
      SendMessageW(frame, WM_COMMAND, MAKEWPARAM(IDM_WINDOW_DEBUG, 0), 0);
    }
    return 0;
  }
  if (argc >= 3 && lstrcmpW(argv[1], L"save-log") == 0) return SaveLog(argv[2]);
  if (argc >= 2 && lstrcmpW(argv[1], L"exit") == 0) return Exit();
  if (argc >= 2 && lstrcmpW(argv[1], L"icons") == 0) return CheckIcons();
  if (argc >= 2 && lstrcmpW(argv[1], L"restore") == 0) return RestoreFirstView();
  if (argc >= 3 && lstrcmpW(argv[1], L"time-to-ready") == 0) return TimeToReady(argv[2]);
  printf("usage: driver wait-ready REPORTS [VIEWS] | check FILE | frames | open-debug | save-log FILE | exit |\n"
         "              icons | restore | time-to-ready PROGRAM\n");
  return 2;
}
