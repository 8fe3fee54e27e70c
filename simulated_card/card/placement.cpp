#include "placement.h"

#include <algorithm>
#include <limits>

namespace kxcard {

void Placement::Set(const Rect& frame, const Rect& source)
{
    frame_ = frame;
    source_ = source;
}

namespace {

// 64-bit arithmetic: rectangles come from callers and may lie anywhere.
int ClampInt(long long v)
{
    return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Floor division keeps pixels left of or above the frame rectangle mapping
// outside, rather than folding onto column or row 0.
long long FloorDiv(long long n, long long d) { return n >= 0 ? n / d : -((-n + d - 1) / d); }

} // namespace

int Placement::ToFrameX(long long cx) const
{
    if (frame_.Empty() || source_.Empty())
        return ClampInt(cx);
    return ClampInt(source_.x + FloorDiv((cx - frame_.x) * source_.w, frame_.w));
}

int Placement::ToFrameY(long long cy) const
{
    if (frame_.Empty() || source_.Empty())
        return ClampInt(cy);
    return ClampInt(source_.y + FloorDiv((cy - frame_.y) * source_.h, frame_.h));
}

void Placement::ToFrame(long long cx, long long cy, int& fx, int& fy) const
{
    fx = ToFrameX(cx);
    fy = ToFrameY(cy);
}

Picture ReadRegion(const Picture& frame, const Placement& placement, const Rect& region)
{
    Picture out(region.w, region.h);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            int fx, fy;
            placement.ToFrame(static_cast<long long>(region.x) + x, static_cast<long long>(region.y) + y, fx, fy);
            if (frame.Contains(fx, fy))
                out.Set(x, y, frame.At(fx, fy));
        }
    return out;
}

void WriteRegion(Picture& frame, const Placement& placement, const Rect& region, const Picture& pic)
{
    if (region.Empty() || pic.Empty())
        return;
    for (int y = 0; y < region.h; ++y) {
        int py = static_cast<int>(static_cast<long long>(y) * pic.Height() / region.h);
        for (int x = 0; x < region.w; ++x) {
            int px = static_cast<int>(static_cast<long long>(x) * pic.Width() / region.w);
            int fx, fy;
            placement.ToFrame(static_cast<long long>(region.x) + x, static_cast<long long>(region.y) + y, fx, fy);
            if (frame.Contains(fx, fy))
                frame.Set(fx, fy, pic.At(px, py));
        }
    }
}

void ClearRegion(Picture& frame, const Placement& placement, const Rect& region)
{
    for (int y = 0; y < region.h; ++y)
        for (int x = 0; x < region.w; ++x) {
            int fx, fy;
            placement.ToFrame(static_cast<long long>(region.x) + x, static_cast<long long>(region.y) + y, fx, fy);
            if (frame.Contains(fx, fy))
                frame.Set(fx, fy, Pixel{});
        }
}

} // namespace kxcard
