// The rules of the setup tool's scroll bars that need no window: their page
// steps and where a scroll request moves the thumb.
#pragma once

namespace setup {

// The colour bars step an eighth of their range per page.
int ColorBarPageStep(int maximum);
// The alignment bars step a sixteenth, or half of a range below 16.
int AlignBarPageStep(int maximum);

// The requests of a horizontal scroll bar, numbered as the system numbers
// them (SB_LINELEFT ... SB_ENDSCROLL).
enum class ScrollRequest {
    LineLeft = 0,
    LineRight = 1,
    PageLeft = 2,
    PageRight = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
    Left = 6,
    Right = 7,
    EndScroll = 8,
};

// The new thumb position for `request` from `current` (0..maximum);
// `thumb` is the position a thumb request names.  Requests that do not
// move the bar give `current`.
int ScrollTarget(int request, int current, int thumb, int maximum, int pageStep);

}  // namespace setup
