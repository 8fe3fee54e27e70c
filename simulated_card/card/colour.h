// Colour controls of the card's video path.  Every control runs from 0 to
// 255 with 128 as the neutral setting; together they form one affine map of
// RGB that is worked out once per change and applied to every live pixel.
#pragma once

#include "picture.h"

namespace kxcard {

constexpr int kColourMin = 0;
constexpr int kColourMax = 255;
constexpr int kColourNeutral = 128;

struct ColourSettings {
    int hue = kColourNeutral;
    int brightness = kColourNeutral;
    int saturation = kColourNeutral;
    int contrast = kColourNeutral;
    int red = kColourNeutral;
    int green = kColourNeutral;
    int blue = kColourNeutral;

    bool operator==(const ColourSettings& o) const
    {
        return hue == o.hue && brightness == o.brightness && saturation == o.saturation &&
               contrast == o.contrast && red == o.red && green == o.green && blue == o.blue;
    }
};

class ColourMap {
public:
    ColourMap() : ColourMap(ColourSettings{}) {}
    explicit ColourMap(const ColourSettings& settings);

    Pixel Apply(Pixel p) const;
    bool IsIdentity() const { return identity_; }

private:
    // 16.16 fixed point: out[c] = m[c][0]*r + m[c][1]*g + m[c][2]*b + m[c][3]
    int m_[3][4] = {};
    bool identity_ = true;
};

} // namespace kxcard
