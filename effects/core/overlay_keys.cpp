#include "overlay_keys.h"

#include <cstddef>

#include "yuv.h"

namespace htfx {

namespace {

int Low(int colour, int tolerance, int floor)
{
    const int value = colour - tolerance;
    return value < floor ? floor : value;
}

int High(int colour, int tolerance, int ceiling)
{
    const int value = colour + tolerance;
    return value > ceiling ? ceiling : value;
}

}  // namespace

OverlayKeys PrepareKeys(uint8_t* list, int count, bool range, bool yuv_stream, bool mask_low_bits)
{
    OverlayKeys prepared;
    prepared.range = range;
    if (range && yuv_stream)
        prepared.flip[1] = prepared.flip[2] = 0x80;
    for (int k = 0; k < count; ++k) {
        OverlayKey key{};
        if (!range) {
            const uint8_t* colour = list + 3 * k;
            for (int i = 0; i < 3; ++i)
                key.low[i] = key.high[i] = uint8_t(mask_low_bits ? colour[i] & 0xF8 : colour[i]);
            prepared.keys.push_back(key);
            continue;
        }
        uint8_t* entry = list + 6 * k;
        int low[3], high[3];
        for (int i = 0; i < 3; ++i) {
            const bool is_signed = yuv_stream && i > 0;
            const int colour = is_signed ? int(int8_t(entry[i])) : entry[i];
            low[i] = Low(colour, entry[3 + i], is_signed ? -128 : 0);
            high[i] = High(colour, entry[3 + i], is_signed ? 127 : 255);
        }
        for (int i = 0; i < 3; ++i) {
            entry[i] = uint8_t(low[i]);
            entry[3 + i] = uint8_t(high[i]);
        }
        // RGB keys are red, green, blue against pixels of blue, green, red;
        // Y, U, V keys are in pixel order.
        for (int i = 0; i < 3; ++i) {
            const int from = yuv_stream ? i : 2 - i;
            key.low[i] = uint8_t(uint8_t(low[from]) ^ prepared.flip[i]);
            key.high[i] = uint8_t(uint8_t(high[from]) ^ prepared.flip[i]);
        }
        prepared.keys.push_back(key);
    }
    return prepared;
}

void ConvertKeysToYuv(OverlayKeys& keys, uint8_t* list)
{
    for (std::size_t k = 0; k < keys.keys.size(); ++k) {
        OverlayKey& key = keys.keys[k];
        if (!keys.range) {
            RgbToYuv(key.low, key.low);
            RgbToYuv(key.high, key.high);
            continue;
        }
        // The ends are in pixel order (blue, green, red) here.
        uint8_t low[3], high[3];
        RgbToYuv(key.low, low);
        RgbToYuv(key.high, high);
        uint8_t* entry = list + 6 * k;
        for (int i = 0; i < 3; ++i) {
            entry[i] = low[2 - i];
            entry[3 + i] = high[2 - i];
        }
        for (int i = 0; i < 3; ++i) {
            const uint8_t flip = i > 0 ? 0x80 : 0;
            key.low[i] = uint8_t(low[i] ^ flip);
            key.high[i] = uint8_t(high[i] ^ flip);
        }
    }
    if (keys.range)
        keys.flip[1] = keys.flip[2] = 0x80;
}

}  // namespace htfx
