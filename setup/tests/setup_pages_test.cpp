// The setup sheet in this process, with a scripted card behind the setup
// tool's link: the Video page's signal timer as the signal comes and goes on
// the same input, and the signal check that never sets "source to -1".
#include "main_sheet.h"
#include "recording_transport.h"
#include "setup_link.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace {

// Answers the setup tool's queries as the card would; the answers to
// "video" can be changed, or queued one per read, from another thread.
class ScriptedCard : public RecordingTransport {
public:
    MCIERROR Send(const char* command, char* replyBuffer, UINT replyLength, HWND callback) override
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const std::string text(command);
        if (text == "get VCKX310 video") {
            if (!queued_.empty()) {
                reply = queued_.front();
                queued_.pop_front();
            } else {
                reply = video_;
            }
        } else if (text.find("limit video key correct") != std::string::npos) {
            reply = "0 15";
        } else if (text.find("limit display") != std::string::npos || text.find("limit video") != std::string::npos) {
            reply = "0 63 0 63";
        } else if (text.find("limit") != std::string::npos) {
            reply = "0 255";
        } else if (text == "get VCKX310 skew") {
            reply = "32 32 32 32";
        } else if (text == "get VCKX310 video key") {
            reply = "1 0";
        } else if (text == "get VCKX310 display") {
            reply = "128 128 128 128";
        } else {
            reply.clear();
        }
        return RecordingTransport::Send(command, replyBuffer, replyLength, callback);
    }
    void SetVideo(const std::string& answer)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        video_ = answer;
    }
    void Queue(const std::string& answer)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queued_.push_back(answer);
    }
    bool QueueEmpty()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return queued_.empty();
    }
    size_t Count(const std::string& start)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        size_t n = 0;
        for (const SentCommand& c : sent)
            n += c.text.rfind(start, 0) == 0 ? 1 : 0;
        return n;
    }

private:
    std::mutex mutex_;
    std::string video_ = "0 1";
    std::deque<std::string> queued_;
};

bool WaitUntil(const std::function<bool()>& done, DWORD ms = 10000)
{
    const DWORD end = GetTickCount() + ms;
    while (!done()) {
        if (static_cast<LONG>(end - GetTickCount()) <= 0)
            return false;
        Sleep(20);
    }
    return true;
}

std::string TextOf(HWND wnd)
{
    char text[128] = {};
    SendMessageA(wnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

class SetupSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        SetupOverlayLink().SetTransport(&card_);
        SetupOverlayLink().SetDeviceOpen(true);
        SetSignalWaitMilliseconds(100);
    }
    void TearDown() override
    {
        SetupOverlayLink().SetDeviceOpen(false);
        SetupOverlayLink().SetTransport(nullptr);
        SetSignalWaitMilliseconds(1000);
    }
    // Runs the sheet on this thread while `drive` works it from another.
    void RunSheet(const std::function<void(HWND sheet)>& drive) { RunSheet([&](HWND w, CMainSht&) { drive(w); }); }
    void RunSheet(const std::function<void(HWND sheet, CMainSht& object)>& drive)
    {
        CMainSht sheet(false);
        std::thread driver([&] {
            HWND wnd = nullptr;
            if (WaitUntil([&] { return (wnd = FindWindowA("KX310SetupClass", nullptr)) != nullptr; }))
                drive(wnd, sheet);
            if (wnd)
                PostMessageA(wnd, WM_CLOSE, 0, 0);
        });
        sheet.DoModal();
        driver.join();
    }
    ScriptedCard card_;
};

TEST_F(SetupSheetTest, VideoPageTimerFollowsTheSignalOnTheSameInput)
{
    RunSheet([&](HWND sheet) {
        SendMessageA(sheet, PSM_SETCURSEL, 2, 0);
        HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        HWND xBar = GetDlgItem(page, 212), caption = GetDlgItem(page, 1027);
        ASSERT_TRUE(IsWindowEnabled(xBar));
        // The signal goes: the next tick turns the alignment off.
        card_.SetVideo("0 -1");
        // (The sheet's thread works on meanwhile: wait for the whole change.)
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(xBar) && !IsWindowEnabled(GetDlgItem(page, 214)); }));
        EXPECT_FALSE(IsWindowEnabled(caption));
        EXPECT_EQ("Unknown", TextOf(GetDlgItem(page, 218)));
        EXPECT_EQ(0u, card_.Count("set VCKX310 source to"));
        // It comes back as PAL: a second later it is set and the bars follow.
        card_.SetVideo("0 1");
        EXPECT_TRUE(WaitUntil([&] {
            return IsWindowEnabled(xBar) && IsWindowEnabled(GetDlgItem(page, 214)) &&
                   card_.Count("set VCKX310 skew disp addr y to 32") >= 2;
        }));
        EXPECT_TRUE(IsWindowEnabled(caption));
        EXPECT_EQ("PAL", TextOf(GetDlgItem(page, 218)));
        EXPECT_EQ(1u, card_.Count("set VCKX310 source to 1"));
        // The bars are refreshed as they are enabled.
        EXPECT_GE(card_.Count("set VCKX310 skew disp addr x to 32"), 2u);
    });
}

