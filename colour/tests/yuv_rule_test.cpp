// The YUV rule at known points, and the three places that convert with it
// (effects streams, the card's buffers and keying, the codecs' YUV files)
// giving the rule's values for every one of the 2^24 colours.
#include <gtest/gtest.h>

#include <cstdint>

#include "card/yuv.h"
#include "picture_codecs.h"
#include "yuv.h"
#include "yuv_rule.h"

namespace {

using kx::colour::YuvFromRgb;
using kx::colour::YuvValues;

void ExpectValues(int y, int u, int v, YuvValues c)
{
    EXPECT_EQ(y, c.y);
    EXPECT_EQ(u, c.u);
    EXPECT_EQ(v, c.v);
}

TEST(YuvRule, KnownColoursAndTruncationTowardsZero)
{
    ExpectValues(0, 0, 0, YuvFromRgb(0, 0, 0));
    ExpectValues(254, 0, 0, YuvFromRgb(255, 255, 255));  // the weights sum to 255, not 256
    ExpectValues(28, 127, -19, YuvFromRgb(0, 0, 255));    // -19.87: truncated, not floored
    ExpectValues(75, -42, 127, YuvFromRgb(255, 0, 0));
    ExpectValues(149, -83, -105, YuvFromRgb(0, 255, 0));
    ExpectValues(178, 43, -126, YuvFromRgb(0, 255, 255));  // the lowest V
    ExpectValues(225, -126, 21, YuvFromRgb(255, 255, 0));  // the lowest U
}

TEST(YuvRule, EveryUserGivesTheRulesValuesForEveryColour)
{
    int effects_differences = 0, card_differences = 0, codec_differences = 0;
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b) {
                const YuvValues want = YuvFromRgb(r, g, b);
                const uint8_t bgr[3] = {uint8_t(b), uint8_t(g), uint8_t(r)};
                uint8_t effects[3];
                htfx::RgbToYuv(bgr, effects);
                effects_differences += effects[0] != want.y || int8_t(effects[1]) != want.u ||
                                       int8_t(effects[2]) != want.v;

                const kxcard::Yuv card = kxcard::ToYuv(kxcard::Pixel{bgr[0], bgr[1], bgr[2]});
                card_differences += card.y != want.y || card.u != want.u || card.v != want.v;

                const kx::codecs::Yuv codec = kx::codecs::yuvFromRgb(uint8_t(r), uint8_t(g), uint8_t(b));
                codec_differences += codec[0] != want.y || int8_t(codec[1]) != want.u || int8_t(codec[2]) != want.v;
            }
    EXPECT_EQ(0, effects_differences);
    EXPECT_EQ(0, card_differences);
    EXPECT_EQ(0, codec_differences);
}

}  // namespace
