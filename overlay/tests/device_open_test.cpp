// The device open: the driver entries of system.ini, the driver-file test,
// the hand-over from a setup tool window, and the start of the setup tool.
// system.ini is a file of the test's own and the raw MCI calls go to a
// recorder, so nothing here needs the driver.
#include "device_open.h"
#include "message_box_watcher.h"
#include "overlay_viewer.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> sent;
std::vector<MCIERROR> results;  // one per open tried; missing entries succeed

MCIERROR WINAPI RecordSend(LPCSTR command, LPSTR, UINT, HWND)
{
    sent.push_back(command);
    if (sent.size() <= results.size())
        return results[sent.size() - 1];
    return 0;
}

std::string ProgramDirectory()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.rfind('\\') + 1);
}

std::string TempPath(const char* name)
{
    char dir[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

// Holds a file as a loaded driver image is held: others may read it, nobody
// may open it exclusively (an exclusive hold would hide the file from the
// existence test too).  Creates the file when missing and removes it then.
class HeldFile {
public:
    explicit HeldFile(const std::string& path) : path_(path)
    {
        created_ = GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
        handle_ = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    ~HeldFile()
    {
        Release();
        if (created_)
            DeleteFileA(path_.c_str());
    }
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    std::string path_;
    bool created_ = false;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

class DeviceOpenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ini_ = TempPath("kx310_device_open_test.ini");
        DeleteFileA(ini_.c_str());
        sent.clear();
        results.clear();
        DeviceOpenEnvironment env;
        env.profileFile = ini_.c_str();
        env.sendString = RecordSend;
        env.majorVersion = 6;
        previous_ = SetDeviceOpenEnvironment(env);
    }
    void TearDown() override
    {
        SetDeviceOpenEnvironment(previous_);
        DeleteFileA(ini_.c_str());
    }

    void UseMajorVersion(DWORD major)
    {
        DeviceOpenEnvironment env = SetDeviceOpenEnvironment(DeviceOpenEnvironment{});
        env.majorVersion = major;
        SetDeviceOpenEnvironment(env);
    }
    void Entry(const char* section, const char* key, const char* value)
    {
        WritePrivateProfileStringA(section, key, value, ini_.c_str());
    }

    std::string ini_;
    DeviceOpenEnvironment previous_;
};

const char kOpenCommand[] = "open overlay alias VCKX310";
const char kCouldNotInitialize[] =
    "Could not initialize Vistacard KX310. \nEither there is a hardware conflict, or the drivers for the card "
    "could not be found.";
const char kDriverInUse[] =
    "Another application is using the driver. You can close the application, then try using Video Deck KX310 "
    "again.";

// Runs first: the device-open flag is process-wide and never cleared.
TEST_F(DeviceOpenTest, EmptySectionSaysCouldNotInitializeAndOpensNothing)
{
    // The section is there but empty; the other version's section does not count.
    HANDLE file = CreateFileA(ini_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    const char content[] = "[MCI32]\r\n[MCI]\r\noverlay=kx310mci.drv\r\n";
    DWORD written = 0;
    WriteFile(file, content, sizeof content - 1, &written, nullptr);
    CloseHandle(file);
    kxtest::MessageBoxWatcher watcher(IDOK);
    char text[16] = "not empty";
    EXPECT_FALSE(OpenOverlayDevice(text));
    EXPECT_STREQ("", text);
    EXPECT_TRUE(sent.empty());
    EXPECT_FALSE(IsOverlayDeviceOpen());
    auto seen = watcher.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Open Error", seen[0].caption);
    EXPECT_EQ(kCouldNotInitialize, seen[0].text);
    EXPECT_TRUE(seen[0].hasIcon);
}

TEST_F(DeviceOpenTest, KeyAndValueMatchWithoutRegardToCase)
{
    Entry("MCI32", "overlay1", "other.dll");
    Entry("MCI32", "Overlay", "KX310MCI.DLL");
    EXPECT_TRUE(OpenOverlayDevice());
    ASSERT_EQ(1u, sent.size());  // overlay1 names another driver and is skipped
    EXPECT_EQ(kOpenCommand, sent[0]);
    EXPECT_TRUE(IsOverlayDeviceOpen());
}

TEST_F(DeviceOpenTest, KeyContainingOverlayWithTheDriverInCapitalsMatches)
{
    Entry("MCI32", "videooverlay", "C:\\DRIVERS\\KX310MCI.DRV");
    EXPECT_TRUE(OpenOverlayDevice());
    EXPECT_EQ(1u, sent.size());
}

TEST_F(DeviceOpenTest, KeysThatNameNoOverlayDriverAreSkipped)
{
    Entry("MCI32", "overlay", "other.dll");
    Entry("MCI32", "video", "kx310mci.dll");
    kxtest::MessageBoxWatcher watcher(IDOK);
    EXPECT_FALSE(OpenOverlayDevice());
    EXPECT_TRUE(sent.empty());
    ASSERT_EQ(1u, watcher.Seen().size());
    EXPECT_EQ(kCouldNotInitialize, watcher.Seen()[0].text);
}

TEST_F(DeviceOpenTest, LaterKeyIsTriedAfterAFailingOpen)
{
    Entry("MCI32", "overlay", "kx310mci.dll");
    Entry("MCI32", "overlay2", "kx310mci.dll");
    results = {MCIERR_DEVICE_OPEN};
    EXPECT_TRUE(OpenOverlayDevice());
    EXPECT_EQ(2u, sent.size());

    sent.clear();
    results = {MCIERR_DEVICE_OPEN, MCIERR_CANNOT_LOAD_DRIVER};
    kxtest::MessageBoxWatcher watcher(IDOK);
    EXPECT_FALSE(OpenOverlayDevice());
    EXPECT_EQ(2u, sent.size());
    ASSERT_EQ(1u, watcher.Seen().size());
    EXPECT_EQ(kCouldNotInitialize, watcher.Seen()[0].text);
}

TEST_F(DeviceOpenTest, Version4ReadsTheMciSection)
{
    UseMajorVersion(4);
    Entry("MCI32", "overlay", "kx310mci.dll");
    {
        kxtest::MessageBoxWatcher watcher(IDOK);
        EXPECT_FALSE(OpenOverlayDevice());
        EXPECT_EQ(1u, watcher.Seen().size());
    }
    EXPECT_TRUE(sent.empty());
    Entry("MCI", "overlay", "kx310mci.drv");
    EXPECT_TRUE(OpenOverlayDevice());
    EXPECT_EQ(1u, sent.size());
}

TEST_F(DeviceOpenTest, HeldDriverWithoutSetupToolSaysAnotherApplication)
{
    Entry("MCI32", "overlay", "kx310mci.dll");
    HeldFile driver(ProgramDirectory() + "kx310mci.dll");
    ASSERT_TRUE(driver.Held());
    kxtest::MessageBoxWatcher watcher(IDOK);
    EXPECT_FALSE(OpenOverlayDevice());
    EXPECT_TRUE(sent.empty());
    auto seen = watcher.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Open Error", seen[0].caption);
    EXPECT_EQ(kDriverInUse, seen[0].text);
    EXPECT_TRUE(seen[0].hasIcon);
}

// A setup tool window on the test's own thread: the hand-over message
// reaches it synchronously, and it lets the driver go.
HeldFile* setupHolds = nullptr;
int handOvers = 0;
WPARAM handOverWParam = 99;
LPARAM handOverLParam = 99;
size_t sentBeforeHandOver = 99;

LRESULT CALLBACK SetupWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == RegisterWindowMessageA("MSGVideoDeck&Setup")) {
        ++handOvers;
        handOverWParam = wp;
        handOverLParam = lp;
        sentBeforeHandOver = sent.size();
        if (setupHolds)
            setupHolds->Release();
        return 0;
    }
    return DefWindowProcA(wnd, msg, wp, lp);
}

TEST_F(DeviceOpenTest, HeldDriverIsHandedOverByTheSetupTool)
{
    Entry("MCI32", "overlay", "kx310mci.dll");
    HeldFile driver(ProgramDirectory() + "kx310mci.dll");
    ASSERT_TRUE(driver.Held());
    WNDCLASSA cls{};
    cls.lpfnWndProc = SetupWindowProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "KX310SetupClass";
    RegisterClassA(&cls);
    HWND setup = CreateWindowA("KX310SetupClass", "setup", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                               cls.hInstance, nullptr);
    ASSERT_NE(nullptr, setup);
    setupHolds = &driver;
    handOvers = 0;
    EXPECT_TRUE(OpenOverlayDevice());
    setupHolds = nullptr;
    DestroyWindow(setup);
    EXPECT_EQ(1, handOvers);
    EXPECT_EQ(0u, handOverWParam);
    EXPECT_EQ(0, handOverLParam);
    EXPECT_EQ(0u, sentBeforeHandOver);  // the open waits for the hand-over
    EXPECT_EQ(1u, sent.size());
}

TEST_F(DeviceOpenTest, Version4TestsTheDrvFile)
{
    Entry("MCI", "overlay", "kx310mci.drv");
    Entry("MCI32", "overlay", "kx310mci.dll");
    HeldFile driver(ProgramDirectory() + "kx310mci.drv");
    ASSERT_TRUE(driver.Held());
    // Other versions test the .dll, which nobody holds.
    EXPECT_TRUE(OpenOverlayDevice());
    EXPECT_EQ(1u, sent.size());

    sent.clear();
    UseMajorVersion(4);
    kxtest::MessageBoxWatcher watcher(IDOK);
    EXPECT_FALSE(OpenOverlayDevice());
    EXPECT_TRUE(sent.empty());
    ASSERT_EQ(1u, watcher.Seen().size());
    EXPECT_EQ(kDriverInUse, watcher.Seen()[0].text);
}

TEST_F(DeviceOpenTest, MissingDriverFileLeavesTheDecisionToTheOpen)
{
    UseMajorVersion(4);
    ASSERT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((ProgramDirectory() + "kx310mci.drv").c_str()));
    EXPECT_TRUE(CheckDriverFree("kx310mci"));
    Entry("MCI", "overlay", "kx310mci.drv");
    EXPECT_TRUE(OpenOverlayDevice());
    EXPECT_EQ(1u, sent.size());
}

