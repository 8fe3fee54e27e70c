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

// How many of a grid of points inside the window's client area show
// `colour` on the screen.
int PointsShowing(HWND window, COLORREF colour, int* total)
{
    const RECT r = kxtest::ClientOnScreen(window);
    HDC screen = GetDC(nullptr);
    int same = 0, all = 0;
    for (LONG y = r.top + 6; y < r.bottom - 6; y += 10)
        for (LONG x = r.left + 6; x < r.right - 6; x += 10, ++all)
            same += GetPixel(screen, x, y) == colour;
    ReleaseDC(nullptr, screen);
    if (total)
        *total = all;
    return same;
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
    int points = 0;
    EXPECT_LT(PointsShowing(foreign.Child(), foreign.kChildColour, &points), points / 4);

    // The foreign program's window moves: the view places the video again
    // and the picture follows.
    ASSERT_TRUE(kxtest::MoveWindowTo(foreign.TopLevel(), POINT{540, 300}));
    test_support::Pump(500);
    std::vector<std::string> moved = log.Take();
    EXPECT_TRUE(Logged(moved, "set card type to 2")) << Joined(moved);
    EXPECT_TRUE(Logged(moved, "put destination")) << Joined(moved);
    EXPECT_EQ(foreign.Child(), View()->ExportTarget());
    EXPECT_LT(PointsShowing(foreign.Child(), foreign.kChildColour, &points), points / 4);

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

}  // namespace
