// Vector versions of the hottest row loops (mirroring, and composing by one
// exact key per stream), used when the processor has SSSE3 (checked at run
// time).  Each handles whole blocks of 16 pixels and returns how many pixels
// it did; the caller does the rest pixel by pixel, with the same results.
#pragma once
#include <cstdint>

namespace htfx {

// Vector paths are in use (the processor has them and they are not switched off).
bool VectorRowsEnabled();
// Switches the vector paths off or back on (for comparisons in tests).
void EnableVectorRows(bool enabled);

// Mirrors 3-byte pixels from `source` into `target` (not overlapping): the
// first `done` target pixels are the last `done` source pixels reversed.
int MirrorBlocks3(const uint8_t* source, uint8_t* target, int pixels);

// Exchanges two rows of 3-byte pixels (not overlapping), each reversed: the
// first `done` pixels of `p` and the last `done` pixels of `q`.
int MirrorSwapBlocks3(uint8_t* p, uint8_t* q, int pixels);

// Composes pixels by one exact key per stream; `mode` 0: A's key only,
// 1: B's key only, 2: both (see the overlay's rules).
int ComposeExactBlocks(int mode, const uint8_t* a, const uint8_t* b, uint8_t* out, int pixels, const uint8_t* key_a,
                       const uint8_t* key_b);

}  // namespace htfx
