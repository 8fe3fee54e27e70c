// The Preferences and Clipboard Options dialogs as the main frame runs them
// (Options > Preferences..., Edit > Copy Options...), with the frame's copy of
// the preferences and its top-most state, and the Volume Setting command.
#include "clipboard_options_dlg.h"
#include "preferences_dlg.h"
#include "viewer_frame_fixture.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <shlwapi.h>

namespace {

constexpr char kTestCompanyKey[] = "KX310 Tests\\option dialogs";
constexpr DWORD kUnset = 99;

struct Shown {
    std::map<int, UINT> checked;
    std::map<int, bool> enabled;
};

Shown Read(HWND box, std::initializer_list<int> ids)
{
    Shown s;
    for (int id : ids) {
        s.checked[id] = IsDlgButtonChecked(box, id);
        s.enabled[id] = IsWindowEnabled(GetDlgItem(box, id)) != FALSE;
    }
    return s;
}

void Click(HWND box, int id)
{
    SendDlgItemMessageA(box, id, BM_CLICK, 0, 0);
}

void Press(HWND box, int id)
{
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

class OptionDialogsTest : public test_support::ViewerFrameFixture {
protected:
    OptionDialogsTest() : ViewerFrameFixture(kTestCompanyKey) {}

    void SetUp() override
    {
        ViewerFrameFixture::SetUp();
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\KX310 Tests\\option dialogs");
    }
    void TearDown() override
    {
        ViewerFrameFixture::TearDown();
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\KX310 Tests\\option dialogs");
    }

    DWORD Preference(const char* name) { return Profile().ReadNumber("Preferences", name, kUnset); }
    DWORD Clipboard(const char* name) { return Profile().ReadNumber("Clipboard", name, kUnset); }
    bool TopMost() const { return (GetWindowLongPtrA(frameWnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    void Command(UINT id) { SendMessageA(frameWnd_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
};

TEST_F(OptionDialogsTest, EmptyStoreOpensWithTheDefaultsAndCancelStoresNothing)
{
    OpenFrame();
    FramePreferences copy = frame_->Preferences();
    EXPECT_TRUE(copy.aspectRatio && copy.resizeWindow && copy.centerWindow && copy.unfreeze);
    Shown shown;
    test_support::DialogDriver driver("Preferences", [&](HWND box) {
        shown = Read(box, {IDC_PREF_ASPECT_RATIO, IDC_PREF_ALWAYS_ON_TOP, IDC_PREF_UNFREEZE, IDC_PREF_RESIZE_WINDOW,
                           IDC_PREF_CENTER_WINDOW});
        Click(box, IDC_PREF_ALWAYS_ON_TOP);
        Click(box, IDC_PREF_ASPECT_RATIO);
        Press(box, IDCANCEL);
    });
    Command(ID_OPTIONS_PREFERENCES);
    driver.Join();
    ASSERT_TRUE(driver.Found());
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), shown.checked[IDC_PREF_ASPECT_RATIO]);
    EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), shown.checked[IDC_PREF_ALWAYS_ON_TOP]);
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), shown.checked[IDC_PREF_UNFREEZE]);
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), shown.checked[IDC_PREF_RESIZE_WINDOW]);
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), shown.checked[IDC_PREF_CENTER_WINDOW]);
    EXPECT_TRUE(shown.enabled[IDC_PREF_CENTER_WINDOW]);
    for (const char* name : {"AspectRatio", "AlwaysOnTop", "ResizeWindow", "CenterWindow", "Unfreeze"})
        EXPECT_EQ(kUnset, Preference(name)) << name;
    EXPECT_FALSE(TopMost());
    EXPECT_TRUE(frame_->Preferences().aspectRatio);
}

