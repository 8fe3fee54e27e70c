// Export Video with the simulated card and a program of another process:
// the Finder dragged by real mouse input onto the other program's window,
// the video shown there and following it when it moves, and coming home
// when that window closes; checked in the card's own command log, on the
// screen, and in the hook library (no watch left behind).
#include "card_session.h"
#include "foreign_program.h"
#include "htvchook.h"
#include "main_frame.h"
#include "pump.h"
#include "real_input.h"
#include "resource.h"
#include "vd_view.h"
#include "viewer_frame_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <thread>

namespace {

constexpr char kTestCompanyKey[] = "KX310 Tests\\export video";

const auto* const kSession = ::testing::AddGlobalTestEnvironment(new test_support::CardSession);

bool Logged(const std::vector<std::string>& lines, const std::string& start)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; });
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& line : lines)
        all += "\n  " + line;
    return all;
}

// How many points of a 5 x 5 grid over `r` (screen coordinates, a little
// inside its edges) the screen shows in a colour other than `colour`, and
// how many points there are.
std::pair<int, int> ScreenPointsNotIn(const RECT& r, COLORREF colour)
{
    HDC screen = GetDC(nullptr);
    int other = 0, all = 0;
    for (int i = 0; i <= 4; ++i)
        for (int j = 0; j <= 4; ++j, ++all) {
            const COLORREF c = GetPixel(screen, r.left + 2 + (r.right - r.left - 5) * i / 4,
                                        r.top + 2 + (r.bottom - r.top - 5) * j / 4);
            other += c != colour && c != CLR_INVALID;
        }
    ReleaseDC(nullptr, screen);
    return {other, all};
}

// The simulated card shows the video over a window of another process in
// a top-most window of its own laid exactly over that window's client area.
// Empty when that window is there, visible, in place and showing video (its
// pixels, read through its own device context, are neither the covered
// window's colour nor blank) and the screen shows that video over the
// covered window as a person sees it; else what is wrong.
std::string CoverFault(HWND covered, COLORREF coveredColour)
{
    HWND cover = FindWindowW(L"KX310MCIVideoCover", nullptr);
    if (!cover || !IsWindowVisible(cover))
        return "no cover is shown";
    RECT at{};
    GetWindowRect(cover, &at);
    const RECT client = kxtest::ClientOnScreen(covered);
    if (!EqualRect(&at, &client))
        return "the cover lies at " + std::to_string(at.left) + "," + std::to_string(at.top) + " instead of " +
               std::to_string(client.left) + "," + std::to_string(client.top);
    HDC dc = GetDC(cover);
    int video = 0, all = 0;
    for (LONG y = 4; y < at.bottom - at.top - 4; y += 10)
        for (LONG x = 4; x < at.right - at.left - 4; x += 10, ++all) {
            const COLORREF c = GetPixel(dc, x, y);
            video += c != coveredColour && c != CLR_INVALID && c != RGB(1, 2, 3);
        }
    ReleaseDC(cover, dc);
    if (video < all * 3 / 4)
        return "video at " + std::to_string(video) + " of " + std::to_string(all) + " points";
    // The cover may hold the video and still be hidden under the other
    // program's window on the screen.
    const auto [shown, points] = ScreenPointsNotIn(client, coveredColour);
    if (shown < points * 3 / 4)
        return "the screen shows video at " + std::to_string(shown) + " of " + std::to_string(points) +
               " points, the covered window's own colour elsewhere";
    return "";
}

class ExportVideoTest : public test_support::ViewerFrameFixture {
protected:
    ExportVideoTest() : ViewerFrameFixture(kTestCompanyKey) {}

