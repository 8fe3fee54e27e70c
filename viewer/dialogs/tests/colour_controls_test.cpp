// The Color Settings dialog's table and the reading of the driver's replies.
#include "colour_controls.h"

#include "overlay_vocabulary.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

class ColourControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (ColourControlRow* row = ColourControls(); row->bar; ++row) {
            row->opening = -7;
            row->minimum = -1;
            row->maximum = -1;
            row->page = -1;
        }
    }
    ColourControlRow& Row(ColourControl c) { return ColourControls()[c]; }
};

TEST_F(ColourControlsTest, TableIsHueBrightnessSaturationContrastEndedByAZeroBar)
{
    const ColourControlRow* rows = ColourControls();
    const int bars[] = {IDC_COLOR_HUE, IDC_COLOR_BRIGHTNESS, IDC_COLOR_SATURATION, IDC_COLOR_CONTRAST};
    const unsigned sets[] = {overlay::kFmtHue, overlay::kFmtBrightness, overlay::kFmtSaturation,
                             overlay::kFmtContrast};
    const unsigned limits[] = {overlay::kFmtLimitHue, overlay::kFmtLimitBrightness, overlay::kFmtLimitSaturation,
                               overlay::kFmtLimitContrast};
    for (int i = 0; i < kColourControlCount; ++i) {
        EXPECT_EQ(bars[i], rows[i].bar);
        EXPECT_EQ(bars[i] + 4, rows[i].valueText);
        EXPECT_EQ(sets[i] + overlay::kVocabularyBase, 533u + i);
        EXPECT_EQ(sets[i], rows[i].setCommand);
        EXPECT_EQ(limits[i], rows[i].limitQuery);
    }
    EXPECT_EQ(0, rows[kColourControlCount].bar);
}

TEST_F(ColourControlsTest, DisplayReplyIsBrightnessSaturationContrastHue)
{
    ASSERT_TRUE(ReadDisplayReply("10 20 30 40", ColourControls()));
    EXPECT_EQ(40, Row(kControlHue).opening);
    EXPECT_EQ(10, Row(kControlBrightness).opening);
    EXPECT_EQ(20, Row(kControlSaturation).opening);
    EXPECT_EQ(30, Row(kControlContrast).opening);
}

TEST_F(ColourControlsTest, DisplayReplyWithoutFourIntegersChangesNothing)
{
    for (const char* reply : {"", "10 20 30", "0 255", "10 20 x 40", "10 20 30 99999999999", "no device"}) {
        EXPECT_FALSE(ReadDisplayReply(reply, ColourControls())) << reply;
        for (int i = 0; i < kColourControlCount; ++i)
            EXPECT_EQ(-7, ColourControls()[i].opening) << reply;
    }
    EXPECT_FALSE(ReadDisplayReply(nullptr, ColourControls()));
}

TEST_F(ColourControlsTest, PageStepIsAnEighthOfTheRangeTruncated)
{
    struct Case {
        const char* reply;
        int minimum, maximum, page;
    } cases[] = {{"0 255", 0, 255, 32}, {"0 127", 0, 127, 16}, {"0 15", 0, 15, 2},
                 {"0 0", 0, 0, 0},      {"-8 6", -8, 6, 0},    {"-20 -3", -20, -3, 0}};
    for (const Case& c : cases) {
        ColourControlRow& row = Row(kControlHue);
        ASSERT_TRUE(ReadLimitReply(c.reply, row)) << c.reply;
        EXPECT_EQ(c.minimum, row.minimum) << c.reply;
        EXPECT_EQ(c.maximum, row.maximum) << c.reply;
        EXPECT_EQ(c.page, row.page) << c.reply;
    }
    EXPECT_EQ(268435456, ColourPageStep(2147483647));  // no overflow at the top
}

TEST_F(ColourControlsTest, LimitReplyThatIsNotARangeKeepsTheRow)
{
    ColourControlRow& row = Row(kControlContrast);
    ASSERT_TRUE(ReadLimitReply("0 63", row));
    for (const char* reply : {"", "255", "255 0", "a b", "0 x"}) {
        EXPECT_FALSE(ReadLimitReply(reply, row)) << reply;
        EXPECT_EQ(0, row.minimum) << reply;
        EXPECT_EQ(63, row.maximum) << reply;
        EXPECT_EQ(8, row.page) << reply;
    }
}

}  // namespace
