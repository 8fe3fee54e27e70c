// Every written variant read back (format number, size, pixels), the readers'
// handling of damaged and hostile files, and the shared pieces (LZW, palette
// reduction, YUV).
#include <gtest/gtest.h>

#include <random>

#include "codec_support.h"
#include "lzw.h"
#include "test_pictures.h"

namespace kx::codecs {
namespace {

using test::blockPicture;
using test::encoded;
using test::gradientPicture;
using test::grayOfPicture;
using test::maxDifference;
using test::meanDifference;

Picture decoded(const std::vector<std::uint8_t>& bytes, const char* what) {
  Picture p;
  Status s = decodePicture(bytes.data(), bytes.size(), p);
  EXPECT_TRUE(s) << what << ": " << s.error;
  return p;
}

// Lossless variants, variants exact through a palette for few colours, grey
// variants exact against the picture's grey levels, and the lossy ones.
enum class Fidelity { Exact, FewColours, Gray, Bits555, Yuv411 };
struct Variant {
  const char* words;
  Fidelity fidelity;
};
const Variant kVariants[] = {
    {"DIB 24-bit", Fidelity::Exact},         {"DIB 8-bit", Fidelity::FewColours},
    {"DIB 8-bit gray", Fidelity::Gray},      {"DIB 8-bit rle", Fidelity::FewColours},
    {"DIB 8-bit gray rle", Fidelity::Gray},  {"DIB 4-bit", Fidelity::FewColours},
    {"Targa 32-bit", Fidelity::Exact},       {"Targa 24-bit", Fidelity::Exact},
    {"Targa 16-bit", Fidelity::Bits555},     {"Targa 32-bit rle", Fidelity::Exact},
    {"Targa 24-bit rle", Fidelity::Exact},   {"Targa 16-bit rle", Fidelity::Bits555},
    {"TIFF 24-bit", Fidelity::Exact},        {"TIFF 8-bit", Fidelity::FewColours},
    {"TIFF 8-bit gray", Fidelity::Gray},     {"TIFF 24-bit lzw tiffopt 0", Fidelity::Exact},
    {"TIFF 24-bit lzw tiffopt 1", Fidelity::Exact}, {"TIFF 24-bit lzw tiffopt 2", Fidelity::Exact},
    {"TIFF 8-bit lzw tiffopt 1", Fidelity::FewColours}, {"TIFF 8-bit gray lzw tiffopt 2", Fidelity::Gray},
    {"IBM MMotion", Fidelity::Yuv411},       {"PCX 8-bit", Fidelity::FewColours},
    {"PCX 8-bit gray", Fidelity::Gray},      {"PCX 24-bit", Fidelity::Exact},
    {"GIF 8-bit", Fidelity::FewColours},     {"GIF 8-bit gray", Fidelity::Gray},
    {"GIF 4-bit", Fidelity::FewColours},
};

class RoundTrip : public ::testing::TestWithParam<Variant> {};

TEST_P(RoundTrip, ReadsBackWhatItWrote) {
  const Variant& v = GetParam();
  SaveOptions o;
  ASSERT_TRUE(parseTypeWords(v.words, o));
  // Odd widths exercise row padding and partial groups; a tall picture spans strips.
  const int sizes[][2] = {{1, 1}, {3, 2}, {5, 7}, {37, 300}, {130, 61}};
  for (const auto& size : sizes) {
    SCOPED_TRACE(std::to_string(size[0]) + " x " + std::to_string(size[1]));
    int colours = o.bitsPerPixel == 4 ? 16 : 200;
    Picture source = v.fidelity == Fidelity::FewColours ? blockPicture(size[0], size[1], colours)
                                                        : gradientPicture(size[0], size[1]);
    std::vector<std::uint8_t> bytes = encoded(source, v.words);
    PictureInfo info;
    ASSERT_TRUE(identifyPicture(bytes.data(), bytes.size(), info));
    EXPECT_EQ(info.formatNumber, formatNumberOf(o));
    EXPECT_EQ(info.width, size[0]);
    EXPECT_EQ(info.height, size[1]);
    Picture back = decoded(bytes, v.words);
    switch (v.fidelity) {
      case Fidelity::Exact:
      case Fidelity::FewColours: EXPECT_EQ(maxDifference(source, back), 0); break;
      case Fidelity::Gray: EXPECT_EQ(maxDifference(grayOfPicture(source), back), 0); break;
      case Fidelity::Bits555: EXPECT_LE(maxDifference(source, back), 8); break;
      case Fidelity::Yuv411:
        // Luma is kept per pixel, chroma per four pixels (which, in a picture
        // a few pixels wide with extreme colours, clamps and so moves luma).
        if (size[0] >= 8) {
          EXPECT_LE(meanDifference(grayOfPicture(source), grayOfPicture(back)), 3.0);
        }
        break;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllVariants, RoundTrip, ::testing::ValuesIn(kVariants));

TEST(Palettized, ManyColoursComeCloseThroughMedianCut) {
  Picture source(160, 120);
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 160; ++x) {
      std::uint8_t* px = source.row(y) + 3 * x;
      px[2] = std::uint8_t(x * 255 / 159);
      px[1] = std::uint8_t(y * 2);
      px[0] = std::uint8_t((px[2] + px[1]) / 2);
    }
  for (const char* words : {"DIB 8-bit", "TIFF 8-bit lzw tiffopt 0", "PCX 8-bit", "GIF 8-bit"}) {
    Picture back = decoded(encoded(source, words), words);
    EXPECT_LT(meanDifference(source, back), 4.0) << words;
    EXPECT_LE(maxDifference(source, back), 40) << words;
  }
}

TEST(Compression, RunLengthAndLzwShrinkFlatPictures) {
  // Stripes of four colours, 64 pixels wide.
  Picture flat(256, 256);
  for (std::size_t i = 0; i < flat.bgr.size(); ++i) flat.bgr[i] = std::uint8_t((i / 3 % 256) / 64 * 60 + i % 3);
  for (auto pair : {std::pair{"DIB 8-bit", "DIB 8-bit rle"}, std::pair{"Targa 24-bit", "Targa 24-bit rle"},
                    std::pair{"TIFF 24-bit", "TIFF 24-bit lzw tiffopt 0"}}) {
    EXPECT_LT(encoded(flat, pair.second).size() * 4, encoded(flat, pair.first).size()) << pair.second;
  }
}

TEST(Tiff, StripSizeFollowsTheOption) {
  // 1000 pixels of RGB make 3000-byte rows: 4K strips hold 1 row, 8K 2, 16K 5.
  Picture p = gradientPicture(1000, 12);
  const int expectedRows[] = {1, 2, 5};
  for (int option = 0; option < 3; ++option) {
    std::string words = "TIFF 24-bit lzw tiffopt " + std::to_string(option);
    std::vector<std::uint8_t> bytes = encoded(p, words.c_str());
    // Find RowsPerStrip (tag 278, a LONG) in the directory.
    std::size_t ifd = bytes[4] | bytes[5] << 8 | bytes[6] << 16 | std::size_t(bytes[7]) << 24;
    unsigned entries = bytes[ifd] | bytes[ifd + 1] << 8;
    int rows = -1;
    for (unsigned i = 0; i < entries; ++i) {
      const std::uint8_t* e = &bytes[ifd + 2 + 12 * i];
      if ((e[0] | e[1] << 8) == 278) rows = e[8] | e[9] << 8;
    }
    EXPECT_EQ(rows, expectedRows[option]) << words;
  }
}

TEST(Pcx, ReadsBitPlanesWithTheHeaderPalette) {
  // 8 x 2 pixels, 1-bit pixels in two planes (four colours), not compressed.
  std::vector<std::uint8_t> pcx(128, 0);
  pcx[0] = 0x0A; pcx[1] = 5; pcx[2] = 0; pcx[3] = 1;
  pcx[8] = 7; pcx[10] = 1;                    // right and bottom edges
  const std::uint8_t palette[12] = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};
  std::copy(std::begin(palette), std::end(palette), pcx.begin() + 16);
  pcx[65] = 2; pcx[66] = 2;                   // two planes of two bytes a line
  // Row 0: indices 0 1 2 3 0 1 2 3; row 1: all 3.
  for (std::uint8_t b : {0x55, 0x00, 0x33, 0x00, 0xFF, 0x00, 0xFF, 0x00}) pcx.push_back(b);
  PictureInfo info;
  ASSERT_TRUE(identifyPicture(pcx.data(), pcx.size(), info));
  EXPECT_EQ(info.formatNumber, kPcx8);
  EXPECT_EQ(info.width, 8);
  EXPECT_EQ(info.height, 2);
  Picture p;
  ASSERT_TRUE(decodePicture(pcx.data(), pcx.size(), p));
  const std::uint8_t blue[3] = {255, 0, 0}, red[3] = {0, 0, 255}, green[3] = {0, 255, 0};
  EXPECT_EQ(std::memcmp(p.row(0) + 3 * 1, red, 3), 0);
  EXPECT_EQ(std::memcmp(p.row(0) + 3 * 6, green, 3), 0);
  EXPECT_EQ(std::memcmp(p.row(0) + 3 * 7, blue, 3), 0);
  EXPECT_EQ(std::memcmp(p.row(1) + 3 * 0, blue, 3), 0);
  EXPECT_EQ(p.row(0)[0] | p.row(0)[1] | p.row(0)[2], 0);
}

TEST(Lzw, BothDialectsRoundTripDataThatFillsTheTable) {
  std::mt19937 random(7);
  std::vector<std::uint8_t> noise(300000), runs(300000);
  for (auto& b : noise) b = std::uint8_t(random());
  for (std::size_t i = 0; i < runs.size(); ++i) runs[i] = std::uint8_t((i / 1000) * 13 + (i % 7 == 0));
  for (LzwDialect dialect : {LzwDialect::Tiff, LzwDialect::Gif}) {
    for (const auto* data : {&noise, &runs}) {
      std::vector<std::uint8_t> packed;
      lzwEncode(dialect, 8, data->data(), data->size(), packed);
      std::vector<std::uint8_t> back(data->size() + 10, 0xEE);
      std::size_t n = lzwDecode(dialect, 8, packed.data(), packed.size(), back.data(), back.size());
      ASSERT_EQ(n, data->size());
      back.resize(n);
      EXPECT_TRUE(back == *data);
    }
  }
  // Small symbol sizes of GIF.
  std::vector<std::uint8_t> four(5000);
  for (auto& b : four) b = std::uint8_t(random() & 3);
  std::vector<std::uint8_t> packed;
  lzwEncode(LzwDialect::Gif, 2, four.data(), four.size(), packed);
  std::vector<std::uint8_t> back(four.size());
  EXPECT_EQ(lzwDecode(LzwDialect::Gif, 2, packed.data(), packed.size(), back.data(), back.size()), four.size());
  EXPECT_TRUE(back == four);
}

TEST(Lzw, ACodeBeyondTheTableFails) {
  // Clear (256), 'A' (65), then 300: past the next free code 258.
  const std::uint8_t data[] = {0x80, 0x10, 0x65, 0x80};
  std::uint8_t out[16];
  EXPECT_THROW(lzwDecode(LzwDialect::Tiff, 8, data, sizeof data, out, sizeof out), CodecFailure);
}

TEST(Yuv, TheCardsConversionRoundTripsWithinThree) {
  int worst = 0;
  for (int r = 0; r < 256; r += 5)
    for (int g = 0; g < 256; g += 5)
      for (int b = 0; b < 256; b += 5) {
        Yuv yuv = yuvFromRgb(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
        Rgb rgb = rgbFromYuv(yuv[0], yuv[1], yuv[2]);
        worst = std::max({worst, std::abs(rgb[0] - r), std::abs(rgb[1] - g), std::abs(rgb[2] - b)});
      }
  EXPECT_LE(worst, 3);
  // U and V are signed bytes, truncated towards zero.
  EXPECT_EQ(yuvFromRgb(255, 255, 255), (Yuv{254, 0, 0}));
  EXPECT_EQ(yuvFromRgb(0, 0, 255), (Yuv{28, 127, std::uint8_t(-19)}));   // V = -28 * 127 / 179 = -19.8
  EXPECT_EQ(yuvFromRgb(255, 0, 0), (Yuv{75, std::uint8_t(-42), 127}));   // U = -75 * 127 / 226 = -42.1
}

// --- Damaged and hostile files -------------------------------------------

TEST(Damaged, EveryTruncationOfEveryVariantFailsCleanlyOrDecodes) {
  Picture source = gradientPicture(23, 17);
  for (const Variant& v : kVariants) {
    std::vector<std::uint8_t> bytes = encoded(source, v.words);
    int failures = 0;
    for (std::size_t n = 0; n < bytes.size(); ++n) {
      Picture p;
      Status s = decodePicture(bytes.data(), n, p);
      if (!s) {
        ++failures;
        EXPECT_FALSE(s.error.empty());
      } else {
        EXPECT_EQ(p.bgr.size(), std::size_t(p.width) * p.height * 3);
      }
      PictureInfo info;
      (void)identifyPicture(bytes.data(), n, info);
    }
    // A file cut inside its header can never decode.
    EXPECT_GE(failures, 12) << v.words;
    Picture p;
    EXPECT_FALSE(decodePicture(bytes.data(), 8, p)) << v.words;
  }
}

TEST(Damaged, HugeDimensionsFailBeforeAllocating) {
  Picture small = gradientPicture(4, 4);
  // A bitmap that claims 100000 x 100000 pixels.
  std::vector<std::uint8_t> bmp = encoded(small, "DIB 24-bit");
  for (int i = 0; i < 4; ++i) { bmp[18 + i] = std::uint8_t(100000 >> (8 * i)); bmp[22 + i] = std::uint8_t(100000 >> (8 * i)); }
  Picture p;
  Status s = decodePicture(bmp.data(), bmp.size(), p);
  EXPECT_FALSE(s);
  EXPECT_NE(s.error.find("too large"), std::string::npos) << s.error;

  // A GIF claiming 65535 x 65535 with almost no data.
  std::vector<std::uint8_t> gif = encoded(small, "GIF 8-bit");
  for (std::size_t at : {6u}) { gif[at] = gif[at + 1] = gif[at + 2] = gif[at + 3] = 0xFF; }
  EXPECT_FALSE(decodePicture(gif.data(), gif.size(), p));

  // The limits are the caller's.
  DecodeLimits tight;
  tight.maxWidth = 3;
  std::vector<std::uint8_t> tga = encoded(small, "Targa 24-bit");
  EXPECT_FALSE(decodePicture(tga.data(), tga.size(), p, tight));
  EXPECT_TRUE(decodePicture(tga.data(), tga.size(), p));
}

TEST(Damaged, BadRunLengthDataNeverWritesOutsideThePicture) {
  Picture source = blockPicture(16, 16, 3);
  std::vector<std::uint8_t> bmp = encoded(source, "DIB 8-bit rle");
  std::size_t offset = bmp[10] | bmp[11] << 8;
  // A move past the picture, an absolute run longer than the data, data
  // that stops before the last row, and runs far past every row's end.
  std::vector<std::uint8_t> overruns;
  for (int i = 0; i < 40; ++i) overruns.insert(overruns.end(), {255, 1, 255, 2});
  const std::vector<std::uint8_t> hostile[] = {{0, 2, 200, 200, 0, 1}, {0, 250, 1, 2}, {4, 1, 0, 0}, overruns};
  Picture p;
  for (const auto& codes : hostile) {
    std::vector<std::uint8_t> bad(bmp.begin(), bmp.begin() + std::ptrdiff_t(offset));
    bad.insert(bad.end(), codes.begin(), codes.end());
    Status s = decodePicture(bad.data(), bad.size(), p);
    EXPECT_FALSE(s) << "RLE codes starting " << int(codes[0]) << " " << int(codes[1]);
  }
  // A move inside the picture, a run padding the row past its end and an
  // early end are fine: the pixels beyond are dropped, the rest is index 0.
  std::vector<std::uint8_t> good(bmp.begin(), bmp.begin() + std::ptrdiff_t(offset));
  for (std::uint8_t c : {0, 2, 3, 4, 20, 1, 0, 0, 2, 2, 0, 1}) good.push_back(c);
  ASSERT_TRUE(decodePicture(good.data(), good.size(), p));
  EXPECT_EQ(p.row(16 - 5)[3 * 3], p.row(16 - 5)[3 * 15]) << "the run fills its row to the end";
  EXPECT_NE(p.row(16 - 5)[3 * 3], p.row(16 - 5)[3 * 2]);

  // Targa packets that promise more pixels than the file holds.
  std::vector<std::uint8_t> tga = encoded(source, "Targa 24-bit rle");
  tga.resize(18 + 4);
  tga[18] = 0x7F;  // 128 raw pixels follow, but only 3 bytes do
  EXPECT_FALSE(decodePicture(tga.data(), tga.size(), p));
}

TEST(Damaged, TargaColourMapOfAnUnusableEntrySizeIsSkipped) {
  // A true-colour picture carrying a colour map of 0-bit entries, which
  // only a colour-mapped picture would read.
  std::vector<std::uint8_t> tga = encoded(gradientPicture(2, 2), "Targa 24-bit");
  tga[1] = 1;   // has a colour map
  tga[5] = 4;   // of four entries
  tga[7] = 0;   // of 0 bits each
  Picture p;
  ASSERT_TRUE(decodePicture(tga.data(), tga.size(), p));
  EXPECT_EQ(maxDifference(gradientPicture(2, 2), p), 0);
  tga[2] = 1;   // colour-mapped: now the entry size matters
  tga[16] = 8;
  EXPECT_FALSE(decodePicture(tga.data(), tga.size(), p));
}

TEST(Damaged, BadLzwDataInTiffAndGifFails) {
  Picture source = gradientPicture(40, 40);
  std::vector<std::uint8_t> tif = encoded(source, "TIFF 24-bit lzw tiffopt 0");
  // The first strip starts at byte 8; codes of all ones refer past the table.
  for (int i = 10; i < 40; ++i) tif[i] = 0xFF;
  Picture p;
  Status s = decodePicture(tif.data(), tif.size(), p);
  EXPECT_FALSE(s);

  std::vector<std::uint8_t> gif = encoded(source, "GIF 8-bit");
  std::size_t data = 6 + 7 + 768 + 10 + 1;  // header, screen, table, descriptor, code size
  ASSERT_LT(data + 40, gif.size());
  for (std::size_t i = data + 3; i < data + 40; ++i) gif[i] = 0xFF;
  EXPECT_FALSE(decodePicture(gif.data(), gif.size(), p));
}

TEST(Damaged, UnknownContentIsNotSupported) {
  const std::uint8_t text[] = "hello, this is not a picture at all";
  Picture p;
  PictureInfo info;
  EXPECT_FALSE(decodePicture(text, sizeof text, p));
  EXPECT_FALSE(identifyPicture(text, sizeof text, info));
  EXPECT_FALSE(decodePicture(nullptr, 0, p));
}

TEST(Encode, RefusesAnInconsistentPictureOrOptions) {
  Picture p = gradientPicture(4, 4);
  p.bgr.pop_back();
  SaveOptions o;
  std::vector<std::uint8_t> out{1, 2, 3};
  EXPECT_FALSE(encodePicture(p, o, out));
  EXPECT_EQ(out.size(), 3u) << "a failed encode leaves the output alone";
  Picture good = gradientPicture(4, 4);
  o.format = FileFormat::Targa;
  o.bitsPerPixel = 8;
  EXPECT_FALSE(encodePicture(good, o, out));
}

}  // namespace
}  // namespace kx::codecs
