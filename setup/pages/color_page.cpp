#include "color_page.h"

#include "help.h"

bool CMyColorPg::OnInitDialog()
{
    TakeOverPicture();
    hue_.SetUp(hwnd_, IDC_HUE_BAR, IDC_HUE_VALUE, setup::kHue);
    brightness_.SetUp(hwnd_, IDC_BRIGHTNESS_BAR, IDC_BRIGHTNESS_VALUE, setup::kBrightness);
    contrast_.SetUp(hwnd_, IDC_CONTRAST_BAR, IDC_CONTRAST_VALUE, setup::kContrast);
    saturation_.SetUp(hwnd_, IDC_SATURATION_BAR, IDC_SATURATION_VALUE, setup::kSaturation);
    source_.Attach(hwnd_, IDC_VIDEO_SOURCE);
    source_.Fill();
    signal_.Attach(hwnd_, IDC_SIGNAL_TYPE);
    signal_.Refresh();
    return true;
}

bool CMyColorPg::OnSetActive()
{
    RefreshBars();
    source_.SelectCurrent();
    signal_.Refresh();
    return true;
}

void CMyColorPg::OnInputChosen()
{
    source_.TakeSelection();
    signal_.Refresh();
    RefreshBars();
}

LRESULT CMyColorPg::OnHelp(const framework::Message&)
{
    framework::ShowHelpContext(hwnd_, framework::kHelpResourceBase + IDD_COLOR_PAGE);
    return TRUE;
}
