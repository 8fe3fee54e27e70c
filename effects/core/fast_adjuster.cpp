#include "fast_adjuster.h"

#include <algorithm>

#include "mul_div.h"

namespace htfx {

namespace {

struct Reciprocals {
    // ceil(2^31 / d): exact quotients for n * (error of d) < 2^31, which holds
    // for every n below 65536 and d up to 255.
    uint32_t value[256];
    Reciprocals()
    {
        value[0] = 0;
        for (uint32_t d = 1; d < 256; ++d)
            value[d] = uint32_t(((uint64_t(1) << 31) + d - 1) / d);
    }
};

const Reciprocals& TheReciprocals()
{
    static const Reciprocals table;
    return table;
}

inline int ClampByte(int v)
{
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

}  // namespace

uint32_t DivideSmall(uint32_t n, uint32_t d)
{
    return uint32_t((uint64_t(n) * TheReciprocals().value[d]) >> 31);
}

FastAdjuster::FastAdjuster(const Amounts& amounts)
{
    for (int x = 0; x < 256; ++x) {
        value_[x] = uint8_t(Clamp255(x + MulDiv(x, amounts.value[4], 99)));
        saturation_[x] = uint8_t(Clamp255(x + MulDiv(x, amounts.value[5], 99)));
        for (int c = 0; c < 3; ++c)
            add_[c][x] = int16_t(MulDiv(x, amounts.value[c], 99) + MulDiv(x - 127, amounts.value[6], 99));
    }
    const int shift = HueShift(amounts.value[3]);
    for (int hue = -1; hue < 359; ++hue) {
        int h = ShiftHue(hue, shift);
        // The wraps of the conversion back from the model.
        while (h >= 360)
            h -= 359;
        while (h < 0)
            h += 359;
        // Each sector uses either q (odd sectors) or t (even ones), never
        // both: one "w" value is computed per pixel, with the multiplier of
        // s it needs (h mod 59 for q, 59 - h mod 59 for t).  Channel sources
        // are indices into {v, w, p}.
        static const uint8_t kSources[6][3] = {{0, 1, 2}, {1, 0, 2}, {2, 0, 1}, {2, 1, 0}, {1, 2, 0}, {0, 2, 1}};
        const int sector = h / 59 == 6 ? 0 : h / 59;
        const int multiplier = sector % 2 ? h % 59 : 59 - h % 59;
        const uint8_t* from = kSources[sector];
        hue_[hue + 1] = uint16_t(multiplier | from[0] << 8 | from[1] << 10 | from[2] << 12);
    }
}

void FastAdjuster::AdjustRow(const uint8_t* source, uint8_t* target, int pixels, int step) const
{
    // Without branches on the pixel's colours: a grey pixel (or one whose
    // saturation drops to 0) has p = q = t = v, which is what the model gives.
    const uint32_t* reciprocal = TheReciprocals().value;
    int i = 0;
    if (step == 3 && BlocksEnabled()) {
        i = AdjustBlocks3(source, target, pixels);
        source += 3 * i, target += 3 * i;
    }
    for (; i < pixels; ++i, source += step, target += step) {
        const int b = source[0], g = source[1], r = source[2];
        const int max = std::max(std::max(r, g), b);
        const int min = std::min(std::min(r, g), b);
        const uint32_t d = uint32_t(max - min);
        const uint32_t v = value_[max];
        const uint32_t s = saturation_[(uint64_t(255 * d) * reciprocal[max]) >> 31];
        // The hue's numerator and offset by the largest channel, red first.
        const bool red_max = r == max, green_max = !red_max && g == max;
        const int numerator = red_max ? g - b : green_max ? b - r : r - g;
        const int offset = red_max ? 0 : green_max ? 119 : 239;
        const int sign = numerator >> 31;
        const uint32_t magnitude = uint32_t(59 * ((numerator ^ sign) - sign)) + d / 2;
        const int quotient = int((uint64_t(magnitude) * reciprocal[d]) >> 31);
        int hue = ((quotient ^ sign) - sign) + offset;
        hue += hue < 0 ? 359 : 0;
        const uint32_t entry = hue_[hue + 1];
        const uint32_t multiplier = entry & 0xFF;
        const int values[3] = {int(v), int((v * (255 - (s * multiplier + 29) / 59) + 127) / 255),
                               int((v * (255 - s) + 127) / 255)};
        target[0] = uint8_t(ClampByte(values[(entry >> 12) & 3] + add_[2][b]));
        target[1] = uint8_t(ClampByte(values[(entry >> 10) & 3] + add_[1][g]));
        target[2] = uint8_t(ClampByte(values[(entry >> 8) & 3] + add_[0][r]));
    }
}

}  // namespace htfx
