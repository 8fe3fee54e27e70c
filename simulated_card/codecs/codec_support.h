// Pieces every codec shares: the failure a decoder raises on bad data,
// bounded readers and growing writers of byte streams, the dimension check,
// and the palette a palettized encoder writes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "picture_codecs.h"

namespace kx::codecs {

// Raised inside a codec on damaged or unsupported data; the public entry
// points turn it into a Status.
struct CodecFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};
[[noreturn]] inline void failCodec(const std::string& message) { throw CodecFailure(message); }

// Reads from a byte range; every read past the end fails as a truncated file.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::size_t size() const { return size_; }
  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return size_ - pos_; }
  const std::uint8_t* data() const { return data_; }
  void seek(std::size_t pos) {
    if (pos > size_) failCodec("the file is truncated");
    pos_ = pos;
  }
  void skip(std::size_t n) {
    if (n > remaining()) failCodec("the file is truncated");
    pos_ += n;
  }
  const std::uint8_t* take(std::size_t n) {
    if (n > remaining()) failCodec("the file is truncated");
    const std::uint8_t* p = data_ + pos_;
    pos_ += n;
    return p;
  }
  std::uint8_t u8() { return *take(1); }
  std::uint16_t u16le() { const std::uint8_t* p = take(2); return std::uint16_t(p[0] | p[1] << 8); }
  std::uint32_t u32le() {
    const std::uint8_t* p = take(4);
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
  }
  std::uint16_t u16be() { const std::uint8_t* p = take(2); return std::uint16_t(p[0] << 8 | p[1]); }
  std::uint32_t u32be() {
    const std::uint8_t* p = take(4);
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | std::uint32_t(p[3]);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// Appends to a byte vector.
class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  std::size_t size() const { return out_.size(); }
  void u8(unsigned v) { out_.push_back(std::uint8_t(v)); }
  void u16le(unsigned v) { u8(v); u8(v >> 8); }
  void u32le(std::uint32_t v) { u16le(v & 0xFFFF); u16le(v >> 16); }
  void u16be(unsigned v) { u8(v >> 8); u8(v); }
  void u32be(std::uint32_t v) { u16be(v >> 16); u16be(v & 0xFFFF); }
  void bytes(const void* p, std::size_t n) {
    const auto* b = static_cast<const std::uint8_t*>(p);
    out_.insert(out_.end(), b, b + n);
  }
  void fill(std::uint8_t v, std::size_t n) { out_.insert(out_.end(), n, v); }
  void patch32le(std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out_[at + i] = std::uint8_t(v >> (8 * i));
  }
  void patch32be(std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out_[at + i] = std::uint8_t(v >> (8 * (3 - i)));
  }
  std::vector<std::uint8_t>& buffer() { return out_; }

 private:
  std::vector<std::uint8_t>& out_;
};

// Fails unless a header's dimensions lie within the limits.
void checkDimensions(std::int64_t width, std::int64_t height, const DecodeLimits& limits);

// The grey level of a pixel (ITU-R BT.601 weights, rounded).
inline std::uint8_t grayOf(std::uint8_t b, std::uint8_t g, std::uint8_t r) {
  return std::uint8_t((r * 299u + g * 587u + b * 114u + 500u) / 1000u);
}

// A picture as palette indices, one byte a pixel, rows top-down.
struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> indices;
  std::vector<Rgb> palette;  // at most 256 entries
};

// Reduces the picture to at most maxColors colours: exactly, when it has no
// more; else by median cut of a 15-bit colour histogram.
IndexedPicture quantizePicture(const Picture& picture, int maxColors);
// The grey levels of the picture, with the 256-entry grey ramp as palette.
IndexedPicture grayPicture(const Picture& picture);
// Whether every palette entry is a grey (red = green = blue).
bool isGrayPalette(const std::vector<Rgb>& palette);

}  // namespace kx::codecs
