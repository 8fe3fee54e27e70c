// Starting and ending the watch, shared by dllHook and the hook procedure.
#pragma once

#include <windows.h>

namespace htvchook {

// Removes the hook, if one is installed, and clears the hook and the
// watched window; the removal's result, or 0 when nothing was watched.
DWORD StopWatch();

// True when `window` is the watched window or one of its ancestors.
bool IsWatchedOrAncestor(HWND window);

} // namespace htvchook
