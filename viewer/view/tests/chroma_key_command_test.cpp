// The view's Chroma Key command in the viewer's frame, with real clicks:
// the pick in the view that opens the chroma key dialog with the point, the
// dialog at once while keying is on, and the cancelled pick.
#include "answering_transport.h"
#include "chroma_state.h"
#include "overlay_viewer.h"
#include "point_picker.h"
#include "real_input.h"
#include "viewer_frame_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

namespace {

using Texts = std::vector<std::string>;

class ChromaKeyCommandTest : public test_support::ViewerFrameFixture {
protected:
    ChromaKeyCommandTest() : ViewerFrameFixture("KX310 Tests\\chroma command") {}

    void SetUp() override
    {
        ViewerOverlayLink().SetTransport(&card_);
        SetOverlayDeviceOpen();
        ShowOverlayErrors(false);
        RegisterViewerMessages();
        ViewerFrameFixture::SetUp();
        ProcessChromaState() = ChromaState{};
        OpenFrame();
        view_ = dynamic_cast<CVDView*>(frame_->ActiveView());
        ASSERT_NE(nullptr, view_);
        SetWindowPos(frameWnd_, nullptr, 20, 20, 480, 380, SWP_NOZORDER);
        SetForegroundWindow(frameWnd_);
        test_support::Pump(200);
    }
    void TearDown() override
    {
        ViewerFrameFixture::TearDown();
        ViewerOverlayLink().SetTransport(nullptr);
    }

    void Command(UINT id) { SendMessageA(frameWnd_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    bool ChromaKeyChecked()
    {
        HMENU tools = GetSubMenu(GetMenu(frameWnd_), 5);
        SendMessageA(frameWnd_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(tools), 5);
        return (GetMenuState(tools, ID_VIEW_CHROMA_KEY, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }

    // Drives the chroma key dialog from another thread once it shows.
    std::thread DriveDialog(std::function<void(HWND)> act)
    {
        return std::thread([act] {
            for (int i = 0; i < 400; ++i, Sleep(25)) {
                HWND box = FindWindowA("#32770", "Chroma Key");
                if (box && IsWindowVisible(box)) {
                    Sleep(300);
                    act(box);
                    return;
                }
            }
        });
    }
    static void Click(HWND box, int id)
    {
        kxtest::RunXdotool(kxtest::ClickAt(kxtest::ClientCentre(GetDlgItem(box, id))));
        Sleep(250);
    }

    AnsweringTransport card_;
    CVDView* view_ = nullptr;
};

TEST_F(ChromaKeyCommandTest, APickInTheViewOpensTheDialogWithThePoint)
{
    EXPECT_FALSE(ChromaKeyChecked());
    size_t from = card_.Count();
    Command(ID_VIEW_CHROMA_KEY);
    EXPECT_EQ((Texts{"freeze VCKX310 "}), card_.Since(from)) << "frozen for the pick, the user's state kept";
    EXPECT_FALSE(view_->Frozen());
    ASSERT_TRUE(CPointPicker::Instance().Picking());

    Texts atOpening;
    from = card_.Count();
    std::thread driver = DriveDialog([&](HWND box) {
        atOpening = card_.Since(from);
        Click(box, IDOK);
    });
    ASSERT_TRUE(kxtest::RunXdotool(kxtest::ClickAt(kxtest::ScreenPoint(view_->Handle(), POINT{60, 50})),
                                   [] { test_support::Pump(10); }));
    test_support::WaitFor([&] { return view_->ChromaKeyActive(); }, 8000);
    driver.join();
    EXPECT_EQ((Texts{"get VCKX310 pixel rgb at 60 50 0 0", "get VCKX310 yuv from 60 50 0 0",
                     "set VCKX310 chroma key to 0 120 -30 40", "unfreeze VCKX310 "}),
              atOpening);
    EXPECT_TRUE(view_->ChromaKeyActive());
    EXPECT_EQ(120, view_->ChromaKey().y);
    EXPECT_EQ(10, view_->ChromaKey().toleranceU);
    EXPECT_TRUE(ChromaKeyChecked());
    EXPECT_FALSE(CPointPicker::Instance().Picking());

    // With keying on, the command opens the dialog at once, without a pick.
    Texts whileOpen;
    from = card_.Count();
    driver = DriveDialog([&](HWND box) {
        whileOpen = card_.Since(from);
        Click(box, IDC_STOP);
    });
    Command(ID_VIEW_CHROMA_KEY);
    driver.join();
    EXPECT_EQ((Texts{"unfreeze VCKX310 "}), whileOpen);
    EXPECT_FALSE(view_->ChromaKeyActive());
    EXPECT_FALSE(ChromaKeyChecked());
}

TEST_F(ChromaKeyCommandTest, ARightClickCancelsThePickAndTheVideoRunsAgain)
{
    Command(ID_VIEW_CHROMA_KEY);
    ASSERT_TRUE(CPointPicker::Instance().Picking());
    size_t from = card_.Count();
    ASSERT_TRUE(kxtest::RunXdotool(kxtest::ClickAt(kxtest::ClientCentre(view_->Handle()), 3),
                                   [] { test_support::Pump(10); }));
    test_support::Pump(200);
    EXPECT_FALSE(CPointPicker::Instance().Picking());
    EXPECT_EQ((Texts{"unfreeze VCKX310 "}), card_.Since(from));
    EXPECT_EQ(nullptr, FindWindowA("#32770", "Chroma Key"));
    EXPECT_FALSE(view_->ChromaKeyActive());
}

}  // namespace
