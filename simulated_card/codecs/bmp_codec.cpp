// Windows bitmap files: reads 1-, 4-, 8-bit palettized (plain, RLE8, RLE4),
// 16-, 24- and 32-bit (plain or with bit-field masks) and the old 12-byte
// header; writes 24-bit, 8-bit palettized or grey (plain or RLE8) and 4-bit.
#include <algorithm>

#include "format_codecs.h"

namespace kx::codecs {
namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

struct BmpHeader {
  std::uint32_t pixelOffset = 0;
  std::uint32_t headerSize = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;  // positive: bottom-up rows
  unsigned bits = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t colorsUsed = 0;
  std::uint32_t masks[3] = {0, 0, 0};  // red, green, blue
  std::vector<Rgb> palette;
};

BmpHeader readHeader(const std::uint8_t* data, std::size_t size) {
  ByteReader in(data, size);
  if (in.u16le() != 0x4D42) failCodec("not a Windows bitmap");
  in.skip(8);
  BmpHeader h;
  h.pixelOffset = in.u32le();
  h.headerSize = in.u32le();
  unsigned planes;
  if (h.headerSize == 12) {
    h.width = in.u16le();
    h.height = std::int16_t(in.u16le());
    planes = in.u16le();
    h.bits = in.u16le();
  } else if (h.headerSize >= 40 && h.headerSize <= 1024) {
    h.width = std::int32_t(in.u32le());
    h.height = std::int32_t(in.u32le());
    planes = in.u16le();
    h.bits = in.u16le();
    h.compression = in.u32le();
    in.skip(12);
    h.colorsUsed = in.u32le();
    in.skip(4);
    if (h.compression == kBitFields) {
      // The masks follow a 40-byte header, or are its continuation.
      for (auto& m : h.masks) m = in.u32le();
    }
  } else {
    failCodec("unsupported bitmap header size");
  }
  if (planes != 1) failCodec("a bitmap must have one plane");
  bool ok = (h.bits == 1 || h.bits == 4 || h.bits == 8 || h.bits == 16 || h.bits == 24 || h.bits == 32);
  if (!ok) failCodec("unsupported bitmap depth");
  if (h.compression == kRle8 && h.bits != 8) failCodec("RLE8 needs 8-bit pixels");
  if (h.compression == kRle4 && h.bits != 4) failCodec("RLE4 needs 4-bit pixels");
  if (h.compression == kBitFields && h.bits != 16 && h.bits != 32) failCodec("bit fields need 16 or 32-bit pixels");
  if (h.compression > kBitFields) failCodec("unsupported bitmap compression");
  if (h.width <= 0 || h.height == 0) failCodec("bad bitmap dimensions");
  if (h.compression == kRle8 || h.compression == kRle4) {
    if (h.height < 0) failCodec("a compressed bitmap cannot be top-down");
  }
  if (h.bits <= 8) {
    std::uint32_t count = h.colorsUsed ? h.colorsUsed : (1u << h.bits);
    if (count > (1u << h.bits)) count = 1u << h.bits;
    in.seek(14 + h.headerSize + (h.headerSize == 40 && h.compression == kBitFields ? 12 : 0));
    unsigned entry = h.headerSize == 12 ? 3 : 4;
    // Palettes cut short by an early pixel offset keep the entries present.
    std::size_t available = (std::min<std::size_t>(h.pixelOffset, size) > in.position())
                                ? (std::min<std::size_t>(h.pixelOffset, size) - in.position()) / entry : 0;
    count = std::uint32_t(std::min<std::size_t>(count, available));
    if (count == 0) failCodec("the bitmap has no palette");
    h.palette.resize(count);
    for (auto& c : h.palette) {
      const std::uint8_t* p = in.take(entry);
      c = {p[2], p[1], p[0]};
    }
  }
  if (h.pixelOffset >= size) failCodec("the bitmap has no pixels");
  return h;
}

int formatNumberOf(const BmpHeader& h) {
  if (h.bits > 8) return kBmp24;
  if (h.bits == 8) {
    bool gray = isGrayPalette(h.palette);
    if (h.compression == kRle8) return gray ? kBmp8GrayRle : kBmp8Rle;
    return gray ? kBmp8Gray : kBmp8;
  }
  return h.compression == kRle4 ? kBmp4Rle : kBmp4;
}

// Unpacks RLE8/RLE4 data into indices, rows bottom-up as stored. Pixels
// past a row's end are dropped (writers pad rows to whole words that way);
// a move below the picture, or data that ends before the last row, fails.
void decodeRle(ByteReader& in, const BmpHeader& h, std::vector<std::uint8_t>& indices) {
  const std::size_t w = std::size_t(h.width), rows = std::size_t(h.height);
  std::size_t x = 0, y = 0;
  const bool four = h.compression == kRle4;
  while (y < rows) {
    if (in.remaining() < 2) failCodec("the bitmap's RLE data is truncated");
    unsigned count = in.u8(), value = in.u8();
    std::uint8_t* d = &indices[y * w];
    if (count) {
      for (unsigned i = 0; i < count && x + i < w; ++i)
        d[x + i] = four ? std::uint8_t(i & 1 ? value & 15 : value >> 4) : std::uint8_t(value);
      x += count;
      continue;
    }
    if (value == 0) { x = 0; ++y; continue; }
    if (value == 1) return;
    if (value == 2) {
      std::size_t dx = in.u8(), dy = in.u8();
      if (dy > rows - y || (dy == rows - y && dx)) failCodec("bad bitmap RLE data: a move leaves the picture");
      x += dx;
      y += dy;
      continue;
    }
    std::size_t bytes = four ? (value + 1) / 2 : value;
    const std::uint8_t* p = in.take(bytes);
    for (unsigned i = 0; i < value && x + i < w; ++i) d[x + i] = four ? std::uint8_t(i & 1 ? p[i / 2] & 15 : p[i / 2] >> 4) : p[i];
    x += value;
    if (bytes & 1) in.skip(std::min<std::size_t>(1, in.remaining()));
  }
}

unsigned maskShift(std::uint32_t mask) { unsigned s = 0; while (mask && !(mask & 1)) { mask >>= 1; ++s; } return s; }
unsigned maskBits(std::uint32_t mask) { unsigned n = 0; mask >>= maskShift(mask); while (mask & 1) { mask >>= 1; ++n; } return n; }

std::uint8_t scaleField(std::uint32_t v, std::uint32_t mask) {
  unsigned shift = maskShift(mask), bits = maskBits(mask);
  if (!bits) return 0;
  std::uint32_t f = (v & mask) >> shift;
  if (bits >= 8) return std::uint8_t(f >> (bits - 8));
  std::uint32_t max = (1u << bits) - 1;
  return std::uint8_t((f * 255 + max / 2) / max);
}

}  // namespace

