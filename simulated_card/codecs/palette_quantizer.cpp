// Palette reduction for the palettized encoders.
#include <algorithm>
#include <unordered_map>

#include "codec_support.h"

namespace kx::codecs {
namespace {

constexpr int kBins = 32 * 32 * 32;  // 5 bits each of red, green and blue

int binOf(const std::uint8_t* bgr) { return (bgr[2] >> 3) << 10 | (bgr[1] >> 3) << 5 | (bgr[0] >> 3); }

struct Histogram {
  std::vector<std::uint32_t> count = std::vector<std::uint32_t>(kBins);
  std::vector<std::array<std::uint64_t, 3>> sum = std::vector<std::array<std::uint64_t, 3>>(kBins);
};

// A box of histogram bins: inclusive 5-bit ranges per channel.
struct Box {
  int lo[3];
  int hi[3];
  std::uint64_t pixels = 0;
};

void shrink(Box& box, const Histogram& h) {
  int lo[3] = {31, 31, 31}, hi[3] = {0, 0, 0};
  box.pixels = 0;
  for (int r = box.lo[0]; r <= box.hi[0]; ++r)
    for (int g = box.lo[1]; g <= box.hi[1]; ++g)
      for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
        std::uint32_t c = h.count[r << 10 | g << 5 | b];
        if (!c) continue;
        box.pixels += c;
        int v[3] = {r, g, b};
        for (int i = 0; i < 3; ++i) { lo[i] = std::min(lo[i], v[i]); hi[i] = std::max(hi[i], v[i]); }
      }
  if (box.pixels)
    for (int i = 0; i < 3; ++i) { box.lo[i] = lo[i]; box.hi[i] = hi[i]; }
}

// Splits the box at the pixel median of its longest side; false if it is one bin.
bool split(Box& box, Box& other, const Histogram& h) {
  int axis = 0;
  for (int i = 1; i < 3; ++i)
    if (box.hi[i] - box.lo[i] > box.hi[axis] - box.lo[axis]) axis = i;
  if (box.hi[axis] == box.lo[axis]) return false;
  std::vector<std::uint64_t> plane(32);
  for (int r = box.lo[0]; r <= box.hi[0]; ++r)
    for (int g = box.lo[1]; g <= box.hi[1]; ++g)
      for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
        int v[3] = {r, g, b};
        plane[v[axis]] += h.count[r << 10 | g << 5 | b];
      }
  std::uint64_t acc = 0;
  int cut = box.lo[axis];
  for (int i = box.lo[axis]; i < box.hi[axis]; ++i) {
    acc += plane[i];
    cut = i;
    if (acc * 2 >= box.pixels) break;
  }
  other = box;
  box.hi[axis] = cut;
  other.lo[axis] = cut + 1;
  shrink(box, h);
  shrink(other, h);
  return true;
}

Rgb meanOf(const Box& box, const Histogram& h) {
  std::uint64_t s[3] = {0, 0, 0}, n = 0;
  for (int r = box.lo[0]; r <= box.hi[0]; ++r)
    for (int g = box.lo[1]; g <= box.hi[1]; ++g)
      for (int b = box.lo[2]; b <= box.hi[2]; ++b) {
        int bin = r << 10 | g << 5 | b;
        n += h.count[bin];
        for (int i = 0; i < 3; ++i) s[i] += h.sum[bin][i];
      }
  if (!n) return {0, 0, 0};
  return {std::uint8_t((s[0] + n / 2) / n), std::uint8_t((s[1] + n / 2) / n), std::uint8_t((s[2] + n / 2) / n)};
}

