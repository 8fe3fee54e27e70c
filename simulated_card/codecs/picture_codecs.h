// Image file codecs of the simulated card: the seven file formats the driver
// reads and writes, the type words that name a format and its options, and
// the file-information query.
//
// Pixels: a Picture holds 24-bit pixels, rows top-down (row 0 is the top of
// the picture), each row width * 3 bytes with no padding, and each pixel in
// the byte order blue, green, red (the order of a 24-bit Windows DIB row).
//
// Every entry point reports failure through a Status with a readable message;
// none of them throws, and hostile input never makes them crash or allocate
// beyond the DecodeLimits.
//
// A save, as the driver does it:
//   SaveOptions options;
//   if (!parseTypeWords(typeWords, options)) ...    // e.g. "tiff 8-bit lzw tiffopt 2"
//   std::vector<std::uint8_t> bytes;
//   if (!encodePicture(picture, options, bytes)) ...
//   if (!writeFileAtomically(path, bytes.data(), bytes.size())) ...
// A load: readFileBytes, then decodePicture; the file-information reply
// "f w h": readFileBytes, then identifyPicture.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kx::codecs {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bgr;  // width * height * 3 bytes, top-down rows

  Picture() = default;
  Picture(int w, int h) : width(w), height(h), bgr(std::size_t(w) * std::size_t(h) * 3) {}
  std::uint8_t* row(int y) { return bgr.data() + std::size_t(y) * std::size_t(width) * 3; }
  const std::uint8_t* row(int y) const { return bgr.data() + std::size_t(y) * std::size_t(width) * 3; }
};

using Rgb = std::array<std::uint8_t, 3>;  // red, green, blue
// The card's Y, U, V bytes (its "memory buffer format to yuv" pixels and the
// IBM MMotion files): Y = (76 R + 150 G + 29 B) >> 8, U = (B - Y) * 127 / 226,
// V = (R - Y) * 127 / 179, the divisions truncating towards zero and U and V
// stored as signed bytes (two's complement).
using Yuv = std::array<std::uint8_t, 3>;
Yuv yuvFromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b);
// The inverse, rounded and clamped to 0..255 (within 3 of the original).
Rgb rgbFromYuv(std::uint8_t y, std::uint8_t u, std::uint8_t v);

// The outcome of an operation: empty error text means success.
struct Status {
  std::string error;
  static Status ok() { return {}; }
  static Status fail(std::string message) { return {std::move(message)}; }
  explicit operator bool() const { return error.empty(); }
};

// The file formats, in the order of the Save dialog's type list.
enum class FileFormat { Bitmap, Targa, MMotion, Tiff, Pcx, Gif, Jpeg };

// The numbers the file-information reply starts with; each names one format
// and variant (its description is the string entry 400 + number).
enum FormatNumber : int {
  kBmp24 = 0, kBmp8 = 1, kBmp8Gray = 2, kBmp8Rle = 3, kBmp8GrayRle = 4, kBmp4 = 5, kBmp4Rle = 6,
  kTga32 = 7, kTga24 = 8, kTga16 = 9, kTga32Rle = 10, kTga24Rle = 11, kTga16Rle = 12,
  kTiff24 = 13, kTiff8 = 14, kTiff8Gray = 15, kTiff24Lzw = 16, kTiff8Lzw = 17, kTiff8GrayLzw = 18,
  kMMotion = 19, kPcx8 = 20, kPcx8Gray = 21, kGif8 = 22, kGif8Gray = 23, kJpeg = 24,
  kJpegGray = 25, kPcx24 = 26, kGif4 = 27,
};

// What the type words of a "save" or "copy" command ask for.
struct SaveOptions {
  FileFormat format = FileFormat::Bitmap;
  int bitsPerPixel = 24;  // 32, 24, 16, 8 or 4, as the format allows
  bool gray = false;
  bool rle = false;        // Windows bitmap (8-bit) and Targa
  bool lzw = false;        // TIFF
  int tiffStripSize = 0;   // TIFF strips of 0: 4K, 1: 8K, 2: 16K bytes
  int jpegSubsample = 0;   // 0: 4:4:4, 1: 4:2:2, 2: 4:1:1
  int jpegChrominance = 0; // quantisation factors 0 (finest) to 100 (coarsest)
  int jpegLuminance = 0;
  bool deviceDependent = false;  // "DDB" (clipboard only): a bitmap kind, not a file format
};

// Reads type words such as "TIFF 24-bit lzw tiffopt 2" or "DIB 8-bit gray rle"
// (any letter case, single or repeated blanks). Unknown, repeated or
// contradictory words fail with a message naming the word.
Status parseTypeWords(std::string_view words, SaveOptions& out);

// The format number a file written with these options reports.
int formatNumberOf(const SaveOptions& options);

struct PictureInfo {
  int formatNumber = 0;
  int width = 0;
  int height = 0;
};

// Bounds a decoder checks a header against before it allocates anything.
struct DecodeLimits {
  int maxWidth = 16384;
  int maxHeight = 16384;
  std::uint64_t maxPixels = 48ull * 1024 * 1024;
};

// Recognises the format from the content (not the file name) and reads the
// header: format number, width and height.
Status identifyPicture(const std::uint8_t* data, std::size_t size, PictureInfo& out);

// Decodes any supported variant of any of the seven formats to 24-bit pixels.
Status decodePicture(const std::uint8_t* data, std::size_t size, Picture& out,
                     const DecodeLimits& limits = {});

// Encodes the picture as the options ask.
Status encodePicture(const Picture& picture, const SaveOptions& options,
                     std::vector<std::uint8_t>& out);

// Whether this build can decode / encode the format (decoding JPEG needs the
// platform's imaging component, present only in the Windows builds).
bool canDecode(FileFormat format);
bool canEncode(FileFormat format);

#ifdef _WIN32
// Reads a whole file; fails on a missing or unreadable file or one larger than maxBytes.
Status readFileBytes(const wchar_t* path, std::vector<std::uint8_t>& out,
                     std::size_t maxBytes = 512u * 1024 * 1024);
// Writes the bytes to a temporary file in the same folder and then moves it
// over the target, so a failed save never leaves a half-written file in place
// of the one that was there.
Status writeFileAtomically(const wchar_t* path, const std::uint8_t* data, std::size_t size);
// The same for ANSI paths (what the driver receives in its commands).
Status readFileBytes(const char* path, std::vector<std::uint8_t>& out,
                     std::size_t maxBytes = 512u * 1024 * 1024);
Status writeFileAtomically(const char* path, const std::uint8_t* data, std::size_t size);
#endif

}  // namespace kx::codecs
