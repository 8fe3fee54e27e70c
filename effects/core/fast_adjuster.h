// Table-driven combined adjustment: the same results as AdjustCombinedPixel,
// bit for bit, with the per-pixel divisions replaced by tables and
// reciprocals prepared once per set of amounts.
#pragma once
#include <cstdint>

#include "color_model.h"

namespace htfx {

class FastAdjuster {
public:
    explicit FastAdjuster(const Amounts& amounts);

    // Adjusts `pixels` pixels of `step` bytes (3 or 4; blue, green, red
    // first) from `source` to `target`, which may be the same row.
    void AdjustRow(const uint8_t* source, uint8_t* target, int pixels, int step) const;

private:
    // Whole blocks of four 3-byte pixels with vector instructions; returns
    // the pixels done (fast_adjuster_vector.cpp).
    int AdjustBlocks3(const uint8_t* source, uint8_t* target, int pixels) const;
    static bool BlocksEnabled();

    uint8_t value_[256];
    uint8_t saturation_[256];
    // By hue + 1, after the shift: the multiplier of s for the sector's q or
    // t in the low byte, then for red, green and blue two bits each choosing
    // v, that value or p.
    uint16_t hue_[360];
    int16_t add_[3][256];  // primaries and contrast, red, green, blue
};

// n / d for 0 <= n <= 65535 and 1 <= d <= 255, through a reciprocal table.
uint32_t DivideSmall(uint32_t n, uint32_t d);

}  // namespace htfx