bool looksLikeBmp(const std::uint8_t* data, std::size_t size) {
  return size >= 2 && data[0] == 'B' && data[1] == 'M';
}

PictureInfo identifyBmp(const std::uint8_t* data, std::size_t size) {
  BmpHeader h = readHeader(data, size);
  return {formatNumberOf(h), int(std::min<std::int64_t>(h.width, INT32_MAX)), int(std::min<std::int64_t>(h.height < 0 ? -h.height : h.height, INT32_MAX))};
}

Picture decodeBmp(const std::uint8_t* data, std::size_t size, const DecodeLimits& limits) {
  BmpHeader h = readHeader(data, size);
  bool topDown = h.height < 0;
  std::int64_t height = topDown ? -h.height : h.height;
  checkDimensions(h.width, height, limits);
  const std::size_t w = std::size_t(h.width), rows = std::size_t(height);
  ByteReader in(data, size);
  in.seek(h.pixelOffset);
  if (h.compression == kRle8 || h.compression == kRle4) {
    std::vector<std::uint8_t> indices(w * rows);
    decodeRle(in, h, indices);
    Picture pic{int(w), int(rows)};
    for (std::size_t y = 0; y < rows; ++y)
      expandIndices(&indices[(rows - 1 - y) * w], w, h.palette, pic.row(int(y)));
    return pic;
  }
  const std::size_t stride = (w * h.bits + 31) / 32 * 4;
  if (stride * rows > in.remaining()) {
    // Allow the last row's padding to be missing, nothing more.
    if (stride * (rows - 1) + (w * h.bits + 7) / 8 > in.remaining()) failCodec("the bitmap's pixels are truncated");
  }
  Picture pic{int(w), int(rows)};
  std::vector<std::uint8_t> indices(h.bits <= 8 ? w : 0);
  std::uint32_t masks[3] = {h.masks[0], h.masks[1], h.masks[2]};
  if (h.compression != kBitFields) {
    if (h.bits == 16) { masks[0] = 0x7C00; masks[1] = 0x03E0; masks[2] = 0x001F; }
    if (h.bits == 32) { masks[0] = 0xFF0000; masks[1] = 0xFF00; masks[2] = 0xFF; }
  }
  for (std::size_t r = 0; r < rows; ++r) {
    const std::uint8_t* src = in.data() + h.pixelOffset + r * stride;
    std::uint8_t* dst = pic.row(int(topDown ? r : rows - 1 - r));
    switch (h.bits) {
      case 24:
        std::memcpy(dst, src, w * 3);
        break;
      case 32:
        if (h.compression != kBitFields) {
          for (std::size_t x = 0; x < w; ++x) { dst[3 * x] = src[4 * x]; dst[3 * x + 1] = src[4 * x + 1]; dst[3 * x + 2] = src[4 * x + 2]; }
          break;
        }
        [[fallthrough]];
      case 16:
        for (std::size_t x = 0; x < w; ++x) {
          std::uint32_t v = h.bits == 16 ? std::uint32_t(src[2 * x] | src[2 * x + 1] << 8)
                                         : std::uint32_t(src[4 * x]) | std::uint32_t(src[4 * x + 1]) << 8 |
                                               std::uint32_t(src[4 * x + 2]) << 16 | std::uint32_t(src[4 * x + 3]) << 24;
          dst[3 * x + 2] = scaleField(v, masks[0]);
          dst[3 * x + 1] = scaleField(v, masks[1]);
          dst[3 * x] = scaleField(v, masks[2]);
        }
        break;
      default: {
        unsigned perByte = 8 / h.bits, mask = (1u << h.bits) - 1;
        for (std::size_t x = 0; x < w; ++x) {
          unsigned shift = 8 - h.bits * (1 + x % perByte);
          indices[x] = std::uint8_t(src[x / perByte] >> shift & mask);
        }
        expandIndices(indices.data(), w, h.palette, dst);
      }
    }
  }
  return pic;
}