// The exact palette of a picture with at most maxColors colours, or false.
bool exactPalette(const Picture& picture, int maxColors, IndexedPicture& out) {
  std::unordered_map<std::uint32_t, std::uint8_t> index;
  std::size_t count = std::size_t(picture.width) * picture.height;
  out.indices.resize(count);
  const std::uint8_t* p = picture.bgr.data();
  std::uint32_t last = 0xFFFFFFFF;
  std::uint8_t lastIndex = 0;
  for (std::size_t i = 0; i < count; ++i, p += 3) {
    std::uint32_t key = std::uint32_t(p[2]) << 16 | p[1] << 8 | p[0];
    if (key != last) {
      auto it = index.find(key);
      if (it == index.end()) {
        if (int(index.size()) == maxColors) return false;
        it = index.emplace(key, std::uint8_t(index.size())).first;
        out.palette.push_back({p[2], p[1], p[0]});
      }
      last = key;
      lastIndex = it->second;
    }
    out.indices[i] = lastIndex;
  }
  return true;
}

}  // namespace

IndexedPicture quantizePicture(const Picture& picture, int maxColors) {
  IndexedPicture out;
  out.width = picture.width;
  out.height = picture.height;
  if (exactPalette(picture, maxColors, out)) return out;
  out.palette.clear();

  Histogram h;
  std::size_t count = std::size_t(picture.width) * picture.height;
  const std::uint8_t* p = picture.bgr.data();
  for (std::size_t i = 0; i < count; ++i, p += 3) {
    int bin = binOf(p);
    ++h.count[bin];
    h.sum[bin][0] += p[2];
    h.sum[bin][1] += p[1];
    h.sum[bin][2] += p[0];
  }
  std::vector<Box> boxes(1, Box{{0, 0, 0}, {31, 31, 31}});
  shrink(boxes[0], h);
  while (int(boxes.size()) < maxColors) {
    // Split first the box whose pixels spread the most: population times
    // the length of its longest side.
    auto weight = [&](const Box& b) {
      int side = std::max({b.hi[0] - b.lo[0], b.hi[1] - b.lo[1], b.hi[2] - b.lo[2]});
      return b.pixels * std::uint64_t(side);
    };
    std::vector<std::size_t> order(boxes.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return weight(boxes[a]) > weight(boxes[b]); });
    bool done = false;
    for (std::size_t i : order) {
      Box other{};
      if (split(boxes[i], other, h)) {
        boxes.push_back(other);
        done = true;
        break;
      }
    }
    if (!done) break;
  }
  for (const Box& box : boxes) out.palette.push_back(meanOf(box, h));

  // Each used bin maps to its nearest palette colour.
  std::vector<std::uint8_t> lut(kBins);
  for (int bin = 0; bin < kBins; ++bin) {
    if (!h.count[bin]) continue;
    int c[3] = {int(h.sum[bin][0] / h.count[bin]), int(h.sum[bin][1] / h.count[bin]), int(h.sum[bin][2] / h.count[bin])};
    int best = 0, bestDistance = 1 << 30;
    for (std::size_t i = 0; i < out.palette.size(); ++i) {
      int d = 0;
      for (int k = 0; k < 3; ++k) d += (c[k] - out.palette[i][k]) * (c[k] - out.palette[i][k]);
      if (d < bestDistance) { bestDistance = d; best = int(i); }
    }
    lut[bin] = std::uint8_t(best);
  }
  out.indices.resize(count);
  p = picture.bgr.data();
  for (std::size_t i = 0; i < count; ++i, p += 3) out.indices[i] = lut[binOf(p)];
  return out;
}

IndexedPicture grayPicture(const Picture& picture) {
  IndexedPicture out;
  out.width = picture.width;
  out.height = picture.height;
  std::size_t count = std::size_t(picture.width) * picture.height;
  out.indices.resize(count);
  const std::uint8_t* p = picture.bgr.data();
  for (std::size_t i = 0; i < count; ++i, p += 3) out.indices[i] = grayOf(p[0], p[1], p[2]);
  out.palette.resize(256);
  for (int i = 0; i < 256; ++i) out.palette[i] = {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i)};
  return out;
}

bool isGrayPalette(const std::vector<Rgb>& palette) {
  for (const Rgb& c : palette)
    if (c[0] != c[1] || c[1] != c[2]) return false;
  return true;
}

}  // namespace kx::codecs
