#include "line_in_volume.h"
#include <algorithm>

namespace line_in {

int ScrollTarget(unsigned request, int current, int thumb)
{
    int target = current;
    switch (request) {
    case kLineUp: target = current - 1; break;
    case kLineDown: target = current + 1; break;
    case kPageUp: target = current - kPageStep; break;
    case kPageDown: target = current + kPageStep; break;
    case kThumbPosition:
    case kThumbTrack: target = thumb; break;
    case kTop: target = 0; break;
    case kBottom: target = kBarMax; break;
    default: break;
    }
    return std::clamp(target, 0, kBarMax);
}

bool NeedsCurrentVolume(Channel channel, VolumeRules rules)
{
    return rules.separate && !rules.locked && channel != Channel::Both;
}

uint32_t ComposeVolume(Channel channel, uint32_t value, uint32_t current, VolumeRules rules)
{
    if (!rules.separate || rules.locked) {
        uint32_t low = value & 0xFFFF;
        return low | (low << 16);
    }
    switch (channel) {
    case Channel::Left: return (current & 0xFFFF0000u) | (value & 0xFFFF);
    case Channel::Right: return (current & 0x0000FFFFu) | ((value & 0xFFFF) << 16);
    case Channel::Both: break;
    }
    return value;
}

}  // namespace line_in
