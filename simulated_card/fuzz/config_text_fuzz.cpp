// Fuzzes the reading of the stored configuration: whatever the text, every
// setting stays within its range, and what is read writes back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "card/card.h"

using namespace kxcard;

namespace {

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

void CheckRanges(const CardSettings& s)
{
    for (int v : {s.colour.hue, s.colour.brightness, s.colour.saturation, s.colour.contrast, s.colour.red,
                  s.colour.green, s.colour.blue})
        Check(v >= kColourMin && v <= kColourMax);
    Check(InputIndex(s.source) >= 0);
    for (int t : s.signalType)
        Check(t >= kSignalNone && t <= kSignalMax);
    for (int k : {s.skewWinX, s.skewWinY, s.skewDispX, s.skewDispY})
        Check(k >= 0 && k <= kSkewMax);
    Check(s.keyCorrect >= 0 && s.keyCorrect <= kKeyCorrectMax);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CardSettings s;
    ApplyConfigText(text, s);
    CheckRanges(s);
    CardSettings again;
    ApplyConfigText(ConfigText(s), again);
    Check(ConfigText(again) == ConfigText(s));

    // The same bytes as a placement: nothing may go outside the picture.
    static Picture memory(64, 48);
    if (size >= 16) {
        auto word = [&](std::size_t i) {
            std::int32_t v;
            __builtin_memcpy(&v, data + i * 4, 4);
            return v;
        };
        Placement placement;
        placement.Set(Rect{word(0), word(1), word(2) & 0x1FFF, word(3) & 0x1FFF},
                      Rect{word(1), word(0), word(3) & 0x1FFF, word(2) & 0x1FFF});
        Picture region = ReadRegion(memory, placement, Rect{word(2), word(3), 7, 5});
        WriteRegion(memory, placement, Rect{word(3), word(2), 5, 7}, region);
    }
    return 0;
}
