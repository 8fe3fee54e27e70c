// Fuzzes one format's header reader and decoder directly (no recognition
// step in between), built once per format with KX_FUZZ_CODEC naming it.
#include "format_codecs.h"

#define KX_JOIN(a, b) a##b
#define KX_CALL(verb, codec) KX_JOIN(verb, codec)

using namespace kx::codecs;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DecodeLimits limits;
  limits.maxWidth = limits.maxHeight = 4096;
  limits.maxPixels = 1u << 20;
  try {
    PictureInfo info = KX_CALL(identify, KX_FUZZ_CODEC)(data, size);
    (void)info;
  } catch (const CodecFailure&) {
  }
  try {
    Picture p = KX_CALL(decode, KX_FUZZ_CODEC)(data, size, limits);
    if (p.width <= 0 || p.height <= 0 || p.bgr.size() != std::size_t(p.width) * std::size_t(p.height) * 3)
      __builtin_trap();
  } catch (const CodecFailure&) {
  }
  return 0;
}
