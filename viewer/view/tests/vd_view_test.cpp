// The view inside the viewer's frame: what it sends to the card when it is
// made, sized, scrolled and switched between modes, its command states, the
// registered messages, and the video source it keeps.
#include "doc_template.h"
#include "main_frame.h"
#include "overlay_viewer.h"
#include "recording_transport.h"
#include "resource.h"
#include "settings_store.h"
#include "vd_doc.h"
#include "vd_view.h"
#include "view.h"
#include "win_app.h"
#include "viewer_frame_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

constexpr char kTestCompanyKey[] = "KX310 Tests\\view";

class ViewTest : public test_support::ViewerFrameFixture {
protected:
    ViewTest() : ViewerFrameFixture(kTestCompanyKey) {}

    void SetUp() override
    {
        RecordCommands(&driver);
        ViewerFrameFixture::SetUp();
    }

    CSettingsStore Settings() { return Profile(); }

    void OpenViewFrame()
    {
        OpenFrame();
        view_ = dynamic_cast<CVDView*>(frame_->ActiveView());
        ASSERT_NE(nullptr, view_);
    }

    // Resizes the view's frame so that the view's client area has the given
    // size.  A step can change what the frame's bars and menu take (a menu
    // bar that wraps, say), so the size is corrected until it holds.
    void SizeViewTo(int w, int h)
    {
        for (int attempt = 0; attempt < 4; ++attempt) {
            RECT client = view_->ClientRect();
            if (attempt > 0 && client.right == w && client.bottom == h)
                return;
            RECT frame{};
            GetWindowRect(frameWnd_, &frame);
            SetWindowPos(frameWnd_, nullptr, 0, 0, frame.right - frame.left + (w - client.right),
                         frame.bottom - frame.top + (h - client.bottom), SWP_NOMOVE | SWP_NOZORDER);
            test_support::Pump(50);
        }
    }

    std::vector<std::string> SentSince(size_t from) const
    {
        std::vector<std::string> texts = driver.Texts();
        return std::vector<std::string>(texts.begin() + static_cast<long>(std::min(from, texts.size())), texts.end());
    }

    std::vector<std::string> LastPlacement() const
    {
        std::vector<std::string> texts = driver.Texts();
        auto at = std::find(texts.rbegin(), texts.rend(), "set VCKX310 card type to 3");
        if (at == texts.rend())
            return {};
        return std::vector<std::string>(at.base() - 1, texts.end());
    }

