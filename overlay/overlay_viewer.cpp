#include "overlay_viewer.h"

overlay::COverlayLink& ViewerOverlayLink()
{
    static overlay::COverlayLink link(overlay::kViewerDialect, GetModuleHandleA(nullptr));
    return link;
}

bool ShowOverlayErrors(bool on)
{
    return ViewerOverlayLink().ReportErrors(on);
}

void SetIndicatorSignal(UINT message, HWND window)
{
    overlay::COverlayLink& link = ViewerOverlayLink();
    link.SetCallbackWindow(window);
    link.Send(overlay::kVerbSet, overlay::kFmtIndicatorSignal, {overlay::OverlayArg(message)});
    link.SetCallbackWindow(nullptr);
    link.Send(overlay::kVerbSet, overlay::kFmtIndicatorInterval, {overlay::OverlayArg(100)});
}

const char* OverlayReply()
{
    return ViewerOverlayLink().Reply();
}

void SetOverlayDeviceOpen()
{
    ViewerOverlayLink().SetDeviceOpen(true);
}

bool IsOverlayDeviceOpen()
{
    return ViewerOverlayLink().DeviceOpen();
}
