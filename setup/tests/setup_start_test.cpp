// The setup tool as a program with the simulated card: its start from the
// desktop with the input probe, the hand-over of the device to and from the
// viewer, the closing questions, and the pages as a person uses them, each
// checked in the card's command log.
#include "program_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include <commctrl.h>
#include <prsht.h>

namespace {

using namespace setup_test;

const char kSetupClass[] = "KX310SetupClass";
const char kViewerClass[] = "KX310WINClass";
const char kCaption[] = "Vistacard KX310 Setup";
constexpr int kSaveButton = 0x3021;

std::string SetupTool(const char* args = "")
{
    return ProgramDirectory() + "kx310stw.exe" + args;
}
std::string Viewer()
{
    return ProgramDirectory() + "kx310win.exe";
}

// Sends a message to another process's window and waits for its answer.
LRESULT SendTo(HWND wnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(wnd, msg, wp, lp, SMTO_NORMAL, 15000, &result);
    return static_cast<LRESULT>(result);
}

HWND CurrentPage(HWND sheet)
{
    return reinterpret_cast<HWND>(SendTo(sheet, PSM_GETCURRENTPAGEHWND));
}

HWND ShowPage(HWND sheet, int index)
{
    SendTo(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return CurrentPage(sheet);
}

void Scroll(HWND page, int barId, int request, int position = 0)
{
    SendTo(page, WM_HSCROLL, MAKEWPARAM(request, position), reinterpret_cast<LPARAM>(GetDlgItem(page, barId)));
}

void ChooseInput(HWND page, int item)
{
    HWND combo = GetDlgItem(page, 202);
    SendTo(combo, CB_SETCURSEL, static_cast<WPARAM>(item));
    SendTo(page, WM_COMMAND, MAKEWPARAM(202, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void Click(HWND dialog, int id)
{
    SendTo(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

class SetupStartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!DriverInstalled())
            GTEST_SKIP() << "the simulated card's driver kx310mci.dll is not next to the programs";
        ASSERT_EQ(nullptr, WindowOf(kSetupClass, 0)) << "a setup tool is running already";
        ASSERT_EQ(nullptr, WindowOf(kViewerClass, 0)) << "a viewer is running already";
    }
    // Starts the viewer and then the setup tool as the viewer's Display
    // Setting does; the viewer gives the device up and ends.
    std::unique_ptr<Process> StartThroughViewer(HWND& sheet)
    {
        sheet = nullptr;
        Process viewer(Viewer());
        if (!WaitForWindow(kViewerClass, viewer.Id()))
            return nullptr;
        auto setup = std::make_unique<Process>(SetupTool(" L=VideoDeck&Setup"));
        EXPECT_EQ(0u, viewer.Wait(15000)) << "the viewer gave the device up and ended";
        sheet = WaitForWindow(kSetupClass, setup->Id());
        return setup;
    }
};

TEST_F(SetupStartTest, StartsFromTheDesktopOnTheSystemPageAndClosesWithoutQuestions)
{
    CardValues values;
    CommandLog log("kx310_setup_start_log.txt");
    Process setup(SetupTool());
    HWND sheet = WaitForWindow(kSetupClass, setup.Id());
    ASSERT_NE(nullptr, sheet) << "the sheet is a window of the class the viewer looks for";
    EXPECT_EQ(kCaption, TextOf(sheet));
    EXPECT_EQ("&Close", TextOf(GetDlgItem(sheet, IDOK)));
    EXPECT_EQ("&Save", TextOf(GetDlgItem(sheet, kSaveButton)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(sheet, kSaveButton)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet, IDCANCEL)));
    HWND tabs = reinterpret_cast<HWND>(SendTo(sheet, PSM_GETTABCONTROL));
    EXPECT_EQ(3, SendTo(tabs, TCM_GETITEMCOUNT));

    std::vector<std::string> lines = log.Lines();
    // The probe: input 0 has a signal, and still a second later.
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ((std::vector<std::string>{"open -> 0", "set source number to 0 -> 0", "get video -> 0 [0 1]",
                                        "get video -> 0 [0 1]"}),
              std::vector<std::string>(lines.begin(), lines.begin() + 4));
    // The System page names its picture as the video window and places the
    // video in its magenta area.
    HWND page = CurrentPage(sheet);
    const std::string picture = std::to_string(reinterpret_cast<INT_PTR>(GetDlgItem(page, 206)));
    EXPECT_EQ((std::vector<std::string>{"set video key color to 16711935 -> 0", "set card type to 3 -> 0",
                                        "window handle " + picture + " -> 0",
                                        "put frame at 0 0 153 113 deferred -> 0",
                                        "put source at 0 0 153 113 deferred -> 0",
                                        "put destination at 15 16 153 113 -> 0"}),
              From(lines, "set video key color", 6));
    // The picture is its bitmap's size.
    RECT r{};
    GetClientRect(GetDlgItem(page, 206), &r);
    EXPECT_EQ(184, r.right);
    EXPECT_EQ(169, r.bottom);
    // Its background is the button face; the live video shows through its
    // magenta area (but not through the bars drawn over it).
    POINT origin{0, 0};
    ClientToScreen(GetDlgItem(page, 206), &origin);
    auto screenPixel = [&](int x, int y) {
        HDC screen = GetDC(nullptr);
        COLORREF c = GetPixel(screen, origin.x + x, origin.y + y);
        ReleaseDC(nullptr, screen);
        return c;
    };
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), screenPixel(3, 3));
    EXPECT_TRUE(test_support::WaitFor([&] { return screenPixel(35, 70) != RGB(255, 0, 255); }, 5000))
        << "the video is keyed into the picture";
    EXPECT_EQ(RGB(0, 0, 0), screenPixel(15 + 38 + 8, 70)) << "the left bar stays on top";

    // Moving the sheet places the video again.
    const size_t destinations = CountStarting(log.Lines(), "put destination at 15 16 153 113");
    RECT at{};
    GetWindowRect(sheet, &at);
    SetWindowPos(sheet, nullptr, at.left + 20, at.top + 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(test_support::WaitFor(
        [&] { return CountStarting(log.Lines(), "put destination at 15 16 153 113") > destinations; }, 5000));

    // Nothing changed and not started by the viewer: Close asks nothing.
    Click(sheet, IDOK);
    EXPECT_EQ(0u, setup.Wait(10000));
    lines = log.Lines();
    EXPECT_EQ(1u, CountStarting(lines, "close"));
    EXPECT_EQ("close -> 0", lines.back());
    EXPECT_EQ(0u, CountStarting(lines, "save"));
}

TEST_F(SetupStartTest, ProbeWithoutAnySignalLeavesSourceZero)
{
    CardValues values("-1 -1 -1");
    CommandLog log("kx310_setup_probe_log.txt");
    Process setup(SetupTool());
    HWND sheet = WaitForWindow(kSetupClass, setup.Id());
    ASSERT_NE(nullptr, sheet);
    std::vector<std::string> lines = log.Lines();
    EXPECT_EQ((std::vector<std::string>{"open -> 0", "set source number to 0 -> 0", "get video -> 0 [0 -1]",
                                        "set source number to 1 -> 0", "get video -> 0 [1 -1]",
                                        "set source number to 3 -> 0", "get video -> 0 [3 -1]",
                                        "set source number to 0 -> 0"}),
              std::vector<std::string>(lines.begin(), lines.begin() + std::min<size_t>(8, lines.size())));
    PostMessageA(sheet, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, setup.Wait(10000));
}

TEST_F(SetupStartTest, TakesTheDeviceFromTheViewerAndReopensItOnYes)
{
    CardValues values;
    CommandLog log("kx310_setup_handover_log.txt");
    HWND sheet = nullptr;
    std::unique_ptr<Process> setup = StartThroughViewer(sheet);
    ASSERT_NE(nullptr, sheet);
    // The viewer closed the device before the setup tool opened it.
    std::vector<std::string> lines = log.Lines();
    ASSERT_EQ(2u, CountStarting(lines, "open -> 0"));
    auto close = std::find(lines.begin(), lines.end(), "close -> 0");
    auto second = std::find(std::find(lines.begin(), lines.end(), "open -> 0") + 1, lines.end(), "open -> 0");
    EXPECT_LT(close, second);

    PostMessageA(sheet, WM_CLOSE, 0, 0);
    AnsweredBox reopen = AnswerBox(kCaption, IDYES);
    ASSERT_TRUE(reopen.found);
    EXPECT_EQ(setup->Id(), reopen.process);
    EXPECT_EQ("Re-open Video Deck KX310 application?", reopen.text);
    EXPECT_EQ(0u, setup->Wait(15000));
    // The viewer comes back and opens the device the setup tool closed.
    HWND viewer = WaitForWindow(kViewerClass, 0);
    ASSERT_NE(nullptr, viewer);
    lines = log.Lines();
    EXPECT_EQ(3u, CountStarting(lines, "open -> 0"));
    EXPECT_EQ(2u, CountStarting(lines, "close -> 0"));
    PostMessageA(viewer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(test_support::WaitFor([] { return WindowOf(kViewerClass, 0) == nullptr; }, 15000));
}

TEST_F(SetupStartTest, ClosingQuestionsComeInOrderAndCancelKeepsTheSheet)
{
    CardValues values;
    CommandLog log("kx310_setup_questions_log.txt");
    HWND sheet = nullptr;
    std::unique_ptr<Process> setup = StartThroughViewer(sheet);
    ASSERT_NE(nullptr, sheet);
    HWND page = CurrentPage(sheet);
    // X offset of the window alignment: 0 to 63, a page is 3.
    Scroll(page, 207, SB_PAGERIGHT);
    EXPECT_EQ("set skew win addr x to 35 -> 0", log.Lines().back());
    EXPECT_EQ("35", TextOf(GetDlgItem(page, 209)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sheet, kSaveButton)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, 221)));

    PostMessageA(sheet, WM_CLOSE, 0, 0);
    AnsweredBox first = AnswerBox(kCaption, IDCANCEL);
    EXPECT_EQ("Re-open Video Deck KX310 application?", first.text);
    test_support::Pump(300);
    EXPECT_TRUE(setup->Running());

    // Cancel at the save question keeps it open too; the re-open question
    // is asked again first.
    PostMessageA(sheet, WM_CLOSE, 0, 0);
    EXPECT_EQ("Re-open Video Deck KX310 application?", AnswerBox(kCaption, IDNO).text);
    EXPECT_EQ("Do you want to save current configuration?", AnswerBox(kCaption, IDCANCEL).text);
    test_support::Pump(300);
    EXPECT_TRUE(setup->Running());
    EXPECT_EQ(0u, CountStarting(log.Lines(), "save"));

    PostMessageA(sheet, WM_CLOSE, 0, 0);
    EXPECT_EQ("Re-open Video Deck KX310 application?", AnswerBox(kCaption, IDNO).text);
    EXPECT_EQ("Do you want to save current configuration?", AnswerBox(kCaption, IDYES).text);
    EXPECT_EQ(0u, setup->Wait(15000));
    std::vector<std::string> lines = log.Lines();
    EXPECT_EQ((std::vector<std::string>{"save type config -> 0", "close -> 0"}), From(lines, "save", 2));
    EXPECT_NE(std::string::npos, values.Config().find("skewwinx=35")) << values.Config();
    // No re-open: no viewer comes back.
    test_support::Pump(1000);
    EXPECT_EQ(nullptr, WindowOf(kViewerClass, 0));
}

TEST_F(SetupStartTest, AStartingViewerEndsTheSetupToolWithoutQuestions)
{
    CardValues values;
    CommandLog log("kx310_setup_giveway_log.txt");
    Process setup(SetupTool());
    HWND sheet = WaitForWindow(kSetupClass, setup.Id());
    ASSERT_NE(nullptr, sheet);
    Scroll(CurrentPage(sheet), 216, SB_LINERIGHT);  // a change that is never saved
    EXPECT_EQ("set video key correct to 1 -> 0", log.Lines().back());
    const size_t before = log.Lines().size();
    Process viewer(Viewer());
    EXPECT_EQ(0u, setup.Wait(15000));
    HWND frame = WaitForWindow(kViewerClass, viewer.Id());
    ASSERT_NE(nullptr, frame);
    // The setup tool closed the device, then the viewer opened it.
    std::vector<std::string> lines = log.Lines();
    ASSERT_GE(lines.size(), before + 2);
    EXPECT_EQ("close -> 0", lines[before]);
    EXPECT_EQ("open -> 0", lines[before + 1]);
    EXPECT_EQ(0u, CountStarting(lines, "save"));
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, viewer.Wait(15000));
}

