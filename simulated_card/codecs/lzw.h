// The two LZW dialects of the image formats: TIFF's (codes packed most
// significant bit first, 8-bit symbols, the code width growing one code
// early) and GIF's (least significant bit first, a variable symbol size,
// no early change). Both start at one bit wider than the symbols and grow
// to 12 bits; a clear code resets the table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kx::codecs {

enum class LzwDialect { Tiff, Gif };

// Decodes into out[0..outSize) and returns the count of bytes written. Data
// that would go past outSize is dropped; a code that refers past the table
// raises CodecFailure. Missing data or a missing end code end the output early.
std::size_t lzwDecode(LzwDialect dialect, int symbolBits, const std::uint8_t* data, std::size_t size,
                      std::uint8_t* out, std::size_t outSize);

// Appends the encoded symbols (each below 2^symbolBits), from a clear code to
// the end code.
void lzwEncode(LzwDialect dialect, int symbolBits, const std::uint8_t* data, std::size_t size,
               std::vector<std::uint8_t>& out);

}  // namespace kx::codecs
