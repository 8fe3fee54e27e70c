// Colour keys of the stream overlay: exact colours and ranges, prepared once
// per operation into the byte order of the stream's pixels.
#pragma once
#include <cstdint>
#include <vector>

namespace htfx {

// One key in pixel byte order.  A range holds low and high per byte; bytes
// marked signed (U and V) are compared as signed values.
struct OverlayKey {
    uint8_t low[3];
    uint8_t high[3];
};

struct OverlayKeys {
    bool range = false;
    std::vector<OverlayKey> keys;
    // XOR applied to pixel and key bytes so that signed bytes compare as unsigned.
    uint8_t flip[3] = {0, 0, 0};

    bool Matches(const uint8_t* pixel) const
    {
        for (const OverlayKey& key : keys) {
            if (range) {
                bool inside = true;
                for (int i = 0; i < 3; ++i) {
                    const uint8_t p = uint8_t(pixel[i] ^ flip[i]);
                    inside = inside && p >= key.low[i] && p <= key.high[i];
                }
                if (inside)
                    return true;
            } else if (pixel[0] == key.low[0] && pixel[1] == key.low[1] && pixel[2] == key.low[2]) {
                return true;
            }
        }
        return false;
    }
};

// Range keys (6 bytes: colour, tolerance) are rewritten in the caller's list
// as low and high ends, 0 ... 255 per channel, or -128 ... 127 for the U and
// V channels of a Y, U, V stream.  `rgb` tells the channel order (red,
// green, blue against pixels of blue, green, red).
OverlayKeys PrepareKeys(uint8_t* list, int count, bool range, bool yuv_stream, bool mask_low_bits);

// Converts an RGB stream's prepared keys to Y, U, V; range ends are written
// back into the caller's list as V, U, Y.
void ConvertKeysToYuv(OverlayKeys& keys, uint8_t* list);

}  // namespace htfx
