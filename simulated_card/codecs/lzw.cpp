// LZW coding for TIFF and GIF.
#include "lzw.h"

#include <algorithm>
#include <cstring>

#include "codec_support.h"

namespace kx::codecs {
namespace {

constexpr int kMaxBits = 12;
constexpr int kTableSize = 1 << kMaxBits;

class BitSource {
 public:
  BitSource(LzwDialect dialect, const std::uint8_t* data, std::size_t size)
      : msbFirst_(dialect == LzwDialect::Tiff), data_(data), size_(size) {}
  // Returns -1 when the data runs out.
  int read(int width) {
    while (count_ < width) {
      if (pos_ == size_) return -1;
      if (msbFirst_) buffer_ = buffer_ << 8 | data_[pos_++];
      else buffer_ |= std::uint32_t(data_[pos_++]) << count_;
      count_ += 8;
    }
    int code;
    if (msbFirst_) {
      code = int(buffer_ >> (count_ - width)) & ((1 << width) - 1);
    } else {
      code = int(buffer_ & ((1u << width) - 1));
      buffer_ >>= width;
    }
    count_ -= width;
    return code;
  }

 private:
  bool msbFirst_;
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
  std::uint32_t buffer_ = 0;
  int count_ = 0;
};

class BitSink {
 public:
  BitSink(LzwDialect dialect, std::vector<std::uint8_t>& out) : msbFirst_(dialect == LzwDialect::Tiff), out_(out) {}
  void write(int code, int width) {
    if (msbFirst_) {
      buffer_ = buffer_ << width | std::uint32_t(code);
      count_ += width;
      while (count_ >= 8) { out_.push_back(std::uint8_t(buffer_ >> (count_ - 8))); count_ -= 8; }
    } else {
      buffer_ |= std::uint32_t(code) << count_;
      count_ += width;
      while (count_ >= 8) { out_.push_back(std::uint8_t(buffer_)); buffer_ >>= 8; count_ -= 8; }
    }
  }
  void flush() {
    if (count_ > 0) out_.push_back(std::uint8_t(msbFirst_ ? buffer_ << (8 - count_) : buffer_));
    count_ = 0;
    buffer_ = 0;
  }

 private:
  bool msbFirst_;
  std::vector<std::uint8_t>& out_;
  std::uint32_t buffer_ = 0;
  int count_ = 0;
};

}  // namespace

std::size_t lzwDecode(LzwDialect dialect, int symbolBits, const std::uint8_t* data, std::size_t size,
                      std::uint8_t* out, std::size_t outSize) {
  if (symbolBits < 2 || symbolBits > 8) failCodec("bad LZW symbol size");
  const int clear = 1 << symbolBits, end = clear + 1, early = dialect == LzwDialect::Tiff ? 1 : 0;
  std::vector<std::uint16_t> prefix(kTableSize);
  std::vector<std::uint8_t> suffix(kTableSize), first(kTableSize);
  std::vector<std::uint16_t> length(kTableSize);
  for (int i = 0; i < clear; ++i) { suffix[i] = first[i] = std::uint8_t(i); length[i] = 1; }
  std::uint8_t stack[kTableSize];

  BitSource bits(dialect, data, size);
  int width = symbolBits + 1, next = clear + 2, previous = -1;
  std::size_t pos = 0;
  while (pos < outSize) {
    int code = bits.read(width);
    if (code < 0 || code == end) break;
    if (code == clear) {
      width = symbolBits + 1;
      next = clear + 2;
      previous = -1;
      continue;
    }
    if (previous < 0) {
      if (code > clear) failCodec("bad LZW code");
      out[pos++] = std::uint8_t(code);
      previous = code;
      continue;
    }
    if (code > next || (code == next && next >= kTableSize)) failCodec("bad LZW code");
    int emitted = code;
    std::uint8_t head = code < next ? first[code] : first[previous];
    if (next < kTableSize) {
      prefix[next] = std::uint16_t(previous);
      suffix[next] = head;
      first[next] = first[previous];
      length[next] = std::uint16_t(length[previous] + 1);
      ++next;
      if (next >= (1 << width) - early && width < kMaxBits) ++width;
    }
    // Spell the string backwards, then copy what fits.
    int n = length[emitted], c = emitted;
    for (int i = n - 1; i >= 0; --i) { stack[i] = suffix[c]; c = prefix[c]; }
    std::size_t count = std::min<std::size_t>(std::size_t(n), outSize - pos);
    std::memcpy(out + pos, stack, count);
    pos += count;
    previous = code;
  }
  return pos;
}

void lzwEncode(LzwDialect dialect, int symbolBits, const std::uint8_t* data, std::size_t size,
               std::vector<std::uint8_t>& out) {
  const int clear = 1 << symbolBits, end = clear + 1, early = dialect == LzwDialect::Tiff ? 1 : 0;
  const int limit = dialect == LzwDialect::Tiff ? kTableSize - 1 : kTableSize;
  // Open-addressed table of (prefix code, symbol) -> code.
  constexpr int kSlots = 8192;
  std::vector<std::int32_t> keys(kSlots, -1);
  std::vector<std::uint16_t> codes(kSlots);
  BitSink sink(dialect, out);
  int width = symbolBits + 1, next = clear + 2;
  sink.write(clear, width);
  if (size == 0) {
    sink.write(end, width);
    sink.flush();
    return;
  }
  int current = data[0];
  for (std::size_t i = 1; i < size; ++i) {
    const int symbol = data[i];
    const std::int32_t key = current << 8 | symbol;
    unsigned slot = unsigned(key * 2654435761u) >> 19;
    while (keys[slot] >= 0 && keys[slot] != key) slot = (slot + 1) & (kSlots - 1);
    if (keys[slot] == key) { current = codes[slot]; continue; }
    sink.write(current, width);
    keys[slot] = key;
    codes[slot] = std::uint16_t(next++);
    if (next >= limit) {
      sink.write(clear, width);
      std::fill(keys.begin(), keys.end(), -1);
      width = symbolBits + 1;
      next = clear + 2;
    } else if (next > (1 << width) - early) {
      ++width;
    }
    current = symbol;
  }
  sink.write(current, width);
  // The decoder adds one more entry on reading the last code; keep in step.
  if (next + 1 > (1 << width) - early && width < kMaxBits && next + 1 < limit) ++width;
  sink.write(end, width);
  sink.flush();
}

}  // namespace kx::codecs
