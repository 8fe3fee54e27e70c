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

void ComposeKeyed(const KeyingOptions& o, const Pixel* video, Pixel* screen, std::uint32_t* painted,
                  std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const Pixel shown = screen[i];
        const bool ours = painted[i] != kNotPainted && painted[i] == Pack(shown);
        bool video_area = !o.videoKey || shown == o.keyColour || ours;
        if (video_area && o.chromaKey && ChromaMatches(o, video[i])) {
            // The VGA picture shows through; where the video had covered it,
            // that picture was the key colour.
            if (ours)
                screen[i] = o.keyColour;
            painted[i] = kNotPainted;
            continue;
        }
        if (!video_area) {
            painted[i] = kNotPainted;
            continue;
        }
        screen[i] = video[i];
        painted[i] = Pack(video[i]);
    }
}

void ComposeKeyedShifted(const KeyingOptions& o, const Pixel* video, Pixel* screen, std::uint32_t* painted,
                         int width, int height, int dx, int dy)
{
    if (dx == 0 && dy == 0) {
        ComposeKeyed(o, video, screen, painted, static_cast<std::size_t>(width) * height);
        return;
    }
    const std::size_t count = static_cast<std::size_t>(width) * height;
    // Pass 1: where the window is video area (the key colour, or video it
    // still shows from the last frame).
    std::vector<char> area(count), ours(count);
    for (std::size_t i = 0; i < count; ++i) {
        ours[i] = painted[i] != kNotPainted && painted[i] == Pack(screen[i]);
        area[i] = !o.videoKey || screen[i] == o.keyColour || ours[i];
    }
    // Pass 2: each pixel takes its key from the shifted position.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * width + x;
            const int kx = x - dx, ky = y - dy;
            bool video_area = kx >= 0 && ky >= 0 && kx < width && ky < height &&
                              area[static_cast<std::size_t>(ky) * width + kx];
            if (video_area && o.chromaKey && ChromaMatches(o, video[i]))
                video_area = false;
            if (video_area) {
                screen[i] = video[i];
                painted[i] = Pack(video[i]);
                continue;
            }
            if (area[i] && o.videoKey)
                screen[i] = o.keyColour;   // video area the shifted key leaves out
            painted[i] = kNotPainted;
        }
}

} // namespace kxcard
