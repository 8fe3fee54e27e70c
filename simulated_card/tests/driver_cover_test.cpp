// The video inside a window of another process, as a person sees it on the
// screen: the driver's cover shows the picture over that window's client
// area, follows the window at each "put" / "destination" (and rises over it
// again when the other program was brought to the top), lets clicks
// through, and goes when the test's own window is named again, when the
// other window closes, or when the device closes.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "foreign_program.h"
#include "mci_session.h"

using kxtest::ForeignProgram;
using namespace simcard_test;

namespace {

constexpr COLORREF kVideo = RGB(200, 40, 120);   // the frozen picture, one colour all over
constexpr int kFrameWidth = 768, kFrameHeight = 576;
constexpr wchar_t kCoverClass[] = L"KX310MCIVideoCover";

std::string HandleText(HWND wnd) { return std::to_string(reinterpret_cast<std::uintptr_t>(wnd)); }

// Frame memory in one colour: a whole-frame buffer loaded (and frozen there).
void LoadOneColour(COLORREF colour)
{
    const std::size_t stride = (kFrameWidth * 3 + 3) & ~std::size_t{3};
    LowBuffer buffer(stride * kFrameHeight);
    ASSERT_NE(0u, buffer.Address());
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x) {
            unsigned char* p = buffer.data() + stride * y + x * 3;
            p[0] = GetBValue(colour);
            p[1] = GetGValue(colour);
            p[2] = GetRValue(colour);
        }
    ASSERT_EQ(0u, Send("load VCKX310 memory buffer at 0 0 768 576 address " + std::to_string(buffer.Address())).rc);
}

COLORREF ScreenPixel(POINT p)
{
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

// Points of a grid over `r` (screen coordinates), its edges included.
std::vector<POINT> Grid(const RECT& r)
{
    std::vector<POINT> points;
    for (int i = 0; i <= 4; ++i)
        for (int j = 0; j <= 4; ++j)
            points.push_back(POINT{r.left + (r.right - 1 - r.left) * i / 4, r.top + (r.bottom - 1 - r.top) * j / 4});
    return points;
}

// How many of the points show the video colour on the screen.
int VideoPoints(const std::vector<POINT>& points)
{
    int n = 0;
    for (POINT p : points)
        n += ScreenPixel(p) == kVideo;
    return n;
}

POINT Offset(POINT p, int dx, int dy) { return POINT{p.x + dx, p.y + dy}; }

// A window of the test's own process, as the viewer's view is.
class OwnWindow {
public:
    OwnWindow()
    {
        wnd_ = CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 700, 20, 200, 150, nullptr, nullptr, nullptr, nullptr);
    }
    ~OwnWindow() { DestroyWindow(wnd_); }
    HWND Handle() const { return wnd_; }

private:
    HWND wnd_;
};

class DriverCoverTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program_.Started());
        ASSERT_EQ(0u, card_.rc());
        LoadOneColour(kVideo);
    }

    // The viewer's export: the foreign window named, card type 2, destination.
    void ShowIn(HWND window)
    {
        ASSERT_EQ(0u, Send("window VCKX310 handle " + HandleText(window)).rc);
        ASSERT_EQ(0u, Send("set VCKX310 card type to 2").rc);
        ASSERT_EQ(0u, Send("put VCKX310 destination").rc);
        Pump(300);
    }

    ForeignProgram program_{"Cover test", RECT{150, 150, 550, 450}};
    OwnWindow own_;
    OpenCard card_;
};

} // namespace

