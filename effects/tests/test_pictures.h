// Pictures and request blocks for the library's tests.
#pragma once
#include <cstdint>
#include <random>
#include <vector>

#include "htfx32.h"

namespace htfx_test {

// Raw rows (blue, green, red, padded to 4 bytes) of random pixels.
std::vector<uint8_t> RandomRaw(int width, int rows, uint32_t seed);
int RawBytes(int width);

// A packed bitmap with a 40-byte header, `colours` table entries and rows of
// random bytes.
std::vector<uint8_t> RandomDib(int width, int rows, int bits, uint32_t seed, int colours = -1);

HtfxStream Memory(void* address, int format = HTFX_FORMAT_RAW);
HtfxStream Reader(HtfxRowProc proc);
HtfxStream Reader2(HtfxRowProc2 proc);

}  // namespace htfx_test
