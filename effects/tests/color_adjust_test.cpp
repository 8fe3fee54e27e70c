// The colour adjustments through their exports: validation, the row,
// bitmap and window passes, the amounts written back, and the preview hand-off.
#include <gtest/gtest.h>

#include <cstring>

#include "color_model.h"
#include "fake_services.h"
#include "fast_adjuster.h"
#include "htfx32.h"
#include "row_streams.h"
#include "test_pictures.h"

namespace {

using namespace htfx_test;

HtfxColorAdjustAllRequest Combined(void* source, void* destination, int width, int rows)
{
    HtfxColorAdjustAllRequest r{};
    r.source = Memory(source);
    r.destination = Memory(destination);
    r.width = width;
    r.rows = rows;
    for (int k = 0; k < 7; ++k) {
        r.amount[k] = 100;
        r.range[k] = 200;
    }
    r.channel_mask = 0x7F;
    r.start_state = 1;
    return r;
}

htfx::Amounts Normalised(const HtfxColorAdjustAllRequest& r)
{
    htfx::Amounts a;
    for (int k = 0; k < 7; ++k)
        a.value[k] = (r.channel_mask & (1 << k)) ? htfx::NormaliseAmount(r.amount[k], r.range[k]) : 0;
    return a;
}

std::vector<uint8_t> ExpectedRaw(const std::vector<uint8_t>& source, int width, int rows, const htfx::Amounts& a)
{
    std::vector<uint8_t> out = source;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &out[size_t(y) * RawBytes(width) + 3 * x];
            htfx::AdjustCombinedPixel(a, p[0], p[1], p[2]);
        }
    return out;
}

TEST(ColorAdjustAll, RowPassAdjustsEveryPixelAndReportsMidpoints)
{
    FakeServices services;
    const int width = 37, rows = 11;
    auto source = RandomRaw(width, rows, 1);
    std::vector<uint8_t> destination(source.size(), 0xEE);
    auto r = Combined(source.data(), destination.data(), width, rows);
    r.amount[3] = 150, r.amount[4] = 30, r.amount[0] = 170, r.amount[6] = 10;
    const auto expected = ExpectedRaw(source, width, rows, Normalised(r));
    ASSERT_EQ(HTFX_OK, htfx_ColorAdjustAll(&r));
    EXPECT_EQ(expected, destination);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(100, r.amount[k]);
        EXPECT_EQ(200, r.range[k]);
    }
    ASSERT_GE(services.trace.size(), 2u);
    EXPECT_EQ(0u, services.trace[0].find("1 -> R-170:200 G-100:200 B-100:200 H-150:200 Br-30:200"));
}

TEST(ColorAdjustAll, InPlaceEqualsCopy)
{
    FakeServices services;
    auto source = RandomRaw(64, 9, 2);
    auto in_place = source;
    std::vector<uint8_t> copy(source.size());
    auto r1 = Combined(in_place.data(), in_place.data(), 64, 9);
    auto r2 = Combined(source.data(), copy.data(), 64, 9);
    r1.amount[5] = r2.amount[5] = 20;
    ASSERT_EQ(HTFX_OK, htfx_ColorAdjustAll(&r1));
    ASSERT_EQ(HTFX_OK, htfx_ColorAdjustAll(&r2));
    EXPECT_EQ(copy, in_place);
}

struct RowScript {
    std::vector<uint8_t> picture;
    int row_bytes = 0;
    int next = 0;
    std::vector<uint8_t> written;
    int calls_twice = 0;
    int bad_counts = 0;
};
RowScript g_rows;

void ReadTwice(unsigned char* row, unsigned char* same, int32_t bytes)
{
    if (row == same)
        ++g_rows.calls_twice;
    if (bytes != g_rows.row_bytes)
        ++g_rows.bad_counts;
    std::memcpy(row, &g_rows.picture[size_t(g_rows.next++) * size_t(bytes)], size_t(bytes));
}

void WriteTwice(unsigned char* row, unsigned char* same, int32_t bytes)
{
    if (row == same)
        ++g_rows.calls_twice;
    g_rows.written.insert(g_rows.written.end(), row, row + bytes);
}

void ReadOnce(unsigned char* row, int32_t bytes)
{
    std::memcpy(row, &g_rows.picture[size_t(g_rows.next++) * size_t(bytes)], size_t(bytes));
}

