#include "video_commands.h"

#include "overlay_viewer.h"

using namespace overlay;

void SendViewWindow(HWND view)
{
    SendOverlayCommand(kVerbSet, kFmtCardType, 3);
    SendWindowHandle(view);
}

void SendWindowHandle(HWND view)
{
    SendOverlayCommand(kVerbWindow, kFmtHandle, view);
}

void SendPlacement(const Placement& p)
{
    switch (p.action) {
    case PlacementAction::None:
        return;
    case PlacementAction::Exported:
        SendOverlayCommand(kVerbSet, kFmtCardType, 2);
        SendOverlayCommand(kVerbPut, kFmtDestination);
        return;
    case PlacementAction::Place:
        SendOverlayCommand(kVerbSet, kFmtCardType, 3);
        SendOverlayCommand(kVerbPut, kFmtFrameAtDeferred, p.frame.x, p.frame.y, p.frame.w, p.frame.h);
        SendOverlayCommand(kVerbPut, kFmtSourceAtDeferred, p.source.x, p.source.y, p.source.w, p.source.h);
        SendOverlayCommand(kVerbPut, kFmtDestination);
        return;
    }
}

void SendFreeze(bool frozen)
{
    SendOverlayCommand(frozen ? kVerbFreeze : kVerbUnfreeze, kFmtNone);
}

void SendInvert(bool inverted)
{
    SendOverlayCommand(kVerbSet, inverted ? kFmtVerticalFlipOn : kFmtVerticalFlipOff);
}

void SendSourceNumber(int source)
{
    SendOverlayCommand(kVerbSet, kFmtSourceNumber, source);
}

void SendKeyColor(COLORREF color)
{
    SendOverlayCommand(kVerbSet, kFmtVideoKeyColor, static_cast<unsigned long>(color));
}

void SendVideoKey(bool on)
{
    SendOverlayCommand(kVerbSet, on ? kFmtVideoKeyOn : kFmtVideoKeyOff);
}
