// Pictures through the driver: memory buffers and their address checks,
// the clipboard, progress messages and the keyed video in a window.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "mci_session.h"

using namespace simcard_test;

namespace {

std::size_t Stride(int w) { return (static_cast<std::size_t>(w) * 3 + 3) & ~std::size_t{3}; }

std::string SaveBuffer(int x, int y, int w, int h, unsigned long address)
{
    return "save VCKX310 memory buffer type DIB 24-bit at " + std::to_string(x) + " " + std::to_string(y) + " " +
           std::to_string(w) + " " + std::to_string(h) + " address " + std::to_string(address);
}

std::string LoadBuffer(int x, int y, int w, int h, unsigned long address)
{
    return "load VCKX310 memory buffer at " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(w) +
           " " + std::to_string(h) + " address " + std::to_string(address);
}

} // namespace

TEST(DriverBuffersTest, MemoryBufferRoundTripInRgbAndYuv)
{
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    const int w = 33, h = 20;   // odd width: rows are padded
    LowBuffer buf(Stride(w) * h);
    ASSERT_NE(0u, buf.Address());
    for (std::size_t i = 0; i < Stride(w) * h; ++i)
        buf.data()[i] = static_cast<unsigned char>(i * 7);
    for (int y = 0; y < h; ++y)
        std::memset(buf.data() + Stride(w) * y + w * 3, 0, Stride(w) - w * 3);
    std::vector<unsigned char> written(buf.data(), buf.data() + Stride(w) * h);
    ASSERT_EQ(0u, Send(LoadBuffer(40, 30, w, h, buf.Address())).rc);
    std::memset(buf.data(), 0xAB, Stride(w) * h);
    ASSERT_EQ(0u, Send(SaveBuffer(40, 30, w, h, buf.Address())).rc);
    EXPECT_EQ(0, std::memcmp(written.data(), buf.data(), written.size()));
    // Bottom row first: the buffer's last row is the region's top row, which
    // reads back on its own as a one-row region.
    LowBuffer top(Stride(w));
    ASSERT_EQ(0u, Send(SaveBuffer(40, 30, w, 1, top.Address())).rc);
    EXPECT_EQ(0, std::memcmp(top.data(), written.data() + Stride(w) * (h - 1), w * 3));

    // As YUV: a white region reads 255-ish luminance and no colour.
    std::vector<unsigned char> white(Stride(4) * 4, 255);
    std::memcpy(buf.data(), white.data(), white.size());
    ASSERT_EQ(0u, Send(LoadBuffer(0, 0, 4, 4, buf.Address())).rc);
    ASSERT_EQ(0u, Send("set VCKX310 memory buffer format to yuv").rc);
    ASSERT_EQ(0u, Send(SaveBuffer(0, 0, 4, 4, buf.Address())).rc);
    ASSERT_EQ(0u, Send("set VCKX310 memory buffer format to rgb").rc);
    EXPECT_GE(buf.data()[0], 254);
    EXPECT_EQ(0, buf.data()[1]);
    EXPECT_EQ(0, buf.data()[2]);
}

TEST(DriverBuffersTest, RegionsFollowThePlacement)
{
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    // The window shows frame memory at half size: client (20, 10) is frame
    // memory (40, 20).
    ASSERT_EQ(0u, Send("put VCKX310 frame at 0 0 384 288 deferred").rc);
    ASSERT_EQ(0u, Send("put VCKX310 source at 0 0 768 576 deferred").rc);
    ASSERT_EQ(0u, Send("put VCKX310 destination").rc);
    EXPECT_EQ("0 0 384 288", Send("where VCKX310 frame").text);
    ASSERT_EQ(0u, Send("freeze VCKX310 ").rc);
    auto viaView = Numbers(Send("get VCKX310 pixel rgb at 300 10 0 0").text);
    ASSERT_EQ(0u, Send("put VCKX310 frame at 0 0 768 576").rc);
    ASSERT_EQ(0u, Send("put VCKX310 source at 0 0 768 576").rc);
    EXPECT_EQ(viaView, Numbers(Send("get VCKX310 pixel rgb at 600 20 0 0").text));
}

