// Fixed palettes for the lower colour depths the clipboard can ask for:
// 8-bit palettized (a 6 x 6 x 6 colour cube and a grey ramp), 8-bit grey
// and the 16 standard VGA colours for 4 bits.
#pragma once

#include <cstdint>
#include <vector>

#include "picture.h"

namespace kxcard {

enum class PaletteKind { Colour256, Grey256, Colour16 };

std::vector<Pixel> MakePalette(PaletteKind kind);

// Index of the palette entry that stands for `p`.
std::uint8_t PaletteIndex(PaletteKind kind, const std::vector<Pixel>& palette, Pixel p);

} // namespace kxcard