TEST(ColorAdjustAll, ReaderAndWriterGetTheRowBufferTwice)
{
    FakeServices services;
    const int width = 5, rows = 4;
    g_rows = {};
    g_rows.picture = RandomRaw(width, rows, 3);
    g_rows.row_bytes = RawBytes(width);
    auto r = Combined(nullptr, nullptr, width, rows);
    r.source = Reader2(ReadTwice);
    r.destination = Reader2(WriteTwice);
    ASSERT_EQ(HTFX_OK, htfx_ColorAdjustAll(&r));
    EXPECT_EQ(2 * rows, g_rows.calls_twice);
    EXPECT_EQ(0, g_rows.bad_counts);
    EXPECT_EQ(ExpectedRaw(g_rows.picture, width, rows, htfx::Amounts{}), g_rows.written);
}

TEST(ColorAdjustAll, ChannelsOutsideTheMaskHaveNoEffect)
{
    FakeServices services;
    auto source = RandomRaw(16, 4, 4);
    std::vector<uint8_t> a(source.size()), b(source.size());
    auto r1 = Combined(source.data(), a.data(), 16, 4);
    auto r2 = Combined(source.data(), b.data(), 16, 4);
    r1.channel_mask = r2.channel_mask = HTFX_CHANNEL_HUE;
    r1.amount[HTFX_RED] = 0;
    r1.range[HTFX_CONTRAST] = 0;  // not in use: no division by it
    r2.amount[HTFX_RED] = 200;
    r1.amount[HTFX_HUE] = r2.amount[HTFX_HUE] = 40;
    ASSERT_EQ(HTFX_OK, htfx_ColorAdjustAll(&r1));
    ASSERT_EQ(HTFX_OK, htfx_ColorAdjustAll(&r2));
    EXPECT_EQ(a, b);
    EXPECT_EQ(127, r1.amount[HTFX_RED]);
    EXPECT_EQ(255, r1.range[HTFX_RED]);
}

TEST(ColorAdjustAll, AmountsOutsideTheRangeAreClamped)
{
    FakeServices services;
    auto source = RandomRaw(8, 3, 5);
    std::vector<uint8_t> a(source.size()), b(source.size());
    auto r1 = Combined(source.data(), a.data(), 8, 3);
    auto r2 = Combined(source.data(), b.data(), 8, 3);
    r1.amount[HTFX_BRIGHTNESS] = 5000;
    r2.amount[HTFX_BRIGHTNESS] = 200;
    r1.amount[HTFX_GREEN] = -70;
    r2.amount[HTFX_GREEN] = 0;
    ASSERT_EQ(HTFX_OK, htfx_ColorAdjustAll(&r1));
    ASSERT_EQ(HTFX_OK, htfx_ColorAdjustAll(&r2));
    EXPECT_EQ(a, b);
}

TEST(ColorAdjustAll, InvalidRequestsTouchNothing)
{
    FakeServices services;
    auto source = RandomRaw(8, 3, 6);
    auto bad_dib = RandomDib(4, 4, 24, 1);
    bad_dib[14] = 7;  // 7 bits per pixel
    auto rle24 = RandomDib(4, 4, 24, 1);
    rle24[16] = 1;
    std::vector<std::function<void(HtfxColorAdjustAllRequest&)>> breakers = {
        [](auto& r) { r.channel_mask = 0; },
        [](auto& r) { r.channel_mask = 0x80; },
        [](auto& r) { r.source.value.address = nullptr; },
        [](auto& r) { r.destination.value.address = nullptr; },
        [](auto& r) { r.width = 2730; },
        [](auto& r) { r.width = 0; },
        [](auto& r) { r.width = -5; },
        [](auto& r) { r.rows = 0; },
        [](auto& r) { r.range[HTFX_HUE] = 0; },
        [](auto& r) { r.range[HTFX_RED] = -3; },
        [](auto& r) { r.start_state = 0; },
        [](auto& r) { r.preview = 2; },
        [](auto& r) { r.preview = 1; },  // no owner
        [](auto& r) { r.preview = 1, r.owner = &r, r.start_state = 2; },
        [](auto& r) { r.source.kind = 3; },
        [](auto& r) { r.source.format = 257; },
        [](auto& r) { r.source.kind = 0, r.source.format = 258; },
        [](auto& r) { r.destination.kind = 2; },
        [](auto& r) { r.destination.format = 259; },
        [&](auto& r) { r.source = Memory(bad_dib.data(), 258), r.destination.format = 258; },
        [&](auto& r) { r.source = Memory(rle24.data(), 258), r.destination.format = 258; },
        [&](auto& r) { r.source = Memory(rle24.data(), 258); },  // bitmap into raw rows
        [](auto& r) { r.destination.format = 258; },               // raw rows over a bitmap
    };
    for (size_t i = 0; i < breakers.size(); ++i) {
        std::vector<uint8_t> destination(4096, 0x5A);
        auto r = Combined(source.data(), destination.data(), 8, 3);
        breakers[i](r);
        const auto before = r;
        EXPECT_EQ(HTFX_INVALID_REQUEST, htfx_ColorAdjustAll(&r)) << "case " << i;
        EXPECT_EQ(0, std::memcmp(&before, &r, sizeof r)) << "case " << i;
        EXPECT_EQ(std::vector<uint8_t>(4096, 0x5A), destination) << "case " << i;
    }
    EXPECT_EQ(HTFX_INVALID_REQUEST, htfx_ColorAdjustAll(nullptr));
}