TEST(DriverBuffersTest, BadAddressesFailWithoutTouchingMemory)
{
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    // Reserved but not committed.
    void* reserved = VirtualAlloc(nullptr, 65536, MEM_RESERVE, PAGE_READWRITE);
    ASSERT_TRUE(reserved);
    const auto reservedAddress = static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(reserved));
    EXPECT_EQ(MCIERR_OUTOFRANGE, Send(SaveBuffer(0, 0, 16, 16, reservedAddress)).rc);
    EXPECT_EQ(MCIERR_OUTOFRANGE, Send(LoadBuffer(0, 0, 16, 16, reservedAddress)).rc);
    VirtualFree(reserved, 0, MEM_RELEASE);
    EXPECT_EQ(MCIERR_OUTOFRANGE, Send(SaveBuffer(0, 0, 16, 16, 0)).rc);

    // Read-only: fine to load from, not to save into.
    LowBuffer readOnly(4096, PAGE_READONLY);
    EXPECT_EQ(MCIERR_OUTOFRANGE, Send(SaveBuffer(0, 0, 16, 16, readOnly.Address())).rc);
    EXPECT_EQ(0u, Send(LoadBuffer(0, 0, 16, 16, readOnly.Address())).rc);

    // One page followed by nothing: a region that needs more is refused and
    // the page keeps its contents.
    void* block = VirtualAlloc(nullptr, 65536, MEM_RESERVE, PAGE_READWRITE);
    ASSERT_TRUE(VirtualAlloc(block, 4096, MEM_COMMIT, PAGE_READWRITE));
    std::memset(block, 0x5A, 4096);
    const auto blockAddress = static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(block));
    EXPECT_EQ(MCIERR_OUTOFRANGE, Send(SaveBuffer(0, 0, 64, 64, blockAddress)).rc);
    EXPECT_EQ(0x5A, static_cast<unsigned char*>(block)[0]);
    EXPECT_EQ(0u, Send(SaveBuffer(0, 0, 16, 16, blockAddress)).rc);
    VirtualFree(block, 0, MEM_RELEASE);
}

TEST(DriverBuffersTest, ClipboardRoundTripAtTheAskedDepths)
{
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    ASSERT_EQ(0u, Send("freeze VCKX310 ").rc);
    const int w = 40, h = 30;
    LowBuffer grab(Stride(w) * h);
    ASSERT_EQ(0u, Send(SaveBuffer(8, 8, w, h, grab.Address())).rc);

    ASSERT_EQ(0u, Send("copy VCKX310 type DIB 24-bit at 8 8 40 30").rc);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE dib = GetClipboardData(CF_DIB);
    ASSERT_TRUE(dib);
    auto* bih = static_cast<BITMAPINFOHEADER*>(GlobalLock(dib));
    EXPECT_EQ(24, bih->biBitCount);
    EXPECT_EQ(w, bih->biWidth);
    EXPECT_EQ(h, bih->biHeight);
    EXPECT_EQ(0, std::memcmp(reinterpret_cast<BYTE*>(bih) + bih->biSize, grab.data(), Stride(w) * h));
    GlobalUnlock(dib);
    CloseClipboard();

    // Paste it elsewhere and read it back.
    ASSERT_EQ(0u, Send("delete VCKX310 at 100 100 40 30").rc);
    ASSERT_EQ(0u, Send("paste VCKX310 at 100 100 40 30").rc);
    LowBuffer back(Stride(w) * h);
    ASSERT_EQ(0u, Send(SaveBuffer(100, 100, w, h, back.Address())).rc);
    EXPECT_EQ(0, std::memcmp(grab.data(), back.data(), Stride(w) * h));

    ASSERT_EQ(0u, Send("copy VCKX310 type DIB 8-bit gray at 8 8 40 30").rc);
    ASSERT_TRUE(OpenClipboard(nullptr));
    bih = static_cast<BITMAPINFOHEADER*>(GlobalLock(GetClipboardData(CF_DIB)));
    ASSERT_TRUE(bih);
    EXPECT_EQ(8, bih->biBitCount);
    auto* table = reinterpret_cast<RGBQUAD*>(reinterpret_cast<BYTE*>(bih) + bih->biSize);
    EXPECT_EQ(table[200].rgbRed, table[200].rgbBlue);
    GlobalUnlock(GetClipboardData(CF_DIB));
    CloseClipboard();

    ASSERT_EQ(0u, Send("copy VCKX310 type DDB 4-bit at 8 8 40 30").rc);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HBITMAP bmp = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_TRUE(bmp);
    BITMAP info{};
    GetObjectA(bmp, sizeof info, &info);
    EXPECT_EQ(4, info.bmPlanes * info.bmBitsPixel);
    EXPECT_EQ(w, info.bmWidth);
    CloseClipboard();
}

