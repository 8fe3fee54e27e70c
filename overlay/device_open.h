// Opening the overlay device: the driver entry of the system configuration,
// the test whether another program holds the driver, the hand-over from the
// setup tool, and the start of the setup tool.
#pragma once
#include "device_walk.h"

// String entries these routines read from the program's table.
constexpr UINT kIdsDriverName = 372;         // driver name, also the driver file's stem
constexpr UINT kIdsSetupProgram = 373;       // the setup tool's executable
constexpr UINT kIdsSetupWindowClass = 374;   // the setup tool's main window class
constexpr UINT kIdsHandOverMarker = 375;     // marker on the setup tool's command line
constexpr UINT kIdsOpenErrorCaption = 341;
constexpr UINT kIdsCouldNotInitialize = 342;
constexpr UINT kIdsDriverInUse = 347;
constexpr UINT kIdsOpenSetupCaption = 352;
constexpr UINT kIdsOpenSetupQuestion = 353;

// Opens the device under its alias.  True: the device is open; false: the
// user has been told why not and the program must end.  A text given is
// cleared to empty.
bool OpenOverlayDevice(char* text = nullptr);
// True when the open may go on (the driver is free, or the setup tool has
// been asked to give it up); false when another program holds it (the user
// has been told).
bool CheckDriverFree(const char* driverName);
// Offers to start the setup tool.  True when nothing more is to be done (the
// user declined, or the tool started); false when it could not be started.
bool LaunchSetupTool();