TEST_F(OptionDialogsTest, OkStoresTheSwitchesMakesTheWindowTopMostAndUpdatesTheFrame)
{
    OpenFrame();
    RECT before{};
    GetWindowRect(frameWnd_, &before);
    bool centreEnabledAfterClear = true;
    UINT centreCheckedAfterClear = 0;
    test_support::DialogDriver driver("Preferences", [&](HWND box) {
        Click(box, IDC_PREF_ALWAYS_ON_TOP);
        Click(box, IDC_PREF_ASPECT_RATIO);
        Click(box, IDC_PREF_RESIZE_WINDOW);
        // Clearing the resize switch disables the centre switch at once; it keeps its tick.
        centreEnabledAfterClear = IsWindowEnabled(GetDlgItem(box, IDC_PREF_CENTER_WINDOW)) != FALSE;
        centreCheckedAfterClear = IsDlgButtonChecked(box, IDC_PREF_CENTER_WINDOW);
        Press(box, IDOK);
    });
    Command(ID_OPTIONS_PREFERENCES);
    driver.Join();
    ASSERT_TRUE(driver.Found());
    EXPECT_FALSE(centreEnabledAfterClear);
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), centreCheckedAfterClear);
    EXPECT_EQ(0u, Preference("AspectRatio"));
    EXPECT_EQ(1u, Preference("AlwaysOnTop"));
    EXPECT_EQ(0u, Preference("ResizeWindow"));
    EXPECT_EQ(1u, Preference("CenterWindow"));
    EXPECT_EQ(1u, Preference("Unfreeze"));
    EXPECT_TRUE(TopMost());
    RECT after{};
    GetWindowRect(frameWnd_, &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << "the window must not move or change size";
    FramePreferences copy = frame_->Preferences();
    EXPECT_FALSE(copy.aspectRatio);
    EXPECT_FALSE(copy.resizeWindow);
    EXPECT_TRUE(copy.centerWindow);
    EXPECT_TRUE(copy.unfreeze);

    // The next run shows what was stored; clearing "Always on top" removes top-most.
    Shown shown;
    test_support::DialogDriver again("Preferences", [&](HWND box) {
        shown = Read(box, {IDC_PREF_ALWAYS_ON_TOP, IDC_PREF_CENTER_WINDOW});
        Click(box, IDC_PREF_ALWAYS_ON_TOP);
        Click(box, IDC_PREF_UNFREEZE);
        Press(box, IDOK);
    });
    Command(ID_OPTIONS_PREFERENCES);
    again.Join();
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), shown.checked[IDC_PREF_ALWAYS_ON_TOP]);
    EXPECT_FALSE(shown.enabled[IDC_PREF_CENTER_WINDOW]);
    EXPECT_EQ(0u, Preference("AlwaysOnTop"));
    EXPECT_EQ(0u, Preference("Unfreeze"));
    EXPECT_FALSE(TopMost());
    EXPECT_FALSE(frame_->Preferences().unfreeze);
}

TEST_F(OptionDialogsTest, TheFrameTakesItsCopyAtConstruction)
{
    Profile().WriteNumber("Preferences", "AspectRatio", 0);
    Profile().WriteNumber("Preferences", "CenterWindow", 0);
    Profile().WriteNumber("Preferences", "Unfreeze", 7);  // not a switch value: the default
    OpenFrame();
    FramePreferences copy = frame_->Preferences();
    EXPECT_FALSE(copy.aspectRatio);
    EXPECT_TRUE(copy.resizeWindow);
    EXPECT_FALSE(copy.centerWindow);
    EXPECT_TRUE(copy.unfreeze);
}

// The chroma key dialog asks the view whether to let the video run; the
// view answers with the frame's copy, which only the Preferences dialog's OK
// changes after construction, whatever the store holds meanwhile.
TEST_F(OptionDialogsTest, TheViewAnswersTheUnfreezePreferenceFromTheFramesCopy)
{
    OpenFrame();
    auto* view = static_cast<CVDView*>(frame_->ActiveView());
    ASSERT_NE(nullptr, view);
    const IChromaView& chroma = *view;
    EXPECT_TRUE(chroma.UnfreezeWhenChromaKey());
    Profile().WriteNumber("Preferences", "Unfreeze", 0);
    EXPECT_TRUE(chroma.UnfreezeWhenChromaKey()) << "a stored value the frame has not taken";

    Profile().WriteNumber("Preferences", "Unfreeze", 1);
    test_support::DialogDriver driver("Preferences", [&](HWND box) {
        Click(box, IDC_PREF_UNFREEZE);
        Press(box, IDOK);
    });
    Command(ID_OPTIONS_PREFERENCES);
    driver.Join();
    ASSERT_TRUE(driver.Found());
    EXPECT_FALSE(chroma.UnfreezeWhenChromaKey());
    Profile().WriteNumber("Preferences", "Unfreeze", 1);
    EXPECT_FALSE(chroma.UnfreezeWhenChromaKey()) << "still the frame's copy";
}

