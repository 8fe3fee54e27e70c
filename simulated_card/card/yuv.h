// The card's Y, U, V pixel form: luminance 0..255 and two signed colour
// differences, the same conversion the effects library uses for its YUV
// streams, so that pictures grabbed as YUV compose with RGB pictures.
#pragma once

#include "picture.h"

namespace kxcard {

struct Yuv {
    int y = 0;   // 0..255
    int u = 0;   // -128..127
    int v = 0;   // -128..127
    bool operator==(const Yuv& o) const { return y == o.y && u == o.u && v == o.v; }
    bool operator!=(const Yuv& o) const { return !(*this == o); }
};

Yuv ToYuv(Pixel p);
Pixel FromYuv(Yuv c);

// The three bytes stored in a YUV memory buffer (U and V as signed bytes).
inline void StoreYuv(Yuv c, std::uint8_t* out)
{
    out[0] = static_cast<std::uint8_t>(c.y);
    out[1] = static_cast<std::uint8_t>(static_cast<std::int8_t>(c.u));
    out[2] = static_cast<std::uint8_t>(static_cast<std::int8_t>(c.v));
}
inline Yuv LoadYuv(const std::uint8_t* in)
{
    return Yuv{in[0], static_cast<std::int8_t>(in[1]), static_cast<std::int8_t>(in[2])};
}

} // namespace kxcard
