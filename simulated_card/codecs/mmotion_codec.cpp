// IBM MMotion 4:1:1 YUV files (.MMP), in this layout (all numbers little-endian):
//
//   offset  size  field
//        0     8  signature, the ASCII characters "MMYUV411"
//        8     2  width in pixels (1 to 65535)
//       10     2  height in pixels (1 to 65535)
//       12     2  layout version, 1
//       14     2  reserved, 0
//       16        pixel rows, top row first, no padding between rows
//
// A row is ceil(width / 4) groups of six bytes: Y0 Y1 Y2 Y3 U V. The four Y
// bytes are the luma of four horizontally adjacent pixels; U and V are the
// chroma shared by the four (the mean of their chroma, rounded to nearest).
// A last group that reaches past the right edge repeats the row's last
// pixel. Y, U and V are the card's own YUV bytes (U and V signed), as
// yuvFromRgb makes them, so a YUV frame buffer goes into a file unconverted.
#include "format_codecs.h"

namespace kx::codecs {
namespace {

constexpr char kSignature[8] = {'M', 'M', 'Y', 'U', 'V', '4', '1', '1'};
constexpr std::size_t kHeaderSize = 16;

struct MmpHeader {
  int width, height;
};

MmpHeader readHeader(const std::uint8_t* data, std::size_t size) {
  ByteReader in(data, size);
  if (std::memcmp(in.take(8), kSignature, 8) != 0) failCodec("not an IBM MMotion file");
  MmpHeader h;
  h.width = in.u16le();
  h.height = in.u16le();
  if (in.u16le() != 1) failCodec("unsupported IBM MMotion layout version");
  if (h.width == 0 || h.height == 0) failCodec("bad IBM MMotion dimensions");
  return h;
}

}  // namespace

bool looksLikeMMotion(const std::uint8_t* data, std::size_t size) {
  return size >= 8 && std::memcmp(data, kSignature, 8) == 0;
}

PictureInfo identifyMMotion(const std::uint8_t* data, std::size_t size) {
  MmpHeader h = readHeader(data, size);
  return {kMMotion, h.width, h.height};
}

Picture decodeMMotion(const std::uint8_t* data, std::size_t size, const DecodeLimits& limits) {
  MmpHeader h = readHeader(data, size);
  checkDimensions(h.width, h.height, limits);
  const std::size_t groups = (std::size_t(h.width) + 3) / 4, line = groups * 6;
  ByteReader in(data, size);
  in.seek(kHeaderSize);
  const std::uint8_t* src = in.take(line * std::size_t(h.height));
  Picture pic(h.width, h.height);
  for (int y = 0; y < h.height; ++y) {
    const std::uint8_t* s = src + std::size_t(y) * line;
    std::uint8_t* d = pic.row(y);
    for (std::size_t g = 0; g < groups; ++g, s += 6) {
      for (std::size_t i = 0; i < 4 && g * 4 + i < std::size_t(h.width); ++i) {
        Rgb c = rgbFromYuv(s[i], s[4], s[5]);
        std::uint8_t* px = d + 3 * (g * 4 + i);
        px[0] = c[2]; px[1] = c[1]; px[2] = c[0];
      }
    }
  }
  return pic;
}

void encodeMMotion(const Picture& pic, const SaveOptions&, std::vector<std::uint8_t>& bytes) {
  if (pic.width > 65535 || pic.height > 65535) failCodec("the picture is too large for an IBM MMotion file");
  ByteWriter out(bytes);
  out.bytes(kSignature, 8);
  out.u16le(unsigned(pic.width));
  out.u16le(unsigned(pic.height));
  out.u16le(1);
  out.u16le(0);
  const std::size_t w = std::size_t(pic.width), groups = (w + 3) / 4;
  bytes.reserve(bytes.size() + groups * 6 * pic.height);
  for (int y = 0; y < pic.height; ++y) {
    const std::uint8_t* s = pic.row(y);
    for (std::size_t g = 0; g < groups; ++g) {
      int su = 0, sv = 0;
      std::uint8_t group[6];
      for (std::size_t i = 0; i < 4; ++i) {
        std::size_t x = std::min(g * 4 + i, w - 1);
        Yuv c = yuvFromRgb(s[3 * x + 2], s[3 * x + 1], s[3 * x]);
        group[i] = c[0];
        su += std::int8_t(c[1]);
        sv += std::int8_t(c[2]);
      }
      auto mean = [](int sum) { return std::uint8_t(std::int8_t(sum >= 0 ? (sum + 2) / 4 : -((-sum + 2) / 4))); };
      group[4] = mean(su);
      group[5] = mean(sv);
      out.bytes(group, 6);
    }
  }
}

}  // namespace kx::codecs
