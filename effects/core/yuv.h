// The conversion of blue, green, red pixels to Y, U, V (U and V signed bytes).
#pragma once
#include <cstdint>

namespace htfx {

inline void RgbToYuv(const uint8_t* bgr, uint8_t* yuv)
{
    const int blue = bgr[0], green = bgr[1], red = bgr[2];
    const int y = (76 * red + 150 * green + 29 * blue) >> 8;
    const int u = (blue - y) * 127 / 226;
    const int v = (red - y) * 127 / 179;
    yuv[0] = uint8_t(y);
    yuv[1] = uint8_t(int8_t(u));
    yuv[2] = uint8_t(int8_t(v));
}

// Converts `pixels` pixels; `source` and `target` may be the same row.
void RowToYuv(const uint8_t* source, uint8_t* target, int pixels);

}  // namespace htfx
