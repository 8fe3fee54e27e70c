// The viewer as a program: start-up with the simulated card, the second
// start, the hand-over of the device in both directions, a driver held by a
// program that is not the setup tool, and the Windows version 4 branch.
// These tests need the simulated card's driver next to the programs.
#include "program_process.h"
#include "text_lines.h"
#include "window_test_support.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using kxtest::DriverInstalled;
using kxtest::Process;
using kxtest::ProgramDirectory;
using kxtest::WaitForWindow;
using kxtest::WindowOf;

int CountWindows(const char* cls)
{
    int n = 0;
    for (HWND wnd = FindWindowA(cls, nullptr); wnd; wnd = FindWindowExA(nullptr, wnd, cls, nullptr))
        ++n;
    return n;
}

const char kSettingsKey[] = "Software\\Halvorn Tech\\Vistacard KX310\\Video Deck KX310\\Settings";

std::string SavedPlacement()
{
    char value[128] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, "WindowPos", RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return {};
    return value;
}

// Holds a file as a loaded driver image is held; creates it when missing
// and removes it again then.
class HeldFile {
public:
    explicit HeldFile(const std::string& path) : path_(path)
    {
        created_ = GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
        handle_ = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    }
    ~HeldFile()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
        if (created_)
            DeleteFileA(path_.c_str());
    }
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    std::string path_;
    bool created_ = false;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// The simulated card's log of the commands it was given, one line each.
class CommandLog {
public:
    CommandLog()
    {
        char dir[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, dir);
        path_ = std::string(dir) + "kx310_viewer_start_log.txt";
        DeleteFileA(path_.c_str());
        SetEnvironmentVariableA("KX310MCI_LOG", path_.c_str());
    }
    ~CommandLog()
    {
        SetEnvironmentVariableA("KX310MCI_LOG", nullptr);
        DeleteFileA(path_.c_str());
    }
    std::vector<std::string> Lines() const { return kxtest::ReadTextLines(path_); }

private:
    std::string path_;
};

std::string ViewHandleText(HWND frame)
{
    return std::to_string(reinterpret_cast<INT_PTR>(GetDlgItem(frame, 0xE900)));
}

// The log without the device's opening and the video source the view sends
// when it is built: what the test looks at is the order that follows.
std::vector<std::string> AfterOpenAndSource(const std::vector<std::string>& lines)
{
    std::vector<std::string> rest;
    for (const std::string& line : lines)
        if (line.rfind("open", 0) != 0 && line.rfind("set source number to", 0) != 0)
            rest.push_back(line);
    return rest;
}

// Everything from `from` on is placement sequences: card type 3, the
// deferred frame and source rectangles, and the destination that applies
// them (the viewer is still running, so the last one may be under way).
void ExpectOnlyPlacements(const std::vector<std::string>& lines, size_t from)
{
    ASSERT_LT(from, lines.size()) << "the view placed the video once it was shown";
    const char* const starts[] = {"set card type to 3 -> 0", "put frame at 0 0 ", "put source at 0 0 ",
                                  "put destination -> 0"};
    for (size_t i = from; i < lines.size(); ++i)
        EXPECT_EQ(0u, lines[i].find(starts[(i - from) % 4])) << lines[i];
}

const char kViewerClass[] = "KX310WINClass";
const char kDriverInUse[] =
    "Another application is using the driver. You can close the application, then try using Video Deck KX310 "
    "again.";

class ViewerStartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!DriverInstalled())
            GTEST_SKIP() << "the simulated card's driver kx310mci.dll is not next to the programs";
        ASSERT_EQ(0, CountWindows(kViewerClass)) << "a viewer is running already";
    }
    std::string Viewer() const { return ProgramDirectory() + "kx310win.exe"; }
};

