// The preview dialog, the progress meter, the busy cursor and the temporary
// file of large flips, driven on Wine's desktop.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <vector>

#include "color_adjust.h"
#include "color_model.h"
#include "flip.h"
#include "htfx32.h"
#include "meter_control.h"
#include "meter_dialog.h"
#include "module.h"
#include "mul_div.h"
#include "test_pictures.h"
#include "wait_cursor.h"
#include "win_helpers.h"
#include "win_services.h"

namespace {

using namespace htfx_test;

const char kPreviewCaption[] = "Preview Video Image";

// An owner window for the preview.
class Owner {
public:
    Owner()
    {
        window_ = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    }
    ~Owner() { DestroyWindow(window_); }
    HWND get() const { return window_; }

private:
    HWND window_;
};

HtfxColorAdjustAllRequest PreviewRequest(void* source, void* destination, HWND owner, int width, int rows)
{
    HtfxColorAdjustAllRequest r{};
    r.source = Memory(source);
    r.destination = Memory(destination);
    r.width = width;
    r.rows = rows;
    for (int k = 0; k < 7; ++k)
        r.amount[k] = 99, r.range[k] = 198;  // normalised amount = amount - 99
    r.channel_mask = 0x78;
    r.owner = owner;
    r.preview = 1;
    return r;
}

std::vector<uint8_t> Adjusted(const std::vector<uint8_t>& picture, int width, int rows, const htfx::Amounts& a)
{
    std::vector<uint8_t> out = picture;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &out[size_t(y) * RawBytes(width) + 3 * x];
            htfx::AdjustCombinedPixel(a, p[0], p[1], p[2]);
        }
    return out;
}

TEST(PreviewDialog, SliderMoveAndOkApplyBasePlusPosition)
{
    Owner owner;
    const int width = 30, rows = 20;
    auto picture = RandomRaw(width, rows, 1);
    std::vector<uint8_t> out(picture.size());
    auto r = PreviewRequest(picture.data(), out.data(), owner.get(), width, rows);
    r.start_state = 1;
    r.amount[HTFX_HUE] = 99 + 30;  // normalised 30
    std::string hue_value, caption;
    BOOL update_enabled = FALSE;
    int result;
    {
        DialogDriver driver(kPreviewCaption, [&](HWND dialog) {
            char text[64] = {};
            GetWindowTextA(dialog, text, sizeof text);
            caption = text;
            update_enabled = IsWindowEnabled(GetDlgItem(dialog, 830));
            MoveSlider(dialog, 803, 10);
            hue_value = ItemText(dialog, 823);
            Press(dialog, IDOK);
        });
        result = htfx_ColorAdjustAll(&r);
    }
    ASSERT_EQ(HTFX_OK, result);
    EXPECT_EQ(kPreviewCaption, caption);
    EXPECT_TRUE(update_enabled);  // the desktop shows more than 256 colours
    EXPECT_EQ("10", hue_value);
    htfx::Amounts applied{};
    applied.value[HTFX_HUE] = 30 + htfx::MulDiv(30, 10, 99) + 10;
    EXPECT_EQ(43, applied.value[HTFX_HUE]);
    EXPECT_EQ(Adjusted(picture, width, rows, applied), out);
    EXPECT_EQ(198 * 43 / 198 + 99, r.amount[HTFX_HUE]);
}

TEST(PreviewDialog, CancelCopiesTheSourceAndKeepsTheAmounts)
{
    Owner owner;
    auto picture = RandomRaw(12, 6, 2);
    std::vector<uint8_t> out(picture.size(), 0);
    auto r = PreviewRequest(picture.data(), out.data(), owner.get(), 12, 6);
    r.amount[HTFX_CONTRAST] = 150;
    int result;
    {
        DialogDriver driver(kPreviewCaption, [](HWND dialog) {
            MoveSlider(dialog, 806, 40);
            MoveSlider(dialog, 804, -20);
            Press(dialog, IDCANCEL);
        });
        result = htfx_ColorAdjustAll(&r);
    }
    ASSERT_EQ(HTFX_OK, result);
    EXPECT_EQ(picture, out);
    EXPECT_EQ(150, r.amount[HTFX_CONTRAST]);
}

TEST(PreviewDialog, OkUntouchedFromStartStateZeroCopiesExactly)
{
    Owner owner;
    auto picture = RandomRaw(9, 7, 3);
    std::vector<uint8_t> out(picture.size(), 0);
    auto r = PreviewRequest(picture.data(), out.data(), owner.get(), 9, 7);
    r.amount[HTFX_HUE] = 10;
    std::string values[4];
    int result;
    {
        DialogDriver driver(kPreviewCaption, [&](HWND dialog) {
            for (int k = 0; k < 4; ++k)
                values[k] = ItemText(dialog, 823 + k);
            Press(dialog, IDOK);
        });
        result = htfx_ColorAdjustAll(&r);
    }
    ASSERT_EQ(HTFX_OK, result);
    EXPECT_EQ(picture, out);
    for (const auto& v : values)
        EXPECT_EQ("0", v);
    EXPECT_EQ(99, r.amount[HTFX_HUE]);  // the sliders' base: neutral
}

