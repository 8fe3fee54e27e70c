// The driver behind winmm: every command of the programs' vocabulary, the
// replies, error codes with texts, the stored configuration, the command
// log and the one-holder rule.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <fstream>
#include <sstream>

#include "mci_session.h"

using namespace simcard_test;

namespace {

const char kConfigKey[] = "Software\\KX310\\Simulated Card";

HWND MakeWindow(int w = 320, int h = 240)
{
    return CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 20, 20, w, h, nullptr, nullptr, nullptr, nullptr);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(DriverCommandsTest, AcceptsEveryCommandOfBothPrograms)
{
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    HWND wnd = MakeWindow();
    ASSERT_TRUE(wnd);
    LowBuffer buffer(64 * 1024);
    const std::string handle = std::to_string(reinterpret_cast<std::uintptr_t>(wnd));
    const std::string address = std::to_string(buffer.Address());
    const char* commands[] = {
        // the viewer's texts
        "set VCKX310 card type to 3", "window VCKX310 handle HWND", "put VCKX310 frame at 0 0 320 240 deferred",
        "put VCKX310 source at 0 0 320 240 deferred", "put VCKX310 destination", "put VCKX310 frame deferred",
        "put VCKX310 source deferred", "put VCKX310 destination", "set VCKX310 red to 120", "set VCKX310 green to 121",
        "set VCKX310 blue to 122", "set VCKX310 hue to 123", "set VCKX310 brightness to 124",
        "set VCKX310 saturation to 125", "set VCKX310 contrast to 126", "set VCKX310 video key color to 16711935",
        "set VCKX310 chroma key to 0 100 -6 5", "set VCKX310 chroma key to -1 0 0 0", "set VCKX310 source number to 1",
        "set VCKX310 source number to 0", "window VCKX310 state show", "get VCKX310 limit red",
        "get VCKX310 limit green", "get VCKX310 limit blue", "get VCKX310 limit hue", "get VCKX310 limit brightness",
        "get VCKX310 limit saturation", "get VCKX310 limit contrast", "get VCKX310 limit chroma key",
        "set VCKX310 chroma key red limit to 10", "set VCKX310 chroma key green limit to 11",
        "set VCKX310 chroma key blue limit to 12", "get VCKX310 display", "get VCKX310 rgb", "get VCKX310 video key",
        "get VCKX310 pixel rgb at 10 10 0 0", "get VCKX310 video", "set VCKX310 alloc at 0 0 16 16",
        "save VCKX310 memory buffer type DIB 24-bit at 0 0 16 16 address ADDR",
        "load VCKX310 memory buffer at 0 0 16 16 address ADDR", "get VCKX310 chroma key",
        "get VCKX310 yuv from 10 10 0 0", "get VCKX310 window handle", "copy VCKX310 type DIB 24-bit at 0 0 8 8",
        "paste VCKX310 at 0 0 8 8", "delete VCKX310 at 0 0 8 8", "set VCKX310 vertical flip on",
        "set VCKX310 vertical flip off", "set VCKX310 video key on", "set VCKX310 video key off",
        "set VCKX310 video key on", "set VCKX310 memory buffer format to yuv", "set VCKX310 memory buffer format to rgb",
        "set VCKX310 indicator signal to 49152", "set VCKX310 indicator interval to 100", "set VCKX310 indicator on",
        "set VCKX310 indicator off", "freeze VCKX310 ", "unfreeze VCKX310 ", "info VCKX310 ",
        "capability VCKX310 can freeze", "status VCKX310 mode", "where VCKX310 source", "cut VCKX310 at 0 0 4 4",
        // the setup tool's texts
        "set VCKX310 skew win addr x to 1", "set VCKX310 skew win addr y to 2", "set VCKX310 skew disp addr x to 3",
        "set VCKX310 skew disp addr y to 4", "set VCKX310 source to 1", "get VCKX310 skew",
        "get VCKX310 limit display", "get VCKX310 limit video", "get VCKX310 limit video key correct",
        "put VCKX310 destination at 15 16 153 113", "set VCKX310 video key correct to 3"};
    for (std::string c : commands) {
        if (auto at = c.find("HWND"); at != std::string::npos)
            c.replace(at, 4, handle);
        if (auto at = c.find("ADDR"); at != std::string::npos)
            c.replace(at, 4, address);
        EXPECT_EQ(0u, Send(c).rc) << c;
    }
    DestroyWindow(wnd);
}

TEST(DriverCommandsTest, QueriesAnswerInTheProgramsLayouts)
{
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    ASSERT_EQ(0u, Send("set VCKX310 hue to 40").rc);
    ASSERT_EQ(0u, Send("set VCKX310 brightness to 41").rc);
    EXPECT_EQ((std::vector<long>{41, 128, 128, 40}), Numbers(Send("get VCKX310 display").text));
    EXPECT_EQ((std::vector<long>{0, 255}), Numbers(Send("get VCKX310 limit saturation").text));
    ASSERT_EQ(0u, Send("set VCKX310 source number to 3").rc);
    ASSERT_EQ(0u, Send("set VCKX310 source to 4").rc);
    EXPECT_EQ((std::vector<long>{3, 4}), Numbers(Send("get VCKX310 video").text));
    ASSERT_EQ(0u, Send("set VCKX310 skew disp addr y to 60").rc);
    EXPECT_EQ(60, Numbers(Send("get VCKX310 skew").text).at(3));
    EXPECT_EQ(63, Numbers(Send("get VCKX310 limit video").text).at(3));
    EXPECT_EQ(15, Numbers(Send("get VCKX310 limit video key correct").text).at(1));
    ASSERT_EQ(0u, Send("set VCKX310 video key correct to 9").rc);
    EXPECT_EQ(9, Numbers(Send("get VCKX310 video key").text).at(1));
    // A point of frame memory read as RGB and as YUV agree.
    ASSERT_EQ(0u, Send("freeze VCKX310 ").rc);
    auto rgb = Numbers(Send("get VCKX310 pixel rgb at 100 50 0 0").text);
    auto yuv = Numbers(Send("get VCKX310 yuv from 100 50 0 0").text);
    ASSERT_EQ(3u, rgb.size());
    ASSERT_EQ(3u, yuv.size());
    EXPECT_EQ((76 * rgb[0] + 150 * rgb[1] + 29 * rgb[2]) >> 8, yuv[0]);
}

TEST(DriverCommandsTest, BadCommandsFailWithStandardCodesThatHaveTexts)
{
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    const struct {
        const char* command;
        MCIERROR rc;
    } cases[] = {
        {"set VCKX310 hue to 256", MCIERR_OUTOFRANGE},
        {"set VCKX310 source number to 2", MCIERR_OUTOFRANGE},
        {"set VCKX310 hue to bright", MCIERR_BAD_INTEGER},
        {"set VCKX310 video key maybe", MCIERR_BAD_CONSTANT},
        {"set VCKX310 memory buffer format to cmyk", MCIERR_BAD_CONSTANT},
        {"set VCKX310 hue to", MCIERR_MISSING_PARAMETER},
        {"get VCKX310 ", MCIERR_MISSING_PARAMETER},
        {"window VCKX310 handle 12345678", MCIERR_NO_WINDOW},
        {"copy VCKX310 type PNG at 0 0 8 8", MCIERR_BAD_CONSTANT},
        {"save VCKX310 memory buffer type DIB 24-bit at 0 0 8 8", MCIERR_MISSING_PARAMETER},
        {"save VCKX310 memory buffer type DIB 24-bit at 0 0 0 8 address 65536", MCIERR_OUTOFRANGE},
    };
    for (const auto& c : cases) {
        MCIERROR rc = Send(c.command).rc;
        EXPECT_EQ(c.rc, rc) << c.command;
        EXPECT_FALSE(ErrorText(rc).empty()) << c.command;
    }
    // Nothing was changed by the failures.
    EXPECT_EQ(128, Numbers(Send("get VCKX310 display").text).at(3));
}

TEST(DriverCommandsTest, FreezeStopsTheLivePicture)
{
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    const unsigned w = 100, h = 64;
    LowBuffer a(w * h * 3), b(w * h * 3);
    // The frame counter's last digits.
    const std::string region = " at 200 30 100 64 address ";
    ASSERT_EQ(0u, Send("freeze VCKX310 ").rc);
    ASSERT_EQ(0u, Send("save VCKX310 memory buffer type DIB 24-bit" + region + std::to_string(a.Address())).rc);
    Sleep(200);
    ASSERT_EQ(0u, Send("save VCKX310 memory buffer type DIB 24-bit" + region + std::to_string(b.Address())).rc);
    EXPECT_EQ(0, memcmp(a.data(), b.data(), w * h * 3));
    EXPECT_EQ("frozen", Send("status VCKX310 mode").text);
    ASSERT_EQ(0u, Send("unfreeze VCKX310 ").rc);
    Sleep(200);
    ASSERT_EQ(0u, Send("save VCKX310 memory buffer type DIB 24-bit" + region + std::to_string(b.Address())).rc);
    EXPECT_NE(0, memcmp(a.data(), b.data(), w * h * 3));
}

TEST(DriverCommandsTest, ConfigIsStoredBySaveAndReadAtTheNextOpen)
{
    RegDeleteKeyA(HKEY_CURRENT_USER, kConfigKey);
    {
        OpenCard card;
        ASSERT_EQ(0u, card.rc());
        ASSERT_EQ(0u, Send("set VCKX310 contrast to 17").rc);
        ASSERT_EQ(0u, Send("set VCKX310 skew win addr x to 5").rc);
        ASSERT_EQ(0u, Send("save VCKX310  type Config").rc);
        ASSERT_EQ(0u, Send("set VCKX310 contrast to 99").rc);   // not saved
    }
    {
        OpenCard card;
        ASSERT_EQ(0u, card.rc());
        EXPECT_EQ(17, Numbers(Send("get VCKX310 display").text).at(2));
        EXPECT_EQ(5, Numbers(Send("get VCKX310 skew").text).at(0));
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, kConfigKey);
    OpenCard fresh;
    EXPECT_EQ(128, Numbers(Send("get VCKX310 display").text).at(2));
}

TEST(DriverCommandsTest, InputsValueUnplugsInputsAtTheNextOpen)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kConfigKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                             &key, nullptr));
    RegDeleteValueA(key, "Config");
    const char inputs[] = "-1 0 -1";
    RegSetValueExA(key, "Inputs", 0, REG_SZ, reinterpret_cast<const BYTE*>(inputs), sizeof inputs);
    {
        OpenCard card;
        ASSERT_EQ(0u, card.rc());
        EXPECT_EQ((std::vector<long>{0, -1}), Numbers(Send("get VCKX310 video").text));
        ASSERT_EQ(0u, Send("set VCKX310 source number to 1").rc);
        EXPECT_EQ((std::vector<long>{1, 0}), Numbers(Send("get VCKX310 video").text));
        ASSERT_EQ(0u, Send("set VCKX310 source number to 3").rc);
        EXPECT_EQ((std::vector<long>{3, -1}), Numbers(Send("get VCKX310 video").text));
    }
    RegDeleteValueA(key, "Inputs");
    {
        // Without the value every input has its signal again.
        OpenCard card;
        ASSERT_EQ(0u, card.rc());
        EXPECT_EQ((std::vector<long>{0, 1}), Numbers(Send("get VCKX310 video").text));
    }
    RegCloseKey(key);
}

