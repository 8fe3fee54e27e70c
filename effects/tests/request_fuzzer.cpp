// Request blocks with random kinds, formats, sizes, keys and pointers (null,
// valid, or poisoned memory that an invalid request must never touch).
// Valid requests get buffers of exactly the size they describe, so any
// read or write beyond them is caught by the address sanitizer.
#include <sanitizer/asan_interface.h>

#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>
#include <vector>

#include "dib.h"
#include "htfx32.h"
#include "services.h"

namespace {

class FuzzCapture : public htfx::WindowCapture {
public:
    FuzzCapture(int width, int rows) : width_(width), rows_(rows) {}
    int Width() const override { return width_; }
    int Rows() const override { return rows_; }
    void ReadRow(int y, uint8_t* pixels) override { std::memset(pixels, y, size_t(width_) * 3); }

private:
    int width_, rows_;
};

struct FuzzServices : htfx::Services {
    int capture_width = 0, capture_rows = 0, bits = 24;
    int CaptureWindow(void*, std::unique_ptr<htfx::WindowCapture>* capture) override
    {
        if (capture_width < 1 || capture_rows < 1)
            return 4;
        *capture = std::make_unique<FuzzCapture>(capture_width, capture_rows);
        return 0;
    }
    int DisplayBitsPerPixel() override { return bits; }
};

// Buffers the run owns; poisoned ones stand for memory that must not be touched.
struct Arena {
    std::vector<std::unique_ptr<std::vector<uint8_t>>> blocks;
    uint8_t* Make(size_t bytes, FuzzedDataProvider& in)
    {
        blocks.push_back(std::make_unique<std::vector<uint8_t>>(bytes ? bytes : 1));
        auto& block = *blocks.back();
        for (auto& b : block)
            b = in.ConsumeIntegral<uint8_t>();
        return block.data();
    }
    uint8_t* Poisoned()
    {
        blocks.push_back(std::make_unique<std::vector<uint8_t>>(64));
        ASAN_POISON_MEMORY_REGION(blocks.back()->data(), 64);
        return blocks.back()->data();
    }
    ~Arena()
    {
        for (auto& b : blocks)
            ASAN_UNPOISON_MEMORY_REGION(b->data(), b->size());
    }
};

int RawBytes(int width)
{
    return (width * 3 + 3) & ~3;
}

int g_reader_rows = 0;
void FillRow(unsigned char* row, int32_t bytes)
{
    std::memset(row, ++g_reader_rows, size_t(bytes));
}
void FillRow2(unsigned char* row, unsigned char*, int32_t bytes)
{
    FillRow(row, bytes);
}
void TakeRow(unsigned char* row, int32_t bytes)
{
    volatile unsigned sum = 0;
    for (int i = 0; i < bytes; ++i)
        sum = sum + row[i];
}
void TakeRow2(unsigned char* row, unsigned char*, int32_t bytes)
{
    TakeRow(row, bytes);
}

int PickKind(FuzzedDataProvider& in)
{
    static const int kinds[] = {0, 1, 1, 2, -1, 3};
    return in.PickValueInArray(kinds);
}

int PickFormat(FuzzedDataProvider& in)
{
    static const int formats[] = {256, 257, 258, 259, 0, 260};
    return in.PickValueInArray(formats);
}

// A packed bitmap with a fuzzed header, sized by its own layout.
uint8_t* MakeDib(FuzzedDataProvider& in, Arena& arena)
{
    uint8_t header[40] = {};
    const uint32_t size = in.ConsumeBool() ? 40 : in.ConsumeBool() ? 12 : in.ConsumeIntegral<uint8_t>();
    std::memcpy(header, &size, 4);
    if (size == 12) {
        const uint16_t w = in.ConsumeIntegralInRange<uint16_t>(0, 40), h = in.ConsumeIntegralInRange<uint16_t>(0, 40);
        static const uint16_t depths[] = {1, 4, 8, 16, 24, 32, 2};
        const uint16_t planes = 1, bits = in.PickValueInArray(depths);
        std::memcpy(header + 4, &w, 2), std::memcpy(header + 6, &h, 2);
        std::memcpy(header + 8, &planes, 2), std::memcpy(header + 10, &bits, 2);
    } else {
        const int32_t w = in.ConsumeIntegralInRange<int32_t>(-2, 40), h = in.ConsumeIntegralInRange<int32_t>(-40, 40);
        static const uint16_t depths[] = {1, 4, 8, 16, 24, 32, 0, 12};
        const uint16_t planes = 1, bits = in.PickValueInArray(depths);
        const uint32_t compression = in.ConsumeIntegralInRange<uint32_t>(0, 4);
        const uint32_t image = in.ConsumeIntegralInRange<uint32_t>(0, 300);
        const uint32_t used = in.ConsumeIntegralInRange<uint32_t>(0, 300);
        std::memcpy(header + 4, &w, 4), std::memcpy(header + 8, &h, 4);
        std::memcpy(header + 12, &planes, 2), std::memcpy(header + 14, &bits, 2);
        std::memcpy(header + 16, &compression, 4), std::memcpy(header + 20, &image, 4);
        std::memcpy(header + 32, &used, 4);
    }
    htfx::DibLayout layout;
    const size_t bytes = htfx::ReadDibLayout(header, &layout) ? layout.total_bytes : 40;
    uint8_t* dib = arena.Make(bytes < 40 ? 40 : bytes, in);
    std::memcpy(dib, header, 40);
    return dib;
}

// A source or destination stream with a buffer that fits what it describes.
HtfxStream MakeStream(FuzzedDataProvider& in, Arena& arena, int width, int rows, bool twice, bool dib_ok)
{
    HtfxStream s{};
    s.kind = PickKind(in);
    s.format = PickFormat(in);
    switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0: s.value.address = nullptr; break;
    case 1:
        if (twice)
            s.value.proc2 = in.ConsumeBool() ? FillRow2 : TakeRow2;
        else
            s.value.proc = in.ConsumeBool() ? FillRow : TakeRow;
        s.kind = 0;
        break;
    default:
        if (s.format == 258 && dib_ok) {
            s.value.address = MakeDib(in, arena);
        } else {
            const int w = width >= 1 && width <= 2729 ? width : 1;
            const int r = rows >= 1 ? rows : 1;
            s.value.address = arena.Make(size_t(RawBytes(w)) * size_t(r), in);
        }
        break;
    }
    // A reader or writer is always a function: its address cannot be checked.
    if (s.kind == 0 && s.value.address) {
        if (twice)
            s.value.proc2 = in.ConsumeBool() ? FillRow2 : TakeRow2;
        else
            s.value.proc = in.ConsumeBool() ? FillRow : TakeRow;
    }
    return s;
}

