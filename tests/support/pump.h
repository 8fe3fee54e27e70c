// Test support: handling this thread's messages for a while, as a program's
// message loop would, so that windows under test answer meanwhile.
#pragma once

#include <windows.h>

namespace kxtest {

// Handles this thread's pending messages for about `ms` milliseconds.
inline void Pump(DWORD ms = 50)
{
    DWORD end = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

}  // namespace kxtest
