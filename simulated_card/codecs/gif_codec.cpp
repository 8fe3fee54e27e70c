// GIF files: reads the first image of a file (global or local colour table,
// interlaced or not) onto the logical screen, filled with the background
// colour; writes one image of up to 256 colours (8-bit palettized or grey)
// or 16 colours (4-bit).
#include <algorithm>

#include "format_codecs.h"
#include "lzw.h"

namespace kx::codecs {
namespace {

struct GifScreen {
  int width, height;
  std::vector<Rgb> palette;
  unsigned background;
};

std::vector<Rgb> readTable(ByteReader& in, unsigned flags) {
  std::vector<Rgb> table(std::size_t(2) << (flags & 7));
  const std::uint8_t* p = in.take(table.size() * 3);
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = {p[3 * i], p[3 * i + 1], p[3 * i + 2]};
  return table;
}

GifScreen readScreen(ByteReader& in) {
  const std::uint8_t* sig = in.take(6);
  if (std::memcmp(sig, "GIF87a", 6) != 0 && std::memcmp(sig, "GIF89a", 6) != 0) failCodec("not a GIF file");
  GifScreen s;
  s.width = in.u16le();
  s.height = in.u16le();
  unsigned flags = in.u8();
  s.background = in.u8();
  in.skip(1);
  if (flags & 0x80) s.palette = readTable(in, flags);
  return s;
}

void skipSubBlocks(ByteReader& in) {
  for (unsigned n = in.u8(); n; n = in.u8()) in.skip(n);
}

struct GifImage {
  int left, top, width, height;
  bool interlaced;
  std::vector<Rgb> palette;
};

// Moves to the first image descriptor and reads it.
GifImage readImage(ByteReader& in, const GifScreen& screen) {
  for (;;) {
    unsigned block = in.u8();
    if (block == 0x21) {
      in.skip(1);
      skipSubBlocks(in);
    } else if (block == 0x2C) {
      GifImage im;
      im.left = in.u16le();
      im.top = in.u16le();
      im.width = in.u16le();
      im.height = in.u16le();
      unsigned flags = in.u8();
      im.interlaced = flags & 0x40;
      im.palette = (flags & 0x80) ? readTable(in, flags) : screen.palette;
      if (im.palette.empty()) failCodec("the GIF image has no colour table");
      if (im.width == 0 || im.height == 0) failCodec("bad GIF image dimensions");
      return im;
    } else {
      failCodec("the GIF file holds no image");
    }
  }
}

bool isSixteenColours(const std::vector<Rgb>& palette) { return palette.size() <= 16; }

}  // namespace

bool looksLikeGif(const std::uint8_t* data, std::size_t size) {
  return size >= 6 && (std::memcmp(data, "GIF87a", 6) == 0 || std::memcmp(data, "GIF89a", 6) == 0);
}

PictureInfo identifyGif(const std::uint8_t* data, std::size_t size) {
  ByteReader in(data, size);
  GifScreen screen = readScreen(in);
  GifImage im = readImage(in, screen);
  int f = isGrayPalette(im.palette) ? kGif8Gray : isSixteenColours(im.palette) ? kGif4 : kGif8;
  int w = screen.width ? screen.width : im.width, h = screen.height ? screen.height : im.height;
  return {f, w, h};
}

Picture decodeGif(const std::uint8_t* data, std::size_t size, const DecodeLimits& limits) {
  ByteReader in(data, size);
  GifScreen screen = readScreen(in);
  GifImage im = readImage(in, screen);
  if (screen.width == 0 || screen.height == 0) { screen.width = im.width; screen.height = im.height; }
  checkDimensions(screen.width, screen.height, limits);
  checkDimensions(im.width, im.height, limits);
  unsigned symbolBits = in.u8();
  if (symbolBits < 2 || symbolBits > 8) failCodec("bad GIF code size");
  // Gather the sub-blocks of the image data.
  std::vector<std::uint8_t> packed;
  // A file cut short keeps the data it has.
  while (in.remaining()) {
    unsigned n = in.u8();
    if (!n) break;
    std::size_t take = std::min<std::size_t>(n, in.remaining());
    const std::uint8_t* p = in.take(take);
    packed.insert(packed.end(), p, p + take);
  }
  const std::size_t w = std::size_t(im.width), rows = std::size_t(im.height);
  // A code of at least 3 bits yields at most 4096 pixels.
  if (rows * w / 4096 > packed.size() * 8 / 3 + 1) failCodec("the GIF image data is truncated");
  std::vector<std::uint8_t> indices(w * rows, 0);
  if (lzwDecode(LzwDialect::Gif, int(symbolBits), packed.data(), packed.size(), indices.data(), indices.size()) <
      indices.size())
    failCodec("the GIF image data is truncated or damaged");

  Picture pic(screen.width, screen.height);
  Rgb back = screen.background < screen.palette.size() ? screen.palette[screen.background] : Rgb{0, 0, 0};
  for (std::size_t i = 0; i < pic.bgr.size(); i += 3) { pic.bgr[i] = back[2]; pic.bgr[i + 1] = back[1]; pic.bgr[i + 2] = back[0]; }
  // Stored row r is picture row target(r) (interlaced: passes of 8, 8, 4, 2).
  std::vector<std::size_t> target(rows);
  if (im.interlaced) {
    std::size_t r = 0;
    const std::size_t start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
      for (std::size_t y = start[pass]; y < rows; y += step[pass]) target[r++] = y;
  } else {
    for (std::size_t y = 0; y < rows; ++y) target[y] = y;
  }
  std::vector<Rgb> palette = im.palette;
  for (std::size_t r = 0; r < rows; ++r) {
    std::size_t y = std::size_t(im.top) + target[r];
    if (y >= std::size_t(screen.height) || std::size_t(im.left) >= std::size_t(screen.width)) continue;
    std::size_t count = std::min(w, std::size_t(screen.width) - std::size_t(im.left));
    expandIndices(&indices[r * w], count, palette, pic.row(int(y)) + 3 * std::size_t(im.left));
  }
  return pic;
}

void encodeGif(const Picture& pic, const SaveOptions& options, std::vector<std::uint8_t>& bytes) {
  if (pic.width > 65535 || pic.height > 65535) failCodec("the picture is too large for a GIF file");
  const bool four = options.bitsPerPixel == 4;
  IndexedPicture ip = options.gray && !four ? grayPicture(pic) : quantizePicture(pic, four ? 16 : 256);
  if (options.gray && four) {
    IndexedPicture g = grayPicture(pic);
    ip.palette.resize(16);
    for (int i = 0; i < 16; ++i) ip.palette[i] = {std::uint8_t(i * 17), std::uint8_t(i * 17), std::uint8_t(i * 17)};
    for (std::size_t i = 0; i < g.indices.size(); ++i) ip.indices[i] = std::uint8_t((g.indices[i] + 8) / 17);
  }
  // The table's size tells a reader the depth, so it is the full 16 or 256.
  const unsigned bits = four ? 4 : 8;
  ByteWriter out(bytes);
  out.bytes("GIF87a", 6);
  out.u16le(unsigned(pic.width));
  out.u16le(unsigned(pic.height));
  out.u8(0x80 | (bits - 1) << 4 | (bits - 1));
  out.u8(0);
  out.u8(0);
  for (std::size_t i = 0; i < (std::size_t(1) << bits); ++i) {
    Rgb c = i < ip.palette.size() ? ip.palette[i] : Rgb{0, 0, 0};
    out.bytes(c.data(), 3);
  }
  out.u8(0x2C);
  out.u16le(0);
  out.u16le(0);
  out.u16le(unsigned(pic.width));
  out.u16le(unsigned(pic.height));
  out.u8(0);
  const unsigned symbolBits = std::max(2u, bits);
  out.u8(symbolBits);
  std::vector<std::uint8_t> packed;
  lzwEncode(LzwDialect::Gif, int(symbolBits), ip.indices.data(), ip.indices.size(), packed);
  for (std::size_t i = 0; i < packed.size(); i += 255) {
    std::size_t n = std::min<std::size_t>(255, packed.size() - i);
    out.u8(unsigned(n));
    out.bytes(&packed[i], n);
  }
  out.u8(0);
  out.u8(0x3B);
}

}  // namespace kx::codecs