TEST_F(DriverCoverTest, VideoCoversTheForeignClientAreaFollowsItAndGoesWhenTheOwnWindowIsNamed)
{
    HWND foreign = program_.TopLevel();
    const RECT client = kxtest::ClientOnScreen(foreign);
    const std::vector<POINT> inside = Grid(client);
    ASSERT_EQ(0, VideoPoints(inside)) << "the picture is on the screen before it was asked for";

    ShowIn(foreign);
    // The whole client area, over the child windows too, and nothing beside it.
    EXPECT_EQ(static_cast<int>(inside.size()), VideoPoints(inside));
    const POINT caption{(client.left + client.right) / 2, client.top - 8};
    const std::vector<POINT> outside = {Offset(POINT{client.left, client.top}, -2, -2),
                                        Offset(POINT{client.right, client.bottom}, 1, 1), caption};
    EXPECT_EQ(0, VideoPoints(outside));
    // Clicks reach the other program, not the cover.
    const POINT middle{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    EXPECT_EQ(foreign, GetAncestor(WindowFromPoint(middle), GA_ROOT));
    EXPECT_NE(nullptr, FindWindowW(kCoverClass, nullptr));

    // Moved, and placed again: the video is over the new client area only.
    ASSERT_TRUE(kxtest::MoveWindowTo(foreign, POINT{230, 210}));
    ASSERT_EQ(0u, Send("put VCKX310 destination").rc);
    Pump(300);
    const RECT moved = kxtest::ClientOnScreen(foreign);
    ASSERT_EQ(client.left + 80, moved.left);
    EXPECT_EQ(static_cast<int>(inside.size()), VideoPoints(Grid(moved)));
    // Left of the new place, where the old client area was.
    const RECT uncovered = {client.left, client.top, moved.left - 1, client.bottom};
    EXPECT_EQ(0, VideoPoints(Grid(uncovered)));

    // The test's own window named again: the other program shows its own
    // pixels, and the cover is gone.
    ASSERT_EQ(0u, Send("window VCKX310 handle " + HandleText(own_.Handle())).rc);
    Pump(300);
    EXPECT_EQ(0, VideoPoints(Grid(moved)));
    const RECT child = ForeignProgram::kChildPlace;
    EXPECT_EQ(ForeignProgram::kChildColour, ScreenPixel(POINT{moved.left + (child.left + child.right) / 2,
                                                              moved.top + (child.top + child.bottom) / 2}));
    EXPECT_EQ(ForeignProgram::kClientColour, ScreenPixel(POINT{moved.right - 20, moved.bottom - 20}));
    EXPECT_EQ(nullptr, FindWindowW(kCoverClass, nullptr));
}

TEST_F(DriverCoverTest, ACoverOverAForeignChildWindowCoversItsClientAreaOnly)
{
    // A finder dropped on a child window (an edit box, say) names that window.
    ShowIn(program_.Child());
    const RECT child = kxtest::ClientOnScreen(program_.Child());
    EXPECT_EQ(25, VideoPoints(Grid(child)));
    const RECT client = kxtest::ClientOnScreen(program_.TopLevel());
    const std::vector<POINT> beside = {POINT{child.right + 5, child.top}, POINT{child.left, child.bottom + 5},
                                       POINT{client.right - 5, client.bottom - 5}};
    EXPECT_EQ(0, VideoPoints(beside));
    ASSERT_EQ(0u, Send("window VCKX310 handle 0").rc);
}

TEST_F(DriverCoverTest, TheCoverGoesWithAClosedForeignWindowAndWithTheDevice)
{
    ShowIn(program_.TopLevel());
    const RECT client = kxtest::ClientOnScreen(program_.TopLevel());
    ASSERT_EQ(25, VideoPoints(Grid(client)));

    // Closed: the picture leaves the screen without another command, and
    // the next command takes the cover away.
    ASSERT_TRUE(program_.Close());
    Pump(300);
    EXPECT_EQ(0, VideoPoints(Grid(client)));
    ASSERT_EQ(0u, Send("status VCKX310 mode").rc);
    EXPECT_EQ(nullptr, FindWindowW(kCoverClass, nullptr));

    // A cover still up when the device closes goes with it.
    ForeignProgram second("Cover close", RECT{200, 200, 500, 420});
    ASSERT_TRUE(second.Started());
    ShowIn(second.TopLevel());
    EXPECT_EQ(25, VideoPoints(Grid(kxtest::ClientOnScreen(second.TopLevel()))));
    ASSERT_EQ(0u, Send("close VCKX310 ").rc);
    Pump(300);
    EXPECT_EQ(nullptr, FindWindowW(kCoverClass, nullptr));
    EXPECT_EQ(0, VideoPoints(Grid(kxtest::ClientOnScreen(second.TopLevel()))));
    ASSERT_EQ(0u, Send("open overlay alias VCKX310").rc);   // for OpenCard's own close
}

TEST_F(DriverCoverTest, WindowHideAndShowHideAndShowTheCover)
{
    ShowIn(program_.TopLevel());
    const std::vector<POINT> inside = Grid(kxtest::ClientOnScreen(program_.TopLevel()));
    ASSERT_EQ(25, VideoPoints(inside));
    ASSERT_EQ(0u, Send("window VCKX310 state hide").rc);
    Pump(300);
    EXPECT_EQ(0, VideoPoints(inside));
    ASSERT_EQ(0u, Send("window VCKX310 state show").rc);
    Pump(300);
    EXPECT_EQ(25, VideoPoints(inside));
    ASSERT_EQ(0u, Send("window VCKX310 handle 0").rc);
}

TEST_F(DriverCoverTest, TheOtherProgramBroughtToTheTopIsCoveredAgainAtTheNextPlacement)
{
    ShowIn(program_.Child());
    const std::vector<POINT> inside = Grid(kxtest::ClientOnScreen(program_.Child()));
    ASSERT_EQ(25, VideoPoints(inside));

    // Activated and brought to the top, as a program does that hands its
    // video over to another program's window: the other program's window
    // rises on the screen, and the next placement lays the cover over it again.
    SetForegroundWindow(program_.TopLevel());
    BringWindowToTop(program_.TopLevel());
    Pump(300);
    ASSERT_EQ(0u, Send("put VCKX310 destination").rc);
    Pump(300);
    EXPECT_EQ(25, VideoPoints(inside));
    ASSERT_EQ(0u, Send("window VCKX310 handle 0").rc);
}
