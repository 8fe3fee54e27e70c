// TIFF files: reads strip-organised pictures with 8-bit samples (interleaved
// or in separate planes), RGB (with or without extra samples), palette or grey
// (either polarity), uncompressed, LZW (with or without horizontal
// differencing) or PackBits, in either byte order; hands the other variants
// the platform's imaging component reads (Deflate or JPEG compression, tiles,
// 1- to 16-bit samples, CMYK) to it, once the header and the data's place in the file have been
// checked. Writes little-endian files, 24-bit RGB, 8-bit palette or 8-bit
// grey, uncompressed (8K strips) or LZW in strips of 4K, 8K or 16K bytes.
#include <algorithm>

#include "format_codecs.h"
#include "lzw.h"
#include "platform_decoder.h"

namespace kx::codecs {
namespace {

enum Tag : unsigned {
  kWidth = 256, kLength = 257, kBitsPerSample = 258, kCompression = 259, kPhotometric = 262,
  kStripOffsets = 273, kSamplesPerPixel = 277, kRowsPerStrip = 278, kStripByteCounts = 279,
  kXResolution = 282, kYResolution = 283, kPlanarConfig = 284, kResolutionUnit = 296,
  kPredictor = 317, kColorMap = 320, kTileWidth = 322, kTileLength = 323, kTileOffsets = 324,
  kTileByteCounts = 325,
};
enum Compression : unsigned {
  kNone = 1, kLzw = 5, kJpeg = 7, kAdobeDeflate = 8, kPackBits = 32773, kDeflate = 32946,
};
enum Photometric : unsigned {
  kWhiteIsZero = 0, kBlackIsZero = 1, kRgb = 2, kPalette = 3, kSeparated = 5, kYCbCr = 6,
};

class TiffReader {
 public:
  TiffReader(const std::uint8_t* data, std::size_t size) : in_(data, size) {
    std::uint16_t order = in_.u16le();
    if (order == 0x4949) big_ = false;
    else if (order == 0x4D4D) big_ = true;
    else failCodec("not a TIFF file");
    if (u16() != 42) failCodec("not a TIFF file");
  }
  std::uint16_t u16() { return big_ ? in_.u16be() : in_.u16le(); }
  std::uint32_t u32() { return big_ ? in_.u32be() : in_.u32le(); }
  ByteReader& in() { return in_; }

  // The values of one directory entry (integers of type BYTE, SHORT or LONG).
  std::vector<std::uint32_t> values(std::size_t entry, std::size_t maxCount) {
    in_.seek(entry + 2);
    unsigned type = u16();
    std::uint32_t count = u32();
    unsigned size = type == 1 ? 1 : type == 3 ? 2 : type == 4 ? 4 : 0;
    if (!size) failCodec("unsupported TIFF field type");
    if (count > maxCount) failCodec("a TIFF field is too long");
    if (std::uint64_t(count) * size > 4) in_.seek(u32());
    std::vector<std::uint32_t> out(count);
    for (auto& v : out) v = size == 1 ? in_.u8() : size == 2 ? u16() : u32();
    return out;
  }

