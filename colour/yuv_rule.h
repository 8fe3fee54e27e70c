// The suite's one conversion of red, green, blue to Y, U, V: luminance 0..255
// and two colour differences scaled into a signed byte.  The effects library
// (its YUV streams and keys), the simulated card (its YUV buffers and chroma
// keying) and the card's image codecs all convert with this rule, so that a
// picture grabbed as YUV composes with RGB pictures anywhere in the suite.
// Integer arithmetic throughout; the divisions truncate towards zero.
#pragma once

namespace kx::colour {

struct YuvValues {
    int y;  // 0..255
    int u;  // -126..127
    int v;  // -126..127
};

constexpr YuvValues YuvFromRgb(int red, int green, int blue)
{
    const int y = (76 * red + 150 * green + 29 * blue) >> 8;
    return YuvValues{y, (blue - y) * 127 / 226, (red - y) * 127 / 179};
}

}  // namespace kx::colour
