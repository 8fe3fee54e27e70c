#include "rect_tracker.h"
#include "handles.h"
#include <windowsx.h>
#include <algorithm>

namespace framework {

RECT CRectTracker::HandleRect(int hit) const
{
    RECT r = rect_;
    int size = handleSize_;
    // Handles lie inside the rectangle or around its edge.
    int offset = (style_ & kResizeOutside) ? size : 0;
    int left = r.left - offset, top = r.top - offset;
    int right = r.right + offset - size, bottom = r.bottom + offset - size;
    int midX = (r.left + r.right - size) / 2, midY = (r.top + r.bottom - size) / 2;
    POINT corner{0, 0};
    switch (hit) {
    case kHitTopLeft: corner = {left, top}; break;
    case kHitTopRight: corner = {right, top}; break;
    case kHitBottomRight: corner = {right, bottom}; break;
    case kHitBottomLeft: corner = {left, bottom}; break;
    case kHitTop: corner = {midX, top}; break;
    case kHitRight: corner = {right, midY}; break;
    case kHitBottom: corner = {midX, bottom}; break;
    case kHitLeft: corner = {left, midY}; break;
    default: return RECT{0, 0, 0, 0};
    }
    return RECT{corner.x, corner.y, corner.x + size, corner.y + size};
}

RECT CRectTracker::Bounds() const
{
    RECT r = rect_;
    InflateRect(&r, handleSize_ + 1, handleSize_ + 1);
    return r;
}

void CRectTracker::Draw(HDC dc) const
{
    int saved = SaveDC(dc);
    if (style_ & kHatchedBorder) {
        // Hatched band just outside the rectangle, as wide as a handle.
        GdiBrush hatch(CreateHatchBrush(HS_BDIAGONAL, RGB(0, 0, 0)));
        SetBkMode(dc, TRANSPARENT);
        RECT outer = rect_;
        InflateRect(&outer, handleSize_ - 1, handleSize_ - 1);
        RECT bands[4] = {
            {outer.left, outer.top, outer.right, rect_.top},
            {outer.left, rect_.bottom, outer.right, outer.bottom},
            {outer.left, rect_.top, rect_.left, rect_.bottom},
            {rect_.right, rect_.top, outer.right, rect_.bottom},
        };
        for (const RECT& band : bands)
            FillRect(dc, &band, hatch.get());
    }
    if (style_ & (kSolidLine | kDottedLine)) {
        GdiPen pen(CreatePen((style_ & kDottedLine) ? PS_DOT : PS_SOLID, 1, RGB(0, 0, 0)));
        SelectedObject selectedPen(dc, pen.get());
        SelectedObject selectedBrush(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, rect_.left, rect_.top, rect_.right, rect_.bottom);
    }
    if (style_ & (kResizeInside | kResizeOutside)) {
        for (int hit = kHitTopLeft; hit <= kHitLeft; ++hit) {
            RECT handle = HandleRect(hit);
            PatBlt(dc, handle.left, handle.top, handle.right - handle.left, handle.bottom - handle.top, BLACKNESS);
        }
    }
    RestoreDC(dc, saved);
}

int CRectTracker::HitTest(POINT point) const
{
    if (style_ & (kResizeInside | kResizeOutside)) {
        for (int hit = kHitTopLeft; hit <= kHitLeft; ++hit) {
            RECT handle = HandleRect(hit);
            if (PtInRect(&handle, point))
                return hit;
        }
    }
    return PtInRect(&rect_, point) ? kHitMiddle : kHitNothing;
}

bool CRectTracker::SetCursor(HWND wnd, POINT clientPoint) const
{
    static const LPCSTR cursors[] = {IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZENWSE, IDC_SIZENESW,
                                     IDC_SIZENS,   IDC_SIZEWE,   IDC_SIZENS,   IDC_SIZEWE,
                                     IDC_SIZEALL};
    int hit = HitTest(clientPoint);
    if (hit == kHitNothing)
        return false;
    ::SetCursor(LoadCursorA(nullptr, cursors[hit]));
    return true;
}

RECT CRectTracker::Dragged(const RECT& start, int hit, int dx, int dy) const
{
    RECT r = start;
    bool left = hit == kHitTopLeft || hit == kHitBottomLeft || hit == kHitLeft;
    bool right = hit == kHitTopRight || hit == kHitBottomRight || hit == kHitRight;
    bool top = hit == kHitTopLeft || hit == kHitTopRight || hit == kHitTop;
    bool bottom = hit == kHitBottomLeft || hit == kHitBottomRight || hit == kHitBottom;
    if (hit == kHitMiddle) {
        OffsetRect(&r, dx, dy);
        return r;
    }
    if (left) r.left = std::min<LONG>(start.left + dx, start.right - minSize.cx);
    if (right) r.right = std::max<LONG>(start.right + dx, start.left + minSize.cx);
    if (top) r.top = std::min<LONG>(start.top + dy, start.bottom - minSize.cy);
    if (bottom) r.bottom = std::max<LONG>(start.bottom + dy, start.top + minSize.cy);
    return r;
}

bool CRectTracker::Track(HWND wnd, POINT start)
{
    return TrackHit(wnd, start, HitTest(start));
}

bool CRectTracker::TrackHit(HWND wnd, POINT start, int hit)
{
    if (hit == kHitNothing)
        return false;
    const RECT original = rect_;
    SetCapture(wnd);
    bool done = false, cancelled = false;
    while (!done && GetCapture() == wnd) {
        MSG msg;
        if (!GetMessageA(&msg, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        switch (msg.message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP: {
            RECT before = Bounds();
            rect_ = Dragged(original, hit, GET_X_LPARAM(msg.lParam) - start.x, GET_Y_LPARAM(msg.lParam) - start.y);
            AdjustRect(hit, rect_);
            RECT after = Bounds();
            InvalidateRect(wnd, &before, TRUE);
            InvalidateRect(wnd, &after, TRUE);
            UpdateWindow(wnd);
            done = msg.message == WM_LBUTTONUP;
            break;
        }
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE) {
                cancelled = done = true;
            }
            break;
        case WM_RBUTTONDOWN:
            cancelled = done = true;
            break;
        default:
            DispatchMessageA(&msg);
        }
    }
    if (GetCapture() == wnd)
        ReleaseCapture();
    if (cancelled) {
        RECT before = Bounds();
        rect_ = original;
        InvalidateRect(wnd, &before, TRUE);
        InvalidateRect(wnd, nullptr, TRUE);
    }
    return !EqualRect(&rect_, &original);
}

}  // namespace framework