TEST(PreviewDialog, UpdateRunsTheMeterAndKeepsTheDialogOpen)
{
    Owner owner;
    auto picture = RandomRaw(16, 40, 4);
    std::vector<uint8_t> out(picture.size(), 0);
    auto r = PreviewRequest(picture.data(), out.data(), owner.get(), 16, 40);
    bool still_open = false;
    int result;
    {
        DialogDriver driver(kPreviewCaption, [&](HWND dialog) {
            MoveSlider(dialog, 805, 50);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(830, BN_CLICKED), 0);
            still_open = IsWindow(dialog) != FALSE;
            Press(dialog, IDOK);
        });
        result = htfx_ColorAdjustAll(&r);
    }
    ASSERT_EQ(HTFX_OK, result);
    EXPECT_TRUE(still_open);
    htfx::Amounts applied{};
    applied.value[HTFX_SATURATION] = 50;
    EXPECT_EQ(Adjusted(picture, 16, 40, applied), out);
}

TEST(PreviewDialog, ASetUpFailureEndsWithFiveAndWritesNothing)
{
    auto picture = RandomRaw(8, 4, 6);
    std::vector<uint8_t> out(picture.size(), 0x3C);
    // An owner that is no window: the dialog cannot be made.
    auto r = PreviewRequest(picture.data(), out.data(), reinterpret_cast<HWND>(uintptr_t(0x4321)), 8, 4);
    const auto before = r;
    EXPECT_EQ(HTFX_NO_PREVIEW, htfx_ColorAdjustAll(&r));
    EXPECT_EQ(std::vector<uint8_t>(picture.size(), 0x3C), out);
    EXPECT_EQ(0, std::memcmp(&before, &r, sizeof r));
}

// The library's services on a display of 256 colours.
class PaletteDisplay : public htfx::WinServices {
public:
    PaletteDisplay() { htfx::InstallServices(this); }
    ~PaletteDisplay() override { htfx::InstallServices(nullptr); }
    long DisplayColours() override { return 256; }
};

TEST(PreviewDialog, OnAPaletteDisplayThePreviewFollowsTheSlidersAndUpdateIsOff)
{
    PaletteDisplay display;
    Owner owner;
    auto picture = RandomRaw(20, 10, 5);
    std::vector<uint8_t> out(picture.size(), 0);
    auto r = PreviewRequest(picture.data(), out.data(), owner.get(), 20, 10);
    BOOL update_enabled = TRUE;
    int result;
    {
        DialogDriver driver(kPreviewCaption, [&](HWND dialog) {
            update_enabled = IsWindowEnabled(GetDlgItem(dialog, 830));
            MoveSlider(dialog, 803, -30);
            SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(SB_PAGELEFT, 0), LPARAM(GetDlgItem(dialog, 803)));
            Press(dialog, IDOK);
        });
        result = htfx::ColorAdjustAll(&r);
    }
    ASSERT_EQ(HTFX_OK, result);
    EXPECT_FALSE(update_enabled);
    htfx::Amounts applied{};
    applied.value[HTFX_HUE] = -49;  // -30 and a page of 19
    EXPECT_EQ(Adjusted(picture, 20, 10, applied), out);
}

