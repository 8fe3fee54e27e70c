// A rectangle the user moves and resizes with the mouse: drawn with a hatched
// border and eight resize handles, it answers hit tests, sets the cursor over
// its handles and runs the drag itself (mouse captured until the button is
// released or Escape is pressed).
#pragma once
#include <windows.h>

namespace framework {

class CRectTracker {
public:
    enum Style : UINT {
        kSolidLine = 1,
        kDottedLine = 2,
        kHatchedBorder = 4,
        kResizeInside = 8,
        kResizeOutside = 16,
    };
    // Hit-test results: the handles clockwise from the top-left corner, then
    // the inside; kHitNothing outside.
    enum Hit : int {
        kHitNothing = -1,
        kHitTopLeft, kHitTopRight, kHitBottomRight, kHitBottomLeft,
        kHitTop, kHitRight, kHitBottom, kHitLeft,
        kHitMiddle,
    };

    CRectTracker() = default;
    CRectTracker(const RECT& rect, UINT style) : rect_(rect), style_(style) {}

    RECT Rect() const { return rect_; }
    void SetRect(const RECT& rect) { rect_ = rect; }
    UINT Style() const { return style_; }
    void SetStyle(UINT style) { style_ = style; }
    int HandleSize() const { return handleSize_; }

    void Draw(HDC dc) const;
    int HitTest(POINT point) const;
    RECT HandleRect(int hit) const;
    // Over a handle: the matching sizing cursor; true when the cursor was set.
    bool SetCursor(HWND wnd, POINT clientPoint) const;
    // The rectangle after the mouse moved by (dx, dy) while dragging `hit`,
    // kept at least minSize wide and high.
    RECT Dragged(const RECT& start, int hit, int dx, int dy) const;
    // Runs the drag from a button press at `start` (client coordinates of
    // wnd).  True when the rectangle changed; Escape restores it.
    bool Track(HWND wnd, POINT start);
    // Runs the drag of `hit` (a handle, or kHitMiddle for a move) whatever
    // lies under `start`.
    bool TrackHit(HWND wnd, POINT start, int hit);

    virtual ~CRectTracker() = default;

    SIZE minSize{4, 4};

protected:
    // Called at every step of a drag with the rectangle the mouse asks for:
    // an owner with rules of its own (sizes, bounds) changes it here.
    virtual void AdjustRect(int hit, RECT& rect) {}

private:
    // The outer rectangle covered by border and handles (for repainting).
    RECT Bounds() const;

    RECT rect_{0, 0, 0, 0};
    UINT style_ = kHatchedBorder | kResizeOutside;
    int handleSize_ = 7;
};

}  // namespace framework
