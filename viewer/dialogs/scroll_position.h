// Where a scroll bar control goes for one scroll notification, as the
// settings dialogs move their bars: a line is 1, a page the row's step, the
// thumb goes where it is dragged, left and right are the ends.
#pragma once

// The notification codes of a horizontal scroll bar.
enum ScrollCode : unsigned {
    kScrollLineLeft = 0,
    kScrollLineRight = 1,
    kScrollPageLeft = 2,
    kScrollPageRight = 3,
    kScrollThumbPosition = 4,
    kScrollThumbTrack = 5,
    kScrollLeft = 6,
    kScrollRight = 7,
};

struct ScrollRange {
    int minimum;
    int maximum;
    int page;
};

// The new position for `code` from `present`; `thumb` is the position the
// thumb notifications carry.  Other codes (end of scroll) leave it.
int ScrolledPosition(unsigned code, int present, int thumb, const ScrollRange& range);
