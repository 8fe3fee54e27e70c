#include "system_page.h"

#include "setup_link.h"

namespace {

constexpr long kMagenta = 0xFF00FF;
constexpr int kCardType = 3;
// The video area inside the picture: the frame-memory area shown, and where
// the picture's magenta area lies.
constexpr int kVideoWidth = 153, kVideoHeight = 113;
constexpr int kVideoLeft = 15, kVideoTop = 16;

}  // namespace

bool CMySystemPg::OnInitDialog()
{
    TakeOverPicture();
    windowX_.SetUp(hwnd_, IDC_WINDOW_X_BAR, IDC_WINDOW_X_VALUE, setup::kWindowX);
    windowY_.SetUp(hwnd_, IDC_WINDOW_Y_BAR, IDC_WINDOW_Y_VALUE, setup::kWindowY);
    keyCorrect_.SetUp(hwnd_, IDC_KEY_CORRECT_BAR, IDC_KEY_CORRECT_VALUE, setup::kKeyCorrect);
    EnableRestore(false);
    UseLightFont({IDC_HINT_TEXT, IDC_HINT_TEXT_2});
    return true;
}

bool CMySystemPg::OnSetActive()
{
    RedrawWindow(Picture().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    SendOverlayCommand(overlay::kVerbSet, overlay::kFmtVideoKeyColor, kMagenta);
    SendOverlayCommand(overlay::kVerbSet, overlay::kFmtCardType, kCardType);
    SendOverlayCommand(overlay::kVerbWindow, overlay::kFmtHandle, Picture().Handle());
    SendPlacement();
    RefreshBars();
    return true;
}

void CMySystemPg::SendPlacement()
{
    using namespace overlay;
    SendOverlayCommand(kVerbPut, kFmtFrameAtDeferred, 0, 0, kVideoWidth, kVideoHeight);
    SendOverlayCommand(kVerbPut, kFmtSourceAtDeferred, 0, 0, kVideoWidth, kVideoHeight);
    SendOverlayCommand(kVerbPut, kFmtDestinationAt, kVideoLeft, kVideoTop, kVideoWidth, kVideoHeight);
}
