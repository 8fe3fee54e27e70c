// The Wine session must look to the programs like a machine with the card's
// driver installed: registered for winmm and in system.ini for the programs'
// own check, and a desktop of known size for the window tests.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

namespace {

std::string ProfileValue(const char* section, const char* key)
{
    char value[260] = {};
    GetPrivateProfileStringA(section, key, "", value, sizeof value, "system.ini");
    return value;
}

TEST(WineSession, DriverIsListedInBothSystemIniSections)
{
    EXPECT_EQ("kx310mci.dll", ProfileValue("mci", "overlay"));
    EXPECT_EQ("kx310mci.dll", ProfileValue("mci32", "overlay"));
}

TEST(WineSession, DriverIsRegisteredWhereWinmmLooks)
{
    char value[260] = {};
    DWORD size = sizeof value;
    LONG rc = RegGetValueA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion\\MCI",
                           "overlay", RRF_RT_REG_SZ, nullptr, value, &size);
    ASSERT_EQ(ERROR_SUCCESS, rc);
    EXPECT_STREQ("kx310mci.dll", value);
}

TEST(WineSession, ProgramsRunInsideTheVirtualDesktop)
{
    RECT desk{};
    GetWindowRect(GetDesktopWindow(), &desk);
    EXPECT_EQ(1024, desk.right - desk.left);
    EXPECT_EQ(768, desk.bottom - desk.top);

    HWND wnd = CreateWindowA("STATIC", "probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, wnd);
    EXPECT_TRUE(IsWindowVisible(wnd));
    DestroyWindow(wnd);
}

}  // namespace
