#include "line_in_volume.h"
#include <algorithm>

namespace line_in {

int ScrollTarget(unsigned request, int current, int thumb)
{
    return std::clamp(ScrolledPosition(request, current, thumb, ScrollRange{0, kBarMax, kPageStep}), 0, kBarMax);
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
