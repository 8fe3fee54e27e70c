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

    bool operator==(const KeyingOptions& o) const
    {
        return videoKey == o.videoKey && keyColour == o.keyColour && chromaKey == o.chromaKey &&
               chroma == o.chroma && tolerance == o.tolerance;
    }
    bool operator!=(const KeyingOptions& o) const { return !(*this == o); }
};

// The remembered state of one pixel: the packed colour last painted there
// (with a mark whether it was key area), or kNotPainted.
constexpr std::uint32_t kNotPainted = 0xFFFFFFFFu;
// A packed pixel: 0x00RRGGBB, the layout of a 32-bit DIB's pixel.
inline std::uint32_t Pack(Pixel p) { return p.b | (p.g << 8) | (static_cast<std::uint32_t>(p.r) << 16); }
inline Pixel Unpack(std::uint32_t v)
{
    return Pixel{static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16)};
}

bool ChromaMatches(const KeyingOptions& options, Pixel video);

// Composes `count` pixels in place: `screen` holds what the window shows
// and receives the result, `painted` the keyer's memory for these pixels.
void ComposeKeyed(const KeyingOptions& options, const Pixel* video, Pixel* screen, std::uint32_t* painted,
                  std::size_t count);

// The same for a width x height area whose key is read (dx, dy) pixels away
// from where the video goes: a key that is out of alignment with the
// picture, as the card's window alignment ("skew win addr") sets it.  Where
// the key says "no video" over what was video area the key colour shows, the
// pink trace that tells the user to align.
void ComposeKeyedShifted(const KeyingOptions& options, const Pixel* video, Pixel* screen, std::uint32_t* painted,
                         int width, int height, int dx, int dy);

// The keyer itself, on packed pixels as a 32-bit DIB holds them: `screen`
// is what the window shows (the top byte is ignored), `out` receives the
// composed area (top byte 0; it may be `screen` itself).
void ComposeKeyedPacked(const KeyingOptions& options, const std::uint32_t* video, const std::uint32_t* screen,
                        std::uint32_t* out, std::uint32_t* painted, int width, int height, int dx, int dy);

} // namespace kxcard
