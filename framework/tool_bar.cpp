#include "tool_bar.h"
#include "frame_wnd.h"
#include <commctrl.h>
#include <algorithm>

namespace framework {

bool CToolBar::Create(HWND frame, DWORD extraStyle, UINT id)
{
    HWND bar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                   CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | extraStyle,
                               0, 0, 0, 0, frame, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
    if (!bar)
        return false;
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return Subclass(bar);
}

bool CToolBar::LoadButtonBitmap(UINT bitmapId, int imageCount)
{
    Send(TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 15));
    TBADDBITMAP bitmap{GetModuleHandleA(nullptr), bitmapId};
    return Send(TB_ADDBITMAP, static_cast<WPARAM>(imageCount), reinterpret_cast<LPARAM>(&bitmap)) >= 0;
}

bool CToolBar::SetButtons(const UINT* ids, int count)
{
    int image = 0;
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        if (ids[i] == 0) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = image++;
            button.idCommand = static_cast<int>(ids[i]);
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
        }
        if (!Send(TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button)))
            return false;
    }
    return true;
}

bool CToolBar::Dock(DockSide side)
{
    if (!(dockSides_ & static_cast<DWORD>(side)))
        return false;
    side_ = side;
    // A vertical bar is one column: every button wraps to the next row.
    int count = static_cast<int>(Send(TB_BUTTONCOUNT));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        Send(TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
        TBBUTTONINFOA info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_STATE | TBIF_BYINDEX;
        info.fsState = IsVertical() ? (button.fsState | TBSTATE_WRAP) : (button.fsState & ~TBSTATE_WRAP);
        Send(TB_SETBUTTONINFOA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
    }
    LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
    style = IsVertical() ? (style | CCS_VERT) : (style & ~static_cast<LONG_PTR>(CCS_VERT));
    SetWindowLongPtrA(hwnd_, GWL_STYLE, style);
    if (auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandle(GetParent(hwnd_))))
        frame->RecalcLayout();
    return true;
}

SIZE CToolBar::CalcSize() const
{
    DWORD buttonSize = static_cast<DWORD>(Send(TB_GETBUTTONSIZE));
    int across = HIWORD(buttonSize) + 4;
    int alongButtons = 0;
    int count = static_cast<int>(Send(TB_BUTTONCOUNT));
    for (int i = 0; i < count; ++i) {
        RECT item{};
        if (Send(TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)))
            alongButtons = std::max<int>(alongButtons, IsVertical() ? item.bottom : item.right);
    }
    if (IsVertical())
        return SIZE{LOWORD(buttonSize) + 4, alongButtons};
    return SIZE{alongButtons, across};
}

DockSide CToolBar::SideNearest(POINT screen) const
{
    HWND frame = GetParent(hwnd_);
    RECT client{};
    GetClientRect(frame, &client);
    POINT p = screen;
    ScreenToClient(frame, &p);
    struct Candidate { DockSide side; LONG distance; } candidates[] = {
        {DockSide::Top, p.y - client.top},
        {DockSide::Bottom, client.bottom - p.y},
        {DockSide::Left, p.x - client.left},
        {DockSide::Right, client.right - p.x},
    };
    DockSide best = side_;
    LONG bestDistance = LONG_MAX;
    for (const auto& c : candidates) {
        if ((dockSides_ & static_cast<DWORD>(c.side)) && c.distance < bestDistance) {
            best = c.side;
            bestDistance = c.distance;
        }
    }
    return best;
}

LRESULT CToolBar::OnLButtonDown(const Message& m)
{
    POINT p = m.Point();
    // Presses on a button are the button's; the empty part of the bar is the
    // handle for moving it.
    if (Send(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&p)) >= 0)
        return Default(m);
    dragging_ = true;
    SetCapture(hwnd_);
    SetCursor(LoadCursorA(nullptr, IDC_SIZEALL));
    return 0;
}

LRESULT CToolBar::OnMouseMove(const Message& m)
{
    if (!dragging_)
        return Default(m);
    SetCursor(LoadCursorA(nullptr, IDC_SIZEALL));
    return 0;
}

LRESULT CToolBar::OnLButtonUp(const Message& m)
{
    if (!dragging_)
        return Default(m);
    dragging_ = false;
    ReleaseCapture();
    POINT p = m.Point();
    ClientToScreen(hwnd_, &p);
    DockSide side = SideNearest(p);
    if (side != side_)
        Dock(side);
    return 0;
}

LRESULT CToolBar::OnEraseBackground(const Message& m)
{
    // A flat bar is transparent; the frame's own background (whatever its
    // class brush) must not show through.
    RECT r = ClientRect();
    FillRect(m.Dc(), &r, GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

LRESULT CToolBar::OnCaptureChanged(const Message& m)
{
    dragging_ = false;
    return Default(m);
}

}  // namespace framework
