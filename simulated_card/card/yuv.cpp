#include "yuv.h"

#include <algorithm>

#include "yuv_rule.h"

namespace kxcard {

namespace {
std::uint8_t Clamp(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }
int ClampSigned(int v) { return std::clamp(v, -128, 127); }
} // namespace

Yuv ToYuv(Pixel p)
{
    const kx::colour::YuvValues c = kx::colour::YuvFromRgb(p.r, p.g, p.b);
    return Yuv{c.y, ClampSigned(c.u), ClampSigned(c.v)};
}

Pixel FromYuv(Yuv c)
{
    // Inverse of ToYuv, rounded to the nearest value.
    int b = c.y + (c.u * 226 + (c.u >= 0 ? 63 : -63)) / 127;
    int r = c.y + (c.v * 179 + (c.v >= 0 ? 63 : -63)) / 127;
    int g = (256 * c.y - 76 * r - 29 * b + 75) / 150;
    return Pixel{Clamp(b), Clamp(g), Clamp(r)};
}

} // namespace kxcard
