#include "regions.h"

#include <mmsystem.h>

#include <cstdint>

#include "command_table.h"

namespace kxmci {

kxcard::Rect ToRect(const Rect4& r)
{
    return kxcard::Rect{static_cast<std::int32_t>(r.x), static_cast<std::int32_t>(r.y),
                        static_cast<std::int32_t>(r.w), static_cast<std::int32_t>(r.h)};
}

bool IsRegion(const kxcard::Rect& r) { return r.w > 0 && r.h > 0 && r.w <= kMaxRegionSide && r.h <= kMaxRegionSide; }

bool IsPlacement(const kxcard::Rect& r)
{
    return r.w >= 0 && r.h >= 0 && r.w <= kMaxRegionSide && r.h <= kMaxRegionSide;
}

DWORD AtRegion(DWORD flags, const Rect4& at, std::optional<kxcard::Rect>& region)
{
    region.reset();
    if (!(flags & KXF_AT))
        return 0;
    const kxcard::Rect r = ToRect(at);
    if (!IsRegion(r))
        return MCIERR_OUTOFRANGE;
    region = r;
    return 0;
}

} // namespace kxmci
