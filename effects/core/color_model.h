// The library's integer hue-saturation-value model.  One sixth of the hue
// circle is 59 steps; hues run 0 ... 358 (359 after a shift), -1 = undefined.
// These are the plain per-pixel rules; FastAdjuster is the table-driven
// equivalent used for whole pictures.
#pragma once
#include <cstdint>

namespace htfx {

struct Hsv {
    int hue;
    int value;
    int saturation;
};

struct Rgb {
    int red;
    int green;
    int blue;
};

Hsv ToModel(int red, int green, int blue);
Rgb FromModel(int hue, int value, int saturation);

// The hue shift for a normalised hue amount (-99 ... 99): amount 0 gives 1.
int HueShift(int amount);
// A hue turned by a shift; an undefined hue stays undefined.
int ShiftHue(int hue, int shift);

// Amounts on the caller's scale 0 ... range (range / 2 = no change) and the
// library's scale -99 ... 99.
int NormaliseAmount(int amount, int range);
int DenormaliseAmount(int normalised, int range);

// The seven adjustments in amount order, normalised.
struct Amounts {
    int value[7];
};

// Combined adjustment of one pixel (hue, brightness, saturation through the
// model, then the three primaries and contrast on the original channels).
void AdjustCombinedPixel(const Amounts& amounts, uint8_t& blue, uint8_t& green, uint8_t& red);

// Single-channel rules; `limit` is 255 for 8-bit channels, 31 for 5-bit ones.
enum class Channel { Red, Green, Blue, Hue, Saturation, Brightness, Contrast };
void AdjustSinglePixel(Channel channel, int amount, int limit, int& blue, int& green, int& red);

}  // namespace htfx
