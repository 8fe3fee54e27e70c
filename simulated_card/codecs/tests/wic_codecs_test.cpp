// The platform-backed parts under Windows: JPEG and the TIFF variants through
// the imaging component, the whole-file helpers, and (when
// KX_CODECS_PEER_DIR names a folder) the exchange of files with ImageMagick,
// which a host-side step between the two runs of the JpegPeer tests checks
// and adds to, and (when KX_CODECS_MAGICK_DIR names one) ImageMagick's TIFF
// files beside its own reading of them.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>

#include "picture_codecs.h"
#include "test_pictures.h"
#include "tiff_builder.h"

namespace kx::codecs {
namespace {

using test::encoded;
using test::gradientPicture;
using test::grayOfPicture;
using test::maxDifference;
using test::meanDifference;
using test::TiffBuild;
using test::TiffLayout;
using test::tiffOf;

// A smooth picture: JPEG's home ground, where a modest loss is expected.
Picture photoLikePicture(int w, int h) {
  Picture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t* px = p.row(y) + 3 * x;
      px[2] = std::uint8_t(x * 255 / (w - 1));
      px[1] = std::uint8_t(y * 255 / (h - 1));
      px[0] = std::uint8_t(128 + 100 * ((x / 40 + y / 40) % 2 ? 1 : -1) * (x % 40) / 40);
    }
  return p;
}

TEST(Jpeg, ColourAndGreyRoundTripThroughThePlatformCodec) {
  ASSERT_TRUE(canEncode(FileFormat::Jpeg));
  ASSERT_TRUE(canDecode(FileFormat::Jpeg));
  Picture source = photoLikePicture(161, 97);
  struct Case { const char* words; int number; bool gray; double tolerance; };
  const Case cases[] = {
      {"JPEG jpegopt 0 0 0 0", kJpeg, false, 4.0},
      {"jpeg jpegopt 1 40 20 0", kJpeg, false, 6.0},
      {"JPEG jpegopt 2 100 100 0", kJpeg, false, 20.0},
      {"JPEG gray jpegopt 0 0 0 0", kJpegGray, true, 4.0},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> bytes = encoded(source, c.words);
    PictureInfo info;
    ASSERT_TRUE(identifyPicture(bytes.data(), bytes.size(), info)) << c.words;
    EXPECT_EQ(info.formatNumber, c.number) << c.words;
    EXPECT_EQ(info.width, 161);
    EXPECT_EQ(info.height, 97);
    Picture back;
    Status s = decodePicture(bytes.data(), bytes.size(), back);
    ASSERT_TRUE(s) << c.words << ": " << s.error;
    EXPECT_LT(meanDifference(c.gray ? grayOfPicture(source) : source, back), c.tolerance) << c.words;
  }
}

TEST(Jpeg, CoarserFactorsMakeSmallerFiles) {
  Picture source = photoLikePicture(320, 240);
  std::size_t fine = encoded(source, "JPEG jpegopt 0 0 0 0").size();
  std::size_t coarse = encoded(source, "JPEG jpegopt 0 80 80 0").size();
  EXPECT_LT(coarse * 2, fine);
}

TEST(Jpeg, DamagedFilesFail) {
  std::vector<std::uint8_t> bytes = encoded(photoLikePicture(64, 64), "JPEG jpegopt 0 0 0 0");
  Picture p;
  for (std::size_t n : {std::size_t(3), std::size_t(20), bytes.size() / 8}) {
    Status s = decodePicture(bytes.data(), n, p);
    EXPECT_FALSE(s) << "cut at " << n;
  }
  std::vector<std::uint8_t> huge = bytes;
  // The frame header's height and width (after SOI and the JFIF segment).
  for (std::size_t i = 2; i + 9 < huge.size(); ++i)
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) { huge[i + 5] = huge[i + 6] = huge[i + 7] = huge[i + 8] = 0xFF; break; }
  EXPECT_FALSE(decodePicture(huge.data(), huge.size(), p, DecodeLimits{}));
}

