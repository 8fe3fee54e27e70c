// The colour adjustments: the combined one (optionally through the preview)
// and the seven single-channel ones, over the row, bitmap and window passes.
#pragma once
#include "color_model.h"
#include "htfx32.h"

namespace htfx {

int ColorAdjustAll(HtfxColorAdjustAllRequest* request);
int ColorAdjustChannel(Channel channel, HtfxColorAdjustRequest* request);

// Writes the trace line of a combined request's seven amount:range pairs.
void TraceAmounts(int marker, const int amount[7], const int range[7]);

}  // namespace htfx
