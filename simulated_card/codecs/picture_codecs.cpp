// The public entry points: format recognition, dispatch to the format codecs,
// and the conversion of every failure into a Status.
#include <algorithm>
#include <cmath>
#include <new>

#include "format_codecs.h"
#include "platform_decoder.h"
#include "yuv_rule.h"

namespace kx::codecs {

Status validateOptions(const SaveOptions& options);

namespace {

struct Codec {
  FileFormat format;
  bool (*looksLike)(const std::uint8_t*, std::size_t);
  PictureInfo (*identify)(const std::uint8_t*, std::size_t);
  Picture (*decode)(const std::uint8_t*, std::size_t, const DecodeLimits&);
  void (*encode)(const Picture&, const SaveOptions&, std::vector<std::uint8_t>&);
};

// In the order of recognition: formats with a signature first, Targa (which
// has none) last.
constexpr Codec kCodecs[] = {
    {FileFormat::Bitmap, looksLikeBmp, identifyBmp, decodeBmp, encodeBmp},
    {FileFormat::MMotion, looksLikeMMotion, identifyMMotion, decodeMMotion, encodeMMotion},
    {FileFormat::Tiff, looksLikeTiff, identifyTiff, decodeTiff, encodeTiff},
    {FileFormat::Gif, looksLikeGif, identifyGif, decodeGif, encodeGif},
    {FileFormat::Jpeg, looksLikeJpeg, identifyJpeg, decodeJpeg, encodeJpeg},
    {FileFormat::Pcx, looksLikePcx, identifyPcx, decodePcx, encodePcx},
    {FileFormat::Targa, looksLikeTarga, identifyTarga, decodeTarga, encodeTarga},
};

const Codec* recognise(const std::uint8_t* data, std::size_t size) {
  if (!data) return nullptr;
  for (const Codec& c : kCodecs)
    if (c.looksLike(data, size)) return &c;
  return nullptr;
}

const Codec& codecOf(FileFormat format) {
  for (const Codec& c : kCodecs)
    if (c.format == format) return c;
  return kCodecs[0];
}

// Runs a codec step, turning its failures into a Status.
template <typename Step>
Status guarded(Step step) {
  try {
    step();
    return Status::ok();
  } catch (const CodecFailure& e) {
    return Status::fail(e.what());
  } catch (const std::bad_alloc&) {
    return Status::fail("not enough memory for the picture");
  } catch (const std::length_error&) {
    return Status::fail("not enough memory for the picture");
  }
}

std::uint8_t clampByte(int v) { return std::uint8_t(std::clamp(v, 0, 255)); }

}  // namespace

Yuv yuvFromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  const kx::colour::YuvValues c = kx::colour::YuvFromRgb(r, g, b);
  return {std::uint8_t(c.y), std::uint8_t(std::int8_t(c.u)), std::uint8_t(std::int8_t(c.v))};
}

Rgb rgbFromYuv(std::uint8_t y, std::uint8_t u, std::uint8_t v) {
  const double luma = y, cu = std::int8_t(u), cv = std::int8_t(v);
  const double b = luma + cu * 226.0 / 127.0, r = luma + cv * 179.0 / 127.0;
  const double g = (luma * 256.0 + 128.0 - 76.0 * r - 29.0 * b) / 150.0;
  auto round = [](double c) { return clampByte(int(std::lround(c))); };
  return {round(r), round(g), round(b)};
}

void checkDimensions(std::int64_t width, std::int64_t height, const DecodeLimits& limits) {
  if (width <= 0 || height <= 0) failCodec("bad picture dimensions");
  if (width > limits.maxWidth || height > limits.maxHeight ||
      std::uint64_t(width) * std::uint64_t(height) > limits.maxPixels)
    failCodec("the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")");
}

void expandIndices(const std::uint8_t* indices, std::size_t count, const std::vector<Rgb>& palette, std::uint8_t* bgr) {
  // Indices past the palette's end show black.
  std::array<std::uint8_t, 256 * 3> table{};
  for (std::size_t i = 0; i < palette.size() && i < 256; ++i) {
    table[3 * i] = palette[i][2];
    table[3 * i + 1] = palette[i][1];
    table[3 * i + 2] = palette[i][0];
  }
  for (std::size_t x = 0; x < count; ++x, bgr += 3) std::memcpy(bgr, &table[3 * indices[x]], 3);
}

Status identifyPicture(const std::uint8_t* data, std::size_t size, PictureInfo& out) {
  const Codec* codec = recognise(data, size);
  if (!codec) return Status::fail("the file format is not supported");
  return guarded([&] { out = codec->identify(data, size); });
}

Status decodePicture(const std::uint8_t* data, std::size_t size, Picture& out, const DecodeLimits& limits) {
  const Codec* codec = recognise(data, size);
  if (!codec) return Status::fail("the file format is not supported");
  return guarded([&] { out = codec->decode(data, size, limits); });
}

Status encodePicture(const Picture& picture, const SaveOptions& options, std::vector<std::uint8_t>& out) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.bgr.size() != std::size_t(picture.width) * std::size_t(picture.height) * 3)
    return Status::fail("the picture is empty or inconsistent");
  if (picture.width > 65535 || picture.height > 65535) return Status::fail("the picture is too large to save");
  Status valid = validateOptions(options);
  if (!valid) return valid;
  std::vector<std::uint8_t> bytes;
  Status s = guarded([&] { codecOf(options.format).encode(picture, options, bytes); });
  if (s) out = std::move(bytes);
  return s;
}

bool canDecode(FileFormat format) { return format != FileFormat::Jpeg || platformDecoderAvailable(); }
bool canEncode(FileFormat) { return true; }

}  // namespace kx::codecs
