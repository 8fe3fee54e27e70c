// The viewer's main frame inside the test process: its window class, tool
// bar, status bar, saved placement, "AlwaysOnTop", command states, tool tips
// and fly-by help.  The overlay device is never opened here, so every command
// to the driver is a silent no-op.
#include "about_box.h"
#include "doc_template.h"
#include "main_frame.h"
#include "settings_store.h"
#include "resource.h"
#include "vd_doc.h"
#include "vd_view.h"
#include "win_app.h"
#include "viewer_frame_fixture.h"
#include "window_test_support.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The settings of these tests live apart from the real viewer's.
constexpr char kTestCompanyKey[] = "KX310 Tests\\main frame";

class MainFrameTest : public test_support::ViewerFrameFixture {
protected:
    MainFrameTest() : ViewerFrameFixture(kTestCompanyKey) {}

    RECT FrameRect() const
    {
        RECT r{};
        GetWindowRect(frameWnd_, &r);
        return r;
    }

};

TEST_F(MainFrameTest, WindowClassAndFrameStyle)
{
    OpenFrame();
    EXPECT_EQ(frameWnd_, FindWindowA("KX310WINClass", nullptr));
    EXPECT_EQ(0u, GetClassLongPtrA(frameWnd_, GCL_STYLE));
    EXPECT_NE(0u, GetClassLongPtrA(frameWnd_, GCLP_HICON));
    LOGBRUSH brush{};
    ASSERT_TRUE(GetObjectA(reinterpret_cast<HBRUSH>(GetClassLongPtrA(frameWnd_, GCLP_HBRBACKGROUND)), sizeof brush,
                           &brush));
    EXPECT_EQ(static_cast<UINT>(BS_SOLID), brush.lbStyle);
    EXPECT_EQ(RGB(255, 0, 255), brush.lbColor);
    EXPECT_TRUE(GetWindowLongPtrA(frameWnd_, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    char title[128] = {};
    GetWindowTextA(frameWnd_, title, sizeof title);
    EXPECT_STREQ("Video Deck KX310", title);
    EXPECT_NE(nullptr, GetMenu(frameWnd_));
}

TEST_F(MainFrameTest, ToolBarHasTheEighteenSlots)
{
    OpenFrame();
    HWND bar = frame_->ToolBar()->Handle();
    ASSERT_EQ(18, SendMessageA(bar, TB_BUTTONCOUNT, 0, 0));
    const int expected[18] = {ID_FILE_OPEN,   ID_FILE_SAVE,          0,  ID_EDIT_CUT, ID_EDIT_COPY,
                              ID_EDIT_PASTE,  0,                     ID_FILE_PRINT, 0, ID_VIEW_FREEZE,
                              ID_TOOLS_EXPORT_VIDEO, ID_VIEW_CHROMA_KEY, 0, ID_TEXT_ADD, 0, ID_OPTIONS_COLOR,
                              ID_OPTIONS_VOLUME, ID_OPTIONS_DISPLAY};
    int image = 0;
    for (int i = 0; i < 18; ++i) {
        TBBUTTON button{};
        SendMessageA(bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (expected[i] == 0) {
            EXPECT_TRUE(button.fsStyle & BTNS_SEP) << "slot " << i;
        } else {
            EXPECT_EQ(expected[i], button.idCommand) << "slot " << i;
            EXPECT_EQ(image++, button.iBitmap) << "slot " << i;
        }
    }
    EXPECT_TRUE(GetWindowLongPtrA(bar, GWL_STYLE) & TBSTYLE_TOOLTIPS);
}

TEST_F(MainFrameTest, StatusBarHasSixPanesSizedFromTheirTexts)
{
    OpenFrame();
    framework::CStatusBar* bar = frame_->StatusBar();
    int edges[8] = {};
    ASSERT_EQ(6, SendMessageA(bar->Handle(), SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)));
    EXPECT_GT(bar->PaneWidth(kPaneSize), bar->PaneWidth(kPanePosition));  // "000 x 000" is wider than "000, 000"
    EXPECT_GT(bar->PaneWidth(kPanePosition), bar->PaneWidth(kPaneZoom));  // ... than "x4"
    EXPECT_GT(bar->PaneWidth(kPaneZoom), 0);
    EXPECT_EQ(0, bar->PaneWidth(kPaneStrobing));  // shown only while strobing
    EXPECT_EQ(0, bar->PaneWidth(kPaneRotating));
    frame_->ShowPane(kPaneStrobing, true);
    EXPECT_EQ(bar->TextWidth("Strobing..."), bar->PaneWidth(kPaneStrobing));
    frame_->ShowPane(kPaneStrobing, false);
    EXPECT_EQ(0, bar->PaneWidth(kPaneStrobing));
    EXPECT_EQ("Ready", bar->PaneText(kPaneMessage));
}

TEST_F(MainFrameTest, SavedPlacementIsUsedAndWrittenBackAtClose)
{
    Profile().WriteText("Settings", "WindowPos", "10 20 530 400");
    OpenFrame();
    RECT r = FrameRect();
    EXPECT_EQ(10, r.left);
    EXPECT_EQ(20, r.top);
    EXPECT_EQ(520, r.right - r.left);
    EXPECT_EQ(380, r.bottom - r.top);

    SetWindowPos(frameWnd_, nullptr, 30, 40, 600, 450, SWP_NOZORDER);
    SendMessageA(frameWnd_, WM_CLOSE, 0, 0);
    test_support::Pump(20);
    EXPECT_FALSE(IsWindow(frameWnd_));
    EXPECT_EQ("30 40 630 490", Profile().ReadText("Settings", "WindowPos"));
}

TEST_F(MainFrameTest, UnreadablePlacementGivesTheCentredDefault)
{
    Profile().WriteText("Settings", "WindowPos", "10 20");
    OpenFrame();
    RECT r = FrameRect();
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ((sw - 500) / 2, r.left);
    EXPECT_EQ((sh - 380) / 2, r.top);
    EXPECT_EQ(500, r.right - r.left);
    EXPECT_EQ(380, r.bottom - r.top);
}

TEST_F(MainFrameTest, AlwaysOnTopMakesTheFrameTopmost)
{
    Profile().WriteNumber("Preferences", "AlwaysOnTop", 1);
    OpenFrame();
    EXPECT_TRUE(GetWindowLongPtrA(frameWnd_, GWL_EXSTYLE) & WS_EX_TOPMOST);
    DestroyWindow(frameWnd_);
    test_support::Pump(20);

    Profile().WriteNumber("Preferences", "AlwaysOnTop", 0);
    OpenFrame();
    EXPECT_FALSE(GetWindowLongPtrA(frameWnd_, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

// The state of a menu item after the frame prepared its pop-up.
UINT MenuState(HWND frame, int popup, UINT id)
{
    HMENU menu = GetSubMenu(GetMenu(frame), popup);
    SendMessageA(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(popup, FALSE));
    return GetMenuState(menu, id, MF_BYCOMMAND);
}

TEST_F(MainFrameTest, CommandsWithoutHandlersAreDisabledInMenusAndToolBar)
{
    OpenFrame();
    // Every item has its handler now, Display Setting too.
    EXPECT_FALSE(MenuState(frameWnd_, 6, ID_OPTIONS_DISPLAY) & MF_GRAYED);
    EXPECT_FALSE(MenuState(frameWnd_, 0, ID_FILE_OPEN) & MF_GRAYED);
    EXPECT_FALSE(MenuState(frameWnd_, 0, ID_APP_EXIT) & MF_GRAYED);
    // View: the bars are shown, so their items are checked.
    EXPECT_TRUE(MenuState(frameWnd_, 2, ID_VIEW_TOOLBAR) & MF_CHECKED);
    EXPECT_TRUE(MenuState(frameWnd_, 2, ID_VIEW_STATUS_BAR) & MF_CHECKED);
    EXPECT_TRUE(MenuState(frameWnd_, 2, ID_IMAGE_UNLOAD) & MF_GRAYED);

    frame_->OnIdleUpdate();
    HWND bar = frame_->ToolBar()->Handle();
    EXPECT_TRUE(SendMessageA(bar, TB_ISBUTTONENABLED, ID_FILE_OPEN, 0));
    EXPECT_TRUE(SendMessageA(bar, TB_ISBUTTONENABLED, ID_OPTIONS_DISPLAY, 0));
}

TEST_F(MainFrameTest, ToolBarAndStatusBarCommandsHideAndShowTheBars)
{
    // Without the aspect rule the frame keeps its size and the view grows.
    Profile().WriteNumber("Preferences", "AspectRatio", 0);
    OpenFrame();
    HWND view = GetDlgItem(frameWnd_, 0xE900);
    RECT before{};
    GetWindowRect(view, &before);
    SendMessageA(frameWnd_, WM_COMMAND, ID_VIEW_TOOLBAR, 0);
    EXPECT_FALSE(IsWindowVisible(frame_->ToolBar()->Handle()));
    RECT after{};
    GetWindowRect(view, &after);
    EXPECT_LT(after.top, before.top);  // the view took the tool bar's room
    EXPECT_FALSE(MenuState(frameWnd_, 2, ID_VIEW_TOOLBAR) & MF_CHECKED);
    SendMessageA(frameWnd_, WM_COMMAND, ID_VIEW_TOOLBAR, 0);
    EXPECT_TRUE(IsWindowVisible(frame_->ToolBar()->Handle()));

    SendMessageA(frameWnd_, WM_COMMAND, ID_VIEW_STATUS_BAR, 0);
    EXPECT_FALSE(IsWindowVisible(frame_->StatusBar()->Handle()));
    GetWindowRect(view, &after);
    EXPECT_GT(after.bottom, before.bottom);
}

TEST_F(MainFrameTest, ToolTipsAndFlyByHelpComeFromThePrompts)
{
    OpenFrame();
    NMTTDISPINFOA info{};
    info.hdr.hwndFrom = frame_->ToolBar()->Handle();
    info.hdr.idFrom = ID_FILE_SAVE;
    info.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(frameWnd_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(nullptr, info.lpszText);
    EXPECT_STREQ("Save", info.lpszText);

    HMENU file = GetSubMenu(GetMenu(frameWnd_), 0);
    SendMessageA(frameWnd_, WM_MENUSELECT, MAKEWPARAM(ID_FILE_SAVE, MF_HILITE), reinterpret_cast<LPARAM>(file));
    EXPECT_EQ("Save the picture to a file", frame_->StatusBar()->PaneText(kPaneMessage));
    SendMessageA(frameWnd_, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ("Ready", frame_->StatusBar()->PaneText(kPaneMessage));

    NMTBHOTITEM hot{};
    hot.hdr.hwndFrom = frame_->ToolBar()->Handle();
    hot.hdr.code = TBN_HOTITEMCHANGE;
    hot.idNew = ID_VIEW_FREEZE;
    hot.dwFlags = HICF_MOUSE;
    SendMessageA(frameWnd_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&hot));
    EXPECT_EQ("Freeze or unfreeze the video", frame_->StatusBar()->PaneText(kPaneMessage));
}

TEST_F(MainFrameTest, ToolBarDocksAtEachSide)
{
    OpenFrame();
    framework::CToolBar* bar = frame_->ToolBar();
    HWND view = GetDlgItem(frameWnd_, 0xE900);
    auto clientRect = [&](HWND wnd) {
        RECT r{};
        GetWindowRect(wnd, &r);
        MapWindowPoints(nullptr, frameWnd_, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    RECT client{};
    GetClientRect(frameWnd_, &client);

    ASSERT_TRUE(bar->Dock(framework::DockSide::Left));
    RECT b = clientRect(bar->Handle()), v = clientRect(view);
    EXPECT_EQ(0, b.left);
    EXPECT_LT(b.right - b.left, b.bottom - b.top);  // a column
    EXPECT_EQ(b.right, v.left);

    ASSERT_TRUE(bar->Dock(framework::DockSide::Right));
    b = clientRect(bar->Handle()), v = clientRect(view);
    EXPECT_EQ(client.right, b.right);
    EXPECT_EQ(v.right, b.left);

    ASSERT_TRUE(bar->Dock(framework::DockSide::Bottom));
    b = clientRect(bar->Handle()), v = clientRect(view);
    RECT status = clientRect(frame_->StatusBar()->Handle());
    EXPECT_EQ(status.top, b.bottom);
    EXPECT_EQ(v.bottom, b.top);
    EXPECT_GT(b.right - b.left, b.bottom - b.top);  // a row

    ASSERT_TRUE(bar->Dock(framework::DockSide::Top));
    b = clientRect(bar->Handle()), v = clientRect(view);
    EXPECT_EQ(0, b.top);
    EXPECT_EQ(b.bottom, v.top);
}

TEST_F(MainFrameTest, DraggingTheToolBarDocksItAtTheNearestSide)
{
    OpenFrame();
    framework::CToolBar* bar = frame_->ToolBar();
    HWND barWnd = bar->Handle();
    RECT client{};
    GetClientRect(frameWnd_, &client);
    // Drags by the first separator (the empty parts of the bar are its handle)
    // to a point of the frame's client area.
    auto drag = [&](POINT frameClientPoint) {
        RECT separator{};
        SendMessageA(barWnd, TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&separator));
        POINT from{(separator.left + separator.right) / 2, (separator.top + separator.bottom) / 2};
        POINT to = frameClientPoint;
        MapWindowPoints(frameWnd_, barWnd, &to, 1);
        SendMessageA(barWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        SendMessageA(barWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        SendMessageA(barWnd, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    };
    drag(POINT{client.right - 4, client.bottom / 2});
    EXPECT_EQ(framework::DockSide::Right, bar->Side());
    drag(POINT{client.right / 2, client.bottom - 30});
    EXPECT_EQ(framework::DockSide::Bottom, bar->Side());
    drag(POINT{6, client.bottom / 2});
    EXPECT_EQ(framework::DockSide::Left, bar->Side());
    drag(POINT{client.right / 2, 2});
    EXPECT_EQ(framework::DockSide::Top, bar->Side());
    EXPECT_EQ(nullptr, GetCapture());
}

TEST(AboutBoxTest, WithoutTheLibraryAPlainBoxShowsTitleAndCredit)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    EXPECT_FALSE(ShowLibraryAboutBox(nullptr, instance, IDR_MAINFRAME, IDS_ABOUT_CREDIT));
    test_support::MessageBoxAnswerer answer("About Video Deck KX310", IDOK);
    ShowPlainAboutBox(nullptr, instance, IDR_MAINFRAME, IDS_ABOUT_CREDIT);
    answer.Join();
    ASSERT_TRUE(answer.Answered());
    EXPECT_EQ(0u, answer.Seen().text.find("Video Deck KX310"));
    EXPECT_NE(std::string::npos, answer.Seen().text.find("Live video overlay for the Vistacard KX310."));
}

}  // namespace
