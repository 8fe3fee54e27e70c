// A window that shows the simulated card's live video the way the programs
// do: it paints its client area in the key colour, writes a line of text
// over it and names itself to the driver.  Keys 0, 1 and 3 choose the
// input, F freezes, U unfreezes, V flips the picture.
//   keyed_window_demo.exe [seconds]   (0 or nothing: until closed)
#include <windows.h>
#include <mmsystem.h>

#include <cstdlib>
#include <string>

namespace {

MCIERROR Send(const std::string& command) { return mciSendStringA(command.c_str(), nullptr, 0, nullptr); }

void Place(HWND wnd)
{
    RECT r;
    GetClientRect(wnd, &r);
    const std::string size = std::to_string(r.right) + " " + std::to_string(r.bottom);
    Send("set VCKX310 card type to 3");
    Send("put VCKX310 frame at 0 0 " + size + " deferred");
    Send("put VCKX310 source at 0 0 " + size + " deferred");
    Send("put VCKX310 destination");
}

LRESULT CALLBACK DemoProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    static bool flipped = false;
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(wnd, &r);
        HBRUSH key = CreateSolidBrush(RGB(255, 0, 255));
        FillRect(reinterpret_cast<HDC>(wp), &r, key);
        DeleteObject(key);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(wnd, &ps);
        SetBkMode(dc, TRANSPARENT);
        const char text[] = "Text drawn over the key colour stays on top";
        TextOutA(dc, 12, 12, text, sizeof text - 1);
        EndPaint(wnd, &ps);
        return 0;
    }
    case WM_SIZE: Place(wnd); return 0;
    case WM_CHAR:
        if (wp == '0' || wp == '1' || wp == '3')
            Send(std::string("set VCKX310 source number to ") + static_cast<char>(wp));
        else if (wp == 'f' || wp == 'F')
            Send("freeze VCKX310 ");
        else if (wp == 'u' || wp == 'U')
            Send("unfreeze VCKX310 ");
        else if (wp == 'v' || wp == 'V')
            Send((flipped = !flipped) ? "set VCKX310 vertical flip on" : "set VCKX310 vertical flip off");
        return 0;
    case WM_TIMER: DestroyWindow(wnd); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(wnd, msg, wp, lp);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR args, int show)
{
    if (MCIERROR rc = Send("open overlay alias VCKX310")) {
        char text[256] = {};
        mciGetErrorStringA(rc, text, sizeof text);
        MessageBoxA(nullptr, text, "Simulated card", MB_OK | MB_ICONSTOP);
        return 1;
    }
    WNDCLASSA wc{};
    wc.lpfnWndProc = DemoProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "KX310SimulatedCardDemo";
    RegisterClassA(&wc);
    HWND wnd = CreateWindowA(wc.lpszClassName, "Simulated card: live video", WS_OVERLAPPEDWINDOW, 40, 40, 560, 420,
                             nullptr, nullptr, instance, nullptr);
    Send("window VCKX310 handle " + std::to_string(reinterpret_cast<std::uintptr_t>(wnd)));
    ShowWindow(wnd, show);
    Place(wnd);
    if (int seconds = std::atoi(args))
        SetTimer(wnd, 1, seconds * 1000u, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    Send("close VCKX310 ");
    return 0;
}
