// Mirroring a picture horizontally, vertically or both.
#pragma once
#include "htfx32.h"

namespace htfx {

int Flip(HtfxFlipRequest* request);

}  // namespace htfx
