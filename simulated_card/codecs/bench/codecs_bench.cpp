// Benchmark of the codecs against ImageMagick, in one run on one picture:
// decoding and encoding a 1920 x 1080 picture as Windows bitmap, Targa and
// PCX. It prints the times and the ratios (ImageMagick's time / ours: above
// 1 means the codecs are faster) and asserts nothing.
//
// ImageMagick runs as a process, so its times come from runs that repeat
// the operation N times in one process, less the same run doing it once
// (decode) or not at all (encode), divided by the extra count:
//   decode = (time(convert FILE x N null:) - time(convert FILE null:)) / (N - 1)
//   encode = (time(convert SOURCE -write FILE x N null:) - time(convert SOURCE null:)) / N
// each time the best of several runs; start-up and the reading of the source
// drop out. The codecs' times include reading or writing the file, like
// ImageMagick's.
//
// Build without sanitizers for real figures:
//   cmake -S . -B build/bench -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release
//   cmake --build build/bench --target kxcodecs_bench && build/bench/bin/kxcodecs_bench
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "picture_codecs.h"

using namespace kx::codecs;
using Clock = std::chrono::steady_clock;

namespace {

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

constexpr int kRuns = 9;
const std::string kMagick = "/usr/bin/convert";

// A photo-like picture: smooth gradients with a little texture.
Picture benchmarkPicture() {
  Picture p(1920, 1080);
  std::uint32_t noise = 12345;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      noise = noise * 1103515245u + 12345u;
      int n = int(noise >> 29);
      std::uint8_t* px = p.row(y) + 3 * x;
      px[2] = std::uint8_t(std::min(255, x * 255 / 1919 + n));
      px[1] = std::uint8_t(std::min(255, y * 255 / 1079 + n));
      px[0] = std::uint8_t(std::min(255, (x + y) / 12 + n));
    }
  return p;
}

template <typename F>
double bestSeconds(F run) {
  double best = 1e30;
  for (int i = 0; i < kRuns; ++i) {
    auto start = Clock::now();
    run();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

double magickSeconds(const std::string& args) {
  std::string command = kMagick + " " + args + " >/dev/null 2>&1";
  return bestSeconds([&] {
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "failed: %s\n", command.c_str());
  });
}

std::vector<std::uint8_t> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  std::vector<std::uint8_t> bytes(std::size_t(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
  return bytes;
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void writePpm(const std::string& path, const Picture& p) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << p.width << " " << p.height << "\n255\n";
  std::vector<char> rgb(p.bgr.size());
  for (std::size_t i = 0; i < p.bgr.size(); i += 3) {
    rgb[i] = char(p.bgr[i + 2]);
    rgb[i + 1] = char(p.bgr[i + 1]);
    rgb[i + 2] = char(p.bgr[i]);
  }
  out.write(rgb.data(), std::streamsize(rgb.size()));
}

}  // namespace

int main() {
  if (kSanitized) std::printf("note: built with sanitizers; build without them for real figures\n");
  if (access(kMagick.c_str(), X_OK) != 0) {
    std::printf("ImageMagick (%s) is missing\n", kMagick.c_str());
    return 1;
  }
  char pattern[] = "/tmp/kxcodecs_bench_XXXXXX";
  if (!mkdtemp(pattern)) return 1;
  const std::string dir = pattern;
  const Picture picture = benchmarkPicture();
  const std::string source = dir + "/source.ppm";
  writePpm(source, picture);
  const double readSource = magickSeconds(source + " null:");
  constexpr int kRepeats = 10;

  struct Case { const char* words; const char* extension; const char* magickOptions; const char* magickPrefix; };
  const Case cases[] = {
      {"DIB 24-bit", "bmp", "", "bmp3:"},
      {"Targa 24-bit", "tga", "-compress None", "tga:"},
      {"Targa 24-bit rle", "tga", "-compress RLE", "tga:"},
      {"PCX 24-bit", "pcx", "", "pcx:"},
  };
  std::printf("1920 x 1080, best of %d runs; ratio = ImageMagick's time / ours\n", kRuns);
  std::printf("%-18s %11s %11s %7s   %11s %11s %7s\n", "format", "decode ours", "ImageMagick", "ratio",
              "encode ours", "ImageMagick", "ratio");
  for (const Case& c : cases) {
    SaveOptions options;
    parseTypeWords(c.words, options);
    const std::string ours = dir + "/ours." + c.extension;
    std::vector<std::uint8_t> bytes;
    const double encode = bestSeconds([&] {
      std::vector<std::uint8_t> out;
      encodePicture(picture, options, out);
      writeFile(ours, out);
      bytes.swap(out);
    });
    const double decode = bestSeconds([&] {
      std::vector<std::uint8_t> in = readFile(ours);
      Picture p;
      decodePicture(in.data(), in.size(), p);
    });
    std::string writes = std::string(" ") + c.magickOptions, reads;
    for (int i = 0; i < kRepeats; ++i) {
      writes += " -write " + std::string(c.magickPrefix) + dir + "/magick" + std::to_string(i) + "." + c.extension;
      reads += " " + ours;
    }
    const double magickEncode = (magickSeconds(source + writes + " null:") - readSource) / kRepeats;
    const double magickDecode = (magickSeconds(reads + " null:") - magickSeconds(ours + " null:")) / (kRepeats - 1);
    std::printf("%-18s %8.1f ms %8.1f ms %6.2fx   %8.1f ms %8.1f ms %6.2fx\n", c.words, decode * 1e3,
                magickDecode * 1e3, magickDecode / decode, encode * 1e3, magickEncode * 1e3, magickEncode / encode);
  }
  std::system(("rm -rf '" + dir + "'").c_str());
  return 0;
}
