#include "pixel_operation.h"

namespace htfx {

namespace {

uint16_t Read16(const uint8_t* p)
{
    return uint16_t(p[0] | p[1] << 8);
}

void Write16(uint8_t* p, unsigned value)
{
    p[0] = uint8_t(value);
    p[1] = uint8_t(value >> 8);
}

}  // namespace

void CombinedOperation::AdjustRow(const uint8_t* source, uint8_t* target, int pixels, int step) const
{
    adjuster_.AdjustRow(source, target, pixels, step);
}

void CombinedOperation::AdjustRow16(const uint8_t* source, uint8_t* target, int pixels, uint8_t* work) const
{
    for (int i = 0; i < pixels; ++i) {
        const unsigned pixel = Read16(source + 2 * i);
        work[3 * i + 0] = uint8_t(pixel << 3);
        work[3 * i + 1] = uint8_t((pixel >> 2) & 0xF8);
        work[3 * i + 2] = uint8_t((pixel >> 7) & 0xF8);
    }
    adjuster_.AdjustRow(work, work, pixels, 3);
    for (int i = 0; i < pixels; ++i) {
        const unsigned b = work[3 * i], g = work[3 * i + 1], r = work[3 * i + 2];
        Write16(target + 2 * i, (r & 0xF8) << 7 | (g & 0xF8) << 2 | b >> 3);
    }
}

void SingleOperation::AdjustRow(const uint8_t* source, uint8_t* target, int pixels, int step) const
{
    for (int i = 0; i < pixels; ++i, source += step, target += step) {
        int b = source[0], g = source[1], r = source[2];
        AdjustSinglePixel(channel_, amount_, 255, b, g, r);
        target[0] = uint8_t(b);
        target[1] = uint8_t(g);
        target[2] = uint8_t(r);
    }
}

void SingleOperation::AdjustRow16(const uint8_t* source, uint8_t* target, int pixels, uint8_t*) const
{
    for (int i = 0; i < pixels; ++i) {
        const unsigned pixel = Read16(source + 2 * i);
        int r = int(pixel >> 10) & 31, g = int(pixel >> 5) & 31, b = int(pixel) & 31;
        AdjustSinglePixel(channel_, amount_, 31, b, g, r);
        Write16(target + 2 * i, unsigned(r) << 10 | unsigned(g) << 5 | unsigned(b));
    }
}

}  // namespace htfx
