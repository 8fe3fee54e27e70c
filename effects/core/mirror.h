// Mirroring rows of pixels end for end, for every depth a picture can have.
#pragma once
#include <cstddef>
#include <cstdint>

namespace htfx {

// Mirrors `pixels` pixels of `bytes_per_pixel` bytes from `source` into
// `target`, which must not overlap it.
void MirrorPixelsCopy(const uint8_t* source, uint8_t* target, int pixels, int bytes_per_pixel);
// Mirrors a row of whole-byte pixels in place.
void MirrorPixelsInPlace(uint8_t* row, int pixels, int bytes_per_pixel);
// Exchanges two rows of `pixels` 3-byte pixels (not overlapping), each
// mirrored on the way: `p` gets `q` end for end and `q` gets `p`.
void MirrorSwapPixels3(uint8_t* p, uint8_t* q, int pixels);
// Mirrors a row of 1- or 4-bit pixels in place, pixel by pixel (the bits of
// a partly used last byte stay where they are).
void MirrorSubBytePixels(uint8_t* row, int pixels, int bits);

}  // namespace htfx