TEST_F(SetupStartTest, ColorPageStepsAndRestoresPerInput)
{
    CardValues values;
    CommandLog log("kx310_setup_color_log.txt");
    Process setup(SetupTool());
    HWND sheet = WaitForWindow(kSetupClass, setup.Id());
    ASSERT_NE(nullptr, sheet);
    HWND page = ShowPage(sheet, 1);
    ASSERT_NE(nullptr, GetDlgItem(page, 200));
    EXPECT_EQ("Input 0", TextOf(GetDlgItem(page, 202)));
    EXPECT_EQ("PAL", TextOf(GetDlgItem(page, 218)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, 221)));

    // Hue 0 to 255: a page is 31.
    Scroll(page, 200, SB_PAGERIGHT);
    EXPECT_EQ("set hue to 159 -> 0", log.Lines().back());
    EXPECT_EQ("159", TextOf(GetDlgItem(page, 211)));
    // Input 1 finds its own first value; back on input 0 the move is known.
    ChooseInput(page, 1);
    EXPECT_EQ(1u, CountStarting(log.Lines(), "set source number to 1"));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, 221)));
    ChooseInput(page, 0);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, 221)));
    const size_t before = log.Lines().size();
    Click(page, 221);
    std::vector<std::string> lines = log.Lines();
    EXPECT_EQ(1u, CountStarting(std::vector<std::string>(lines.begin() + static_cast<long>(before), lines.end()),
                                "set hue to 128"));
    EXPECT_EQ("128", TextOf(GetDlgItem(page, 211)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, 221)));
    // The key that scrolls to the left end.
    Scroll(page, 201, SB_LEFT);
    EXPECT_EQ("set brightness to 0 -> 0", log.Lines().back());
    PostMessageA(sheet, WM_CLOSE, 0, 0);
    EXPECT_FALSE(AnswerBox(kCaption, IDNO).text.empty());
    EXPECT_EQ(0u, setup.Wait(10000));
}

