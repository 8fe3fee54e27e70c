// PCX files (version 5, run-length encoded): reads and writes 8-bit
// palettized (256-entry palette at the end of the file), 8-bit grey and
// 24-bit (three 8-bit planes); also reads a fourth (alpha) plane and ignores
// it, and the older 2- to 16-colour kinds (1-bit pixels in 1 to 4 planes, or
// 2- or 4-bit pixels in one plane) with the header's 16-entry palette.
#include <algorithm>

#include "format_codecs.h"

namespace kx::codecs {
namespace {

struct PcxHeader {
  unsigned version, encoding, bits, planes, bytesPerLine, paletteInfo;
  int width, height;
  std::vector<Rgb> headerPalette;  // 16 entries
  bool fewColours() const { return bits * planes <= 4; }
};

PcxHeader readHeader(const std::uint8_t* data, std::size_t size) {
  ByteReader in(data, size);
  if (in.u8() != 0x0A) failCodec("not a PCX file");
  PcxHeader h;
  h.version = in.u8();
  h.encoding = in.u8();
  h.bits = in.u8();
  int x0 = in.u16le(), y0 = in.u16le(), x1 = in.u16le(), y1 = in.u16le();
  in.skip(4);
  const std::uint8_t* p = in.take(48);
  for (int i = 0; i < 16; ++i) h.headerPalette.push_back({p[3 * i], p[3 * i + 1], p[3 * i + 2]});
  in.skip(1);
  h.planes = in.u8();
  h.bytesPerLine = in.u16le();
  h.paletteInfo = in.u16le();
  in.skip(128 - in.position());
  bool supported = (h.bits == 8 && (h.planes == 1 || h.planes == 3 || h.planes == 4)) ||
                   (h.bits == 1 && h.planes >= 1 && h.planes <= 4) || ((h.bits == 2 || h.bits == 4) && h.planes == 1);
  if (h.encoding > 1 || !supported) failCodec("unsupported PCX variant");
  if (x1 < x0 || y1 < y0) failCodec("bad PCX dimensions");
  h.width = x1 - x0 + 1;
  h.height = y1 - y0 + 1;
  if (h.bytesPerLine < (std::size_t(h.width) * h.bits + 7) / 8) failCodec("bad PCX line length");
  // A two-colour file without a header palette is black and white.
  if (h.bits == 1 && h.planes == 1 && h.headerPalette[0] == h.headerPalette[1]) {
    h.headerPalette[0] = {0, 0, 0};
    h.headerPalette[1] = {255, 255, 255};
  }
  return h;
}

bool hasTrailingPalette(std::size_t size) { return size >= 128 + 769; }

std::vector<Rgb> trailingPalette(const std::uint8_t* data, std::size_t size) {
  if (!hasTrailingPalette(size) || data[size - 769] != 0x0C) failCodec("the PCX palette is missing");
  std::vector<Rgb> palette(256);
  const std::uint8_t* p = data + size - 768;
  for (int i = 0; i < 256; ++i) palette[i] = {p[3 * i], p[3 * i + 1], p[3 * i + 2]};
  return palette;
}

}  // namespace

bool looksLikePcx(const std::uint8_t* data, std::size_t size) {
  return size >= 128 && data[0] == 0x0A && data[1] <= 5 && data[2] <= 1 && data[65] >= 1 && data[65] <= 4;
}

PictureInfo identifyPcx(const std::uint8_t* data, std::size_t size) {
  PcxHeader h = readHeader(data, size);
  int f = kPcx24;
  if (h.fewColours()) f = isGrayPalette(h.headerPalette) ? kPcx8Gray : kPcx8;
  else if (h.planes == 1) f = (h.paletteInfo == 2 || isGrayPalette(trailingPalette(data, size))) ? kPcx8Gray : kPcx8;
  return {f, h.width, h.height};
}

Picture decodePcx(const std::uint8_t* data, std::size_t size, const DecodeLimits& limits) {
  PcxHeader h = readHeader(data, size);
  checkDimensions(h.width, h.height, limits);
  std::vector<Rgb> palette = h.headerPalette;
  std::size_t end = size;
  if (h.planes == 1 && h.bits == 8) {
    palette = trailingPalette(data, size);
    end = size - 769;
  }
  const std::size_t line = std::size_t(h.planes) * h.bytesPerLine;
  const std::size_t total = line * std::size_t(h.height);
  ByteReader in(data, end);
  in.seek(128);
  std::vector<std::uint8_t> plain;
  const std::uint8_t* src;
  if (h.encoding == 1) {
    // Two bytes expand to at most 63.
    if (total / 63 > in.remaining() / 2 + 1) failCodec("the PCX pixels are truncated");
    plain.resize(total);
    std::size_t n = 0;
    const std::uint8_t* p = in.data() + 128;
    const std::uint8_t* stop = in.data() + end;
    while (n < total) {
      if (p == stop) failCodec("the PCX pixels are truncated");
      unsigned c = *p++;
      if ((c & 0xC0) == 0xC0) {
        if (p == stop) failCodec("the PCX pixels are truncated");
        std::size_t count = std::min<std::size_t>(c & 0x3F, total - n);
        std::memset(&plain[n], *p++, count);
        n += count;
      } else {
        plain[n++] = std::uint8_t(c);
      }
    }
    src = plain.data();
  } else {
    src = in.take(total);
  }
  Picture pic(h.width, h.height);
  const std::size_t w = std::size_t(h.width), bpl = h.bytesPerLine;
  std::vector<std::uint8_t> indices(h.fewColours() ? w : 0);
  for (int y = 0; y < h.height; ++y) {
    const std::uint8_t* s = src + std::size_t(y) * line;
    std::uint8_t* d = pic.row(y);
    if (h.fewColours()) {
      // Bit planes (1-bit pixels), or 2- or 4-bit pixels packed in one plane.
      for (std::size_t x = 0; x < w; ++x) {
        unsigned index = 0;
        if (h.bits == 1) {
          for (unsigned p = 0; p < h.planes; ++p) index |= unsigned(s[p * bpl + x / 8] >> (7 - x % 8) & 1) << p;
        } else {
          unsigned perByte = 8 / h.bits;
          index = s[x / perByte] >> (8 - h.bits * (1 + x % perByte)) & ((1u << h.bits) - 1);
        }
        indices[x] = std::uint8_t(index);
      }
      expandIndices(indices.data(), w, palette, d);
    } else if (h.planes == 1) {
      expandIndices(s, w, palette, d);
    } else {
      for (std::size_t x = 0; x < w; ++x) { d[3 * x + 2] = s[x]; d[3 * x + 1] = s[bpl + x]; d[3 * x] = s[2 * bpl + x]; }
    }
  }
  return pic;
}

namespace {

void encodeLine(ByteWriter& out, const std::uint8_t* p, std::size_t n) {
  std::size_t x = 0;
  while (x < n) {
    std::uint8_t v = p[x];
    std::size_t run = 1;
    while (x + run < n && run < 63 && p[x + run] == v) ++run;
    if (run > 1 || (v & 0xC0) == 0xC0) out.u8(unsigned(0xC0 | run));
    out.u8(v);
    x += run;
  }
}

}  // namespace

void encodePcx(const Picture& pic, const SaveOptions& options, std::vector<std::uint8_t>& bytes) {
  ByteWriter out(bytes);
  const bool truecolor = options.bitsPerPixel == 24;
  const std::size_t w = std::size_t(pic.width), bpl = (w + 1) & ~std::size_t(1);
  out.u8(0x0A);
  out.u8(5);
  out.u8(1);
  out.u8(8);
  out.u16le(0);
  out.u16le(0);
  out.u16le(unsigned(pic.width - 1));
  out.u16le(unsigned(pic.height - 1));
  out.u16le(72);
  out.u16le(72);
  out.fill(0, 48 + 1);
  out.u8(truecolor ? 3 : 1);
  out.u16le(unsigned(bpl));
  out.u16le(options.gray ? 2 : 1);
  out.fill(0, 128 - out.size());
  std::vector<std::uint8_t> plane(bpl, 0);
  if (truecolor) {
    for (int y = 0; y < pic.height; ++y) {
      const std::uint8_t* s = pic.row(y);
      for (int c = 2; c >= 0; --c) {
        for (std::size_t x = 0; x < w; ++x) plane[x] = s[3 * x + c];
        encodeLine(out, plane.data(), bpl);
      }
    }
    return;
  }
  IndexedPicture ip = options.gray ? grayPicture(pic) : quantizePicture(pic, 256);
  for (int y = 0; y < pic.height; ++y) {
    std::memcpy(plane.data(), &ip.indices[std::size_t(y) * w], w);
    encodeLine(out, plane.data(), bpl);
  }
  out.u8(0x0C);
  for (int i = 0; i < 256; ++i) {
    Rgb c = i < int(ip.palette.size()) ? ip.palette[i] : Rgb{0, 0, 0};
    out.bytes(c.data(), 3);
  }
}

}  // namespace kx::codecs
