// Targa files: reads true-colour (15/16, 24, 32-bit), grey and colour-mapped
// pictures, plain or run-length encoded, in any corner origin; writes 32-bit
// (opaque alpha), 24-bit and 16-bit (5-5-5) true colour, plain or RLE, with
// the bottom-left origin.
#include <algorithm>

#include "format_codecs.h"

namespace kx::codecs {
namespace {

struct TgaHeader {
  unsigned idLength, mapType, imageType, mapFirst, mapLength, mapEntryBits;
  unsigned width, height, bits, descriptor;
};

TgaHeader readHeader(ByteReader& in) {
  TgaHeader h;
  h.idLength = in.u8();
  h.mapType = in.u8();
  h.imageType = in.u8();
  h.mapFirst = in.u16le();
  h.mapLength = in.u16le();
  h.mapEntryBits = in.u8();
  in.skip(4);
  h.width = in.u16le();
  h.height = in.u16le();
  h.bits = in.u8();
  h.descriptor = in.u8();
  return h;
}

bool plausible(const TgaHeader& h) {
  unsigned kind = h.imageType & 7;
  if (h.mapType > 1 || (h.imageType & ~8u) > 3 || kind == 0) return false;
  if (h.width == 0 || h.height == 0) return false;
  if (kind == 1) return h.mapType == 1 && h.bits == 8 && (h.mapEntryBits == 15 || h.mapEntryBits == 16 || h.mapEntryBits == 24 || h.mapEntryBits == 32);
  if (kind == 2) return h.bits == 15 || h.bits == 16 || h.bits == 24 || h.bits == 32;
  return h.bits == 8;
}

// One stored pixel of the given depth as blue, green, red.
inline void unpackPixel(const std::uint8_t* s, unsigned bytes, std::uint8_t* d) {
  switch (bytes) {
    case 1: d[0] = d[1] = d[2] = s[0]; break;
    case 2: {
      unsigned v = s[0] | s[1] << 8;
      d[2] = std::uint8_t((v >> 10 & 31) * 255 / 31);
      d[1] = std::uint8_t((v >> 5 & 31) * 255 / 31);
      d[0] = std::uint8_t((v & 31) * 255 / 31);
      break;
    }
    default: d[0] = s[0]; d[1] = s[1]; d[2] = s[2];
  }
}

}  // namespace

bool looksLikeTarga(const std::uint8_t* data, std::size_t size) {
  if (size < 18) return false;
  ByteReader in(data, size);
  return plausible(readHeader(in));
}

PictureInfo identifyTarga(const std::uint8_t* data, std::size_t size) {
  ByteReader in(data, size);
  TgaHeader h = readHeader(in);
  if (!plausible(h)) failCodec("not a supported Targa file");
  bool rle = h.imageType & 8;
  int f = h.bits == 32 ? kTga32 : (h.bits == 15 || h.bits == 16) ? kTga16 : kTga24;
  return {rle ? f + 3 : f, int(h.width), int(h.height)};
}

Picture decodeTarga(const std::uint8_t* data, std::size_t size, const DecodeLimits& limits) {
  ByteReader in(data, size);
  TgaHeader h = readHeader(in);
  if (!plausible(h)) failCodec("not a supported Targa file");
  checkDimensions(h.width, h.height, limits);
  in.skip(h.idLength);
  std::vector<std::uint8_t> map;  // colour map as blue, green, red
  if (h.mapType == 1) {
    unsigned entryBytes = (h.mapEntryBits + 7) / 8;
    const std::uint8_t* p = in.take(std::size_t(h.mapLength) * entryBytes);
    // Only a colour-mapped picture uses its map (whose entry size the header
    // check has vouched for); others merely skip it.
    if ((h.imageType & 7) == 1) {
      map.resize(std::size_t(h.mapLength) * 3);
      for (unsigned i = 0; i < h.mapLength; ++i) unpackPixel(p + i * entryBytes, entryBytes, &map[i * 3]);
    }
  }
  const unsigned bytes = (h.bits + 7) / 8;
  const std::size_t w = h.width, rows = h.height, total = w * rows;
  const bool rle = h.imageType & 8;
  // Gather the stored pixels in file order, then place them row by row.
  std::vector<std::uint8_t> stored;
  const std::uint8_t* src;
  if (rle) {
    // A packet of 1 + bytes bytes holds at most 128 pixels.
    if (total / 128 > in.remaining() / (1 + bytes)) failCodec("the Targa pixels are truncated");
    stored.resize(total * bytes);
    std::size_t n = 0;
    while (n < total) {
      unsigned packet = in.u8();
      std::size_t count = (packet & 0x7F) + 1;
      if (count > total - n) failCodec("bad Targa RLE data: a packet runs past the picture");
      if (packet & 0x80) {
        const std::uint8_t* p = in.take(bytes);
        for (std::size_t i = 0; i < count; ++i) std::memcpy(&stored[(n + i) * bytes], p, bytes);
      } else {
        std::memcpy(&stored[n * bytes], in.take(count * bytes), count * bytes);
      }
      n += count;
    }
    src = stored.data();
  } else {
    src = in.take(total * bytes);
  }
  Picture pic{int(w), int(rows)};
  const bool topDown = h.descriptor & 0x20, rightToLeft = h.descriptor & 0x10;
  const bool mapped = (h.imageType & 7) == 1;
  for (std::size_t r = 0; r < rows; ++r) {
    const std::uint8_t* s = src + r * w * bytes;
    std::uint8_t* d = pic.row(int(topDown ? r : rows - 1 - r));
    if (bytes == 3 && !rightToLeft) { std::memcpy(d, s, w * 3); continue; }
    for (std::size_t x = 0; x < w; ++x) {
      std::uint8_t* px = d + 3 * (rightToLeft ? w - 1 - x : x);
      if (mapped) {
        std::size_t i = s[x];
        if (i >= h.mapFirst && i - h.mapFirst < h.mapLength) std::memcpy(px, &map[(i - h.mapFirst) * 3], 3);
        else px[0] = px[1] = px[2] = 0;
      } else {
        unpackPixel(s + x * bytes, bytes, px);
      }
    }
  }
  return pic;
}

namespace {

// Packs one row into stored pixels of the given size.
void packRow(const std::uint8_t* bgr, std::size_t w, unsigned bytes, std::uint8_t* out) {
  for (std::size_t x = 0; x < w; ++x, bgr += 3, out += bytes) {
    if (bytes == 2) {
      unsigned v = (bgr[2] >> 3) << 10 | (bgr[1] >> 3) << 5 | (bgr[0] >> 3);
      out[0] = std::uint8_t(v);
      out[1] = std::uint8_t(v >> 8);
    } else {
      out[0] = bgr[0]; out[1] = bgr[1]; out[2] = bgr[2];
      if (bytes == 4) out[3] = 255;
    }
  }
}

// Run-length packets of one row: runs of two or more equal pixels, and raw
// packets of up to 128 pixels between them.
void encodeRleRow(ByteWriter& out, const std::uint8_t* p, std::size_t w, unsigned bytes) {
  auto same = [&](std::size_t a, std::size_t b) { return std::memcmp(p + a * bytes, p + b * bytes, bytes) == 0; };
  std::size_t x = 0;
  while (x < w) {
    std::size_t run = 1;
    while (x + run < w && run < 128 && same(x, x + run)) ++run;
    if (run >= 2) {
      out.u8(unsigned(0x80 | (run - 1)));
      out.bytes(p + x * bytes, bytes);
      x += run;
      continue;
    }
    std::size_t n = 1;
    while (x + n < w && n < 128 && !(x + n + 1 < w && same(x + n, x + n + 1))) ++n;
    out.u8(unsigned(n - 1));
    out.bytes(p + x * bytes, n * bytes);
    x += n;
  }
}

}  // namespace

void encodeTarga(const Picture& pic, const SaveOptions& options, std::vector<std::uint8_t>& bytes) {
  ByteWriter out(bytes);
  const unsigned bits = unsigned(options.bitsPerPixel), size = bits / 8;
  out.u8(0);
  out.u8(0);
  out.u8(options.rle ? 10 : 2);
  out.fill(0, 5);     // no colour map
  out.fill(0, 4);     // origin
  out.u16le(unsigned(pic.width));
  out.u16le(unsigned(pic.height));
  out.u8(bits);
  out.u8(bits == 32 ? 8 : 0);  // alpha bits; bottom-left origin
  const std::size_t w = std::size_t(pic.width);
  if (!options.rle && size == 3) {
    bytes.reserve(bytes.size() + w * 3 * pic.height + 26);
    for (int y = pic.height - 1; y >= 0; --y) out.bytes(pic.row(y), w * 3);
  } else {
    std::vector<std::uint8_t> row(w * size);
    for (int y = pic.height - 1; y >= 0; --y) {
      packRow(pic.row(y), w, size, row.data());
      if (options.rle) encodeRleRow(out, row.data(), w, size);
      else out.bytes(row.data(), row.size());
    }
  }
  // The version 2 footer, without extension or developer areas.
  out.u32le(0);
  out.u32le(0);
  out.bytes("TRUEVISION-XFILE.", 18);
}

}  // namespace kx::codecs