class LaunchSetupToolTest : public ::testing::Test {
protected:
    void SetUp() override { previous_ = SetDeviceOpenEnvironment(DeviceOpenEnvironment{}); }
    void TearDown() override
    {
        SetDeviceOpenEnvironment(previous_);
        ShowOverlayErrors(true);
    }
    void UseProgram(const std::string& path)
    {
        program_ = path;
        DeviceOpenEnvironment env;
        env.setupProgram = program_.c_str();
        SetDeviceOpenEnvironment(env);
    }

    std::string program_;
    DeviceOpenEnvironment previous_;
};

TEST_F(LaunchSetupToolTest, DecliningDoesNothing)
{
    UseProgram(ProgramDirectory() + "setup_tool_double.exe");
    ShowOverlayErrors(true);
    kxtest::MessageBoxWatcher watcher(IDNO);
    EXPECT_TRUE(LaunchSetupTool());
    auto seen = watcher.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Open Setup", seen[0].caption);
    EXPECT_EQ("Do you want to open the Setup program?", seen[0].text);
    EXPECT_EQ(2u, seen[0].buttons.size());
    EXPECT_EQ(nullptr, FindWindowA("KX310SetupClass", nullptr));
    EXPECT_TRUE(ShowOverlayErrors(true));  // reports still on
}