 private:
  ByteReader in_;
  bool big_ = false;
};

struct TiffInfo {
  std::uint32_t width = 0, height = 0, compression = kNone, photometric = kBlackIsZero;
  std::uint32_t samples = 1, rowsPerStrip = 0xFFFFFFFF, planar = 1, predictor = 1;
  std::uint32_t tileWidth = 0, tileLength = 0;
  // Strip or tile offsets and byte counts, whichever the file is made of.
  std::vector<std::uint32_t> bits, offsets, counts, colorMap;
  bool tiled = false;
  unsigned bitsPerSample() const { return bits[0]; }
};

bool isGrey(const TiffInfo& t) { return t.photometric == kWhiteIsZero || t.photometric == kBlackIsZero; }

// What our own decoder reads: strips of 8-bit samples, interleaved or in
// separate planes, uncompressed, LZW or PackBits.
bool ownReaderCovers(const TiffInfo& t) {
  if (t.tiled || t.bitsPerSample() != 8 || (t.planar != 1 && t.planar != 2)) return false;
  if (t.compression != kNone && t.compression != kLzw && t.compression != kPackBits) return false;
  return (t.photometric == kRgb && t.samples >= 3 && t.samples <= 4) ||
         ((t.photometric == kPalette || isGrey(t)) && t.samples >= 1 && t.samples <= 2);
}

// The colour layouts and sample depths the platform's decoder reads.
bool platformLayout(const TiffInfo& t) {
  const unsigned bits = t.bitsPerSample();
  switch (t.photometric) {
    case kWhiteIsZero:
    case kBlackIsZero:
      return (t.samples == 1 && (bits == 1 || bits == 4 || bits == 8 || bits == 16)) || (t.samples == 2 && bits == 8);
    case kRgb: return (t.samples == 3 || t.samples == 4) && (bits == 8 || bits == 16);
    case kPalette: return t.samples == 1 && (bits == 1 || bits == 2 || bits == 4 || bits == 8);
    case kSeparated: return t.samples == 4 && (bits == 8 || bits == 16);
    case kYCbCr: return t.compression == kJpeg && t.planar == 1 && t.samples == 3 && bits == 8;
    default: return false;
  }
}

// The variant our own decoder leaves to the platform, for the message of a
// build without it.
std::string platformVariant(const TiffInfo& t) {
  if (t.compression == kDeflate || t.compression == kAdobeDeflate) return "Deflate compression";
  if (t.compression == kJpeg) return "JPEG compression";
  if (t.tiled) return "tiles";
  if (t.bitsPerSample() != 8) return std::to_string(t.bitsPerSample()) + "-bit samples";
  if (t.photometric == kSeparated) return "CMYK colours";
  return "this colour layout";
}

// Fails unless our decoder or the platform's reads the header's variant.
void checkVariant(const TiffInfo& t) {
  const unsigned c = t.compression;
  if (c != kNone && c != kLzw && c != kPackBits && c != kDeflate && c != kAdobeDeflate && c != kJpeg)
    failCodec("unsupported TIFF compression");
  const unsigned bits = t.bitsPerSample();
  for (auto b : t.bits)
    if (b != bits) failCodec("TIFF samples of different depths are not supported");
  if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16)
    failCodec("unsupported TIFF sample depth (" + std::to_string(bits) + " bits)");
  if (t.planar != 1 && t.planar != 2) failCodec("bad TIFF planar configuration");
  if (!ownReaderCovers(t) && !platformLayout(t)) failCodec("unsupported TIFF colour layout");
}

// Fails in a build without the platform's decoder when the file needs it.
void requireReader(const TiffInfo& t) {
  if (!ownReaderCovers(t) && !platformDecoderAvailable())
    failCodec("TIFF files with " + platformVariant(t) + " need the platform's imaging component");
}

TiffInfo readInfo(const std::uint8_t* data, std::size_t size, bool withData) {
  TiffReader r(data, size);
  r.in().seek(4);
  std::size_t ifd = r.u32();
  r.in().seek(ifd);
  unsigned entries = r.u16();
  TiffInfo t;
  bool haveWidth = false, haveHeight = false;
  for (unsigned i = 0; i < entries; ++i) {
    std::size_t at = ifd + 2 + std::size_t(i) * 12;
    r.in().seek(at);
    unsigned tag = r.u16();
    auto one = [&] {
      auto v = r.values(at, 4);
      if (v.empty()) failCodec("an empty TIFF field");
      return v[0];
    };
    switch (tag) {
      case kWidth: t.width = one(); haveWidth = true; break;
      case kLength: t.height = one(); haveHeight = true; break;
      case kBitsPerSample: t.bits = r.values(at, 16); break;
      case kCompression: t.compression = one(); break;
      case kPhotometric: t.photometric = one(); break;
      case kSamplesPerPixel: t.samples = one(); break;
      case kRowsPerStrip: t.rowsPerStrip = one(); break;
      case kPlanarConfig: t.planar = one(); break;
      case kPredictor: t.predictor = one(); break;
      case kTileWidth: t.tileWidth = one(); t.tiled = true; break;
      case kTileLength: t.tileLength = one(); break;
      case kStripOffsets:
      case kTileOffsets:
        if (withData) t.offsets = r.values(at, 1u << 20);
        break;
      case kStripByteCounts:
      case kTileByteCounts:
        if (withData) t.counts = r.values(at, 1u << 20);
        break;
      case kColorMap: if (withData) t.colorMap = r.values(at, 3 * 256); break;
      default: break;
    }
  }
  if (!haveWidth || !haveHeight || t.width == 0 || t.height == 0) failCodec("the TIFF file has no dimensions");
  if (t.samples == 0 || t.samples > 16) failCodec("bad TIFF samples per pixel");
  if (t.bits.empty()) t.bits.assign(t.samples, 1);
  checkVariant(t);
  return t;
}

int formatNumberOf(const TiffInfo& t) {
  bool lzw = t.compression == kLzw;
  if (t.photometric == kPalette) return lzw ? kTiff8Lzw : kTiff8;
  if (isGrey(t)) return lzw ? kTiff8GrayLzw : kTiff8Gray;
  return lzw ? kTiff24Lzw : kTiff24;
}

// The most plain bytes one stored byte of the compression can stand for
// (with a margin), to refuse files far too short for their picture.
std::uint64_t bestRatio(unsigned compression) {
  switch (compression) {
    case kNone: return 1;
    case kPackBits: return 64;
    case kLzw: return 3641;
    case kDeflate:
    case kAdobeDeflate: return 1032;
    default: return 4096;
  }
}

// Before the platform decodes a file: its tiles or strips must have a sound
// size, all be there and lie within the file, and hold enough data for the
// picture.
void checkPlatformData(const TiffInfo& t, std::size_t size, const DecodeLimits& limits) {
  const std::uint64_t w = t.width, h = t.height, spp = t.samples;
  std::uint64_t units;
  const char* unit = t.tiled ? "tile" : "strip";
  if (t.tiled) {
    const std::uint64_t tw = t.tileWidth, tl = t.tileLength;
    if (tw == 0 || tl == 0 || tw % 16 || tl % 16) failCodec("bad TIFF tile size (" + std::to_string(tw) + " x " + std::to_string(tl) + ")");
    if (tw > std::uint64_t(limits.maxWidth) + 15 || tl > std::uint64_t(limits.maxHeight) + 15 || tw * tl > limits.maxPixels)
      failCodec("the TIFF tiles are too large");
    units = ((w + tw - 1) / tw) * ((h + tl - 1) / tl);
  } else {
    const std::uint64_t perStrip = std::min<std::uint64_t>(std::max<std::uint32_t>(t.rowsPerStrip, 1), h);
    units = (h + perStrip - 1) / perStrip;
  }
  if (t.planar == 2) units *= spp;
  if (units > t.offsets.size() || units > t.counts.size())
    failCodec(std::string("the TIFF ") + unit + "s are missing");
  std::uint64_t stored = 0;
  for (std::size_t i = 0; i < units; ++i) {
    if (t.counts[i] == 0) failCodec(std::string("an empty TIFF ") + unit);
    if (t.offsets[i] > size || t.counts[i] > size - t.offsets[i])
      failCodec(std::string("a TIFF ") + unit + " lies outside the file");
    stored += t.counts[i];
  }
  const std::uint64_t plain = (w * spp * t.bitsPerSample() + 7) / 8 * h;
  if (stored * bestRatio(t.compression) < plain) failCodec("the TIFF data is too short for the picture");
}

// PackBits into out[0..outSize); returns the bytes written.
std::size_t unpackBits(const std::uint8_t* p, std::size_t n, std::uint8_t* out, std::size_t outSize) {
  std::size_t i = 0, o = 0;
  while (i < n && o < outSize) {
    int c = std::int8_t(p[i++]);
    if (c >= 0) {
      std::size_t count = std::min<std::size_t>({std::size_t(c) + 1, n - i, outSize - o});
      std::memcpy(out + o, p + i, count);
      i += std::size_t(c) + 1;
      o += count;
    } else if (c != -128) {
      if (i == n) break;
      std::size_t count = std::min<std::size_t>(std::size_t(1 - c), outSize - o);
      std::memset(out + o, p[i++], count);
      o += count;
    }
  }
  return o;
}

}  // namespace

