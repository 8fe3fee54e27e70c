// What the three setup pages share: the picture button, the "&Restore"
// button and the rules that tie it and the sheet's "&Save" button to the
// page's bars, and the light font of the hint texts.
#pragma once

#include "handles.h"
#include "message_table.h"
#include "property_page.h"
#include "resource.h"
#include "setting_bar.h"
#include "ui_bitmap_button.h"

#include <vector>

class CSetupPage : public framework::Routed<CSetupPage, framework::CPropertyPage> {
public:
    CSetupPage(UINT templateId, UINT pictureId) : Routed(templateId), pictureId_(pictureId) {}

    // Refreshes every bar; "&Restore" is enabled when one of them has been
    // moved since its value was first read.
    void RefreshBars();
    const CUIBitmapButton& Picture() const { return picture_; }

protected:
    virtual std::vector<CSettingBar*> Bars() = 0;

    // Takes the picture over, loads its bitmap and sizes it.
    void TakeOverPicture();
    // On Windows versions other than 4 the hint texts are drawn light.
    void UseLightFont(std::initializer_list<int> ids);
    void EnableSave();
    void EnableRestore(bool enable);

    LRESULT OnHScroll(const framework::Message& m);
    LRESULT OnDrawItem(const framework::Message& m);
    LRESULT OnSysColorChange(const framework::Message& m);
    void OnRestore();

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CSetupPage> kMessages[] = {
        {WM_HSCROLL, &CSetupPage::OnHScroll},
        {WM_DRAWITEM, &CSetupPage::OnDrawItem},
        {WM_SYSCOLORCHANGE, &CSetupPage::OnSysColorChange},
    };
    static constexpr framework::CommandEntry<CSetupPage> kCommands[] = {
        {IDC_RESTORE, BN_CLICKED, &CSetupPage::OnRestore},
    };

private:
    UINT pictureId_;
    CUIBitmapButton picture_;
    framework::GdiFont lightFont_;
};
