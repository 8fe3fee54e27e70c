#include "timed_effects_rules.h"

namespace {

// The vertical scroll bar's notification codes.
constexpr unsigned kLineUp = 0, kLineDown = 1, kPageUp = 2, kPageDown = 3, kTop = 6, kBottom = 7;

bool TakesPart(int source, const RotationInputs& in)
{
    switch (source) {
    case 0: return in.input0;
    case 1: return in.input1;
    case 3: return in.sVideo;
    default: return false;
    }
}

}  // namespace

int NextRotationSource(int current, const RotationInputs& inputs)
{
    if (inputs.Count() == 0)
        return 0;
    // 1 goes to 3 (there is no input 2), 3 and anything above wraps to 0.
    int source = current == 1 ? 3 : current + 1;
    if (source < 0 || source > 3)
        source = 0;
    // Each of the three inputs is looked at once at most before one that
    // takes part is found.
    for (int tries = 0; tries < 4 && !TakesPart(source, inputs); ++tries)
        source = source == 0 ? 1 : source == 1 ? 3 : 0;
    return source;
}

int StepInterval(unsigned code, int value)
{
    switch (code) {
    case kLineUp:
    case kPageUp:
    case kTop: return value + 1 > kIntervalMax ? kIntervalMax : value + 1;
    case kLineDown:
    case kPageDown:
    case kBottom: return value - 1 < kIntervalMin ? kIntervalMin : value - 1;
    default: return value;
    }
}

int CheckedInterval(int value, int fallback)
{
    return value >= kIntervalMin && value <= kIntervalMax ? value : fallback;
}

bool StrobePhase::Tick(bool userFrozen, bool& sends)
{
    if (!known) {
        phase = userFrozen;
        known = true;
    }
    sends = !userFrozen;
    if (!sends)
        return false;
    const bool unfreeze = !phase;
    phase = !phase;
    return unfreeze;
}
