// The exact command sequences the view sends for its window, placement and
// display modes.
#include "video_commands.h"

#include "display_modes.h"
#include "overlay_viewer.h"
#include "recording_transport.h"

#include <gtest/gtest.h>

namespace {

class ViewSequences : public ::testing::Test {
protected:
    void SetUp() override
    {
        ViewerOverlayLink().SetTransport(&driver);
        SetOverlayDeviceOpen();
    }
    void TearDown() override { ViewerOverlayLink().SetTransport(nullptr); }

    RecordingTransport driver;
};

TEST_F(ViewSequences, CreationNamesTheWindow)
{
    SendViewWindow(reinterpret_cast<HWND>(uintptr_t{0x10072}));
    EXPECT_EQ((std::vector<std::string>{"set VCKX310 card type to 3", "window VCKX310 handle 65650"}),
              driver.Texts());
}

TEST_F(ViewSequences, PlacementSendsFrameSourceThenDestination)
{
    PlacementInput in;
    in.clientW = 400;
    in.clientH = 300;
    in.screenW = 1024;
    in.screenH = 768;
    in.scrollX = 100;
    in.scrollY = 60;
    in.zoom = 2;
    SendPlacement(ComputePlacement(PlaceMode::Zoomed, in));
    EXPECT_EQ((std::vector<std::string>{
                  "set VCKX310 card type to 3",
                  "put VCKX310 frame at 0 0 1024 768 deferred",
                  "put VCKX310 source at 50 30 200 150 deferred",
                  "put VCKX310 destination",
              }),
              driver.Texts());
}

TEST_F(ViewSequences, ExportedPlacementOnlyMovesTheDestination)
{
    PlacementInput in;
    in.clientW = 400;
    in.clientH = 300;
    in.exported = true;
    SendPlacement(ComputePlacement(PlaceMode::Refit, in));
    EXPECT_TRUE(driver.sent.empty()) << "a resize while exported sends nothing";
    SendPlacement(ComputePlacement(PlaceMode::Exported, in));
    EXPECT_EQ((std::vector<std::string>{"set VCKX310 card type to 2", "put VCKX310 destination"}), driver.Texts());
}

TEST_F(ViewSequences, ModeCommands)
{
    SendFreeze(true);
    SendFreeze(false);
    SendInvert(true);
    SendInvert(false);
    SendSourceNumber(3);
    SendKeyColor(RGB(255, 0, 255));
    SendVideoKey(true);
    SendVideoKey(false);
    EXPECT_EQ((std::vector<std::string>{
                  "freeze VCKX310 ",
                  "unfreeze VCKX310 ",
                  "set VCKX310 vertical flip on",
                  "set VCKX310 vertical flip off",
                  "set VCKX310 source number to 3",
                  "set VCKX310 video key color to 16711935",
                  "set VCKX310 video key on",
                  "set VCKX310 video key off",
              }),
              driver.Texts());
}

}  // namespace
