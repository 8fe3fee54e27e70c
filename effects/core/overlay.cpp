#include "overlay.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "overlay_keys.h"
#include "row_streams.h"
#include "services.h"
#include "simd_rows.h"
#include "yuv.h"

namespace htfx {

void RowToYuv(const uint8_t* source, uint8_t* target, int pixels)
{
    for (int i = 0; i < pixels; ++i)
        RgbToYuv(source + 3 * i, target + 3 * i);
}

namespace {

constexpr int kMaxKeys = 256;

// One input of the overlay as the request describes it.
struct Input {
    HtfxStream stream;
    int width;
    int rows;
    int key_type;
    int key_count;
    uint8_t* keys;

    bool IsWindow() const { return stream.kind == HTFX_KIND_WINDOW; }
    bool IsYuv() const { return !IsWindow() && stream.format == HTFX_FORMAT_YUV; }
    // Formats 257 and 259 are carried through without colour conversion.
    bool IsCarried() const
    {
        return !IsWindow() && (stream.format == HTFX_FORMAT_YUV || stream.format == HTFX_FORMAT_OTHER);
    }
    int RowBytes() const { return IsWindow() ? width * 3 : RawRowBytes(width); }
};

bool FormatValid(int format)
{
    return format == HTFX_FORMAT_RAW || format == HTFX_FORMAT_OTHER || format == HTFX_FORMAT_YUV;
}

bool InputValid(const Input& in)
{
    if (!in.stream.value.address || in.stream.kind < HTFX_KIND_FUNCTION || in.stream.kind > HTFX_KIND_WINDOW)
        return false;
    if (!in.IsWindow() && !FormatValid(in.stream.format))
        return false;
    if (in.key_count < 0 || in.key_count > kMaxKeys || (in.key_count > 0 && !in.keys))
        return false;
    return RawWidthValid(in.width) && in.rows >= 1;
}

inline uint32_t Load3(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
}

struct ExactKey {
    uint32_t key;
    bool operator()(const uint8_t* p) const { return Load3(p) == key; }
};

struct KeyList {
    const OverlayKeys* keys;
    bool operator()(const uint8_t* p) const { return keys->Matches(p); }
};

enum Mode { kAOnly, kBOnly, kBoth, kNone };  // the vector path uses the same numbers

template <int M, class MatchA, class MatchB>
void ComposeRow(const uint8_t* a, const uint8_t* b, uint8_t* out, int pixels, MatchA match_a, MatchB match_b)
{
    for (int i = 0; i < pixels; ++i, a += 3, b += 3, out += 3) {
        bool take_b;
        if (M == kAOnly)
            take_b = match_a(a);
        else if (M == kBOnly)
            take_b = !match_b(b);
        else if (M == kBoth)
            take_b = match_a(a) || !match_b(b);
        else
            take_b = false;
        const uint8_t* from = take_b ? b : a;
        const uint8_t p0 = from[0], p1 = from[1], p2 = from[2];
        out[0] = p0;
        out[1] = p1;
        out[2] = p2;
    }
}

template <class MatchA, class MatchB>
void ComposeByMode(int mode, const uint8_t* a, const uint8_t* b, uint8_t* out, int pixels, MatchA ma, MatchB mb)
{
    switch (mode) {
    case kAOnly: ComposeRow<kAOnly>(a, b, out, pixels, ma, mb); break;
    case kBOnly: ComposeRow<kBOnly>(a, b, out, pixels, ma, mb); break;
    case kBoth: ComposeRow<kBoth>(a, b, out, pixels, ma, mb); break;
    default: ComposeRow<kNone>(a, b, out, pixels, ma, mb); break;
    }
}

// Pixel composition with the keys of both streams; one exact key per stream
// takes the fast path.  With several keys a match of any of them counts.
class Composer {
public:
    Composer(const OverlayKeys& a, const OverlayKeys& b) : a_(a), b_(b) {}

