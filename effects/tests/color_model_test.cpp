// The integer colour model and the adjustment rules, and the proof that the
// table-driven adjustment gives the plain per-pixel results bit for bit.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "color_model.h"
#include "fast_adjuster.h"
#include "mul_div.h"
#include "simd_rows.h"

namespace htfx {
namespace {

TEST(MulDiv, RoundsHalvesAwayFromZeroAndRefusesZeroDivisor)
{
    EXPECT_EQ(3, MulDiv(5, 1, 2));
    EXPECT_EQ(-3, MulDiv(-5, 1, 2));
    EXPECT_EQ(-3, MulDiv(5, -1, 2));
    EXPECT_EQ(2, MulDiv(7, 1, 3));
    EXPECT_EQ(-1, MulDiv(7, 1, 0));
    EXPECT_EQ(3, MulDiv(-5, -1, 2));
}

TEST(ColorModel, PrimariesSitAtTheModelsOwnHues)
{
    EXPECT_EQ(0, ToModel(255, 0, 0).hue);
    EXPECT_EQ(119, ToModel(0, 255, 0).hue);
    EXPECT_EQ(239, ToModel(0, 0, 255).hue);
    EXPECT_EQ(59, ToModel(255, 255, 0).hue);
    EXPECT_EQ(336, ToModel(255, 0, 100).hue);  // below red wraps by 359
    const Hsv grey = ToModel(90, 90, 90);
    EXPECT_EQ(-1, grey.hue);
    EXPECT_EQ(0, grey.saturation);
    EXPECT_EQ(90, grey.value);
    EXPECT_EQ(255 * 150 / 200, ToModel(200, 50, 50).saturation);
}

TEST(ColorModel, BackConversionBySectorsOf59)
{
    const Rgb red = FromModel(0, 255, 255);
    EXPECT_EQ(255, red.red);
    EXPECT_EQ(0, red.green);
    EXPECT_EQ(0, red.blue);
    const Rgb grey = FromModel(200, 77, 0);
    EXPECT_EQ(77, grey.red);
    EXPECT_EQ(77, grey.blue);
    // Hue 356 is in sector 6, which is treated like sector 0: red is the largest.
    const Rgb wrapped = FromModel(356, 200, 255);
    EXPECT_EQ(200, wrapped.red);
    EXPECT_EQ(0, wrapped.blue);
}

TEST(Amounts, NormalisationEndsAndTruncation)
{
    EXPECT_EQ(99, NormaliseAmount(200, 200));
    EXPECT_EQ(-99, NormaliseAmount(0, 200));
    EXPECT_EQ(0, NormaliseAmount(127, 255));  // odd range: -99 / 255 truncates to 0
    EXPECT_EQ(200, DenormaliseAmount(99, 200));
    EXPECT_EQ(0, DenormaliseAmount(-99, 200));
    EXPECT_EQ(100, DenormaliseAmount(0, 200));
}

TEST(Amounts, HueShiftOfOneAtNeutral)
{
    EXPECT_EQ(1, HueShift(0));
    EXPECT_EQ(180, HueShift(99));
    EXPECT_EQ(181, HueShift(-99));
    EXPECT_EQ(-1, ShiftHue(-1, 180));
    EXPECT_EQ(1, ShiftHue(358, 2));
}

TEST(CombinedPixel, NeutralAmountsTurnColouredPixelsByOneStepAndKeepGreys)
{
    const Amounts neutral{};
    uint8_t b = 50, g = 50, r = 200;
    AdjustCombinedPixel(neutral, b, g, r);
    EXPECT_EQ(200, r);
    EXPECT_EQ(53, g);
    EXPECT_EQ(50, b);
    uint8_t gb = 100, gg = 100, gr = 100;
    AdjustCombinedPixel(neutral, gb, gg, gr);
    EXPECT_EQ(100, gb);
    EXPECT_EQ(100, gg);
    EXPECT_EQ(100, gr);
}

TEST(SinglePixel, ContrastAtFullAmount)
{
    int b = 127, g = 50, r = 200;
    AdjustSinglePixel(Channel::Contrast, 99, 255, b, g, r);
    EXPECT_EQ(255, r);
    EXPECT_EQ(0, g);
    EXPECT_EQ(127, b);
}

TEST(SinglePixel, PrimaryTouchesOnlyItsChannel)
{
    int b = 10, g = 20, r = 100;
    AdjustSinglePixel(Channel::Red, 50, 255, b, g, r);
    EXPECT_EQ(100 + 100 * 50 / 99, r);
    EXPECT_EQ(20, g);
    EXPECT_EQ(10, b);
    int fb = 10, fg = 20, fr = 30;
    AdjustSinglePixel(Channel::Red, 99, 31, fb, fg, fr);
    EXPECT_EQ(31, fr);  // limited to five bits
}

TEST(FastAdjuster, ReciprocalDivisionIsExact)
{
    for (uint32_t d = 1; d < 256; ++d)
        for (uint32_t n = 0; n < 65536; ++n)
            ASSERT_EQ(n / d, DivideSmall(n, d)) << n << " / " << d;
}

// Colours first, first + stride, ... through the adjuster in rows of
// varying length (whole vector blocks and the pixels after them), each
// pixel against the plain rule.
void ExpectSameAsPlainRule(const Amounts& amounts, uint32_t first, uint32_t count, uint32_t stride)
{
    const FastAdjuster fast(amounts);
    std::vector<uint8_t> row;
    for (uint32_t start = 0, length = 1; start < count; start += length, length = length % 1031 + 7) {
        const uint32_t pixels = std::min(length, count - start);
        row.resize(size_t(pixels) * 3);
        for (uint32_t i = 0; i < pixels; ++i) {
            const uint32_t colour = (first + (start + i) * stride) & 0xFFFFFF;
            row[3 * i] = uint8_t(colour), row[3 * i + 1] = uint8_t(colour >> 8), row[3 * i + 2] = uint8_t(colour >> 16);
        }
        const std::vector<uint8_t> original = row;
        fast.AdjustRow(row.data(), row.data(), int(pixels), 3);
        for (uint32_t i = 0; i < pixels; ++i) {
            uint8_t b = original[3 * i], g = original[3 * i + 1], r = original[3 * i + 2];
            AdjustCombinedPixel(amounts, b, g, r);
            ASSERT_TRUE(row[3 * i] == b && row[3 * i + 1] == g && row[3 * i + 2] == r)
                << "colour " << std::hex << (first + (start + i) * stride) % 0x1000000 << std::dec << " amounts "
                << amounts.value[0] << ' ' << amounts.value[3] << ' ' << amounts.value[4] << ' ' << amounts.value[5]
                << ' ' << amounts.value[6];
        }
    }
}

TEST(FastAdjuster, EveryColourMatchesThePlainRule)
{
    ExpectSameAsPlainRule(Amounts{}, 0, 1u << 24, 1);
    ExpectSameAsPlainRule(Amounts{{-40, 17, 99, -63, 25, -99, 71}}, 0, 1u << 24, 1);
}

TEST(FastAdjuster, RandomAmountsAndColoursMatchThePlainRule)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> amount(-99, 99);
    for (int set = 0; set < 400; ++set) {
        Amounts amounts;
        for (int& a : amounts.value)
            a = amount(random);
        // With and without the vector blocks.
        EnableVectorRows(set % 2 == 0);
        ExpectSameAsPlainRule(amounts, random(), 5000, 2654435761u);
    }
    EnableVectorRows(true);
    // The amounts the preview can reach on OK: base + MulDiv(base, p, 99) + p.
    ExpectSameAsPlainRule(Amounts{{297, -297, 150, 297, -297, 297, -200}}, 1, 200000, 83);
    ExpectSameAsPlainRule(Amounts{{0, 0, 0, -297, 297, -150, 297}}, 5, 200000, 83);
}

TEST(FastAdjuster, FourBytePixelsKeepTheirFourthByte)
{
    uint8_t row[8] = {10, 20, 30, 0xAB, 40, 50, 60, 0xCD};
    const Amounts amounts{{0, 0, 0, 50, 0, 0, 0}};
    FastAdjuster(amounts).AdjustRow(row, row, 2, 4);
    EXPECT_EQ(0xAB, row[3]);
    EXPECT_EQ(0xCD, row[7]);
}

}  // namespace
}  // namespace htfx