    void Command(UINT id) { SendMessageA(frameWnd_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    framework::CCmdUI Probe(UINT id)
    {
        framework::CCmdUI ui = framework::CCmdUI::Probe(id);
        frame_->RouteUpdate(ui);
        return ui;
    }

    RecordingTransport driver;
    CVDView* view_ = nullptr;
};

TEST_F(ViewTest, CreationSendsTheSourceThenNamesTheWindow)
{
    Settings().WriteNumber("Settings", "VideoSource", 1);
    OpenViewFrame();
    std::vector<std::string> sent = driver.Texts();
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ("set VCKX310 source number to 1", sent[0]);
    EXPECT_EQ("set VCKX310 card type to 3", sent[1]);
    EXPECT_EQ("window VCKX310 handle " + std::to_string(reinterpret_cast<uintptr_t>(view_->Handle())), sent[2]);
}

TEST_F(ViewTest, SizingPlacesTheVideoOverTheClientArea)
{
    OpenViewFrame();
    SizeViewTo(400, 300);
    EXPECT_EQ((std::vector<std::string>{"set VCKX310 card type to 3", "put VCKX310 frame at 0 0 400 300 deferred",
                                        "put VCKX310 source at 0 0 400 300 deferred", "put VCKX310 destination"}),
              LastPlacement());
}

TEST_F(ViewTest, ZoomPansAndZoomOutReturnsToFit)
{
    OpenViewFrame();
    SizeViewTo(400, 300);
    Command(ID_VIEW_ZOOM_IN);
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    std::vector<std::string> placed = LastPlacement();
    ASSERT_EQ(4u, placed.size());
    EXPECT_EQ("put VCKX310 frame at 0 0 " + std::to_string(sw) + " " + std::to_string(sh) + " deferred", placed[1]);
    RECT client = view_->ClientRect();  // scroll bars took some of it
    EXPECT_EQ("put VCKX310 source at 0 0 " + std::to_string(client.right / 2) + " " +
                  std::to_string(client.bottom / 2) + " deferred",
              placed[2]);
    EXPECT_TRUE(Probe(ID_VIEW_NON_FIT).Enabled() == false);
    EXPECT_EQ(2, view_->State().zoom);

    Command(ID_VIEW_ZOOM_OUT);
    EXPECT_EQ(1, view_->State().zoom);
    EXPECT_FALSE(view_->State().nonFit);
    placed = LastPlacement();
    client = view_->ClientRect();
    ASSERT_EQ(4u, placed.size());
    EXPECT_EQ("put VCKX310 frame at 0 0 " + std::to_string(client.right) + " " + std::to_string(client.bottom) +
                  " deferred",
              placed[1]);
}

TEST_F(ViewTest, ScrollingInNonFitModeMovesTheSource)
{
    OpenViewFrame();
    SizeViewTo(400, 300);
    Command(ID_VIEW_ZOOM_IN);
    // A page is a tenth of the zoomed screen; the source moves by half of it.
    SendMessageA(view_->Handle(), WM_HSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    SendMessageA(view_->Handle(), WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    int pageX = GetSystemMetrics(SM_CXSCREEN) * 2 / 10, pageY = GetSystemMetrics(SM_CYSCREEN) * 2 / 10;
    EXPECT_EQ(pageX, view_->ScrollPosition().x);
    std::vector<std::string> placed = LastPlacement();
    ASSERT_EQ(4u, placed.size());
    std::string origin = std::to_string(pageX / 2) + " " + std::to_string(pageY / 2) + " ";
    EXPECT_EQ(0u, placed[2].find("put VCKX310 source at " + origin)) << placed[2];
}

TEST_F(ViewTest, DisplayModeCommandsAndTheirStates)
{
    OpenViewFrame();
    size_t from = driver.sent.size();
    Command(ID_VIEW_FREEZE);
    Command(ID_VIEW_INVERT);
    Command(ID_SOURCE_SVIDEO);
    EXPECT_EQ((std::vector<std::string>{"freeze VCKX310 ", "set VCKX310 vertical flip on",
                                        "set VCKX310 source number to 3"}),
              SentSince(from));
    test_support::Pump(20);
    EXPECT_TRUE(view_->State().frozen);
    EXPECT_FALSE(Probe(ID_TOOLS_ROTATE_SOURCE).Enabled());
    EXPECT_FALSE(Probe(ID_VIEW_ZOOM_OUT).Enabled());
    EXPECT_TRUE(Probe(ID_VIEW_ZOOM_IN).Enabled());
    EXPECT_FALSE(Probe(ID_VIEW_NEW_COLOR_KEY).Enabled());
    EXPECT_TRUE(Probe(ID_VIEW_CHROMA_KEY).Enabled());  // always: it picks or opens its dialog

    // The freeze menu item shows the state.
    HMENU viewMenu = GetSubMenu(GetMenu(frameWnd_), 2);
    SendMessageA(frameWnd_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(viewMenu), 2);
    EXPECT_TRUE(GetMenuState(viewMenu, ID_VIEW_FREEZE, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(viewMenu, ID_VIEW_ZOOM_OUT, MF_BYCOMMAND) & MF_GRAYED);

    from = driver.sent.size();
    Command(ID_VIEW_FREEZE);
    EXPECT_EQ((std::vector<std::string>{"unfreeze VCKX310 "}), SentSince(from));
}

TEST_F(ViewTest, VideoSourceIsKeptAcrossRuns)
{
    Settings().WriteNumber("Settings", "VideoSource", 0);
    OpenViewFrame();
    Command(ID_SOURCE_1);
    DestroyWindow(frameWnd_);
    test_support::Pump(20);
    EXPECT_EQ(1u, Settings().ReadNumber("Settings", "VideoSource", 7));
}

TEST_F(ViewTest, UpdateVideoMessageFollowsOnlyARunningExport)
{
    OpenViewFrame();
    SizeViewTo(320, 240);
    // Nothing exported: late reports of an ended watch change nothing.
    size_t from = driver.sent.size();
    SendMessageA(view_->Handle(), g_msgUpdateVideo, 0, 0);
    SendMessageA(view_->Handle(), g_msgUpdateVideo, 1, 0);
    EXPECT_TRUE(SentSince(from).empty());
    EXPECT_EQ(nullptr, view_->ExportTarget());

    view_->SetExportTarget(frameWnd_);
    view_->ApplyKeyColour(RGB(255, 255, 255));
    from = driver.sent.size();
    SendMessageA(view_->Handle(), g_msgUpdateVideo, 0, 0);
    EXPECT_EQ((std::vector<std::string>{"set VCKX310 card type to 2", "put VCKX310 destination"}), SentSince(from));

    from = driver.sent.size();
    SendMessageA(view_->Handle(), g_msgUpdateVideo, 1, 0);
    std::vector<std::string> sent = SentSince(from);
    ASSERT_EQ(6u, sent.size());
    EXPECT_EQ("set VCKX310 video key color to 16711935", sent[0]);
    EXPECT_EQ("window VCKX310 handle " + std::to_string(reinterpret_cast<uintptr_t>(view_->Handle())), sent[1]);
    EXPECT_EQ("put VCKX310 frame at 0 0 320 240 deferred", sent[3]);
    // The export has ended: the view places itself again with the key
    // colour it had before.
    EXPECT_EQ(nullptr, view_->ExportTarget());
    EXPECT_EQ(RGB(255, 0, 255), view_->KeyColour());
}

TEST_F(ViewTest, CancelledKeyColourPickEndsThePick)
{
    OpenViewFrame();
    view_->SetKeyLock(false);
    view_->BeginKeyColourPick();
    size_t from = driver.sent.size();
    SendMessageA(view_->Handle(), g_msgFindClientPt, 0, 0);
    EXPECT_FALSE(view_->PickingKeyColour());
    EXPECT_EQ((std::vector<std::string>{"set VCKX310 video key off"}), SentSince(from));

    // A later cancelled pick is a chroma key pick: key off and, with the
    // user's freeze state clear, the video runs again.
    from = driver.sent.size();
    SendMessageA(view_->Handle(), g_msgFindClientPt, 0, 0);
    EXPECT_EQ((std::vector<std::string>{"set VCKX310 video key off", "unfreeze VCKX310 "}), SentSince(from));
}

TEST_F(ViewTest, PickedKeyColourIsReadFromTheScreenAndKept)
{
    OpenViewFrame();
    SizeViewTo(200, 150);
    RedrawWindow(view_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    view_->BeginKeyColourPick();
    POINT at{10, 10};
    size_t from = driver.sent.size();
    SendMessageA(view_->Handle(), g_msgFindClientPt, 1, reinterpret_cast<LPARAM>(&at));
    EXPECT_FALSE(view_->PickingKeyColour());
    EXPECT_EQ(RGB(255, 0, 255), view_->KeyColour());
    EXPECT_EQ((std::vector<std::string>{"set VCKX310 video key color to 16711935"}), SentSince(from))
        << "with the key lock set the view sends no video key command";
}

TEST_F(ViewTest, ContextMenuOffersTheDisplayModes)
{
    OpenViewFrame();
    ASSERT_NE(nullptr, view_->ContextMenu());
    EXPECT_EQ(3, GetMenuItemCount(view_->ContextMenu()));
    HMENU nothing = GetSubMenu(view_->ContextMenu(), CVDView::kPopupNothing);
    ASSERT_NE(nullptr, nothing);
    for (UINT id : {ID_VIEW_FREEZE, ID_VIEW_FULL_SCREEN, ID_VIEW_INVERT, ID_VIEW_NON_FIT, ID_VIEW_ZOOM_IN,
                    ID_VIEW_ZOOM_OFF, ID_VIEW_ZOOM_OUT, ID_TEXT_ADD})
        EXPECT_NE(static_cast<UINT>(-1), GetMenuState(nothing, id, MF_BYCOMMAND)) << id;
    // Its states come from the same rules as the menu bar's.
    SendMessageA(frameWnd_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(nothing), 2);
    EXPECT_TRUE(GetMenuState(nothing, ID_VIEW_ZOOM_OUT, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(nothing, ID_VIEW_ZOOM_IN, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(ViewTest, StatusPanesShowSizePositionAndZoom)
{
    OpenViewFrame();
    SizeViewTo(320, 240);
    framework::CStatusBar* bar = frame_->StatusBar();
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ("320 x 240", bar->PaneText(1));
    EXPECT_EQ("0, 0", bar->PaneText(2));
    EXPECT_EQ("x1", bar->PaneText(3));
    Command(ID_VIEW_ZOOM_IN);
    EXPECT_EQ("x2", bar->PaneText(3));
}

}  // namespace
