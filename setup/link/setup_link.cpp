#include "setup_link.h"

#include "reply_numbers.h"

namespace {

int lastSignalType = 0;
DWORD signalWait = 1000;

}  // namespace

overlay::COverlayLink& SetupOverlayLink()
{
    static overlay::COverlayLink link(overlay::kSetupDialect, GetModuleHandleA(nullptr));
    return link;
}

bool QueryNumber(unsigned format, int n, long& value)
{
    overlay::COverlayLink& link = SetupOverlayLink();
    if (!link.DeviceOpen() || link.Send(overlay::kVerbGet, format) != 0)
        return false;
    return setup::ReplyNumber(link.Reply(), n, value);
}

void CloseOverlayDevice()
{
    SendOverlayCommand(overlay::kVerbClose, overlay::kFmtNone);
    SetupOverlayLink().SetDeviceOpen(false);
}

int ReadSourceNumber()
{
    long source = 0;
    return QueryNumber(overlay::kFmtVideo, 1, source) ? static_cast<int>(source) : 0;
}

void SetSourceNumber(int source)
{
    SendOverlayCommand(overlay::kVerbSet, overlay::kFmtSourceNumber, source);
}

int ReadSignalType()
{
    long type = setup::kNoSignal;
    if (!QueryNumber(overlay::kFmtVideo, 2, type))
        type = setup::kNoSignal;
    lastSignalType = static_cast<int>(type);
    return lastSignalType;
}

void SetSignalType(int type)
{
    SendOverlayCommand(overlay::kVerbSet, overlay::kFmtSourceTo, type);
    lastSignalType = type;
}

int LastSignalType()
{
    return lastSignalType;
}

void SetSignalWaitMilliseconds(DWORD ms)
{
    signalWait = ms;
}

void CSignalCard::WaitOneSecond()
{
    // The sheet does not answer during the wait, as the card needs the
    // second to lock on to the signal.
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < signalWait)
        Sleep(10);
}