template <class Request>
void ExpectUntouchedWhenInvalid(int result, const Request& before, const Request& after)
{
    if (result == HTFX_INVALID_REQUEST && std::memcmp(&before, &after, sizeof before) != 0)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    FuzzServices services;
    services.capture_width = in.ConsumeIntegralInRange(-1, 50);
    services.capture_rows = in.ConsumeIntegralInRange(-1, 50);
    services.bits = in.ConsumeBool() ? 16 : 24;
    htfx::InstallServices(&services);
    Arena arena;
    g_reader_rows = 0;
    const int width = in.ConsumeBool() ? in.ConsumeIntegralInRange(-3, 40) : in.ConsumeIntegralInRange(2700, 2735);
    const int rows = in.ConsumeIntegralInRange(-2, 24);
    const bool poison = in.ConsumeBool() && in.ConsumeIntegralInRange(0, 3) == 0;
    const int op = in.ConsumeIntegralInRange(0, 3);
    int result = 0;
    if (op == 0) {
        HtfxFlipRequest r{};
        r.source = MakeStream(in, arena, width, rows, false, true);
        r.width = width, r.rows = rows, r.mask = in.ConsumeIntegralInRange(0, 4);
        r.destination = in.ConsumeBool() && r.source.kind == 1 ? r.source : MakeStream(in, arena, width, rows, false, true);
        if (r.source.format == 258 && r.destination.format == 258 && r.source.value.address && r.destination.value.address &&
            r.destination.value.address != r.source.value.address && r.source.kind == 1 && r.destination.kind == 1) {
            htfx::DibLayout layout;
            if (htfx::ReadDibLayout(static_cast<uint8_t*>(r.source.value.address), &layout))
                r.destination.value.address = arena.Make(layout.total_bytes, in);
        }
        if (poison)
            r.source.value.address = arena.Poisoned(), r.destination.value.address = nullptr;
        const auto before = r;
        result = htfx_Flip(&r);
        ExpectUntouchedWhenInvalid(result, before, r);
    } else if (op == 1 || op == 2) {
        HtfxColorAdjustAllRequest r{};
        r.source = MakeStream(in, arena, width, rows, true, true);
        r.width = width, r.rows = rows;
        for (int k = 0; k < 7; ++k) {
            r.amount[k] = in.ConsumeIntegralInRange(-10, 300);
            r.range[k] = in.ConsumeIntegralInRange(-1, 256);
        }
        r.channel_mask = in.ConsumeIntegralInRange(0, 0xFF);
        r.start_state = in.ConsumeIntegralInRange(0, 2);
        r.preview = in.ConsumeIntegralInRange(0, 2);
        r.owner = in.ConsumeBool() ? &r : nullptr;
        r.destination = in.ConsumeBool() && r.source.kind == 1 ? r.source : MakeStream(in, arena, width, rows, true, false);
        if (r.source.kind == 1 && r.source.format == 258 && r.destination.kind == 1 && r.destination.format == 258 &&
            r.destination.value.address != r.source.value.address && r.source.value.address) {
            htfx::DibLayout layout;
            if (htfx::ReadDibLayout(static_cast<uint8_t*>(r.source.value.address), &layout))
                r.destination.value.address = arena.Make(layout.total_bytes, in);
        }
        if (poison)
            r.source.value.address = arena.Poisoned(), r.destination.value.address = nullptr;
        if (op == 2) {
            HtfxColorAdjustRequest s{};
            s.source = r.source, s.destination = r.destination;
            if (s.source.kind == 0)
                s.source.value.proc = in.ConsumeBool() ? FillRow : TakeRow;
            s.width = width, s.rows = rows, s.amount = r.amount[0], s.range = r.range[0];
            using Fn = int32_t(HTFX_API*)(HtfxColorAdjustRequest*);
            static const Fn fns[] = {htfx_ColorAdjustRed, htfx_ColorAdjustGreen, htfx_ColorAdjustBlue,
                                     htfx_ColorAdjustHue, htfx_ColorAdjustSaturation, htfx_ColorAdjustBrightness,
                                     htfx_ColorAdjustContrast};
            const auto before = s;
            result = in.PickValueInArray(fns)(&s);
            ExpectUntouchedWhenInvalid(result, before, s);
        } else {
            const auto before = r;
            result = htfx_ColorAdjustAll(&r);
            ExpectUntouchedWhenInvalid(result, before, r);
        }
    } else {
        HtfxOverlayRequest r{};
        const int b_width = in.ConsumeIntegralInRange(-1, 40), b_rows = in.ConsumeIntegralInRange(-1, 24);
        r.a = MakeStream(in, arena, width, rows, false, false);
        r.b = MakeStream(in, arena, b_width, b_rows, false, false);
        r.a_width = width, r.a_rows = rows, r.b_width = b_width, r.b_rows = b_rows;
        r.offset_x = in.ConsumeIntegralInRange(-50, 50);
        r.offset_y = in.ConsumeIntegralInRange(-30, 30);
        for (int s = 0; s < 2; ++s) {
            const int type = in.ConsumeBool() ? HTFX_KEYS_RANGE : HTFX_KEYS_EXACT;
            const int count = in.ConsumeIntegralInRange(-1, 3);
            uint8_t* keys = count > 0 && in.ConsumeIntegralInRange(0, 5) ? arena.Make(size_t(count) * 6, in) : nullptr;
            (s ? r.b_key_type : r.a_key_type) = type;
            (s ? r.b_key_count : r.a_key_count) = count;
            (s ? r.b_keys : r.a_keys) = keys;
        }
        r.destination.kind = PickKind(in);
        r.destination.format = PickFormat(in);
        const int most_rows = rows > 0 ? rows : 1;
        r.destination.value.address = in.ConsumeIntegralInRange(0, 5) ? arena.Make(size_t(8192) * most_rows, in) : nullptr;
        if (r.destination.kind == 0)
            r.destination.value.proc = TakeRow;
        if (poison)
            r.a.value.address = arena.Poisoned(), r.destination.value.address = nullptr;
        const auto before = r;
        result = htfx_OverlayStreams(&r);
        ExpectUntouchedWhenInvalid(result, before, r);
    }
    if (poison && result != HTFX_INVALID_REQUEST)
        std::abort();
    htfx::InstallServices(nullptr);
    return 0;
}
