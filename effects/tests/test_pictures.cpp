#include "test_pictures.h"

#include <cstring>

namespace htfx_test {

int RawBytes(int width)
{
    return (width * 3 + 3) & ~3;
}

std::vector<uint8_t> RandomRaw(int width, int rows, uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> picture(size_t(RawBytes(width)) * size_t(rows));
    for (auto& byte : picture)
        byte = uint8_t(random());
    return picture;
}

std::vector<uint8_t> RandomDib(int width, int rows, int bits, uint32_t seed, int colours)
{
    if (colours < 0)
        colours = bits <= 8 ? 1 << bits : 0;
    const size_t row_bytes = ((size_t(width) * bits + 31) >> 3) & ~size_t(3);
    std::vector<uint8_t> dib(40 + size_t(colours) * 4 + row_bytes * size_t(rows));
    std::mt19937 random(seed);
    for (size_t i = 40; i < dib.size(); ++i)
        dib[i] = uint8_t(random());
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&dib[at], &v, 4); };
    auto put16 = [&](size_t at, uint16_t v) { std::memcpy(&dib[at], &v, 2); };
    put32(0, 40);
    put32(4, uint32_t(width));
    put32(8, uint32_t(rows));
    put16(12, 1);
    put16(14, uint16_t(bits));
    put32(16, 0);
    put32(20, uint32_t(row_bytes * size_t(rows)));
    put32(32, uint32_t(colours));
    return dib;
}

HtfxStream Memory(void* address, int format)
{
    HtfxStream stream{};
    stream.kind = HTFX_KIND_MEMORY;
    stream.format = format;
    stream.value.address = address;
    return stream;
}

HtfxStream Reader(HtfxRowProc proc)
{
    HtfxStream stream{};
    stream.kind = HTFX_KIND_FUNCTION;
    stream.format = HTFX_FORMAT_RAW;
    stream.value.proc = proc;
    return stream;
}

HtfxStream Reader2(HtfxRowProc2 proc)
{
    HtfxStream stream{};
    stream.kind = HTFX_KIND_FUNCTION;
    stream.format = HTFX_FORMAT_RAW;
    stream.value.proc2 = proc;
    return stream;
}

}  // namespace htfx_test
