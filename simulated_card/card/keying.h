// Software keying of the live video into a window's pixels.  The card's
// overlay replaces the VGA picture wherever it shows the key colour; here
// the driver reads the window's pixels back, decides per pixel whether it is
// video area, writes video there and leaves everything else alone.
//
// Once video is painted the window no longer shows the key colour there, so
// the keyer remembers what it painted: a pixel still holding exactly the
// video it last received is video area too.  Anything the program draws
// afterwards (text, a selection frame) differs from that and stays on top
// until the program paints the key colour again.
#pragma once

#include <cstddef>
#include <cstdint>

#include "picture.h"
#include "yuv.h"

namespace kxcard {

struct KeyingOptions {
    bool videoKey = true;       // key by colour; off: video over the whole frame rectangle
    Pixel keyColour = Rgb(255, 0, 255);
    bool chromaKey = false;     // video close to the chroma key lets the VGA picture through
    Yuv chroma;
    Yuv tolerance{10, 10, 10};
};

// The remembered state of one pixel: the packed colour last painted there,
// or kNotPainted.
constexpr std::uint32_t kNotPainted = 0xFFFFFFFFu;
inline std::uint32_t Pack(Pixel p) { return p.b | (p.g << 8) | (static_cast<std::uint32_t>(p.r) << 16); }

bool ChromaMatches(const KeyingOptions& options, Pixel video);

// Composes `count` pixels in place: `screen` holds what the window shows
// and receives the result, `painted` the keyer's memory for these pixels.
void ComposeKeyed(const KeyingOptions& options, const Pixel* video, Pixel* screen, std::uint32_t* painted,
                  std::size_t count);

} // namespace kxcard
