// The registered message the library posts, and what its wParam says.
#pragma once

#include <windows.h>

namespace htvchook {

constexpr char kUpdateVideoMessage[] = "MSGUpdateVideo";
constexpr WPARAM kWindowMoved = 0;   // to the first notify window
constexpr WPARAM kWatchEnded = 1;    // to both, after the watch was removed

} // namespace htvchook