namespace {
std::vector<WPARAM> g_progress;
std::vector<WPARAM> g_notified;
LRESULT CALLBACK ProgressProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    static UINT signal = RegisterWindowMessageA("MSGIndicatorSignal");
    if (msg == signal)
        g_progress.push_back(wp);
    if (msg == MM_MCINOTIFY)
        g_notified.push_back(wp);
    return DefWindowProcA(wnd, msg, wp, lp);
}
} // namespace

TEST(DriverBuffersTest, LongOperationsSignalTheirProgress)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = ProgressProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SimcardProgressProbe";
    RegisterClassA(&wc);
    // Like the viewer's status bar: a child of the program's main window.
    HWND frame = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr, nullptr, nullptr);
    HWND wnd = CreateWindowA("SimcardProgressProbe", "", WS_CHILD, 0, 0, 10, 10, frame, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(wnd);
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    const UINT signal = RegisterWindowMessageA("MSGIndicatorSignal");
    ASSERT_EQ(0u, Send("set VCKX310 indicator signal to " + std::to_string(signal), wnd).rc);
    ASSERT_EQ(0u, Send("set VCKX310 indicator interval to 0").rc);
    ASSERT_EQ(0u, Send("set VCKX310 indicator on").rc);
    LowBuffer buf(Stride(700) * 500);
    g_progress.clear();
    ASSERT_EQ(0u, Send(SaveBuffer(0, 0, 700, 500, buf.Address())).rc);
    Pump(200);
    ASSERT_GE(g_progress.size(), 2u);
    EXPECT_EQ(0u, g_progress.front());
    EXPECT_EQ(1000u, g_progress.back());
    for (std::size_t i = 1; i < g_progress.size(); ++i)
        EXPECT_LE(g_progress[i - 1], g_progress[i]);

    // With "notify" the window is named outright and hears of the result.
    HWND other = CreateWindowA("SimcardProgressProbe", "", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    g_notified.clear();
    ASSERT_EQ(0u, Send("set VCKX310 indicator signal to " + std::to_string(signal) + " notify", other).rc);
    Pump(100);
    EXPECT_EQ((std::vector<WPARAM>{MCI_NOTIFY_SUCCESSFUL}), g_notified);
    g_progress.clear();
    ASSERT_EQ(0u, Send(SaveBuffer(0, 0, 100, 100, buf.Address())).rc);
    Pump(100);
    ASSERT_FALSE(g_progress.empty());
    EXPECT_EQ(1000u, g_progress.back());
    DestroyWindow(other);
    DestroyWindow(frame);
}

namespace {
std::vector<std::string> g_created;
LRESULT CALLBACK RecordCreation(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_CREATEWND) {
        char name[64] = {};
        GetClassNameA(reinterpret_cast<HWND>(wp), name, sizeof name);
        g_created.push_back(name);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}
} // namespace

TEST(DriverBuffersTest, IndicatorOnShowsTheDriversOwnProgressWindow)
{
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    HHOOK hook = SetWindowsHookExA(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    LowBuffer buf(Stride(64) * 64);
    auto progressWindows = [] {
        return std::count(g_created.begin(), g_created.end(), std::string("KX310SimulatedCardProgress"));
    };
    g_created.clear();
    ASSERT_EQ(0u, Send(SaveBuffer(0, 0, 64, 64, buf.Address())).rc);
    EXPECT_EQ(0, progressWindows());
    ASSERT_EQ(0u, Send("set VCKX310 indicator on").rc);
    ASSERT_EQ(0u, Send(SaveBuffer(0, 0, 64, 64, buf.Address())).rc);
    EXPECT_EQ(1, progressWindows());
    EXPECT_FALSE(FindWindowA("KX310SimulatedCardProgress", nullptr));   // gone when done
    ASSERT_EQ(0u, Send("set VCKX310 indicator off").rc);
    g_created.clear();
    ASSERT_EQ(0u, Send(SaveBuffer(0, 0, 64, 64, buf.Address())).rc);
    EXPECT_EQ(0, progressWindows());
    UnhookWindowsHookEx(hook);
}

namespace {
LRESULT CALLBACK KeyedProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_ERASEBKGND) {
        PaintKeyColour(wnd, reinterpret_cast<HDC>(wp));
        return 1;
    }
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(wnd, &ps);
        RECT box = {10, 10, 60, 40};   // a drawing over the key colour
        FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(wnd, &ps);
        return 0;
    }
    return DefWindowProcA(wnd, msg, wp, lp);
}
} // namespace

