// The Line In dialog against the simulated sound card's auxiliary devices
// (winekxline.drv, chosen by the test session): device 0 is a CD audio input
// that must never be touched, device 1 the line in.  The devices' volumes are
// read back from where the driver keeps them.
#include "line_in_dlg.h"
#include "message_box_watcher.h"
#include "real_input.h"
#include "settings_store.h"
#include "volume_setting.h"
#include "win_app.h"
#include "window_test_support.h"

#include <gtest/gtest.h>
#include <mmsystem.h>
#include <shlwapi.h>

#include <memory>

namespace {

constexpr char kCardKey[] = "Software\\KX310\\Simulated Card";
constexpr char kTestCompany[] = "KX310 Tests\\line in";
constexpr DWORD kCdVolume = 0x12345678;
constexpr DWORD kOpeningVolume = 0x40008000;  // left 0x8000 (bar 127), right 0x4000 (bar 191)

void PutCard(const char* value, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kCardKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                             &key, nullptr));
    RegSetValueExA(key, value, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

void SetDevices(const char* list)
{
    PutCard("AuxDevices", REG_SZ, list, static_cast<DWORD>(strlen(list) + 1));
}

void SetVolume(UINT device, DWORD volume)
{
    std::string name = "AuxVolume" + std::to_string(device);
    PutCard(name.c_str(), REG_DWORD, &volume, sizeof volume);
}

DWORD Volume(UINT device)
{
    std::string name = "AuxVolume" + std::to_string(device);
    DWORD value = 0, size = sizeof value;
    if (SHGetValueA(HKEY_CURRENT_USER, kCardKey, name.c_str(), nullptr, &value, &size) != ERROR_SUCCESS)
        return 0xDEADBEEF;
    return value;
}

int BarPos(HWND box, int id)
{
    return static_cast<int>(SendDlgItemMessageA(box, id, SBM_GETPOS, 0, 0));
}

// What the scroll bar control sends its dialog for a request.
void Scroll(HWND box, int id, UINT request, int thumb = 0)
{
    SendMessageA(box, WM_VSCROLL, MAKEWPARAM(request, thumb), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

class LineInDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        app_ = std::make_unique<framework::CWinApp>();
        app_->Initialize(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
        app_->SetRegistryKey(kTestCompany);
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\KX310 Tests\\line in");
        SetDevices("cd linein");
        SetVolume(0, kCdVolume);
        SetVolume(1, kOpeningVolume);
    }
    void TearDown() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\KX310 Tests\\line in");
        SHDeleteValueA(HKEY_CURRENT_USER, kCardKey, "AuxDevices");
        app_.reset();
    }
    CSettingsStore Store() { return CSettingsStore(app_->RegistryKey(), app_->Title()); }

    std::unique_ptr<framework::CWinApp> app_;
};

TEST_F(LineInDialog, OpensAtTheDeviceVolumeAndMovesOneBarAtATime)
{
    ASSERT_EQ(2u, auxGetNumDevs()) << "the simulated sound card is not registered";
    int left = -1, right = -1, afterPage = -1, afterLine = -1, afterClick = -1, rightAfter = -1;
    DWORD afterPageVolume = 0, afterTopVolume = 0;
    BOOL lockEnabled = FALSE;
    UINT lockState = 99;
    test_support::DialogDriver driver("Line In", [&](HWND box) {
        left = BarPos(box, IDC_LINE_IN_LEFT);
        right = BarPos(box, IDC_LINE_IN_RIGHT);
        lockEnabled = IsWindowEnabled(GetDlgItem(box, IDC_LINE_IN_LOCK));
        lockState = IsDlgButtonChecked(box, IDC_LINE_IN_LOCK);
        Scroll(box, IDC_LINE_IN_LEFT, SB_PAGEDOWN);
        afterPage = BarPos(box, IDC_LINE_IN_LEFT);
        afterPageVolume = Volume(1);
        Scroll(box, IDC_LINE_IN_LEFT, SB_LINEUP);
        afterLine = BarPos(box, IDC_LINE_IN_LEFT);
        // A real click on the left bar's lower arrow: one line down.
        RECT bar{};
        GetWindowRect(GetDlgItem(box, IDC_LINE_IN_LEFT), &bar);
        kxtest::RunXdotool(kxtest::ClickAt(POINT{(bar.left + bar.right) / 2, bar.bottom - 3}));
        for (int i = 0; i < 250 && BarPos(box, IDC_LINE_IN_LEFT) == afterLine; ++i)
            Sleep(20);
        afterClick = BarPos(box, IDC_LINE_IN_LEFT);
        Scroll(box, IDC_LINE_IN_RIGHT, SB_TOP);
        rightAfter = BarPos(box, IDC_LINE_IN_RIGHT);
        afterTopVolume = Volume(1);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    CLineInDlg dialog;
    EXPECT_EQ(IDOK, dialog.DoModal());
    driver.Join();
    ASSERT_TRUE(driver.Found());
    EXPECT_EQ(1u, dialog.Device());
    EXPECT_EQ(127, left);
    EXPECT_EQ(191, right);
    EXPECT_TRUE(lockEnabled);
    EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), lockState);
    EXPECT_EQ(142, afterPage);  // a page is 15 positions
    EXPECT_EQ(0x40007100u, afterPageVolume);  // (255 - 142) * 256, right untouched
    EXPECT_EQ(141, afterLine);
    EXPECT_EQ(142, afterClick);
    EXPECT_EQ(0, rightAfter);
    EXPECT_EQ(0xFF007100u, afterTopVolume);
    // OK keeps the volume and stores the lock.
    EXPECT_EQ(0xFF007100u, Volume(1));
    EXPECT_EQ(0u, Store().ReadNumber("Mixer", "Lock", 99));
    EXPECT_EQ(kCdVolume, Volume(0));
}

TEST_F(LineInDialog, LockMovesBothAndCancelRestoresTheOpeningVolume)
{
    Store().WriteNumber("Mixer", "Lock", 1);
    int left = -1, right = -1, leftAfter = -1, rightAfter = -1;
    DWORD openedVolume = 0, movedVolume = 0;
    test_support::DialogDriver driver("Line In", [&](HWND box) {
        left = BarPos(box, IDC_LINE_IN_LEFT);
        right = BarPos(box, IDC_LINE_IN_RIGHT);
        openedVolume = Volume(1);
        Scroll(box, IDC_LINE_IN_RIGHT, SB_THUMBTRACK, 50);
        leftAfter = BarPos(box, IDC_LINE_IN_LEFT);
        rightAfter = BarPos(box, IDC_LINE_IN_RIGHT);
        movedVolume = Volume(1);
        // The lock is cleared before leaving: Cancel stores nothing.
        SendDlgItemMessageA(box, IDC_LINE_IN_LOCK, BM_CLICK, 0, 0);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    CLineInDlg dialog;
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    driver.Join();
    ASSERT_TRUE(driver.Found());
    // Locked, the opening volume is applied as the left channel on both.
    EXPECT_EQ(127, left);
    EXPECT_EQ(127, right);
    EXPECT_EQ(0x80008000u, openedVolume);
    EXPECT_EQ(50, leftAfter);
    EXPECT_EQ(50, rightAfter);
    EXPECT_EQ(0xCD00CD00u, movedVolume);  // (255 - 50) * 256 in both words
    EXPECT_EQ(kOpeningVolume, Volume(1));
    EXPECT_EQ(1u, Store().ReadNumber("Mixer", "Lock", 99));
}

TEST_F(LineInDialog, ADeviceWithOneVolumeHasNoLock)
{
    SetDevices("cd linein-mono");
    SetVolume(1, 0x00006000);
    BOOL lockEnabled = TRUE;
    int left = -1, right = -1, leftAfter = -1, rightAfter = -1;
    DWORD movedVolume = 0;
    test_support::DialogDriver driver("Line In", [&](HWND box) {
        lockEnabled = IsWindowEnabled(GetDlgItem(box, IDC_LINE_IN_LOCK));
        left = BarPos(box, IDC_LINE_IN_LEFT);
        right = BarPos(box, IDC_LINE_IN_RIGHT);
        Scroll(box, IDC_LINE_IN_RIGHT, SB_BOTTOM);
        leftAfter = BarPos(box, IDC_LINE_IN_LEFT);
        rightAfter = BarPos(box, IDC_LINE_IN_RIGHT);
        movedVolume = Volume(1);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    CLineInDlg dialog;
    EXPECT_EQ(IDOK, dialog.DoModal());
    driver.Join();
    EXPECT_FALSE(lockEnabled);
    EXPECT_EQ(255 - 0x60, left);
    EXPECT_EQ(255 - 0x60, right);
    EXPECT_EQ(255, leftAfter);
    EXPECT_EQ(255, rightAfter);
    EXPECT_EQ(0u, movedVolume);
}

TEST_F(LineInDialog, WithoutALineInItSaysSoAndCloses)
{
    SetDevices("cd cd");
    kxtest::MessageBoxWatcher watcher(IDOK);
    CLineInDlg dialog;
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    auto seen = watcher.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Mixer Setting Error", seen[0].caption);
    EXPECT_EQ("There is either no audio card or the Line In volume control is not supported.", seen[0].text);
    EXPECT_EQ(CLineInDlg::kNoDevice, dialog.Device());
    EXPECT_EQ(kOpeningVolume, Volume(1));
    EXPECT_EQ(kCdVolume, Volume(0));
    EXPECT_EQ(99u, Store().ReadNumber("Mixer", "Lock", 99));
}

TEST_F(LineInDialog, VolumeSettingOpensItWhenNoMixerProgramStarts)
{
    // This machine has no sound card mixer and no "sndvol32.exe".
    ASSERT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\windows\\system32\\sndvol32.exe"));
    test_support::DialogDriver driver("Line In", [](HWND box) {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    RunVolumeSetting();
    driver.Join();
    EXPECT_TRUE(driver.Found());
    EXPECT_EQ(kOpeningVolume, Volume(1));
}

}  // namespace
