#include "mirror.h"

#include "simd_rows.h"

#include <algorithm>
#include <cstring>

namespace htfx {

namespace {

template <int N>
void MirrorCopy(const uint8_t* source, uint8_t* target, int pixels)
{
    const uint8_t* from = source + size_t(pixels - 1) * N;
    for (int i = 0; i < pixels; ++i, from -= N, target += N)
        std::memcpy(target, from, N);
}

template <int N>
void MirrorInPlace(uint8_t* row, int pixels)
{
    uint8_t* left = row;
    uint8_t* right = row + size_t(pixels - 1) * N;
    for (; left < right; left += N, right -= N) {
        uint8_t held[N];
        std::memcpy(held, left, N);
        std::memcpy(left, right, N);
        std::memcpy(right, held, N);
    }
}

int GetPixel(const uint8_t* row, int i, int bits)
{
    const int bit = i * bits;
    const int shift = 8 - bits - (bit & 7);
    return (row[bit >> 3] >> shift) & ((1 << bits) - 1);
}

void SetPixel(uint8_t* row, int i, int bits, int value)
{
    const int bit = i * bits;
    const int shift = 8 - bits - (bit & 7);
    const int mask = ((1 << bits) - 1) << shift;
    row[bit >> 3] = uint8_t((row[bit >> 3] & ~mask) | (value << shift));
}

inline uint32_t Load32(const uint8_t* p)
{
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

inline void Store32(uint8_t* p, uint32_t v)
{
    std::memcpy(p, &v, 4);
}

// 3-byte pixels, four at a time: twelve bytes P0 P1 P2 P3 read as three
// little-endian words become P3 P2 P1 P0.
void MirrorCopy3(const uint8_t* source, uint8_t* target, int pixels)
{
    int i = MirrorBlocks3(source, target, pixels);
    target += size_t(i) * 3;
    for (; i + 4 <= pixels; i += 4, target += 12) {
        const uint8_t* from = source + size_t(pixels - 4 - i) * 3;
        const uint32_t a = Load32(from), b = Load32(from + 4), c = Load32(from + 8);
        Store32(target, (c >> 8) | ((b >> 16) & 0xFF) << 24);
        Store32(target + 4, (b >> 24) | (c & 0xFF) << 8 | (a >> 24) << 16 | (b & 0xFF) << 24);
        Store32(target + 8, ((b >> 8) & 0xFF) | a << 8);
    }
    for (; i < pixels; ++i, target += 3)
        std::memcpy(target, source + size_t(pixels - 1 - i) * 3, 3);
}

}  // namespace

void MirrorSwapPixels3(uint8_t* p, uint8_t* q, int pixels)
{
    for (int i = MirrorSwapBlocks3(p, q, pixels); i < pixels; ++i) {
        uint8_t* left = p + size_t(i) * 3;
        uint8_t* right = q + size_t(pixels - 1 - i) * 3;
        uint8_t held[3];
        std::memcpy(held, left, 3);
        std::memcpy(left, right, 3);
        std::memcpy(right, held, 3);
    }
}

void MirrorPixelsCopy(const uint8_t* source, uint8_t* target, int pixels, int bytes_per_pixel)
{
    switch (bytes_per_pixel) {
    case 1: MirrorCopy<1>(source, target, pixels); break;
    case 2: MirrorCopy<2>(source, target, pixels); break;
    case 3: MirrorCopy3(source, target, pixels); break;
    default: MirrorCopy<4>(source, target, pixels); break;
    }
}

void MirrorPixelsInPlace(uint8_t* row, int pixels, int bytes_per_pixel)
{
    switch (bytes_per_pixel) {
    case 1: std::reverse(row, row + pixels); break;
    case 2: MirrorInPlace<2>(row, pixels); break;
    case 3: MirrorSwapPixels3(row, row + size_t(pixels - pixels / 2) * 3, pixels / 2); break;
    default: MirrorInPlace<4>(row, pixels); break;
    }
}

void MirrorSubBytePixels(uint8_t* row, int pixels, int bits)
{
    if (bits == 4 && pixels % 2 == 0) {
        // Whole bytes: reverse them and swap the halves of each.
        std::reverse(row, row + pixels / 2);
        for (int i = 0; i < pixels / 2; ++i)
            row[i] = uint8_t(row[i] << 4 | row[i] >> 4);
        return;
    }
    for (int left = 0, right = pixels - 1; left < right; ++left, --right) {
        const int a = GetPixel(row, left, bits);
        SetPixel(row, left, bits, GetPixel(row, right, bits));
        SetPixel(row, right, bits, a);
    }
}

}  // namespace htfx
