// The Video page: the display alignment per input, enabled only while the
// input has a signal (checked twice a second while the page is shown), and
// the input selector with the signal type.
#pragma once

#include "align_bar.h"
#include "setup_page.h"
#include "signal_text.h"
#include "source_combo.h"

class CMyVideoPg : public framework::Routed<CMyVideoPg, CSetupPage> {
public:
    CMyVideoPg() : Routed(IDD_VIDEO_PAGE, IDB_PAGE_PICTURE) {}

    // Shows the signal type; enables the alignment when `signalType` is a
    // signal, disables it when it is none.
    void EnableAlignment(int signalType);

    CAlignBar& XBar() { return x_; }
    CAlignBar& YBar() { return y_; }

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnKillActive() override;
    std::vector<CSettingBar*> Bars() override { return {&x_, &y_}; }

    void OnInputChosen();
    LRESULT OnTimer(const framework::Message& m);

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CMyVideoPg> kMessages[] = {
        {WM_TIMER, &CMyVideoPg::OnTimer},
    };
    static constexpr framework::CommandEntry<CMyVideoPg> kCommands[] = {
        {IDC_VIDEO_SOURCE, CBN_SELCHANGE, &CMyVideoPg::OnInputChosen},
    };

private:
    int CheckSignal();

    CAlignBar x_{true, false};
    CAlignBar y_{true, false};
    CSourceCombo source_;
    CSignalText signal_;
    bool changingInput_ = false;
};