TEST(ColorAdjustAll, WidestRawRowFitsTheRowLimit)
{
    FakeServices services;
    auto source = RandomRaw(2729, 2, 7);
    std::vector<uint8_t> destination(source.size());
    auto r = Combined(source.data(), destination.data(), 2729, 2);
    EXPECT_EQ(8188, RawBytes(2729));
    EXPECT_EQ(HTFX_OK, htfx_ColorAdjustAll(&r));
    EXPECT_EQ(ExpectedRaw(source, 2729, 2, htfx::Amounts{}), destination);
}

TEST(ColorAdjustAll, EightBitBitmapChangesOnlyItsColourTable)
{
    FakeServices services;
    for (int bits : {1, 4, 8}) {
        auto dib = RandomDib(13, 5, bits, 8);
        std::vector<uint8_t> out(dib.size());
        auto r = Combined(dib.data(), out.data(), 13, 5);
        r.source.format = r.destination.format = HTFX_FORMAT_DIB;
        r.amount[HTFX_SATURATION] = 150;
        r.amount[HTFX_HUE] = 20;
        const auto applied = Normalised(r);
        ASSERT_EQ(HTFX_OK, htfx_ColorAdjustAll(&r)) << bits;
        const size_t table = 40, pixels = 40 + (size_t(4) << bits);
        EXPECT_TRUE(std::equal(dib.begin() + long(pixels), dib.end(), out.begin() + long(pixels))) << bits;
        for (int e = 0; e < (1 << bits); ++e) {
            uint8_t* entry = &dib[table + 4 * size_t(e)];
            htfx::AdjustCombinedPixel(applied, entry[0], entry[1], entry[2]);
        }
        EXPECT_EQ(dib, out) << bits;
        // Applied amounts come back on the caller's scale.
        EXPECT_EQ(200 * htfx::NormaliseAmount(150, 200) / 198 + 100, r.amount[HTFX_SATURATION]);
        EXPECT_EQ(200 * htfx::NormaliseAmount(20, 200) / 198 + 100, r.amount[HTFX_HUE]);
    }
}

TEST(ColorAdjustAll, DeepBitmapsAdjustTheirPixels)
{
    FakeServices services;
    for (int bits : {16, 24, 32}) {
        auto dib = RandomDib(9, 4, bits, 9);
        std::vector<uint8_t> out(dib.size(), 0);
        auto r = Combined(dib.data(), out.data(), 9, 4);
        r.source.format = r.destination.format = HTFX_FORMAT_DIB;
        r.amount[HTFX_BLUE] = 20;
        r.amount[HTFX_CONTRAST] = 180;
        const auto a = Normalised(r);
        ASSERT_EQ(HTFX_OK, htfx_ColorAdjustAll(&r)) << bits;
        const size_t row_bytes = ((9 * size_t(bits) + 31) >> 3) & ~size_t(3);
        EXPECT_TRUE(std::equal(dib.begin(), dib.begin() + 40, out.begin()));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 9; ++x) {
                const uint8_t* p = &dib[40 + y * row_bytes + x * (bits / 8)];
                const uint8_t* q = &out[40 + y * row_bytes + x * (bits / 8)];
                if (bits == 16) {
                    const unsigned v = unsigned(p[0] | p[1] << 8);
                    uint8_t b = uint8_t(v << 3), g = uint8_t((v >> 2) & 0xF8), rr = uint8_t((v >> 7) & 0xF8);
                    htfx::AdjustCombinedPixel(a, b, g, rr);
                    const unsigned w = (rr & 0xF8u) << 7 | (g & 0xF8u) << 2 | b >> 3;
                    ASSERT_EQ(w, unsigned(q[0] | q[1] << 8));
                } else {
                    uint8_t b = p[0], g = p[1], rr = p[2];
                    htfx::AdjustCombinedPixel(a, b, g, rr);
                    ASSERT_TRUE(q[0] == b && q[1] == g && q[2] == rr);
                    if (bits == 32)
                        ASSERT_EQ(p[3], q[3]);
                }
            }
    }
}

