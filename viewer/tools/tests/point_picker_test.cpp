// The point picker with real windows and real clicks: where a left click
// ends the pick and where it only beeps, the ways of cancelling, and what the
// picked window sees of it all.
#include "pump.h"
#include "point_picker.h"
#include "real_input.h"
#include "registered_messages.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

struct Seen {
    int buttonMessages = 0;
    int paints = 0;
    int destroys = 0;
    struct Pick {
        bool picked;
        POINT point;
    };
    std::vector<Pick> picks;
};

LRESULT CALLBACK TestProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* seen = reinterpret_cast<Seen*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (seen) {
        if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_RBUTTONUP)
            ++seen->buttonMessages;
        if (msg == WM_PAINT)
            ++seen->paints;
        if (msg == WM_DESTROY)
            ++seen->destroys;
        if (msg == g_msgFindClientPt) {
            FindClientPtMessage pick(framework::Message{wnd, msg, wp, lp});
            seen->picks.push_back({pick.point.has_value(), pick.point.value_or(POINT{-1, -1})});
        }
    }
    return DefWindowProcA(wnd, msg, wp, lp);
}

using kxtest::Pump;

class PointPickerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegisterViewerMessages();
        WNDCLASSA cls{};
        cls.lpfnWndProc = TestProc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
        cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        cls.lpszClassName = "PointPickerTestWindow";
        RegisterClassA(&cls);
    }

    void SetUp() override
    {
        pick_ = Make("Pick here", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 320, 220, nullptr, &pickSeen_);
        child_ = Make("", WS_CHILD | WS_VISIBLE | WS_BORDER, 200, 100, 80, 60, pick_, &childSeen_);
        other_ = Make("Elsewhere", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 520, 100, 240, 220, nullptr, &otherSeen_);
        tell_ = Make("Tell", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, &tellSeen_);
        SetForegroundWindow(pick_);
        Pump(300);
        ownProc_ = GetWindowLongPtrA(pick_, GWLP_WNDPROC);
    }

    void TearDown() override
    {
        for (HWND w : {pick_, other_, tell_})
            if (IsWindow(w))
                DestroyWindow(w);
        Pump(50);
        ASSERT_FALSE(CPointPicker::Instance().Picking());
    }

    static HWND Make(const char* title, DWORD style, int x, int y, int w, int h, HWND parent, Seen* seen)
    {
        HWND wnd = CreateWindowExA(0, "PointPickerTestWindow", title, style, x, y, w, h, parent, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(seen));
        return wnd;
    }

    bool Input(const std::string& chain)
    {
        return kxtest::RunXdotool(chain, [] { Pump(10); });
    }

    // Waits for the pick to end; the picks the window to tell heard of.
    const std::vector<Seen::Pick>& AwaitEnd()
    {
        for (int i = 0; i < 200 && tellSeen_.picks.empty(); ++i)
            Pump(10);
        Pump(50);
        return tellSeen_.picks;
    }

    bool ProcedureIsOwn() const { return GetWindowLongPtrA(pick_, GWLP_WNDPROC) == ownProc_; }

    Seen pickSeen_, childSeen_, otherSeen_, tellSeen_;
    HWND pick_ = nullptr, child_ = nullptr, other_ = nullptr, tell_ = nullptr;
    LONG_PTR ownProc_ = 0;
};

