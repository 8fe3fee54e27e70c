// The TIFF variants beyond our encoder's: separate planes (our own reader),
// and those our reader leaves to the platform's imaging component (tiles,
// Deflate, 16-bit samples), read exactly where the component is there and
// refused with a message naming the variant where it is not; and hostile
// versions of them refused by the checks that run before the component sees
// the file, in every build.
#include <gtest/gtest.h>

#include <string>

#include "platform_decoder.h"
#include "test_pictures.h"
#include "tiff_builder.h"

namespace kx::codecs {
namespace {

using test::gradientPicture;
using test::grayOfPicture;
using test::maxDifference;
using test::TiffBuild;
using test::TiffLayout;
using test::tiffOf;

struct Case {
  const char* name;
  TiffLayout layout;
  int formatNumber;
  const char* variant;  // as a build without the component names it; none: our own reader's
};

TiffLayout layout(unsigned bits, bool gray, unsigned tile, bool planes, bool deflate) {
  TiffLayout l;
  l.bits = bits;
  l.gray = gray;
  l.tileSize = tile;
  l.planes = planes;
  l.deflate = deflate;
  return l;
}

const Case kCases[] = {
    {"tiles of 16", layout(8, false, 16, false, false), kTiff24, "tiles"},
    {"grey tiles of 32", layout(8, true, 32, false, false), kTiff8Gray, "tiles"},
    {"Deflate strips", layout(8, false, 0, false, true), kTiff24, "Deflate compression"},
    {"16-bit RGB", layout(16, false, 0, false, false), kTiff24, "16-bit samples"},
    {"16-bit grey, Deflate", layout(16, true, 0, false, true), kTiff8Gray, "Deflate compression"},
    {"separate planes", layout(8, false, 0, true, false), kTiff24, nullptr},
    {"separate grey planes", layout(8, true, 0, true, false), kTiff8Gray, nullptr},
    {"16-bit tiles, Deflate", layout(16, false, 32, false, true), kTiff24, "Deflate compression"},
};

Status decodeBytes(const std::vector<std::uint8_t>& bytes, Picture& p) {
  return decodePicture(bytes.data(), bytes.size(), p);
}

TEST(TiffVariants, ReadExactlyWhereThePlatformDecodesAndNamedWhereNot) {
  const Picture colour = gradientPicture(45, 37);  // tiles and strips cut off at both edges
  const Picture gray = grayOfPicture(colour);
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const Picture& source = c.layout.gray ? gray : colour;
    std::vector<std::uint8_t> bytes = tiffOf(source, c.layout).bytes();
    PictureInfo info;
    Status identified = identifyPicture(bytes.data(), bytes.size(), info);
    Picture back;
    Status decoded = decodeBytes(bytes, back);
    if (platformDecoderAvailable() || !c.variant) {
      ASSERT_TRUE(identified) << identified.error;
      EXPECT_EQ(info.formatNumber, c.formatNumber);
      EXPECT_EQ(info.width, 45);
      EXPECT_EQ(info.height, 37);
      ASSERT_TRUE(decoded) << decoded.error;
      EXPECT_EQ(maxDifference(source, back), 0);
    } else {
      EXPECT_FALSE(decoded);
      EXPECT_FALSE(identified);
      EXPECT_NE(decoded.error.find(c.variant), std::string::npos) << decoded.error;
      EXPECT_NE(decoded.error.find("imaging component"), std::string::npos) << decoded.error;
    }
  }
}

// A sound file, then the same file with one thing broken.
struct Hostile {
  const char* name;
  TiffLayout layout;
  void (*breakIt)(TiffBuild&, std::vector<std::uint8_t>& bytes);
  const char* error;  // part of the message
};

void setField(TiffBuild& t, unsigned tag, std::vector<std::uint32_t> v) { t.fields[tag] = std::move(v); }

const Hostile kHostile[] = {
    {"tile width 0", layout(8, false, 16, false, false),
     [](TiffBuild& t, std::vector<std::uint8_t>&) { setField(t, TiffBuild::kTileWidth, {0}); }, "bad TIFF tile size"},
    {"tile length 0", layout(8, false, 16, false, false),
     [](TiffBuild& t, std::vector<std::uint8_t>&) { setField(t, TiffBuild::kTileLength, {0}); }, "bad TIFF tile size"},
    {"tile width 24", layout(8, false, 16, false, false),
     [](TiffBuild& t, std::vector<std::uint8_t>&) { setField(t, TiffBuild::kTileWidth, {24}); }, "bad TIFF tile size"},
    {"huge tiles", layout(8, false, 16, false, false),
     [](TiffBuild& t, std::vector<std::uint8_t>&) {
       setField(t, TiffBuild::kTileWidth, {0x100000});
       setField(t, TiffBuild::kTileLength, {0x100000});
     },
     "tiles are too large"},
    {"tiles wider than the limit allows in all", layout(8, false, 16, false, false),
     [](TiffBuild& t, std::vector<std::uint8_t>&) {
       setField(t, TiffBuild::kTileWidth, {16384});
       setField(t, TiffBuild::kTileLength, {16384});
     },
     "tiles are too large"},
    {"a tile missing", layout(8, false, 16, false, false),
     [](TiffBuild& t, std::vector<std::uint8_t>&) { t.units.pop_back(); }, "tiles are missing"},
    {"a tile offset past the end", layout(8, false, 16, false, true),
     [](TiffBuild& t, std::vector<std::uint8_t>&) {
       std::vector<std::uint32_t> offsets(t.units.size(), 8);
       offsets.back() = 0x7FFFFFF0;
       setField(t, TiffBuild::kTileOffsets, offsets);
       setField(t, TiffBuild::kTileCounts, std::vector<std::uint32_t>(t.units.size(), 16));
     },
     "lies outside the file"},
    {"a tile byte count past the end", layout(8, false, 16, false, true),
     [](TiffBuild& t, std::vector<std::uint8_t>&) {
       std::vector<std::uint32_t> counts;
       for (const auto& u : t.units) counts.push_back(std::uint32_t(u.size()));
       counts[1] = 0xFFFFFF00u;
       setField(t, TiffBuild::kTileCounts, counts);
     },
     "lies outside the file"},
    {"an empty tile", layout(8, false, 16, false, false),
     [](TiffBuild& t, std::vector<std::uint8_t>&) { t.units[2].clear(); }, "an empty TIFF tile"},
    {"0 bits a sample", layout(8, false, 0, false, true),
     [](TiffBuild& t, std::vector<std::uint8_t>&) { setField(t, TiffBuild::kBits, {0, 0, 0}); }, "sample depth (0 bits)"},
    {"3 bits a sample", layout(8, false, 16, false, false),
     [](TiffBuild& t, std::vector<std::uint8_t>&) { setField(t, TiffBuild::kBits, {3, 3, 3}); }, "sample depth (3 bits)"},
    {"32 bits a sample", layout(16, false, 0, false, false),
     [](TiffBuild& t, std::vector<std::uint8_t>&) { setField(t, TiffBuild::kBits, {32, 32, 32}); }, "sample depth (32 bits)"},
    {"mixed depths", layout(16, false, 0, false, false),
     [](TiffBuild& t, std::vector<std::uint8_t>&) { setField(t, TiffBuild::kBits, {16, 8, 16}); }, "different depths"},
    {"16-bit palette", layout(16, true, 0, false, false),
     [](TiffBuild& t, std::vector<std::uint8_t>&) { setField(t, TiffBuild::kPhotometric, {3}); }, "colour layout"},
    {"planar configuration 3", layout(8, false, 0, true, false),
     [](TiffBuild& t, std::vector<std::uint8_t>&) { setField(t, TiffBuild::kPlanar, {3}); }, "planar configuration"},
    {"Deflate data too short for the picture", layout(8, false, 0, false, true),
     [](TiffBuild& t, std::vector<std::uint8_t>&) {
       setField(t, TiffBuild::kRowsPerStrip, {1u << 16});
       setField(t, TiffBuild::kLength, {4000});
       setField(t, TiffBuild::kWidth, {4000});
       t.units.resize(1);
       t.units[0].resize(16);
     },
     "too short for the picture"},
};

TEST(TiffVariants, HostileLayoutsFailWithTheirOwnMessageBeforeThePlatformSeesThem) {
  const Picture source = gradientPicture(45, 37);
  for (const Hostile& h : kHostile) {
    SCOPED_TRACE(h.name);
    TiffBuild build = tiffOf(h.layout.gray ? grayOfPicture(source) : source, h.layout);
    std::vector<std::uint8_t> sound = build.bytes(), broken;
    h.breakIt(build, broken);
    broken = build.bytes();
    Picture p;
    Status s = decodeBytes(sound, p);
    // The sound file reads, or fails only for want of the component.
    if (platformDecoderAvailable() || h.layout.planes) EXPECT_TRUE(s) << s.error;
    else EXPECT_NE(s.error.find("imaging component"), std::string::npos) << s.error;
    s = decodeBytes(broken, p);
    EXPECT_FALSE(s);
    EXPECT_NE(s.error.find(h.error), std::string::npos) << s.error;
  }
}

TEST(TiffVariants, EveryTruncationFailsCleanlyOrDecodes) {
  const Picture source = gradientPicture(21, 19);
  for (const TiffLayout& l : {layout(16, false, 16, false, true), layout(8, true, 0, true, true)}) {
    std::vector<std::uint8_t> bytes = tiffOf(source, l).bytes();
    for (std::size_t n = 0; n < bytes.size(); n += 7) {
      Picture p;
      Status s = decodePicture(bytes.data(), n, p);
      EXPECT_FALSE(s) << "cut at " << n;
    }
  }
}

}  // namespace
}  // namespace kx::codecs