namespace {

void writeHeaders(ByteWriter& out, const Picture& pic, unsigned bits, std::uint32_t compression,
                  const std::vector<Rgb>& palette) {
  std::uint32_t offset = 14 + 40 + std::uint32_t(palette.size()) * 4;
  out.u16le(0x4D42);
  out.u32le(0);  // file size, patched at the end
  out.u32le(0);
  out.u32le(offset);
  out.u32le(40);
  out.u32le(std::uint32_t(pic.width));
  out.u32le(std::uint32_t(pic.height));
  out.u16le(1);
  out.u16le(bits);
  out.u32le(compression);
  out.u32le(0);  // image size, patched at the end
  out.u32le(2835);  // 72 dots per inch
  out.u32le(2835);
  out.u32le(std::uint32_t(palette.size()));
  out.u32le(0);
  for (const Rgb& c : palette) { out.u8(c[2]); out.u8(c[1]); out.u8(c[0]); out.u8(0); }
}

// RLE8 of one row: runs of two or more equal pixels as encoded runs,
// stretches of three or more differing pixels in absolute mode.
void encodeRle8Row(ByteWriter& out, const std::uint8_t* p, std::size_t w) {
  std::size_t x = 0;
  while (x < w) {
    std::size_t run = 1;
    while (x + run < w && run < 255 && p[x + run] == p[x]) ++run;
    if (run >= 2) { out.u8(unsigned(run)); out.u8(p[x]); x += run; continue; }
    // Literal stretch up to the next run of two equal pixels.
    std::size_t n = 1;
    while (x + n < w && n < 255 && !(x + n + 1 < w && p[x + n] == p[x + n + 1])) ++n;
    if (n < 3) {
      for (std::size_t i = 0; i < n; ++i) { out.u8(1); out.u8(p[x + i]); }
    } else {
      out.u8(0);
      out.u8(unsigned(n));
      out.bytes(p + x, n);
      if (n & 1) out.u8(0);
    }
    x += n;
  }
  out.u8(0);
  out.u8(0);
}

}  // namespace

void encodeBmp(const Picture& pic, const SaveOptions& options, std::vector<std::uint8_t>& bytes) {
  ByteWriter out(bytes);
  const std::size_t w = std::size_t(pic.width);
  if (options.bitsPerPixel == 24) {
    writeHeaders(out, pic, 24, kRgb, {});
    const std::size_t stride = (w * 3 + 3) & ~std::size_t(3);
    bytes.reserve(bytes.size() + stride * pic.height);
    for (int y = pic.height - 1; y >= 0; --y) {
      out.bytes(pic.row(y), w * 3);
      out.fill(0, stride - w * 3);
    }
  } else {
    bool four = options.bitsPerPixel == 4;
    IndexedPicture ip = options.gray && !four ? grayPicture(pic) : quantizePicture(pic, four ? 16 : 256);
    if (options.gray && four) {
      // Sixteen grey levels.
      ip.palette.resize(16);
      for (int i = 0; i < 16; ++i) ip.palette[i] = {std::uint8_t(i * 17), std::uint8_t(i * 17), std::uint8_t(i * 17)};
      IndexedPicture g = grayPicture(pic);
      for (std::size_t i = 0; i < g.indices.size(); ++i) ip.indices[i] = std::uint8_t((g.indices[i] + 8) / 17);
    }
    bool rle = options.rle && !four;
    writeHeaders(out, pic, four ? 4 : 8, rle ? kRle8 : kRgb, ip.palette);
    for (int y = pic.height - 1; y >= 0; --y) {
      const std::uint8_t* row = &ip.indices[std::size_t(y) * w];
      if (rle) {
        encodeRle8Row(out, row, w);
      } else if (four) {
        std::size_t start = out.size();
        for (std::size_t x = 0; x < w; x += 2) out.u8(unsigned(row[x] << 4 | (x + 1 < w ? row[x + 1] : 0)));
        out.fill(0, (4 - (out.size() - start) % 4) % 4);
      } else {
        out.bytes(row, w);
        out.fill(0, (4 - w % 4) % 4);
      }
    }
    if (rle) { out.u8(0); out.u8(1); }
  }
  out.patch32le(2, std::uint32_t(bytes.size()));
  std::uint32_t offset = std::uint32_t(bytes[10] | bytes[11] << 8 | bytes[12] << 16 | std::uint32_t(bytes[13]) << 24);
  out.patch32le(34, std::uint32_t(bytes.size()) - offset);
}

}  // namespace kx::codecs
