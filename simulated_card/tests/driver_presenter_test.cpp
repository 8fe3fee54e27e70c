// The live video as a person sees it in a window: the picture's own frame
// counter read back from the window's pixels shows how often a new frame
// arrives, whether frozen video stands still, and whether what the program
// draws meanwhile stays on top.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "card/test_picture.h"
#include "mci_session.h"

using namespace simcard_test;

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);

LRESULT CALLBACK KeyOnlyProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_ERASEBKGND) {
        PaintKeyColour(wnd, reinterpret_cast<HDC>(wp));
        return 1;
    }
    return DefWindowProcA(wnd, msg, wp, lp);
}

// A window in the key colour with the live video in it, frame memory pixels
// at the same client pixels (no placement).
class VideoWindow {
public:
    VideoWindow()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = KeyOnlyProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "SimcardPresenterView";
        RegisterClassA(&wc);
        wnd_ = CreateWindowA(wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 60, 60, 400, 240, nullptr, nullptr,
                             wc.hInstance, nullptr);
        UpdateWindow(wnd_);
        Pump(50);
    }
    ~VideoWindow() { DestroyWindow(wnd_); }
    HWND Handle() const { return wnd_; }
    std::string HandleText() const { return std::to_string(reinterpret_cast<std::uintptr_t>(wnd_)); }

    // The frame counter the window shows, or false when it shows none.
    bool Counter(unsigned& counter) const
    {
        constexpr int w = 280, h = 80;
        kxcard::Picture picture(w, h);
        HDC dc = GetDC(wnd_);
        // Only the rows through the glyph cells' centres matter: the label's
        // five rows of 6-pixel cells from row 40.
        for (int y = 43; y < 70; y += 6)
            for (int x = 20; x < w; ++x) {
                const COLORREF c = GetPixel(dc, x, y);
                picture.Set(x, y, kxcard::Rgb(GetRValue(c), GetGValue(c), GetBValue(c)));
            }
        ReleaseDC(wnd_, dc);
        return kxcard::ReadFrameCounter(picture, counter);
    }

    // The counters seen when looking every 10 ms for `ms` milliseconds, each
    // new one once.
    std::vector<unsigned> Watch(DWORD ms) const
    {
        std::vector<unsigned> seen;
        const DWORD end = GetTickCount() + ms;
        while (static_cast<LONG>(end - GetTickCount()) > 0) {
            unsigned counter;
            if (Counter(counter) && (seen.empty() || seen.back() != counter))
                seen.push_back(counter);
            Pump(10);
        }
        return seen;
    }

private:
    HWND wnd_;
};

COLORREF PixelAt(HWND wnd, int x, int y)
{
    HDC dc = GetDC(wnd);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(wnd, dc);
    return c;
}

COLORREF CardPixel(int x, int y)
{
    const auto rgb = Numbers(Send("get VCKX310 pixel rgb at " + std::to_string(x) + " " + std::to_string(y) +
                                  " 0 0").text);
    return rgb.size() == 3 ? RGB(rgb[0], rgb[1], rgb[2]) : CLR_INVALID;
}

} // namespace

TEST(DriverPresenterTest, LiveVideoShowsEveryFrameAndFrozenVideoStandsStill)
{
    VideoWindow view;
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    ASSERT_EQ(0u, Send("window VCKX310 handle " + view.HandleText()).rc);
    Pump(300);

    // Live: the counter moves by one frame at a time (a presenter slower
    // than the picture's 25 frames a second skips frames).
    const std::vector<unsigned> live = view.Watch(2000);
    ASSERT_GE(live.size(), 10u) << "the window shows no moving video";
    std::vector<unsigned> steps;
    for (std::size_t i = 1; i < live.size(); ++i)
        steps.push_back(live[i] - live[i - 1]);
    std::nth_element(steps.begin(), steps.begin() + steps.size() / 2, steps.end());
    EXPECT_EQ(1u, steps[steps.size() / 2]) << live.size() << " frames seen in 2 s";
    EXPECT_GE(live.back() - live.front(), 35u);   // the picture's own clock runs at 25 a second

    // Frozen: one picture, however long one looks.
    ASSERT_EQ(0u, Send("freeze VCKX310 ").rc);
    Pump(150);
    const std::vector<unsigned> frozen = view.Watch(700);
    ASSERT_EQ(1u, frozen.size());
    EXPECT_GE(frozen[0], live.back());

    // Unfrozen it moves again.
    ASSERT_EQ(0u, Send("unfreeze VCKX310 ").rc);
    EXPECT_GE(view.Watch(600).size(), 5u);
    ASSERT_EQ(0u, Send("window VCKX310 handle 0").rc);
}

TEST(DriverPresenterTest, WhatTheProgramDrawsOverLiveVideoStaysAndKeyColourBringsTheVideoBack)
{
    VideoWindow view;
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    ASSERT_EQ(0u, Send("set VCKX310 source number to 3").rc);   // the checkerboard: no pixel is the drawing's
    ASSERT_EQ(0u, Send("window VCKX310 handle " + view.HandleText()).rc);
    Pump(300);

    // A drawing over the live video, made between two frames, is never
    // covered by the frames that follow.
    HDC dc = GetDC(view.Handle());
    RECT box = {300, 150, 340, 190};
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(dc, &box, green);
    DeleteObject(green);
    ReleaseDC(view.Handle(), dc);
    for (int look = 0; look < 5; ++look) {
        Pump(100);
        EXPECT_EQ(RGB(0, 255, 0), PixelAt(view.Handle(), 320, 170)) << "look " << look;
    }
    unsigned before = 0, after = 0;
    ASSERT_TRUE(view.Counter(before));
    Pump(200);
    ASSERT_TRUE(view.Counter(after));
    EXPECT_NE(before, after);   // the video around the drawing went on

    // Frozen and unchanged, the picture is not sent again; but key colour
    // painted anywhere brings the video there at once.
    ASSERT_EQ(0u, Send("freeze VCKX310 ").rc);
    Pump(300);
    dc = GetDC(view.Handle());
    HBRUSH key = CreateSolidBrush(kKey);
    FillRect(dc, &box, key);
    DeleteObject(key);
    ReleaseDC(view.Handle(), dc);
    Pump(300);
    EXPECT_EQ(CardPixel(320, 170), PixelAt(view.Handle(), 320, 170));
    EXPECT_EQ(CardPixel(100, 200), PixelAt(view.Handle(), 100, 200));
    ASSERT_EQ(0u, Send("window VCKX310 handle 0").rc);
}