TEST(Meter, RangeAndPositionAreKeptAndPainted)
{
    HINSTANCE instance = htfx::ModuleInstance();
    ASSERT_TRUE(htfx::CMeterControl::Register(instance));
    HWND meter = CreateWindowA("Meter", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, instance, nullptr);
    ASSERT_NE(nullptr, meter);
    SendMessageA(meter, WM_USER + 10, 200, 0);
    SendMessageA(meter, WM_USER + 12, 50, 0);
    EXPECT_EQ(200, SendMessageA(meter, WM_USER + 11, 0, 0));
    EXPECT_EQ(50, SendMessageA(meter, WM_USER + 13, 0, 0));
    DestroyWindow(meter);
    htfx::CMeterControl::Unregister(instance);

    // Painted into a 24-bit bitmap: the left quarter blue, the rest button face.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 100;
    info.bmiHeader.biHeight = -20;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT client{0, 0, 100, 20};
    htfx::CMeterControl::Paint(dc, client, 200, 50);
    GdiFlush();
    auto pixel = [&](int x, int y) { return static_cast<uint32_t*>(bits)[y * 100 + x] & 0xFFFFFF; };
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const uint32_t face_pixel = uint32_t(GetRValue(face)) << 16 | uint32_t(GetGValue(face)) << 8 | GetBValue(face);
    EXPECT_EQ(0x0000FFu, pixel(1, 1));
    EXPECT_EQ(0x0000FFu, pixel(24, 18));
    EXPECT_EQ(face_pixel, pixel(25, 1));
    EXPECT_EQ(face_pixel, pixel(99, 19));
    // The text "25%" is drawn across the middle in both colours.
    int text_pixels = 0;
    for (int x = 30; x < 70; ++x)
        for (int y = 0; y < 20; ++y)
            text_pixels += pixel(x, y) != face_pixel;
    EXPECT_GT(text_pixels, 0);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST(Meter, DialogPassesRangeAndPositionToItsControl)
{
    HINSTANCE instance = htfx::ModuleInstance();
    ASSERT_TRUE(htfx::CMeterControl::Register(instance));
    {
        htfx::CMeterDialog dialog;
        ASSERT_TRUE(dialog.Open(nullptr, 200));
        char caption[64] = {}, class_name[32] = {};
        GetWindowTextA(dialog.hwnd(), caption, sizeof caption);
        EXPECT_STREQ("Processing video image ...", caption);
        HWND meter = GetDlgItem(dialog.hwnd(), 5000);
        GetClassNameA(meter, class_name, sizeof class_name);
        EXPECT_STREQ("Meter", class_name);
        EXPECT_EQ(200, SendMessageA(meter, WM_USER + 11, 0, 0));
        dialog.SetPosition(120);
        EXPECT_EQ(120, SendMessageA(meter, WM_USER + 13, 0, 0));
        SendMessageA(dialog.hwnd(), WM_USER + 10, 300, 0);
        EXPECT_EQ(300, SendMessageA(meter, WM_USER + 11, 0, 0));
    }
    htfx::CMeterControl::Unregister(instance);
}

// The cursor's display count, as ShowCursor keeps it.
int CursorDisplayCount()
{
    ShowCursor(TRUE);
    return ShowCursor(FALSE);
}

// The library's busy cursor is the framework's; nested scopes keep the
// hourglass until the outer one ends, and each counts itself shown.
TEST(BusyCursor, NestedBeginsShowTheHourglassUntilTheLastEnd)
{
    HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    SetCursor(arrow);
    const int shown = CursorDisplayCount();
    {
        framework::CWaitCursor outer;
        {
            framework::CWaitCursor inner;
            EXPECT_EQ(shown + 2, CursorDisplayCount());
            EXPECT_EQ(LoadCursor(nullptr, IDC_WAIT), GetCursor());
        }
        EXPECT_EQ(LoadCursor(nullptr, IDC_WAIT), GetCursor());
    }
    EXPECT_EQ(shown, CursorDisplayCount());
    EXPECT_EQ(arrow, GetCursor());
}

// The library's services with too little memory for a whole picture.
class ShortOfMemory : public htfx::WinServices {
public:
    ShortOfMemory() { htfx::InstallServices(this); }
    ~ShortOfMemory() override { htfx::InstallServices(nullptr); }
    void* Allocate(size_t bytes) override { return bytes > 100000 ? nullptr : WinServices::Allocate(bytes); }
    std::unique_ptr<htfx::SpillFile> CreateSpillFile() override
    {
        ++files;
        return WinServices::CreateSpillFile();
    }
    int files = 0;
};

std::vector<uint8_t> g_source;
int g_next_row = 0;
std::vector<uint8_t> g_written;

void ReadRow(unsigned char* row, int32_t bytes)
{
    std::memcpy(row, &g_source[size_t(g_next_row++) * size_t(bytes)], size_t(bytes));
}

void WriteRow(unsigned char* row, int32_t bytes)
{
    g_written.insert(g_written.end(), row, row + bytes);
}

int TempFilesNamedCli()
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(folder) + "cli*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int count = 1;
    while (FindNextFileA(search, &found))
        ++count;
    FindClose(search);
    return count;
}

TEST(LargeFlip, RowsGoThroughATemporaryFileWhenThePictureDoesNotFit)
{
    ShortOfMemory services;
    const int width = 200, rows = 300;
    g_source = RandomRaw(width, rows, 6);
    g_next_row = 0;
    g_written.clear();
    const int files_before = TempFilesNamedCli();
    HtfxFlipRequest r{};
    r.source = Reader(ReadRow);
    r.destination = Reader(WriteRow);
    r.width = width;
    r.rows = rows;
    r.mask = 3;
    ASSERT_EQ(HTFX_OK, htfx::Flip(&r));
    EXPECT_EQ(1, services.files);
    EXPECT_EQ(files_before, TempFilesNamedCli());  // removed after use
    const int row_bytes = RawBytes(width);
    ASSERT_EQ(g_source.size(), g_written.size());
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(0, std::memcmp(&g_written[size_t(y) * row_bytes + 3 * x],
                                     &g_source[size_t(rows - 1 - y) * row_bytes + 3 * (width - 1 - x)], 3));
}

}  // namespace
