// A rectangle in view client pixels for the Windows-free rules of the view
// (the same fields as the platform's RECT).
#pragma once

struct ViewRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const ViewRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const ViewRect& o) const { return !(*this == o); }
};

// The overlap of two rectangles (empty when they do not meet).
ViewRect Intersection(const ViewRect& a, const ViewRect& b);
// Whether `inner` lies wholly inside `outer`: their overlap is `inner`.
bool LiesInside(const ViewRect& inner, const ViewRect& outer);
