#include "flip.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "dib.h"
#include "mirror.h"
#include "row_streams.h"
#include "services.h"

namespace htfx {

namespace {

bool StreamsValid(const HtfxFlipRequest& r)
{
    if (!r.source.value.address || !r.destination.value.address)
        return false;
    switch (r.source.kind) {
    case HTFX_KIND_FUNCTION:
        if (r.source.format != HTFX_FORMAT_RAW)
            return false;
        break;
    case HTFX_KIND_MEMORY:
        if (r.source.format == HTFX_FORMAT_DIB)
            return r.destination.kind == HTFX_KIND_MEMORY && r.destination.format == HTFX_FORMAT_DIB;
        if (r.source.format != HTFX_FORMAT_RAW)
            return false;
        break;
    case HTFX_KIND_WINDOW: break;
    default: return false;
    }
    // Raw rows go to raw rows only, never over a bitmap's header.
    return (r.destination.kind == HTFX_KIND_FUNCTION || r.destination.kind == HTFX_KIND_MEMORY) &&
           r.destination.format == HTFX_FORMAT_RAW;
}

bool Overlap(const uint8_t* a, const uint8_t* b, size_t bytes)
{
    return a < b + bytes && b < a + bytes;
}

// Both pictures in memory: rows go straight from source to destination.
int FlipInMemory(const uint8_t* source, uint8_t* destination, int width, int rows, int row_bytes, int mask)
{
    const bool horizontal = mask & HTFX_FLIP_HORIZONTAL, vertical = mask & HTFX_FLIP_VERTICAL;
    const size_t pixel_bytes = size_t(width) * 3;
    if (source != destination) {
        // Destination rows in order: with both flips the source is then read
        // backwards from its last byte, one steady stream each way.
        for (int y = 0; y < rows; ++y) {
            const uint8_t* from = source + size_t(vertical ? rows - 1 - y : y) * row_bytes;
            uint8_t* to = destination + size_t(y) * row_bytes;
            if (horizontal) {
                MirrorPixelsCopy(from, to, width, 3);
                std::memcpy(to + pixel_bytes, from + pixel_bytes, size_t(row_bytes) - pixel_bytes);
            } else {
                std::memcpy(to, from, size_t(row_bytes));
            }
        }
        return HTFX_OK;
    }
    // In place: mirrored rows are exchanged pairwise, each pixel moved once.
    for (int y = 0; y < (vertical ? (rows + 1) / 2 : rows); ++y) {
        uint8_t* top = destination + size_t(y) * row_bytes;
        uint8_t* bottom = destination + size_t(rows - 1 - y) * row_bytes;
        if (!vertical || bottom == top) {
            if (horizontal)
                MirrorPixelsInPlace(top, width, 3);
        } else if (!horizontal) {
            std::swap_ranges(top, top + row_bytes, bottom);
        } else {
            MirrorSwapPixels3(top, bottom, width);
            std::swap_ranges(top + pixel_bytes, top + row_bytes, bottom + pixel_bytes);
        }
    }
    return HTFX_OK;
}

// Rows from any source, held in memory or, when the picture does not fit,
// in a temporary file, then written out in the wanted order.
int FlipThroughStore(const HtfxFlipRequest& r, int row_bytes)
{
    const bool horizontal = r.mask & HTFX_FLIP_HORIZONTAL, vertical = r.mask & HTFX_FLIP_VERTICAL;
    const size_t picture_bytes = size_t(r.rows) * size_t(row_bytes);
    Block picture, row, offsets;
    std::unique_ptr<SpillFile> spill;
    if (!picture.Allocate(picture_bytes)) {
        if (!row.Allocate(size_t(row_bytes) + 50) || !offsets.Allocate(size_t(r.rows) * 4))
            return HTFX_NO_MEMORY;
        spill = TheServices().CreateSpillFile();
        if (!spill)
            return HTFX_NO_TEMP_FILE;
    }
    RowSource source;
    if (const int result = source.Open(r.source, r.width, row_bytes, ProcCall::Once))
        return result;
    uint32_t* offset = reinterpret_cast<uint32_t*>(offsets.data());
    for (int y = 0; y < r.rows; ++y) {
        uint8_t* slot = spill ? row.data() : picture.data() + size_t(y) * row_bytes;
        const uint8_t* got = source.Next(slot);
        if (got != slot)
            std::memcpy(slot, got, size_t(row_bytes));
        if (horizontal)
            MirrorPixelsInPlace(slot, r.width, 3);
        if (spill && !spill->Append(slot, uint32_t(row_bytes), &offset[y]))
            return HTFX_NO_TEMP_FILE;
    }
    RowSink sink;
    sink.Open(r.destination, ProcCall::Once);
    for (int i = 0; i < r.rows; ++i) {
        const int y = vertical ? r.rows - 1 - i : i;
        uint8_t* slot = spill ? row.data() : picture.data() + size_t(y) * row_bytes;
        if (spill && !spill->ReadAt(offset[y], slot, uint32_t(row_bytes)))
            return HTFX_NO_TEMP_FILE;
        sink.Put(slot, row_bytes);
    }
    return HTFX_OK;
}

int FlipRaw(const HtfxFlipRequest& r)
{
    const int row_bytes = RawRowBytes(r.width);
    if (r.source.kind == HTFX_KIND_MEMORY && r.destination.kind == HTFX_KIND_MEMORY) {
        const auto* source = static_cast<const uint8_t*>(r.source.value.address);
        auto* destination = static_cast<uint8_t*>(r.destination.value.address);
        const size_t bytes = size_t(r.rows) * size_t(row_bytes);
        if (source == destination || !Overlap(source, destination, bytes))
            return FlipInMemory(source, destination, r.width, r.rows, row_bytes, r.mask);
    }
    return FlipThroughStore(r, row_bytes);
}

bool BitmapFlippable(const uint8_t* dib, int mask)
{
    DibLayout l;
    if (!ReadDibLayout(dib, &l))
        return false;
    // Compressed rows cannot be mirrored or reordered.
    return (mask & 3) == 0 || l.bits > 8 || l.compression == kDibRgb;
}

int FlipBitmap(const HtfxFlipRequest& r)
{
    const auto* source = static_cast<const uint8_t*>(r.source.value.address);
    auto* destination = static_cast<uint8_t*>(r.destination.value.address);
    DibLayout l;
    ReadDibLayout(source, &l);
    if (source != destination)
        std::memmove(destination, source, l.total_bytes);
    uint8_t* pixels = destination + l.pixel_offset;
    if (r.mask & HTFX_FLIP_HORIZONTAL) {
        for (int y = 0; y < l.rows; ++y) {
            uint8_t* row = pixels + size_t(y) * l.row_bytes;
            if (l.bits < 8)
                MirrorSubBytePixels(row, l.width, l.bits);
            else
                MirrorPixelsInPlace(row, l.width, l.bits / 8);
        }
    }
    if (r.mask & HTFX_FLIP_VERTICAL) {
        for (int y = 0; y < l.rows / 2; ++y) {
            uint8_t* top = pixels + size_t(y) * l.row_bytes;
            uint8_t* bottom = pixels + size_t(l.rows - 1 - y) * l.row_bytes;
            std::swap_ranges(top, top + l.row_bytes, bottom);
        }
    }
    return HTFX_OK;
}

}  // namespace

int Flip(HtfxFlipRequest* request)
{
    if (!request)
        return HTFX_INVALID_REQUEST;
    const HtfxFlipRequest r = *request;
    if (!StreamsValid(r))
        return HTFX_INVALID_REQUEST;
    char line[80];
    std::snprintf(line, sizeof line, "flip %d x %d, mask %d\n", r.width, r.rows, r.mask);
    TheServices().Trace(line);
    if (r.source.kind == HTFX_KIND_MEMORY && r.source.format == HTFX_FORMAT_DIB) {
        if (!BitmapFlippable(static_cast<const uint8_t*>(r.source.value.address), r.mask))
            return HTFX_INVALID_REQUEST;
        return FlipBitmap(r);
    }
    if (!RawWidthValid(r.width) || r.rows < 1)
        return HTFX_INVALID_REQUEST;
    return FlipRaw(r);
}

}  // namespace htfx
