#include "keying.h"

#include <cstdlib>
#include <vector>

namespace kxcard {

bool ChromaMatches(const KeyingOptions& o, Pixel video)
{
    Yuv c = ToYuv(video);
    return std::abs(c.y - o.chroma.y) <= o.tolerance.y && std::abs(c.u - o.chroma.u) <= o.tolerance.u &&
           std::abs(c.v - o.chroma.v) <= o.tolerance.v;
}

namespace {
// Marks a remembered pixel that was key area when the video was painted
// there (and not a drawing the misaligned key let the video cover).
constexpr std::uint32_t kKeyArea = 0x1000000u;
constexpr std::uint32_t kColourBits = 0xFFFFFFu;

// The window still shows exactly the video painted there last.
inline bool Ours(std::uint32_t painted, std::uint32_t screen)
{
    return painted != kNotPainted && (painted & kColourBits) == screen;
}
} // namespace

void ComposeKeyed(const KeyingOptions& o, const Pixel* video, Pixel* screen, std::uint32_t* painted,
                  std::size_t count)
{
    ComposeKeyedShifted(o, video, screen, painted, static_cast<int>(count), 1, 0, 0);
}

void ComposeKeyedShifted(const KeyingOptions& o, const Pixel* video, Pixel* screen, std::uint32_t* painted,
                         int width, int height, int dx, int dy)
{
    const std::size_t count = static_cast<std::size_t>(width) * height;
    std::vector<std::uint32_t> v(count), s(count);
    for (std::size_t i = 0; i < count; ++i) {
        v[i] = Pack(video[i]);
        s[i] = Pack(screen[i]);
    }
    ComposeKeyedPacked(o, v.data(), s.data(), s.data(), painted, width, height, dx, dy);
    for (std::size_t i = 0; i < count; ++i)
        screen[i] = Unpack(s[i]);
}

void ComposeKeyedPacked(const KeyingOptions& o, const std::uint32_t* video, const std::uint32_t* screen,
                        std::uint32_t* out, std::uint32_t* painted, int width, int height, int dx, int dy)
{
    const std::size_t count = static_cast<std::size_t>(width) * height;
    const std::uint32_t key = Pack(o.keyColour);
    if (dx == 0 && dy == 0) {
        // An aligned key (the usual case): each pixel keys itself, in one pass.
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint32_t s = screen[i] & kColourBits, p = painted[i];
            const bool ours = Ours(p, s);
            const bool area = !o.videoKey || s == key || (ours && (p & kKeyArea));
            if (area && !(o.chromaKey && ChromaMatches(o, Unpack(video[i])))) {
                const std::uint32_t v = video[i] & kColourBits;
                painted[i] = v | kKeyArea;
                out[i] = v;
            } else {
                out[i] = area && o.videoKey && ours ? key : s;
                painted[i] = kNotPainted;
            }
        }
        return;
    }
    // Pass 1: where the window is key area: it shows the key colour, or
    // still shows the video painted over key area last time.
    std::vector<unsigned char> area(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t s = screen[i] & kColourBits;
        area[i] = !o.videoKey || s == key || (Ours(painted[i], s) && (painted[i] & kKeyArea));
    }
    // Pass 2: each pixel takes its key from the shifted position.
    for (int y = 0; y < height; ++y) {
        const int ky = y - dy;
        const unsigned char* keyRow = ky >= 0 && ky < height ? &area[static_cast<std::size_t>(ky) * width] : nullptr;
        const std::size_t row = static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            const std::size_t i = row + x;
            const std::uint32_t s = screen[i] & kColourBits;
            const int kx = x - dx;
            bool videoArea = keyRow && kx >= 0 && kx < width && keyRow[kx];
            if (videoArea && o.chromaKey && ChromaMatches(o, Unpack(video[i])))
                videoArea = false;
            if (videoArea) {
                const std::uint32_t v = video[i] & kColourBits;
                painted[i] = v | (area[i] ? kKeyArea : 0);
                out[i] = v;
                continue;
            }
            // Key area the video leaves (a chroma match, or the shifted
            // key) shows the key colour again: the window's own picture there.
            out[i] = area[i] && o.videoKey && Ours(painted[i], s) ? key : s;
            painted[i] = kNotPainted;
        }
    }
}

} // namespace kxcard
