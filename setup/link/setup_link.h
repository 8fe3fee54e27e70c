// The setup tool's command layer: one process-wide link with the setup
// dialect and the program's string table, and the signal-type reads and
// sets that keep the program's last-read signal type.
#pragma once

#include "overlay_link.h"
#include "signal_rules.h"

// The setup tool's link itself.
overlay::COverlayLink& SetupOverlayLink();

// Sends verb / format with `args`; 0 or the MCI error code.
template <class... Args>
MCIERROR SendOverlayCommand(unsigned verb, unsigned format, Args... args)
{
    return SetupOverlayLink().Send(verb, format, {overlay::OverlayArg(args)...});
}

// The n-th number (from 1) of the reply to the get command `format`; false
// when the command failed or its reply holds fewer numbers.
bool QueryNumber(unsigned format, int n, long& value);

// "close"; the device counts as closed afterwards, so a second close sends
// nothing.
void CloseOverlayDevice();

// The card's input and signal type.  Every read or set of the signal type
// replaces the last-read type (initially 0).
int ReadSourceNumber();
void SetSourceNumber(int source);
int ReadSignalType();  // -1 when the reply holds no type
void SetSignalType(int type);
int LastSignalType();

// The waits of the input probe and the signal check: one second, polled on
// the tick count.  In-process tests shorten it.
void SetSignalWaitMilliseconds(DWORD ms);

// The card as the probe and the signal check see it.
class CSignalCard final : public setup::ISignalCard {
public:
    void SetSource(int source) override { SetSourceNumber(source); }
    int ReadSignalType() override { return ::ReadSignalType(); }
    void SetSignalType(int type) override { ::SetSignalType(type); }
    void WaitOneSecond() override;
};