    void Row(const uint8_t* a, const uint8_t* b, uint8_t* out, int pixels) const
    {
        const bool has_a = !a_.keys.empty(), has_b = !b_.keys.empty();
        const int mode = has_a && has_b ? kBoth : has_a ? kAOnly : has_b ? kBOnly : kNone;
        const bool exact_a = !a_.range && a_.keys.size() == 1, exact_b = !b_.range && b_.keys.size() == 1;
        const ExactKey ea{exact_a ? Load3(a_.keys[0].low) : 0}, eb{exact_b ? Load3(b_.keys[0].low) : 0};
        const KeyList la{&a_}, lb{&b_};
        // One exact key per keyed stream: whole blocks go through the vector path.
        if ((mode == kAOnly && exact_a) || (mode == kBOnly && exact_b) || (mode == kBoth && exact_a && exact_b)) {
            const int done = ComposeExactBlocks(mode, a, b, out, pixels, exact_a ? a_.keys[0].low : nullptr,
                                                exact_b ? b_.keys[0].low : nullptr);
            a += 3 * done, b += 3 * done, out += 3 * done, pixels -= done;
        }
        if (exact_a && exact_b)
            ComposeByMode(mode, a, b, out, pixels, ea, eb);
        else if (exact_a)
            ComposeByMode(mode, a, b, out, pixels, ea, lb);
        else if (exact_b)
            ComposeByMode(mode, a, b, out, pixels, la, eb);
        else
            ComposeByMode(mode, a, b, out, pixels, la, lb);
    }

private:
    const OverlayKeys& a_;
    const OverlayKeys& b_;
};

}  // namespace

int OverlayStreams(HtfxOverlayRequest* request)
{
    if (!request)
        return HTFX_INVALID_REQUEST;
    const int display_bits = TheServices().DisplayBitsPerPixel();
    const HtfxOverlayRequest r = *request;
    Input a{r.a, r.a_width, r.a_rows, r.a_key_type, r.a_key_count, r.a_keys};
    Input b{r.b, r.b_width, r.b_rows, r.b_key_type, r.b_key_count, r.b_keys};
    if (!InputValid(a) || !InputValid(b) || !r.destination.value.address || !FormatValid(r.destination.format) ||
        (r.destination.kind != HTFX_KIND_FUNCTION && r.destination.kind != HTFX_KIND_MEMORY))
        return HTFX_INVALID_REQUEST;
    char line[120];
    std::snprintf(line, sizeof line, "overlay A %dx%d B %dx%d offset %d,%d\n", a.width, a.rows, b.width, b.rows,
                  r.offset_x, r.offset_y);
    TheServices().Trace(line);

    // Offsets: leading pixels and rows of one stream are skipped.
    const int a_skip = r.offset_x < 0 ? -r.offset_x : 0, b_skip = r.offset_x > 0 ? r.offset_x : 0;
    const int a_pixels = std::max(0, a.width - a_skip), b_pixels = std::max(0, b.width - b_skip);
    const int pixels = std::min(a_pixels, b_pixels);
    const int a_row_bytes = a.RowBytes(), b_row_bytes = b.RowBytes();

    // When exactly one stream is Y, U, V, the other's RGB rows and keys are
    // converted to it.
    Input* converted = nullptr;
    if (a.IsYuv() != b.IsYuv()) {
        Input& other = a.IsYuv() ? b : a;
        if (!other.IsCarried())
            converted = &other;
    }
    auto prepare = [display_bits](const Input& in) {
        if (in.key_count == 0)
            return OverlayKeys{};
        const bool range = in.key_type == HTFX_KEYS_RANGE;
        // A 16-bit screen holds only the top five bits of each channel.
        const bool mask = !range && in.IsWindow() && display_bits == 16;
        return PrepareKeys(in.keys, in.key_count, range, in.IsYuv(), mask);
    };
    OverlayKeys a_keys = prepare(a), b_keys = prepare(b);

    // The output row: B's row length when B's Y, U, V (or other) row is
    // carried through to such a destination, else 3 bytes per composed pixel.
    const bool dest_carried = r.destination.format == HTFX_FORMAT_YUV || r.destination.format == HTFX_FORMAT_OTHER;
    const int out_bytes =
        dest_carried && !a.IsCarried() && b.IsCarried() ? std::max(0, b_row_bytes - 3 * b_skip) : pixels * 3;
    const bool start_from_a = a.IsCarried();

    Block a_buffer, b_buffer, out_buffer;
    if (!a_buffer.Allocate(size_t(a_row_bytes) + 50) || !b_buffer.Allocate(size_t(b_row_bytes) + 50) ||
        !out_buffer.Allocate(size_t(std::max(a_row_bytes, b_row_bytes)) + 50))
        return HTFX_NO_MEMORY;
    RowSource a_source, b_source;
    if (const int result = a_source.Open(a.stream, a.width, a_row_bytes, ProcCall::Once))
        return result;
    if (const int result = b_source.Open(b.stream, b.width, b_row_bytes, ProcCall::Once))
        return result;
    RowSink sink;
    sink.Open(r.destination, ProcCall::Once);

    int a_rows = a.rows, b_rows = b.rows;
    for (; r.offset_y > 0 && b_rows > 0 && b_rows > b.rows - r.offset_y; --b_rows)
        b_source.Skip(b_buffer.data());
    for (; r.offset_y < 0 && a_rows > 0 && a_rows > a.rows + r.offset_y; --a_rows)
        a_source.Skip(a_buffer.data());

    const Composer composer(a_keys, b_keys);
    bool keys_converted = false;
    int written = 0;
    for (; a_rows > 0 && b_rows > 0; --a_rows, --b_rows) {
        const uint8_t* b_row = b_source.Next(b_buffer.data()) + 3 * b_skip;
        const uint8_t* a_row = a_source.Next(a_buffer.data()) + 3 * a_skip;
        uint8_t* out = sink.InMemory() ? sink.MemoryAt() : out_buffer.data();
        // Bytes beyond the composed pixels come from the row the output starts as.
        const uint8_t* start = start_from_a ? a_row : b_row;
        if (out_bytes > pixels * 3)
            std::memmove(out + pixels * 3, start + pixels * 3, size_t(out_bytes - pixels * 3));
        if (converted) {
            const bool is_a = converted == &a;
            uint8_t* buffer = (is_a ? a_buffer.data() : b_buffer.data()) + 3 * (is_a ? a_skip : b_skip);
            const uint8_t*& row = is_a ? a_row : b_row;
            RowToYuv(row, buffer, is_a ? a_pixels : b_pixels);
            row = buffer;
            if (!keys_converted) {
                ConvertKeysToYuv(is_a ? a_keys : b_keys, converted->keys);
                keys_converted = true;
            }
        }
        composer.Row(a_row, b_row, out, pixels);
        if (sink.InMemory())
            sink.Advance(out_bytes);
        else
            sink.Put(out, out_bytes);
        ++written;
    }
    // A reader of B is read to its end.
    for (; b.stream.kind == HTFX_KIND_FUNCTION && b_rows > 0; --b_rows)
        b_source.Skip(b_buffer.data());

    request->last_row_pixels = written ? out_bytes / 3 : 0;
    request->rows_written = written;
    return HTFX_OK;
}

}  // namespace htfx
