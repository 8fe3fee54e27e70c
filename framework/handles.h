// RAII owners for the Win32 handles the framework and its users keep.
#pragma once
#include <windows.h>
#include <memory>
#include <type_traits>

namespace framework {

struct GdiObjectCloser { void operator()(HGDIOBJ h) const { if (h) DeleteObject(h); } };
struct DcDeleter { void operator()(HDC h) const { if (h) DeleteDC(h); } };
struct KernelHandleCloser { void operator()(HANDLE h) const { if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h); } };
struct RegKeyCloser { void operator()(HKEY h) const { if (h) RegCloseKey(h); } };
struct LibraryCloser { void operator()(HMODULE h) const { if (h) FreeLibrary(h); } };
struct MenuCloser { void operator()(HMENU h) const { if (h) DestroyMenu(h); } };

// One owner template for every pointer-like handle type.
template <class Handle, class Closer>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, Closer>;

using GdiBrush = Owned<HBRUSH, GdiObjectCloser>;
using GdiBitmap = Owned<HBITMAP, GdiObjectCloser>;
using GdiPen = Owned<HPEN, GdiObjectCloser>;
// A device context made by CreateDC or CreateCompatibleDC.
using CreatedDc = Owned<HDC, DcDeleter>;
using GdiFont = Owned<HFONT, GdiObjectCloser>;
using KernelHandle = Owned<HANDLE, KernelHandleCloser>;
using RegKey = Owned<HKEY, RegKeyCloser>;
using Library = Owned<HMODULE, LibraryCloser>;
using MenuHandle = Owned<HMENU, MenuCloser>;

// An owner of a handle from CreateFile, which fails with INVALID_HANDLE_VALUE
// rather than null: a failure gives an empty owner.
inline KernelHandle OwnFile(HANDLE file)
{
    return KernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

// A device context borrowed from a window, released on scope exit.
class WindowDc {
public:
    explicit WindowDc(HWND wnd) : wnd_(wnd), dc_(GetDC(wnd)) {}
    ~WindowDc() { if (dc_) ReleaseDC(wnd_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    operator HDC() const { return dc_; }
private:
    HWND wnd_;
    HDC dc_;
};

// The device context of a window's whole area (frame and caption included),
// released on scope exit.
class WholeWindowDc {
public:
    explicit WholeWindowDc(HWND wnd) : wnd_(wnd), dc_(GetWindowDC(wnd)) {}
    ~WholeWindowDc() { if (dc_) ReleaseDC(wnd_, dc_); }
    WholeWindowDc(const WholeWindowDc&) = delete;
    WholeWindowDc& operator=(const WholeWindowDc&) = delete;
    operator HDC() const { return dc_; }
private:
    HWND wnd_;
    HDC dc_;
};

// Selects a GDI object into a DC for one scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectedObject() { SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace framework
