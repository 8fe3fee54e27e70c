#include "color_model.h"

#include <algorithm>

#include "mul_div.h"

namespace htfx {

Hsv ToModel(int red, int green, int blue)
{
    const int max = std::max({red, green, blue});
    const int min = std::min({red, green, blue});
    Hsv hsv;
    hsv.value = max * 255 / 255;
    hsv.saturation = max == 0 ? 0 : 255 * (max - min) / max;
    if (hsv.saturation == 0) {
        hsv.hue = -1;
        return hsv;
    }
    const int d = max - min;
    int hue;
    if (red == max)
        hue = MulDiv(59, green - blue, d);
    else if (green == max)
        hue = MulDiv(blue - red, 59, d) + 119;
    else
        hue = MulDiv(red - green, 59, d) + 239;
    if (hue < 0)
        hue += 359;
    if (hue >= 360)
        hue -= 359;
    hsv.hue = hue;
    return hsv;
}

Rgb FromModel(int h, int v, int s)
{
    if (s == 0)
        return {v, v, v};
    if (h >= 360)
        h -= 359;
    else if (h < 0)
        h += 359;
    // Unreachable for the amounts the library produces; keeps any input in range.
    while (h >= 360)
        h -= 359;
    while (h < 0)
        h += 359;
    const int f = h % 59;
    const int p = MulDiv(v, 255 - s, 255);
    const int q = MulDiv(v, 255 - MulDiv(s, f, 59), 255);
    const int t = MulDiv(v, 255 - MulDiv(s, 59 - f, 59), 255);
    switch (h / 59) {
    case 1: return {q, v, p};
    case 2: return {p, v, t};
    case 3: return {p, q, v};
    case 4: return {t, p, v};
    case 5: return {v, p, q};
    default: return {v, t, p};  // sectors 0 and 6
    }
}

int HueShift(int amount)
{
    int shift = 360 - amount * 180 / 99;
    if (shift >= 360)
        shift -= 359;
    return shift;
}

int ShiftHue(int hue, int shift)
{
    if (hue == -1)
        return -1;
    hue += shift;
    if (hue >= 360)
        hue -= 359;
    return hue;
}

int NormaliseAmount(int amount, int range)
{
    return int((2 * int64_t(amount) - range) * 99 / range);
}

int DenormaliseAmount(int normalised, int range)
{
    return int(int64_t(range) * normalised / 198 + range / 2);
}

void AdjustCombinedPixel(const Amounts& amounts, uint8_t& blue, uint8_t& green, uint8_t& red)
{
    const int x[3] = {red, green, blue};
    Hsv hsv = ToModel(red, green, blue);
    hsv.hue = ShiftHue(hsv.hue, HueShift(amounts.value[3]));
    const int value = Clamp255(hsv.value + MulDiv(hsv.value, amounts.value[4], 99));
    const int saturation = Clamp255(hsv.saturation + MulDiv(hsv.saturation, amounts.value[5], 99));
    const Rgb c1 = FromModel(hsv.hue, value, saturation);
    const int c[3] = {c1.red, c1.green, c1.blue};
    int out[3];
    for (int i = 0; i < 3; ++i)
        out[i] = Clamp255(c[i] + MulDiv(x[i], amounts.value[i], 99) + MulDiv(x[i] - 127, amounts.value[6], 99));
    red = uint8_t(out[0]);
    green = uint8_t(out[1]);
    blue = uint8_t(out[2]);
}

namespace {

int Limit(int value, int limit)
{
    return value < 0 ? 0 : value > limit ? limit : value;
}

}  // namespace

void AdjustSinglePixel(Channel channel, int a, int limit, int& blue, int& green, int& red)
{
    switch (channel) {
    case Channel::Red: red = Limit(red + red * a / 99, limit); return;
    case Channel::Green: green = Limit(green + green * a / 99, limit); return;
    case Channel::Blue: blue = Limit(blue + blue * a / 99, limit); return;
    case Channel::Contrast:
        red = Limit(red + (red - 127) * a / 99, limit);
        green = Limit(green + (green - 127) * a / 99, limit);
        blue = Limit(blue + (blue - 127) * a / 99, limit);
        return;
    default: break;
    }
    Hsv hsv = ToModel(red, green, blue);
    if (channel == Channel::Hue)
        hsv.hue = ShiftHue(hsv.hue, HueShift(a));
    else if (channel == Channel::Brightness)
        hsv.value = Clamp255(hsv.value + a * hsv.value / 99);
    else
        hsv.saturation = Clamp255(hsv.saturation + a * hsv.saturation / 99);
    const Rgb rgb = FromModel(hsv.hue, hsv.value, hsv.saturation);
    red = Limit(rgb.red, limit);
    green = Limit(rgb.green, limit);
    blue = Limit(rgb.blue, limit);
}

}  // namespace htfx