TEST(ColorAdjustAll, WindowPassUsesTheCaptureAndReportsAppliedAmounts)
{
    FakeServices services;
    services.capture_width = 6;
    services.capture_rows = 2;
    int window = 0;
    std::vector<uint8_t> destination(size_t(RawBytes(8)) * 3, 0x77);
    auto r = Combined(nullptr, destination.data(), 8, 3);
    r.source.kind = HTFX_KIND_WINDOW;
    r.source.value.window = &window;
    r.amount[HTFX_BRIGHTNESS] = 160;
    const auto a = Normalised(r);
    ASSERT_EQ(HTFX_OK, htfx_ColorAdjustAll(&r));
    // Captured pixels where the window has them, black beyond.
    std::vector<uint8_t> expected(destination.size(), 0);
    htfx_test::FakeCapture capture(6, 2, 100);
    for (int y = 0; y < 2; ++y)
        capture.ReadRow(y, &expected[size_t(y) * RawBytes(8)]);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 8; ++x) {
            uint8_t* p = &expected[size_t(y) * RawBytes(8) + 3 * x];
            htfx::AdjustCombinedPixel(a, p[0], p[1], p[2]);
        }
    EXPECT_EQ(expected, destination);
    EXPECT_EQ(200 * htfx::NormaliseAmount(160, 200) / 198 + 100, r.amount[HTFX_BRIGHTNESS]);

    services.capture_width = 0;
    EXPECT_EQ(HTFX_NO_CAPTURE, htfx_ColorAdjustAll(&r));
}

TEST(ColorAdjustAll, OutOfMemoryForTheRowBuffer)
{
    FakeServices services;
    services.allocation_limit = 10;
    auto source = RandomRaw(8, 2, 10);
    auto destination = source;
    auto r = Combined(source.data(), destination.data(), 8, 2);
    EXPECT_EQ(HTFX_NO_MEMORY, htfx_ColorAdjustAll(&r));
}

TEST(ColorAdjustAll, PreviewGetsTheRequestAndItsOutcomeIsWrittenBack)
{
    FakeServices services;
    auto source = RandomRaw(10, 4, 11);
    std::vector<uint8_t> destination(source.size());
    int owner = 0;
    auto r = Combined(source.data(), destination.data(), 10, 4);
    r.preview = 1;
    r.owner = &owner;
    r.channel_mask = 0x78;
    r.amount[HTFX_HUE] = 130;
    htfx::PreviewJob seen;
    services.preview = [&](htfx::PreviewJob& job) {
        seen = job;
        job.applied = true;
        job.applied_amounts = job.amounts;
        job.applied_amounts.value[HTFX_HUE] = 43;
        job.destination->Put(const_cast<uint8_t*>(job.source), job.row_bytes);
        return 0;
    };
    ASSERT_EQ(HTFX_OK, htfx_ColorAdjustAll(&r));
    EXPECT_EQ(source.data(), seen.source);
    EXPECT_EQ(10, seen.width);
    EXPECT_EQ(4, seen.rows);
    EXPECT_EQ(0x78, seen.channel_mask);
    EXPECT_EQ(htfx::NormaliseAmount(130, 200), seen.amounts.value[HTFX_HUE]);
    EXPECT_EQ(0, seen.amounts.value[HTFX_RED]);  // not in the mask
    EXPECT_EQ(200 * 43 / 198 + 100, r.amount[HTFX_HUE]);
    EXPECT_TRUE(std::equal(source.begin(), source.begin() + RawBytes(10), destination.begin()));

    // Cancelled: the caller's amounts stay.
    services.preview = [](htfx::PreviewJob&) { return 0; };
    auto c = Combined(source.data(), destination.data(), 10, 4);
    c.preview = 1, c.owner = &owner, c.amount[HTFX_HUE] = 130;
    ASSERT_EQ(HTFX_OK, htfx_ColorAdjustAll(&c));
    EXPECT_EQ(130, c.amount[HTFX_HUE]);

    services.preview = nullptr;
    EXPECT_EQ(HTFX_NO_PREVIEW, htfx_ColorAdjustAll(&c));
}