bool looksLikeTiff(const std::uint8_t* data, std::size_t size) {
  return size >= 4 && ((data[0] == 'I' && data[1] == 'I' && data[2] == 42 && data[3] == 0) ||
                       (data[0] == 'M' && data[1] == 'M' && data[2] == 0 && data[3] == 42));
}

PictureInfo identifyTiff(const std::uint8_t* data, std::size_t size) {
  TiffInfo t = readInfo(data, size, false);
  // A file for the platform's decoder is answered for only when its data
  // would pass the checks a load makes before handing it over.
  if (!ownReaderCovers(t)) checkPlatformData(readInfo(data, size, true), size, DecodeLimits{});
  requireReader(t);
  return {formatNumberOf(t), int(std::min<std::uint32_t>(t.width, INT32_MAX)), int(std::min<std::uint32_t>(t.height, INT32_MAX))};
}

Picture decodeTiff(const std::uint8_t* data, std::size_t size, const DecodeLimits& limits) {
  TiffInfo t = readInfo(data, size, true);
  checkDimensions(t.width, t.height, limits);
  if (!ownReaderCovers(t)) {
    checkPlatformData(t, size, limits);
    requireReader(t);
    Picture pic = decodeOnPlatform(PlatformFormat::Tiff, data, size, limits);
    if (std::uint32_t(pic.width) != t.width || std::uint32_t(pic.height) != t.height)
      failCodec("the TIFF picture's size differs from its header");
    return pic;
  }
  if (t.offsets.empty() || t.counts.size() < t.offsets.size()) failCodec("the TIFF strips are missing");
  std::vector<Rgb> palette;
  if (t.photometric == kPalette) {
    if (t.colorMap.size() != 768) failCodec("the TIFF colour map is missing");
    palette.resize(256);
    auto level = [](std::uint32_t v) { return std::uint8_t((std::min<std::uint32_t>(v, 65535) * 255 + 32767) / 65535); };
    for (int i = 0; i < 256; ++i) palette[i] = {level(t.colorMap[i]), level(t.colorMap[256 + i]), level(t.colorMap[512 + i])};
  }
  // Interleaved samples come in one set of strips; separate planes in one
  // set per sample, each strip holding one sample of its rows' pixels.
  const std::size_t w = t.width, rows = t.height, spp = t.samples;
  const std::size_t planes = t.planar == 2 ? spp : 1, stripSpp = spp / planes, rowBytes = w * stripSpp;
  const std::size_t perStrip = std::min<std::size_t>(std::max<std::uint32_t>(t.rowsPerStrip, 1), rows);
  const std::size_t strips = (rows + perStrip - 1) / perStrip;
  if (t.offsets.size() < strips * planes) failCodec("the TIFF strips are missing");
  // The strips must be long enough to expand to the picture (by the best
  // ratio of their compression) before the whole of it is allocated.
  std::uint64_t stored = 0;
  for (std::size_t s = 0; s < strips * planes; ++s) stored += std::min<std::uint64_t>(t.counts[s], size);
  if (stored * bestRatio(t.compression) < std::uint64_t(w) * spp * rows) failCodec("the TIFF strips are too short for the picture");
  std::vector<std::uint8_t> plain(w * spp * rows, 0), plane(planes > 1 ? rowBytes * rows : 0);
  for (std::size_t p = 0; p < planes; ++p) {
    std::uint8_t* target = planes > 1 ? plane.data() : plain.data();
    for (std::size_t s = 0; s < strips; ++s) {
      const std::size_t unit = p * strips + s;
      std::size_t first = s * perStrip, count = std::min(perStrip, rows - first);
      std::uint8_t* dst = target + first * rowBytes;
      const std::size_t want = count * rowBytes;
      if (t.offsets[unit] > size || t.counts[unit] > size - t.offsets[unit]) failCodec("a TIFF strip lies outside the file");
      const std::uint8_t* src = data + t.offsets[unit];
      const std::size_t n = t.counts[unit];
      std::size_t got;
      if (t.compression == kLzw) got = lzwDecode(LzwDialect::Tiff, 8, src, n, dst, want);
      else if (t.compression == kPackBits) got = unpackBits(src, n, dst, want);
      else { got = std::min(n, want); std::memcpy(dst, src, got); }
      if (got < want) failCodec("a TIFF strip is truncated or damaged");
      if (t.predictor == 2)
        for (std::size_t r = 0; r < count; ++r) {
          std::uint8_t* q = dst + r * rowBytes;
          for (std::size_t i = stripSpp; i < rowBytes; ++i) q[i] = std::uint8_t(q[i] + q[i - stripSpp]);
        }
    }
    if (planes > 1)
      for (std::size_t i = 0; i < w * rows; ++i) plain[i * spp + p] = plane[i];
  }
  Picture pic{int(w), int(rows)};
  for (std::size_t y = 0; y < rows; ++y) {
    const std::uint8_t* s = plain.data() + y * w * spp;
    std::uint8_t* d = pic.row(int(y));
    if (t.photometric == kRgb) {
      for (std::size_t x = 0; x < w; ++x, s += spp, d += 3) { d[0] = s[2]; d[1] = s[1]; d[2] = s[0]; }
    } else if (t.photometric == kPalette) {
      for (std::size_t x = 0; x < w; ++x, s += spp, d += 3) { const Rgb& c = palette[*s]; d[0] = c[2]; d[1] = c[1]; d[2] = c[0]; }
    } else {
      const std::uint8_t flip = t.photometric == kWhiteIsZero ? 255 : 0;
      for (std::size_t x = 0; x < w; ++x, s += spp, d += 3) d[0] = d[1] = d[2] = std::uint8_t(*s ^ flip);
    }
  }
  return pic;
}