TEST(DriverBuffersTest, LiveVideoShowsWhereTheWindowShowsTheKeyColour)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = KeyedProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SimcardKeyedView";
    RegisterClassA(&wc);
    HWND wnd = CreateWindowA("SimcardKeyedView", "", WS_POPUP | WS_VISIBLE, 100, 100, 320, 240, nullptr, nullptr,
                             wc.hInstance, nullptr);
    ASSERT_TRUE(wnd);
    UpdateWindow(wnd);
    Pump(100);
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    ASSERT_EQ(0u, Send("set VCKX310 card type to 3").rc);
    ASSERT_EQ(0u, Send("window VCKX310 handle " + std::to_string(reinterpret_cast<std::uintptr_t>(wnd))).rc);
    ASSERT_EQ(0u, Send("put VCKX310 frame at 0 0 320 240 deferred").rc);
    ASSERT_EQ(0u, Send("put VCKX310 source at 0 0 320 240 deferred").rc);
    ASSERT_EQ(0u, Send("put VCKX310 destination").rc);
    ASSERT_EQ(0u, Send("freeze VCKX310 ").rc);
    Pump(400);

    HDC dc = GetDC(wnd);
    auto expect = Numbers(Send("get VCKX310 pixel rgb at 200 100 0 0").text);
    ASSERT_EQ(3u, expect.size());
    COLORREF video = GetPixel(dc, 200, 100);
    EXPECT_EQ(RGB(expect[0], expect[1], expect[2]), video);
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 30, 20));   // the drawing stays on top

    // Switching the video key off lets the video cover the drawing too.
    ASSERT_EQ(0u, Send("set VCKX310 video key off").rc);
    Pump(400);
    auto under = Numbers(Send("get VCKX310 pixel rgb at 30 20 0 0").text);
    EXPECT_EQ(RGB(under[0], under[1], under[2]), GetPixel(dc, 30, 20));

    // A window alignment 10 pixels off: right of the drawing the key colour
    // shows through as a trace.
    ASSERT_EQ(0u, Send("set VCKX310 video key on").rc);
    InvalidateRect(wnd, nullptr, TRUE);
    Pump(300);
    ASSERT_EQ(0u, Send("set VCKX310 skew win addr x to 42").rc);
    Pump(400);
    EXPECT_EQ(RGB(255, 0, 255), GetPixel(dc, 65, 20));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 30, 20));
    EXPECT_EQ(RGB(expect[0], expect[1], expect[2]), GetPixel(dc, 200, 100));
    ReleaseDC(wnd, dc);
    DestroyWindow(wnd);
}

TEST(DriverBuffersTest, CardType2FollowsTheForeignWindowsClientArea)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = KeyedProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SimcardExportTarget";
    RegisterClassA(&wc);
    HWND wnd = CreateWindowA("SimcardExportTarget", "", WS_POPUP | WS_VISIBLE, 400, 300, 200, 150, nullptr, nullptr,
                             wc.hInstance, nullptr);
    ASSERT_TRUE(wnd);
    UpdateWindow(wnd);
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    ASSERT_EQ(0u, Send("freeze VCKX310 ").rc);
    ASSERT_EQ(0u, Send("window VCKX310 handle " + std::to_string(reinterpret_cast<std::uintptr_t>(wnd))).rc);
    ASSERT_EQ(0u, Send("set VCKX310 card type to 2").rc);
    ASSERT_EQ(0u, Send("put VCKX310 destination").rc);
    Pump(400);
    // The whole frame memory fills the client area: its centre shows the
    // centre of frame memory.
    auto centre = Numbers(Send("get VCKX310 pixel rgb at 384 288 0 0").text);
    ASSERT_EQ(3u, centre.size());
    HDC dc = GetDC(wnd);
    EXPECT_EQ(RGB(centre[0], centre[1], centre[2]), GetPixel(dc, 100, 75));
    ReleaseDC(wnd, dc);

    SetWindowPos(wnd, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(0u, Send("put VCKX310 destination").rc);
    Pump(400);
    dc = GetDC(wnd);
    EXPECT_EQ(RGB(centre[0], centre[1], centre[2]), GetPixel(dc, 200, 150));
    ReleaseDC(wnd, dc);
    DestroyWindow(wnd);
}
