#include "signal_rules.h"

namespace setup {

int ProbeInputs(ISignalCard& card)
{
    for (int source : kProbeSources) {
        card.SetSource(source);
        if (card.ReadSignalType() == kNoSignal)
            continue;
        card.WaitOneSecond();
        if (card.ReadSignalType() != kNoSignal)
            return source;
    }
    card.SetSource(0);
    return 0;
}

int CheckSignal(ISignalCard& card, int lastReadType)
{
    const int type = card.ReadSignalType();
    if (type == lastReadType || type == kNoSignal)
        return type;
    card.WaitOneSecond();
    const int again = card.ReadSignalType();
    // The signal went away during the wait: "source to -1" would tell the
    // card to decode no standard at all.
    if (again == kNoSignal)
        return kNoSignal;
    card.SetSignalType(again);
    return again;
}

unsigned SignalTypeString(int type)
{
    constexpr unsigned kFirstType = 430, kUnknown = 439;
    return type >= 0 && type <= 5 ? kFirstType + static_cast<unsigned>(type) : kUnknown;
}

int SourceItemIndex(int source)
{
    if (source == 3)
        return 2;
    if (source == 1)
        return 1;
    return source;
}

}  // namespace setup