HtfxColorAdjustRequest Single(void* source, void* destination, int width, int rows, int amount, int range)
{
    HtfxColorAdjustRequest r{};
    r.source = Memory(source);
    r.destination = Memory(destination);
    r.width = width;
    r.rows = rows;
    r.amount = amount;
    r.range = range;
    return r;
}

TEST(SingleChannel, EachExportAppliesItsRule)
{
    FakeServices services;
    using Fn = int32_t(HTFX_API*)(HtfxColorAdjustRequest*);
    const struct {
        Fn fn;
        htfx::Channel channel;
    } exports[] = {
        {htfx_ColorAdjustRed, htfx::Channel::Red},
        {htfx_ColorAdjustGreen, htfx::Channel::Green},
        {htfx_ColorAdjustBlue, htfx::Channel::Blue},
        {htfx_ColorAdjustHue, htfx::Channel::Hue},
        {htfx_ColorAdjustSaturation, htfx::Channel::Saturation},
        {htfx_ColorAdjustBrightness, htfx::Channel::Brightness},
        {htfx_ColorAdjustContrast, htfx::Channel::Contrast},
    };
    auto source = RandomRaw(7, 3, 12);
    for (const auto& e : exports) {
        std::vector<uint8_t> out(source.size());
        auto r = Single(source.data(), out.data(), 7, 3, 30, 40);
        ASSERT_EQ(HTFX_OK, e.fn(&r));
        auto expected = source;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 7; ++x) {
                uint8_t* p = &expected[size_t(y) * RawBytes(7) + 3 * x];
                int b = p[0], g = p[1], rr = p[2];
                htfx::AdjustSinglePixel(e.channel, htfx::NormaliseAmount(30, 40), 255, b, g, rr);
                p[0] = uint8_t(b), p[1] = uint8_t(g), p[2] = uint8_t(rr);
            }
        EXPECT_EQ(expected, out) << int(e.channel);
        EXPECT_EQ(30, r.amount);
    }
}

TEST(SingleChannel, SixteenBitBitmapsUseFiveBitChannels)
{
    FakeServices services;
    auto dib = RandomDib(5, 2, 16, 13);
    auto out = dib;
    auto r = Single(dib.data(), out.data(), 5, 2, 99, 99);  // +99 contrast
    r.source.format = r.destination.format = HTFX_FORMAT_DIB;
    ASSERT_EQ(HTFX_OK, htfx_ColorAdjustContrast(&r));
    for (int i = 0; i < 5; ++i) {
        const unsigned v = unsigned(dib[40 + 2 * i] | dib[41 + 2 * i] << 8);
        int rr = int(v >> 10) & 31, g = int(v >> 5) & 31, b = int(v) & 31;
        htfx::AdjustSinglePixel(htfx::Channel::Contrast, 99, 31, b, g, rr);
        EXPECT_EQ(unsigned(rr << 10 | g << 5 | b), unsigned(out[40 + 2 * i] | out[41 + 2 * i] << 8));
    }
}

TEST(SingleChannel, ReaderGetsTheBufferOnceWriterTwice)
{
    FakeServices services;
    g_rows = {};
    g_rows.picture = RandomRaw(4, 3, 14);
    g_rows.row_bytes = RawBytes(4);
    auto r = Single(nullptr, nullptr, 4, 3, 50, 100);
    r.source = Reader(ReadOnce);
    r.destination = Reader2(WriteTwice);
    ASSERT_EQ(HTFX_OK, htfx_ColorAdjustRed(&r));
    EXPECT_EQ(3, g_rows.calls_twice);
    EXPECT_EQ(g_rows.picture.size(), g_rows.written.size());
}

TEST(SingleChannel, InvalidRequests)
{
    FakeServices services;
    auto source = RandomRaw(4, 2, 15);
    auto out = source;
    auto r = Single(source.data(), out.data(), 4, 2, 5, 0);
    EXPECT_EQ(HTFX_INVALID_REQUEST, htfx_ColorAdjustHue(&r));
    r.range = 10;
    r.width = 3000;
    EXPECT_EQ(HTFX_INVALID_REQUEST, htfx_ColorAdjustHue(&r));
    r.width = 4;
    r.destination.kind = HTFX_KIND_WINDOW;
    EXPECT_EQ(HTFX_INVALID_REQUEST, htfx_ColorAdjustHue(&r));
    EXPECT_EQ(source, out);
    EXPECT_EQ(HTFX_INVALID_REQUEST, htfx_ColorAdjustHue(nullptr));
}

}  // namespace