TEST_F(LaunchSetupToolTest, MissingProgramFailsAndKeepsReports)
{
    UseProgram(ProgramDirectory() + "no_such_setup_tool.exe");
    ShowOverlayErrors(true);
    kxtest::MessageBoxWatcher watcher(IDYES);
    EXPECT_FALSE(LaunchSetupTool());
    EXPECT_TRUE(ShowOverlayErrors(true));
}

TEST_F(LaunchSetupToolTest, ProgramThatCannotStartFailsAndRestoresReports)
{
    std::string bogus = TempPath("kx310_not_a_program.exe");
    HANDLE file = CreateFileA(bogus.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, "plain text", 10, &written, nullptr);
    CloseHandle(file);
    UseProgram(bogus);

    ShowOverlayErrors(true);
    {
        kxtest::MessageBoxWatcher watcher(IDYES);
        EXPECT_FALSE(LaunchSetupTool());
    }
    // Nothing takes the device over, so driver errors must be shown again.
    EXPECT_TRUE(ShowOverlayErrors(false));
    {
        kxtest::MessageBoxWatcher watcher(IDYES);
        EXPECT_FALSE(LaunchSetupTool());
    }
    EXPECT_FALSE(ShowOverlayErrors(true));  // an earlier "off" stays off
    DeleteFileA(bogus.c_str());
}

TEST_F(LaunchSetupToolTest, StartsTheSetupToolWithTheHandOverMarker)
{
    UseProgram(ProgramDirectory() + "setup_tool_double.exe");
    ShowOverlayErrors(true);
    {
        kxtest::MessageBoxWatcher watcher(IDYES);
        EXPECT_TRUE(LaunchSetupTool());
    }
    EXPECT_FALSE(ShowOverlayErrors(true));  // turned off for the hand-over
    HWND setup = nullptr;
    for (int i = 0; i < 200 && !setup; ++i, Sleep(25))
        setup = FindWindowA("KX310SetupClass", nullptr);
    ASSERT_NE(nullptr, setup);
    char title[256] = {};
    GetWindowTextA(setup, title, sizeof title);
    EXPECT_STREQ("L=VideoDeck&Setup", title);
    DWORD pid = 0;
    GetWindowThreadProcessId(setup, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageA(setup, WM_CLOSE, 0, 0);
    if (process) {
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

}  // namespace