TEST(Jpeg, MutatedFilesNeverCrashThePlatformDecoder) {
  // The platform decoder is not fuzzed natively; mutated files must still
  // come back as a picture or an error.
  std::vector<std::uint8_t> good = encoded(photoLikePicture(48, 40), "JPEG jpegopt 1 20 20 0");
  std::uint32_t seed = 2024;
  auto next = [&] { seed = seed * 1664525u + 1013904223u; return seed >> 8; };
  int failures = 0;
  for (int i = 0; i < 300; ++i) {
    std::vector<std::uint8_t> bad = good;
    for (int k = 0; k < 1 + i % 8; ++k) bad[2 + next() % (bad.size() - 2)] = std::uint8_t(next());
    if (i % 5 == 0) bad.resize(2 + next() % (bad.size() - 2));
    Picture p;
    Status s = decodePicture(bad.data(), bad.size(), p);
    if (!s) ++failures;
    else EXPECT_EQ(p.bgr.size(), std::size_t(p.width) * p.height * 3);
  }
  EXPECT_GT(failures, 0);
}

std::wstring tempFolder() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  std::wstring dir = std::wstring(base) + L"kxcodecs" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(dir.c_str(), nullptr);
  return dir;
}

TEST(Files, AtomicWriteReplacesWholeAndLeavesNoTemporaryFile) {
  std::wstring dir = tempFolder();
  std::wstring path = dir + L"\\picture.bmp";
  std::vector<std::uint8_t> first(1000, 1), second(70000, 2), back;
  ASSERT_TRUE(writeFileAtomically(path.c_str(), first.data(), first.size()));
  ASSERT_TRUE(writeFileAtomically(path.c_str(), second.data(), second.size()));
  ASSERT_TRUE(readFileBytes(path.c_str(), back));
  EXPECT_TRUE(back == second);
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW((dir + L"\\*.tmp").c_str(), &found);
  EXPECT_EQ(h, INVALID_HANDLE_VALUE) << "a temporary file was left behind";
  if (h != INVALID_HANDLE_VALUE) FindClose(h);

  // A target that cannot be replaced (a folder) fails and keeps nothing new.
  std::wstring folder = dir + L"\\sub";
  CreateDirectoryW(folder.c_str(), nullptr);
  EXPECT_FALSE(writeFileAtomically(folder.c_str(), first.data(), first.size()));
  h = FindFirstFileW((dir + L"\\*.tmp").c_str(), &found);
  EXPECT_EQ(h, INVALID_HANDLE_VALUE);
  if (h != INVALID_HANDLE_VALUE) FindClose(h);
  // A folder that does not exist fails with a message.
  Status s = writeFileAtomically((dir + L"\\missing\\x.bmp").c_str(), first.data(), first.size());
  EXPECT_FALSE(s);
  EXPECT_FALSE(s.error.empty());
  EXPECT_FALSE(readFileBytes((dir + L"\\missing.bmp").c_str(), back));
  RemoveDirectoryW(folder.c_str());
  DeleteFileW(path.c_str());
  RemoveDirectoryW(dir.c_str());
}

// --- Exchange with ImageMagick --------------------------------------------

std::string peerDir() {
  const char* dir = std::getenv("KX_CODECS_PEER_DIR");
  return dir ? dir : "";
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  ASSERT_TRUE(writeFileAtomically(path.c_str(), bytes.data(), bytes.size())) << path;
}

TEST(JpegPeer, WriteFilesForImageMagick) {
  std::string dir = peerDir();
  if (dir.empty()) GTEST_SKIP() << "KX_CODECS_PEER_DIR is not set";
  Picture source = photoLikePicture(320, 240);
  writeFile(dir + "/reference.bmp", encoded(source, "DIB 24-bit"));
  writeFile(dir + "/reference_gray.bmp", encoded(source, "DIB 8-bit gray"));
  writeFile(dir + "/ours_444_q0.jpg", encoded(source, "JPEG jpegopt 0 0 0 0"));
  writeFile(dir + "/ours_422_q20.jpg", encoded(source, "JPEG jpegopt 1 20 20 0"));
  writeFile(dir + "/ours_411_q50.jpg", encoded(source, "JPEG jpegopt 2 50 50 0"));
  writeFile(dir + "/ours_gray.jpg", encoded(source, "JPEG gray jpegopt 0 0 0 0"));
}

