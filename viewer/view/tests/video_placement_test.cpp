// Placement arithmetic and the zoom / fit transitions of the view.
#include "display_modes.h"
#include "video_placement.h"

#include <gtest/gtest.h>

namespace {

PlacementInput Client(int w, int h)
{
    PlacementInput in;
    in.clientW = w;
    in.clientH = h;
    in.screenW = 1024;
    in.screenH = 768;
    return in;
}

TEST(VideoPlacement, FitShowsTheClientAreaWithoutScrollBars)
{
    Placement p = ComputePlacement(PlaceMode::Refit, Client(500, 380));
    ASSERT_EQ(PlacementAction::Place, p.action);
    EXPECT_EQ((VideoRect{0, 0, 500, 380}), p.frame);
    EXPECT_EQ((VideoRect{0, 0, 500, 380}), p.source);
    EXPECT_EQ(500, p.totalW);
    EXPECT_EQ(380, p.totalH);
}

TEST(VideoPlacement, FullScreenFitsTheScreenEvenWithASmallerClient)
{
    PlacementInput in = Client(1000, 700);
    in.fullScreen = true;
    Placement p = ComputePlacement(PlaceMode::FitChange, in);
    EXPECT_EQ((VideoRect{0, 0, 1024, 768}), p.frame);
    EXPECT_EQ((VideoRect{0, 0, 1024, 768}), p.source);
}

TEST(VideoPlacement, NonFitPansOverTheZoomedScreen)
{
    PlacementInput in = Client(400, 300);
    in.nonFit = true;
    in.zoom = 2;
    in.scrollX = 100;
    in.scrollY = 60;
    Placement p = ComputePlacement(PlaceMode::Refit, in);
    EXPECT_EQ((VideoRect{0, 0, 1024, 768}), p.frame);
    EXPECT_EQ((VideoRect{50, 30, 200, 150}), p.source);
    EXPECT_EQ(2048, p.totalW);
    EXPECT_EQ(1536, p.totalH);
    EXPECT_EQ(100, p.scrollX);
}

TEST(VideoPlacement, ScrollPositionIsBroughtInsideTheNewRange)
{
    PlacementInput in = Client(400, 300);
    in.nonFit = true;
    in.scrollX = 5000;  // beyond 1024 - 400
    in.scrollY = 700;   // beyond 768 - 300
    Placement p = ComputePlacement(PlaceMode::Refit, in);
    EXPECT_EQ(624, p.scrollX);
    EXPECT_EQ(468, p.scrollY);
    EXPECT_EQ(624, p.source.x);
    EXPECT_EQ(468, p.source.y);
}

TEST(VideoPlacement, ClientWiderThanTheScreenNeverGivesANegativeOrigin)
{
    PlacementInput in = Client(1200, 900);
    in.nonFit = true;
    in.scrollX = 10;
    Placement p = ComputePlacement(PlaceMode::Refit, in);
    EXPECT_EQ(0, p.source.x);
    EXPECT_EQ(0, p.source.y);
    EXPECT_EQ(0, p.scrollX);
}

TEST(VideoPlacement, ZoomedModeForcesPanning)
{
    PlacementInput in = Client(320, 240);
    in.zoom = 4;
    Placement p = ComputePlacement(PlaceMode::Zoomed, in);
    EXPECT_TRUE(p.nonFit);
    EXPECT_EQ((VideoRect{0, 0, 80, 60}), p.source);
    EXPECT_EQ(4096, p.totalW);
}

TEST(VideoPlacement, NothingIsSentForAnEmptyClientPrintingOrWhileExported)
{
    EXPECT_EQ(PlacementAction::None, ComputePlacement(PlaceMode::Refit, Client(0, 0)).action);
    EXPECT_EQ(PlacementAction::None, ComputePlacement(PlaceMode::Refit, Client(100, 0)).action);
    PlacementInput printing = Client(100, 100);
    printing.printing = true;
    EXPECT_EQ(PlacementAction::None, ComputePlacement(PlaceMode::Refit, printing).action);
    PlacementInput exported = Client(100, 100);
    exported.exported = true;
    for (PlaceMode mode : {PlaceMode::Refit, PlaceMode::FitChange, PlaceMode::Zoomed})
        EXPECT_EQ(PlacementAction::None, ComputePlacement(mode, exported).action);
    EXPECT_EQ(PlacementAction::Exported, ComputePlacement(PlaceMode::Exported, exported).action);
}

TEST(DisplayModes, ZoomFromFitReturnsToFit)
{
    CDisplayModes modes;
    CDisplayModes::Step in = modes.ZoomIn(true);
    EXPECT_TRUE(in.resizeFrame);
    EXPECT_EQ(PlaceMode::Zoomed, in.mode);
    EXPECT_EQ(2, modes.zoom());
    EXPECT_TRUE(modes.nonFit());
    EXPECT_FALSE(modes.CanToggleNonFit());
    CDisplayModes::Step out = modes.ZoomOut(true);
    EXPECT_EQ(1, modes.zoom());
    EXPECT_FALSE(modes.nonFit());
    EXPECT_TRUE(out.resizeFrame);
    EXPECT_EQ(PlaceMode::FitChange, out.mode);
}

TEST(DisplayModes, ZoomFromNonFitStaysPanned)
{
    CDisplayModes modes;
    modes.ToggleNonFit();
    CDisplayModes::Step in = modes.ZoomIn(true);
    EXPECT_FALSE(in.resizeFrame);
    CDisplayModes::Step out = modes.ZoomOut(true);
    EXPECT_TRUE(modes.nonFit());
    EXPECT_FALSE(out.resizeFrame);
    EXPECT_EQ(PlaceMode::Zoomed, out.mode);
}

TEST(DisplayModes, ZoomOffFromFourReturnsInOneStep)
{
    CDisplayModes modes;
    modes.ZoomIn(false);
    modes.ZoomIn(false);
    EXPECT_EQ(4, modes.zoom());
    EXPECT_FALSE(modes.CanZoomIn());
    EXPECT_FALSE(modes.ZoomIn(false).place);
    EXPECT_EQ(4, modes.zoom());
    CDisplayModes::Step off = modes.ZoomOff();
    EXPECT_EQ(1, modes.zoom());
    EXPECT_FALSE(modes.nonFit());
    EXPECT_EQ(PlaceMode::Refit, off.mode);
    EXPECT_FALSE(modes.CanZoomOut());
    EXPECT_FALSE(modes.ZoomOut(false).place);
    EXPECT_EQ(1, modes.zoom());
}

TEST(DisplayModes, ZoomOutFromFourGoesThroughTwo)
{
    CDisplayModes modes;
    modes.ZoomIn(false);
    modes.ZoomIn(false);
    CDisplayModes::Step out = modes.ZoomOut(true);
    EXPECT_EQ(2, modes.zoom());
    EXPECT_TRUE(modes.nonFit());
    EXPECT_FALSE(out.resizeFrame);
    EXPECT_EQ(PlaceMode::Zoomed, out.mode);
}

}  // namespace
