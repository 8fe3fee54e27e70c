// The rectangles of the parameter blocks (four unsigned numbers as parsed)
// as the card's signed rectangles, and the checks a command's region passes.
#pragma once

#include <windows.h>

#include <optional>

#include "card/placement.h"
#include "params.h"

namespace kxmci {

// The largest region a command may name, in pixels per side.
constexpr int kMaxRegionSide = 8192;

// The rectangle as given: each number read as a signed 32-bit value, so that
// "-1" (parsed as 0xFFFFFFFF) is -1 again.
kxcard::Rect ToRect(const Rect4& r);

// A region of pixels: not empty and not larger than kMaxRegionSide.
bool IsRegion(const kxcard::Rect& r);

// A placement rectangle: no negative size (empty means "none") and not
// larger than kMaxRegionSide.
bool IsPlacement(const kxcard::Rect& r);

// The region a command names with "at": none without that flag,
// MCIERR_OUTOFRANGE when it is given but is not a region.
DWORD AtRegion(DWORD flags, const Rect4& at, std::optional<kxcard::Rect>& region);

} // namespace kxmci
