// The main frame's window commands inside the test process, with the
// commands to the driver recorded: full screen in and out, the 4:3 rule
// when a bar comes or goes, the grab and the flips, the merge, dropped
// files and the menu texts they change.
#include "device_open.h"
#include "main_frame.h"
#include "message_box_watcher.h"
#include "real_input.h"
#include "overlay_viewer.h"
#include "scripted_driver.h"
#include "resource.h"
#include "vd_view.h"
#include "viewer_frame_fixture.h"
#include <shlobj.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr char kTestCompanyKey[] = "KX310 Tests\\main frame commands";

class MainFrameCommandsTest : public test_support::ViewerFrameFixture {
protected:
    MainFrameCommandsTest() : ViewerFrameFixture(kTestCompanyKey) {}

    void SetUp() override
    {
        RecordCommands(&driver);
        ViewerFrameFixture::SetUp();
        Profile().WriteText("Settings", "WindowPos", "40 30 560 420");
    }

    void Command(UINT id) { SendMessageA(frameWnd_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    CVDView* View() const { return static_cast<CVDView*>(frame_->ActiveView()); }
    RECT WindowBoxOf(HWND w) const
    {
        RECT r{};
        GetWindowRect(w, &r);
        return r;
    }
    std::vector<std::string> SentSince(size_t from) const
    {
        std::vector<std::string> texts = driver.Texts();
        return std::vector<std::string>(texts.begin() + static_cast<long>(std::min(from, texts.size())), texts.end());
    }
    std::string MenuText(UINT id) const
    {
        char text[128] = {};
        GetMenuStringA(GetMenu(frameWnd_), id, text, sizeof text, MF_BYCOMMAND);
        return text;
    }
    UINT MenuState(int popup, UINT id) const
    {
        HMENU menu = GetSubMenu(GetMenu(frameWnd_), popup);
        SendMessageA(frameWnd_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(popup, FALSE));
        return GetMenuState(menu, id, MF_BYCOMMAND);
    }
    // The video area: the view's client rectangle.
    SIZE VideoArea() const
    {
        RECT r = View()->ClientRect();
        return SIZE{r.right, r.bottom};
    }

    // A real drag; a press on the frame's edge starts the sizing loop in
    // this thread, so messages are handled until the drag has ended.
    bool Drag(POINT from, POINT to)
    {
        return kxtest::RunXdotool(kxtest::DragFromTo(from, to), [] { test_support::Pump(5); });
    }

    ScriptedDriver driver;
};

TEST_F(MainFrameCommandsTest, FullScreenCoversTheScreenAndReturnsToTheNormalWindow)
{
    OpenFrame();
    const RECT before = WindowBoxOf(frameWnd_);
    Command(ID_VIEW_FULL_SCREEN);
    test_support::Pump(100);
    ASSERT_TRUE(frame_->IsFullScreen());
    EXPECT_TRUE(IsZoomed(frameWnd_));
    const WindowBox expected = FullScreenBox(SystemFrameMetrics());
    const RECT full = WindowBoxOf(frameWnd_);
    EXPECT_EQ(expected.left, full.left);
    EXPECT_EQ(expected.top, full.top);
    EXPECT_EQ(expected.Width(), full.right - full.left);
    EXPECT_EQ(expected.Height(), full.bottom - full.top);
    // The menu item is checked and the bar toggles wait.
    EXPECT_TRUE(MenuState(2, ID_VIEW_FULL_SCREEN) & MF_CHECKED);
    EXPECT_TRUE(MenuState(2, ID_VIEW_TOOLBAR) & MF_GRAYED);
    EXPECT_TRUE(MenuState(2, ID_VIEW_STATUS_BAR) & MF_GRAYED);
    // The view now places the video over the whole screen.
    EXPECT_TRUE(View()->State().fullScreen);
    const std::string screen =
        std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " " + std::to_string(GetSystemMetrics(SM_CYSCREEN));
    std::vector<std::string> sent = driver.Texts();
    auto frameAt = std::find_if(sent.rbegin(), sent.rend(),
                                [](const std::string& t) { return t.rfind("put VCKX310 frame at", 0) == 0; });
    ASSERT_NE(sent.rend(), frameAt);
    EXPECT_EQ("put VCKX310 frame at 0 0 " + screen + " deferred", *frameAt);

    Command(ID_VIEW_FULL_SCREEN);
    test_support::Pump(100);
    EXPECT_FALSE(frame_->IsFullScreen());
    EXPECT_FALSE(IsZoomed(frameWnd_));
    const RECT after = WindowBoxOf(frameWnd_);
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
    EXPECT_EQ(before.right, after.right);
    EXPECT_EQ(before.bottom, after.bottom);
    EXPECT_FALSE(MenuState(2, ID_VIEW_FULL_SCREEN) & MF_CHECKED);
    EXPECT_FALSE(MenuState(2, ID_VIEW_TOOLBAR) & MF_GRAYED);
}

TEST_F(MainFrameCommandsTest, FullScreenFromMaximisedReturnsMaximisedAndRestoreLeavesIt)
{
    OpenFrame();
    WINDOWPLACEMENT normal{};
    normal.length = sizeof normal;
    GetWindowPlacement(frameWnd_, &normal);
    ShowWindow(frameWnd_, SW_MAXIMIZE);
    test_support::Pump(100);
    const RECT maximised = WindowBoxOf(frameWnd_);

    Command(ID_VIEW_FULL_SCREEN);
    test_support::Pump(100);
    EXPECT_EQ(FullScreenBox(SystemFrameMetrics()).top, WindowBoxOf(frameWnd_).top);
    Command(ID_VIEW_FULL_SCREEN);
    test_support::Pump(100);
    EXPECT_TRUE(IsZoomed(frameWnd_));
    const RECT back = WindowBoxOf(frameWnd_);
    EXPECT_EQ(maximised.top, back.top);
    EXPECT_EQ(maximised.bottom, back.bottom);

    // Restore while full screen: full screen ends first, then the window is
    // restored to its normal rectangle.
    Command(ID_VIEW_FULL_SCREEN);
    test_support::Pump(100);
    ASSERT_TRUE(frame_->IsFullScreen());
    SendMessageA(frameWnd_, WM_SYSCOMMAND, SC_RESTORE, 0);
    test_support::Pump(100);
    EXPECT_FALSE(frame_->IsFullScreen());
    EXPECT_FALSE(IsZoomed(frameWnd_));
    WINDOWPLACEMENT restored{};
    restored.length = sizeof restored;
    GetWindowPlacement(frameWnd_, &restored);
    EXPECT_TRUE(EqualRect(&normal.rcNormalPosition, &restored.rcNormalPosition));
}

// Whether a window was hidden while the object lived, seen by the show
// messages it was sent on this thread.
class HideWatch {
public:
    explicit HideWatch(HWND window)
    {
        window_ = window;
        hidden_ = false;
        hook_ = SetWindowsHookExA(WH_CALLWNDPROC, Proc, nullptr, GetCurrentThreadId());
    }
    ~HideWatch() { UnhookWindowsHookEx(hook_); }
    HideWatch(const HideWatch&) = delete;
    HideWatch& operator=(const HideWatch&) = delete;
    bool Hidden() const { return hidden_; }

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wp, LPARAM lp)
    {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lp);
        if (code == HC_ACTION && call->hwnd == window_ && call->message == WM_SHOWWINDOW && call->wParam == FALSE)
            hidden_ = true;
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    static inline HWND window_ = nullptr;
    static inline bool hidden_ = false;
    HHOOK hook_ = nullptr;
};

// Leaves full screen; true when the frame was hidden on the way.
bool LeaveFullScreen(HWND frame, const std::function<void()>& command)
{
    HideWatch watch(frame);
    command();
    test_support::Pump(100);
    return watch.Hidden();
}

// Minimise while full screen: full screen ends first, then the window is
// minimised, and restoring it brings back the window it was.
TEST_F(MainFrameCommandsTest, MinimiseWhileFullScreenLeavesItFirst)
{
    OpenFrame();
    WINDOWPLACEMENT normal{};
    normal.length = sizeof normal;
    GetWindowPlacement(frameWnd_, &normal);
    Command(ID_VIEW_FULL_SCREEN);
    test_support::Pump(100);
    ASSERT_TRUE(frame_->IsFullScreen());
    SendMessageA(frameWnd_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    test_support::Pump(100);
    EXPECT_FALSE(frame_->IsFullScreen());
    EXPECT_TRUE(IsIconic(frameWnd_));
    EXPECT_FALSE(MenuState(2, ID_VIEW_FULL_SCREEN) & MF_CHECKED);
    SendMessageA(frameWnd_, WM_SYSCOMMAND, SC_RESTORE, 0);
    test_support::Pump(100);
    EXPECT_FALSE(IsIconic(frameWnd_));
    EXPECT_FALSE(IsZoomed(frameWnd_));
    WINDOWPLACEMENT restored{};
    restored.length = sizeof restored;
    GetWindowPlacement(frameWnd_, &restored);
    EXPECT_TRUE(EqualRect(&normal.rcNormalPosition, &restored.rcNormalPosition));
}

// On Windows 4 the grab leaves the driver's indicator alone, and leaving full
// screen goes straight back to the normal window (it is not hidden first).
TEST_F(MainFrameCommandsTest, OnVersion4TheGrabKeepsTheIndicatorAndFullScreenReturnsWithoutHiding)
{
    DeviceOpenEnvironment version4 = SetDeviceOpenEnvironment(DeviceOpenEnvironment{});
    const DeviceOpenEnvironment previous = version4;
    version4.majorVersion = 4;
    SetDeviceOpenEnvironment(version4);
    OpenFrame();
    SIZE video = VideoArea();
    size_t from = driver.sent.size();
    Command(ID_IMAGE_FLIP_VERTICAL);
    std::vector<std::string> sent = SentSince(from);
    const std::string rect = "0 0 " + std::to_string(video.cx) + " " + std::to_string(video.cy);
    ASSERT_EQ(2u, sent.size());
    EXPECT_EQ(0u, sent[0].rfind("save VCKX310 memory buffer type DIB 24-bit at " + rect + " address ", 0)) << sent[0];
    EXPECT_EQ(0u, sent[1].rfind("load VCKX310 memory buffer at " + rect + " address ", 0)) << sent[1];

    const RECT before = WindowBoxOf(frameWnd_);
    Command(ID_VIEW_FULL_SCREEN);
    test_support::Pump(100);
    ASSERT_TRUE(frame_->IsFullScreen());
    const bool hidden = LeaveFullScreen(frameWnd_, [&] { Command(ID_VIEW_FULL_SCREEN); });
    SetDeviceOpenEnvironment(previous);
    EXPECT_FALSE(hidden);
    EXPECT_FALSE(frame_->IsFullScreen());
    const RECT after = WindowBoxOf(frameWnd_);
    EXPECT_TRUE(EqualRect(&before, &after));
}

// On the other versions the window is hidden while it is moved back.
TEST_F(MainFrameCommandsTest, OnOtherVersionsLeavingFullScreenHidesTheWindowMeanwhile)
{
    OpenFrame();
    Command(ID_VIEW_FULL_SCREEN);
    test_support::Pump(100);
    ASSERT_TRUE(frame_->IsFullScreen());
    const bool hidden = LeaveFullScreen(frameWnd_, [&] { Command(ID_VIEW_FULL_SCREEN); });
    EXPECT_TRUE(hidden);
    EXPECT_TRUE(IsWindowVisible(frameWnd_));
}

TEST_F(MainFrameCommandsTest, BarTogglesKeepTheVideoAreaAtFourToThree)
{
    OpenFrame();
    for (UINT bar : {ID_VIEW_STATUS_BAR, ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_TOOLBAR}) {
        const RECT before = WindowBoxOf(frameWnd_);
        Command(bar);
        test_support::Pump(50);
        const RECT after = WindowBoxOf(frameWnd_);
        SIZE video = VideoArea();
        EXPECT_EQ(before.right - before.left, after.right - after.left) << "the width leads";
        EXPECT_NEAR(video.cx * 3.0, video.cy * 4.0, 3.0) << video.cx << " x " << video.cy;
    }
}

// Real drags of the frame's edges, as the user sizes the window.
TEST_F(MainFrameCommandsTest, DraggingAnEdgeKeepsTheVideoAreaAtFourToThree)
{
    OpenFrame();
    frame_->ApplyAspectRatio();  // start from a 4:3 video area
    SetForegroundWindow(frameWnd_);
    test_support::Pump(50);
    RECT r = WindowBoxOf(frameWnd_);
    const int border = GetSystemMetrics(SM_CYFRAME) / 2;

    // The bottom edge: the height leads and the width follows.
    ASSERT_TRUE(Drag(POINT{(r.left + r.right) / 2, r.bottom - 1 - border},
                     POINT{(r.left + r.right) / 2, r.bottom - 1 - border + 60}));
    test_support::Pump(100);
    RECT taller = WindowBoxOf(frameWnd_);
    EXPECT_GT(taller.bottom - taller.top, r.bottom - r.top) << "the drag reached the frame's edge";
    EXPECT_GT(taller.right - taller.left, r.right - r.left) << "the width followed the height";
    SIZE video = VideoArea();
    EXPECT_NEAR(video.cx * 3.0, video.cy * 4.0, 3.0) << video.cx << " x " << video.cy;

    // The right edge: the width leads and the height follows.
    r = taller;
    const int side = GetSystemMetrics(SM_CXFRAME) / 2;
    ASSERT_TRUE(Drag(POINT{r.right - 1 - side, (r.top + r.bottom) / 2},
                     POINT{r.right - 1 - side - 120, (r.top + r.bottom) / 2}));
    test_support::Pump(100);
    RECT narrower = WindowBoxOf(frameWnd_);
    EXPECT_LT(narrower.right - narrower.left, r.right - r.left);
    EXPECT_LT(narrower.bottom - narrower.top, r.bottom - r.top) << "the height followed the width";
    video = VideoArea();
    EXPECT_NEAR(video.cx * 3.0, video.cy * 4.0, 3.0) << video.cx << " x " << video.cy;
}

// The tool bar docked at another side: the frame works the video area out
// again for the bar's new place.
TEST_F(MainFrameCommandsTest, DockingTheToolBarElsewhereKeepsFourToThree)
{
    OpenFrame();
    for (framework::DockSide side : {framework::DockSide::Left, framework::DockSide::Bottom,
                                     framework::DockSide::Right, framework::DockSide::Top}) {
        ASSERT_TRUE(frame_->ToolBar()->Dock(side));
        test_support::Pump(50);
        SIZE video = VideoArea();
        EXPECT_NEAR(video.cx * 3.0, video.cy * 4.0, 3.0) << static_cast<int>(side) << ": " << video.cx << " x "
                                                         << video.cy;
    }
}

TEST_F(MainFrameCommandsTest, GrabSavesTheViewIntoABufferAndFlipsWriteItBack)
{
    OpenFrame();
    SIZE video = VideoArea();
    size_t from = driver.sent.size();
    Command(ID_IMAGE_FLIP_HORIZONTAL);
    std::vector<std::string> sent = SentSince(from);
    const std::string rect = "0 0 " + std::to_string(video.cx) + " " + std::to_string(video.cy);
    ASSERT_EQ(4u, sent.size());
    // On versions other than 4 the driver's own indicator is off meanwhile.
    EXPECT_EQ("set VCKX310 indicator off", sent[0]);
    EXPECT_EQ(0u, sent[1].rfind("save VCKX310 memory buffer type DIB 24-bit at " + rect + " address ", 0)) << sent[1];
    EXPECT_EQ("set VCKX310 indicator on", sent[2]);
    EXPECT_EQ(0u, sent[3].rfind("load VCKX310 memory buffer at " + rect + " address ", 0)) << sent[3];
    // Both commands name the same buffer: its pixels after the header.
    const std::string address = sent[1].substr(sent[1].rfind(' ') + 1);
    EXPECT_EQ(address, sent[3].substr(sent[3].rfind(' ') + 1));
    RECT grabbed = frame_->GrabbedRect();
    EXPECT_EQ(video.cx, grabbed.right - grabbed.left);
    EXPECT_EQ(video.cy, grabbed.bottom - grabbed.top);
}

TEST_F(MainFrameCommandsTest, FailedGrabWritesNothingBackAndTheMergeEndsInRgb)
{
    OpenFrame();
    driver.answers.push_back({"save VCKX310 memory buffer type", MCIERR_DEVICE_NOT_READY, ""});
    size_t from = driver.sent.size();
    Command(ID_IMAGE_FLIP_BOTH);
    for (const std::string& s : SentSince(from))
        EXPECT_NE(0u, s.rfind("load", 0)) << "nothing may be written back: " << s;
    EXPECT_EQ(nullptr, frame_->GrabRegion(RECT{0, 0, 0, 0}));

    from = driver.sent.size();
    EXPECT_EQ(nullptr, frame_->MergeScreenWithVideo(RECT{0, 0, 0, 0}));
    std::vector<std::string> sent = SentSince(from);
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ("set VCKX310 memory buffer format to yuv", sent.front());
    EXPECT_EQ("set VCKX310 memory buffer format to rgb", sent.back());

    driver.answers.clear();
    from = driver.sent.size();
    CPictureBuffer* merged = frame_->MergeScreenWithVideo(RECT{10, 20, 74, 68});
    ASSERT_NE(nullptr, merged);
    EXPECT_EQ(64, merged->Width());
    EXPECT_EQ(48, merged->Height());
    EXPECT_EQ(40u, merged->Header()->biSize);
    EXPECT_EQ(24, merged->Header()->biBitCount);
    sent = SentSince(from);
    EXPECT_EQ("set VCKX310 memory buffer format to yuv", sent.front());
    EXPECT_EQ(0u, sent[2].rfind("save VCKX310 memory buffer type DIB 24-bit at 10 20 64 48 address ", 0));
    EXPECT_EQ("set VCKX310 memory buffer format to rgb", sent.back());
}

TEST_F(MainFrameCommandsTest, UnfreezeDiscardsTheGrabAndResetsTheVideoItem)
{
    OpenFrame();
    ASSERT_NE(nullptr, frame_->GrabRegion(RECT{0, 0, 32, 32}));
    Command(ID_VIEW_FREEZE);  // freeze
    Command(ID_VIEW_FREEZE);  // unfreeze: the grab is stale
    RECT grabbed = frame_->GrabbedRect();
    EXPECT_TRUE(IsRectEmpty(&grabbed));
    EXPECT_EQ("&Video \tCtrl+T", MenuText(ID_VIEW_VIDEO));
}

// A real drop: the shell's block of names, posted as the shell posts it.
HGLOBAL DropOf(const std::vector<std::string>& names)
{
    size_t bytes = sizeof(DROPFILES) + 1;
    for (const std::string& n : names)
        bytes += n.size() + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
    drop->pFiles = sizeof(DROPFILES);
    char* at = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
    for (const std::string& n : names) {
        memcpy(at, n.c_str(), n.size() + 1);
        at += n.size() + 1;
    }
    GlobalUnlock(block);
    return block;
}

TEST_F(MainFrameCommandsTest, DroppedFilesLoadTheFirstReadableOneAndFitTheWindow)
{
    OpenFrame();
    driver.answers.push_back({"get VCKX310 file info \"c:\\pictures\\third.bmp\"", 0, "1 320 240"});
    driver.answers.push_back({"get VCKX310 file info", MCIERR_UNSUPPORTED_FUNCTION, ""});
    kxtest::MessageBoxWatcher boxes(IDOK);
    size_t from = driver.sent.size();
    SendMessageA(frameWnd_, WM_DROPFILES,
                 reinterpret_cast<WPARAM>(DropOf({"c:\\pictures\\first.txt", "c:\\pictures\\second.doc",
                                                  "c:\\pictures\\third.bmp"})),
                 0);
    test_support::Pump(100);

    std::vector<kxtest::SeenMessageBox> seen = boxes.Seen();
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ("Load Image", seen[0].caption);
    EXPECT_EQ("File format of c:\\pictures\\first.txt is not supported.", seen[0].text);
    EXPECT_EQ("File format of c:\\pictures\\second.doc is not supported.", seen[1].text);
    EXPECT_TRUE(seen[0].hasIcon);

    std::vector<std::string> sent = SentSince(from);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ("load VCKX310 \"c:\\pictures\\third.bmp\"", sent.back());
    EXPECT_EQ("&Video THIRD.BMP\tCtrl+T", MenuText(ID_VIEW_VIDEO));
    // The window was fitted to the picture: its video area is 320 x 240.
    SIZE video = VideoArea();
    EXPECT_EQ(320, video.cx);
    EXPECT_EQ(240, video.cy);
}

TEST_F(MainFrameCommandsTest, APictureLargerThanTheWorkAreaMaximisesTheWindow)
{
    OpenFrame();
    driver.answers.push_back({"get VCKX310 file info", 0, "1 2000 1500"});
    EXPECT_TRUE(frame_->FitToPicture("c:\\big.bmp"));
    test_support::Pump(50);
    EXPECT_TRUE(IsZoomed(frameWnd_));
}

}  // namespace
