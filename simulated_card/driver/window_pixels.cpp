#include "window_pixels.h"

namespace kxmci {

bool WindowPixels::Ensure(HDC dc, int width, int height)
{
    if (bits_ && width == width_ && height == height_)
        return true;
    Release();
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(dc);
    section_ = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dc_ || !section_ || !bits) {
        Release();
        return false;
    }
    old_ = SelectObject(dc_, section_);
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

bool WindowPixels::Read(HDC dc, int left, int top)
{
    const bool read = BitBlt(dc_, 0, 0, width_, height_, dc, left, top, SRCCOPY) != FALSE;
    GdiFlush();
    return read;
}

void WindowPixels::Write(HDC dc, int left, int top, int x, int y, int w, int h)
{
    BitBlt(dc, left + x, top + y, w, h, dc_, x, y, SRCCOPY);
}

void WindowPixels::Release()
{
    if (old_)
        SelectObject(dc_, old_);
    if (section_)
        DeleteObject(section_);
    if (dc_)
        DeleteDC(dc_);
    dc_ = nullptr;
    section_ = nullptr;
    old_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

} // namespace kxmci
