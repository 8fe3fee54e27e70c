#include "video_page.h"

#include "setup_link.h"

namespace {
constexpr UINT kSignalPeriod = 500;  // ms
}

bool CMyVideoPg::OnInitDialog()
{
    TakeOverPicture();
    x_.SetUp(hwnd_, IDC_DISPLAY_X_BAR, IDC_DISPLAY_X_VALUE, setup::kDisplayX);
    y_.SetUp(hwnd_, IDC_DISPLAY_Y_BAR, IDC_DISPLAY_Y_VALUE, setup::kDisplayY);
    source_.Attach(hwnd_, IDC_VIDEO_SOURCE);
    source_.Fill();
    signal_.Attach(hwnd_, IDC_SIGNAL_TYPE);
    signal_.Refresh();
    UseLightFont({IDC_HINT_TEXT});
    EnableRestore(false);
    return true;
}

bool CMyVideoPg::OnSetActive()
{
    RefreshBars();
    source_.SelectCurrent();
    signal_.Refresh();
    SetTimer(hwnd_, IDT_SIGNAL, kSignalPeriod, nullptr);
    return true;
}

bool CMyVideoPg::OnKillActive()
{
    KillTimer(hwnd_, IDT_SIGNAL);
    return true;
}

int CMyVideoPg::CheckSignal()
{
    CSignalCard card;
    return setup::CheckSignal(card, LastSignalType());
}

void CMyVideoPg::EnableAlignment(int signalType)
{
    signal_.Refresh();
    const bool enable = signalType >= 0;
    if ((IsWindowEnabled(x_.Handle()) != FALSE) == enable)
        return;
    EnableWindow(Item(IDC_X_OFFSET_CAPTION), enable);
    EnableWindow(Item(IDC_Y_OFFSET_CAPTION), enable);
    for (CAlignBar* bar : {&x_, &y_}) {
        EnableWindow(bar->Handle(), enable);
        if (enable) {
            bar->Refresh();
            UpdateWindow(bar->Handle());
        }
    }
}

LRESULT CMyVideoPg::OnTimer(const framework::Message& m)
{
    if (m.TimerId() != IDT_SIGNAL)
        return Default(m);
    if (!changingInput_)
        EnableAlignment(CheckSignal());
    return 0;
}

void CMyVideoPg::OnInputChosen()
{
    changingInput_ = true;
    source_.TakeSelection();
    EnableAlignment(CheckSignal());
    RefreshBars();
    changingInput_ = false;
}
