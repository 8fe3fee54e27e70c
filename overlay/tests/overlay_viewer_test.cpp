// The viewer's command layer, with its own string table: the exact command
// texts, the "MCI Error" box rules, the switches, and the limits.
#include "overlay_viewer.h"
#include "recording_transport.h"
#include "message_box_watcher.h"

#include <gtest/gtest.h>

#include <string>

using namespace overlay;
using kxtest::MessageBoxWatcher;

namespace {

class ViewerLayer : public ::testing::Test {
protected:
    void SetUp() override
    {
        ViewerOverlayLink().SetTransport(&driver);
        SetOverlayDeviceOpen();
        ShowOverlayErrors(true);
    }
    void TearDown() override { ViewerOverlayLink().SetTransport(nullptr); }

    RecordingTransport driver;
};

TEST(ViewerLayerClosed, SendsNothingUntilTheDeviceIsOpen)
{
    RecordingTransport driver;
    COverlayLink link(kViewerDialect, GetModuleHandleA(nullptr));
    link.SetTransport(&driver);
    driver.error = MCIERR_INVALID_DEVICE_NAME;

    MessageBoxWatcher boxes;
    EXPECT_EQ(0u, link.Send(kVerbClose, kFmtNone));
    EXPECT_EQ(0u, link.Send(kVerbSet, kFmtCardType, {3}));
    EXPECT_EQ(0u, link.Send(kVerbLoad, kFmtFile, {"C:\\A.BMP"}));
    EXPECT_TRUE(driver.sent.empty());
    EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(ViewerLayer, AssemblesVerbAliasAndArguments)
{
    auto* window = reinterpret_cast<HWND>(uintptr_t{4660});
    EXPECT_EQ(0u, SendOverlayCommand(kVerbClose, kFmtNone));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbSet, kFmtCardType, 3));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbWindow, kFmtHandle, window));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbPut, kFmtFrameAtDeferred, 0, 0, 640, 480));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbSet, kFmtVideoKeyColor, static_cast<unsigned long>(RGB(255, 0, 255))));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbSet, kFmtChromaKey, -1, 0, 0, 0));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbGet, kFmtYuvFrom, 10, 20));
    EXPECT_EQ(0u, SendOverlayCommand(kVerbSet, kFmtMemoryFormatYuv));

    const std::vector<std::string> expected = {
        "close VCKX310 ",
        "set VCKX310 card type to 3",
        "window VCKX310 handle 4660",
        "put VCKX310 frame at 0 0 640 480 deferred",
        "set VCKX310 video key color to 16711935",
        "set VCKX310 chroma key to -1 0 0 0",
        "get VCKX310 yuv from 10 20 0 0",
        "set VCKX310 memory buffer format to yuv",
    };
    EXPECT_EQ(expected, driver.Texts());
    for (const SentCommand& c : driver.sent) {
        EXPECT_EQ(kReplySize, c.replyLength);
        EXPECT_EQ(nullptr, c.callback);
    }
}

TEST_F(ViewerLayer, QuotesFileNames)
{
    SendOverlayCommand(kVerbLoad, kFmtFile, "C:\\A B.BMP");
    SendOverlayCommand(kVerbSave, kFmtFileTypeAt, "C:\\My Pictures\\x.tif", "TIFF 24-bit lzw tiffopt 2", 0, 0, 320, 240);
    SendOverlayCommand(kVerbGet, kFmtFileInfo, "D:\\a b\\c.pcx");
    SendOverlayCommand(kVerbLoad, kFmtFileAt, "x.bmp", 1, 2, 3, 4);
    const std::vector<std::string> expected = {
        "load VCKX310 \"C:\\A B.BMP\"",
        "save VCKX310 \"C:\\My Pictures\\x.tif\" type TIFF 24-bit lzw tiffopt 2 at 0 0 320 240",
        "get VCKX310 file info \"D:\\a b\\c.pcx\"",
        "load VCKX310 \"x.bmp\" at 1 2 3 4",
    };
    EXPECT_EQ(expected, driver.Texts());
}

TEST_F(ViewerLayer, BufferAddressesGoOutAsUnsignedNumbers)
{
    void* buffer = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ASSERT_NE(nullptr, buffer);
    ASSERT_LE(reinterpret_cast<uintptr_t>(buffer), 0xFFFFFFFFu) << "Wine gives low addresses here";
    SendOverlayCommand(kVerbSave, kFmtMemoryBufferTypeAtAddress, "bmp", 0, 0, 8, 8, buffer);
    VirtualFree(buffer, 0, MEM_RELEASE);
    ASSERT_EQ(1u, driver.sent.size());
    EXPECT_EQ("save VCKX310 memory buffer type bmp at 0 0 8 8 address " +
                  std::to_string(reinterpret_cast<uintptr_t>(buffer)),
              driver.sent[0].text);
}

TEST_F(ViewerLayer, DriverErrorShowsItsTextAloneInAPlainBox)
{
    HWND owner = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    SetActiveWindow(owner);
    driver.error = MCIERR_UNSUPPORTED_FUNCTION;
    driver.errorText = "The specified device does not support this command.";

    MessageBoxWatcher boxes;
    EXPECT_EQ(static_cast<MCIERROR>(MCIERR_UNSUPPORTED_FUNCTION), SendOverlayCommand(kVerbFreeze, kFmtNone));
    auto seen = boxes.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("MCI Error", seen[0].caption);
    EXPECT_EQ(driver.errorText, seen[0].text);
    EXPECT_EQ(std::vector<std::string>{"OK"}, seen[0].buttons);
    EXPECT_FALSE(seen[0].hasIcon);
    EXPECT_EQ(GetActiveWindow() == owner ? owner : seen[0].owner, seen[0].owner);
    DestroyWindow(owner);
}