TEST(JpegPeer, ReadImageMagicksFiles) {
  std::string dir = peerDir();
  if (dir.empty()) GTEST_SKIP() << "KX_CODECS_PEER_DIR is not set";
  Picture source = photoLikePicture(320, 240);
  struct Case { const char* name; bool gray; int number; };
  for (Case c : {Case{"magick_420.jpg", false, kJpeg}, Case{"magick_444.jpg", false, kJpeg},
                 Case{"magick_progressive.jpg", false, kJpeg}, Case{"magick_gray.jpg", true, kJpegGray}}) {
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(readFileBytes((dir + "/" + c.name).c_str(), bytes)) << c.name;
    PictureInfo info;
    ASSERT_TRUE(identifyPicture(bytes.data(), bytes.size(), info)) << c.name;
    EXPECT_EQ(info.formatNumber, c.number) << c.name;
    Picture back;
    Status s = decodePicture(bytes.data(), bytes.size(), back);
    ASSERT_TRUE(s) << c.name << ": " << s.error;
    EXPECT_LT(meanDifference(c.gray ? grayOfPicture(source) : source, back), 4.0) << c.name;
  }
}

// --- TIFF through the imaging component ------------------------------------

TiffLayout deflateLayout(unsigned bits, unsigned tile) {
  TiffLayout l;
  l.bits = bits;
  l.tileSize = tile;
  l.rowsPerStrip = 8;
  l.deflate = true;
  return l;
}

TEST(TiffPlatform, CutOrDamagedDeflateStreamsFail) {
  const Picture source = gradientPicture(40, 30);
  for (const TiffLayout& l : {deflateLayout(8, 0), deflateLayout(16, 16)}) {
    SCOPED_TRACE(l.tileSize ? "tiles" : "strips");
    const TiffBuild sound = tiffOf(source, l);
    const std::vector<std::uint8_t> soundBytes = sound.bytes();
    Picture p;
    Status s = decodePicture(soundBytes.data(), soundBytes.size(), p);
    ASSERT_TRUE(s) << s.error;
    struct Damage { const char* name; void (*apply)(std::vector<std::uint8_t>&); };
    const Damage damages[] = {
        {"cut in half", [](std::vector<std::uint8_t>& u) { u.resize(u.size() / 2); }},
        {"cut before the checksum", [](std::vector<std::uint8_t>& u) { u.resize(u.size() - 40); }},
        {"only the zlib header", [](std::vector<std::uint8_t>& u) { u.resize(2); }},
        {"a block of the reserved type", [](std::vector<std::uint8_t>& u) { u[2] = 0x07; }},
        {"a stored block's length check broken", [](std::vector<std::uint8_t>& u) { u[5] ^= 0xFF; }},
        {"no zlib header", [](std::vector<std::uint8_t>& u) { u[0] = 0x12; u[1] = 0x34; }},
    };
    for (const Damage& d : damages) {
      for (std::size_t unit : {std::size_t(0), sound.units.size() - 1}) {
        SCOPED_TRACE(std::string(d.name) + " in unit " + std::to_string(unit));
        TiffBuild broken = sound;
        d.apply(broken.units[unit]);
        const std::vector<std::uint8_t> bytes = broken.bytes();
        s = decodePicture(bytes.data(), bytes.size(), p);
        EXPECT_FALSE(s);
        EXPECT_FALSE(s.error.empty());
      }
    }
  }
}

