// Decoding through the platform's imaging component (WIC) in the Windows
// builds: JPEG, and the TIFF variants our own reader does not cover (Deflate,
// tiles, samples other than 8 bits, separate planes, CMYK). The host build has
// no such component and refuses those files with a message saying so.
#pragma once

#include <cstddef>
#include <cstdint>

#include "codec_support.h"

namespace kx::codecs {

enum class PlatformFormat { Jpeg, Tiff };

bool platformDecoderAvailable();

// The first frame of the file as 24-bit pixels; fails (CodecFailure) on data
// the component refuses and on dimensions beyond the limits. Callers check
// the header against the limits before they call it.
Picture decodeOnPlatform(PlatformFormat format, const std::uint8_t* data, std::size_t size,
                         const DecodeLimits& limits);

}  // namespace kx::codecs
