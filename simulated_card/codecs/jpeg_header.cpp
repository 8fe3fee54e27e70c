// JPEG recognition and header reading, which need no platform codec (the
// frame header gives the dimensions and the count of components); decoding
// is the platform's.
#include "format_codecs.h"
#include "platform_decoder.h"

namespace kx::codecs {

bool looksLikeJpeg(const std::uint8_t* data, std::size_t size) {
  return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

PictureInfo identifyJpeg(const std::uint8_t* data, std::size_t size) {
  ByteReader in(data, size);
  if (in.u16be() != 0xFFD8) failCodec("not a JPEG file");
  for (;;) {
    unsigned marker = in.u8();
    if (marker != 0xFF) failCodec("bad JPEG marker");
    unsigned kind = in.u8();
    while (kind == 0xFF) kind = in.u8();  // fill bytes
    if (kind == 0xD9 || kind == 0xDA) failCodec("the JPEG file has no frame header");
    if (kind == 0x01 || (kind >= 0xD0 && kind <= 0xD7)) continue;  // markers without a length
    unsigned length = in.u16be();
    if (length < 2) failCodec("bad JPEG segment length");
    bool frame = kind >= 0xC0 && kind <= 0xCF && kind != 0xC4 && kind != 0xC8 && kind != 0xCC;
    if (!frame) {
      in.skip(length - 2);
      continue;
    }
    in.skip(1);  // sample precision
    int height = in.u16be();
    int width = in.u16be();
    unsigned components = in.u8();
    if (width == 0 || height == 0 || components == 0) failCodec("bad JPEG dimensions");
    return {components == 1 ? kJpegGray : kJpeg, width, height};
  }
}

Picture decodeJpeg(const std::uint8_t* data, std::size_t size, const DecodeLimits& limits) {
  PictureInfo info = identifyJpeg(data, size);
  checkDimensions(info.width, info.height, limits);
  return decodeOnPlatform(PlatformFormat::Jpeg, data, size, limits);
}

}  // namespace kx::codecs
