// Pictures the codec tests encode: smooth gradients with a pattern (many
// colours), and flat blocks of a few colours (exact through a palette).
#pragma once

#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include "picture_codecs.h"

namespace kx::codecs::test {

inline Picture gradientPicture(int w, int h) {
  Picture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t* px = p.row(y) + 3 * x;
      px[2] = std::uint8_t(x * 255 / (w > 1 ? w - 1 : 1));
      px[1] = std::uint8_t(y * 255 / (h > 1 ? h - 1 : 1));
      px[0] = std::uint8_t((x * 7 + y * 3) & 255);
    }
  return p;
}

// Blocks of 8 x 8 pixels in `colours` distinct colours.
inline Picture blockPicture(int w, int h, int colours) {
  Picture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int c = ((x / 8) * 31 + (y / 8) * 17) % colours;
      std::uint8_t* px = p.row(y) + 3 * x;
      px[0] = std::uint8_t(c * 37);
      px[1] = std::uint8_t(c * 11 + 5);
      px[2] = std::uint8_t(255 - c);
    }
  return p;
}

inline Picture grayOfPicture(const Picture& p) {
  Picture g(p.width, p.height);
  for (std::size_t i = 0; i < p.bgr.size(); i += 3) {
    unsigned v = (p.bgr[i + 2] * 299u + p.bgr[i + 1] * 587u + p.bgr[i] * 114u + 500u) / 1000u;
    g.bgr[i] = g.bgr[i + 1] = g.bgr[i + 2] = std::uint8_t(v);
  }
  return g;
}

// The largest difference of any channel of any pixel; 255 + 1 if the sizes differ.
inline int maxDifference(const Picture& a, const Picture& b) {
  if (a.width != b.width || a.height != b.height || a.bgr.size() != b.bgr.size()) return 256;
  int worst = 0;
  for (std::size_t i = 0; i < a.bgr.size(); ++i) worst = std::max(worst, std::abs(int(a.bgr[i]) - int(b.bgr[i])));
  return worst;
}

// The mean absolute difference per channel.
inline double meanDifference(const Picture& a, const Picture& b) {
  if (a.bgr.size() != b.bgr.size() || a.bgr.empty()) return 256;
  double sum = 0;
  for (std::size_t i = 0; i < a.bgr.size(); ++i) sum += std::abs(int(a.bgr[i]) - int(b.bgr[i]));
  return sum / double(a.bgr.size());
}

// The picture encoded as the type words say; a failure fails the test.
inline std::vector<std::uint8_t> encoded(const Picture& p, const char* words) {
  SaveOptions o;
  EXPECT_TRUE(parseTypeWords(words, o)) << words;
  std::vector<std::uint8_t> bytes;
  Status s = encodePicture(p, o, bytes);
  EXPECT_TRUE(s) << words << ": " << s.error;
  return bytes;
}

}  // namespace kx::codecs::test
