// The view's mouse: the rubber band of the region selection, clicks,
// Shift-clicks and double-clicks on the text annotations, their cursors,
// and the context menu.
#include "vd_view.h"

#include "region_rules.h"

using framework::Message;

RECT CVDView::WorkingRect() const
{
    return ToRect(::WorkingRect(ToViewRect(selection_), ToViewRect(ClientRect())));
}

void CVDView::DrawBand(HDC dc) const
{
    if (!IsRectEmpty(&selection_))
        DrawFocusRect(dc, &selection_);
}

void CVDView::InvertBand()
{
    if (!hwnd_ || IsRectEmpty(&selection_))
        return;
    framework::WindowDc dc(hwnd_);
    DrawFocusRect(dc, &selection_);
}

void CVDView::ClearSelection()
{
    InvertBand();
    selection_ = RECT{};
}

void CVDView::PressPicture(POINT point, bool shift)
{
    // Every click without Shift empties the selection first.
    if (!shift)
        ClearSelection();
    if (TextObject* hit = texts_.HitTest(point)) {
        if (shift)
            texts_.Texts().ShiftClick(hit);
        else if (texts_.PressOn(hit, point))
            ClearSelection();
        return;
    }
    if (shift)
        return;
    texts_.Texts().BeginBand();
    UpdateWindow(hwnd_);
    anchor_ = point;
    selection_ = RECT{point.x, point.y, point.x, point.y};
    banding_ = true;
    SetCapture(hwnd_);
}

LRESULT CVDView::OnLeftButtonDown(const Message& m)
{
    if (GetFocus() != hwnd_ && GetFocus() != texts_.Editor())
        SetFocus(hwnd_);
    PressPicture(m.Point(), (m.KeyFlags() & MK_SHIFT) != 0);
    return 0;
}

LRESULT CVDView::OnLeftButtonDoubleClick(const Message& m)
{
    if (m.KeyFlags() & MK_SHIFT)
        return 0;
    if (TextObject* hit = texts_.HitTest(m.Point()))
        texts_.Texts().DoubleClick(hit);
    return 0;
}

LRESULT CVDView::OnMouseMove(const Message& m)
{
    if (!banding_ || !(m.KeyFlags() & MK_LBUTTON) || GetCapture() != hwnd_)
        return Default(m);
    const POINT at = m.Point();
    InvertBand();
    selection_ = ToRect(BandRect(anchor_.x, anchor_.y, at.x, at.y, ToViewRect(ClientRect())));
    InvertBand();
    UpdateStatus();
    return 0;
}

void CVDView::EndBand()
{
    if (!banding_)
        return;
    banding_ = false;
    if (GetCapture() == hwnd_)
        ReleaseCapture();
    UpdateStatus();
    if (IsRectEmpty(&selection_))
        return;
    const bool rightwards = selection_.left == anchor_.x;
    if (texts_.Texts().List().SelectInside(ToViewRect(selection_), rightwards) > 0)
        InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT CVDView::OnLeftButtonUp(const Message& m)
{
    if (banding_)
        EndBand();
    return Default(m);
}

LRESULT CVDView::OnCaptureChanged(const Message& m)
{
    // Another window took the mouse: the band ends where it was.
    if (banding_ && m.NewCapture() != hwnd_)
        EndBand();
    return Default(m);
}

LRESULT CVDView::OnSetCursor(const Message& m)
{
    if (m.HitTest() == HTCLIENT && m.CursorWindow() == hwnd_) {
        POINT at;
        GetCursorPos(&at);
        ScreenToClient(hwnd_, &at);
        if (texts_.SetCursor(at))
            return TRUE;
    }
    return Default(m);
}

// A right click: the text popup over the current text, the region popup
// with Shift inside the selection, otherwise the display modes.  The
// commands go to the main frame, which routes them (and sets their states)
// like the menu bar's.
LRESULT CVDView::OnContextMenu(const Message& m)
{
    POINT at = m.Point();
    if (at.x == -1 && at.y == -1) {  // from the keyboard: the view's corner
        at = POINT{0, 0};
        ClientToScreen(hwnd_, &at);
    }
    POINT client = at;
    ScreenToClient(hwnd_, &client);
    int popupIndex = kPopupNothing;
    if (GetKeyState(VK_SHIFT) < 0) {
        if (PtInRect(&selection_, client))
            popupIndex = kPopupRegion;
    } else if (TextObject* current = texts_.Current()) {
        if (texts_.HitPart(*current, client) != framework::CRectTracker::kHitNothing)
            popupIndex = kPopupText;
    }
    HMENU popup = contextMenu_ ? GetSubMenu(contextMenu_, popupIndex) : nullptr;
    if (popup)
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, FrameWindow(), nullptr);
    return 0;
}
