// The progress meter control, window class "Meter": a bar with the
// percentage drawn across it, range and position kept in the window's data.
#pragma once
#include <windows.h>

namespace htfx {

enum : UINT {
    kMeterSetRange = WM_USER + 10,
    kMeterGetRange = WM_USER + 11,
    kMeterSetPosition = WM_USER + 12,
    kMeterGetPosition = WM_USER + 13
};

class CMeterControl {
public:
    static bool Register(HINSTANCE instance);
    static void Unregister(HINSTANCE instance);
    // Draws the meter into `client` of `dc`.
    static void Paint(HDC dc, const RECT& client, int range, int position);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT OnPaint(HWND window, WPARAM, LPARAM);
    static LRESULT OnSetRange(HWND window, WPARAM, LPARAM);
    static LRESULT OnGetRange(HWND window, WPARAM, LPARAM);
    static LRESULT OnSetPosition(HWND window, WPARAM, LPARAM);
    static LRESULT OnGetPosition(HWND window, WPARAM, LPARAM);

    struct Entry {
        UINT message;
        LRESULT (*handler)(HWND, WPARAM, LPARAM);
    };
    static const Entry kMessages[];
};

}  // namespace htfx
