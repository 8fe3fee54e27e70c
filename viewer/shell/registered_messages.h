// The four window messages through which the viewer's windows, the window
// hook library, the setup tool and the overlay driver talk.  Registered once
// at program start, in this order; each number is kept here.
#pragma once
#include <windows.h>

extern UINT g_msgUpdateVideo;        // "MSGUpdateVideo": the watched window moved or went away
extern UINT g_msgFindClientPt;       // "MSGFindClientPt": a point pick ended
extern UINT g_msgVideoDeckSetup;     // "MSGVideoDeck&Setup": give up the device and end
extern UINT g_msgIndicatorSignal;    // "MSGIndicatorSignal": the driver's progress report

void RegisterViewerMessages();
