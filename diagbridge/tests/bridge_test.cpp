// The bridge library as the tool links it, with the simulated card's test
// back-end behind it: which 16-bit function each export reaches, the
// narrowing of OvlClass's arguments, the widening of the tests' codes, all
// seen through the back-end's KX310DIAG_LOG; and the load failing without a
// back-end.
#include "ovl_exports.h"
#include "text_lines.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr char kDeviceKey[] = "Software\\KX310\\Simulated Card\\Device";

std::string TempPath(const char* name)
{
    char dir[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

std::string ProgramDirectory()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.rfind('\\') + 1);
}

class Bridge : public ::testing::Test {
protected:
    void SetUp() override
    {
        log_ = TempPath("kx310d32_bridge_log.txt");
        DeleteFileA(log_.c_str());
        SetEnvironmentVariableA("KX310DIAG_LOG", log_.c_str());
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kDeviceKey);
    }
    void TearDown() override
    {
        SetEnvironmentVariableA("KX310DIAG_LOG", nullptr);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kDeviceKey);
    }
    void Set(const char* name, DWORD value)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kDeviceKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
        RegCloseKey(key);
    }
    std::vector<std::string> Log() const { return kxtest::ReadTextLines(log_); }

    std::string log_;
};

TEST_F(Bridge, ClassPassesTheLowWordsOfItsFirstTwoArgumentsAndTheWholeThird)
{
    DWORD result = OvlClass(0xABCD0300, 0x12340005, 0xFEDC0000);
    std::vector<std::string> log = Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], "OvlClass 0x0300 0x0005 0xFEDC0000 -> 0x00050300");
    // The 32-bit result comes back as the 16-bit side left it.
    EXPECT_EQ(result, 0x00050300u);
}

TEST_F(Bridge, EachTestReachesItsOwnFunctionAndIsWidenedWithZeros)
{
    Set("InitStatus", 0x11110004);
    Set("TestInterface", 0x22220003);
    Set("TestConnector", 2);
    Set("TestInterrupt", 1);
    Set("TestMemory", 0xABCDFFFF);
    EXPECT_EQ(OvlGetInitStatus(), 4u);
    EXPECT_EQ(OvlTestInterface(), 3u);
    EXPECT_EQ(OvlTestConnector(), 2u);
    EXPECT_EQ(OvlTestInterrupt(), 1u);
    EXPECT_EQ(OvlTestMemory(), 0x0000FFFFu);
    EXPECT_EQ(Log(), (std::vector<std::string>{"OvlGetInitStatus -> 0x11110004", "OvlTestInterface -> 0x22220003",
                                               "OvlTestConnector -> 0x00000002", "OvlTestInterrupt -> 0x00000001",
                                               "OvlTestMemory -> 0xABCDFFFF"}));
}

TEST_F(Bridge, TestsAnswerZeroByDefault)
{
    EXPECT_EQ(OvlGetInitStatus(), 0u);
    EXPECT_EQ(OvlTestMemory(), 0u);
}

TEST(BridgeLoad, FailsWithoutTheTestBackEnd)
{
    // A program linked against the bridge, in a folder without kx310hw.dll.
    std::string folder = TempPath("kx310d32_alone\\");
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string bin = ProgramDirectory();
    ASSERT_TRUE(CopyFileA((bin + "bridge_probe.exe").c_str(), (folder + "bridge_probe.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((bin + "Kx310D32.dll").c_str(), (folder + "Kx310D32.dll").c_str(), FALSE));

    auto run = [](const std::string& dir) {
        std::string line = "\"" + dir + "bridge_probe.exe\"";
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
        BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi);
        SetErrorMode(oldMode);
        if (!started)
            return DWORD(0xDEAD);
        WaitForSingleObject(pi.hProcess, 20000);
        DWORD code = 0xDEAD;
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return code;
    };
    // Beside the back-end the probe runs and reports the (default) code 0.
    EXPECT_EQ(run(bin), 0u);
    DWORD alone = run(folder);
    EXPECT_NE(alone, 0u);
    EXPECT_NE(alone, 0xDEADu);
    DeleteFileA((folder + "bridge_probe.exe").c_str());
    DeleteFileA((folder + "Kx310D32.dll").c_str());
    RemoveDirectoryA(folder.c_str());
}

}  // namespace