TEST_F(OptionDialogsTest, HelpWithoutAHelpFileShowsNothing)
{
    OpenFrame();
    bool stillOpen = false;
    HWND helpWindow = nullptr, otherBox = nullptr;
    test_support::DialogDriver driver("Preferences", [&](HWND box) {
        Click(box, ID_HELP);
        Sleep(500);
        stillOpen = IsWindowVisible(box) != FALSE;
        helpWindow = FindWindowA("MS_WINHELP", nullptr);
        for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w;
             w = FindWindowExA(nullptr, w, "#32770", nullptr))
            if (w != box && IsWindowVisible(w))
                otherBox = w;
        Press(box, IDCANCEL);
    });
    Command(ID_OPTIONS_PREFERENCES);
    driver.Join();
    ASSERT_TRUE(driver.Found());
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(nullptr, helpWindow);
    EXPECT_EQ(nullptr, otherBox);
}

TEST_F(OptionDialogsTest, ClipboardOptionsStoreOnOkOnly)
{
    OpenFrame();
    Shown shown;
    test_support::DialogDriver cancel("Clipboard Options", [&](HWND box) {
        shown = Read(box, {IDC_CLIP_24BIT, IDC_CLIP_8BIT, IDC_CLIP_8BIT_GRAY, IDC_CLIP_4BIT, IDC_CLIP_DIB,
                           IDC_CLIP_DDB});
        Click(box, IDC_CLIP_4BIT);
        Press(box, IDCANCEL);
    });
    Command(ID_EDIT_COPY_OPTIONS);
    cancel.Join();
    ASSERT_TRUE(cancel.Found());
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), shown.checked[IDC_CLIP_24BIT]);
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), shown.checked[IDC_CLIP_DIB]);
    EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), shown.checked[IDC_CLIP_DDB]);
    EXPECT_TRUE(shown.enabled[IDC_CLIP_DDB]);  // also at 24 bits
    EXPECT_EQ(kUnset, Clipboard("Color"));
    EXPECT_EQ(kUnset, Clipboard("Format"));

    Shown afterGray;
    test_support::DialogDriver ok("Clipboard Options", [&](HWND box) {
        Click(box, IDC_CLIP_8BIT_GRAY);
        Click(box, IDC_CLIP_DDB);
        afterGray = Read(box, {IDC_CLIP_24BIT, IDC_CLIP_8BIT_GRAY, IDC_CLIP_DDB});
        Press(box, IDOK);
    });
    Command(ID_EDIT_COPY_OPTIONS);
    ok.Join();
    EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), afterGray.checked[IDC_CLIP_24BIT]);
    EXPECT_TRUE(afterGray.enabled[IDC_CLIP_DDB]);
    EXPECT_EQ(2u, Clipboard("Color"));
    EXPECT_EQ(1u, Clipboard("Format"));
    EXPECT_EQ("DDB 8-bit gray", CClipboardOptionsDlg().GetClipboardType());
}

TEST_F(OptionDialogsTest, ClipboardTypeWordsForEveryStoredChoice)
{
    const char* expected[4][2] = {{"DIB 24-bit", "DIB 24-bit"},
                                  {"DIB 8-bit", "DDB 8-bit"},
                                  {"DIB 8-bit gray", "DDB 8-bit gray"},
                                  {"DIB 4-bit", "DDB 4-bit"}};
    for (DWORD colour = 0; colour < 4; ++colour) {
        for (DWORD format = 0; format < 2; ++format) {
            Profile().WriteNumber("Clipboard", "Color", colour);
            Profile().WriteNumber("Clipboard", "Format", format);
            EXPECT_EQ(expected[colour][format], CClipboardOptionsDlg().GetClipboardType())
                << "colour " << colour << ", format " << format;
        }
    }
    // A stored value outside its choices reads as the default.
    Profile().WriteNumber("Clipboard", "Color", 9);
    Profile().WriteNumber("Clipboard", "Format", 1);
    EXPECT_EQ("DIB 24-bit", CClipboardOptionsDlg().GetClipboardType());
}

TEST_F(OptionDialogsTest, VolumeSettingFallsBackToTheLineInDialog)
{
    OpenFrame();
    test_support::DialogDriver driver("Line In", [](HWND box) { Press(box, IDCANCEL); });
    Command(ID_OPTIONS_VOLUME);
    driver.Join();
    EXPECT_TRUE(driver.Found());
}

}  // namespace
