// Builds without the platform's imaging component (the host build): the
// files only it decodes are refused with a message that says why.
#include "platform_decoder.h"

namespace kx::codecs {

bool platformDecoderAvailable() { return false; }

Picture decodeOnPlatform(PlatformFormat format, const std::uint8_t*, std::size_t, const DecodeLimits&) {
  failCodec(format == PlatformFormat::Jpeg ? "JPEG pictures need the platform's imaging component"
                                           : "this TIFF variant needs the platform's imaging component");
}

}  // namespace kx::codecs
