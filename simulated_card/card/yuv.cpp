#include "yuv.h"

#include <algorithm>

namespace kxcard {

namespace {
std::uint8_t Clamp(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }
int ClampSigned(int v) { return std::clamp(v, -128, 127); }
} // namespace

Yuv ToYuv(Pixel p)
{
    int y = (76 * p.r + 150 * p.g + 29 * p.b) >> 8;
    return Yuv{y, ClampSigned((p.b - y) * 127 / 226), ClampSigned((p.r - y) * 127 / 179)};
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
