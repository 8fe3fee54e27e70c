// A window message with typed views of its parameters, so that handlers never
// cast wParam or lParam themselves.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>
#include <shellapi.h>

namespace framework {

struct Message {
    HWND hwnd;
    UINT id;
    WPARAM wParam;
    LPARAM lParam;

    // WM_COMMAND
    UINT CommandId() const { return LOWORD(wParam); }
    UINT NotifyCode() const { return HIWORD(wParam); }
    HWND ControlWindow() const { return reinterpret_cast<HWND>(lParam); }
    // WM_SIZE
    UINT SizeType() const { return static_cast<UINT>(wParam); }
    SIZE ClientSize() const { return SIZE{LOWORD(lParam), HIWORD(lParam)}; }
    // Mouse messages (client coordinates) and WM_CONTEXTMENU (screen)
    POINT Point() const { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }
    UINT KeyFlags() const { return static_cast<UINT>(wParam); }
    // WM_INITDIALOG: the value given to CreateDialogParam / DialogBoxParam
    LPARAM InitParam() const { return lParam; }
    // WM_KEYDOWN / WM_KEYUP
    UINT VirtualKey() const { return static_cast<UINT>(wParam); }
    // WM_CHAR: the character typed
    UINT Character() const { return static_cast<UINT>(wParam); }
    // WM_DRAWITEM
    const DRAWITEMSTRUCT* DrawItem() const { return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam); }
    // WM_CAPTURECHANGED: the window that takes the capture (none when it is released)
    HWND NewCapture() const { return reinterpret_cast<HWND>(lParam); }
    // WM_CREATE / WM_NCCREATE
    CREATESTRUCTA* CreateStruct() const { return reinterpret_cast<CREATESTRUCTA*>(lParam); }
    // WM_GETMINMAXINFO
    MINMAXINFO* MinMaxInfo() const { return reinterpret_cast<MINMAXINFO*>(lParam); }
    // WM_WINDOWPOSCHANGING / WM_WINDOWPOSCHANGED
    WINDOWPOS* WindowPos() const { return reinterpret_cast<WINDOWPOS*>(lParam); }
    // WM_SIZING: the edge dragged and the proposed rectangle
    UINT SizingEdge() const { return static_cast<UINT>(wParam); }
    RECT* SizingRect() const { return reinterpret_cast<RECT*>(lParam); }
    // WM_NOTIFY
    NMHDR* Notify() const { return reinterpret_cast<NMHDR*>(lParam); }
    // WM_INITMENUPOPUP
    HMENU PopupMenu() const { return reinterpret_cast<HMENU>(wParam); }
    bool IsSystemMenu() const { return HIWORD(lParam) != 0; }
    // WM_MENUSELECT
    UINT MenuItem() const { return LOWORD(wParam); }
    UINT MenuFlags() const { return HIWORD(wParam); }
    HMENU MenuHandle() const { return reinterpret_cast<HMENU>(lParam); }
    // WM_ERASEBKGND, WM_CTLCOLOR*
    HDC Dc() const { return reinterpret_cast<HDC>(wParam); }
    // WM_HSCROLL / WM_VSCROLL
    UINT ScrollCode() const { return LOWORD(wParam); }
    int ScrollPos() const { return static_cast<short>(HIWORD(wParam)); }
    HWND ScrollBar() const { return reinterpret_cast<HWND>(lParam); }
    // WM_SYSCOMMAND
    UINT SysCommand() const { return static_cast<UINT>(wParam & 0xFFF0); }
    // WM_ACTIVATE
    UINT ActivateState() const { return LOWORD(wParam); }
    // WM_KILLFOCUS: the window that receives the focus, or none
    HWND NextFocus() const { return reinterpret_cast<HWND>(wParam); }
    // WM_DROPFILES
    HDROP Drop() const { return reinterpret_cast<HDROP>(wParam); }
    // WM_TIMER
    UINT_PTR TimerId() const { return wParam; }
    // WM_SETCURSOR
    UINT HitTest() const { return LOWORD(lParam); }
    // WM_SETCURSOR: the window under the cursor
    HWND CursorWindow() const { return reinterpret_cast<HWND>(wParam); }
    // WM_PALETTECHANGED: the window that changed the system palette
    HWND PaletteWindow() const { return reinterpret_cast<HWND>(wParam); }
};

}  // namespace framework
