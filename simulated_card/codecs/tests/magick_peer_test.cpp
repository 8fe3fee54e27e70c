// ImageMagick as a real peer (host build): it must read every variant the
// codecs write, with the size, compression and pixels meant, and the codecs
// must read ImageMagick's own files of each format as ImageMagick does.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "picture_codecs.h"
#include "test_pictures.h"

namespace kx::codecs {
namespace {

using test::blockPicture;
using test::gradientPicture;
using test::grayOfPicture;
using test::maxDifference;

const char* const kMagick = "/usr/bin";

class MagickPeer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    char pattern[] = "/tmp/kxcodecs_peer_XXXXXX";
    dir_ = mkdtemp(pattern) ? pattern : "";
  }
  static void TearDownTestSuite() {
    if (!dir_.empty()) std::system(("rm -rf '" + dir_ + "'").c_str());
  }
  void SetUp() override {
    ASSERT_FALSE(dir_.empty());
    ASSERT_EQ(access((std::string(kMagick) + "/convert").c_str(), X_OK), 0) << "ImageMagick is missing";
  }

  static std::string path(const std::string& name) { return dir_ + "/" + name; }

  // Runs an ImageMagick tool and returns its standard output.
  static std::string magick(const std::string& args) {
    std::string command = std::string(kMagick) + "/" + args + " 2>&1";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    int status = pclose(pipe);
    EXPECT_EQ(status, 0) << command << "\n" << out;
    return out;
  }

