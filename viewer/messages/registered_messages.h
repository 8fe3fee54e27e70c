// The four window messages through which the viewer's windows, the window
// hook library, the setup tool and the overlay driver talk, registered once
// at program start in this order, and typed views of what each carries, so
// that no handler reads wParam or lParam itself.
#pragma once
#include "message.h"
#include <windows.h>
#include <optional>

extern UINT g_msgUpdateVideo;        // "MSGUpdateVideo": the watched window moved or went away
extern UINT g_msgFindClientPt;       // "MSGFindClientPt": a point pick ended
extern UINT g_msgVideoDeckSetup;     // "MSGVideoDeck&Setup": give up the device and end
extern UINT g_msgIndicatorSignal;    // "MSGIndicatorSignal": the driver's progress report

void RegisterViewerMessages();

// "MSGUpdateVideo", posted by the window hook library: wParam 0 when the
// watched window (or a window around it) moved or changed size, 1 when it
// went away and the watch has ended.
struct UpdateVideoMessage {
    enum Change : WPARAM { kMoved = 0, kGone = 1 };
    explicit UpdateVideoMessage(const framework::Message& m) : windowGone(m.wParam != kMoved) {}
    bool windowGone;
};

// "MSGFindClientPt", posted by the point picker when a pick ends: wParam 1
// with lParam the address of the picked point (client coordinates of the
// picked window), or wParam 0 and lParam 0 when the pick was cancelled.
struct FindClientPtMessage {
    enum Outcome : WPARAM { kCancelled = 0, kPicked = 1 };
    explicit FindClientPtMessage(const framework::Message& m);
    // Posts the end of a pick to `to`: the point's address, or none.
    static void Post(HWND to, const POINT* picked);
    std::optional<POINT> point;  // none: cancelled
};

// "MSGIndicatorSignal", sent by the driver during long operations: wParam
// is the progress in hundredths of a level (the level runs from 0 to 10).
struct IndicatorSignalMessage {
    static constexpr WPARAM kPerLevel = 100;
    explicit IndicatorSignalMessage(const framework::Message& m) : level(static_cast<int>(m.wParam / kPerLevel)) {}
    int level;
};
