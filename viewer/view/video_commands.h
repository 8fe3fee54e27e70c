// The view's command sequences to the card, apart from the window so that
// the exact sequences can be checked.
#pragma once

#include "video_placement.h"

#include <windows.h>

// "set card type to 3", then "window handle <view>".
void SendViewWindow(HWND view);
// "window handle <view>" alone: the video comes back from an export.
void SendWindowHandle(HWND view);

// The placement sequence: card type 3, frame and source rectangles
// (deferred) and the destination that applies them; or, for an exported
// video, card type 2 and the destination.  Nothing for PlacementAction::None.
void SendPlacement(const Placement& placement);

void SendFreeze(bool frozen);
void SendInvert(bool inverted);
void SendSourceNumber(int source);
void SendKeyColor(COLORREF color);
void SendVideoKey(bool on);
