#include "region_rules.h"

#include <algorithm>

ViewRect Intersection(const ViewRect& a, const ViewRect& b)
{
    ViewRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom)};
    return r.Empty() ? ViewRect{} : r;
}

bool LiesInside(const ViewRect& inner, const ViewRect& outer)
{
    return !inner.Empty() && Intersection(inner, outer) == inner;
}

ViewRect BandRect(int anchorX, int anchorY, int x, int y, const ViewRect& client)
{
    ViewRect band{std::min(anchorX, x), std::min(anchorY, y), std::max(anchorX, x), std::max(anchorY, y)};
    // Clipped edge by edge, so that a band dragged past the client area keeps
    // its extent along the edge instead of vanishing.
    band.left = std::clamp(band.left, client.left, client.right);
    band.right = std::clamp(band.right, client.left, client.right);
    band.top = std::clamp(band.top, client.top, client.bottom);
    band.bottom = std::clamp(band.bottom, client.top, client.bottom);
    return band;
}

ViewRect WorkingRect(const ViewRect& selection, const ViewRect& client)
{
    return selection.Empty() ? client : selection;
}

bool PasteAvailable(const ClipboardPicture& clipboard)
{
    if (clipboard.bitmap && clipboard.planes > 0)
        return clipboard.planes * clipboard.bitsPerPixel > 1;
    return clipboard.dib;
}
