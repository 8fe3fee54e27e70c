// "Color Settings" (template 104): hue, brightness, saturation and contrast
// of the card's picture on four bars that act at once, so that the live
// video shows each step while the user drags.  The ranges are asked from the
// driver at every opening.  OK keeps what the card has now; Cancel (also
// Escape and the close box) sends the four opening values back.
#pragma once
#include "colour_controls.h"
#include "button_face.h"
#include "dialog.h"
#include "handles.h"
#include "resource.h"

class CColorSettingsDlg : public framework::Routed<CColorSettingsDlg, framework::CDialog> {
public:
    explicit CColorSettingsDlg(HWND parent = nullptr) : Routed(IDD_COLOR_SETTINGS, parent) {}

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    LRESULT OnHScroll(const framework::Message& m);
    LRESULT OnControlColour(const framework::Message& m);

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CColorSettingsDlg> kMessages[] = {
        {WM_HSCROLL, &CColorSettingsDlg::OnHScroll},
        {WM_CTLCOLORDLG, &CColorSettingsDlg::OnControlColour},
        {WM_CTLCOLORSTATIC, &CColorSettingsDlg::OnControlColour},
        {WM_CTLCOLORBTN, &CColorSettingsDlg::OnControlColour},
        {WM_CTLCOLORSCROLLBAR, &CColorSettingsDlg::OnControlColour},
    };

private:
    // The row of the table whose bar is `bar`; null for any other control.
    ColourControlRow* RowOf(HWND bar) const;
    void ShowValue(const ColourControlRow& row, int value);

    framework::CButtonFace face_;
};
