// The printed picture's rectangle on the page.
#include "print_page.h"
#include <gtest/gtest.h>

TEST(PrintPage, ThePictureSpansThePageWidthInTheClientAreasProportions)
{
    PrintPageRect r;
    ASSERT_TRUE(ComputePrintPageRect(320, 240, 2329, r));
    EXPECT_EQ(0, r.left);
    EXPECT_EQ(0, r.top);
    EXPECT_EQ(2329, r.width);
    EXPECT_EQ(1746, r.height);  // 1746.75 truncated
    ASSERT_TRUE(ComputePrintPageRect(488, 285, 4800, r));
    EXPECT_EQ(2803, r.height);  // 2803.27...
    // A tall client area goes past the page's height, as the rule says.
    ASSERT_TRUE(ComputePrintPageRect(100, 400, 2000, r));
    EXPECT_EQ(8000, r.height);
    // No overflow on large sizes.
    ASSERT_TRUE(ComputePrintPageRect(3, 30000, 100000, r));
    EXPECT_EQ(1000000000, r.height);
}

TEST(PrintPage, AnEmptyClientAreaPrintsNothing)
{
    PrintPageRect r;
    EXPECT_FALSE(ComputePrintPageRect(0, 240, 2329, r));
    EXPECT_FALSE(ComputePrintPageRect(320, 0, 2329, r));
    EXPECT_FALSE(ComputePrintPageRect(-5, 240, 2329, r));
    EXPECT_FALSE(ComputePrintPageRect(320, 240, 0, r));
    // Too flat to leave one printer row.
    EXPECT_FALSE(ComputePrintPageRect(5000, 1, 100, r));
    EXPECT_EQ(0, r.width);
}
