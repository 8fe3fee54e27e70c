// Composition of two streams by colour keys: the key rules, range keys and
// their rewrite, Y, U, V streams, offsets, results and validation.
#include <gtest/gtest.h>

#include <cstring>

#include "fake_services.h"
#include "htfx32.h"
#include "test_pictures.h"
#include "simd_rows.h"
#include "yuv.h"

namespace {

using namespace htfx_test;

HtfxOverlayRequest OverlayOf(void* a, void* b, void* out, int width, int rows)
{
    HtfxOverlayRequest r{};
    r.a = Memory(a);
    r.b = Memory(b);
    r.destination = Memory(out);
    r.a_width = r.b_width = width;
    r.a_rows = r.b_rows = rows;
    r.a_key_type = r.b_key_type = HTFX_KEYS_EXACT;
    return r;
}

void Put(std::vector<uint8_t>& row, int x, uint8_t b, uint8_t g, uint8_t r)
{
    row[3 * size_t(x)] = b;
    row[3 * size_t(x) + 1] = g;
    row[3 * size_t(x) + 2] = r;
}

bool PixelIs(const std::vector<uint8_t>& row, int x, const std::vector<uint8_t>& from, int fx)
{
    return std::memcmp(&row[3 * size_t(x)], &from[3 * size_t(fx)], 3) == 0;
}

TEST(Overlay, ExactKeysChooseByTheRuleOfWhichStreamsHaveKeys)
{
    FakeServices services;
    // Pixel 0: a keyed, b keyed; 1: a keyed, b plain; 2: a plain, b keyed; 3: both plain.
    std::vector<uint8_t> a(12), b(12);
    Put(a, 0, 1, 2, 3), Put(a, 1, 1, 2, 3), Put(a, 2, 9, 9, 9), Put(a, 3, 8, 8, 8);
    Put(b, 0, 4, 5, 6), Put(b, 1, 7, 7, 7), Put(b, 2, 4, 5, 6), Put(b, 3, 6, 6, 6);
    uint8_t a_key[3] = {1, 2, 3}, b_key[3] = {4, 5, 6};
    struct Case {
        bool a_keyed, b_keyed;
        const char* from;  // per pixel: 'a' or 'b'
    } cases[] = {{true, false, "bbaa"}, {false, true, "abab"}, {true, true, "bbab"}, {false, false, "aaaa"}};
    for (const Case& c : cases) {
        std::vector<uint8_t> out(12, 0xEE);
        auto r = OverlayOf(a.data(), b.data(), out.data(), 4, 1);
        if (c.a_keyed)
            r.a_key_count = 1, r.a_keys = a_key;
        if (c.b_keyed)
            r.b_key_count = 1, r.b_keys = b_key;
        ASSERT_EQ(HTFX_OK, htfx_OverlayStreams(&r));
        for (int x = 0; x < 4; ++x)
            EXPECT_TRUE(PixelIs(out, x, c.from[x] == 'a' ? a : b, x)) << c.from << " pixel " << x;
        EXPECT_EQ(4, r.last_row_pixels);
        EXPECT_EQ(1, r.rows_written);
    }
}

TEST(Overlay, RangeKeysAreRewrittenInPlaceAndMatchWithin)
{
    FakeServices services;
    std::vector<uint8_t> a(12), b(12, 0x55), out(12);
    Put(a, 0, 25, 35, 0);   // red 0, green 35, blue 25: green above 30
    Put(a, 1, 30, 0, 10);   // inside
    Put(a, 2, 31, 5, 5);    // blue above 30
    Put(a, 3, 0, 30, 30);   // inside
    uint8_t key[6] = {10, 10, 10, 20, 20, 20};  // colour 10, tolerance 20
    auto r = OverlayOf(a.data(), b.data(), out.data(), 4, 1);
    r.a_key_type = HTFX_KEYS_RANGE;
    r.a_key_count = 1;
    r.a_keys = key;
    ASSERT_EQ(HTFX_OK, htfx_OverlayStreams(&r));
    const uint8_t rewritten[6] = {0, 0, 0, 30, 30, 30};
    EXPECT_EQ(0, std::memcmp(rewritten, key, 6));
    EXPECT_TRUE(PixelIs(out, 0, a, 0));
    EXPECT_TRUE(PixelIs(out, 1, b, 1));
    EXPECT_TRUE(PixelIs(out, 2, a, 2));
    EXPECT_TRUE(PixelIs(out, 3, b, 3));
}

TEST(Overlay, RangeKeyOnYuvStreamKeepsSignedEnds)
{
    FakeServices services;
    // B is Y, U, V; its key: Y 100 +- 10, U 5 +- 10, V -20 +- 10.
    std::vector<uint8_t> a(8, 0x11), b(8, 0), out(8);
    b[0] = 105, b[1] = uint8_t(int8_t(-3)), b[2] = uint8_t(int8_t(-25));  // inside: B keeps
    b[3] = 105, b[4] = 20, b[5] = uint8_t(int8_t(-25));                     // U outside: A shows
    uint8_t key[6] = {100, 5, uint8_t(int8_t(-20)), 10, 10, 10};
    auto r = OverlayOf(a.data(), b.data(), out.data(), 2, 1);
    r.a.format = HTFX_FORMAT_OTHER;
    r.b.format = HTFX_FORMAT_YUV;
    r.destination.format = HTFX_FORMAT_YUV;
    r.b_key_type = HTFX_KEYS_RANGE;
    r.b_key_count = 1;
    r.b_keys = key;
    ASSERT_EQ(HTFX_OK, htfx_OverlayStreams(&r));
    EXPECT_EQ(90, key[0]);
    EXPECT_EQ(-5, int8_t(key[1]));
    EXPECT_EQ(-30, int8_t(key[2]));
    EXPECT_EQ(110, key[3]);
    EXPECT_EQ(15, int8_t(key[4]));
    EXPECT_EQ(-10, int8_t(key[5]));
    EXPECT_TRUE(PixelIs(out, 0, a, 0));  // B matches its key: A shows through
    EXPECT_TRUE(PixelIs(out, 1, b, 1));
}

TEST(Overlay, RgbStreamIsConvertedToYuvBesideAYuvStream)
{
    FakeServices services;
    const int width = 3;
    // A: the screen with an exact key colour (magenta) where video shows.
    std::vector<uint8_t> a(12, 0), b(12), out(12, 0xEE);
    Put(a, 0, 255, 0, 255), Put(a, 1, 10, 200, 30), Put(a, 2, 255, 0, 255);
    for (int i = 0; i < 12; ++i)
        b[size_t(i)] = uint8_t(40 + i);
    uint8_t key[3] = {255, 0, 255};
    auto r = OverlayOf(a.data(), b.data(), out.data(), width, 1);
    r.b.format = HTFX_FORMAT_YUV;
    r.destination.format = HTFX_FORMAT_YUV;
    r.a_key_count = 1;
    r.a_keys = key;
    ASSERT_EQ(HTFX_OK, htfx_OverlayStreams(&r));
    uint8_t yuv[3];
    htfx::RgbToYuv(&a[3], yuv);
    EXPECT_TRUE(PixelIs(out, 0, b, 0));
    EXPECT_EQ(0, std::memcmp(&out[3], yuv, 3));
    EXPECT_TRUE(PixelIs(out, 2, b, 2));
    EXPECT_EQ(b[9], out[9]);  // B's row length, padding included
    EXPECT_EQ(4, r.last_row_pixels);
    EXPECT_EQ(255, key[0]);  // exact keys stay as given
}

TEST(Overlay, RgbToYuvFollowsTheIntegerRule)
{
    const uint8_t blue[3] = {255, 0, 0}, red[3] = {0, 0, 255}, cyan[3] = {255, 255, 0};
    uint8_t out[3];
    htfx::RgbToYuv(blue, out);
    EXPECT_EQ(28, out[0]);
    EXPECT_EQ(127, int8_t(out[1]));
    htfx::RgbToYuv(red, out);
    EXPECT_EQ(75, out[0]);
    EXPECT_EQ((0 - 75) * 127 / 226, int8_t(out[1]));
    EXPECT_EQ(127, int8_t(out[2]));
    htfx::RgbToYuv(cyan, out);
    EXPECT_EQ(-126, int8_t(out[2]));
}

TEST(Overlay, ConvertedRangeKeysAreWrittenBackAsVUY)
{
    FakeServices services;
    std::vector<uint8_t> a(8, 0), b(8, 0), out(8);
    uint8_t key[6] = {200, 100, 50, 0, 0, 0};  // red, green, blue; no tolerance
    auto r = OverlayOf(a.data(), b.data(), out.data(), 2, 1);
    r.b.format = HTFX_FORMAT_YUV;
    r.a_key_type = HTFX_KEYS_RANGE;
    r.a_key_count = 1;
    r.a_keys = key;
    ASSERT_EQ(HTFX_OK, htfx_OverlayStreams(&r));
    const uint8_t bgr[3] = {50, 100, 200};
    uint8_t yuv[3];
    htfx::RgbToYuv(bgr, yuv);
    EXPECT_EQ(yuv[2], key[0]);
    EXPECT_EQ(yuv[1], key[1]);
    EXPECT_EQ(yuv[0], key[2]);
    EXPECT_EQ(yuv[0], key[5]);
}

TEST(Overlay, OffsetsSkipLeadingRowsAndPixels)
{
    FakeServices services;
    const int width = 6, rows = 8, row_bytes = RawBytes(width);
    auto a = RandomRaw(width, rows, 1), b = RandomRaw(width, rows, 2);
    std::vector<uint8_t> out(a.size(), 0);
    uint8_t key[3] = {1, 2, 3};  // A's first pixel is keyed, the others (random) are not
    auto r = OverlayOf(a.data(), b.data(), out.data(), width, rows);
    r.a_key_count = 1;
    r.a_keys = key;
    std::memcpy(&a[0], key, 3);
    r.offset_y = 5;
    r.offset_x = 2;
    ASSERT_EQ(HTFX_OK, htfx_OverlayStreams(&r));
    EXPECT_EQ(3, r.rows_written);
    EXPECT_EQ(4, r.last_row_pixels);
    // Output row 0 = A row 0 (4 pixels) with B row 5 (from pixel 2) where A is keyed.
    EXPECT_EQ(0, std::memcmp(&out[0], &b[size_t(5) * row_bytes + 6], 3));
    EXPECT_EQ(0, std::memcmp(&out[3], &a[3], 9));
    // Rows are 12 bytes apart in the output (4 pixels x 3).
    EXPECT_EQ(0, std::memcmp(&out[12], &a[size_t(row_bytes)], 12));

    std::vector<uint8_t> out2(a.size(), 0);
    auto n = OverlayOf(a.data(), b.data(), out2.data(), width, rows);
    n.offset_y = -6;
    n.offset_x = -1;
    ASSERT_EQ(HTFX_OK, htfx_OverlayStreams(&n));
    EXPECT_EQ(2, n.rows_written);
    EXPECT_EQ(5, n.last_row_pixels);
    EXPECT_EQ(0, std::memcmp(&out2[0], &a[size_t(6) * row_bytes + 3], 15));  // no keys: A shows
}

TEST(Overlay, WindowKeyOnSixteenBitDisplayMatchesTopFiveBits)
{
    FakeServices services;
    services.display_bits = 16;
    services.capture_width = 2;
    services.capture_rows = 1;
    int window = 0;
    // A 16-bit screen read back as 24 bits: the first pixel is blue 96,
    // green 0, red 96; the key differs from it only in the low three bits.
    services.capture_shade = 96;
    uint8_t key[3] = {103, 5, 101};
    std::vector<uint8_t> b(8, 0x42), out(8);
    auto r = OverlayOf(nullptr, b.data(), out.data(), 2, 1);
    r.a.kind = HTFX_KIND_WINDOW;
    r.a.value.window = &window;
    r.a_key_count = 1;
    r.a_keys = key;
    ASSERT_EQ(HTFX_OK, htfx_OverlayStreams(&r));
    EXPECT_EQ(0x42, out[0]);  // keyed: B shows
    EXPECT_EQ(97, out[3]);    // the second pixel (blue 97) is not the key
    services.display_bits = 24;
    ASSERT_EQ(HTFX_OK, htfx_OverlayStreams(&r));
    EXPECT_EQ(96, out[0]);
}

struct Rows {
    std::vector<uint8_t> picture;
    int next = 0;
    std::vector<uint8_t> written;
    int writes = 0;
};
Rows g_b, g_out;

void ReadB(unsigned char* row, int32_t bytes)
{
    std::memcpy(row, &g_b.picture[size_t(g_b.next++) * size_t(bytes)], size_t(bytes));
}

void WriteOut(unsigned char* row, int32_t bytes)
{
    g_out.written.insert(g_out.written.end(), row, row + bytes);
    ++g_out.writes;
}

TEST(Overlay, ReaderOfBIsReadToItsEndAndWriterGetsComposedRows)
{
    FakeServices services;
    g_b = {};
    g_out = {};
    g_b.picture = RandomRaw(5, 6, 3);
    auto a = RandomRaw(5, 4, 4);
    auto r = OverlayOf(a.data(), nullptr, nullptr, 5, 4);
    r.b = Reader(ReadB);
    r.b_rows = 6;
    r.destination = Reader(WriteOut);
    ASSERT_EQ(HTFX_OK, htfx_OverlayStreams(&r));
    EXPECT_EQ(6, g_b.next);
    EXPECT_EQ(4, g_out.writes);
    EXPECT_EQ(size_t(4 * 15), g_out.written.size());
    EXPECT_EQ(0, std::memcmp(g_out.written.data() + 15, &a[16], 15));
}

TEST(Overlay, InvalidRequestsTouchNothing)
{
    FakeServices services;
    auto a = RandomRaw(4, 2, 5), b = RandomRaw(4, 2, 6);
    std::vector<uint8_t> out(a.size(), 0x21);
    uint8_t key[6] = {1, 2, 3, 4, 5, 6};
    std::vector<std::function<void(HtfxOverlayRequest&)>> breakers = {
        [](auto& r) { r.a.value.address = nullptr; },
        [](auto& r) { r.b.value.address = nullptr; },
        [](auto& r) { r.destination.value.address = nullptr; },
        [](auto& r) { r.a_key_count = 1; },  // no list
        [](auto& r) { r.b_key_count = -1; },
        [](auto& r) { r.a.format = 258; },
        [](auto& r) { r.destination.format = 258; },
        [](auto& r) { r.destination.kind = 2; },
        [](auto& r) { r.b.kind = 7; },
        [](auto& r) { r.a_width = 2730; },
        [](auto& r) { r.b_rows = 0; },
        [&](auto& r) { r.b_key_count = 1, r.b_keys = key, r.b_key_type = HTFX_KEYS_RANGE, r.a_width = 0; },
    };
    for (size_t i = 0; i < breakers.size(); ++i) {
        auto r = OverlayOf(a.data(), b.data(), out.data(), 4, 2);
        breakers[i](r);
        const auto before = r;
        EXPECT_EQ(HTFX_INVALID_REQUEST, htfx_OverlayStreams(&r)) << i;
        EXPECT_EQ(0, std::memcmp(&before, &r, sizeof r)) << i;
    }
    EXPECT_EQ(std::vector<uint8_t>(a.size(), 0x21), out);
    const uint8_t unchanged[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(0, std::memcmp(unchanged, key, 6));
    EXPECT_EQ(HTFX_INVALID_REQUEST, htfx_OverlayStreams(nullptr));
}

}  // namespace

namespace {

// Rows over a small palette, so that keys match often and in runs.
std::vector<uint8_t> PaletteRow(int pixels, std::mt19937& random)
{
    // The keys, colours one byte away from them in each place, and others.
    static const uint8_t colours[9][3] = {{255, 0, 255}, {0, 0, 0},   {255, 0, 254}, {254, 0, 255}, {255, 1, 255},
                                          {0, 0, 1},     {1, 0, 0},   {0, 1, 0},     {10, 20, 30}};
    std::vector<uint8_t> row(size_t(pixels) * 3 + 4);
    // Runs of one colour, as in keyed areas, from single pixels to whole blocks and more.
    const int longest = int(random() % 3) == 0 ? 1 : 40;
    int c = 0;
    for (int x = 0, run = 0; x < pixels; ++x, --run) {
        if (run <= 0)
            run = 1 + int(random() % unsigned(longest)), c = int(random() % 11);
        for (int i = 0; i < 3; ++i)
            row[3 * size_t(x) + i] = c < 9 ? colours[c][i] : uint8_t(random());
    }
    return row;
}

TEST(Overlay, VectorCompositionGivesThePixelByPixelResult)
{
    FakeServices services;
    std::mt19937 random(99);
    uint8_t a_key[3] = {255, 0, 255}, b_key[3] = {0, 0, 0};
    for (int width = 1; width <= 130; ++width) {
        for (int keys = 1; keys <= 3; ++keys) {
            auto a = PaletteRow(width * 2, random), b = PaletteRow(width * 2, random);
            std::vector<uint8_t> vector_out(a.size(), 0), plain_out(a.size(), 0);
            for (int pass = 0; pass < 2; ++pass) {
                htfx::EnableVectorRows(pass == 0);
                auto r = OverlayOf(a.data(), b.data(), (pass == 0 ? vector_out : plain_out).data(), width, 2);
                if (keys & 1)
                    r.a_key_count = 1, r.a_keys = a_key;
                if (keys & 2)
                    r.b_key_count = 1, r.b_keys = b_key;
                ASSERT_EQ(HTFX_OK, htfx_OverlayStreams(&r));
            }
            htfx::EnableVectorRows(true);
            ASSERT_EQ(plain_out, vector_out) << "width " << width << " keys " << keys;
        }
    }
}

}  // namespace
