// Where a settings dialog's bar goes for each scroll notification.
#include "scroll_position.h"

#include <gtest/gtest.h>

namespace {

constexpr ScrollRange kTolerance{0, 255, 16};

TEST(ScrollPosition, LinesAndPagesStopAtTheEnds)
{
    EXPECT_EQ(11, ScrolledPosition(kScrollLineRight, 10, 0, kTolerance));
    EXPECT_EQ(9, ScrolledPosition(kScrollLineLeft, 10, 0, kTolerance));
    EXPECT_EQ(26, ScrolledPosition(kScrollPageRight, 10, 0, kTolerance));
    EXPECT_EQ(0, ScrolledPosition(kScrollPageLeft, 10, 0, kTolerance)) << "a page near the minimum stops there";
    EXPECT_EQ(0, ScrolledPosition(kScrollLineLeft, 0, 0, kTolerance));
    EXPECT_EQ(255, ScrolledPosition(kScrollLineRight, 255, 0, kTolerance));
    EXPECT_EQ(255, ScrolledPosition(kScrollPageRight, 250, 0, kTolerance));
    EXPECT_EQ(5, ScrolledPosition(kScrollPageRight, 5, 0, ScrollRange{0, 255, 0})) << "no page step";
}

TEST(ScrollPosition, ThumbAndEndsAndOtherCodes)
{
    EXPECT_EQ(123, ScrolledPosition(kScrollThumbTrack, 10, 123, kTolerance));
    EXPECT_EQ(77, ScrolledPosition(kScrollThumbPosition, 10, 77, kTolerance));
    EXPECT_EQ(0, ScrolledPosition(kScrollLeft, 100, 0, kTolerance));
    EXPECT_EQ(255, ScrolledPosition(kScrollRight, 100, 0, kTolerance));
    EXPECT_EQ(100, ScrolledPosition(8 /* end of scroll */, 100, 3, kTolerance));
    EXPECT_EQ(40, ScrolledPosition(kScrollLineLeft, 41, 0, ScrollRange{40, 60, 4}));
}

}  // namespace
