// Checks every compiled-in resource against the expected tables: menu, accelerators,
// strings, About dialog, icons, version block, manifest and the resource language.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "res/resource.h"

namespace {

const WORD kUsEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// The built program, beside this test, loaded for its resources only.
HMODULE ProgramModule() {
    static HMODULE module = [] {
        wchar_t path[MAX_PATH];
        DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
        while (length > 0 && path[length - 1] != L'\\') --length;
        lstrcpynW(path + length, L"Tarnwick.exe", MAX_PATH - static_cast<int>(length));
        return LoadLibraryExW(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }();
    return module;
}

TEST(ResourceSet, ProgramIsLoadedForItsResources) {
    ASSERT_NE(ProgramModule(), nullptr) << "Tarnwick.exe must be built beside this test";
    EXPECT_NE(ProgramModule(), GetModuleHandleW(nullptr));
}

// ---------------------------------------------------------------- expected tables

struct MenuRow {
    UINT id;                 // 0 for a separator
    const wchar_t* caption;  // nullptr for a separator
    const wchar_t* help;     // help line: the string of the same id
};

#define SEPARATOR {0, nullptr, nullptr}

const MenuRow kFile[] = {
    {200, L"&Open...\tCtrl+O", L"Opens a file, volume, or device for reading"},
    {201, L"E&xit\tAlt+F4", L"Closes all windows discarding changes and exits"},
};
const MenuRow kEdit[] = {
    {300, L"&Undo\tCtrl+Z", L"Revert to state before last modification"},
    {301, L"&Redo\tCtrl+Y", L"Undo last undo operation"},
    SEPARATOR,
    {302, L"&Copy\tCtrl+C", L"Copies selected text to the clipboard without change"},
    {303, L"&Paste\tCtrl+V", L"Pastes text from clipboard into active edit window"},
    SEPARATOR,
    {304, L"Select A&ll\tCtrl+A", L"Selects all text in active edit window"},
    SEPARATOR,
    {305, L"&Find...\tCtrl+F", L"Find text in active edit window"},
    {306, L"R&eplace...\tCtrl+H", L"Find text in active edit window and replace"},
    {307, L"&Go To...\tCtrl+G", L"Jump to a specific point in active edit window"},
};
const MenuRow kRead[] = {
    {400, L"&Sectors...", L"Read from specified logical block"},
    {401, L"NTFS &File Record...", L"Read specfied NTFS file record from volume"},
    {402, L"NTFS C&lusters...", L"Read from specified cluster on NTFS volume"},
    {403, L"NTFS &Attribute...", L"Read specified NTFS attribute"},
    {404, L"FAT &Root...", L"Read FAT root from an open FAT volume"},
    {405, L"FAT &Chain...", L"Read FAT chain from an open FAT volume"},
    {406, L"F&ile...", L"Read specified file from an open volume"},
    {407, L"L&og Record...", L"Read NTFS log record from an open volume"},
    SEPARATOR,
    {408, L"&Previous\tAlt+Left", L"Jump to previously read item"},
    {409, L"&Next\tAlt+Right", L"Jump from previously read item to item next read"},
};
const MenuRow kWrite[] = {
    {500, L"&It", L"Write current changes to disk (DANGEROUS!!!)"},
};
const MenuRow kRelocate[] = {
    {600, L"&Sectors...", L"Relocate sectors"},
    {601, L"NTFS &File Record...", L"Relocate a filerecord in the MFT"},
    {602, L"NTFS C&lusters...", L"Relocate clusters on NTFS volume"},
    {603, L"FAT &Root...", L"Relocate FAT root"},
    {604, L"FAT &Chain...", L"Relocate FAT chain"},
    {605, L"F&ile...", L"Relocate or defragment a file"},
};
const MenuRow kView[] = {
    {712, L"F&ont...", L"Change the font used for the active view"},
    SEPARATOR,
    {700, L"&Bytes", L"Changes active view to hex-editor view"},
    {701, L"NTFS &File Record", L"Changes active view to FILE record"},
    {702, L"NTFS &Index Buffer", L"Changes active view to INDX record"},
    {703, L"NTFS &Attribute List", L"Changes active view to ATTR list"},
    {704, L"FAT Boot Sector", L"Changes active view to FAT bootsector"},
    {705, L"NTFS Boot Sector", L"Changes active view to NTFS bootsector"},
    {706, L"&Partition Table", L"Changes active view to MBR partation table"},
    {707, L"&Restart Area", L"Changes active view to NTFS restart area"},
    {708, L"R&ecord Page", L"Changes active view to NTFS record page"},
    {709, L"L&og Record", L"Changes active view to NTFS log record"},
    SEPARATOR,
    {710, L"&Last", L"Changes active view to last view"},
    SEPARATOR,
    {711, L"&Split", L"Adds secondary hex-editor view to active view"},
};
const MenuRow kCrack[] = {
    {800, L"&NTFS Path...", L"Finds NTFS path for cluster/block in active view"},
    {801, L"&FAT Path...", L"Finds FAT path for cluster/block in active view"},
    {802, L"&Backtrack NTFS FRS", L"Backtracks NTFS FRS for item in active view"},
    {803, L"&LSN", L"Find LSN for item in active view"},
    {804, L"Next L&SN", L"Calculate next LSN for a given LSN"},
};
const MenuRow kWindow[] = {
    {900, L"&Debug", L"Toggle debug view"},
    SEPARATOR,
    {901, L"&Cascade Windows", L"Cascade all open windows"},
    {902, L"Tile &Horizontal", L"Tile windows as wide as possible"},
    {903, L"Tile &Vertical", L"Tile windows as tall as possible"},
    SEPARATOR,
    {904, L"&Arrange Icons", L"Arrange icons"},
};
const MenuRow kHelp[] = {
    {1000, L"&About", L"Displays current version and author contact info"},
};

#undef SEPARATOR

struct PopupRow {
    const wchar_t* caption;
    const MenuRow* items;
    size_t count;
};

#define POPUP(caption, rows) {caption, rows, sizeof(rows) / sizeof(rows[0])}
const PopupRow kMenu[] = {
    POPUP(L"&File", kFile),     POPUP(L"&Edit", kEdit),   POPUP(L"&Read", kRead),
    POPUP(L"&Write", kWrite),   POPUP(L"Re&locate", kRelocate), POPUP(L"&View", kView),
    POPUP(L"&Crack", kCrack),   POPUP(L"&Window", kWindow), POPUP(L"&Help", kHelp),
};
#undef POPUP

struct AccelRow {
    WORD flags;  // as stored, end marker 0x80 included
    WORD key;
    WORD command;
};

const AccelRow kAccelerators[] = {
    {0x09, 0x4F, 200}, {0x09, 0x5A, 300}, {0x09, 0x59, 301}, {0x09, 0x43, 302},
    {0x09, 0x56, 303}, {0x09, 0x41, 304}, {0x09, 0x46, 305}, {0x01, 0x6F, 305},
    {0x09, 0x48, 306}, {0x09, 0x47, 307}, {0x11, 0x25, 408}, {0x91, 0x27, 409},
};

struct StringRow {
    UINT id;
    const wchar_t* text;
};

// Strings that are not help lines of menu items.
const StringRow kOtherStrings[] = {
    {1, L"Tarnwick"},
    {2, L"Tarnwick{6F2A91C4-73D8-4E05-B1A6-C93E0D57F218}"},
    {3, L"HexEdit{6F2A91C4-73D8-4E05-B1A6-C93E0D57F218}"},
    {4, L"SizeBar{6F2A91C4-73D8-4E05-B1A6-C93E0D57F218}"},
    {40000, L"Make window %d the current active window"},
};

const WORD kButtonAtom = 0x0080;
const WORD kStaticAtom = 0x0082;

struct ControlRow {
    WORD classAtom;
    WORD id;
    const wchar_t* text;  // nullptr: icon ordinal below
    WORD iconOrdinal;
    DWORD style;
    short x, y, cx, cy;
};

const DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
const wchar_t kRightsLine[] = L"(C) 2026 Tarnwick authors";

const ControlRow kAboutControls[] = {
    {kButtonAtom, IDOK, L"OK", 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 64, 54, 55, 14},
    {kStaticAtom, 0xFFFF, nullptr, 103, WS_CHILD | WS_VISIBLE | SS_ICON | SS_REALSIZEIMAGE, 9, 15, 21, 20},
    {kStaticAtom, 0xFFFF, L"Tarnwick", 0, kLabelStyle, 50, 9, 51, 10},
    {kStaticAtom, 0xFFFF, L"1.0.0.1 Prerelease Build", 0, kLabelStyle, 80, 9, 80, 10},
    {kStaticAtom, 0xFFFF, kRightsLine, 0, kLabelStyle, 50, 31, 108, 10},
    {kStaticAtom, 0xFFFF, L"Contact: the Tarnwick authors", 0, kLabelStyle, 50, 41, 113, 10},
};

struct IconRow {
    WORD id;
    BYTE size;
    WORD bitCount;
};

const IconRow kIcons[] = {{100, 32, 4}, {101, 16, 4}, {103, 48, 8}};

const wchar_t* const kVersionKeys[] = {
    L"Comments",     L"CompanyName",    L"FileDescription",  L"FileVersion",    L"InternalName",
    L"LegalCopyright", L"OriginalFilename", L"ProductName", L"ProductVersion",
};

// ---------------------------------------------------------------- helpers

struct RawResource {
    const BYTE* data;
    DWORD size;
};

// The resource in U.S. English, or {nullptr, 0}.
RawResource FindRaw(LPCWSTR type, WORD id) {
    HMODULE module = ProgramModule();
    HRSRC info = FindResourceExW(module, type, MAKEINTRESOURCEW(id), kUsEnglish);
    if (!info) return {nullptr, 0};
    HGLOBAL handle = LoadResource(module, info);
    return {static_cast<const BYTE*>(LockResource(handle)), SizeofResource(module, info)};
}

// Reads little-endian values from a raw resource, remembering any overrun.
struct Reader {
    const BYTE* data;
    size_t size;
    size_t pos;
    bool overrun;

    WORD Word() {
        WORD v = 0;
        if (pos + 2 > size) { overrun = true; pos = size; return 0; }
        std::memcpy(&v, data + pos, 2);
        pos += 2;
        return v;
    }
    DWORD Dword() {
        DWORD lo = Word();
        return lo | (static_cast<DWORD>(Word()) << 16);
    }
    short Short() { return static_cast<short>(Word()); }
    std::wstring String() {
        std::wstring s;
        for (WORD c = Word(); c != 0 && !overrun; c = Word()) s += static_cast<wchar_t>(c);
        return s;
    }
    void AlignDword() { pos = (pos + 3) & ~static_cast<size_t>(3); }
};

Reader ReaderOf(const RawResource& r) { return Reader{r.data, r.size, 0, false}; }

// A name-or-ordinal field of a dialog template.
struct SzOrOrd {
    bool ordinal;
    WORD value;
    std::wstring text;
};

SzOrOrd ReadSzOrOrd(Reader& r) {
    WORD first = r.Word();
    if (first == 0xFFFF) return {true, r.Word(), L""};
    if (first == 0) return {false, 0, L""};
    std::wstring s(1, static_cast<wchar_t>(first));
    s += r.String();
    return {false, 0, s};
}

std::string Narrow(const std::wstring& w) {
    std::string s;
    for (wchar_t c : w) s += (c >= 32 && c < 127) ? static_cast<char>(c) : (c == L'\t' ? '|' : '?');
    return s;
}

std::wstring NameText(LPCWSTR name) {
    return IS_INTRESOURCE(name) ? std::to_wstring(reinterpret_cast<UINT_PTR>(name)) : std::wstring(name);
}

std::vector<MenuRow> AllMenuItems() {
    std::vector<MenuRow> rows;
    for (const PopupRow& popup : kMenu)
        for (size_t i = 0; i < popup.count; ++i)
            if (popup.items[i].id != 0) rows.push_back(popup.items[i]);
    return rows;
}

// ---------------------------------------------------------------- tests

// Every resource is in U.S. English only, and the module holds no resource types
// or numbers beyond the expected set.
TEST(ResourceSet, InventoryIsUsEnglishOnly) {
    struct Found {
        std::map<UINT_PTR, std::set<std::wstring>> names;  // type -> names
        std::vector<std::wstring> problems;
    } found;
    HMODULE module = ProgramModule();
    struct Callbacks {
        static BOOL CALLBACK Lang(HMODULE, LPCWSTR type, LPCWSTR name, WORD lang, LONG_PTR param) {
            Found* f = reinterpret_cast<Found*>(param);
            if (lang != MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)) {
                f->problems.push_back(L"type " + NameText(type) + L" name " + NameText(name) +
                                      L" lang " + std::to_wstring(lang));
            }
            return TRUE;
        }
        static BOOL CALLBACK Name(HMODULE m, LPCWSTR type, LPWSTR name, LONG_PTR param) {
            Found* f = reinterpret_cast<Found*>(param);
            f->names[reinterpret_cast<UINT_PTR>(type)].insert(NameText(name));
            EnumResourceLanguagesW(m, type, name, Lang, param);
            return TRUE;
        }
        static BOOL CALLBACK Type(HMODULE m, LPWSTR type, LONG_PTR param) {
            if (!IS_INTRESOURCE(type)) {
                reinterpret_cast<Found*>(param)->problems.push_back(L"named type " + std::wstring(type));
                return TRUE;
            }
            EnumResourceNamesW(m, type, Name, param);
            return TRUE;
        }
    };
    ASSERT_TRUE(EnumResourceTypesW(module, Callbacks::Type, reinterpret_cast<LONG_PTR>(&found)));
    for (const std::wstring& p : found.problems) ADD_FAILURE() << Narrow(p);

    std::map<UINT_PTR, std::set<std::wstring>> expected = {
        {reinterpret_cast<UINT_PTR>(RT_MENU), {L"2"}},
        {reinterpret_cast<UINT_PTR>(RT_ACCELERATOR), {L"2"}},
        {reinterpret_cast<UINT_PTR>(RT_DIALOG), {L"2"}},
        {reinterpret_cast<UINT_PTR>(RT_GROUP_ICON), {L"100", L"101", L"103"}},
        {reinterpret_cast<UINT_PTR>(RT_VERSION), {L"1"}},
        {reinterpret_cast<UINT_PTR>(RT_MANIFEST), {L"1"}},
    };
    std::set<UINT_PTR> types;
    for (const auto& entry : found.names) types.insert(entry.first);
    std::set<UINT_PTR> expectedTypes = {
        reinterpret_cast<UINT_PTR>(RT_MENU),   reinterpret_cast<UINT_PTR>(RT_ACCELERATOR),
        reinterpret_cast<UINT_PTR>(RT_DIALOG), reinterpret_cast<UINT_PTR>(RT_GROUP_ICON),
        reinterpret_cast<UINT_PTR>(RT_ICON),   reinterpret_cast<UINT_PTR>(RT_STRING),
        reinterpret_cast<UINT_PTR>(RT_VERSION), reinterpret_cast<UINT_PTR>(RT_MANIFEST),
    };
    EXPECT_EQ(types, expectedTypes);
    for (const auto& entry : expected)
        EXPECT_EQ(found.names[entry.first], entry.second) << "resource type " << entry.first;
    EXPECT_EQ(found.names[reinterpret_cast<UINT_PTR>(RT_ICON)].size(), 3u);
}

// Menu 2 as the menu API sees it: popups, captions, ids, separators, order, state.
TEST(ResourceSet, MenuMatchesTable) {
    HMENU menu = LoadMenuW(ProgramModule(), MAKEINTRESOURCEW(IDR_MAINMENU));
    ASSERT_TRUE(menu != nullptr);
    const int popups = static_cast<int>(sizeof(kMenu) / sizeof(kMenu[0]));
    ASSERT_EQ(GetMenuItemCount(menu), popups);
    for (int p = 0; p < popups; ++p) {
        wchar_t text[256] = {};
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 256;
        ASSERT_TRUE(GetMenuItemInfoW(menu, p, TRUE, &info)) << "popup " << p;
        EXPECT_STREQ(text, kMenu[p].caption) << "popup " << p;
        EXPECT_EQ(info.fType, static_cast<UINT>(MFT_STRING)) << Narrow(text);  // not right-aligned
        EXPECT_EQ(info.fState, 0u) << Narrow(text);
        HMENU sub = info.hSubMenu;
        ASSERT_TRUE(sub != nullptr) << Narrow(text);
        ASSERT_EQ(GetMenuItemCount(sub), static_cast<int>(kMenu[p].count)) << Narrow(text);
        for (size_t i = 0; i < kMenu[p].count; ++i) {
            const MenuRow& want = kMenu[p].items[i];
            wchar_t caption[256] = {};
            MENUITEMINFOW item = {};
            item.cbSize = sizeof(item);
            item.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
            item.dwTypeData = caption;
            item.cch = 256;
            ASSERT_TRUE(GetMenuItemInfoW(sub, static_cast<UINT>(i), TRUE, &item));
            std::string where = Narrow(kMenu[p].caption) + " item " + std::to_string(i);
            EXPECT_TRUE(item.hSubMenu == nullptr) << where << ": nested popup";
            if (want.caption == nullptr) {
                // The menu loader reports separators as grayed; nothing else may be set.
                EXPECT_EQ(item.fType, static_cast<UINT>(MFT_SEPARATOR)) << where;
                EXPECT_EQ(item.fState & ~static_cast<UINT>(MFS_GRAYED | MFS_DISABLED), 0u) << where;
                EXPECT_EQ(item.wID, 0u) << where;
            } else {
                EXPECT_EQ(item.fState, 0u) << where << ": grayed, disabled or checked";
                EXPECT_EQ(item.fType, static_cast<UINT>(MFT_STRING)) << where;
                EXPECT_EQ(item.wID, want.id) << where;
                EXPECT_STREQ(caption, want.caption) << where;
            }
        }
    }
    DestroyMenu(menu);

    // The raw template: standard form, only MF_POPUP and MF_END flags, end markers in place.
    RawResource raw = FindRaw(RT_MENU, IDR_MAINMENU);
    ASSERT_TRUE(raw.data != nullptr);
    Reader r = ReaderOf(raw);
    EXPECT_EQ(r.Word(), 0) << "menu template version (1 would be the extended form)";
    EXPECT_EQ(r.Word(), 0) << "menu template header size";
    for (int p = 0; p < popups; ++p) {
        WORD option = r.Word();
        WORD wantOption = MF_POPUP | (p == popups - 1 ? MF_END : 0);
        EXPECT_EQ(option, wantOption) << "popup " << p;
        EXPECT_EQ(r.String(), kMenu[p].caption);
        for (size_t i = 0; i < kMenu[p].count; ++i) {
            const MenuRow& want = kMenu[p].items[i];
            WORD itemOption = r.Word();
            WORD end = (i + 1 == kMenu[p].count) ? MF_END : 0;
            std::string where = Narrow(kMenu[p].caption) + " item " + std::to_string(i);
            EXPECT_EQ(itemOption & MF_END, end) << where;
            if (want.caption == nullptr) {
                // Either encoding of a separator row loads as MFT_SEPARATOR.
                WORD rest = itemOption & ~MF_END;
                EXPECT_TRUE(rest == 0 || rest == MF_SEPARATOR) << where << " option " << itemOption;
                EXPECT_EQ(r.Word(), 0) << where;
                EXPECT_EQ(r.String(), L"") << where;
            } else {
                EXPECT_EQ(itemOption & ~MF_END, 0) << where << " option " << itemOption;
                EXPECT_EQ(r.Word(), want.id) << where;
                EXPECT_EQ(r.String(), want.caption) << where;
            }
        }
    }
    EXPECT_FALSE(r.overrun);
    EXPECT_EQ(r.pos, raw.size) << "trailing data after the menu template";
}

// Accelerator table 2, raw and as loaded.
TEST(ResourceSet, AcceleratorsMatchTable) {
    const size_t count = sizeof(kAccelerators) / sizeof(kAccelerators[0]);
    RawResource raw = FindRaw(RT_ACCELERATOR, IDR_ACCELERATORS);
    ASSERT_TRUE(raw.data != nullptr);
    ASSERT_EQ(raw.size, count * 8);
    Reader r = ReaderOf(raw);
    for (size_t i = 0; i < count; ++i) {
        WORD flags = r.Word(), key = r.Word(), command = r.Word(), pad = r.Word();
        EXPECT_EQ(flags, kAccelerators[i].flags) << "entry " << i + 1;
        EXPECT_EQ(key, kAccelerators[i].key) << "entry " << i + 1;
        EXPECT_EQ(command, kAccelerators[i].command) << "entry " << i + 1;
        EXPECT_EQ(pad, 0) << "entry " << i + 1;
    }

    HACCEL table = LoadAcceleratorsW(ProgramModule(), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    ASSERT_TRUE(table != nullptr);
    ACCEL loaded[32] = {};
    ASSERT_EQ(CopyAcceleratorTableW(table, loaded, 32), static_cast<int>(count));
    for (size_t i = 0; i < count; ++i) {
        EXPECT_EQ(loaded[i].fVirt & ~0x80, kAccelerators[i].flags & ~0x80) << "entry " << i + 1;
        EXPECT_EQ(loaded[i].key, kAccelerators[i].key) << "entry " << i + 1;
        EXPECT_EQ(loaded[i].cmd, kAccelerators[i].command) << "entry " << i + 1;
    }
    DestroyAcceleratorTable(table);

    // Every accelerator issues a command of the menu.
    std::set<UINT> menuIds;
    for (const MenuRow& row : AllMenuItems()) menuIds.insert(row.id);
    for (const AccelRow& row : kAccelerators) EXPECT_TRUE(menuIds.count(row.command)) << row.command;
}

// Exactly the 56 strings: ids 1-4, one help line per menu item, 40000.
TEST(ResourceSet, StringTableMatchesTable) {
    std::map<UINT, std::wstring> expected;
    for (const StringRow& row : kOtherStrings) expected[row.id] = row.text;
    for (const MenuRow& row : AllMenuItems()) {
        EXPECT_EQ(expected.count(row.id), 0u) << "menu id " << row.id << " used twice";
        expected[row.id] = row.help;
    }
    ASSERT_EQ(expected.size(), 56u);

    HINSTANCE module = ProgramModule();
    size_t longest = 0;
    for (UINT id = 0; id <= 0xFFFF; ++id) {
        wchar_t text[256] = {};
        int length = LoadStringW(module, id, text, 256);
        auto it = expected.find(id);
        if (it == expected.end()) {
            EXPECT_EQ(length, 0) << "unexpected string " << id << ": " << Narrow(text);
            continue;
        }
        EXPECT_EQ(std::wstring(text, length > 0 ? length : 0), it->second) << "string " << id;
        EXPECT_LT(length, 256) << "string " << id;
        if (static_cast<size_t>(length) > longest) longest = static_cast<size_t>(length);
    }
    EXPECT_EQ(longest, 52u);

    // The three window-class names end in the same brace-enclosed GUID.
    const std::wstring guid = L"{6F2A91C4-73D8-4E05-B1A6-C93E0D57F218}";
    for (UINT id = IDS_FRAME_CLASS; id <= IDS_SIZEBAR_CLASS; ++id) {
        const std::wstring& name = expected[id];
        ASSERT_GT(name.size(), guid.size());
        EXPECT_EQ(name.substr(name.size() - guid.size()), guid) << "string " << id;
    }
}

INT_PTR CALLBACK PassiveDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Dialog 2, parsed from the raw plain dialog template.
TEST(ResourceSet, AboutDialogTemplateMatchesTable) {
    RawResource raw = FindRaw(RT_DIALOG, IDD_ABOUT);
    ASSERT_TRUE(raw.data != nullptr);
    Reader r = ReaderOf(raw);
    DWORD style = r.Dword();
    ASSERT_NE(style, 0xFFFF0001u) << "extended dialog template";
    EXPECT_EQ(style, static_cast<DWORD>(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(r.Dword(), 0u) << "extended style";
    const size_t count = sizeof(kAboutControls) / sizeof(kAboutControls[0]);
    EXPECT_EQ(r.Word(), count);
    EXPECT_EQ(r.Short(), 10);
    EXPECT_EQ(r.Short(), 10);
    EXPECT_EQ(r.Short(), 184);
    EXPECT_EQ(r.Short(), 73);
    SzOrOrd menu = ReadSzOrOrd(r);
    EXPECT_TRUE(!menu.ordinal && menu.text.empty()) << "dialog has a menu";
    SzOrOrd cls = ReadSzOrOrd(r);
    EXPECT_TRUE(!cls.ordinal && cls.text.empty()) << "dialog has its own class";
    EXPECT_EQ(r.String(), L"About Tarnwick");
    EXPECT_EQ(r.Word(), 8) << "font size";
    EXPECT_EQ(r.String(), L"MS Sans Serif");

    for (size_t i = 0; i < count && !r.overrun; ++i) {
        const ControlRow& want = kAboutControls[i];
        std::string where = "control " + std::to_string(i + 1);
        r.AlignDword();
        EXPECT_EQ(r.Dword(), want.style) << where;
        EXPECT_EQ(r.Dword(), 0u) << where << " extended style";
        EXPECT_EQ(r.Short(), want.x) << where;
        EXPECT_EQ(r.Short(), want.y) << where;
        EXPECT_EQ(r.Short(), want.cx) << where;
        EXPECT_EQ(r.Short(), want.cy) << where;
        EXPECT_EQ(r.Word(), want.id) << where;
        SzOrOrd ctlClass = ReadSzOrOrd(r);
        EXPECT_TRUE(ctlClass.ordinal) << where << " class " << Narrow(ctlClass.text);
        EXPECT_EQ(ctlClass.value, want.classAtom) << where;
        SzOrOrd title = ReadSzOrOrd(r);
        if (want.text == nullptr) {
            EXPECT_TRUE(title.ordinal) << where;
            EXPECT_EQ(title.value, want.iconOrdinal) << where;
        } else {
            EXPECT_FALSE(title.ordinal) << where;
            EXPECT_EQ(title.text, want.text) << where;
        }
        EXPECT_EQ(r.Word(), 0) << where << " creation data";
    }
    EXPECT_FALSE(r.overrun);
    EXPECT_EQ(r.pos, raw.size) << "trailing data after the last control";

    // The template builds: six controls, the OK button, an icon in the icon control.
    HWND dialog = CreateDialogParamW(ProgramModule(), MAKEINTRESOURCEW(IDD_ABOUT), nullptr,
                                     PassiveDialogProc, 0);
    ASSERT_TRUE(dialog != nullptr);
    int children = 0;
    HWND iconControl = nullptr;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (++children == 2) iconControl = child;
    }
    EXPECT_EQ(children, static_cast<int>(count));
    EXPECT_TRUE(GetDlgItem(dialog, IDOK) != nullptr);
    ASSERT_TRUE(iconControl != nullptr);
    EXPECT_TRUE(SendMessageW(iconControl, STM_GETICON, 0, 0) != 0) << "icon 103 did not load";
    DestroyWindow(dialog);
}

// Icon groups 100, 101, 103: one image each with the right size and depth.
TEST(ResourceSet, IconsMatchTable) {
    for (const IconRow& want : kIcons) {
        std::string where = "icon " + std::to_string(want.id);
        RawResource group = FindRaw(RT_GROUP_ICON, want.id);
        ASSERT_TRUE(group.data != nullptr) << where;
        ASSERT_EQ(group.size, 6u + 14u) << where << ": one directory entry";
        Reader r = ReaderOf(group);
        EXPECT_EQ(r.Word(), 0) << where;
        EXPECT_EQ(r.Word(), 1) << where << " type";
        EXPECT_EQ(r.Word(), 1) << where << " image count";
        BYTE width = group.data[6], height = group.data[7], colours = group.data[8];
        EXPECT_EQ(width, want.size) << where;
        EXPECT_EQ(height, want.size) << where;
        EXPECT_EQ(colours, want.bitCount == 4 ? 16 : 0) << where;
        r.pos = 10;
        EXPECT_EQ(r.Word(), 1) << where << " planes";
        EXPECT_EQ(r.Word(), want.bitCount) << where;
        DWORD bytes = r.Dword();
        WORD imageId = r.Word();

        RawResource image = FindRaw(RT_ICON, imageId);
        ASSERT_TRUE(image.data != nullptr) << where;
        EXPECT_EQ(image.size, bytes) << where;
        ASSERT_GE(image.size, sizeof(BITMAPINFOHEADER)) << where;
        BITMAPINFOHEADER header;
        std::memcpy(&header, image.data, sizeof(header));
        EXPECT_EQ(header.biSize, sizeof(BITMAPINFOHEADER)) << where;
        EXPECT_EQ(header.biWidth, want.size) << where;
        EXPECT_EQ(header.biHeight, 2 * want.size) << where << ": XOR and AND halves";
        EXPECT_EQ(header.biBitCount, want.bitCount) << where;
        EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB)) << where;
        size_t xorStride = ((want.size * want.bitCount + 31) / 32) * 4;
        size_t andStride = ((want.size + 31) / 32) * 4;
        size_t expectedSize = sizeof(BITMAPINFOHEADER) + (1u << want.bitCount) * 4 +
                              want.size * (xorStride + andStride);
        EXPECT_EQ(image.size, expectedSize) << where;

        // Loaded at its own size, the icon has the stated dimensions.
        HICON icon = static_cast<HICON>(LoadImageW(ProgramModule(), MAKEINTRESOURCEW(want.id),
                                                   IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
        ASSERT_TRUE(icon != nullptr) << where;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info)) << where;
        BITMAP bitmap = {};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
        EXPECT_EQ(bitmap.bmWidth, want.size) << where;
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

// One node of a version block: key, text value and the byte range of its children.
struct VersionNode {
    std::wstring key;
    std::wstring text;
    WORD valueLength;
    WORD type;
    size_t childStart;
    size_t end;
};

bool ReadVersionNode(const BYTE* data, size_t pos, size_t limit, VersionNode& node) {
    Reader r{data, limit, pos, false};
    WORD length = r.Word();
    node.valueLength = r.Word();
    node.type = r.Word();
    node.key = r.String();
    r.AlignDword();
    node.end = pos + length;
    if (length < 6 || node.end > limit || r.overrun) return false;
    size_t valueBytes = node.type == 1 ? node.valueLength * 2u : node.valueLength;
    node.text.clear();
    if (node.type == 1) {
        Reader v{data, r.pos + valueBytes, r.pos, false};
        node.text = v.String();
    }
    if (r.pos + valueBytes > node.end) return false;
    // A node that ends with its value has no children; its padding lies beyond its end.
    node.childStart = (r.pos + valueBytes + 3) & ~static_cast<size_t>(3);
    if (node.childStart > node.end) node.childStart = node.end;
    return true;
}

std::vector<VersionNode> VersionChildren(const BYTE* data, const VersionNode& parent) {
    std::vector<VersionNode> children;
    size_t pos = parent.childStart;
    while (pos + 6 <= parent.end) {
        VersionNode child;
        if (!ReadVersionNode(data, pos, parent.end, child)) {
            ADD_FAILURE() << "malformed version block at " << pos;
            break;
        }
        children.push_back(child);
        pos = (child.end + 3) & ~static_cast<size_t>(3);
    }
    return children;
}

// Version resource 1: fixed fields, the one string table and its key order, no translation.
TEST(ResourceSet, VersionBlockMatchesTable) {
    RawResource raw = FindRaw(RT_VERSION, IDV_VERSION);
    ASSERT_TRUE(raw.data != nullptr);
    std::vector<BYTE> copy(raw.data, raw.data + raw.size);

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(copy.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    ASSERT_EQ(size, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3u);
    EXPECT_EQ(fixed->dwFileFlags, static_cast<DWORD>(VS_FF_PRERELEASE));
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileSubtype, 0u);
    EXPECT_EQ(fixed->dwFileDateMS, 0u);
    EXPECT_EQ(fixed->dwFileDateLS, 0u);

    wchar_t* value = nullptr;
    ASSERT_TRUE(VerQueryValueW(copy.data(), L"\\StringFileInfo\\04090000\\FileVersion",
                               reinterpret_cast<void**>(&value), &size));
    EXPECT_STREQ(value, L"1.0.0.1 Prerelease Build");
    void* translation = nullptr;
    EXPECT_FALSE(VerQueryValueW(copy.data(), L"\\VarFileInfo\\Translation", &translation, &size));

    // The raw tree: VS_VERSION_INFO > StringFileInfo > 04090000 > nine values in order.
    VersionNode root;
    ASSERT_TRUE(ReadVersionNode(copy.data(), 0, copy.size(), root));
    EXPECT_EQ(root.key, L"VS_VERSION_INFO");
    EXPECT_EQ(root.valueLength, sizeof(VS_FIXEDFILEINFO));
    std::vector<VersionNode> top = VersionChildren(copy.data(), root);
    ASSERT_EQ(top.size(), 1u) << "only StringFileInfo, no VarFileInfo";
    EXPECT_EQ(top[0].key, L"StringFileInfo");
    std::vector<VersionNode> tables = VersionChildren(copy.data(), top[0]);
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0].key, L"04090000");
    std::vector<VersionNode> values = VersionChildren(copy.data(), tables[0]);
    const size_t keys = sizeof(kVersionKeys) / sizeof(kVersionKeys[0]);
    ASSERT_EQ(values.size(), keys);
    for (size_t i = 0; i < keys; ++i) {
        EXPECT_EQ(values[i].key, kVersionKeys[i]) << "value " << i;
        EXPECT_EQ(values[i].type, 1) << Narrow(kVersionKeys[i]);
        EXPECT_FALSE(values[i].text.empty()) << Narrow(kVersionKeys[i]);
        std::wstring query = std::wstring(L"\\StringFileInfo\\04090000\\") + kVersionKeys[i];
        value = nullptr;
        EXPECT_TRUE(VerQueryValueW(copy.data(), query.c_str(), reinterpret_cast<void**>(&value), &size))
            << Narrow(kVersionKeys[i]);
        if (value) {
            EXPECT_EQ(std::wstring(value), values[i].text) << Narrow(kVersionKeys[i]);
        }
    }
    // The version text and the rights holder agree with the About box.
    EXPECT_EQ(values[3].text, kAboutControls[3].text);
    EXPECT_EQ(values[5].text, kRightsLine);
}

// The application manifest asks for administrator rights and names the supported systems.
TEST(ResourceSet, ManifestRequestsAdministrator) {
    RawResource raw = FindRaw(RT_MANIFEST, 1);  // CREATEPROCESS_MANIFEST_RESOURCE_ID
    ASSERT_TRUE(raw.data != nullptr);
    std::string text(reinterpret_cast<const char*>(raw.data), raw.size);
    EXPECT_NE(text.find("level=\"requireAdministrator\""), std::string::npos);
    EXPECT_NE(text.find("uiAccess=\"false\""), std::string::npos);
    EXPECT_EQ(text.find("Common-Controls"), std::string::npos);
    const char* const systems[] = {
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  // Vista
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // 10 and 11
    };
    for (const char* id : systems) EXPECT_NE(text.find(id), std::string::npos) << id;
}

}  // namespace
