// The layout of a caller's memory buffer: rows of 3-byte pixels, each row
// padded to a multiple of 4 bytes, bottom row first (a 24-bit DIB without
// its header).  Pixels are blue, green, red, or Y, U, V after the caller
// chose the YUV buffer format.
#pragma once

#include <cstddef>
#include <cstdint>

#include "picture.h"

namespace kxcard {

enum class BufferFormat { Rgb, Yuv };

inline std::size_t DibStride(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }
inline std::size_t DibSize(int width, int height) { return DibStride(width) * static_cast<std::size_t>(height); }

void PictureToDib(const Picture& pic, BufferFormat format, std::uint8_t* out);
Picture DibToPicture(const std::uint8_t* in, int width, int height, BufferFormat format);

} // namespace kxcard
