// The built library, loaded as a caller loads it (linked by ordinal): its
// exports, trace lines to the debugger output, and window capture.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "color_model.h"
#include "htfx32.h"
#include "test_pictures.h"

namespace {

using namespace htfx_test;

TEST(Library, ExportsSitAtTheirOrdinals)
{
    HMODULE module = GetModuleHandleA("HTFX32.dll");
    ASSERT_NE(nullptr, module);
    const char* names[] = {"htfx_Flip", "htfx_ColorAdjustAll", "htfx_OverlayStreams", "htfx_ColorAdjustRed",
                           "htfx_ColorAdjustGreen", "htfx_ColorAdjustBlue", "htfx_ColorAdjustHue",
                           "htfx_ColorAdjustSaturation", "htfx_ColorAdjustBrightness", "htfx_ColorAdjustContrast"};
    for (int i = 0; i < 10; ++i) {
        FARPROC by_name = GetProcAddress(module, names[i]);
        ASSERT_NE(nullptr, by_name) << names[i];
        EXPECT_EQ(by_name, GetProcAddress(module, MAKEINTRESOURCEA(i + 3))) << names[i];
    }
}

TEST(Library, FlipAndOverlayThroughTheOrdinalImports)
{
    auto picture = RandomRaw(5, 2, 1);
    std::vector<uint8_t> out(picture.size());
    HtfxFlipRequest flip{};
    flip.source = Memory(picture.data());
    flip.destination = Memory(out.data());
    flip.width = 5;
    flip.rows = 2;
    flip.mask = 1;
    ASSERT_EQ(HTFX_OK, htfx_Flip(&flip));
    EXPECT_EQ(0, std::memcmp(&out[0], &picture[12], 3));

    HtfxOverlayRequest overlay{};
    overlay.a = Memory(picture.data());
    overlay.b = Memory(out.data());
    overlay.destination = Memory(out.data());
    overlay.a_width = overlay.b_width = 5;
    overlay.a_rows = overlay.b_rows = 2;
    ASSERT_EQ(HTFX_OK, htfx_OverlayStreams(&overlay));
    EXPECT_EQ(2, overlay.rows_written);
    EXPECT_EQ(5, overlay.last_row_pixels);
}

std::vector<std::string> g_debug_lines;

LONG CALLBACK CatchDebugOutput(EXCEPTION_POINTERS* pointers)
{
    const EXCEPTION_RECORD* record = pointers->ExceptionRecord;
    if (record->ExceptionCode == DBG_PRINTEXCEPTION_C && record->NumberParameters >= 2) {
        g_debug_lines.emplace_back(reinterpret_cast<const char*>(record->ExceptionInformation[1]));
        return EXCEPTION_CONTINUE_EXECUTION;
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

TEST(Library, CombinedAdjustmentWritesTraceLinesToTheDebugger)
{
    auto picture = RandomRaw(4, 2, 2);
    HtfxColorAdjustAllRequest r{};
    r.source = Memory(picture.data());
    r.destination = Memory(picture.data());
    r.width = 4;
    r.rows = 2;
    for (int k = 0; k < 7; ++k)
        r.amount[k] = 50, r.range[k] = 100;
    r.amount[HTFX_HUE] = 70;
    r.channel_mask = 0x78;
    r.start_state = 1;
    g_debug_lines.clear();
    PVOID handler = AddVectoredExceptionHandler(1, CatchDebugOutput);
    const int result = htfx_ColorAdjustAll(&r);
    RemoveVectoredExceptionHandler(handler);
    ASSERT_EQ(HTFX_OK, result);
    ASSERT_GE(g_debug_lines.size(), 2u);
    EXPECT_EQ("1 -> R-127:255 G-127:255 B-127:255 H-70:100 Br-50:100 S-50:100 C-50:100\n", g_debug_lines[0]);
}

// A window filled with one colour, shown on the desktop.
class SolidWindow {
public:
    explicit SolidWindow(COLORREF colour) : brush_(CreateSolidBrush(colour))
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = brush_;
        wc.lpszClassName = "HtfxSolidWindow";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(WS_EX_TOPMOST, "HtfxSolidWindow", "solid", WS_POPUP | WS_VISIBLE, 100, 100, 40, 30,
                                  nullptr, nullptr, wc.hInstance, nullptr);
        UpdateWindow(window_);
        for (int i = 0; i < 20; ++i) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            Sleep(20);
        }
    }
    ~SolidWindow()
    {
        DestroyWindow(window_);
        UnregisterClassA("HtfxSolidWindow", GetModuleHandleA(nullptr));
        DeleteObject(brush_);
    }
    HWND get() const { return window_; }

private:
    HBRUSH brush_;
    HWND window_ = nullptr;
};

TEST(Library, WindowSourceIsCapturedFromTheScreen)
{
    SolidWindow window(RGB(200, 40, 10));
    const int width = 40, rows = 30;
    std::vector<uint8_t> out(size_t(RawBytes(width)) * rows, 0);
    HtfxFlipRequest r{};
    r.source.kind = HTFX_KIND_WINDOW;
    r.source.format = HTFX_FORMAT_RAW;
    r.source.value.window = window.get();
    r.destination = Memory(out.data());
    r.width = width;
    r.rows = rows;
    r.mask = 2;
    ASSERT_EQ(HTFX_OK, htfx_Flip(&r));
    int matching = 0;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = &out[size_t(y) * RawBytes(width) + 3 * x];
            matching += p[0] == 10 && p[1] == 40 && p[2] == 200;
        }
    EXPECT_EQ(width * rows, matching);

    r.source.value.window = reinterpret_cast<void*>(uintptr_t(0x1234));  // no such window
    EXPECT_EQ(HTFX_NO_CAPTURE, htfx_Flip(&r));
}

TEST(Library, WindowPassOfTheCombinedAdjustment)
{
    SolidWindow window(RGB(90, 90, 90));
    std::vector<uint8_t> out(size_t(RawBytes(8)) * 4, 0);
    HtfxColorAdjustAllRequest r{};
    r.source.kind = HTFX_KIND_WINDOW;
    r.source.value.window = window.get();
    r.destination = Memory(out.data());
    r.width = 8;
    r.rows = 4;
    for (int k = 0; k < 7; ++k)
        r.amount[k] = 50, r.range[k] = 100;
    r.amount[HTFX_BRIGHTNESS] = 100;
    r.channel_mask = 0x78;
    r.start_state = 1;
    ASSERT_EQ(HTFX_OK, htfx_ColorAdjustAll(&r));
    // Grey 90 doubled by brightness +99: 90 + MulDiv(90, 99, 99) = 180.
    EXPECT_EQ(180, out[0]);
    EXPECT_EQ(180, out[2]);
    EXPECT_EQ(100, r.amount[HTFX_BRIGHTNESS]);
}

}  // namespace
