// The line-in dialog's arithmetic: scroll bar positions (0 at the top, 255 at
// the bottom; the top is full volume) against channel volumes, the steps of
// the scroll messages, and the device volume a bar move makes.
#pragma once
#include "scroll_position.h"
#include <cstdint>

namespace line_in {

constexpr int kBarMax = 255;
constexpr int kPageStep = 15;

inline int PositionFromVolume(uint32_t channelVolume)
{
    return kBarMax - static_cast<int>((channelVolume & 0xFFFF) / 256);
}

inline uint32_t VolumeFromPosition(int position)
{
    return static_cast<uint32_t>(kBarMax - position) * 256;
}

// The scroll requests of a vertical scroll bar: the settings dialogs' scroll
// codes under their up-and-down names.
enum ScrollRequest : unsigned {
    kLineUp = kScrollLineLeft,
    kLineDown = kScrollLineRight,
    kPageUp = kScrollPageLeft,
    kPageDown = kScrollPageRight,
    kThumbPosition = kScrollThumbPosition,
    kThumbTrack = kScrollThumbTrack,
    kTop = kScrollLeft,
    kBottom = kScrollRight,
};

// The position a scroll request leads to from `current` (the settings
// dialogs' rule over 0 to 255 with pages of 15); `thumb` is the position a
// thumb request carries, kept inside the bar.  Requests that move nothing
// keep the position.
int ScrollTarget(unsigned request, int current, int thumb);

enum class Channel { Left, Right, Both };

// What the device can do: separate left and right volumes, or one.
struct VolumeRules {
    bool separate = true;
    bool locked = false;
};

// Whether the device's current volume is needed to make the new one.
bool NeedsCurrentVolume(Channel channel, VolumeRules rules);

// The device volume after setting `channel` to `value` (a 16-bit channel
// volume, or the whole 32-bit volume for both): separate and unlocked, the
// channel's word changes; locked, both words take the value's low word.  A
// device with one volume gets the low word in both words, so that its own
// word (the low one) and both bars show it.
uint32_t ComposeVolume(Channel channel, uint32_t value, uint32_t current, VolumeRules rules);

}  // namespace line_in