TEST_F(SetupStartTest, VideoPageAlignmentFollowsTheSignal)
{
    CardValues values("1 -1 1");
    CommandLog log("kx310_setup_video_log.txt");
    Process setup(SetupTool());
    HWND sheet = WaitForWindow(kSetupClass, setup.Id());
    ASSERT_NE(nullptr, sheet);
    HWND page = ShowPage(sheet, 2);
    ASSERT_NE(nullptr, GetDlgItem(page, 212));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, 212)));

    // Input 1 has no signal: the alignment is off and nothing is set.
    ChooseInput(page, 1);
    EXPECT_EQ("Unknown", TextOf(GetDlgItem(page, 218)));
    for (int id : {212, 214, 1027, 1028})
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, id))) << id;
    EXPECT_EQ(0u, CountStarting(log.Lines(), "set source to"));

    // Back on input 0 the signal is read again a second later and set.
    ChooseInput(page, 0);
    EXPECT_EQ("PAL", TextOf(GetDlgItem(page, 218)));
    for (int id : {212, 214, 1027, 1028})
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, id))) << id;
    EXPECT_EQ(1u, CountStarting(log.Lines(), "set source to 1"));
    // The page step of the display alignment (0 to 63): 3.
    Scroll(page, 212, SB_PAGERIGHT);
    EXPECT_EQ("set skew disp addr x to 35 -> 0", log.Lines().back());
    // The timer keeps checking while the page is shown: no new type, no set.
    test_support::Pump(1200);
    EXPECT_EQ(1u, CountStarting(log.Lines(), "set source to"));
    PostMessageA(sheet, WM_CLOSE, 0, 0);
    AnswerBox(kCaption, IDNO);
    EXPECT_EQ(0u, setup.Wait(10000));
}