TEST_F(ViewerStartTest, StartsWithTheCardAndEndsCleanlyOnClose)
{
    CommandLog log;
    Process viewer(Viewer());
    ASSERT_TRUE(viewer.Started());
    HWND frame = WaitForWindow(kViewerClass, viewer.Id());
    ASSERT_NE(nullptr, frame);
    // The view names itself to the card, the status bar asks for the
    // driver's own progress indicator, then the view places the video.
    std::vector<std::string> lines = AfterOpenAndSource(log.Lines());
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ((std::vector<std::string>{"set card type to 3 -> 0", "window handle " + ViewHandleText(frame) + " -> 0",
                                        "set indicator on -> 0"}),
              std::vector<std::string>(lines.begin(), lines.begin() + 3));
    ExpectOnlyPlacements(lines, 3);
    char title[64] = {};
    GetWindowTextA(frame, title, sizeof title);
    EXPECT_STREQ("Video Deck KX310", title);
    SetWindowPos(frame, nullptr, 20, 30, 560, 420, SWP_NOZORDER | SWP_NOACTIVATE);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, viewer.Wait(10000));
    EXPECT_EQ("20 30 580 450", SavedPlacement());
}

TEST_F(ViewerStartTest, SecondStartRestoresTheFirstAndEnds)
{
    Process first(Viewer());
    HWND frame = WaitForWindow(kViewerClass, first.Id());
    ASSERT_NE(nullptr, frame);
    SendMessageA(frame, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(test_support::WaitFor([&] { return IsIconic(frame) != FALSE; }, 5000));

    Process second(Viewer());
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(0u, second.Wait(10000));
    EXPECT_TRUE(test_support::WaitFor([&] { return !IsIconic(frame); }, 5000));
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(1, CountWindows(kViewerClass));

    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, first.Wait(10000));
}

TEST_F(ViewerStartTest, HandOverRequestClosesTheDeviceSavesThePlacementAndEnds)
{
    Process viewer(Viewer());
    HWND frame = WaitForWindow(kViewerClass, viewer.Id());
    ASSERT_NE(nullptr, frame);
    SetWindowPos(frame, nullptr, 40, 50, 600, 430, SWP_NOZORDER | SWP_NOACTIVATE);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(frame, RegisterWindowMessageA("MSGVideoDeck&Setup"), 0, 0, SMTO_NORMAL, 10000, &result);
    EXPECT_EQ(0u, viewer.Wait(10000));
    EXPECT_EQ("40 50 640 480", SavedPlacement());
    // The device was given up: a new viewer opens it again.
    Process next(Viewer());
    HWND again = WaitForWindow(kViewerClass, next.Id());
    ASSERT_NE(nullptr, again);
    PostMessageA(again, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, next.Wait(10000));
}

TEST_F(ViewerStartTest, SetupToolHoldingTheDriverHandsItOver)
{
    Process setup(ProgramDirectory() + "setup_tool_double.exe hold=" + ProgramDirectory() + "kx310mci.dll");
    ASSERT_TRUE(setup.Started());
    ASSERT_TRUE(test_support::WaitFor([&] { return WindowOf("KX310SetupClass", setup.Id()) != nullptr; }));

    Process viewer(Viewer());
    EXPECT_EQ(0u, setup.Wait(10000));  // asked for the device, it let go and ended
    HWND frame = WaitForWindow(kViewerClass, viewer.Id());
    ASSERT_NE(nullptr, frame);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, viewer.Wait(10000));
}

TEST_F(ViewerStartTest, DriverHeldByAnotherProgramStopsTheStart)
{
    HeldFile driver(ProgramDirectory() + "kx310mci.dll");
    ASSERT_TRUE(driver.Held());
    test_support::MessageBoxAnswerer answer("Open Error", IDOK);
    Process viewer(Viewer());
    answer.Join();
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ(viewer.Id(), answer.Seen().process);
    EXPECT_EQ(kDriverInUse, answer.Seen().text);
    EXPECT_EQ(nullptr, WindowOf(kViewerClass, viewer.Id()));  // no window before the device is open
    EXPECT_NE(STILL_ACTIVE, viewer.Wait(10000));
}

// Wine reports Windows 4.0 to a program named in its AppDefaults.
class Version4 {
public:
    Version4()
    {
        RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key_, nullptr);
        RegSetValueExA(key_, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("nt40"), 5);
    }
    ~Version4()
    {
        RegCloseKey(key_);
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    }

private:
    static constexpr char kKey[] = "Software\\Wine\\AppDefaults\\kx310win.exe";
    HKEY key_ = nullptr;
};

