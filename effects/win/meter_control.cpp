#include "meter_control.h"

#include <cstring>

#include "handles.h"
#include "meter_geometry.h"

namespace htfx {

namespace {

const char kMeterClass[] = "Meter";
const COLORREF kBlue = RGB(0, 0, 255);

}  // namespace

int CMeterControl::Range() const
{
    return LOWORD(GetWindowLongA(window_, 0));
}

int CMeterControl::Position() const
{
    return HIWORD(GetWindowLongA(window_, 0));
}

void CMeterControl::Store(int range, int position)
{
    SetWindowLongA(window_, 0, LONG(MAKELONG(WORD(range), WORD(position))));
    InvalidateRect(window_, nullptr, FALSE);
}

bool CMeterControl::Register(HINSTANCE instance)
{
    WNDCLASSA meter{};
    meter.style = CS_HREDRAW | CS_VREDRAW;
    meter.lpfnWndProc = Procedure;
    meter.cbWndExtra = 4;
    meter.hInstance = instance;
    meter.hCursor = LoadCursor(nullptr, IDC_ARROW);
    meter.hbrBackground = nullptr;
    meter.lpszClassName = kMeterClass;
    return RegisterClassA(&meter) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void CMeterControl::Unregister(HINSTANCE instance)
{
    UnregisterClassA(kMeterClass, instance);
}

void CMeterControl::Paint(HDC dc, const RECT& client, int range, int position)
{
    const int width = client.right - client.left;
    const MeterFigures figures = MeterFor(range, position, width);
    char text[16];
    MeterText(figures.percent, text, sizeof text);
    const int length = int(std::strlen(text));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text, length, &extent);
    const int x = client.left + (width - extent.cx) / 2;
    const int y = client.top + (client.bottom - client.top - extent.cy) / 2;
    RECT filled = client, rest = client;
    filled.right = client.left + figures.filled_width;
    rest.left = filled.right;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    // Each part draws the same centred text, clipped to itself, so the text
    // changes colour where the bar ends.
    SetBkColor(dc, kBlue);
    SetTextColor(dc, face);
    ExtTextOutA(dc, x, y, ETO_CLIPPED | ETO_OPAQUE, &filled, text, UINT(length), nullptr);
    SetBkColor(dc, face);
    SetTextColor(dc, kBlue);
    ExtTextOutA(dc, x, y, ETO_CLIPPED | ETO_OPAQUE, &rest, text, UINT(length), nullptr);
}

LRESULT CALLBACK CMeterControl::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    CMeterControl meter(window);
    LRESULT result = 0;
    if (meter.HandleMessage(framework::Message{window, message, wparam, lparam}, result))
        return result;
    return DefWindowProcA(window, message, wparam, lparam);
}

LRESULT CMeterControl::OnPaint(const framework::Message&)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT client;
    GetClientRect(window_, &client);
    {
        const framework::SelectedObject font(
            dc, reinterpret_cast<HGDIOBJ>(SendMessageA(GetParent(window_), WM_GETFONT, 0, 0)));
        Paint(dc, client, Range(), Position());
    }
    EndPaint(window_, &paint);
    return 0;
}

LRESULT CMeterControl::OnSetRange(const framework::Message& m)
{
    Store(MeterValue(m), Position());
    return 0;
}

LRESULT CMeterControl::OnGetRange(const framework::Message&)
{
    return Range();
}

LRESULT CMeterControl::OnSetPosition(const framework::Message& m)
{
    Store(Range(), MeterValue(m));
    return 0;
}

LRESULT CMeterControl::OnGetPosition(const framework::Message&)
{
    return Position();
}

}  // namespace htfx
