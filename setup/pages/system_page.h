// The System page: the live video keyed into the picture through its
// magenta areas, the window alignment and the colour-key correction, all
// remembered per screen width.
#pragma once

#include "align_bar.h"
#include "setup_page.h"

class CMySystemPg : public framework::Routed<CMySystemPg, CSetupPage> {
public:
    CMySystemPg() : Routed(IDD_SYSTEM_PAGE, IDB_SYSTEM_PICTURE) {}

    // Places the live video in the picture (again after the sheet moved).
    void SendPlacement();
    // The display mode changed: a new screen width finds its own values.
    void OnDisplayChanged() { RefreshBars(); }

    CAlignBar& WindowXBar() { return windowX_; }
    CAlignBar& WindowYBar() { return windowY_; }
    CAlignBar& KeyCorrectBar() { return keyCorrect_; }

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    std::vector<CSettingBar*> Bars() override { return {&windowX_, &windowY_, &keyCorrect_}; }

private:
    CAlignBar windowX_{false, true};
    CAlignBar windowY_{false, true};
    CAlignBar keyCorrect_{false, true};
};
