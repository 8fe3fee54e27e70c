// Reduction of a 24-bit picture to 8 bits per pixel with a colour table of
// its own (median cut over a 32 x 32 x 32 histogram), for previews on
// displays that show at most 256 colours.
#pragma once
#include <cstdint>
#include <vector>

namespace htfx {

struct ReducedPicture {
    int colours = 0;              // entries in use
    uint8_t table[256][4] = {};   // blue, green, red, 0
    std::vector<uint8_t> pixels;  // 8-bit rows, padded to 4 bytes, in the source's order
    int row_bytes = 0;
};

// `rows` of `width` raw pixels (blue, green, red), `row_bytes` apart.
// `wanted` colours at most (and never more than 236).
void ReduceColours(const uint8_t* rows, int width, int height, int row_bytes, int wanted, ReducedPicture* out);

}  // namespace htfx
