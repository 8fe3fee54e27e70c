// Flipping raw rows and packed bitmaps, through memory, functions and the
// temporary file that holds a picture too large for memory.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "fake_services.h"
#include "htfx32.h"
#include "mirror.h"
#include "simd_rows.h"
#include "test_pictures.h"

namespace {

using namespace htfx_test;

HtfxFlipRequest FlipOf(void* source, void* destination, int width, int rows, int mask, int format = HTFX_FORMAT_RAW)
{
    HtfxFlipRequest r{};
    r.source = Memory(source, format);
    r.destination = Memory(destination, format);
    r.width = width;
    r.rows = rows;
    r.mask = mask;
    return r;
}

// Plain flip of raw rows, pixel by pixel.
std::vector<uint8_t> Flipped(const std::vector<uint8_t>& picture, int width, int rows, int mask)
{
    std::vector<uint8_t> out = picture;
    const int row_bytes = RawBytes(width);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x) {
            const int sy = (mask & 2) ? rows - 1 - y : y, sx = (mask & 1) ? width - 1 - x : x;
            std::memcpy(&out[size_t(y) * row_bytes + 3 * x], &picture[size_t(sy) * row_bytes + 3 * sx], 3);
        }
    return out;
}

TEST(FlipRaw, MirrorsRowsReversesOrderOrBoth)
{
    FakeServices services;
    auto picture = RandomRaw(5, 3, 1);
    for (int mask : {1, 2, 3}) {
        std::vector<uint8_t> out(picture.size());
        auto r = FlipOf(picture.data(), out.data(), 5, 3, mask);
        ASSERT_EQ(HTFX_OK, htfx_Flip(&r));
        auto expected = Flipped(picture, 5, 3, mask);
        // Row padding comes along with its row.
        for (int y = 0; y < 3; ++y)
            expected[size_t(y) * 16 + 15] = picture[size_t((mask & 2) ? 2 - y : y) * 16 + 15];
        EXPECT_EQ(expected, out) << mask;
    }
    // Pixel 2 of five stays, 0 and 4 swap.
    std::vector<uint8_t> out(picture.size());
    auto r = FlipOf(picture.data(), out.data(), 5, 3, 1);
    htfx_Flip(&r);
    EXPECT_EQ(0, std::memcmp(&out[6], &picture[6], 3));
    EXPECT_EQ(0, std::memcmp(&out[0], &picture[12], 3));
}

TEST(FlipRaw, BothEqualsHorizontalThenVertical)
{
    FakeServices services;
    auto picture = RandomRaw(31, 7, 2);
    std::vector<uint8_t> both(picture.size()), step(picture.size()), step2(picture.size());
    auto r = FlipOf(picture.data(), both.data(), 31, 7, 3);
    ASSERT_EQ(HTFX_OK, htfx_Flip(&r));
    r = FlipOf(picture.data(), step.data(), 31, 7, 1);
    ASSERT_EQ(HTFX_OK, htfx_Flip(&r));
    r = FlipOf(step.data(), step2.data(), 31, 7, 2);
    ASSERT_EQ(HTFX_OK, htfx_Flip(&r));
    EXPECT_EQ(both, step2);
}

TEST(FlipRaw, InPlaceEqualsCopyForOddAndEvenRows)
{
    FakeServices services;
    // Widths below, at and beyond the 16-pixel vector blocks of a row and of half a row.
    for (int width : {9, 16, 33, 70}) {
        for (int rows : {1, 4, 5}) {
            for (int mask : {0, 1, 2, 3}) {
                for (bool vector : {true, false}) {
                    htfx::EnableVectorRows(vector);
                    auto picture = RandomRaw(width, rows, uint32_t(width * 100 + rows * 10 + mask));
                    std::vector<uint8_t> copy(picture.size());
                    auto r = FlipOf(picture.data(), copy.data(), width, rows, mask);
                    ASSERT_EQ(HTFX_OK, htfx_Flip(&r));
                    const auto original = picture;
                    r = FlipOf(picture.data(), picture.data(), width, rows, mask);
                    ASSERT_EQ(HTFX_OK, htfx_Flip(&r));
                    EXPECT_EQ(copy, picture) << width << ' ' << rows << ' ' << mask;
                    // Pixels as the plain flip puts them; padding moves with its row.
                    auto expected = Flipped(original, width, rows, mask);
                    const int row_bytes = RawBytes(width);
                    for (int y = 0; y < rows; ++y)
                        for (int i = width * 3; i < row_bytes; ++i)
                            expected[size_t(y) * row_bytes + i] =
                                original[size_t((mask & 2) ? rows - 1 - y : y) * row_bytes + i];
                    EXPECT_EQ(expected, picture) << width << ' ' << rows << ' ' << mask;
                }
                htfx::EnableVectorRows(true);
            }
        }
    }
}

