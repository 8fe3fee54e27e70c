#include "placement.h"

namespace kxcard {

void Placement::Set(const Rect& frame, const Rect& source)
{
    frame_ = frame;
    source_ = source;
}

void Placement::ToFrame(int cx, int cy, int& fx, int& fy) const
{
    if (frame_.Empty() || source_.Empty()) {
        fx = cx;
        fy = cy;
        return;
    }
    long long dx = cx - frame_.x, dy = cy - frame_.y;
    // Floor division keeps pixels left of or above the frame rectangle
    // mapping outside, rather than folding onto column or row 0.
    long long nx = dx * source_.w, ny = dy * source_.h;
    fx = source_.x + static_cast<int>(nx >= 0 ? nx / frame_.w : -((-nx + frame_.w - 1) / frame_.w));
    fy = source_.y + static_cast<int>(ny >= 0 ? ny / frame_.h : -((-ny + frame_.h - 1) / frame_.h));
}

Picture ReadRegion(const Picture& frame, const Placement& placement, const Rect& region)
{
    Picture out(region.w, region.h);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            int fx, fy;
            placement.ToFrame(region.x + x, region.y + y, fx, fy);
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
            placement.ToFrame(region.x + x, region.y + y, fx, fy);
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
            placement.ToFrame(region.x + x, region.y + y, fx, fy);
            if (frame.Contains(fx, fy))
                frame.Set(fx, fy, Pixel{});
        }
}

} // namespace kxcard
