#include "color_adjust.h"

#include <cstdio>
#include <cstring>

#include "dib.h"
#include "pixel_operation.h"
#include "row_streams.h"
#include "services.h"

namespace htfx {

namespace {

bool Given(const HtfxStream& stream)
{
    return stream.value.address != nullptr;
}

bool IsBitmapSource(const HtfxStream& source)
{
    return source.kind == HTFX_KIND_MEMORY && source.format == HTFX_FORMAT_DIB;
}

// Source and destination kinds and formats every adjustment accepts.
bool StreamsValid(const HtfxStream& source, const HtfxStream& destination)
{
    if (!Given(source) || !Given(destination))
        return false;
    switch (source.kind) {
    case HTFX_KIND_FUNCTION:
        if (source.format != HTFX_FORMAT_RAW)
            return false;
        break;
    case HTFX_KIND_MEMORY:
        if (source.format == HTFX_FORMAT_DIB) {
            if (destination.kind != HTFX_KIND_MEMORY || destination.format != HTFX_FORMAT_DIB)
                return false;
        } else if (source.format != HTFX_FORMAT_RAW) {
            return false;
        }
        break;
    case HTFX_KIND_WINDOW: break;
    default: return false;
    }
    // Raw rows go to raw rows only, never over a bitmap's header.
    return (destination.kind == HTFX_KIND_FUNCTION || destination.kind == HTFX_KIND_MEMORY) &&
           destination.format == (IsBitmapSource(source) ? HTFX_FORMAT_DIB : HTFX_FORMAT_RAW);
}

// The picture a request describes can be processed: raw rows within the row
// limit, or a bitmap whose header the passes understand.
bool GeometryValid(const HtfxStream& source, int width, int rows)
{
    if (!IsBitmapSource(source))
        return RawWidthValid(width) && rows >= 1;
    DibLayout layout;
    if (!ReadDibLayout(static_cast<const uint8_t*>(source.value.address), &layout))
        return false;
    return layout.bits <= 8 || layout.compression == kDibRgb;
}

// Raw rows from memory, a reader or a window, adjusted and handed on.
int RowPass(const HtfxStream& source_stream, const HtfxStream& destination_stream, int width, int rows,
            const PixelOperation& operation, ProcCall read_call)
{
    const int row_bytes = RawRowBytes(width);
    Block buffer;
    if (!buffer.Allocate(size_t(row_bytes) + 50))
        return HTFX_NO_MEMORY;
    RowSource source;
    if (const int result = source.Open(source_stream, width, row_bytes, read_call))
        return result;
    RowSink sink;
    sink.Open(destination_stream, ProcCall::Twice);
    const int pixel_bytes = width * 3;
    for (int y = 0; y < rows; ++y) {
        if (source.InMemory() && sink.InMemory()) {
            const uint8_t* from = source.Next(nullptr);
            uint8_t* to = sink.MemoryAt();
            operation.AdjustRow(from, to, width, 3);
            if (from != to)
                std::memmove(to + pixel_bytes, from + pixel_bytes, size_t(row_bytes - pixel_bytes));
            sink.Advance(row_bytes);
            continue;
        }
        const uint8_t* row = source.Next(buffer.data());
        if (row != buffer.data())
            std::memcpy(buffer.data(), row, size_t(row_bytes));
        operation.AdjustRow(buffer.data(), buffer.data(), width, 3);
        sink.Put(buffer.data(), row_bytes);
    }
    return HTFX_OK;
}

// A packed bitmap adjusted from the source address to the destination.
int BitmapPass(const uint8_t* source, uint8_t* destination, const PixelOperation& operation)
{
    DibLayout l;
    if (!ReadDibLayout(source, &l))
        return HTFX_INVALID_REQUEST;
    const bool elsewhere = source != destination;
    if (l.bits <= 8) {
        if (elsewhere)
            std::memmove(destination, source, l.total_bytes);
        uint8_t* table = destination + l.table_offset;
        operation.AdjustRow(table, table, l.table_entries, l.entry_bytes);
        return HTFX_OK;
    }
    Block work;
    if (l.bits == 16 && !work.Allocate(size_t(l.width) * 3 + 50))
        return HTFX_NO_MEMORY;
    // The destination is a complete bitmap: header and table come along.
    if (elsewhere)
        std::memmove(destination, source, l.pixel_offset);
    const size_t used = size_t(l.width) * size_t(l.bits / 8);
    for (int y = 0; y < l.rows; ++y) {
        const uint8_t* from = source + l.pixel_offset + size_t(y) * l.row_bytes;
        uint8_t* to = destination + l.pixel_offset + size_t(y) * l.row_bytes;
        if (l.bits == 16)
            operation.AdjustRow16(from, to, l.width, work.data());
        else
            operation.AdjustRow(from, to, l.width, l.bits / 8);
        if (elsewhere) {
            if (l.bits == 32) {
                for (int x = 0; x < l.width; ++x)
                    to[4 * x + 3] = from[4 * x + 3];
            }
            std::memmove(to + used, from + used, l.row_bytes - used);
        }
    }
    return HTFX_OK;
}

int RunPass(const HtfxStream& source, const HtfxStream& destination, int width, int rows,
            const PixelOperation& operation, ProcCall read_call)
{
    if (IsBitmapSource(source))
        return BitmapPass(static_cast<const uint8_t*>(source.value.address),
                          static_cast<uint8_t*>(destination.value.address), operation);
    return RowPass(source, destination, width, rows, operation, read_call);
}

int Limit(int amount, int range)
{
    return amount < 0 ? 0 : amount > range ? range : amount;
}

int RunPreview(const HtfxColorAdjustAllRequest& r, Amounts& amounts)
{
    const long colours = TheServices().DisplayColours();
    if (colours <= 0)
        return HTFX_NO_CAPTURE;
    const int row_bytes = RawRowBytes(r.width);
    RowSink sink;
    sink.Open(r.destination, ProcCall::Twice);
    PreviewJob job;
    job.source = static_cast<const uint8_t*>(r.source.value.address);
    job.width = r.width;
    job.rows = r.rows;
    job.row_bytes = row_bytes;
    job.destination = &sink;
    job.same_address = r.destination.kind == HTFX_KIND_MEMORY && r.destination.value.address == r.source.value.address;
    job.owner = r.owner;
    job.channel_mask = r.channel_mask;
    job.start_state = r.start_state;
    job.amounts = amounts;
    job.display_colours = colours;
    const int result = TheServices().RunPreview(job);
    if (result != HTFX_OK)
        return result;
    if (!job.applied)
        return -1;  // cancelled: the caller's amounts stay as they are
    amounts = job.applied_amounts;
    return HTFX_OK;
}

}  // namespace

void TraceAmounts(int marker, const int amount[7], const int range[7])
{
    char line[200];
    std::snprintf(line, sizeof line, "%d -> R-%d:%d G-%d:%d B-%d:%d H-%d:%d Br-%d:%d S-%d:%d C-%d:%d\n", marker,
                  amount[0], range[0], amount[1], range[1], amount[2], range[2], amount[3], range[3], amount[4],
                  range[4], amount[5], range[5], amount[6], range[6]);
    TheServices().Trace(line);
}

int ColorAdjustAll(HtfxColorAdjustAllRequest* request)
{
    if (!request)
        return HTFX_INVALID_REQUEST;
    HtfxColorAdjustAllRequest r = *request;
    const int mask = r.channel_mask & 0x7F;
    if (mask == 0 || !StreamsValid(r.source, r.destination))
        return HTFX_INVALID_REQUEST;
    if (r.preview == 1) {
        if (!r.owner || r.source.format != HTFX_FORMAT_RAW || (r.start_state != 0 && r.start_state != 1))
            return HTFX_INVALID_REQUEST;
        if (r.source.kind == HTFX_KIND_MEMORY && r.destination.format != HTFX_FORMAT_RAW)
            return HTFX_INVALID_REQUEST;
    } else if (r.preview != 0 || r.start_state == 0) {
        return HTFX_INVALID_REQUEST;
    }
    if (!GeometryValid(r.source, r.width, r.rows))
        return HTFX_INVALID_REQUEST;
    for (int k = 0; k < HTFX_ADJUSTMENTS; ++k) {
        if (!(mask & (1 << k))) {
            r.amount[k] = 127;
            r.range[k] = 255;
        } else if (r.range[k] <= 0) {
            return HTFX_INVALID_REQUEST;
        }
        r.amount[k] = Limit(r.amount[k], r.range[k]);
    }
    TraceAmounts(1, r.amount, r.range);

    Amounts amounts;
    for (int k = 0; k < HTFX_ADJUSTMENTS; ++k)
        amounts.value[k] = NormaliseAmount(r.amount[k], r.range[k]);
    TraceAmounts(2, amounts.value, r.range);

    int result;
    if (r.source.kind == HTFX_KIND_MEMORY && r.source.format == HTFX_FORMAT_RAW && r.preview == 1) {
        result = RunPreview(r, amounts);
        if (result == -1) {
            TraceAmounts(3, r.amount, r.range);
            return HTFX_OK;
        }
    } else {
        result = RunPass(r.source, r.destination, r.width, r.rows, CombinedOperation(amounts), ProcCall::Twice);
        // The row pass reports the midpoints.
        if (result == HTFX_OK && r.source.kind != HTFX_KIND_WINDOW && !IsBitmapSource(r.source))
            amounts = Amounts{};
    }
    if (result != HTFX_OK)
        return result;
    for (int k = 0; k < HTFX_ADJUSTMENTS; ++k) {
        request->amount[k] = DenormaliseAmount(amounts.value[k], r.range[k]);
        request->range[k] = r.range[k];
    }
    TraceAmounts(3, request->amount, request->range);
    return HTFX_OK;
}

int ColorAdjustChannel(Channel channel, HtfxColorAdjustRequest* request)
{
    if (!request)
        return HTFX_INVALID_REQUEST;
    HtfxColorAdjustRequest r = *request;
    if (!StreamsValid(r.source, r.destination) || !GeometryValid(r.source, r.width, r.rows) || r.range <= 0)
        return HTFX_INVALID_REQUEST;
    r.amount = Limit(r.amount, r.range);
    const int normalised = NormaliseAmount(r.amount, r.range);
    char line[80];
    static const char* const names[] = {"R", "G", "B", "H", "S", "Br", "C"};
    std::snprintf(line, sizeof line, "%d -> %s-%d:%d (%d)\n", 1, names[int(channel)], r.amount, r.range, normalised);
    TheServices().Trace(line);
    return RunPass(r.source, r.destination, r.width, r.rows, SingleOperation(channel, normalised), ProcCall::Once);
}

}  // namespace htfx
