// Keeps the Wine session's virtual desktop up.  Wine closes a desktop a
// moment after the last program using it has ended, and opens a new one for
// the next program; between two tests the desktop would come and go.  This
// program uses the desktop (one hidden window) and waits until the session
// ends its wineserver.  Being a plain program, it also opens the desktop the
// way every test program would: through the prefix's own desktop setting.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
