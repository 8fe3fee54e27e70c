#include "window_capture.h"

#include <algorithm>
#include <vector>

#include "handles.h"

namespace htfx {

namespace {

// The copied screen area, read back one row at a time as 24-bit pixels.
class ScreenCapture : public WindowCapture {
public:
    ScreenCapture(int width, int rows) : width_(width), rows_(rows) {}
    int Width() const override { return width_; }
    int Rows() const override { return rows_; }
    void ReadRow(int y, uint8_t* pixels) override
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = rows_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        row_.resize(((size_t(width_) * 3 + 3) & ~size_t(3)));
        // Rows of the bitmap count from the bottom.
        if (GetDIBits(memory_.get(), bitmap_.get(), UINT(rows_ - 1 - y), 1, row_.data(), &info, DIB_RGB_COLORS) == 1)
            std::copy(row_.begin(), row_.begin() + width_ * 3, pixels);
        else
            std::fill(pixels, pixels + width_ * 3, uint8_t(0));
    }

    framework::CreatedDc memory_;
    framework::GdiBitmap bitmap_;

private:
    int width_, rows_;
    std::vector<uint8_t> row_;
};

}  // namespace

int CaptureClientArea(HWND window, std::unique_ptr<WindowCapture>* capture)
{
    if (!IsWindow(window))
        return 4;
    RECT area{};
    if (!GetClientRect(window, &area))
        return 4;
    POINT corner{0, 0};
    ClientToScreen(window, &corner);
    OffsetRect(&area, corner.x, corner.y);
    const framework::CreatedDc display_dc(CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
    HDC display = display_dc.get();
    if (!display)
        return 4;
    area.left = std::max<LONG>(area.left, 0);
    area.top = std::max<LONG>(area.top, 0);
    area.right = std::min<LONG>(area.right, GetDeviceCaps(display, HORZRES));
    area.bottom = std::min<LONG>(area.bottom, GetDeviceCaps(display, VERTRES));
    const int width = area.right - area.left, rows = area.bottom - area.top;
    if (width < 1 || rows < 1)
        return 4;
    auto screen = std::make_unique<ScreenCapture>(width, rows);
    screen->memory_.reset(CreateCompatibleDC(display));
    screen->bitmap_.reset(CreateCompatibleBitmap(display, width, rows));
    HDC memory = screen->memory_.get();
    if (!memory || !screen->bitmap_)
        return 4;
    BOOL copied;
    {
        const framework::SelectedObject selected(memory, screen->bitmap_.get());
        copied = BitBlt(memory, 0, 0, width, rows, display, area.left, area.top, SRCCOPY);
    }
    if (!copied)
        return 4;
    *capture = std::move(screen);
    return 0;
}

}  // namespace htfx