namespace {

struct Field {
  unsigned tag, type;
  std::uint32_t count;
  std::vector<std::uint32_t> values;  // or, for type 5, numerator/denominator pairs
};

}  // namespace

void encodeTiff(const Picture& pic, const SaveOptions& options, std::vector<std::uint8_t>& bytes) {
  ByteWriter out(bytes);
  const bool truecolor = options.bitsPerPixel == 24;
  const std::size_t w = std::size_t(pic.width), rows = std::size_t(pic.height);
  const std::size_t spp = truecolor ? 3 : 1, rowBytes = w * spp;
  const std::size_t stripBytes = options.lzw ? (std::size_t(4096) << options.tiffStripSize) : 8192;
  const std::size_t perStrip = std::max<std::size_t>(1, std::min(rows, stripBytes / rowBytes));
  const std::size_t strips = (rows + perStrip - 1) / perStrip;

  // The samples in file order.
  std::vector<std::uint8_t> samples(rowBytes * rows);
  IndexedPicture ip;
  if (truecolor) {
    for (std::size_t y = 0; y < rows; ++y) {
      const std::uint8_t* s = pic.row(int(y));
      std::uint8_t* d = &samples[y * rowBytes];
      for (std::size_t x = 0; x < w; ++x, s += 3, d += 3) { d[0] = s[2]; d[1] = s[1]; d[2] = s[0]; }
    }
  } else {
    ip = options.gray ? grayPicture(pic) : quantizePicture(pic, 256);
    samples = std::move(ip.indices);
  }

  out.bytes("II", 2);
  out.u16le(42);
  out.u32le(0);  // directory offset, patched below
  std::vector<std::uint32_t> offsets, counts;
  for (std::size_t s = 0; s < strips; ++s) {
    std::size_t first = s * perStrip, n = std::min(perStrip, rows - first) * rowBytes;
    offsets.push_back(std::uint32_t(out.size()));
    if (options.lzw) lzwEncode(LzwDialect::Tiff, 8, &samples[first * rowBytes], n, bytes);
    else out.bytes(&samples[first * rowBytes], n);
    counts.push_back(std::uint32_t(out.size() - offsets.back()));
    if (out.size() & 1) out.u8(0);
  }
  std::vector<Field> fields = {
      {kWidth, 4, 1, {std::uint32_t(w)}},
      {kLength, 4, 1, {std::uint32_t(rows)}},
      {kBitsPerSample, 3, std::uint32_t(spp), std::vector<std::uint32_t>(spp, 8)},
      {kCompression, 3, 1, {options.lzw ? kLzw : kNone}},
      {kPhotometric, 3, 1, {truecolor ? kRgb : options.gray ? kBlackIsZero : kPalette}},
      {kStripOffsets, 4, std::uint32_t(strips), offsets},
      {kSamplesPerPixel, 3, 1, {std::uint32_t(spp)}},
      {kRowsPerStrip, 4, 1, {std::uint32_t(perStrip)}},
      {kStripByteCounts, 4, std::uint32_t(strips), counts},
      {kXResolution, 5, 1, {72, 1}},
      {kYResolution, 5, 1, {72, 1}},
      {kPlanarConfig, 3, 1, {1}},
      {kResolutionUnit, 3, 1, {2}},
  };
  if (!truecolor && !options.gray) {
    std::vector<std::uint32_t> map(768, 0);
    for (std::size_t i = 0; i < ip.palette.size(); ++i)
      for (int c = 0; c < 3; ++c) map[c * 256 + i] = ip.palette[i][c] * 257u;
    fields.push_back({kColorMap, 3, 768, map});
  }
  // Values too long for their entry go before the directory.
  std::vector<std::uint32_t> valueOffsets(fields.size(), 0);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const Field& f = fields[i];
    unsigned unit = f.type == 3 ? 2 : f.type == 5 ? 8 : 4;
    if (std::uint64_t(f.count) * unit <= 4) continue;
    valueOffsets[i] = std::uint32_t(out.size());
    for (std::uint32_t v : f.values) {
      if (f.type == 3) out.u16le(v);
      else out.u32le(v);
    }
  }
  if (out.size() & 1) out.u8(0);
  out.patch32le(4, std::uint32_t(out.size()));
  out.u16le(unsigned(fields.size()));
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const Field& f = fields[i];
    out.u16le(f.tag);
    out.u16le(f.type);
    out.u32le(f.count);
    if (valueOffsets[i]) {
      out.u32le(valueOffsets[i]);
    } else if (f.type == 3) {
      out.u16le(f.values[0]);
      out.u16le(f.count > 1 ? f.values[1] : 0);
    } else {
      out.u32le(f.values[0]);
    }
  }
  out.u32le(0);  // no further directory
  if (bytes.size() > 0xFFFFFFF0u) failCodec("the picture is too large for a TIFF file");
}

}  // namespace kx::codecs
