// The Color page: hue, brightness, saturation and contrast, remembered per
// input, and the input selector with the signal type.
#pragma once

#include "color_bar.h"
#include "setup_page.h"
#include "signal_text.h"
#include "source_combo.h"

class CMyColorPg : public framework::Routed<CMyColorPg, CSetupPage> {
public:
    CMyColorPg() : Routed(IDD_COLOR_PAGE, IDB_PAGE_PICTURE) {}

    CColorBar& HueBar() { return hue_; }

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    std::vector<CSettingBar*> Bars() override { return {&hue_, &brightness_, &contrast_, &saturation_}; }

    void OnInputChosen();
    LRESULT OnHelp(const framework::Message& m);

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CMyColorPg> kMessages[] = {
        {WM_HELP, &CMyColorPg::OnHelp},
    };
    static constexpr framework::CommandEntry<CMyColorPg> kCommands[] = {
        {IDC_VIDEO_SOURCE, CBN_SELCHANGE, &CMyColorPg::OnInputChosen},
    };

private:
    CColorBar hue_, brightness_, saturation_, contrast_;
    CSourceCombo source_;
    CSignalText signal_;
};