TEST_F(SetupStartTest, DisplaySettingOfTheViewerStartsTheSetupToolWhichOffersItBack)
{
    CardValues values;
    Process viewer(Viewer());
    HWND frame = WaitForWindow(kViewerClass, viewer.Id());
    ASSERT_NE(nullptr, frame);
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(32799, 0), 0);  // Options, Display Setting
    AnsweredBox question = AnswerBox("Open Setup", IDYES);
    ASSERT_TRUE(question.found);
    EXPECT_EQ("Do you want to open the Setup program?", question.text);
    EXPECT_EQ(0u, viewer.Wait(15000)) << "the setup tool took the device and the viewer ended";
    HWND sheet = WaitForWindow(kSetupClass, 0);
    ASSERT_NE(nullptr, sheet);
    DWORD setupId = 0;
    GetWindowThreadProcessId(sheet, &setupId);
    // Started by the viewer, it offers to start it again.
    PostMessageA(sheet, WM_CLOSE, 0, 0);
    AnsweredBox reopen = AnswerBox(kCaption, IDNO);
    EXPECT_EQ("Re-open Video Deck KX310 application?", reopen.text);
    EXPECT_EQ(setupId, reopen.process);
    EXPECT_TRUE(test_support::WaitFor([] { return WindowOf(kSetupClass, 0) == nullptr; }, 15000));
    test_support::Pump(1000);
    EXPECT_EQ(nullptr, WindowOf(kViewerClass, 0));
}

