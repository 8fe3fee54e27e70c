// The frame that marks a window picked by dragging or clicking: a rectangle
// over the window's whole area drawn in the window's own device context with
// the raster mode that inverts the screen, an inside-frame pen and a hollow
// brush.  Drawing it a second time removes it.
#pragma once
#include <windows.h>

namespace framework {

void DrawInvertedFrame(HWND window, int penWidth);

}  // namespace framework
