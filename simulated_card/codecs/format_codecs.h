// The format codecs behind the public entry points. Decoders raise
// CodecFailure on bad data; encoders take a picture with non-zero dimensions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "codec_support.h"

namespace kx::codecs {

#define KX_DECLARE_CODEC(Name)                                                          \
  bool looksLike##Name(const std::uint8_t* data, std::size_t size);                     \
  PictureInfo identify##Name(const std::uint8_t* data, std::size_t size);               \
  Picture decode##Name(const std::uint8_t* data, std::size_t size, const DecodeLimits& limits); \
  void encode##Name(const Picture& picture, const SaveOptions& options, std::vector<std::uint8_t>& out);

KX_DECLARE_CODEC(Bmp)
KX_DECLARE_CODEC(Targa)
KX_DECLARE_CODEC(MMotion)
KX_DECLARE_CODEC(Tiff)
KX_DECLARE_CODEC(Pcx)
KX_DECLARE_CODEC(Gif)
KX_DECLARE_CODEC(Jpeg)

#undef KX_DECLARE_CODEC

// Writes palette indices (one byte a pixel, top-down) into a picture's rows.
void expandIndices(const std::uint8_t* indices, std::size_t count, const std::vector<Rgb>& palette,
                   std::uint8_t* bgr);

}  // namespace kx::codecs