    void SetUp() override
    {
        ShowOverlayErrors(false);
        RegisterViewerMessages();
        ViewerFrameFixture::SetUp();
        Profile().WriteText("Settings", "WindowPos", "20 20 480 380");
        Profile().WriteText("ExportVideo", "WindowPos", "40 420");
        Profile().WriteText("ExportVideo", "ColorKey", "255 0 255");
    }
    void Command(UINT id) { SendMessageA(frameWnd_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    CVDView* View() const { return static_cast<CVDView*>(frame_->ActiveView()); }

    // Runs Export Video while `act` drives it from another thread.
    bool WithDialog(const std::function<void(HWND)>& act)
    {
        bool found = false;
        std::thread driverThread([&] {
            for (int i = 0; i < 400; ++i, Sleep(25)) {
                HWND box = FindWindowA("#32770", "Export Video");
                if (box && IsWindowVisible(box)) {
                    Sleep(300);
                    found = true;
                    act(box);
                    return;
                }
            }
        });
        Command(ID_TOOLS_EXPORT_VIDEO);
        driverThread.join();
        return found;
    }
    static void Input(const std::string& chain)
    {
        kxtest::RunXdotool(chain);
        Sleep(200);
    }
    bool MenuChecked() const
    {
        HMENU tools = GetSubMenu(GetMenu(frameWnd_), 5);
        SendMessageA(frameWnd_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(tools), MAKELPARAM(5, FALSE));
        return (GetMenuState(tools, ID_TOOLS_EXPORT_VIDEO, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
};

TEST_F(ExportVideoTest, VideoFollowsTheForeignWindowAndComesHomeWhenItCloses)
{
    OpenFrame();
    kxtest::ForeignProgram foreign("Export Target", RECT{500, 60, 900, 420});
    ASSERT_TRUE(foreign.Started());
    test_support::Pump(300);
    test_support::CardLog log("export_video");
    const std::string child = std::to_string(reinterpret_cast<uintptr_t>(foreign.Child()));
    const std::string view = std::to_string(reinterpret_cast<uintptr_t>(View()->Handle()));

    HWND exportedTo = nullptr;
    bool stopBefore = true, stopAfter = false;
    ASSERT_TRUE(WithDialog([&](HWND box) {
        stopBefore = IsWindowEnabled(GetDlgItem(box, IDC_STOP)) != FALSE;
        const POINT finderAt = kxtest::ClientCentre(GetDlgItem(box, IDC_FINDER));
        Input(kxtest::DragFromTo(finderAt, kxtest::ClientCentre(foreign.Child())));
        exportedTo = View()->ExportTarget();
        stopAfter = IsWindowEnabled(GetDlgItem(box, IDC_STOP)) != FALSE;
        Input(kxtest::ClickAt(kxtest::ClientCentre(GetDlgItem(box, IDOK))));
    }));
    EXPECT_FALSE(stopBefore) << "nothing was exported when the dialog opened";
    EXPECT_TRUE(stopAfter);
    ASSERT_EQ(foreign.Child(), exportedTo) << "the child under the drop point, not its top-level window";
    EXPECT_TRUE(MenuChecked());
    test_support::Pump(400);
    std::vector<std::string> started = log.Take();
    EXPECT_TRUE(Logged(started, "window handle " + child)) << Joined(started);
    EXPECT_TRUE(Logged(started, "set video key color to " +
                                    std::to_string(foreign.kChildColour)))
        << "the key is the colour under the drop point" << Joined(started);
    EXPECT_TRUE(Logged(started, "set card type to 2")) << Joined(started);
    EXPECT_TRUE(Logged(started, "put destination")) << Joined(started);
    // The card's picture covers the child's client area.
    EXPECT_EQ("", CoverFault(foreign.Child(), foreign.kChildColour));

    // The foreign program's window moves: the view places the video again
    // and the picture follows.
    ASSERT_TRUE(kxtest::MoveWindowTo(foreign.TopLevel(), POINT{540, 300}));
    test_support::Pump(500);
    std::vector<std::string> moved = log.Take();
    EXPECT_TRUE(Logged(moved, "set card type to 2")) << Joined(moved);
    EXPECT_TRUE(Logged(moved, "put destination")) << Joined(moved);
    EXPECT_EQ(foreign.Child(), View()->ExportTarget());
    EXPECT_EQ("", CoverFault(foreign.Child(), foreign.kChildColour)) << "the video follows the window";

    // It closes: the export ends and the video is the view's again, with
    // the key colour from before.
    ASSERT_TRUE(foreign.Close());
    test_support::Pump(500);
    std::vector<std::string> ended = log.Take();
    EXPECT_EQ(nullptr, View()->ExportTarget());
    EXPECT_EQ(RGB(255, 0, 255), View()->KeyColour());
    EXPECT_TRUE(Logged(ended, "window handle " + view)) << Joined(ended);
    EXPECT_TRUE(Logged(ended, "set video key color to 16711935")) << Joined(ended);
    EXPECT_FALSE(MenuChecked());
    EXPECT_EQ(0u, dllHook(nullptr, nullptr, nullptr, 0)) << "the watch removed itself";
    HWND cover = FindWindowW(L"KX310MCIVideoCover", nullptr);
    EXPECT_TRUE(!cover || !IsWindowVisible(cover)) << "no video is left where the window was";
}

TEST_F(ExportVideoTest, DroppingOnNothingOrOnTheViewerBeepsAndExportsNothing)
{
    OpenFrame();
    test_support::CardLog log("export_video_refused");
    bool stop = true;
    ASSERT_TRUE(WithDialog([&](HWND box) {
        const POINT finderAt = kxtest::ClientCentre(GetDlgItem(box, IDC_FINDER));
        Input(kxtest::DragFromTo(finderAt, kxtest::ClientCentre(View()->Handle())));  // own process
        stop = IsWindowEnabled(GetDlgItem(box, IDC_STOP)) != FALSE;
        Input("key Escape");
    }));
    EXPECT_FALSE(stop);
    EXPECT_EQ(nullptr, View()->ExportTarget());
    const std::vector<std::string> lines = log.Take();
    EXPECT_FALSE(Logged(lines, "window handle")) << Joined(lines);
    EXPECT_FALSE(Logged(lines, "set card type to 2")) << Joined(lines);
    EXPECT_EQ(0u, dllHook(nullptr, nullptr, nullptr, 0)) << "no watch was installed";
}

// A target that is gone by the time the export starts gives no device
// context: nothing is sent and no watch stays behind.
TEST_F(ExportVideoTest, AnExportThatCannotStartLeavesNoWatch)
{
    OpenFrame();
    HWND gone = nullptr;
    {
        kxtest::ForeignProgram foreign("Gone Target", RECT{500, 60, 900, 420});
        ASSERT_TRUE(foreign.Started());
        gone = foreign.Child();
        ASSERT_TRUE(foreign.Close());
    }
    test_support::CardLog log("export_video_gone");
    EXPECT_FALSE(View()->ExportDialog().ExportTo(gone, POINT{5, 5}));
    test_support::Pump(200);
    const std::vector<std::string> lines = log.Take();
    EXPECT_FALSE(Logged(lines, "window handle")) << Joined(lines);
    EXPECT_EQ(nullptr, View()->ExportTarget());
    EXPECT_EQ(0u, dllHook(nullptr, nullptr, nullptr, 0)) << "no watch is left";
}

}  // namespace
