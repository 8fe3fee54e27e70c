// JPEG decoding in builds without the platform's imaging component.
#include "format_codecs.h"

namespace kx::codecs {

Picture decodeJpeg(const std::uint8_t*, std::size_t, const DecodeLimits&) {
  failCodec("JPEG pictures need the platform's imaging component");
}

bool jpegCodecAvailable() { return false; }

}  // namespace kx::codecs
