// The open of the overlay device that the viewer and the setup tool share:
// the walk over the driver entries of the system configuration, the open
// command, and what the walk reaches outside the process.  Each program
// names its own string entries and its own command link.
#pragma once
#include "overlay_link.h"

// The registered message by which the program that wants the device asks
// the other one (viewer or setup tool) to close it and end.
constexpr char kHandOverMessageName[] = "MSGVideoDeck&Setup";

constexpr UINT kIdsOpenCommand = 500;

// The string entries and buffer size of one program's open.
struct OverlayOpenEntries {
    UINT driverName;          // driver name searched for in the entries' values
    UINT openErrorCaption;    // caption of the failure message
    UINT couldNotInitialize;  // text of the failure message
    DWORD bufferSize;         // buffer of the key list and of each value
};

// Opens the device for `link`: every key of the "MCI" section (or "MCI32")
// whose name contains "overlay" and whose value contains the driver name is
// tried in turn.  `checkFree` (may be null) is asked before each open; false
// from it ends the walk with false.  When no open succeeds, the failure
// message is shown and false returned.
bool OpenOverlayDeviceFor(overlay::COverlayLink& link, const OverlayOpenEntries& entries,
                          bool (*checkFree)(const char* driverName));

// The Windows major version the device routines go by (from GetVersionExA,
// asked once).
DWORD OverlayWindowsMajorVersion();

// What the device routines reach outside the process; tests replace parts.
struct DeviceOpenEnvironment {
    const char* profileFile = "system.ini";
    MCIERROR(WINAPI* sendString)(LPCSTR, LPSTR, UINT, HWND) = mciSendStringA;
    DWORD majorVersion = 0;             // 0: as GetVersionExA reports
    const char* setupProgram = nullptr;  // null: string entry 373
};
// Installs an environment and returns the one in force before.
DeviceOpenEnvironment SetDeviceOpenEnvironment(const DeviceOpenEnvironment& environment);
const DeviceOpenEnvironment& CurrentDeviceOpenEnvironment();
