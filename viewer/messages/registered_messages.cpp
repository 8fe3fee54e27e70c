#include "registered_messages.h"
#include "device_open.h"

UINT g_msgUpdateVideo = 0;
UINT g_msgFindClientPt = 0;
UINT g_msgVideoDeckSetup = 0;
UINT g_msgIndicatorSignal = 0;

void RegisterViewerMessages()
{
    g_msgUpdateVideo = RegisterWindowMessageA("MSGUpdateVideo");
    g_msgFindClientPt = RegisterWindowMessageA("MSGFindClientPt");
    g_msgVideoDeckSetup = RegisterWindowMessageA(kHandOverMessageName);
    g_msgIndicatorSignal = RegisterWindowMessageA("MSGIndicatorSignal");
}

FindClientPtMessage::FindClientPtMessage(const framework::Message& m)
{
    // The point lives in the picker of this process until the message is handled.
    if (m.wParam == kPicked && m.lParam != 0)
        point = *reinterpret_cast<const POINT*>(m.lParam);
}

void FindClientPtMessage::Post(HWND to, const POINT* picked)
{
    PostMessageA(to, g_msgFindClientPt, picked ? kPicked : kCancelled, reinterpret_cast<LPARAM>(picked));
}
