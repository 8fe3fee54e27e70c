// The progress meter control, window class "Meter": a bar with the
// percentage drawn across it, range and position kept in the window's data.
#pragma once
#include <windows.h>

#include "message.h"
#include "message_table.h"

namespace htfx {

// The meter's messages; each carries its value (0..65535) in the low word of
// the first parameter.
enum : UINT {
    kMeterSetRange = WM_USER + 10,
    kMeterGetRange = WM_USER + 11,
    kMeterSetPosition = WM_USER + 12,
    kMeterGetPosition = WM_USER + 13
};

// The value a meter message carries, and a meter message sent with one.
inline int MeterValue(const framework::Message& m)
{
    return LOWORD(m.wParam);
}
inline LRESULT SendMeter(HWND meter, UINT message, int value)
{
    return SendMessageA(meter, message, WPARAM(LOWORD(value)), 0);
}

// The meter's state lives in the window's own data, so the object that takes
// one message is made for that message only.
class CMeterControl : public framework::Routed<CMeterControl, framework::CCmdTarget> {
public:
    static bool Register(HINSTANCE instance);
    static void Unregister(HINSTANCE instance);
    // Draws the meter into `client` of `dc`.
    static void Paint(HDC dc, const RECT& client, int range, int position);

protected:
    LRESULT OnPaint(const framework::Message& m);
    LRESULT OnSetRange(const framework::Message& m);
    LRESULT OnGetRange(const framework::Message& m);
    LRESULT OnSetPosition(const framework::Message& m);
    LRESULT OnGetPosition(const framework::Message& m);

public:
    static constexpr framework::MessageEntry<CMeterControl> kMessages[] = {
        {WM_PAINT, &CMeterControl::OnPaint},
        {kMeterSetRange, &CMeterControl::OnSetRange},
        {kMeterGetRange, &CMeterControl::OnGetRange},
        {kMeterSetPosition, &CMeterControl::OnSetPosition},
        {kMeterGetPosition, &CMeterControl::OnGetPosition},
    };

private:
    explicit CMeterControl(HWND window) : window_(window) {}
    int Range() const;
    int Position() const;
    void Store(int range, int position);
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    HWND window_;
};

}  // namespace htfx
