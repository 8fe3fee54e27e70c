#include "bar_rules.h"

#include <algorithm>

namespace setup {

int ColorBarPageStep(int maximum)
{
    return maximum / 8;
}

int AlignBarPageStep(int maximum)
{
    return maximum >= 16 ? maximum / 16 : maximum / 2;
}

int ScrollTarget(int request, int current, int thumb, int maximum, int pageStep)
{
    switch (static_cast<ScrollRequest>(request)) {
    case ScrollRequest::LineLeft: return std::max(current - 1, 0);
    case ScrollRequest::LineRight: return std::min(current + 1, maximum);
    case ScrollRequest::PageLeft: return std::max(current - pageStep, 0);
    case ScrollRequest::PageRight: return std::min(current + pageStep, maximum);
    case ScrollRequest::ThumbPosition:
    case ScrollRequest::ThumbTrack: return thumb;
    case ScrollRequest::Left: return 0;
    case ScrollRequest::Right: return maximum;
    default: return current;
    }
}

}  // namespace setup
