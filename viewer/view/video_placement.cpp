#include "video_placement.h"

#include <algorithm>

namespace {

int ClampScroll(int position, int total, int client)
{
    return std::clamp(position, 0, std::max(0, total - client));
}

}  // namespace

Placement ComputePlacement(PlaceMode mode, const PlacementInput& in)
{
    Placement out;
    out.nonFit = in.nonFit;
    out.scrollX = in.scrollX;
    out.scrollY = in.scrollY;
    if ((in.exported && mode != PlaceMode::Exported) || in.printing)
        return out;
    if (in.clientW <= 0 || in.clientH <= 0)
        return out;
    if (mode == PlaceMode::Exported) {
        out.action = PlacementAction::Exported;
        return out;
    }
    if (mode == PlaceMode::Zoomed)
        out.nonFit = true;

    int cw = in.fullScreen ? in.screenW : in.clientW;
    int ch = in.fullScreen ? in.screenH : in.clientH;
    int zoom = std::max(1, in.zoom);
    out.action = PlacementAction::Place;
    if (!out.nonFit) {
        out.frame = {0, 0, cw, ch};
        out.source = {0, 0, cw, ch};
        out.totalW = cw;
        out.totalH = ch;
        return out;
    }
    out.frame = {0, 0, in.screenW, in.screenH};
    out.totalW = in.screenW * zoom;
    out.totalH = in.screenH * zoom;
    // A client larger than the zoomed screen would give a negative origin:
    // the picture then starts at the frame memory's corner.
    out.source = {std::max(0, std::min(in.scrollX, out.totalW - cw)) / zoom,
                  std::max(0, std::min(in.scrollY, out.totalH - ch)) / zoom, cw / zoom, ch / zoom};
    out.scrollX = ClampScroll(in.scrollX, out.totalW, in.clientW);
    out.scrollY = ClampScroll(in.scrollY, out.totalH, in.clientH);
    return out;
}
