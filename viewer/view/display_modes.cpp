#include "display_modes.h"

CDisplayModes::Step CDisplayModes::ToggleNonFit()
{
    nonFit_ = !nonFit_;
    return {false, PlaceMode::FitChange, true};
}

CDisplayModes::Step CDisplayModes::ZoomIn(bool aspectPreference)
{
    if (!CanZoomIn())
        return {};
    Step step{false, PlaceMode::Zoomed, true};
    if (zoom_ == 1) {
        savedNonFit_ = nonFit_;
        step.resizeFrame = !savedNonFit_ && aspectPreference;
    }
    zoom_ *= 2;
    nonFit_ = true;  // a zoomed picture is always panned
    return step;
}

CDisplayModes::Step CDisplayModes::ZoomOut(bool aspectPreference)
{
    if (!CanZoomOut())
        return {};
    zoom_ /= 2;
    if (zoom_ > 1)
        return {false, PlaceMode::Zoomed, true};
    nonFit_ = savedNonFit_;
    if (nonFit_)
        return {false, PlaceMode::Zoomed, true};
    return {aspectPreference, PlaceMode::FitChange, true};
}

CDisplayModes::Step CDisplayModes::ZoomOff()
{
    nonFit_ = savedNonFit_;
    zoom_ = 1;
    return {false, PlaceMode::Refit, true};
}
