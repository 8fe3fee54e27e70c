// The main frame's size rules as plain arithmetic, without windows, so that
// they are tested natively: the full-screen rectangle, the 4:3 video area,
// and the window fitted to a loaded picture.
#pragma once
#include "window_placement.h"

// The system metrics the rules use.
struct FrameMetrics {
    int frameW = 0, frameH = 0;    // sizing frame (SM_CXFRAME, SM_CYFRAME)
    int edgeW = 0, edgeH = 0;      // three-dimensional edge (SM_CXEDGE, SM_CYEDGE)
    int captionH = 0;              // SM_CYCAPTION
    int menuH = 0;                 // SM_CYMENU
    int screenW = 0, screenH = 0;  // SM_CXSCREEN, SM_CYSCREEN
};

// The frame rectangle whose client area covers the screen, with borders,
// caption and menu just outside it.
WindowBox FullScreenBox(const FrameMetrics& m);

// The 4:3 rule for the video area: the frame's size less `extra` (bars,
// menu, caption, borders) keeps width:height = 4:3 (single-precision 4/3,
// rounded to the nearest pixel).
struct AspectExtra {
    int width = 0, height = 0;
};
int WidthFromHeight(int height, AspectExtra extra);
int HeightFromWidth(int width, AspectExtra extra);

// Which dimension leads while the user drags: the one that changed more
// since the last size; on a tie the width leads.
enum class LeadingSide { Width, Height };
LeadingSide LeadingDimension(int widthChange, int heightChange);

// A proposed frame size with the rule applied by the leading dimension.
struct FrameSize {
    int width = 0, height = 0;
    bool operator==(const FrameSize& o) const { return width == o.width && height == o.height; }
};
FrameSize KeepAspect(FrameSize proposed, FrameSize previous, AspectExtra extra);

// The tracking limits made consistent with the rule: no smaller height than
// the extra height, the minimum height from the minimum width and the
// maximum width from the maximum height.
struct TrackingLimits {
    FrameSize minimum, maximum;
};
TrackingLimits AspectTrackingLimits(TrackingLimits proposed, AspectExtra extra);

// The window fitted to a picture of `pictureW` x `pictureH`.
struct FitInput {
    int pictureW = 0, pictureH = 0;
    AspectExtra extra;
    int workW = 0, workH = 0;     // the work area's size (the maximised frame)
    int screenW = 0, screenH = 0;
    bool centre = false;          // the centre-window preference
    int normalLeft = 0, normalTop = 0;  // the current normal position
    int frameW = 0, frameH = 0;   // sizing frame, for the negative-position rule
};
struct FitResult {
    bool maximise = false;        // the picture fills the work area: maximise instead
    WindowBox normal{0, 0, 0, 0}; // otherwise the new normal rectangle
};
FitResult FitToPicture(const FitInput& in);
