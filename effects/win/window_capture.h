// A window's client area copied from the screen.
#pragma once
#include <windows.h>

#include <memory>

#include "services.h"

namespace htfx {

// 0 with the capture, or 4 when the client area is empty or off the screen,
// or the copy fails.
int CaptureClientArea(HWND window, std::unique_ptr<WindowCapture>* capture);

}  // namespace htfx
