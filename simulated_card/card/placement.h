// Where frame memory shows in the named window.  The caller gives two
// rectangles: the frame rectangle (window client pixels where the video
// appears) and the source rectangle (the part of frame memory shown there,
// stretched to fit).  Every region a command names ("at x y w h") is in the
// window's client pixels and reaches frame memory through this mapping.
#pragma once

#include "picture.h"

namespace kxcard {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Empty() const { return w <= 0 || h <= 0; }
    bool operator==(const Rect& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
};

class Placement {
public:
    void Set(const Rect& frame, const Rect& source);
    const Rect& Frame() const { return frame_; }
    const Rect& Source() const { return source_; }

    // Frame memory position of a client pixel.  Before any placement, and
    // for an empty rectangle, client pixels are frame memory pixels.
    void ToFrame(long long cx, long long cy, int& fx, int& fy) const;
    // The same for one coordinate: the mapping is separable, so a whole area
    // maps through one column map and one row map.
    int ToFrameX(long long cx) const;
    int ToFrameY(long long cy) const;

private:
    Rect frame_;
    Rect source_;
};

// A region of frame memory, seen through the placement, as a picture of
// region.w x region.h pixels; pixels outside frame memory read as black.
Picture ReadRegion(const Picture& frame, const Placement& placement, const Rect& region);

// Writes `pic` into the region (stretched to the region's size when the
// sizes differ); pixels that fall outside frame memory are dropped.
void WriteRegion(Picture& frame, const Placement& placement, const Rect& region, const Picture& pic);

// Clears a region to black.
void ClearRegion(Picture& frame, const Placement& placement, const Rect& region);

} // namespace kxcard
