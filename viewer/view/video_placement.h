// Where the card's frame memory shows in the view: the arithmetic of the
// placement sequence, kept apart from the window so it is tested alone.
#pragma once

struct VideoRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const VideoRect& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
};

enum class PlaceMode { Refit, FitChange, Zoomed, Exported };

struct PlacementInput {
    int scrollX = 0, scrollY = 0;   // the view's scroll position
    int clientW = 0, clientH = 0;   // its client size
    int screenW = 0, screenH = 0;   // the screen size
    bool fullScreen = false;        // the main frame shows full screen
    bool exported = false;          // the video is exported to another window
    bool printing = false;
    int zoom = 1;                   // 1, 2 or 4
    bool nonFit = false;            // panning over the full frame memory
};

enum class PlacementAction {
    None,        // send nothing
    Exported,    // "card type to 2", then "put destination"
    Place,       // the full sequence with the rectangles below
};

struct Placement {
    PlacementAction action = PlacementAction::None;
    bool nonFit = false;            // the view's non-fit flag afterwards
    VideoRect frame, source;        // rectangles to send
    int totalW = 0, totalH = 0;     // the view's total scroll size
    int scrollX = 0, scrollY = 0;   // the scroll position, inside the new range
};

Placement ComputePlacement(PlaceMode mode, const PlacementInput& in);
