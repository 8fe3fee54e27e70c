// The main frame's size rules: the full-screen rectangle, the 4:3 video
// area while dragging, the tracking limits, and fitting to a picture.
#include "frame_geometry.h"
#include <gtest/gtest.h>

namespace {

FrameMetrics Metrics()
{
    FrameMetrics m;
    m.frameW = 4, m.frameH = 4, m.edgeW = 2, m.edgeH = 2, m.captionH = 18, m.menuH = 19;
    m.screenW = 1024, m.screenH = 768;
    return m;
}

TEST(FrameGeometryTest, FullScreenPutsOnlyTheClientAreaOnTheScreen)
{
    const FrameMetrics m = Metrics();
    WindowBox box = FullScreenBox(m);
    EXPECT_EQ(1 - 4 - 2, box.left);
    EXPECT_EQ(-(19 + 18 + 4 + 2), box.top);
    EXPECT_EQ(1024 + 4 + 8 + 2, box.Width());
    EXPECT_EQ(768 + 4 + 8 + 19 + 18 + 2, box.Height());
    // The client area (inside borders, caption and menu) starts at or just
    // before the screen's corner and reaches past its far edges.
    const int clientLeft = box.left + m.frameW + m.edgeW;
    const int clientTop = box.top + m.frameH + m.edgeH + m.captionH + m.menuH;
    EXPECT_LE(clientLeft, 1);
    EXPECT_EQ(0, clientTop);
    EXPECT_GE(box.right - m.frameW - m.edgeW, 1024);
    EXPECT_GE(box.bottom - m.frameH - m.edgeH, 768);
}

TEST(FrameGeometryTest, AspectRuleRoundsInSinglePrecision)
{
    const AspectExtra extra{10, 100};
    EXPECT_EQ(10 + 400, WidthFromHeight(100 + 300, extra));
    EXPECT_EQ(100 + 300, HeightFromWidth(10 + 400, extra));
    // 7 x 4/3 = 9.33 rounds down; 8 x 4/3 = 10.67 rounds up; 3 / (4/3) = 2.25.
    EXPECT_EQ(10 + 9, WidthFromHeight(100 + 7, extra));
    EXPECT_EQ(10 + 11, WidthFromHeight(100 + 8, extra));
    EXPECT_EQ(100 + 2, HeightFromWidth(10 + 3, extra));
    // A frame with no video area at all.
    EXPECT_EQ(10, WidthFromHeight(100, extra));
    EXPECT_EQ(100, HeightFromWidth(10, extra));
    // The video area stays 4:3 both ways over a range of sizes.
    for (int h = 0; h < 600; ++h) {
        int w = WidthFromHeight(h + extra.height, extra) - extra.width;
        EXPECT_NEAR(w * 3.0, h * 4.0, 3.0) << h;
    }
}

TEST(FrameGeometryTest, TheDimensionThatChangedMoreLeads)
{
    const AspectExtra extra{16, 90};
    const FrameSize before{16 + 400, 90 + 300};
    // Dragging the bottom edge: the height leads, the width follows.
    FrameSize taller = KeepAspect(FrameSize{before.width, before.height + 60}, before, extra);
    EXPECT_EQ((FrameSize{16 + 480, 90 + 360}), taller);
    // Dragging the right edge: the width leads, the height follows.
    FrameSize wider = KeepAspect(FrameSize{before.width + 80, before.height}, before, extra);
    EXPECT_EQ((FrameSize{16 + 480, 90 + 360}), wider);
    // A corner drag goes by the larger change, shrinking as well.
    FrameSize corner = KeepAspect(FrameSize{before.width - 40, before.height - 90}, before, extra);
    EXPECT_EQ((FrameSize{16 + 280, 90 + 210}), corner);
    EXPECT_EQ(LeadingSide::Width, LeadingDimension(5, -5));
    EXPECT_EQ(LeadingSide::Height, LeadingDimension(-4, 5));
}

TEST(FrameGeometryTest, TrackingLimitsFollowTheRule)
{
    const AspectExtra extra{16, 90};
    TrackingLimits limits = AspectTrackingLimits({{112, 27}, {1036, 800}}, extra);
    EXPECT_EQ(112, limits.minimum.width);
    EXPECT_EQ(90 + 72, limits.minimum.height);  // (112 - 16) / (4/3)
    EXPECT_EQ(800, limits.maximum.height);
    EXPECT_EQ(16 + 947, limits.maximum.width);  // (800 - 90) x 4/3 = 946.67
    // A minimum width inside the extra width still leaves the extra height.
    TrackingLimits narrow = AspectTrackingLimits({{8, 0}, {1036, 800}}, extra);
    EXPECT_EQ(90, narrow.minimum.height);
}

TEST(FrameGeometryTest, FittingCentresKeepsOrMaximises)
{
    FitInput in;
    in.pictureW = 640, in.pictureH = 480;
    in.extra = {16, 90};
    in.workW = 1024, in.workH = 738;
    in.screenW = 1024, in.screenH = 768;
    in.normalLeft = 30, in.normalTop = 40;
    in.frameW = 4, in.frameH = 4;

    FitResult kept = FitToPicture(in);
    EXPECT_FALSE(kept.maximise);
    EXPECT_EQ((WindowBox{30, 40, 30 + 656, 40 + 570}), kept.normal);

    in.centre = true;
    FitResult centred = FitToPicture(in);
    EXPECT_EQ((WindowBox{(1024 - 656) / 2, (768 - 570) / 2, (1024 - 656) / 2 + 656, (768 - 570) / 2 + 570}),
              centred.normal);

    // Taller than the screen but narrower than the work area: centred
    // across, and only the border leaves the screen at the top.
    in.pictureW = 500, in.pictureH = 700;
    FitResult tall = FitToPicture(in);
    EXPECT_FALSE(tall.maximise);
    EXPECT_EQ(-4, tall.normal.top);
    EXPECT_EQ((1024 - 516) / 2, tall.normal.left);
    EXPECT_EQ(790, tall.normal.Height());

    // Reaching the work area both ways: maximise.
    in.pictureW = 1008, in.pictureH = 648;
    EXPECT_TRUE(FitToPicture(in).maximise);
    in.pictureW = 1007;
    EXPECT_FALSE(FitToPicture(in).maximise);
}

}  // namespace
