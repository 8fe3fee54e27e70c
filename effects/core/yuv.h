// The conversion of blue, green, red pixels to Y, U, V (U and V signed bytes),
// by the suite's one rule.
#pragma once
#include <cstdint>

#include "yuv_rule.h"

namespace htfx {

inline void RgbToYuv(const uint8_t* bgr, uint8_t* yuv)
{
    const kx::colour::YuvValues c = kx::colour::YuvFromRgb(bgr[2], bgr[1], bgr[0]);
    yuv[0] = uint8_t(c.y);
    yuv[1] = uint8_t(int8_t(c.u));
    yuv[2] = uint8_t(int8_t(c.v));
}

// Converts `pixels` pixels; `source` and `target` may be the same row.
void RowToYuv(const uint8_t* source, uint8_t* target, int pixels);

}  // namespace htfx
