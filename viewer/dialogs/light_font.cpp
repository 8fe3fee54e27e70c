#include "light_font.h"
#include "device_open.h"

namespace {
constexpr LONG kLightWeight = 300;
}

framework::GdiFont ApplyLightFont(HWND dialog, std::initializer_list<int> ids)
{
    framework::GdiFont light;
    if (OverlayWindowsMajorVersion() == 4)
        return light;
    LOGFONTA font{};
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    if (!dialogFont || !GetObjectA(dialogFont, sizeof font, &font))
        return light;
    font.lfWeight = kLightWeight;
    light.reset(CreateFontIndirectA(&font));
    for (int id : ids)
        SendDlgItemMessageA(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(light.get()), TRUE);
    return light;
}
