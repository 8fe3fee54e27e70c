// The Finder of the dialogs that pick a window by dragging (Chroma Key,
// Export Video): its picture, 35 x 35 pixels in a frame 2 pixels larger on
// every side, drawn from bitmap 143 while idle and 144 while dragged, and
// the sunken frame around it in the system's button colours.
#pragma once
#include <windows.h>

namespace finder {

constexpr int kSize = 35;        // the Finder control
constexpr int kBitmapSize = 36;  // what is copied of its bitmap
constexpr int kFrameBorder = 2;  // a frame lies this far around its control
constexpr int kHighlightPen = 4; // the inverted frame on the window under it

// A control's rectangle in its dialog's client coordinates.
RECT ControlRect(HWND dialog, int id);
// Sizes the Finder control and lays its frame control around it.
void PlaceFinder(HWND dialog, int finderId, int frameId);
// Lays the frame control `frameId` around the control `controlId`.
void PlaceFrameAround(HWND dialog, int frameId, int controlId);
// Draws the owner-drawn Finder control.
void DrawFinder(const DRAWITEMSTRUCT& item, bool dragging);
// Paints the sunken frame at the place of the (hidden) frame control.
void PaintSunkenFrame(HDC dc, HWND dialog, int frameId);
// True when `point` (the dialog's client coordinates) lies on the Finder.
bool OnFinder(HWND dialog, int finderId, POINT point);

}  // namespace finder