struct Rows {
    std::vector<uint8_t> picture;
    int next = 0;
    std::vector<uint8_t> written;
};
Rows g_flip;

void ReadRow(unsigned char* row, int32_t bytes)
{
    std::memcpy(row, &g_flip.picture[size_t(g_flip.next++) * size_t(bytes)], size_t(bytes));
}

void WriteRow(unsigned char* row, int32_t bytes)
{
    g_flip.written.insert(g_flip.written.end(), row, row + bytes);
}

TEST(FlipRaw, ReaderToWriterThroughMemoryOrTemporaryFile)
{
    for (size_t limit : {size_t(-1), size_t(1000)}) {
        FakeServices services;
        services.allocation_limit = limit;  // the whole picture needs more
        g_flip = {};
        g_flip.picture = RandomRaw(40, 12, 3);
        HtfxFlipRequest r{};
        r.source = Reader(ReadRow);
        r.destination = Reader(WriteRow);
        r.width = 40;
        r.rows = 12;
        r.mask = 3;
        ASSERT_EQ(HTFX_OK, htfx_Flip(&r));
        EXPECT_EQ(12, g_flip.next);
        auto expected = Flipped(g_flip.picture, 40, 12, 3);
        EXPECT_EQ(expected, g_flip.written);
        EXPECT_EQ(limit == 1000 ? 1 : 0, services.spill_files);
    }
}

TEST(FlipRaw, FailuresOfTheTemporaryFileAndOfMemory)
{
    FakeServices services;
    g_flip = {};
    g_flip.picture = RandomRaw(40, 12, 4);
    HtfxFlipRequest r{};
    r.source = Reader(ReadRow);
    r.destination = Reader(WriteRow);
    r.width = 40;
    r.rows = 12;
    r.mask = 2;
    services.allocation_limit = 1000;
    services.no_spill_file = true;
    EXPECT_EQ(HTFX_NO_TEMP_FILE, htfx_Flip(&r));
    services.allocation_limit = 20;
    EXPECT_EQ(HTFX_NO_MEMORY, htfx_Flip(&r));
    EXPECT_TRUE(g_flip.written.empty());
}

TEST(FlipRaw, WindowSourceIsCaptured)
{
    FakeServices services;
    services.capture_width = 4;
    services.capture_rows = 3;
    int window = 0;
    std::vector<uint8_t> out(size_t(RawBytes(4)) * 3);
    HtfxFlipRequest r = FlipOf(nullptr, out.data(), 4, 3, 2);
    r.source.kind = HTFX_KIND_WINDOW;
    r.source.value.window = &window;
    ASSERT_EQ(HTFX_OK, htfx_Flip(&r));
    std::vector<uint8_t> expected(out.size());
    FakeCapture capture(4, 3, 100);
    for (int y = 0; y < 3; ++y)
        capture.ReadRow(2 - y, &expected[size_t(y) * RawBytes(4)]);
    EXPECT_EQ(expected, out);
}

int Pixel(const std::vector<uint8_t>& dib, size_t offset, size_t row_bytes, int bits, int x, int y)
{
    const uint8_t* row = &dib[offset + size_t(y) * row_bytes];
    const int bit = x * bits;
    return (row[bit / 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
}

TEST(FlipBitmap, EveryDepthMirrorsPixelByPixel)
{
    FakeServices services;
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        for (int width : {1, 6, 7, 13}) {
            auto dib = RandomDib(width, 3, bits, uint32_t(bits + width));
            std::vector<uint8_t> out(dib.size());
            auto r = FlipOf(dib.data(), out.data(), width, 3, 3, HTFX_FORMAT_DIB);
            ASSERT_EQ(HTFX_OK, htfx_Flip(&r)) << bits;
            const size_t offset = 40 + (bits <= 8 ? size_t(4) << bits : 0);
            const size_t row_bytes = ((size_t(width) * bits + 31) >> 3) & ~size_t(3);
            EXPECT_TRUE(std::equal(dib.begin(), dib.begin() + long(offset), out.begin()));
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < width; ++x) {
                    if (bits < 8) {
                        ASSERT_EQ(Pixel(dib, offset, row_bytes, bits, width - 1 - x, 2 - y),
                                  Pixel(out, offset, row_bytes, bits, x, y))
                            << bits << " width " << width;
                    } else {
                        const int n = bits / 8;
                        ASSERT_EQ(0, std::memcmp(&dib[offset + (2 - y) * row_bytes + size_t(width - 1 - x) * n],
                                                 &out[offset + y * row_bytes + size_t(x) * n], size_t(n)));
                    }
                }
        }
    }
}