TEST_F(SetupSheetTest, SignalLostDuringTheCheckSetsNothing)
{
    RunSheet([&](HWND sheet) {
        SendMessageA(sheet, PSM_SETCURSEL, 2, 0);
        HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        HWND xBar = GetDlgItem(page, 212);
        card_.SetVideo("0 -1");
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(xBar); }));
        // A flicker of NTSC that is gone a second later.
        card_.Queue("0 0");
        card_.Queue("0 -1");
        ASSERT_TRUE(WaitUntil([&] { return card_.QueueEmpty(); }));
        Sleep(1200);
        EXPECT_EQ(0u, card_.Count("set VCKX310 source to"));
        EXPECT_FALSE(IsWindowEnabled(xBar));
        EXPECT_EQ("Unknown", TextOf(GetDlgItem(page, 218)));
    });
}

TEST_F(SetupSheetTest, SaveSendsTheConfigCommandAndRestoreTheFirstValues)
{
    RunSheet([&](HWND sheet) {
        HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        HWND save = GetDlgItem(sheet, 0x3021);
        EXPECT_FALSE(IsWindowEnabled(save));
        // The key correction: 0 to 15, a page is 7.
        SendMessageA(page, WM_HSCROLL, MAKEWPARAM(SB_PAGERIGHT, 0), reinterpret_cast<LPARAM>(GetDlgItem(page, 216)));
        EXPECT_EQ("set VCKX310 video key correct to 7", card_.Texts().back());
        EXPECT_EQ("7", TextOf(GetDlgItem(page, 217)));
        EXPECT_TRUE(IsWindowEnabled(save));
        SendMessageA(sheet, WM_COMMAND, MAKEWPARAM(0x3021, BN_CLICKED), reinterpret_cast<LPARAM>(save));
        EXPECT_EQ("save VCKX310  type Config", card_.Texts().back());
        EXPECT_FALSE(IsWindowEnabled(save));
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(221, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, 221)));
        EXPECT_EQ("set VCKX310 video key correct to 0", card_.Texts().back());
        EXPECT_TRUE(IsWindowEnabled(save)) << "a Restore is a change";
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, 221)));
        // Saved now, Close asks nothing more... but the Restore is unsaved:
        // the question comes and No ends the sheet.
        std::thread answer([] {
            HWND box = nullptr;
            if (WaitUntil([&] { return (box = FindWindowA("#32770", "Vistacard KX310 Setup")) != nullptr; }))
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
        });
        SendMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(sheet, 1)));
        answer.join();
    });
    EXPECT_EQ(1u, card_.Count("save VCKX310"));
}

// The colour of a bitmap's pixel.
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y)
{
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    COLORREF c = GetPixel(memory, x, y);
    SelectObject(memory, old);
    DeleteDC(memory);
    return c;
}

TEST_F(SetupSheetTest, PicturesTakeTheButtonFaceAgainWhenTheSystemColoursChange)
{
    const int element = COLOR_BTNFACE;
    const COLORREF face = GetSysColor(COLOR_BTNFACE), other = RGB(200, 180, 120);
    RunSheet([&](HWND sheet, CMainSht& object) {
        const CUIBitmapButton& picture = object.SystemPage().Picture();
        // (A bitmap being drawn on the sheet's thread cannot be read meanwhile.)
        EXPECT_TRUE(WaitUntil([&] { return BitmapPixel(picture.Bitmap(CUIBitmapButton::kNormal), 3, 3) == face; }));
        // The magenta entry stays magenta.
        EXPECT_TRUE(WaitUntil(
            [&] { return BitmapPixel(picture.Bitmap(CUIBitmapButton::kNormal), 35, 70) == RGB(255, 0, 255); }));
        SetSysColors(1, &element, &other);
        EXPECT_TRUE(WaitUntil([&] { return BitmapPixel(picture.Bitmap(CUIBitmapButton::kNormal), 3, 3) == other; }));
        SetSysColors(1, &element, &face);
        EXPECT_TRUE(WaitUntil([&] { return BitmapPixel(picture.Bitmap(CUIBitmapButton::kNormal), 3, 3) == face; }));
    });
    SetSysColors(1, &element, &face);
}

}  // namespace
