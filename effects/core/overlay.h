// Composition of two picture streams, pixel by pixel, by colour keys.
#pragma once
#include "htfx32.h"

namespace htfx {

int OverlayStreams(HtfxOverlayRequest* request);

}  // namespace htfx
