// The setup tool's dealings with the video signal that need no window: the
// input probe at start, the Video page's signal check, the string shown for
// a signal type and the input selector's item for a source number.
#pragma once

namespace setup {

constexpr int kNoSignal = -1;
// Source numbers of the three inputs, in the order the probe tries them.
constexpr int kProbeSources[3] = {0, 1, 3};

// What the rules ask of the card.
class ISignalCard {
public:
    virtual ~ISignalCard() = default;
    virtual void SetSource(int source) = 0;      // "set" "source number to"
    virtual int ReadSignalType() = 0;            // "get" "video", second number
    virtual void SetSignalType(int type) = 0;    // "set" "source to"
    virtual void WaitOneSecond() = 0;
};

// Tries inputs 0, 1 and S-Video in turn: an input whose signal type is not
// -1, and still not -1 a second later, is kept.  When none is, source
// number 0 is set.  Returns the source number left set.
int ProbeInputs(ISignalCard& card);

// The Video page's check, given the last signal type read before it: a new
// type that equals it, or is -1, is the answer; otherwise the type is read
// again a second later and, when there is still a signal, set.  A second
// read that finds no signal sets nothing and answers -1.
int CheckSignal(ISignalCard& card, int lastReadType);

// String entries of the signal types: 430 "NTSC" ... 435 "SECAM", 439
// "Unknown" for a negative (or unknown) type.
unsigned SignalTypeString(int type);

// The input selector's item for a source number: S-Video (3) is item 2,
// otherwise the item whose index is the source number.
int SourceItemIndex(int source);

}  // namespace setup
