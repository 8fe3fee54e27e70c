// The setup tool's copy of the layer: its own texts (no quotes, its formats
// from 571 on), the command text in its error box, and no silent paths.
#include "overlay_link.h"
#include "recording_transport.h"
#include "message_box_watcher.h"

#include <gtest/gtest.h>

using namespace overlay;
using kxtest::MessageBoxWatcher;

namespace {

class SetupLayer : public ::testing::Test {
protected:
    void SetUp() override
    {
        link.SetTransport(&driver);
        link.SetDeviceOpen(true);
    }

    RecordingTransport driver;
    COverlayLink link{kSetupDialect, GetModuleHandleA(nullptr)};
};

TEST_F(SetupLayer, UsesItsOwnTextsWithoutQuotes)
{
    link.Send(kVerbLoad, kFmtFile, {"C:\\A B.BMP"});
    link.Send(kVerbSave, kFmtFileType, {"", "Config"});
    link.Send(kVerbSet, kFmtSkewWinX, {12});
    link.Send(kVerbGet, kFmtSkew);
    link.Send(kVerbSet, kFmtDestinationAt, {0, 0, 640, 480});
    link.Send(kVerbSet, kFmtVideoKeyCorrect, {-3});
    const std::vector<std::string> expected = {
        "load VCKX310 C:\\A B.BMP",
        "save VCKX310  type Config",
        "set VCKX310 skew win addr x to 12",
        "get VCKX310 skew",
        "set VCKX310 destination at 0 0 640 480",
        "set VCKX310 video key correct to -3",
    };
    EXPECT_EQ(expected, driver.Texts());
}

TEST_F(SetupLayer, NeverPassesACallbackWindow)
{
    link.SetCallbackWindow(reinterpret_cast<HWND>(uintptr_t{0x1234}));
    link.Send(kVerbSet, kFmtSetupIndicatorSignal, {0xC100u});
    ASSERT_EQ(1u, driver.sent.size());
    EXPECT_EQ("set VCKX310 indicator signal to 49408", driver.sent[0].text);
    EXPECT_EQ(nullptr, driver.sent[0].callback);
}

TEST_F(SetupLayer, ErrorBoxShowsCommandThenDriverText)
{
    driver.error = MCIERR_OUTOFRANGE;
    driver.errorText = "The specified parameter is out of range for the specified command.";
    MessageBoxWatcher boxes;
    EXPECT_EQ(static_cast<MCIERROR>(MCIERR_OUTOFRANGE), link.Send(kVerbSet, kFmtHue, {999}));
    // The report switch and the file-information exception are the viewer's.
    link.ReportErrors(false);
    link.Send(kVerbGet, kFmtFileInfo, {"x.bmp"});
    auto seen = boxes.Seen();
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ("MCI Error", seen[0].caption);
    EXPECT_EQ("set VCKX310 hue to 999\n" + driver.errorText, seen[0].text);
    EXPECT_EQ(std::vector<std::string>{"OK"}, seen[0].buttons);
    EXPECT_FALSE(seen[0].hasIcon);
    EXPECT_EQ("get VCKX310 file info x.bmp\n" + driver.errorText, seen[1].text);
}

TEST_F(SetupLayer, MissingEntryIsAFailureNotSuccess)
{
    EXPECT_NE(0u, link.Send(14, kFmtNone));
    EXPECT_NE(0u, link.Send(kVerbSet, kFmtIndicatorInterval, {100}));  // the viewer's 599 only
    EXPECT_TRUE(driver.sent.empty());
}

TEST_F(SetupLayer, ClosingClearsTheDeviceFlag)
{
    link.Send(kVerbClose, kFmtNone);
    link.SetDeviceOpen(false);
    link.Send(kVerbClose, kFmtNone);
    EXPECT_EQ(std::vector<std::string>{"close VCKX310 "}, driver.Texts());
}

TEST_F(SetupLayer, LongArgumentsAreRefusedWhole)
{
    std::string name(250, 'x');
    MessageBoxWatcher boxes;
    EXPECT_NE(0u, link.Send(kVerbSave, kFmtFileType, {name.c_str(), "bmp"}));
    EXPECT_TRUE(driver.sent.empty());
    EXPECT_EQ(1u, boxes.Seen().size());
}

}  // namespace