TEST_F(ViewerStartTest, Version4TestsTheDrvFileAndReadsTheMciSection)
{
    HeldFile drv(ProgramDirectory() + "kx310mci.drv");
    ASSERT_TRUE(drv.Held());
    {
        // Other versions look at the .dll: the held .drv does not matter.
        Process viewer(Viewer());
        HWND frame = WaitForWindow(kViewerClass, viewer.Id());
        ASSERT_NE(nullptr, frame);
        PostMessageA(frame, WM_CLOSE, 0, 0);
        EXPECT_EQ(0u, viewer.Wait(10000));
    }
    Version4 version4;
    {
        test_support::MessageBoxAnswerer answer("Open Error", IDOK);
        Process viewer(Viewer());
        answer.Join();
        ASSERT_TRUE(answer.Answered());
        EXPECT_EQ(kDriverInUse, answer.Seen().text);
        EXPECT_NE(STILL_ACTIVE, viewer.Wait(10000));
    }
}

// Takes one entry out of system.ini for the length of a scope.
class RemovedProfileEntry {
public:
    RemovedProfileEntry(const char* section, const char* key) : section_(section), key_(key)
    {
        GetPrivateProfileStringA(section, key, "", value_, sizeof value_, "system.ini");
        WritePrivateProfileStringA(section, key, nullptr, "system.ini");
    }
    ~RemovedProfileEntry()
    {
        if (value_[0])
            WritePrivateProfileStringA(section_, key_, value_, "system.ini");
    }

private:
    const char* section_;
    const char* key_;
    char value_[260] = {};
};

TEST_F(ViewerStartTest, Version4StartsFromTheMciSection)
{
    RemovedProfileEntry onlyMci("mci32", "overlay");
    {
        // Other versions find no driver entry now.
        test_support::MessageBoxAnswerer answer("Open Error", IDOK);
        Process viewer(Viewer());
        answer.Join();
        ASSERT_TRUE(answer.Answered());
        EXPECT_EQ(0u, answer.Seen().text.find("Could not initialize Vistacard KX310."));
        EXPECT_NE(STILL_ACTIVE, viewer.Wait(10000));
    }
    Version4 version4;
    CommandLog log;
    Process viewer(Viewer());
    HWND frame = WaitForWindow(kViewerClass, viewer.Id());
    ASSERT_NE(nullptr, frame);
    // On version 4 the driver reports progress to the status bar itself.
    const std::string signal = std::to_string(RegisterWindowMessageA("MSGIndicatorSignal"));
    std::vector<std::string> lines = AfterOpenAndSource(log.Lines());
    ASSERT_GE(lines.size(), 4u);
    ExpectOnlyPlacements(lines, 4);
    EXPECT_EQ("set card type to 3 -> 0", lines[0]);
    EXPECT_EQ("window handle " + ViewHandleText(frame) + " -> 0", lines[1]);
    // (The driver adds which window it will signal.)
    EXPECT_EQ(0u, lines[2].find("set indicator signal to " + signal + " ")) << lines[2];
    EXPECT_EQ("set indicator interval to 100 -> 0", lines[3]);

    // The status bar's progress bar, hidden while idle, shows from the
    // driver's level 0 over the message pane and goes at level 10.
    HWND bar = FindWindowExA(frame, nullptr, STATUSCLASSNAMEA, nullptr);
    ASSERT_NE(nullptr, bar);
    HWND progress = FindWindowExA(bar, nullptr, PROGRESS_CLASSA, nullptr);
    ASSERT_NE(nullptr, progress);
    EXPECT_FALSE(IsWindowVisible(progress));
    const UINT report = RegisterWindowMessageA("MSGIndicatorSignal");
    SendMessageA(bar, report, 50, 0);
    EXPECT_TRUE(IsWindowVisible(progress));
    SendMessageA(bar, report, 600, 0);
    EXPECT_EQ(6, SendMessageA(progress, PBM_GETPOS, 0, 0));
    SendMessageA(bar, report, 1000, 0);
    EXPECT_FALSE(IsWindowVisible(progress));
    EXPECT_EQ(0, SendMessageA(progress, PBM_GETPOS, 0, 0));
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, viewer.Wait(10000));
}

}  // namespace