TEST(DriverCommandsTest, CommandLogHasOneLinePerCommand)
{
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    const std::string log = std::string(dir) + "kx310mci-test.log";
    DeleteFileA(log.c_str());
    SetEnvironmentVariableA("KX310MCI_LOG", log.c_str());
    {
        OpenCard card;
        ASSERT_EQ(0u, card.rc());
        Send("set VCKX310 saturation to 77");
        Send("set VCKX310 saturation to 300");
        Send("get VCKX310 limit hue");
        Send("put VCKX310 frame at 1 2 3 4 deferred");
    }
    SetEnvironmentVariableA("KX310MCI_LOG", nullptr);
    const std::string text = ReadFile(log);
    EXPECT_EQ(0u, text.find("open -> 0\r\n"));
    EXPECT_NE(std::string::npos, text.find("set saturation to 77 -> 0\r\n"));
    EXPECT_NE(std::string::npos, text.find("close -> 0\r\n"));
    EXPECT_NE(std::string::npos, text.find("set saturation to 300 -> " + std::to_string(MCIERR_OUTOFRANGE) + "\r\n"));
    EXPECT_NE(std::string::npos, text.find("get limit hue -> 0 [0 255]\r\n"));
    EXPECT_NE(std::string::npos, text.find("put frame at 1 2 3 4 deferred -> 0\r\n"));
    DeleteFileA(log.c_str());
}