  static void writeBytes(const std::string& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  static std::vector<std::uint8_t> readBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  static void writePpm(const std::string& file, const Picture& p) {
    std::ofstream out(file, std::ios::binary);
    out << "P6\n" << p.width << " " << p.height << "\n255\n";
    for (std::size_t i = 0; i < p.bgr.size(); i += 3) {
      const char rgb[3] = {char(p.bgr[i + 2]), char(p.bgr[i + 1]), char(p.bgr[i])};
      out.write(rgb, 3);
    }
  }

  // ImageMagick's reading of a file, as 8-bit RGB, turned upright by the
  // orientation the file declares (ImageMagick keeps Targa rows as stored).
  static Picture magickPixels(const std::string& file) {
    std::string ppm = file + ".ppm";
    magick("convert '" + file + "[0]' -auto-orient -depth 8 -type TrueColor 'ppm:" + ppm + "'");
    std::vector<std::uint8_t> bytes = readBytes(ppm);
    Picture p;
    int w = 0, h = 0, max = 0, used = 0;
    if (std::sscanf(reinterpret_cast<const char*>(bytes.data()), "P6 %d %d %d%n", &w, &h, &max, &used) != 3) return p;
    std::size_t start = std::size_t(used) + 1;
    if (max != 255 || bytes.size() < start + std::size_t(w) * h * 3) return p;
    p = Picture(w, h);
    for (std::size_t i = 0; i < p.bgr.size(); i += 3) {
      p.bgr[i + 2] = bytes[start + i];
      p.bgr[i + 1] = bytes[start + i + 1];
      p.bgr[i] = bytes[start + i + 2];
    }
    return p;
  }

  static std::string dir_;
};
std::string MagickPeer::dir_;

struct Written {
  const char* words;
  const char* extension;
  const char* compression;  // as ImageMagick names it (it names none for PCX)
  int tolerance;            // largest channel difference allowed
  bool gray;
  bool fewColours;
};

TEST_F(MagickPeer, ReadsEveryVariantTheCodecsWrite) {
  const Written cases[] = {
      {"DIB 24-bit", "bmp", "None", 0, false, false},
      {"DIB 8-bit", "bmp", "None", 0, false, true},
      {"DIB 8-bit gray", "bmp", "None", 0, true, false},
      {"DIB 8-bit rle", "bmp", "RLE", 0, false, true},
      {"DIB 8-bit gray rle", "bmp", "RLE", 0, true, false},
      {"DIB 4-bit", "bmp", "None", 0, false, true},
      {"Targa 32-bit", "tga", "None", 0, false, false},
      {"Targa 24-bit", "tga", "None", 0, false, false},
      {"Targa 16-bit", "tga", "None", 8, false, false},
      {"Targa 32-bit rle", "tga", "RLE", 0, false, false},
      {"Targa 24-bit rle", "tga", "RLE", 0, false, false},
      {"Targa 16-bit rle", "tga", "RLE", 8, false, false},
      {"TIFF 24-bit", "tif", "None", 0, false, false},
      {"TIFF 8-bit", "tif", "None", 0, false, true},
      {"TIFF 8-bit gray", "tif", "None", 0, true, false},
      {"TIFF 24-bit lzw tiffopt 0", "tif", "LZW", 0, false, false},
      {"TIFF 8-bit lzw tiffopt 1", "tif", "LZW", 0, false, true},
      {"TIFF 8-bit gray lzw tiffopt 2", "tif", "LZW", 0, true, false},
      {"PCX 24-bit", "pcx", "Undefined", 0, false, false},
      {"PCX 8-bit", "pcx", "Undefined", 0, false, true},
      {"PCX 8-bit gray", "pcx", "Undefined", 0, true, false},
      {"GIF 8-bit", "gif", "LZW", 0, false, true},
      {"GIF 8-bit gray", "gif", "LZW", 0, true, false},
      {"GIF 4-bit", "gif", "LZW", 0, false, true},
  };
  int n = 0;
  for (const Written& c : cases) {
    SCOPED_TRACE(c.words);
    SaveOptions o;
    ASSERT_TRUE(parseTypeWords(c.words, o));
    Picture source = c.fewColours ? blockPicture(97, 61, o.bitsPerPixel == 4 ? 16 : 200) : gradientPicture(97, 61);
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(encodePicture(source, o, bytes));
    std::string file = path("ours" + std::to_string(n++) + "." + c.extension);
    writeBytes(file, bytes);
    std::string info = magick("identify -format '%w %h %C' '" + file + "'");
    EXPECT_EQ(info, std::string("97 61 ") + c.compression);
    Picture seen = magickPixels(file);
    EXPECT_LE(maxDifference(c.gray ? grayOfPicture(source) : source, seen), c.tolerance);
  }
}

TEST_F(MagickPeer, ReadsImageMagicksFilesOfEachFormat) {
  struct Made {
    const char* options;  // ImageMagick options and output prefix
    const char* extension;
    int formatNumber;
    int tolerance = 0;  // 16-bit colour maps round to 8 bits either way
  };
  const Made cases[] = {
      {"-type TrueColor bmp3:", "bmp", kBmp24},
      {"-type TrueColor bmp:", "bmp", kBmp24},
      {"-type Palette -compress None bmp3:", "bmp", kBmp8},
      {"-type Palette bmp3:", "bmp", kBmp8Rle},
      {"-colorspace Gray -type Palette -compress None bmp3:", "bmp", kBmp8Gray},
      {"-colorspace Gray -type Palette bmp3:", "bmp", kBmp8GrayRle},
      {"-colors 16 -type Palette bmp3:", "bmp", kBmp4},
      // ImageMagick's default BMP: a version 5 header, with bit-field masks
      // for 16-bit and alpha pixels and a palette (and RLE) for few colours.
      {"-type Palette bmp:", "bmp", kBmp8Rle},
      {"-colors 16 -type Palette bmp:", "bmp", kBmp4},
      {"-define bmp:subtype=RGB565 bmp:", "bmp", kBmp24, 1},  // 5- and 6-bit levels scaled, rounded either way
      {"-define bmp:subtype=ARGB4444 bmp:", "bmp", kBmp24},
      {"-alpha set bmp:", "bmp", kBmp24},
      {"-compress None", "tga", kTga24},
      {"-compress RLE", "tga", kTga24Rle},
      {"-alpha set -compress None", "tga", kTga32},
      {"-type Grayscale -compress None", "tga", kTga24},
      {"-type Palette -compress None", "tga", kTga24},
      {"-orient TopLeft -compress None", "tga", kTga24},
      {"-orient TopLeft -compress RLE", "tga", kTga24Rle},
      {"-orient TopLeft -alpha set -compress RLE", "tga", kTga32Rle},
      {"-compress None", "tif", kTiff24},
      {"-compress LZW", "tif", kTiff24Lzw},
      {"-compress LZW -define tiff:predictor=2", "tif", kTiff24Lzw},
      {"-compress RLE", "tif", kTiff24},
      {"-compress LZW -type Palette", "tif", kTiff8Lzw, 1},
      {"-compress LZW -type Grayscale", "tif", kTiff8GrayLzw},
      {"-compress None -endian MSB", "tif", kTiff24},
      {"-compress None -interlace Plane", "tif", kTiff24},
      {"-compress LZW -interlace Plane -define tiff:predictor=2", "tif", kTiff24Lzw},
      {"-compress RLE -interlace Plane -type Grayscale", "tif", kTiff8Gray},
      {"", "pcx", kPcx24},
      {"-type Palette", "pcx", kPcx8},
      {"-colors 200", "pcx", kPcx8},
      {"-type Grayscale", "pcx", kPcx24},  // ImageMagick writes grey as three planes
      {"", "gif", kGif8},
      {"-type Grayscale", "gif", kGif8Gray},
      {"-interlace GIF", "gif", kGif8},
      {"-interlace GIF -colors 16", "gif", kGif4},
      {"-interlace GIF -type Grayscale", "gif", kGif8Gray},
      {"-colors 16", "pcx", kPcx8},
      {"-colors 16", "gif", kGif4},
  };
  Picture source = gradientPicture(101, 67);
  std::string ppm = path("source.ppm");
  writePpm(ppm, source);
  int n = 0;
  for (const Made& c : cases) {
    SCOPED_TRACE(std::string(c.options) + " " + c.extension);
    std::string options = c.options, prefix;
    if (!options.empty() && options.back() == ':') {
      prefix = options.substr(options.rfind(' ') + 1);
      options.erase(options.rfind(' ') + 1);
    }
    std::string file = path("magick" + std::to_string(n++) + "." + c.extension);
    magick("convert '" + ppm + "' " + options + " '" + prefix + file + "'");
    std::vector<std::uint8_t> bytes = readBytes(file);
    ASSERT_FALSE(bytes.empty());
    PictureInfo info;
    Status s = identifyPicture(bytes.data(), bytes.size(), info);
    ASSERT_TRUE(s) << s.error;
    EXPECT_EQ(info.formatNumber, c.formatNumber);
    EXPECT_EQ(info.width, 101);
    EXPECT_EQ(info.height, 67);
    Picture ours;
    s = decodePicture(bytes.data(), bytes.size(), ours);
    ASSERT_TRUE(s) << s.error;
    EXPECT_LE(maxDifference(magickPixels(file), ours), c.tolerance);
  }
}

// The same BMP with the version 4 header (the version 5 header without its
// last 16 bytes: colour profile and intent).
std::vector<std::uint8_t> withV4Header(const std::vector<std::uint8_t>& v5) {
  std::vector<std::uint8_t> out(v5);
  if (out.size() < 14 + 124 || out[14] != 124) return {};
  out.erase(out.begin() + 14 + 108, out.begin() + 14 + 124);
  auto put32 = [&](std::size_t at, std::uint32_t v) { for (int i = 0; i < 4; ++i) out[at + i] = std::uint8_t(v >> (8 * i)); };
  auto get32 = [&](std::size_t at) { return std::uint32_t(out[at] | out[at + 1] << 8 | out[at + 2] << 16 | std::uint32_t(out[at + 3]) << 24); };
  put32(2, std::uint32_t(out.size()));
  put32(10, get32(10) - 16);
  put32(14, 108);
  return out;
}

// The same uncompressed BMP stored top-down: negative height, rows reversed.
std::vector<std::uint8_t> topDown(const std::vector<std::uint8_t>& bmp) {
  std::vector<std::uint8_t> out(bmp);
  auto get32 = [&](std::size_t at) { return std::uint32_t(out[at] | out[at + 1] << 8 | out[at + 2] << 16 | std::uint32_t(out[at + 3]) << 24); };
  const std::uint32_t offset = get32(10), width = get32(18), height = get32(22);
  const unsigned bits = out[28] | out[29] << 8;
  const std::size_t stride = (std::size_t(width) * bits + 31) / 32 * 4;
  if (get32(30) != 0 && get32(30) != 3) return {};  // compressed rows cannot be reversed
  if (offset + stride * height > out.size()) return {};
  for (std::uint32_t y = 0; y < height; ++y)
    std::memcpy(&out[offset + stride * y], &bmp[offset + stride * (height - 1 - y)], stride);
  const std::uint32_t negative = std::uint32_t(-std::int32_t(height));
  for (int i = 0; i < 4; ++i) out[22 + i] = std::uint8_t(negative >> (8 * i));
  return out;
}

TEST_F(MagickPeer, ReadsVersion4AndTopDownBitmapsAsImageMagickDoes) {
  Picture source = gradientPicture(101, 67);
  std::string ppm = path("rows.ppm");
  writePpm(ppm, source);
  struct Made { const char* options; int formatNumber; int tolerance = 0; };
  const Made cases[] = {
      {"-type TrueColor", kBmp24},
      {"-alpha set", kBmp24},
      {"-define bmp:subtype=RGB565", kBmp24, 1},
      {"-colors 200 -type Palette -compress None", kBmp8},
      {"-colors 16 -type Palette", kBmp4},
  };
  int n = 0;
  for (const Made& c : cases) {
    std::string file = path("v5_" + std::to_string(n++) + ".bmp");
    magick("convert '" + ppm + "' " + c.options + " 'bmp:" + file + "'");
    const std::vector<std::uint8_t> v5 = readBytes(file);
    struct Kind { const char* name; std::vector<std::uint8_t> bytes; };
    for (const Kind& k : {Kind{"version 4", withV4Header(v5)}, Kind{"top-down", topDown(v5)},
                          Kind{"version 4, top-down", topDown(withV4Header(v5))}}) {
      SCOPED_TRACE(std::string(c.options) + ", " + k.name);
      ASSERT_FALSE(k.bytes.empty()) << "ImageMagick wrote an unexpected header";
      std::string variant = file + "." + std::to_string(std::strlen(k.name)) + ".bmp";
      writeBytes(variant, k.bytes);
      PictureInfo info;
      Status s = identifyPicture(k.bytes.data(), k.bytes.size(), info);
      ASSERT_TRUE(s) << s.error;
      EXPECT_EQ(info.formatNumber, c.formatNumber);
      EXPECT_EQ(info.width, 101);
      EXPECT_EQ(info.height, 67);
      Picture ours;
      s = decodePicture(k.bytes.data(), k.bytes.size(), ours);
      ASSERT_TRUE(s) << s.error;
      EXPECT_LE(maxDifference(magickPixels(variant), ours), c.tolerance);
    }
  }
}

TEST_F(MagickPeer, TiffVariantsLeftToThePlatformAreRefusedWithTheReason) {
  // ImageMagick's TIFF from a 16-bit PNG: 16-bit samples, Deflate.
  std::string png = path("deep.png");
  magick("convert -size 64x48 -depth 16 gradient:red-blue '" + png + "'");
  struct Made { const char* options; const char* reason; };
  const Made cases[] = {
      {"", "Deflate compression"},
      {"-compress None", "16-bit samples"},
      {"-depth 8 -compress None -define tiff:tile-geometry=32x32", "tiles"},
  };
  int n = 0;
  for (const Made& c : cases) {
    SCOPED_TRACE(c.options);
    std::string file = path("deep" + std::to_string(n++) + ".tif");
    magick("convert '" + png + "' " + c.options + " '" + file + "'");
    std::vector<std::uint8_t> bytes = readBytes(file);
    Picture p;
    Status s = decodePicture(bytes.data(), bytes.size(), p);
    ASSERT_FALSE(s);
    EXPECT_NE(s.error.find(c.reason), std::string::npos) << s.error;
    EXPECT_NE(s.error.find("imaging component"), std::string::npos) << s.error;
  }
}

}  // namespace
}  // namespace kx::codecs
