#include "setup_page.h"

#include "device_walk.h"

using framework::Message;

void CSetupPage::TakeOverPicture()
{
    picture_.TakeOver(hwnd_, IDC_PICTURE);
    if (!picture_.Load(pictureId_))
        OutputDebugStringA("kx310stw: a page picture could not be loaded\n");
    picture_.SizeToContent();
}

void CSetupPage::UseLightFont(std::initializer_list<int> ids)
{
    if (OverlayWindowsMajorVersion() == 4)
        return;
    LOGFONTA font{};
    HFONT dialogFont = reinterpret_cast<HFONT>(Send(WM_GETFONT));
    if (!dialogFont || !GetObjectA(dialogFont, sizeof font, &font))
        return;
    font.lfWeight = 300;
    lightFont_.reset(CreateFontIndirectA(&font));
    for (int id : ids)
        SendMessageA(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(lightFont_.get()), TRUE);
}

void CSetupPage::EnableSave()
{
    SetModified(true);
}

void CSetupPage::EnableRestore(bool enable)
{
    EnableWindow(Item(IDC_RESTORE), enable ? TRUE : FALSE);
}

void CSetupPage::RefreshBars()
{
    bool changed = false;
    for (CSettingBar* bar : Bars())
        changed = bar->Refresh() || changed;
    EnableRestore(changed);
}

LRESULT CSetupPage::OnHScroll(const Message& m)
{
    EnableSave();
    for (CSettingBar* bar : Bars())
        bar->Scroll(m.ScrollBar(), static_cast<int>(m.ScrollCode()), m.ScrollPos());
    EnableRestore(true);
    return 0;
}

LRESULT CSetupPage::OnDrawItem(const Message& m)
{
    const DRAWITEMSTRUCT* item = m.DrawItem();
    if (item->hwndItem != picture_.Handle())
        return Default(m);
    picture_.Draw(*item);
    return TRUE;
}

LRESULT CSetupPage::OnSysColorChange(const Message& m)
{
    if (!picture_.Load(pictureId_))
        OutputDebugStringA("kx310stw: a page picture could not be loaded\n");
    return Default(m);
}

void CSetupPage::OnRestore()
{
    for (CSettingBar* bar : Bars())
        bar->Restore();
    EnableSave();
    EnableRestore(false);
}
