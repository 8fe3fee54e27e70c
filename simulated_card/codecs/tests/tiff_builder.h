// Little-endian TIFF files made field by field, for the variants our encoder
// never writes (tiles, Deflate, 16-bit samples, separate planes) and for
// hostile versions of them: a test edits the fields or the stored data
// before the file is laid out.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "picture_codecs.h"

namespace kx::codecs::test {

struct TiffBuild {
  enum : unsigned {
    kWidth = 256, kLength = 257, kBits = 258, kCompression = 259, kPhotometric = 262, kStripOffsets = 273,
    kSamples = 277, kRowsPerStrip = 278, kStripCounts = 279, kPlanar = 284, kTileWidth = 322,
    kTileLength = 323, kTileOffsets = 324, kTileCounts = 325,
  };
  std::map<unsigned, std::vector<std::uint32_t>> fields;  // written as SHORT when every value fits
  std::vector<std::vector<std::uint8_t>> units;            // the strips or tiles, in file order
  bool tiled = false;

  // The file; offsets and byte counts follow the units unless a test set them.
  std::vector<std::uint8_t> bytes() const {
    std::vector<std::uint8_t> out = {'I', 'I', 42, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> offsets, counts;
    for (const auto& u : units) {
      offsets.push_back(std::uint32_t(out.size()));
      counts.push_back(std::uint32_t(u.size()));
      out.insert(out.end(), u.begin(), u.end());
      if (out.size() & 1) out.push_back(0);
    }
    std::map<unsigned, std::vector<std::uint32_t>> all = fields;
    all.emplace(tiled ? kTileOffsets : kStripOffsets, offsets);
    all.emplace(tiled ? kTileCounts : kStripCounts, counts);
    auto put16 = [&](std::vector<std::uint8_t>& v, std::uint32_t x) { v.push_back(std::uint8_t(x)); v.push_back(std::uint8_t(x >> 8)); };
    auto put32 = [&](std::vector<std::uint8_t>& v, std::uint32_t x) { put16(v, x & 0xFFFF); put16(v, x >> 16); };
    // Long values first, then the directory.
    std::map<unsigned, std::uint32_t> valueAt;
    for (const auto& [tag, values] : all) {
      const bool isShort = std::all_of(values.begin(), values.end(), [](std::uint32_t v) { return v <= 0xFFFF; }) &&
                           tag != kStripOffsets && tag != kTileOffsets;
      if (values.size() * (isShort ? 2 : 4) <= 4) continue;
      valueAt[tag] = std::uint32_t(out.size());
      for (std::uint32_t v : values) isShort ? put16(out, v) : put32(out, v);
    }
    if (out.size() & 1) out.push_back(0);
    const std::uint32_t directory = std::uint32_t(out.size());
    for (int i = 0; i < 4; ++i) out[4 + i] = std::uint8_t(directory >> (8 * i));
    put16(out, std::uint32_t(all.size()));
    for (const auto& [tag, values] : all) {
      const bool isShort = std::all_of(values.begin(), values.end(), [](std::uint32_t v) { return v <= 0xFFFF; }) &&
                           tag != kStripOffsets && tag != kTileOffsets;
      put16(out, tag);
      put16(out, isShort ? 3 : 4);
      put32(out, std::uint32_t(values.size()));
      if (valueAt.count(tag)) {
        put32(out, valueAt[tag]);
      } else if (isShort) {
        put16(out, values.empty() ? 0 : values[0]);
        put16(out, values.size() > 1 ? values[1] : 0);
      } else {
        put32(out, values.empty() ? 0 : values[0]);
      }
    }
    put32(out, 0);
    return out;
  }
};

// A zlib stream of stored (uncompressed) Deflate blocks: valid input for
// any Deflate decoder, made without a compressor.
inline std::vector<std::uint8_t> zlibStored(const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> out = {0x78, 0x01};
  std::size_t at = 0;
  do {
    const std::size_t n = std::min<std::size_t>(65535, data.size() - at);
    out.push_back(at + n == data.size() ? 1 : 0);
    out.push_back(std::uint8_t(n));
    out.push_back(std::uint8_t(n >> 8));
    out.push_back(std::uint8_t(~n));
    out.push_back(std::uint8_t(~n >> 8));
    out.insert(out.end(), data.begin() + std::ptrdiff_t(at), data.begin() + std::ptrdiff_t(at + n));
    at += n;
  } while (at < data.size());
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t c : data) { a = (a + c) % 65521; b = (b + a) % 65521; }
  const std::uint32_t adler = b << 16 | a;
  for (int i = 3; i >= 0; --i) out.push_back(std::uint8_t(adler >> (8 * i)));
  return out;
}

// What layout a picture is stored in.
struct TiffLayout {
  unsigned bits = 8;          // 8 or 16 per sample
  bool gray = false;          // one grey sample, else RGB
  unsigned tileSize = 0;      // square tiles of this size, else strips
  unsigned rowsPerStrip = 16;
  bool planes = false;        // separate planes (RGB only)
  bool deflate = false;       // Deflate (stored blocks), else uncompressed
};

// The picture's samples (grey: its blue channel) as a TIFF in that layout.
inline TiffBuild tiffOf(const Picture& p, const TiffLayout& l) {
  TiffBuild t;
  const unsigned spp = l.gray ? 1 : 3, bytes = l.bits / 8;
  t.tiled = l.tileSize != 0;
  t.fields[TiffBuild::kWidth] = {std::uint32_t(p.width)};
  t.fields[TiffBuild::kLength] = {std::uint32_t(p.height)};
  t.fields[TiffBuild::kBits] = std::vector<std::uint32_t>(spp, l.bits);
  t.fields[TiffBuild::kCompression] = {l.deflate ? 8u : 1u};
  t.fields[TiffBuild::kPhotometric] = {l.gray ? 1u : 2u};
  t.fields[TiffBuild::kSamples] = {spp};
  t.fields[TiffBuild::kPlanar] = {l.planes ? 2u : 1u};
  if (t.tiled) {
    t.fields[TiffBuild::kTileWidth] = {l.tileSize};
    t.fields[TiffBuild::kTileLength] = {l.tileSize};
  } else {
    t.fields[TiffBuild::kRowsPerStrip] = {l.rowsPerStrip};
  }
  const unsigned uw = t.tiled ? l.tileSize : unsigned(p.width), uh = t.tiled ? l.tileSize : l.rowsPerStrip;
  const unsigned planeCount = l.planes ? spp : 1, perPixel = l.planes ? 1 : spp;
  // RGB sample c of a pixel is channel 2 - c of its blue, green, red bytes.
  auto sample = [&](int x, int y, unsigned c) { return p.row(y)[3 * x + (l.gray ? 0 : 2 - c)]; };
  for (unsigned plane = 0; plane < planeCount; ++plane)
    for (unsigned y0 = 0; y0 < unsigned(p.height); y0 += uh)
      for (unsigned x0 = 0; x0 < unsigned(p.width); x0 += uw) {
        std::vector<std::uint8_t> u;
        const unsigned rows = t.tiled ? uh : std::min(uh, unsigned(p.height) - y0);
        for (unsigned y = y0; y < y0 + rows; ++y)
          for (unsigned x = x0; x < x0 + uw; ++x)
            for (unsigned c = 0; c < perPixel; ++c) {
              const bool inside = x < unsigned(p.width) && y < unsigned(p.height);
              const std::uint8_t v = inside ? sample(int(x), int(y), l.planes ? plane : c) : 0;
              if (bytes == 2) u.push_back(v);  // little-endian: low byte, then high
              u.push_back(v);
            }
        t.units.push_back(l.deflate ? zlibStored(u) : u);
      }
  return t;
}

}  // namespace kx::codecs::test
