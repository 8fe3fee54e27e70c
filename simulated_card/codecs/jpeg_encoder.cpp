// Baseline JPEG encoder (JFIF, Huffman tables of the standard's examples).
// Colour pictures are written as Y, Cb, Cr with the chroma sampled 4:4:4,
// 4:2:2 or 4:1:1 (horizontally by 1, 2 or 4); grey pictures as Y alone. The
// luminance and the chrominance tables each follow their own quantisation
// factor: 0 gives quality 95, 100 gives quality 5, in between linearly, on
// the usual quality scale of the standard's example tables.
#include <algorithm>
#include <cmath>

#include "format_codecs.h"

namespace kx::codecs {
namespace {

constexpr std::uint8_t kZigzag[64] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

constexpr std::uint8_t kLumaTable[64] = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};

constexpr std::uint8_t kChromaTable[64] = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99,
    99, 99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

constexpr std::uint8_t kDcLumaBits[16] = {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
constexpr std::uint8_t kDcChromaBits[16] = {0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0};
constexpr std::uint8_t kDcValues[12] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
constexpr std::uint8_t kAcLumaBits[16] = {0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d};
constexpr std::uint8_t kAcLumaValues[162] = {
    0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61, 0x07, 0x22, 0x71,
    0x14, 0x32, 0x81, 0x91, 0xa1, 0x08, 0x23, 0x42, 0xb1, 0xc1, 0x15, 0x52, 0xd1, 0xf0, 0x24, 0x33, 0x62, 0x72,
    0x82, 0x09, 0x0a, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x34, 0x35, 0x36, 0x37,
    0x38, 0x39, 0x3a, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59,
    0x5a, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a, 0x83,
    0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9a, 0xa2, 0xa3,
    0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba, 0xc2, 0xc3,
    0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, 0xe1, 0xe2,
    0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8, 0xe9, 0xea, 0xf1, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa};
constexpr std::uint8_t kAcChromaBits[16] = {0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77};
constexpr std::uint8_t kAcChromaValues[162] = {
    0x00, 0x01, 0x02, 0x03, 0x11, 0x04, 0x05, 0x21, 0x31, 0x06, 0x12, 0x41, 0x51, 0x07, 0x61, 0x71, 0x13, 0x22,
    0x32, 0x81, 0x08, 0x14, 0x42, 0x91, 0xa1, 0xb1, 0xc1, 0x09, 0x23, 0x33, 0x52, 0xf0, 0x15, 0x62, 0x72, 0xd1,
    0x0a, 0x16, 0x24, 0x34, 0xe1, 0x25, 0xf1, 0x17, 0x18, 0x19, 0x1a, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x35, 0x36,
    0x37, 0x38, 0x39, 0x3a, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58,
    0x59, 0x5a, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a,
    0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9a,
    0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba,
    0xc2, 0xc3, 0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda,
    0xe2, 0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8, 0xe9, 0xea, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa};

struct HuffmanCode {
  std::uint16_t code = 0;
  std::uint8_t length = 0;
};

struct HuffmanTable {
  HuffmanCode codes[256];
  HuffmanTable(const std::uint8_t* bits, const std::uint8_t* values) {
    unsigned code = 0;
    std::size_t k = 0;
    for (int length = 1; length <= 16; ++length) {
      for (int i = 0; i < bits[length - 1]; ++i) codes[values[k++]] = {std::uint16_t(code++), std::uint8_t(length)};
      code <<= 1;
    }
  }
};

// The example table scaled to a quality of 1 to 100.
void scaledTable(const std::uint8_t* base, int quality, std::uint8_t* out) {
  int scale = quality < 50 ? 5000 / quality : 200 - 2 * quality;
  for (int i = 0; i < 64; ++i) out[i] = std::uint8_t(std::clamp((base[i] * scale + 50) / 100, 1, 255));
}

int qualityOfFactor(int factor) { return std::clamp(95 - (90 * std::clamp(factor, 0, 100) + 50) / 100, 5, 95); }

// Forward DCT of eight values (the scaled AAN algorithm); the scale comes out
// in the quantisation divisors.
inline void dct8(float* d, int step) {
  float t0 = d[0] + d[7 * step], t7 = d[0] - d[7 * step];
  float t1 = d[step] + d[6 * step], t6 = d[step] - d[6 * step];
  float t2 = d[2 * step] + d[5 * step], t5 = d[2 * step] - d[5 * step];
  float t3 = d[3 * step] + d[4 * step], t4 = d[3 * step] - d[4 * step];
  float t10 = t0 + t3, t13 = t0 - t3, t11 = t1 + t2, t12 = t1 - t2;
  d[0] = t10 + t11;
  d[4 * step] = t10 - t11;
  float z1 = (t12 + t13) * 0.707106781f;
  d[2 * step] = t13 + z1;
  d[6 * step] = t13 - z1;
  t10 = t4 + t5;
  t11 = t5 + t6;
  t12 = t6 + t7;
  float z5 = (t10 - t12) * 0.382683433f;
  float z2 = t10 * 0.541196100f + z5;
  float z4 = t12 * 1.306562965f + z5;
  float z3 = t11 * 0.707106781f;
  float z11 = t7 + z3, z13 = t7 - z3;
  d[5 * step] = z13 + z2;
  d[3 * step] = z13 - z2;
  d[step] = z11 + z4;
  d[7 * step] = z11 - z4;
}

class BitWriter {
 public:
  explicit BitWriter(ByteWriter& out) : out_(out) {}
  void put(unsigned code, int length) {
    buffer_ = buffer_ << length | (code & ((1u << length) - 1));
    count_ += length;
    while (count_ >= 8) {
      std::uint8_t b = std::uint8_t(buffer_ >> (count_ - 8));
      out_.u8(b);
      if (b == 0xFF) out_.u8(0);  // byte stuffing
      count_ -= 8;
    }
  }
  void flush() {
    if (count_ > 0) put(0x7F, 8 - count_);  // pad with one bits
  }

 private:
  ByteWriter& out_;
  std::uint32_t buffer_ = 0;
  int count_ = 0;
};

class BlockCoder {
 public:
  BlockCoder(const std::uint8_t* table, const HuffmanTable& dc, const HuffmanTable& ac) : dc_(dc), ac_(ac) {
    static const float kAan[8] = {1.0f, 1.387039845f, 1.306562965f, 1.175875602f,
                                  1.0f, 0.785694958f, 0.541196100f, 0.275899379f};
    for (int r = 0; r < 8; ++r)
      for (int c = 0; c < 8; ++c) divisor_[r * 8 + c] = 1.0f / (float(table[r * 8 + c]) * kAan[r] * kAan[c] * 8.0f);
  }

  // Codes one block of level-shifted samples (natural order, destroyed).
  void code(float* block, BitWriter& bits) {
    for (int r = 0; r < 8; ++r) dct8(block + r * 8, 1);
    for (int c = 0; c < 8; ++c) dct8(block + c, 8);
    int q[64];
    for (int k = 0; k < 64; ++k) {
      int i = kZigzag[k];
      q[k] = int(std::lround(block[i] * divisor_[i]));
    }
    int diff = q[0] - previousDc_;
    previousDc_ = q[0];
    putValue(bits, dc_, 0, diff);
    int run = 0;
    for (int k = 1; k < 64; ++k) {
      if (q[k] == 0) { ++run; continue; }
      while (run > 15) { put(bits, ac_.codes[0xF0]); run -= 16; }
      putValue(bits, ac_, run << 4, q[k]);
      run = 0;
    }
    if (run) put(bits, ac_.codes[0x00]);
  }

 private:
  static void put(BitWriter& bits, const HuffmanCode& c) { bits.put(c.code, c.length); }
  static void putValue(BitWriter& bits, const HuffmanTable& table, int prefix, int value) {
    int magnitude = value < 0 ? -value : value, size = 0;
    while (magnitude >> size) ++size;
    put(bits, table.codes[prefix | size]);
    if (size) bits.put(unsigned(value < 0 ? value - 1 : value), size);
  }

  const HuffmanTable& dc_;
  const HuffmanTable& ac_;
  float divisor_[64];
  int previousDc_ = 0;
};

void writeTable(ByteWriter& out, int id, const std::uint8_t* table) {
  out.u8(id);
  for (int k = 0; k < 64; ++k) out.u8(table[kZigzag[k]]);
}

void writeHuffman(ByteWriter& out, int id, const std::uint8_t* bits, const std::uint8_t* values, int count) {
  out.u8(id);
  out.bytes(bits, 16);
  out.bytes(values, std::size_t(count));
}

}  // namespace

void encodeJpeg(const Picture& pic, const SaveOptions& options, std::vector<std::uint8_t>& bytes) {
  const bool gray = options.gray;
  const int hFactor = gray ? 1 : (options.jpegSubsample == 2 ? 4 : options.jpegSubsample == 1 ? 2 : 1);
  std::uint8_t lumaTable[64], chromaTable[64];
  scaledTable(kLumaTable, qualityOfFactor(options.jpegLuminance), lumaTable);
  scaledTable(kChromaTable, qualityOfFactor(options.jpegChrominance), chromaTable);

  ByteWriter out(bytes);
  out.u16be(0xFFD8);
  out.u16be(0xFFE0);  // JFIF 1.01, 72 dots per inch
  out.u16be(16);
  out.bytes("JFIF", 5);
  out.u16be(0x0101);
  out.u8(1);
  out.u16be(72);
  out.u16be(72);
  out.u16be(0);
  out.u16be(0xFFDB);
  out.u16be(gray ? 67 : 132);
  writeTable(out, 0, lumaTable);
  if (!gray) writeTable(out, 1, chromaTable);
  out.u16be(0xFFC0);
  const int components = gray ? 1 : 3;
  out.u16be(unsigned(8 + 3 * components));
  out.u8(8);
  out.u16be(unsigned(pic.height));
  out.u16be(unsigned(pic.width));
  out.u8(unsigned(components));
  for (int c = 0; c < components; ++c) {
    out.u8(unsigned(c + 1));
    out.u8(c == 0 ? unsigned(hFactor << 4 | 1) : 0x11);
    out.u8(c == 0 ? 0 : 1);
  }
  out.u16be(0xFFC4);
  out.u16be(gray ? 2 + 17 + 12 + 17 + 162 : 2 + 2 * (17 + 12 + 17 + 162));
  writeHuffman(out, 0x00, kDcLumaBits, kDcValues, 12);
  writeHuffman(out, 0x10, kAcLumaBits, kAcLumaValues, 162);
  if (!gray) {
    writeHuffman(out, 0x01, kDcChromaBits, kDcValues, 12);
    writeHuffman(out, 0x11, kAcChromaBits, kAcChromaValues, 162);
  }
  out.u16be(0xFFDA);
  out.u16be(unsigned(6 + 2 * components));
  out.u8(unsigned(components));
  for (int c = 0; c < components; ++c) {
    out.u8(unsigned(c + 1));
    out.u8(c == 0 ? 0x00 : 0x11);
  }
  out.u8(0);
  out.u8(63);
  out.u8(0);

  static const HuffmanTable dcLuma(kDcLumaBits, kDcValues), acLuma(kAcLumaBits, kAcLumaValues);
  static const HuffmanTable dcChroma(kDcChromaBits, kDcValues), acChroma(kAcChromaBits, kAcChromaValues);
  BlockCoder y(lumaTable, dcLuma, acLuma), cb(chromaTable, dcChroma, acChroma), cr(chromaTable, dcChroma, acChroma);
  BitWriter bits(out);
  const int mcuWidth = 8 * hFactor;
  float ys[4][64], cbs[64], crs[64];
  for (int my = 0; my < pic.height; my += 8) {
    for (int mx = 0; mx < pic.width; mx += mcuWidth) {
      std::fill(std::begin(cbs), std::end(cbs), 0.0f);
      std::fill(std::begin(crs), std::end(crs), 0.0f);
      for (int r = 0; r < 8; ++r) {
        const std::uint8_t* row = pic.row(std::min(my + r, pic.height - 1));
        for (int c = 0; c < mcuWidth; ++c) {
          const std::uint8_t* p = row + 3 * std::min(mx + c, pic.width - 1);
          float b = p[0], g = p[1], red = p[2];
          ys[c / 8][r * 8 + c % 8] = 0.299f * red + 0.587f * g + 0.114f * b - 128.0f;
          if (!gray) {
            cbs[r * 8 + c / hFactor] += (-0.168736f * red - 0.331264f * g + 0.5f * b) / float(hFactor);
            crs[r * 8 + c / hFactor] += (0.5f * red - 0.418688f * g - 0.081312f * b) / float(hFactor);
          }
        }
      }
      for (int i = 0; i < hFactor; ++i) y.code(ys[i], bits);
      if (!gray) {
        cb.code(cbs, bits);
        cr.code(crs, bits);
      }
    }
  }
  bits.flush();
  out.u16be(0xFFD9);
}

}  // namespace kx::codecs
