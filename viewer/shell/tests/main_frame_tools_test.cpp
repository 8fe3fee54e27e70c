// The viewer's tool dialogs inside the test process, with the commands to
// the driver recorded: Color Settings (the replies it reads, every scroll
// code at the ends of its ranges, OK and Cancel, a real thumb drag), source
// rotation and strobe on the frame's timers (real clicks and typing in
// their dialogs), and the status bar's progress indicator.
#include "main_frame.h"
#include "colour_controls.h"
#include "real_input.h"
#include "registered_messages.h"
#include "resource.h"
#include "scripted_driver.h"
#include "vd_view.h"
#include "viewer_frame_fixture.h"
#include "viewer_status_bar.h"

#include <commctrl.h>
#include <shlwapi.h>
#include <gtest/gtest.h>

#include <functional>
#include <thread>

namespace {

constexpr char kTestCompanyKey[] = "KX310 Tests\\main frame tools";
using Texts = std::vector<std::string>;

class MainFrameToolsTest : public test_support::ViewerFrameFixture {
protected:
    MainFrameToolsTest() : ViewerFrameFixture(kTestCompanyKey) {}

    void SetUp() override
    {
        RecordCommands(&driver);
        SHDeleteKeyA(HKEY_CURRENT_USER, (std::string("Software\\") + kTestCompanyKey).c_str());
        ViewerFrameFixture::SetUp();
        Profile().WriteText("Settings", "WindowPos", "40 30 560 420");
    }

