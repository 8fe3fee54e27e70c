// Fuzzes the public entry points: recognition, identification, decoding,
// and the type words (the first line of the input).
#include <string_view>

#include "picture_codecs.h"

using namespace kx::codecs;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DecodeLimits limits;
  limits.maxWidth = limits.maxHeight = 4096;
  limits.maxPixels = 1u << 20;
  PictureInfo info;
  Status identified = identifyPicture(data, size, info);
  Picture picture;
  Status decoded = decodePicture(data, size, picture, limits);
  if (decoded && picture.bgr.size() != std::size_t(picture.width) * std::size_t(picture.height) * 3) __builtin_trap();
  if (decoded && !identified) __builtin_trap();  // what decodes can be identified

  std::string_view text(reinterpret_cast<const char*>(data), size);
  text = text.substr(0, std::min<std::size_t>(text.find('\n'), 200));
  SaveOptions options;
  if (parseTypeWords(text, options) && decoded && picture.width <= 256 && picture.height <= 256) {
    std::vector<std::uint8_t> bytes;
    if (!encodePicture(picture, options, bytes)) __builtin_trap();  // valid words always encode
  }
  return 0;
}
