// A 32-bit top-down DIB section with its memory DC, kept while the size
// stays, for reading a window's pixels back and writing them again.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kxmci {

class WindowPixels {
public:
    WindowPixels() = default;
    ~WindowPixels() { Release(); }
    WindowPixels(const WindowPixels&) = delete;
    WindowPixels& operator=(const WindowPixels&) = delete;

    // A surface of width x height, made compatible with `dc`; false when
    // the system has none to give.
    bool Ensure(HDC dc, int width, int height);
    // Reads the window's area at (left, top) into the surface.
    bool Read(HDC dc, int left, int top);
    // Writes the surface's part (x, y, w, h) to the window at (left + x, top + y).
    void Write(HDC dc, int left, int top, int x, int y, int w, int h);

    std::uint32_t* Pixels() { return bits_; }
    std::uint32_t* Row(int y) { return bits_ + static_cast<std::size_t>(y) * width_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    void Release();

    HDC dc_ = nullptr;
    HBITMAP section_ = nullptr;
    HGDIOBJ old_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0, height_ = 0;
};

} // namespace kxmci
