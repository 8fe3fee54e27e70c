#include "cmd_ui.h"
#include <commctrl.h>

namespace framework {

CCmdUI CCmdUI::ForMenuItem(HMENU menu, UINT index, UINT id) { return CCmdUI(menu, index, nullptr, id); }

CCmdUI CCmdUI::ForToolBarButton(HWND toolBar, UINT id) { return CCmdUI(nullptr, 0, toolBar, id); }

void CCmdUI::Enable(bool on)
{
    enableSet_ = true;
    enabled_ = on;
    if (menu_)
        EnableMenuItem(menu_, index_, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
    else if (toolBar_)
        SendMessageA(toolBar_, TB_ENABLEBUTTON, id_, MAKELPARAM(on ? TRUE : FALSE, 0));
}

void CCmdUI::SetMenuMark(bool on, bool radio)
{
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    if (!GetMenuItemInfoA(menu_, index_, TRUE, &info))
        return;
    info.fType = radio ? (info.fType | MFT_RADIOCHECK) : (info.fType & ~MFT_RADIOCHECK);
    info.fState = on ? (info.fState | MFS_CHECKED) : (info.fState & ~MFS_CHECKED);
    SetMenuItemInfoA(menu_, index_, TRUE, &info);
}

void CCmdUI::SetCheck(int state)
{
    if (menu_)
        SetMenuMark(state != 0, false);
    else if (toolBar_)
        SendMessageA(toolBar_, TB_CHECKBUTTON, id_, MAKELPARAM(state != 0, 0));
}

void CCmdUI::SetRadio(bool on)
{
    if (menu_)
        SetMenuMark(on, true);
    else if (toolBar_)
        SendMessageA(toolBar_, TB_CHECKBUTTON, id_, MAKELPARAM(on, 0));
}

void CCmdUI::SetText(const char* text)
{
    if (!menu_)
        return;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(text);
    SetMenuItemInfoA(menu_, index_, TRUE, &info);
}

}  // namespace framework