TEST(DriverCommandsTest, OneHolderAtATime)
{
    // Each name under which the programs look for the driver file.
    auto exclusiveOpenWorks = [](const char* name = "kx310mci.dll") {
        OFSTRUCT of{};
        HFILE f = OpenFile(BesideProgram(name).c_str(), &of, OF_SHARE_EXCLUSIVE);
        if (f == HFILE_ERROR)
            return false;
        _lclose(f);
        return true;
    };
    auto probe = [] {
        std::string cmd = BesideProgram("simcard_open_probe.exe");
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return DWORD(0xFFFFFFFF);
        WaitForSingleObject(pi.hProcess, 20000);
        DWORD code = 0xFFFFFFFF;
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return code;
    };
    ASSERT_TRUE(exclusiveOpenWorks());
    {
        OpenCard card;
        ASSERT_EQ(0u, card.rc());
        EXPECT_FALSE(exclusiveOpenWorks());
        EXPECT_FALSE(exclusiveOpenWorks("kx310mci32.dll"));
        DWORD other = probe();
        EXPECT_NE(0u, other);
        EXPECT_NE(0xFFFFFFFFu, other);
        EXPECT_NE(0u, Send("open overlay alias SECOND").rc);
        EXPECT_EQ(0u, Send("get VCKX310 display").rc);   // the holder goes on
    }
    EXPECT_TRUE(exclusiveOpenWorks());
    EXPECT_TRUE(exclusiveOpenWorks("kx310mci32.dll"));
    EXPECT_EQ(0u, probe());
}
