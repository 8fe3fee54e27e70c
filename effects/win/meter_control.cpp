#include "meter_control.h"

#include <cstring>

#include "meter_geometry.h"
#include "module.h"

namespace htfx {

namespace {

const char kMeterClass[] = "Meter";
const COLORREF kBlue = RGB(0, 0, 255);

int Range(HWND window)
{
    return LOWORD(GetWindowLongA(window, 0));
}

int Position(HWND window)
{
    return HIWORD(GetWindowLongA(window, 0));
}

void Store(HWND window, int range, int position)
{
    SetWindowLongA(window, 0, LONG(MAKELONG(WORD(range), WORD(position))));
    InvalidateRect(window, nullptr, FALSE);
}

}  // namespace

const CMeterControl::Entry CMeterControl::kMessages[] = {
    {WM_PAINT, &CMeterControl::OnPaint},
    {kMeterSetRange, &CMeterControl::OnSetRange},
    {kMeterGetRange, &CMeterControl::OnGetRange},
    {kMeterSetPosition, &CMeterControl::OnSetPosition},
    {kMeterGetPosition, &CMeterControl::OnGetPosition},
};

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
    for (const Entry& entry : kMessages)
        if (entry.message == message)
            return entry.handler(window, wparam, lparam);
    return DefWindowProcA(window, message, wparam, lparam);
}

LRESULT CMeterControl::OnPaint(HWND window, WPARAM, LPARAM)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HGDIOBJ font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(GetParent(window), WM_GETFONT, 0, 0)));
    Paint(dc, client, Range(window), Position(window));
    if (font)
        SelectObject(dc, font);
    EndPaint(window, &paint);
    return 0;
}

LRESULT CMeterControl::OnSetRange(HWND window, WPARAM wparam, LPARAM)
{
    Store(window, LOWORD(wparam), Position(window));
    return 0;
}

LRESULT CMeterControl::OnGetRange(HWND window, WPARAM, LPARAM)
{
    return Range(window);
}

LRESULT CMeterControl::OnSetPosition(HWND window, WPARAM wparam, LPARAM)
{
    Store(window, Range(window), LOWORD(wparam));
    return 0;
}

LRESULT CMeterControl::OnGetPosition(HWND window, WPARAM, LPARAM)
{
    return Position(window);
}

}  // namespace htfx
