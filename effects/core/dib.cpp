#include "dib.h"

#include <climits>

namespace htfx {

namespace {

uint32_t Read32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t Read16(const uint8_t* p)
{
    return uint16_t(p[0] | p[1] << 8);
}

constexpr size_t kMaxDibBytes = size_t(1) << 30;

}  // namespace

bool ReadDibLayout(const uint8_t* dib, DibLayout* out)
{
    if (!dib)
        return false;
    DibLayout l;
    l.header_bytes = int(Read32(dib));
    uint32_t colours_used = 0;
    uint32_t image_bytes = 0;
    int32_t height = 0;
    if (l.header_bytes == 12) {
        l.width = Read16(dib + 4);
        height = Read16(dib + 6);
        l.bits = Read16(dib + 10);
        l.entry_bytes = 3;
    } else if (l.header_bytes == 40) {
        l.width = int32_t(Read32(dib + 4));
        height = int32_t(Read32(dib + 8));
        l.bits = Read16(dib + 14);
        l.compression = Read32(dib + 16);
        image_bytes = Read32(dib + 20);
        colours_used = Read32(dib + 32);
    } else {
        return false;
    }
    if (l.width < 1 || height == 0 || height == INT_MIN || l.width > (1 << 20))
        return false;
    l.top_down = height < 0;
    l.rows = height < 0 ? -height : height;
    switch (l.bits) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
    }
    if (l.bits <= 8) {
        const uint32_t full = 1u << l.bits;
        if (colours_used > full)
            return false;
        l.table_entries = int(colours_used ? colours_used : full);
    } else {
        // An optional table of colours used, or the three masks of bit fields.
        if (colours_used > 256)
            return false;
        l.table_entries = int(colours_used);
    }
    l.table_offset = size_t(l.header_bytes);
    size_t table_bytes = size_t(l.table_entries) * size_t(l.entry_bytes);
    if (l.bits > 8 && l.compression == kDibBitfields) {
        if (l.bits == 24)
            return false;
        table_bytes += 12;
    } else if (l.bits > 8 && l.compression != kDibRgb) {
        return false;  // other compressions of deep pictures: layout unknown
    }
    l.pixel_offset = l.table_offset + table_bytes;
    l.row_bytes = DibRowBytes(l.width, l.bits);
    if (l.compression != kDibRgb && l.bits <= 8) {
        if (image_bytes == 0)
            return false;
        l.pixel_bytes = image_bytes;
    } else {
        if (l.row_bytes != 0 && size_t(l.rows) > kMaxDibBytes / l.row_bytes)
            return false;
        l.pixel_bytes = l.row_bytes * size_t(l.rows);
    }
    l.total_bytes = l.pixel_offset + l.pixel_bytes;
    if (l.total_bytes > kMaxDibBytes)
        return false;
    *out = l;
    return true;
}

}  // namespace htfx
