#include "find_file_lists.h"
#include "resource.h"
#include "strings.h"

#include <winnetwk.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace find_file {
namespace {

constexpr int kTextGap = 4;           // pixels between an item's picture and its text
constexpr COLORREF kClear = RGB(0, 0, 255);  // the pictures' transparent colour
constexpr DWORD kNetworkNameSize = 64;

// What each item of the lists carries: drive type and number, or depth and kind.
LPARAM PackDrive(UINT type, int number) { return MAKELPARAM(number, type); }
UINT DriveTypeOf(LRESULT data) { return HIWORD(static_cast<DWORD>(data)); }
int DriveNumberOf(LRESULT data) { return LOWORD(static_cast<DWORD>(data)); }
LPARAM PackDirectory(const DirEntry& e) { return MAKELPARAM(e.depth, static_cast<WORD>(e.kind)); }
int DepthOf(LRESULT data) { return LOWORD(static_cast<DWORD>(data)); }
DirKind KindOf(LRESULT data) { return static_cast<DirKind>(HIWORD(static_cast<DWORD>(data))); }

framework::GdiBitmap Load(HINSTANCE instance, int id)
{
    return framework::GdiBitmap(static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

// The drive list's text after the drive letter: the root's first name for
// fixed and RAM disks, the network name for remote drives.
std::string DriveTail(int number, UINT type)
{
    char letter = static_cast<char>('a' + number);
    if (type == DRIVE_FIXED || type == DRIVE_RAMDISK) {
        char pattern[] = {letter, ':', '\\', '*', '.', '*', '\0'};
        WIN32_FIND_DATAA found{};
        HANDLE search = FindFirstFileA(pattern, &found);
        if (search == INVALID_HANDLE_VALUE)
            return std::string();
        std::string name;
        do {
            if (lstrcmpA(found.cFileName, ".") != 0 && lstrcmpA(found.cFileName, "..") != 0) {
                name = found.cAlternateFileName[0] ? found.cAlternateFileName : found.cFileName;
                break;
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return RootNameForLabel(name);
    }
    if (type == DRIVE_REMOTE) {
        char local[] = {letter, ':', '\0'};
        char remote[kNetworkNameSize] = {};
        DWORD size = sizeof remote;
        if (WNetGetConnectionA(local, remote, &size) == NO_ERROR)
            return Lower(remote);
    }
    return std::string();
}

// Draws `bitmap` with its blue transparent, then `text`, in a list item.
void DrawItem(const DRAWITEMSTRUCT& item, HBITMAP bitmap, int indent, const std::string& text)
{
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    int x = r.left + indent;
    SIZE size = BitmapSize(bitmap);
    if (bitmap) {
        framework::CreatedDc memory(CreateCompatibleDC(dc));
        if (memory) {
            framework::SelectedObject picture(memory.get(), bitmap);
            int y = r.top + (r.bottom - r.top - size.cy) / 2;
            TransparentBlt(dc, x, y, size.cx, size.cy, memory.get(), 0, 0, size.cx, size.cy, kClear);
        }
    }
    x += size.cx + kTextGap;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT textRect{x, r.top, r.right, r.bottom};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &r);
}

}  // namespace

std::string ItemText(HWND list, UINT getLength, UINT getText, WPARAM index)
{
    LRESULT length = SendMessageA(list, getLength, index, 0);
    if (length < 0)
        return std::string();
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    if (SendMessageA(list, getText, index, reinterpret_cast<LPARAM>(text.data())) < 0)
        return std::string();
    return std::string(text.data());
}

ListBitmaps::ListBitmaps(HINSTANCE instance)
    : subdirectory_(Load(instance, IDB_FIND_SUBDIRECTORY)),
      parent_(Load(instance, IDB_FIND_PARENT)),
      current_(Load(instance, IDB_FIND_CURRENT))
{
    for (int i = 0; i < kDriveTypes; ++i)
        drives_[i] = Load(instance, IDB_FIND_DRIVE_REMOVABLE + i);
    for (HBITMAP b : {subdirectory_.get(), parent_.get(), current_.get()})
        height_ = std::max(height_, static_cast<int>(BitmapSize(b).cy));
    for (const auto& b : drives_)
        height_ = std::max(height_, static_cast<int>(BitmapSize(b.get()).cy));
}

HBITMAP ListBitmaps::ForDirectory(DirKind kind) const
{
    switch (kind) {
    case DirKind::Component: return parent_.get();
    case DirKind::Current: return current_.get();
    case DirKind::Subdirectory: return subdirectory_.get();
    }
    return nullptr;
}

HBITMAP ListBitmaps::ForDrive(UINT driveType) const
{
    int index = static_cast<int>(driveType) + IDB_FIND_DRIVE_BASE - IDB_FIND_DRIVE_REMOVABLE;
    return index >= 0 && index < kDriveTypes ? drives_[index].get() : nullptr;
}

std::string CurrentDirectory()
{
    char path[MAX_PATH] = {};
    DWORD length = GetCurrentDirectoryA(sizeof path, path);
    if (length == 0 || length >= sizeof path)
        return std::string();
    return Lower(path);
}

int CurrentDrive()
{
    std::string path = CurrentDirectory();
    if (path.size() < 2 || path[1] != ':' || path[0] < 'a' || path[0] > 'z')
        return -1;
    return path[0] - 'a';
}

bool ChangeToDrive(int number, const ListTexts& texts)
{
    if (number < 0 || number > 25)
        return false;
    char drive[16];
    std::snprintf(drive, sizeof drive, texts.drive.c_str(), 'a' + number);
    UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    BOOL changed = SetCurrentDirectoryA(drive);
    SetErrorMode(previous);
    return changed != FALSE;
}

void FillDrives(HWND combo, const ListTexts& texts)
{
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    DWORD present = GetLogicalDrives();
    for (int number = 0; number < 26; ++number) {
        if (!(present & (1u << number)))
            continue;
        char letter = static_cast<char>('a' + number);
        char root[] = {letter, ':', '\\', '\0'};
        UINT type = GetDriveTypeA(root);
        if (type <= DRIVE_NO_ROOT_DIR)
            continue;
        std::string label = DriveLabel(texts.driveFormat, letter, texts.driveGap, DriveTail(number, type));
        LRESULT at = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
        if (at >= 0)
            SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(at), PackDrive(type, number));
    }
    SelectDrive(combo, CurrentDrive());
}

bool SelectDrive(HWND combo, int number)
{
    LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (DriveNumberOf(SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)) == number) {
            SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return true;
        }
    }
    return false;
}

