// The layout of a packed device-independent bitmap: header (40-byte info
// header or 12-byte core header), colour table, then the pixel rows.
#pragma once
#include <cstddef>
#include <cstdint>

namespace htfx {

struct DibLayout {
    int header_bytes = 0;
    int width = 0;
    int rows = 0;  // always positive; top_down tells the row order
    bool top_down = false;
    int bits = 0;
    uint32_t compression = 0;
    int table_entries = 0;
    int entry_bytes = 4;  // 3 for a core header
    size_t table_offset = 0;
    size_t pixel_offset = 0;
    size_t row_bytes = 0;
    size_t pixel_bytes = 0;
    size_t total_bytes = 0;
};

constexpr uint32_t kDibRgb = 0;
constexpr uint32_t kDibBitfields = 3;

// Reads and checks the header at `dib`: a depth of 1, 4, 8, 16, 24 or 32
// bits, positive width, non-zero height, a colour table that fits the depth
// and a total size below 1 GiB.  Compressed pictures of 8 bits or fewer take
// their size from the header's image size.
bool ReadDibLayout(const uint8_t* dib, DibLayout* layout);

// Bytes of one row: ((width x bits + 31) >> 3) with the two low bits cleared.
inline size_t DibRowBytes(int width, int bits)
{
    return ((size_t(width) * size_t(bits) + 31) >> 3) & ~size_t(3);
}

}  // namespace htfx
