#include "frame_geometry.h"
#include <cmath>
#include <cstdlib>

namespace {
constexpr float kAspect = 1.3333334f;
}

WindowBox FullScreenBox(const FrameMetrics& m)
{
    const int x = 1 - m.frameW - m.edgeW;
    const int y = -(m.menuH + m.captionH + m.frameH + m.edgeH);
    const int w = m.screenW + 2 * m.edgeW + 2 * m.frameW + 2;
    const int h = m.screenH + 2 * m.edgeH + 2 * m.frameH + m.menuH + m.captionH + 2;
    return WindowBox{x, y, x + w, y + h};
}

int WidthFromHeight(int height, AspectExtra extra)
{
    return extra.width + static_cast<int>(std::floor(static_cast<float>(height - extra.height) * kAspect + 0.5f));
}

int HeightFromWidth(int width, AspectExtra extra)
{
    return extra.height + static_cast<int>(std::floor(static_cast<float>(width - extra.width) / kAspect + 0.5f));
}

LeadingSide LeadingDimension(int widthChange, int heightChange)
{
    return std::abs(widthChange) < std::abs(heightChange) ? LeadingSide::Height : LeadingSide::Width;
}

FrameSize KeepAspect(FrameSize proposed, FrameSize previous, AspectExtra extra)
{
    if (LeadingDimension(proposed.width - previous.width, proposed.height - previous.height) == LeadingSide::Height)
        return FrameSize{WidthFromHeight(proposed.height, extra), proposed.height};
    return FrameSize{proposed.width, HeightFromWidth(proposed.width, extra)};
}

TrackingLimits AspectTrackingLimits(TrackingLimits proposed, AspectExtra extra)
{
    TrackingLimits limits = proposed;
    limits.minimum.height = HeightFromWidth(limits.minimum.width, extra);
    if (limits.minimum.height < extra.height)
        limits.minimum.height = extra.height;
    limits.maximum.width = WidthFromHeight(limits.maximum.height, extra);
    return limits;
}

FitResult FitToPicture(const FitInput& in)
{
    FitResult result;
    const int w = in.pictureW + in.extra.width;
    const int h = in.pictureH + in.extra.height;
    if (w >= in.workW && h >= in.workH) {
        result.maximise = true;
        return result;
    }
    int left = in.normalLeft, top = in.normalTop;
    if (in.centre) {
        left = (in.screenW - w) / 2;
        top = (in.screenH - h) / 2;
        // Larger than the screen one way: only the border leaves it.
        if (left < 0)
            left = -in.frameW;
        if (top < 0)
            top = -in.frameH;
    }
    result.normal = WindowBox{left, top, left + w, top + h};
    return result;
}