TEST(FlipBitmap, VerticalKeepsTheMiddleRowOfAnOddCount)
{
    FakeServices services;
    auto dib = RandomDib(8, 5, 24, 5);
    auto original = dib;
    auto r = FlipOf(dib.data(), dib.data(), 8, 5, 2, HTFX_FORMAT_DIB);
    ASSERT_EQ(HTFX_OK, htfx_Flip(&r));
    EXPECT_TRUE(std::equal(original.begin() + 40 + 48, original.begin() + 40 + 72, dib.begin() + 40 + 48));
    EXPECT_TRUE(std::equal(original.begin() + 40, original.begin() + 40 + 24, dib.begin() + 40 + 96));
}

TEST(FlipBitmap, CompressedRowsAreRefusedUntouched)
{
    FakeServices services;
    auto dib = RandomDib(8, 4, 8, 6);
    dib[16] = 1;  // run-length encoded
    std::vector<uint8_t> out(dib.size(), 0x33);
    auto r = FlipOf(dib.data(), out.data(), 8, 4, 1, HTFX_FORMAT_DIB);
    EXPECT_EQ(HTFX_INVALID_REQUEST, htfx_Flip(&r));
    EXPECT_EQ(std::vector<uint8_t>(dib.size(), 0x33), out);
}

TEST(Flip, InvalidRequestsTouchNothing)
{
    FakeServices services;
    auto picture = RandomRaw(8, 2, 7);
    std::vector<uint8_t> out(picture.size(), 0x44);
    const std::vector<HtfxFlipRequest> bad = [&] {
        std::vector<HtfxFlipRequest> list;
        auto base = FlipOf(picture.data(), out.data(), 8, 2, 3);
        auto r = base; r.width = 2730; list.push_back(r);
        r = base; r.width = 0; list.push_back(r);
        r = base; r.rows = -1; list.push_back(r);
        r = base; r.source.value.address = nullptr; list.push_back(r);
        r = base; r.destination.value.address = nullptr; list.push_back(r);
        r = base; r.source.format = 259; list.push_back(r);
        r = base; r.destination.kind = 2; list.push_back(r);
        r = base; r.source.kind = 0; r.source.format = 258; list.push_back(r);
        r = base; r.source.format = 258; list.push_back(r);  // no bitmap header there
        r = base; r.destination.format = 258; list.push_back(r);  // raw rows over a bitmap
        return list;
    }();
    for (size_t i = 0; i < bad.size(); ++i) {
        auto r = bad[i];
        EXPECT_EQ(HTFX_INVALID_REQUEST, htfx_Flip(&r)) << i;
    }
    EXPECT_EQ(std::vector<uint8_t>(picture.size(), 0x44), out);
    EXPECT_EQ(HTFX_INVALID_REQUEST, htfx_Flip(nullptr));
}

}  // namespace

namespace {

TEST(Mirror, VectorAndWordPathsGiveThePixelByPixelResult)
{
    std::mt19937 random(5);
    for (int pixels = 0; pixels <= 100; ++pixels) {
        std::vector<uint8_t> row(size_t(pixels) * 3 + 1);
        for (auto& byte : row)
            byte = uint8_t(random());
        std::vector<uint8_t> expected(row.size(), 0);
        for (int x = 0; x < pixels; ++x)
            std::memcpy(&expected[3 * size_t(x)], &row[3 * size_t(pixels - 1 - x)], 3);
        for (bool vector : {true, false}) {
            htfx::EnableVectorRows(vector);
            std::vector<uint8_t> out(row.size(), 0);
            htfx::MirrorPixelsCopy(row.data(), out.data(), pixels, 3);
            EXPECT_EQ(expected, out) << pixels << (vector ? " vector" : " words");
            // In place, and two rows exchanged mirrored.
            std::vector<uint8_t> in_place = row;
            htfx::MirrorPixelsInPlace(in_place.data(), pixels, 3);
            EXPECT_EQ(0, std::memcmp(expected.data(), in_place.data(), size_t(pixels) * 3)) << pixels;
            std::vector<uint8_t> other(row.size());
            for (auto& byte : other)
                byte = uint8_t(random());
            std::vector<uint8_t> p = row, q = other;
            htfx::MirrorSwapPixels3(p.data(), q.data(), pixels);
            std::vector<uint8_t> other_mirrored(other.size(), 0);
            htfx::EnableVectorRows(false);
            htfx::MirrorPixelsCopy(other.data(), other_mirrored.data(), pixels, 3);
            htfx::EnableVectorRows(vector);
            EXPECT_EQ(0, std::memcmp(other_mirrored.data(), p.data(), size_t(pixels) * 3)) << pixels;
            EXPECT_EQ(0, std::memcmp(expected.data(), q.data(), size_t(pixels) * 3)) << pixels;
        }
        htfx::EnableVectorRows(true);
    }
}

}  // namespace
