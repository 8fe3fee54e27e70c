// Writes the fuzzers' seed files: small pictures in every written variant,
// and TIFF files in the layouts left to the platform's decoder (whose checks
// run natively too), one folder per format and one folder "all" for the
// public entry points.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "../tests/tiff_builder.h"
#include "picture_codecs.h"

using namespace kx::codecs;
namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: kxcodecs_fuzz_seeds FOLDER\n";
    return 2;
  }
  // A fresh set each run; what a fuzzer adds lives until the next run.
  const fs::path root = argv[1];
  fs::remove_all(root);
  struct Variant { const char* folder; const char* words; };
  const Variant variants[] = {
      {"bmp", "DIB 24-bit"}, {"bmp", "DIB 8-bit"}, {"bmp", "DIB 8-bit gray rle"}, {"bmp", "DIB 8-bit rle"},
      {"bmp", "DIB 4-bit"}, {"targa", "Targa 32-bit"}, {"targa", "Targa 16-bit rle"}, {"targa", "Targa 24-bit rle"},
      {"mmotion", "IBM MMotion"}, {"tiff", "TIFF 24-bit"}, {"tiff", "TIFF 8-bit lzw tiffopt 0"},
      {"tiff", "TIFF 8-bit gray lzw tiffopt 1"}, {"pcx", "PCX 24-bit"}, {"pcx", "PCX 8-bit"},
      {"gif", "GIF 8-bit"}, {"gif", "GIF 4-bit"}, {"jpeg", "JPEG jpegopt 1 30 30 0"}, {"jpeg", "JPEG gray jpegopt 0 0 0 0"},
  };
  Picture picture(13, 7);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      std::uint8_t* p = picture.row(y) + 3 * x;
      p[0] = std::uint8_t(x * 19);
      p[1] = std::uint8_t(y * 36);
      p[2] = std::uint8_t((x / 4 + y / 2) * 40);
    }
  int n = 0;
  auto write = [&](const char* format, const std::vector<std::uint8_t>& bytes) {
    for (const fs::path& folder : {root / format, root / "all"}) {
      fs::create_directories(folder);
      std::ofstream(folder / ("seed" + std::to_string(n) + ".bin"), std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    ++n;
  };
  for (const Variant& v : variants) {
    SaveOptions options;
    std::vector<std::uint8_t> bytes;
    if (!parseTypeWords(v.words, options) || !encodePicture(picture, options, bytes)) {
      std::cerr << "cannot encode " << v.words << "\n";
      return 1;
    }
    write(v.folder, bytes);
  }
  test::TiffLayout tiles, deflate, wide, planes;
  tiles.tileSize = 16;
  deflate.deflate = true;
  deflate.rowsPerStrip = 4;
  wide.bits = 16;
  wide.gray = true;
  wide.tileSize = 16;
  wide.deflate = true;
  planes.planes = true;
  for (const test::TiffLayout& layout : {tiles, deflate, wide, planes}) write("tiff", test::tiffOf(picture, layout).bytes());
  return 0;
}