TEST_F(SetupStartTest, ASecondStartBringsTheFirstForwardAndEnds)
{
    CardValues values;
    Process first(SetupTool());
    HWND sheet = WaitForWindow(kSetupClass, first.Id());
    ASSERT_NE(nullptr, sheet);
    Process second(SetupTool());
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(0u, second.Wait(10000));
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(sheet, WindowOf(kSetupClass, 0));
    // The About item: without the About library nothing is shown.
    PostMessageA(sheet, WM_SYSCOMMAND, 16, 0);
    test_support::Pump(500);
    EXPECT_EQ(nullptr, FindWindowA("#32770", nullptr));
    EXPECT_TRUE(first.Running());
    PostMessageA(sheet, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, first.Wait(10000));
}

TEST_F(SetupStartTest, DriverHeldByAnotherProgramStopsTheStart)
{
    // Held as a loaded driver is held, by a program that is not the viewer.
    const std::string file = ProgramDirectory() + "kx310mci32.dll";
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    Process setup(SetupTool());
    AnsweredBox box = AnswerBox("Open Error", IDOK);
    CloseHandle(held);
    ASSERT_TRUE(box.found);
    EXPECT_EQ(setup.Id(), box.process);
    EXPECT_EQ("Another application is using the driver. You can close the application, then try using Vistacard "
              "KX310 Setup again.",
              box.text);
    EXPECT_NE(STILL_ACTIVE, setup.Wait(10000));
    EXPECT_EQ(nullptr, WindowOf(kSetupClass, 0));
}

}  // namespace
