#include "keying.h"

#include <cstdlib>

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

} // namespace kxcard