TEST_F(PointPickerTest, LeftButtonOverTheWindowOrAChildEndsWithThePoint)
{
    CPointPicker& picker = CPointPicker::Instance();
    EXPECT_FALSE(picker.Start(pick_, reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x7FFF0))));
    ASSERT_TRUE(picker.Start(pick_, tell_));
    EXPECT_FALSE(picker.Start(other_, tell_)) << "one pick at a time";
    EXPECT_FALSE(ProcedureIsOwn());
    EXPECT_EQ(pick_, GetCapture());

    ASSERT_TRUE(Input(kxtest::ClickAt(kxtest::ScreenPoint(pick_, POINT{40, 50}))));
    const auto& picks = AwaitEnd();
    ASSERT_EQ(1u, picks.size());
    EXPECT_TRUE(picks[0].picked);
    EXPECT_EQ(40, picks[0].point.x);
    EXPECT_EQ(50, picks[0].point.y);
    EXPECT_EQ(0, pickSeen_.buttonMessages) << "the pick's clicks are not the window's";
    EXPECT_TRUE(ProcedureIsOwn());
    EXPECT_FALSE(picker.Picking());
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(40, picker.PickedPoint().x) << "the posted point stays valid";

    // Over a child: still a pick, in the picked window's client coordinates.
    tellSeen_.picks.clear();
    ASSERT_TRUE(picker.Start(pick_, tell_));
    ASSERT_TRUE(Input(kxtest::ClickAt(kxtest::ScreenPoint(child_, POINT{10, 10}))));
    ASSERT_EQ(1u, AwaitEnd().size());
    POINT expected{10, 10};
    MapWindowPoints(child_, pick_, &expected, 1);
    EXPECT_TRUE(tellSeen_.picks[0].picked);
    EXPECT_EQ(expected.x, tellSeen_.picks[0].point.x);
    EXPECT_EQ(expected.y, tellSeen_.picks[0].point.y);
    EXPECT_EQ(0, childSeen_.buttonMessages);
}

TEST_F(PointPickerTest, ClickElsewhereKeepsPickingUntilTheRightButtonCancels)
{
    CPointPicker& picker = CPointPicker::Instance();
    ASSERT_TRUE(picker.Start(pick_, tell_));
    ASSERT_TRUE(Input(kxtest::ClickAt(kxtest::ClientCentre(other_))));
    Pump(100);
    EXPECT_TRUE(tellSeen_.picks.empty());
    EXPECT_TRUE(picker.Picking());
    EXPECT_EQ(0, otherSeen_.buttonMessages);

    // Painting goes on while the pick runs.
    int paints = pickSeen_.paints;
    RedrawWindow(pick_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GT(pickSeen_.paints, paints);

    ASSERT_TRUE(Input(kxtest::ClickAt(kxtest::ClientCentre(pick_), 3)));
    const auto& picks = AwaitEnd();
    ASSERT_EQ(1u, picks.size());
    EXPECT_FALSE(picks[0].picked);
    EXPECT_TRUE(ProcedureIsOwn());
    EXPECT_FALSE(picker.Picking());
}

TEST_F(PointPickerTest, EscapeCancels)
{
    CPointPicker& picker = CPointPicker::Instance();
    ASSERT_TRUE(picker.Start(pick_, tell_));
    ASSERT_TRUE(Input(kxtest::MoveTo(kxtest::ClientCentre(pick_)) + " key Escape sleep 0.2"));
    const auto& picks = AwaitEnd();
    ASSERT_EQ(1u, picks.size());
    EXPECT_FALSE(picks[0].picked);
    EXPECT_TRUE(ProcedureIsOwn());
}

// A pick broken off by the system ends as cancelled: the window gets its
// procedure back and the window to tell hears of it.
TEST_F(PointPickerTest, DestroyCancelModeAndLostCaptureCancel)
{
    CPointPicker& picker = CPointPicker::Instance();
    ASSERT_TRUE(picker.Start(pick_, tell_));
    SendMessageA(pick_, WM_CANCELMODE, 0, 0);
    ASSERT_EQ(1u, AwaitEnd().size());
    EXPECT_FALSE(tellSeen_.picks[0].picked);
    EXPECT_TRUE(ProcedureIsOwn());
    EXPECT_FALSE(picker.Picking());

    tellSeen_.picks.clear();
    ASSERT_TRUE(picker.Start(pick_, tell_));
    SetCapture(other_);
    ASSERT_EQ(1u, AwaitEnd().size());
    EXPECT_FALSE(tellSeen_.picks[0].picked);
    EXPECT_TRUE(ProcedureIsOwn());
    ReleaseCapture();

    tellSeen_.picks.clear();
    ASSERT_TRUE(picker.Start(pick_, tell_));
    DestroyWindow(pick_);
    EXPECT_EQ(1, pickSeen_.destroys) << "the window's own procedure still sees its end";
    ASSERT_EQ(1u, AwaitEnd().size());
    EXPECT_FALSE(tellSeen_.picks[0].picked);
    EXPECT_FALSE(picker.Picking());
    EXPECT_TRUE(picker.Start(other_, tell_)) << "a new pick can start";
    SendMessageA(other_, WM_CANCELMODE, 0, 0);
    Pump(50);
}

}  // namespace
