// The rules of the two timed effects, without Windows: which input source
// rotation goes to next, how the interval's arrow bar and edit behave, and
// the strobe's alternation.
#pragma once
#include <string>

// The inputs that take part in source rotation.
struct RotationInputs {
    bool input0 = true;
    bool input1 = false;
    bool sVideo = false;
    int Count() const { return (input0 ? 1 : 0) + (input1 ? 1 : 0) + (sVideo ? 1 : 0); }
};

// The source after `current`: inputs go 0, 1, 3 (S-Video), 0, ..., skipping
// those that do not take part; any other number starts again at 0.  With
// no input taking part the answer is 0.
int NextRotationSource(int current, const RotationInputs& inputs);

// Intervals are tenths of a second, 1 to 99.
constexpr int kIntervalMin = 1;
constexpr int kIntervalMax = 99;

// The arrow bar beside an interval edit: line up, page up and top add 1,
// line down, page down and bottom take 1 away, within 1 to 99.  Codes are
// those of a vertical scroll bar; any other leaves the value.
int StepInterval(unsigned scrollCode, int value);

// An interval read from settings or typed: out of range gives `fallback`.
int CheckedInterval(int value, int fallback);

// What strobe sends at a tick: true = "unfreeze", false = "freeze"; the
// phase flips with every tick that sends.
struct StrobePhase {
    bool known = false;  // set from the view's freeze state at the first tick
    bool phase = false;
    // One tick: returns whether it sends "unfreeze" (else "freeze"); nothing
    // is sent (false returned in `sends`) while the user has frozen the picture.
    bool Tick(bool userFrozen, bool& sends);
};
