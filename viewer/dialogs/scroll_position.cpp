#include "scroll_position.h"

#include <algorithm>

int ScrolledPosition(unsigned code, int present, int thumb, const ScrollRange& r)
{
    switch (code) {
    case kScrollLineLeft: return std::max(present - 1, r.minimum);
    case kScrollLineRight: return std::min(present + 1, r.maximum);
    case kScrollPageLeft: return std::max(present - r.page, r.minimum);
    case kScrollPageRight: return std::min(present + r.page, r.maximum);
    case kScrollThumbPosition:
    case kScrollThumbTrack: return thumb;
    case kScrollLeft: return r.minimum;
    case kScrollRight: return r.maximum;
    default: return present;
    }
}