int SelectedDrive(HWND combo)
{
    LRESULT at = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (at == CB_ERR)
        return -1;
    return DriveNumberOf(SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(at), 0));
}

void ShowDirectory(HWND list, HWND scratch, HWND pathText, bool topFirst, const ListTexts& texts)
{
    std::string path = WithoutTrailingBackslash(CurrentDirectory());
    // The subdirectories, through the hidden list: "[name]" for each.
    SendMessageA(scratch, LB_RESETCONTENT, 0, 0);
    SendMessageA(scratch, LB_DIR, DDL_DIRECTORY | DDL_EXCLUSIVE, reinterpret_cast<LPARAM>(texts.allFiles.c_str()));
    std::vector<std::string> subdirectories;
    LRESULT listed = SendMessageA(scratch, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < listed; ++i) {
        std::string name = ItemText(scratch, LB_GETTEXTLEN, LB_GETTEXT, static_cast<WPARAM>(i));
        if (name.size() < 3 || name.front() != '[' || name.back() != ']')
            continue;
        name = name.substr(1, name.size() - 2);
        if (name != "." && name != "..")
            subdirectories.push_back(Lower(name));
    }
    SendMessageA(scratch, LB_RESETCONTENT, 0, 0);

    std::vector<DirEntry> entries = DirectoryEntries(path, subdirectories);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    int current = 0;
    for (const DirEntry& e : entries) {
        LRESULT at = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.text.c_str()));
        if (at < 0)
            break;
        SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(at), PackDirectory(e));
        if (e.kind == DirKind::Current)
            current = static_cast<int>(at);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);

    RECT client{};
    GetClientRect(list, &client);
    LRESULT itemHeight = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    bool scrolls = itemHeight > 0 && count * itemHeight > client.bottom - client.top;
    SendMessageA(list, LB_SETTOPINDEX, topFirst || !scrolls ? 0 : static_cast<WPARAM>(TopIndex(current)), 0);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
    SetWindowTextA(pathText, path.c_str());
}

std::string PathForSelection(HWND list)
{
    LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return std::string();
    std::vector<DirEntry> entries;
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT data = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0);
        entries.push_back({ItemText(list, LB_GETTEXTLEN, LB_GETTEXT, static_cast<WPARAM>(i)), DepthOf(data),
                           KindOf(data)});
    }
    return PathForEntry(entries, static_cast<size_t>(selected));
}

int ItemHeight(HWND dialog, const ListBitmaps& bitmaps)
{
    framework::WindowDc dc(dialog);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    if (old)
        SelectObject(dc, old);
    return std::max(static_cast<int>(metrics.tmHeight), bitmaps.Height());
}

void DrawDriveItem(const DRAWITEMSTRUCT& item, const ListBitmaps& bitmaps)
{
    if (item.itemID == static_cast<UINT>(-1))
        return;
    HWND combo = item.hwndItem;
    std::string text = ItemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, item.itemID);
    DrawItem(item, bitmaps.ForDrive(DriveTypeOf(static_cast<LRESULT>(item.itemData))), IndentPixels(0), text);
}

void DrawDirectoryItem(const DRAWITEMSTRUCT& item, const ListBitmaps& bitmaps)
{
    if (item.itemID == static_cast<UINT>(-1))
        return;
    std::string text = ItemText(item.hwndItem, LB_GETTEXTLEN, LB_GETTEXT, item.itemID);
    LRESULT data = static_cast<LRESULT>(item.itemData);
    DrawItem(item, bitmaps.ForDirectory(KindOf(data)), IndentPixels(DepthOf(data)), text);
}

}  // namespace find_file
