// The viewer's command layer: one process-wide link with the viewer's
// dialect and string table, reached through free functions.
#pragma once

#include "overlay_link.h"

// Sends verb / format with `args` (ints, unsigned longs, texts, window
// handles for "handle %d", buffer pointers for "address %lu").
template <class... Args>
MCIERROR SendOverlayCommand(unsigned verb, unsigned format, Args... args);

// Turns the "MCI Error" boxes on or off; returns the previous state.
bool ShowOverlayErrors(bool on);

// Tells the driver which message to post to `window` during long
// operations, then sets the signalling interval.
void SetIndicatorSignal(UINT message, HWND window);

// The driver's reply to the last command (256 bytes, always terminated).
const char* OverlayReply();

void SetOverlayDeviceOpen();
bool IsOverlayDeviceOpen();

// The viewer's link itself, for the layer's own use and for tests.
overlay::COverlayLink& ViewerOverlayLink();

template <class... Args>
MCIERROR SendOverlayCommand(unsigned verb, unsigned format, Args... args)
{
    return ViewerOverlayLink().Send(verb, format, {overlay::OverlayArg(args)...});
}
