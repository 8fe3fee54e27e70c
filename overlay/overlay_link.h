// The one sender of overlay commands: assembles verb, alias and formatted
// arguments from the program's string table, sends them to the driver and
// reports a failure in an "MCI Error" box.
//
// The viewer and the setup tool each have one link; they differ only in the
// points their dialect lists (error box text, report switch, callback
// window).  Until the device is open the link sends nothing.
#pragma once

#include "overlay_args.h"
#include "overlay_transport.h"
#include "overlay_vocabulary.h"

#include <initializer_list>

namespace overlay {

struct OverlayDialect {
    unsigned errorCaptionEntry;
    bool commandTextInErrorBox;  // setup: "command\nerror text"; viewer: error text alone
    bool honoursReportSwitch;    // viewer: reports can be switched off
    bool silentFileInfo;         // viewer: the file-information query never raises a box
    bool passesCallbackWindow;   // viewer: SetIndicatorSignal names a callback window
    unsigned aliasLimit;         // characters allowed in the alias entry
    unsigned verbLimit;          // ... in a verb entry
    unsigned formatLimit;        // ... in a format entry
};

extern const OverlayDialect kViewerDialect;
extern const OverlayDialect kSetupDialect;

// Return values of the link itself (the driver's own codes pass through).
constexpr MCIERROR kMissingEntry = 1;  // a string entry could not be loaded
constexpr unsigned kCommandCapacity = 256;  // command text, terminator included

class COverlayLink {
public:
    COverlayLink(const OverlayDialect& dialect, HINSTANCE strings);
    COverlayLink(const COverlayLink&) = delete;
    COverlayLink& operator=(const COverlayLink&) = delete;

    // Sends verb `verb` with argument format `format` (0: none) filled with
    // `args`; returns 0 or an MCI error code.
    MCIERROR Send(unsigned verb, unsigned format, std::initializer_list<OverlayArg> args = {});

    const char* Reply() const { return reply_; }

    bool DeviceOpen() const { return deviceOpen_; }
    void SetDeviceOpen(bool open) { deviceOpen_ = open; }

    // Returns the previous state of the switch.
    bool ReportErrors(bool on);

    // The callback window handed to the driver with each command (viewer).
    void SetCallbackWindow(HWND window) { callback_ = window; }

    void SetStringModule(HINSTANCE strings) { strings_ = strings; }
    // Tests route commands elsewhere; nullptr restores winmm.
    void SetTransport(IOverlayTransport* transport);

private:
    bool LoadEntry(unsigned entry, unsigned limit, char* text, int capacity) const;
    MCIERROR Report(MCIERROR error, unsigned format, const char* command);

    const OverlayDialect& dialect_;
    HINSTANCE strings_;
    CWinmmTransport winmm_;
    IOverlayTransport* transport_;
    char reply_[kReplySize] = {};
    bool deviceOpen_ = false;
    bool reportErrors_ = true;
    HWND callback_ = nullptr;
};

}  // namespace overlay
