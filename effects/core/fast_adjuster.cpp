#include "fast_adjuster.h"

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

inline int MulDiv59Signed(int x, uint32_t d, const uint32_t* reciprocal)
{
    // MulDiv(59, x, d) for |x| <= d <= 255.
    const uint32_t magnitude = uint32_t(59 * (x < 0 ? -x : x)) + d / 2;
    const int quotient = int((uint64_t(magnitude) * reciprocal[d]) >> 31);
    return x < 0 ? -quotient : quotient;
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
        const int sector = h / 59;
        sector_[hue + 1] = uint8_t(sector == 6 ? 0 : sector);
        step_[hue + 1] = uint8_t(h % 59);
    }
}

void FastAdjuster::AdjustRow(const uint8_t* source, uint8_t* target, int pixels, int step) const
{
    const uint32_t* reciprocal = TheReciprocals().value;
    for (int i = 0; i < pixels; ++i, source += step, target += step) {
        const int b = source[0], g = source[1], r = source[2];
        int max = r > g ? r : g;
        max = b > max ? b : max;
        int min = r < g ? r : g;
        min = b < min ? b : min;
        const uint32_t v = value_[max];
        int c1r, c1g, c1b;
        const uint32_t d = uint32_t(max - min);
        uint32_t s = 0;
        if (d != 0)
            s = saturation_[(uint64_t(255 * d) * reciprocal[max]) >> 31];
        if (s == 0) {
            c1r = c1g = c1b = int(v);
        } else {
            int hue;
            if (r == max)
                hue = MulDiv59Signed(g - b, d, reciprocal);
            else if (g == max)
                hue = MulDiv59Signed(b - r, d, reciprocal) + 119;
            else
                hue = MulDiv59Signed(r - g, d, reciprocal) + 239;
            if (hue < 0)
                hue += 359;
            const uint32_t f = step_[hue + 1];
            const int p = int((v * (255 - s) + 127) / 255);
            const int q = int((v * (255 - (s * f + 29) / 59) + 127) / 255);
            const int t = int((v * (255 - (s * (59 - f) + 29) / 59) + 127) / 255);
            const int vv = int(v);
            switch (sector_[hue + 1]) {
            case 0: c1r = vv, c1g = t, c1b = p; break;
            case 1: c1r = q, c1g = vv, c1b = p; break;
            case 2: c1r = p, c1g = vv, c1b = t; break;
            case 3: c1r = p, c1g = q, c1b = vv; break;
            case 4: c1r = t, c1g = p, c1b = vv; break;
            default: c1r = vv, c1g = p, c1b = q; break;
            }
        }
        target[0] = uint8_t(ClampByte(c1b + add_[2][b]));
        target[1] = uint8_t(ClampByte(c1g + add_[1][g]));
        target[2] = uint8_t(ClampByte(c1r + add_[0][r]));
    }
}

}  // namespace htfx
