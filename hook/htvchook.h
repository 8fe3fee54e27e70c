// HTVCHOOK, the window hook library: follows a window of another program
// (a window-procedure hook on the thread that owns it) and posts the
// registered message "MSGUpdateVideo" to up to two windows of the caller:
// wParam 0 to the first when the window, or a window containing it, moved
// or changed size; wParam 1 to both when it went away or the session ends,
// after the watch has already been removed.
#pragma once

#include <windows.h>

extern "C" {
// Starts (install 1) or stops (any other value) following a window of another program.
DWORD WINAPI dllHook(HWND watched, HWND firstNotify, HWND secondNotify, int install);
LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam);
}