    void Command(UINT id) { SendMessageA(frameWnd_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    CVDView* View() const { return static_cast<CVDView*>(frame_->ActiveView()); }
    UINT MenuState(int popup, UINT id) const
    {
        HMENU menu = GetSubMenu(GetMenu(frameWnd_), popup);
        SendMessageA(frameWnd_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(popup, FALSE));
        return GetMenuState(menu, id, MF_BYCOMMAND);
    }

    // Gives `command` (which runs a modal dialog) while `act` drives the
    // dialog captioned `caption` from another thread; the dialog must be
    // closed by `act`.  False when the dialog did not appear.
    bool WithDialog(UINT command, const char* caption, const std::function<void(HWND)>& act)
    {
        bool found = false;
        std::thread driverThread([&] {
            for (int i = 0; i < 400; ++i, Sleep(25)) {
                HWND box = FindWindowA("#32770", caption);
                if (box && IsWindowVisible(box)) {
                    Sleep(200);
                    found = true;
                    act(box);
                    return;
                }
            }
        });
        Command(command);
        driverThread.join();
        return found;
    }
    static void Scroll(HWND box, int bar, UINT code, int thumb = 0)
    {
        SendMessageA(box, WM_HSCROLL, MAKEWPARAM(code, thumb), reinterpret_cast<LPARAM>(GetDlgItem(box, bar)));
    }
    static void Press(HWND box, int id) { SendMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    static std::string ItemText(HWND box, int id)
    {
        char text[64] = {};
        GetDlgItemTextA(box, id, text, sizeof text);
        return text;
    }
    static void Input(const std::string& chain)
    {
        kxtest::RunXdotool(chain);
        Sleep(150);
    }
    static void Click(HWND box, int id) { Input(kxtest::ClickAt(kxtest::ClientCentre(GetDlgItem(box, id)))); }

    void AnswerColourQuestions(const std::string& display)
    {
        driver.answers = {{"get VCKX310 display", 0, display},
                          {"get VCKX310 limit hue", 0, "0 255"},
                          {"get VCKX310 limit brightness", 0, "0 255"},
                          {"get VCKX310 limit saturation", 0, "0 0"},
                          {"get VCKX310 limit contrast", 0, "0 15"}};
    }

    ScriptedDriver driver;
};

TEST_F(MainFrameToolsTest, ColorSettingsAsksTheCardAndMovesEachBarWithinItsRange)
{
    OpenFrame();
    AnswerColourQuestions("10 20 3 40");
    size_t from = driver.Count();
    Texts opening, steps, onOk;
    int positions[4] = {};
    std::string values[4];
    ASSERT_TRUE(WithDialog(ID_OPTIONS_COLOR, "Color Settings", [&](HWND box) {
        opening = driver.Since(from);
        const int bars[] = {IDC_COLOR_HUE, IDC_COLOR_BRIGHTNESS, IDC_COLOR_SATURATION, IDC_COLOR_CONTRAST};
        for (int i = 0; i < 4; ++i) {
            positions[i] = GetScrollPos(GetDlgItem(box, bars[i]), SB_CTL);
            values[i] = ItemText(box, bars[i] + 4);
        }
        const size_t before = driver.Count();
        Scroll(box, IDC_COLOR_BRIGHTNESS, SB_RIGHT);      // to the maximum
        Scroll(box, IDC_COLOR_BRIGHTNESS, SB_LINERIGHT);  // stays: nothing
        Scroll(box, IDC_COLOR_BRIGHTNESS, SB_PAGERIGHT);  // stays: nothing
        Scroll(box, IDC_COLOR_CONTRAST, SB_PAGELEFT);     // 3 - 2
        Scroll(box, IDC_COLOR_CONTRAST, SB_PAGELEFT);     // stops at 0
        Scroll(box, IDC_COLOR_CONTRAST, SB_PAGELEFT);     // stays: nothing
        Scroll(box, IDC_COLOR_SATURATION, SB_PAGERIGHT);  // a 0 0 range has no page step
        Scroll(box, IDC_COLOR_SATURATION, SB_PAGELEFT);
        Scroll(box, IDC_COLOR_HUE, SB_THUMBPOSITION, 40); // the thumb let go where it was
        Scroll(box, IDC_COLOR_HUE, SB_ENDSCROLL);
        Scroll(box, IDC_COLOR_HUE, SB_LEFT);
        steps = driver.Since(before);
        values[0] = ItemText(box, IDC_COLOR_HUE_VALUE) + "/" + values[0];
        const size_t beforeOk = driver.Count();
        Press(box, IDOK);
        Sleep(100);
        onOk = WithoutPlacements(driver.Since(beforeOk));
    }));
    EXPECT_EQ((Texts{"get VCKX310 display", "get VCKX310 limit hue", "get VCKX310 limit brightness",
                     "get VCKX310 limit saturation", "get VCKX310 limit contrast"}),
              opening);
    // The display reply is brightness, saturation, contrast, hue.
    EXPECT_EQ(40, positions[0]);
    EXPECT_EQ(10, positions[1]);
    EXPECT_EQ(0, positions[2]);  // 20 lies outside the 0 0 range; the text shows it
    EXPECT_EQ("20", values[2]);
    EXPECT_EQ(3, positions[3]);
    EXPECT_EQ("10", values[1]);
    EXPECT_EQ((Texts{"set VCKX310 brightness to 255", "set VCKX310 contrast to 1", "set VCKX310 contrast to 0",
                     "set VCKX310 hue to 40", "set VCKX310 hue to 0"}),
              steps);
    EXPECT_EQ("0/40", values[0]);
    EXPECT_TRUE(onOk.empty()) << "OK keeps what the card has";
}

TEST_F(MainFrameToolsTest, ColorSettingsCancelSendsAllFourOpeningValuesHueFirst)
{
    OpenFrame();
    AnswerColourQuestions("10 20 3 40");
    Texts cancelled;
    ASSERT_TRUE(WithDialog(ID_OPTIONS_COLOR, "Color Settings", [&](HWND box) {
        Scroll(box, IDC_COLOR_HUE, SB_LINERIGHT);
        const size_t before = driver.Count();
        Input("key Escape");
        cancelled = WithoutPlacements(driver.Since(before));
    }));
    EXPECT_EQ((Texts{"set VCKX310 hue to 40", "set VCKX310 brightness to 10", "set VCKX310 saturation to 20",
                     "set VCKX310 contrast to 3"}),
              cancelled);
}

TEST_F(MainFrameToolsTest, ColorSettingsWithoutRepliesKeepsThePreviousValuesAndSendsNothing)
{
    OpenFrame();
    AnswerColourQuestions("10 20 3 40");
    ASSERT_TRUE(WithDialog(ID_OPTIONS_COLOR, "Color Settings", [&](HWND box) { Press(box, IDOK); }));
    // The device answers nothing now (closed, or the questions fail).
    driver.answers = {{"get VCKX310", MCIERR_DEVICE_NOT_READY, ""}};
    int hue = -1;
    Texts sent;
    ASSERT_TRUE(WithDialog(ID_OPTIONS_COLOR, "Color Settings", [&](HWND box) {
        hue = GetScrollPos(GetDlgItem(box, IDC_COLOR_HUE), SB_CTL);
        const size_t before = driver.Count();
        Scroll(box, IDC_COLOR_HUE, SB_LINERIGHT);
        Scroll(box, IDC_COLOR_CONTRAST, SB_THUMBTRACK, 5);
        Press(box, IDCANCEL);
        sent = WithoutPlacements(driver.Since(before));
    }));
    EXPECT_EQ(40, hue);
    EXPECT_TRUE(sent.empty()) << sent.front();
}

TEST_F(MainFrameToolsTest, DraggingTheHueThumbSendsEveryStep)
{
    OpenFrame();
    AnswerColourQuestions("128 128 8 0");
    Texts sent;
    std::string shown;
    ASSERT_TRUE(WithDialog(ID_OPTIONS_COLOR, "Color Settings", [&](HWND box) {
        HWND bar = GetDlgItem(box, IDC_COLOR_HUE);
        RECT r{};
        GetWindowRect(bar, &r);
        const int arrow = GetSystemMetrics(SM_CXHSCROLL);
        const POINT thumb{r.left + arrow + 4, (r.top + r.bottom) / 2};
        const POINT to{(r.left + r.right) / 2, thumb.y};
        const size_t before = driver.Count();
        Input(kxtest::DragFromTo(thumb, to));
        sent = driver.Since(before);
        shown = ItemText(box, IDC_COLOR_HUE_VALUE);
        Press(box, IDOK);
    }));
    ASSERT_GE(sent.size(), 2u) << "a drag moves the thumb in steps";
    int previous = -1;
    for (const std::string& s : sent) {
        ASSERT_EQ(0u, s.rfind("set VCKX310 hue to ", 0)) << s;
        const int value = std::stoi(s.substr(19));
        EXPECT_GE(value, previous);
        previous = value;
    }
    EXPECT_GT(previous, 64);
    EXPECT_EQ(std::to_string(previous), shown);
}

// Source rotation between input 0 and S-Video at the shortest interval,
// set up by real clicks and typing.
TEST_F(MainFrameToolsTest, RotationAlternatesTheChosenInputsUntilStopped)
{
    OpenFrame();
    std::string interval;
    bool okEnabledWithOne = true, stopEnabled = true;
    ASSERT_TRUE(WithDialog(ID_TOOLS_ROTATE_SOURCE, "Rotate Source", [&](HWND box) {
        stopEnabled = IsWindowEnabled(GetDlgItem(box, IDC_STOP)) != FALSE;
        okEnabledWithOne = IsWindowEnabled(GetDlgItem(box, IDOK)) != FALSE;  // only input 0 is set
        Click(box, IDC_ROTATE_SVIDEO);
        Click(box, IDC_ROTATE_INTERVAL);
        Input("key End BackSpace BackSpace");  // an emptied interval reads "1"
        Input("type x");                       // refused
        interval = ItemText(box, IDC_ROTATE_INTERVAL);
        Click(box, IDOK);
    }));
    EXPECT_FALSE(stopEnabled);
    EXPECT_FALSE(okEnabledWithOne);
    EXPECT_EQ("1", interval);
    EXPECT_TRUE(frame_->RotationRunning());
    EXPECT_TRUE(MenuState(4, ID_TOOLS_ROTATE_SOURCE) & MF_CHECKED);
    framework::CStatusBar* bar = frame_->StatusBar();
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ("Rotating Sources...", bar->PaneText(kPaneRotating));

    size_t from = driver.Count();
    test_support::Pump(650);
    Texts ticks = WithoutPlacements(driver.Since(from));
    ASSERT_GE(ticks.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(i % 2 ? "set VCKX310 source number to 0" : "set VCKX310 source number to 3", ticks[i]) << i;

    // Frozen by the user: nothing is sent and the menu item waits.
    Command(ID_VIEW_FREEZE);
    from = driver.Count();
    test_support::Pump(400);
    EXPECT_TRUE(WithoutPlacements(driver.Since(from)).empty());
    EXPECT_TRUE(MenuState(4, ID_TOOLS_ROTATE_SOURCE) & MF_GRAYED);
    Command(ID_VIEW_FREEZE);

    Texts stopped;
    ASSERT_TRUE(WithDialog(ID_TOOLS_ROTATE_SOURCE, "Rotate Source", [&](HWND box) {
        stopEnabled = IsWindowEnabled(GetDlgItem(box, IDC_STOP)) != FALSE;
        const size_t before = driver.Count();
        Click(box, IDC_STOP);
        stopped = WithoutPlacements(driver.Since(before));
    }));
    EXPECT_TRUE(stopEnabled);
    EXPECT_FALSE(frame_->RotationRunning());
    ASSERT_FALSE(stopped.empty());
    EXPECT_EQ("set VCKX310 source number to 0", stopped.back()) << "back to the menu's source";
    EXPECT_EQ("", bar->PaneText(kPaneRotating));
    from = driver.Count();
    test_support::Pump(300);
    EXPECT_TRUE(WithoutPlacements(driver.Since(from)).empty());
    // The choices are kept.
    EXPECT_EQ(1u, Profile().ReadNumber("Settings", "RotateInterval", 0));
    EXPECT_EQ(1u, Profile().ReadNumber("Settings", "Input0", 0));
    EXPECT_EQ(0u, Profile().ReadNumber("Settings", "Input1", 7));
    EXPECT_EQ(1u, Profile().ReadNumber("Settings", "SVideo", 0));
}

TEST_F(MainFrameToolsTest, StrobeAlternatesAndStopLeavesThePictureLive)
{
    Profile().WriteNumber("Settings", "StrobeInterval", 3);
    OpenFrame();
    std::string interval;
    ASSERT_TRUE(WithDialog(ID_TOOLS_STROBE, "Strobe", [&](HWND box) {
        // The lower half of the arrow bar takes one away, twice.
        RECT r{};
        GetWindowRect(GetDlgItem(box, IDC_INTERVAL_ARROWS), &r);
        const POINT down{(r.left + r.right) / 2, r.bottom - 3};
        Input(kxtest::ClickAt(down));
        Input(kxtest::ClickAt(down));
        Input(kxtest::ClickAt(down));  // stays at 1
        interval = ItemText(box, IDC_STROBE_INTERVAL);
        Click(box, IDOK);
    }));
    EXPECT_EQ("1", interval);
    EXPECT_TRUE(frame_->StrobeRunning());
    const size_t from = driver.Count();
    test_support::Pump(650);
    Texts ticks = WithoutPlacements(driver.Since(from));
    ASSERT_GE(ticks.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(i % 2 ? "freeze VCKX310 " : "unfreeze VCKX310 ", ticks[i]) << i;

    Texts stopped;
    ASSERT_TRUE(WithDialog(ID_TOOLS_STROBE, "Strobe", [&](HWND box) {
        const size_t before = driver.Count();
        Press(box, IDC_STOP);
        stopped = WithoutPlacements(driver.Since(before));
    }));
    EXPECT_FALSE(frame_->StrobeRunning());
    ASSERT_FALSE(stopped.empty());
    EXPECT_EQ("unfreeze VCKX310 ", stopped.back());
    EXPECT_FALSE(View()->State().frozen);
    EXPECT_FALSE(MenuState(2, ID_VIEW_FREEZE) & MF_CHECKED);
    EXPECT_EQ(1u, Profile().ReadNumber("Settings", "StrobeInterval", 0));
}

// The status bar on a system that reports version 4: the progress bar over
// the message pane, fed by the driver's reports.
TEST_F(MainFrameToolsTest, ProgressBarShowsFromLevelZeroAndHidesAtTen)
{
    WNDCLASSA cls{};
    cls.lpfnWndProc = DefWindowProcA;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "ProgressTestFrame";
    RegisterClassA(&cls);
    HWND parent = CreateWindowExA(0, cls.lpszClassName, "Progress", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 400,
                                  200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, parent);
    const size_t from = driver.Count();
    CViewerStatusBar bar;
    ASSERT_TRUE(bar.Create(parent, true));
    bar.SetPaneCount(kPaneCount);
    const Texts sent = driver.Since(from);
    ASSERT_EQ(2u, sent.size());
    EXPECT_EQ("set VCKX310 indicator signal to " + std::to_string(g_msgIndicatorSignal), sent[0]);
    EXPECT_EQ(bar.Handle(), driver.sent[from].callback) << "the reports come to the status bar";
    EXPECT_EQ("set VCKX310 indicator interval to 100", sent[1]);
    HWND progress = bar.Progress();
    ASSERT_NE(nullptr, progress);
    EXPECT_FALSE(IsWindowVisible(progress));
    auto report = [&](WPARAM w) { SendMessageA(bar.Handle(), g_msgIndicatorSignal, w, 0); };
    auto position = [&] { return static_cast<int>(SendMessageA(progress, PBM_GETPOS, 0, 0)); };

    report(550);  // without a level 0 first: the hidden bar moves
    EXPECT_FALSE(IsWindowVisible(progress));
    EXPECT_EQ(5, position());
    for (WPARAM w : {0u, 42u, 99u}) {
        report(1000);
        report(w);
        EXPECT_TRUE(IsWindowVisible(progress)) << w;
        EXPECT_EQ(0, position()) << w;
    }
    RECT pane{}, placed{};
    SendMessageA(bar.Handle(), SB_GETRECT, 0, reinterpret_cast<LPARAM>(&pane));
    GetWindowRect(progress, &placed);
    MapWindowPoints(nullptr, bar.Handle(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(pane.left, placed.left);
    EXPECT_EQ(pane.right, placed.right);
    report(730);
    EXPECT_EQ(7, position());
    for (WPARAM w : {1000u, 1050u, 1099u}) {
        report(0);
        report(w);
        EXPECT_FALSE(IsWindowVisible(progress)) << w;
        EXPECT_EQ(0, position()) << w;
    }
    DestroyWindow(parent);
}

// On other versions the driver shows its own indicator and the bar has none.
TEST_F(MainFrameToolsTest, OtherVersionsTurnTheDriversIndicatorOn)
{
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    const size_t from = driver.Count();
    CViewerStatusBar bar;
    ASSERT_TRUE(bar.Create(parent, false));
    EXPECT_EQ((Texts{"set VCKX310 indicator on"}), driver.Since(from));
    EXPECT_EQ(nullptr, bar.Progress());
    SendMessageA(bar.Handle(), g_msgIndicatorSignal, 0, 0);  // ignored
    DestroyWindow(parent);
}

}  // namespace