TEST_F(ViewerLayer, FileInformationQueryFailsSilently)
{
    driver.error = MCIERR_FILE_NOT_FOUND;
    MessageBoxWatcher boxes;
    EXPECT_EQ(static_cast<MCIERROR>(MCIERR_FILE_NOT_FOUND), SendOverlayCommand(kVerbGet, kFmtFileInfo, "C:\\none.xyz"));
    EXPECT_EQ(1u, driver.sent.size());
    // The same failure of another command is reported.
    SendOverlayCommand(kVerbLoad, kFmtFile, "C:\\none.xyz");
    EXPECT_EQ(1u, boxes.Seen().size());
}

TEST_F(ViewerLayer, ReportSwitchSilencesBoxesAndReturnsPreviousState)
{
    driver.error = MCIERR_HARDWARE;
    MessageBoxWatcher boxes;
    EXPECT_TRUE(ShowOverlayErrors(false));
    EXPECT_EQ(static_cast<MCIERROR>(MCIERR_HARDWARE), SendOverlayCommand(kVerbUnfreeze, kFmtNone));
    EXPECT_TRUE(boxes.Seen().empty());
    EXPECT_FALSE(ShowOverlayErrors(true));
    SendOverlayCommand(kVerbUnfreeze, kFmtNone);
    EXPECT_EQ(1u, boxes.Seen().size());
    EXPECT_TRUE(ShowOverlayErrors(true));
}

TEST_F(ViewerLayer, IndicatorSignalNamesTheCallbackWindowForOneCommand)
{
    HWND window = CreateWindowA("STATIC", "status", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    UINT message = RegisterWindowMessageA("MSGIndicatorSignal");
    SetIndicatorSignal(message, window);
    SendOverlayCommand(kVerbFreeze, kFmtNone);
    ASSERT_EQ(3u, driver.sent.size());
    EXPECT_EQ("set VCKX310 indicator signal to " + std::to_string(message), driver.sent[0].text);
    EXPECT_EQ(window, driver.sent[0].callback);
    EXPECT_EQ("set VCKX310 indicator interval to 100", driver.sent[1].text);
    EXPECT_EQ(nullptr, driver.sent[1].callback);
    EXPECT_EQ(nullptr, driver.sent[2].callback);
    DestroyWindow(window);
}

TEST_F(ViewerLayer, MissingEntriesSendNothingAndReturnOne)
{
    MessageBoxWatcher boxes;
    EXPECT_EQ(1u, SendOverlayCommand(14, kFmtNone));          // entry 514 does not exist
    EXPECT_EQ(1u, SendOverlayCommand(kVerbSet, 42, 1));       // nor does 542
    EXPECT_EQ(1u, SendOverlayCommand(kVerbSet, 72, 1));       // 572 is the setup tool's only
    EXPECT_TRUE(driver.sent.empty());
    EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(ViewerLayer, CommandOfExactlyTheLimitIsSentOneMoreIsNot)
{
    // "load VCKX310 " + quotes: 15 characters around the name; 255 + terminator fit.
    std::string name(255 - 15, 'n');
    EXPECT_EQ(0u, SendOverlayCommand(kVerbLoad, kFmtFile, name.c_str()));
    ASSERT_EQ(1u, driver.sent.size());
    EXPECT_EQ(255u, driver.sent[0].text.size());

    MessageBoxWatcher boxes;
    std::string longer = name + "n";
    EXPECT_NE(0u, SendOverlayCommand(kVerbLoad, kFmtFile, longer.c_str()));
    EXPECT_EQ(1u, driver.sent.size()) << "a command that does not fit is not sent";
    EXPECT_EQ(1u, boxes.Seen().size()) << "and the user is told";

    // Silent with reports off, but still refused.
    ShowOverlayErrors(false);
    EXPECT_NE(0u, SendOverlayCommand(kVerbSave, kFmtFileTypeAt, longer.c_str(), "bmp", 0, 0, 1, 1));
    EXPECT_EQ(1u, driver.sent.size());
    EXPECT_EQ(1u, boxes.Seen().size());
}

TEST_F(ViewerLayer, ValuesThatDoNotMatchTheFormatAreNotSent)
{
    ShowOverlayErrors(false);
    EXPECT_NE(0u, SendOverlayCommand(kVerbSet, kFmtHue, "ten"));
    EXPECT_NE(0u, SendOverlayCommand(kVerbPut, kFmtFrameAtDeferred, 1, 2, 3));
    EXPECT_NE(0u, SendOverlayCommand(kVerbSet, kFmtHue, 1, 2));
    if (sizeof(void*) > 4) {
        auto* high = reinterpret_cast<void*>(static_cast<uintptr_t>(0x140001000ull));
        EXPECT_EQ(static_cast<MCIERROR>(MCIERR_OUTOFRANGE),
                  SendOverlayCommand(kVerbLoad, kFmtMemoryBufferAtAddress, 0, 0, 1, 1, high));
    }
    EXPECT_TRUE(driver.sent.empty());
}

TEST_F(ViewerLayer, ReplyIsCutToTheReturnBuffer)
{
    driver.reply = std::string(300, '7');
    SendOverlayCommand(kVerbGet, kFmtDisplay);
    EXPECT_EQ(std::string(255, '7'), OverlayReply());
    driver.reply = "10 20 30";
    SendOverlayCommand(kVerbGet, kFmtPixelRgbAt, 5, 6);
    EXPECT_STREQ("10 20 30", OverlayReply());
}

}  // namespace
