// A picture in the program's memory as the driver reads and writes it: a
// 40-byte bitmap header (24 bits, one plane) followed by the pixel rows,
// width x height x 4 + 40 bytes in all.  The driver is handed the pixels'
// address as a 32-bit number, so in a 64-bit build the block must lie below
// 4 GiB; Allocate guarantees that or fails.
#pragma once
#include <windows.h>
#include <cstddef>
#include <memory>

class CPictureBuffer {
public:
    // The largest side accepted; the card's frame memory is far smaller.
    static constexpr int kMaxSide = 16384;

    // Null when the size is out of range or no memory can be had.
    static std::unique_ptr<CPictureBuffer> Allocate(int width, int height);
    ~CPictureBuffer();
    CPictureBuffer(const CPictureBuffer&) = delete;
    CPictureBuffer& operator=(const CPictureBuffer&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    BITMAPINFOHEADER* Header() { return static_cast<BITMAPINFOHEADER*>(block_); }
    BYTE* Pixels() { return static_cast<BYTE*>(block_) + sizeof(BITMAPINFOHEADER); }
    // Size 40, width, height, 1 plane, 24 bits, the other six fields 0.
    void FillHeader();
    // Bytes of one row of 3-byte pixels, padded to 4 bytes.
    size_t RowBytes() const { return (static_cast<size_t>(width_) * 3 + 3) & ~size_t{3}; }

private:
    CPictureBuffer(void* block, bool fromHeap, int width, int height)
        : block_(block), fromHeap_(fromHeap), width_(width), height_(height) {}

    void* block_;
    bool fromHeap_;
    int width_, height_;
};
