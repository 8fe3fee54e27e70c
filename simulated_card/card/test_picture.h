// The live video of the simulated card: a moving test picture per input,
// drawn at the frame memory's size.
//   input 0 (composite 0): colour bars over a grey ramp, with a sweep line
//   input 1 (composite 1): a colour gradient crossed by a moving band
//   input 3 (S-Video):     a checkerboard with a moving disc
// Each shows its input name and a frame counter, so a person sees at once
// which input is live and that it moves.  An input without a signal shows a
// dark picture labelled "NO SIGNAL".
#pragma once

#include "colour.h"
#include "picture.h"

namespace kxcard {

// Frame memory: square-pixel PAL, 24 bits per pixel.
constexpr int kFrameWidth = 768;
constexpr int kFrameHeight = 576;

struct TestPictureOptions {
    int source = 0;          // 0, 1 or 3
    unsigned frame = 0;      // frame counter shown and used for the motion
    bool verticalFlip = false;
    int shiftX = 0;          // display alignment, in pixels
    int shiftY = 0;
    bool noSignal = false;   // the input has no signal: a dark picture saying so
};

// The raw (unadjusted) test picture pixel at (x, y).
Pixel TestPicturePixel(const TestPictureOptions& options, int x, int y);

// Draws the picture into `out` (resized to the frame size) through `map`.
void DrawTestPicture(const TestPictureOptions& options, const ColourMap& map, Picture& out);

// Reads the frame counter back from a picture whose pixel (x, y) is frame
// memory pixel (x, y) (the label near the top-left corner must be inside):
// how tests and benchmarks see which frame a window shows.  False when the
// label is not there or not legible (covered, flipped, colour-adjusted).
bool ReadFrameCounter(const Picture& picture, unsigned& counter);

} // namespace kxcard
