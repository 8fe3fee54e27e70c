// The view's display modes (zoom factor, fit or pan, saved fit mode) and the
// placement each change asks for.
#pragma once

#include "video_placement.h"

class CDisplayModes {
public:
    int zoom() const { return zoom_; }
    bool nonFit() const { return nonFit_; }
    bool savedNonFit() const { return savedNonFit_; }
    void SetNonFit(bool on) { nonFit_ = on; }

    // What a zoom step asks of the caller: the main frame resized to its
    // aspect rule first (only with the aspect preference set), then a
    // placement in `mode`.
    struct Step {
        bool resizeFrame = false;
        PlaceMode mode = PlaceMode::Refit;
        bool place = false;
    };

    Step ToggleNonFit();
    Step ZoomIn(bool aspectPreference);
    Step ZoomOut(bool aspectPreference);
    Step ZoomOff();

    bool CanZoomIn() const { return zoom_ != 4; }
    bool CanZoomOut() const { return zoom_ != 1; }
    bool CanZoomOff() const { return zoom_ > 1; }
    bool CanToggleNonFit() const { return zoom_ == 1; }

private:
    int zoom_ = 1;
    bool nonFit_ = false;
    bool savedNonFit_ = false;
};
