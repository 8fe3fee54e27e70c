// The rubber band's rectangle, the working rectangle and Paste's rule.
#include "region_rules.h"

#include <gtest/gtest.h>

namespace {
const ViewRect kClient{0, 0, 400, 300};
}

TEST(RegionRulesTest, BandsAreNormalisedAndClippedToTheClientArea)
{
    EXPECT_EQ((ViewRect{10, 20, 110, 80}), BandRect(10, 20, 110, 80, kClient));
    // Dragged up and left from the anchor.
    EXPECT_EQ((ViewRect{10, 20, 110, 80}), BandRect(110, 80, 10, 20, kClient));
    // Past each edge: clipped to it, keeping the extent along the edge.
    EXPECT_EQ((ViewRect{0, 20, 110, 80}), BandRect(110, 20, -50, 80, kClient));
    EXPECT_EQ((ViewRect{10, 0, 110, 80}), BandRect(10, 80, 110, -9, kClient));
    EXPECT_EQ((ViewRect{10, 20, 400, 80}), BandRect(10, 20, 999, 80, kClient));
    EXPECT_EQ((ViewRect{10, 20, 110, 300}), BandRect(10, 20, 110, 301, kClient));
    EXPECT_EQ((ViewRect{0, 0, 400, 300}), BandRect(-5, -5, 405, 305, kClient));
    // A click without a drag: an empty band at the point.
    EXPECT_TRUE(BandRect(50, 60, 50, 60, kClient).Empty());
}

TEST(RegionRulesTest, TheWorkingRectangleIsTheSelectionOrTheWholeClientArea)
{
    EXPECT_EQ(kClient, WorkingRect(ViewRect{}, kClient));
    EXPECT_EQ(kClient, WorkingRect(ViewRect{30, 30, 30, 90}, kClient));   // no width: no selection
    EXPECT_EQ((ViewRect{5, 6, 7, 8}), WorkingRect(ViewRect{5, 6, 7, 8}, kClient));
}

TEST(RegionRulesTest, PasteTakesADibOrABitmapOfMoreThanOneBit)
{
    EXPECT_FALSE(PasteAvailable({}));
    EXPECT_TRUE(PasteAvailable({true, false, 0, 0}));
    EXPECT_FALSE(PasteAvailable({false, true, 1, 1}));   // monochrome
    EXPECT_TRUE(PasteAvailable({false, true, 1, 4}));
    EXPECT_TRUE(PasteAvailable({false, true, 4, 1}));    // four planes of one bit
    EXPECT_TRUE(PasteAvailable({false, true, 1, 24}));
    // The DIB the platform makes from a monochrome bitmap does not count;
    // a bitmap that could not be looked at leaves the DIB to decide.
    EXPECT_FALSE(PasteAvailable({true, true, 1, 1}));
    EXPECT_TRUE(PasteAvailable({true, true, 0, 0}));
    EXPECT_FALSE(PasteAvailable({false, true, 0, 0}));
}

TEST(RegionRulesTest, InsideMeansTheOverlapIsTheWholeInnerRectangle)
{
    EXPECT_TRUE(LiesInside(ViewRect{10, 10, 50, 50}, ViewRect{10, 10, 50, 50}));
    EXPECT_FALSE(LiesInside(ViewRect{10, 10, 51, 50}, ViewRect{10, 10, 50, 50}));
    EXPECT_FALSE(LiesInside(ViewRect{60, 60, 70, 70}, ViewRect{10, 10, 50, 50}));
    EXPECT_TRUE(Intersection(ViewRect{0, 0, 10, 10}, ViewRect{10, 0, 20, 10}).Empty());
}
