// The viewer's command layer through winmm's real mciSendStringA to the
// simulated card's driver: what the programs send is accepted, replies come
// back in their layouts, and a driver's failure reaches the user with the
// driver's own text.
#include "message_box_watcher.h"
#include "overlay_viewer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace overlay;
using kxtest::MessageBoxWatcher;

namespace {

std::vector<long> Numbers(const char* reply)
{
    std::vector<long> numbers;
    std::istringstream in(reply);
    long n;
    while (in >> n)
        numbers.push_back(n);
    return numbers;
}

std::string DriverErrorText(MCIERROR error)
{
    char text[256] = {};
    mciGetErrorStringA(error, text, sizeof text);
    return text;
}

std::string LogPath()
{
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + "overlay_driver_test.log";
}

std::string ReadLog()
{
    std::ifstream in(LogPath());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Opens the device the way the viewer's start-up does, for the whole run.
class DriverSession : public ::testing::Environment {
public:
    void SetUp() override
    {
        std::remove(LogPath().c_str());
        SetEnvironmentVariableA("KX310MCI_LOG", LogPath().c_str());
        ASSERT_EQ(0u, mciSendStringA("open overlay alias VCKX310", nullptr, 0, nullptr));
        SetOverlayDeviceOpen();
    }
    void TearDown() override { mciSendStringA("close VCKX310", nullptr, 0, nullptr); }
};

const auto* const kSession = ::testing::AddGlobalTestEnvironment(new DriverSession);

class ViewerOverDriver : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShowOverlayErrors(true);
        window = CreateWindowA("STATIC", "view", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 30, 30, 360, 300, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, window);
    }
    void TearDown() override { DestroyWindow(window); }

    HWND window = nullptr;
};

TEST_F(ViewerOverDriver, ViewStartAndPlacementAreAccepted)
{
    EXPECT_EQ(0u, SendOverlayCommand(kVerbSet, kFmtCardType, 3));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbWindow, kFmtHandle, window));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbSet, kFmtCardType, 3));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbPut, kFmtFrameAtDeferred, 0, 0, 320, 240));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbPut, kFmtSourceAtDeferred, 0, 0, 320, 240));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbPut, kFmtDestination));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbFreeze, kFmtNone));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbUnfreeze, kFmtNone));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbSet, kFmtVideoKeyColor, static_cast<unsigned long>(RGB(255, 0, 255))));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbSet, kFmtSourceNumber, 3));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbSet, kFmtSourceNumber, 0));
}

TEST_F(ViewerOverDriver, RepliesComeBackInTheirLayouts)
{
    ASSERT_EQ(0u, SendOverlayCommand(kVerbGet, kFmtDisplay));
    EXPECT_EQ(4u, Numbers(OverlayReply()).size()) << OverlayReply();

    ASSERT_EQ(0u, SendOverlayCommand(kVerbGet, kFmtLimitHue));
    std::vector<long> limits = Numbers(OverlayReply());
    ASSERT_EQ(2u, limits.size()) << OverlayReply();
    EXPECT_LT(limits[0], limits[1]);

    // A value set within the range is what "display" reports afterwards.
    ASSERT_EQ(0u, SendOverlayCommand(kVerbGet, kFmtLimitBrightness));
    std::vector<long> range = Numbers(OverlayReply());
    ASSERT_EQ(2u, range.size());
    long wanted = (range[0] + range[1]) / 2 + 1;
    ASSERT_EQ(0u, SendOverlayCommand(kVerbSet, kFmtBrightness, static_cast<int>(wanted)));
    ASSERT_EQ(0u, SendOverlayCommand(kVerbGet, kFmtDisplay));
    EXPECT_EQ(wanted, Numbers(OverlayReply()).at(0));

    ASSERT_EQ(0u, SendOverlayCommand(kVerbGet, kFmtPixelRgbAt, 10, 10));
    EXPECT_EQ(3u, Numbers(OverlayReply()).size()) << OverlayReply();
    ASSERT_EQ(0u, SendOverlayCommand(kVerbGet, kFmtYuvFrom, 10, 10));
    EXPECT_EQ(3u, Numbers(OverlayReply()).size()) << OverlayReply();
}

TEST_F(ViewerOverDriver, DriverFailureShowsTheDriversOwnText)
{
    MessageBoxWatcher boxes;
    MCIERROR error = SendOverlayCommand(kVerbLoad, kFmtFile, "C:\\no such folder\\none.bmp");
    ASSERT_NE(0u, error);
    auto seen = boxes.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("MCI Error", seen[0].caption);
    EXPECT_FALSE(DriverErrorText(error).empty()) << "the driver's code must have a text";
    EXPECT_EQ(DriverErrorText(error), seen[0].text);
}

TEST_F(ViewerOverDriver, FileInformationProbeIsSilent)
{
    MessageBoxWatcher boxes;
    EXPECT_NE(0u, SendOverlayCommand(kVerbGet, kFmtFileInfo, "C:\\no such folder\\none.bmp"));
    EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(ViewerOverDriver, FileNamesWithBlanksReachTheDriverWhole)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    std::string path = std::string(folder) + "overlay layer picture.bmp";
    std::remove(path.c_str());
    ASSERT_EQ(0u, SendOverlayCommand(kVerbSave, kFmtFileTypeAt, path.c_str(), "DIB 24-bit", 0, 0, 64, 48));
    ASSERT_EQ(0u, SendOverlayCommand(kVerbGet, kFmtFileInfo, path.c_str()));
    std::vector<long> info = Numbers(OverlayReply());
    ASSERT_EQ(3u, info.size()) << OverlayReply();
    EXPECT_EQ(64, info[1]);
    EXPECT_EQ(48, info[2]);
    EXPECT_EQ(0u, SendOverlayCommand(kVerbLoad, kFmtFileAt, path.c_str(), 0, 0, 64, 48));
    std::remove(path.c_str());
}

TEST_F(ViewerOverDriver, CommandTooLongForTheLayerNeverReachesTheDriver)
{
    std::string name = "C:\\" + std::string(300, 'n') + ".bmp";
    ASSERT_EQ(0u, SendOverlayCommand(kVerbUnfreeze, kFmtNone));
    ShowOverlayErrors(false);
    EXPECT_NE(0u, SendOverlayCommand(kVerbLoad, kFmtFile, name.c_str()));
    EXPECT_EQ(std::string::npos, ReadLog().find("nnnnnnnnnn")) << "nothing of it was sent";
    EXPECT_NE(std::string::npos, ReadLog().find("unfreeze")) << "the log records what was sent";
}

}  // namespace
