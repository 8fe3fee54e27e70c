// The saved window rectangle: four integers or the centred default.
#include "window_placement.h"
#include <gtest/gtest.h>

TEST(WindowPlacement, FourNumbersGiveTheSavedRectangle)
{
    WindowBox box = WindowPlacementFromText("10 20 530 400", 1024, 768);
    EXPECT_EQ((WindowBox{10, 20, 530, 400}), box);
    EXPECT_EQ(520, box.Width());
    EXPECT_EQ(380, box.Height());
    // Negative positions (a window partly off the left or top edge) stay.
    EXPECT_EQ((WindowBox{-4, -4, 1028, 772}), WindowPlacementFromText("-4 -4 1028 772", 1024, 768));
}

TEST(WindowPlacement, AnythingButFourNumbersGivesTheCentredDefault)
{
    const WindowBox centred{262, 194, 762, 574};
    EXPECT_EQ(centred, DefaultWindowPlacement(1024, 768));
    for (const char* text : {"", "10 20", "10 20 530", "ten 20 530 400", "10,20,530,400"})
        EXPECT_EQ(centred, WindowPlacementFromText(text, 1024, 768)) << '"' << text << '"';
    EXPECT_EQ((WindowBox{70, 50, 570, 430}), DefaultWindowPlacement(640, 480));
}

TEST(WindowPlacement, WrittenTextReadsBack)
{
    for (WindowBox box : {WindowBox{0, 0, 500, 380}, WindowBox{-8, -30, 1032, 776}, WindowBox{123, 45, 678, 901}}) {
        std::string text = FormatWindowPlacement(box);
        auto parsed = ParseWindowPlacement(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(box, *parsed);
    }
    EXPECT_EQ("10 20 530 400", FormatWindowPlacement(WindowBox{10, 20, 530, 400}));
}