TEST(TiffPlatform, MutatedFilesNeverCrashThePlatformDecoder) {
  const Picture source = gradientPicture(37, 29);
  TiffLayout planes16;
  planes16.bits = 16;
  planes16.gray = true;
  for (const TiffLayout& l : {deflateLayout(16, 16), deflateLayout(8, 0), planes16}) {
    const std::vector<std::uint8_t> good = tiffOf(source, l).bytes();
    std::uint32_t seed = 1009 + l.bits + l.tileSize;
    auto next = [&] { seed = seed * 1664525u + 1013904223u; return seed >> 8; };
    int failures = 0, decoded = 0;
    for (int i = 0; i < 300; ++i) {
      std::vector<std::uint8_t> bad = good;
      // Mostly the directory and its values, at the end of the file.
      for (int k = 0; k < 1 + i % 6; ++k) {
        std::size_t at = i % 2 ? bad.size() - 1 - next() % std::min<std::size_t>(bad.size() - 8, 200) : 8 + next() % (bad.size() - 8);
        bad[at] = std::uint8_t(next());
      }
      if (i % 7 == 0) bad.resize(8 + next() % (bad.size() - 8));
      Picture p;
      Status s = decodePicture(bad.data(), bad.size(), p);
      if (!s) {
        ++failures;
        EXPECT_FALSE(s.error.empty());
      } else {
        ++decoded;
        EXPECT_EQ(p.bgr.size(), std::size_t(p.width) * p.height * 3);
      }
    }
    EXPECT_GT(failures, 0);
    EXPECT_GT(decoded, 0);
  }
}

std::string magickDir() {
  const char* dir = std::getenv("KX_CODECS_MAGICK_DIR");
  return dir ? dir : "";
}

TEST(MagickFiles, TiffVariantsReadAsImageMagickReadsThem) {
  const std::string dir = magickDir();
  if (dir.empty()) GTEST_SKIP() << "KX_CODECS_MAGICK_DIR is not set";
  struct Case { const char* name; int formatNumber; int width; int tolerance; };
  // Tolerances: 16-bit levels cut to 8 bits (the component takes the high
  // byte, ImageMagick rounds); CMYK converted by different code. (Wine's
  // component refuses JPEG-compressed TIFF pixels, so none is here.)
  const Case cases[] = {
      {"tiff_default_16bit.tif", kTiff24, 83, 1},   {"tiff_gray_16bit.tif", kTiff8Gray, 83, 1},
      {"tiff_zip.tif", kTiff24, 70, 0},             {"tiff_zip_predictor.tif", kTiff24, 70, 0},
      {"tiff_zip_gray.tif", kTiff8Gray, 70, 0},     {"tiff_zip_alpha.tif", kTiff24, 70, 0},
      {"tiff_tiles.tif", kTiff24, 70, 0},           {"tiff_tiles_lzw.tif", kTiff24Lzw, 70, 0},
      {"tiff_tiles_zip_16bit.tif", kTiff24, 83, 1}, {"tiff_cmyk.tif", kTiff24, 70, 1},
      {"tiff_palette_4bit.tif", kTiff8, 70, 0},     {"tiff_palette_2bit.tif", kTiff8, 70, 0},
      {"tiff_bilevel.tif", kTiff8Gray, 70, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::uint8_t> bytes, reference;
    ASSERT_TRUE(readFileBytes((dir + "/" + c.name).c_str(), bytes));
    ASSERT_TRUE(readFileBytes((dir + "/" + c.name + ".bmp").c_str(), reference));
    PictureInfo info;
    Status s = identifyPicture(bytes.data(), bytes.size(), info);
    ASSERT_TRUE(s) << s.error;
    EXPECT_EQ(info.formatNumber, c.formatNumber);
    EXPECT_EQ(info.width, c.width);
    Picture ours, theirs;
    s = decodePicture(bytes.data(), bytes.size(), ours);
    ASSERT_TRUE(s) << s.error;
    ASSERT_TRUE(decodePicture(reference.data(), reference.size(), theirs));
    EXPECT_LE(maxDifference(theirs, ours), c.tolerance);
  }
}

}  // namespace
}  // namespace kx::codecs
