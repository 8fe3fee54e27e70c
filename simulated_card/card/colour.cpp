#include "colour.h"

#include <algorithm>
#include <cmath>

namespace kxcard {

namespace {

struct Rgbf {
    double r, g, b;
};

// The video path on one colour, in the order the card's decoder works:
// luminance contrast and brightness, then hue and saturation of the colour
// difference, then the gains of the three primaries.
Rgbf Adjust(const ColourSettings& s, Rgbf in)
{
    const double pi = 3.14159265358979323846;
    double y = 0.299 * in.r + 0.587 * in.g + 0.114 * in.b;
    double u = in.b - y;
    double v = in.r - y;
    y = (y - 128.0) * s.contrast / 128.0 + 128.0 + (s.brightness - kColourNeutral);
    double angle = (s.hue - kColourNeutral) / 128.0 * pi;
    double sat = s.saturation / 128.0;
    double u2 = sat * (u * std::cos(angle) - v * std::sin(angle));
    double v2 = sat * (u * std::sin(angle) + v * std::cos(angle));
    double r = y + v2;
    double b = y + u2;
    double g = (y - 0.299 * r - 0.114 * b) / 0.587;
    return Rgbf{r * s.red / 128.0, g * s.green / 128.0, b * s.blue / 128.0};
}

int Fixed(double v) { return static_cast<int>(std::lround(v * 65536.0)); }

std::uint8_t Clamp16(long long v)
{
    v = (v + 32768) >> 16;
    return static_cast<std::uint8_t>(std::clamp<long long>(v, 0, 255));
}

} // namespace

ColourMap::ColourMap(const ColourSettings& settings)
{
    identity_ = settings == ColourSettings{};
    Rgbf zero = Adjust(settings, {0, 0, 0});
    Rgbf cols[3] = {Adjust(settings, {1, 0, 0}), Adjust(settings, {0, 1, 0}), Adjust(settings, {0, 0, 1})};
    for (int i = 0; i < 3; ++i) {
        m_[0][i] = Fixed(cols[i].r - zero.r);
        m_[1][i] = Fixed(cols[i].g - zero.g);
        m_[2][i] = Fixed(cols[i].b - zero.b);
    }
    m_[0][3] = Fixed(zero.r);
    m_[1][3] = Fixed(zero.g);
    m_[2][3] = Fixed(zero.b);
}

Pixel ColourMap::Apply(Pixel p) const
{
    if (identity_)
        return p;
    long long r = p.r, g = p.g, b = p.b;
    Pixel out;
    out.r = Clamp16(m_[0][0] * r + m_[0][1] * g + m_[0][2] * b + m_[0][3]);
    out.g = Clamp16(m_[1][0] * r + m_[1][1] * g + m_[1][2] * b + m_[1][3]);
    out.b = Clamp16(m_[2][0] * r + m_[2][1] * g + m_[2][2] * b + m_[2][3]);
    return out;
}

} // namespace kxcard
