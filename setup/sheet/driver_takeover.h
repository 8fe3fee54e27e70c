// The setup tool's side of the hand-over: when the viewer holds the driver,
// it is asked to give it up before the setup tool opens the device.
#pragma once

#include <windows.h>

// True to go on with the open (the driver is free, or the viewer has given
// it up); false when a program that is not the viewer holds it (the user
// has been told).  `startedByViewer` is set when the viewer held the driver
// and this program's command line carries the viewer's marker.
bool TakeOverDriver(bool& startedByViewer);

// The driver file whose exclusive open tells whether the driver is held.
const char* DriverFileSuffix();
