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
    // Pass 1: where the window is key area: it shows the key colour, or
    // still shows the video painted over key area last time.
    std::vector<char> area(count);
    for (std::size_t i = 0; i < count; ++i) {
        const bool ours = painted[i] != kNotPainted && (painted[i] & kColourBits) == Pack(screen[i]);
        area[i] = !o.videoKey || screen[i] == o.keyColour || (ours && (painted[i] & kKeyArea));
    }
    // Pass 2: each pixel takes its key from the shifted position.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * width + x;
            const bool ours = painted[i] != kNotPainted && (painted[i] & kColourBits) == Pack(screen[i]);
            const int kx = x - dx, ky = y - dy;
            bool video_area = kx >= 0 && ky >= 0 && kx < width && ky < height &&
                              area[static_cast<std::size_t>(ky) * width + kx];
            if (video_area && o.chromaKey && ChromaMatches(o, video[i]))
                video_area = false;
            if (video_area) {
                screen[i] = video[i];
                painted[i] = Pack(video[i]) | (area[i] ? kKeyArea : 0);
                continue;
            }
            // Key area the video leaves (a chroma match, or the shifted
            // key) shows the key colour again: the window's own picture there.
            if (area[i] && o.videoKey && ours)
                screen[i] = o.keyColour;
            painted[i] = kNotPainted;
        }
}

} // namespace kxcard
