#include "viewer_status_bar.h"

#include "overlay_viewer.h"
#include "overlay_vocabulary.h"

#include <commctrl.h>

bool CViewerStatusBar::Create(HWND frame, bool version4)
{
    if (!CStatusBar::Create(frame))
        return false;
    if (version4) {
        progress_ = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD, 0, 0, 0, 0, hwnd_, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        if (progress_)
            SendMessageA(progress_, PBM_SETRANGE, 0, MAKELPARAM(0, kLevels));
        SetIndicatorSignal(g_msgIndicatorSignal, hwnd_);
    } else {
        SendOverlayCommand(overlay::kVerbSet, overlay::kFmtIndicatorOn);
    }
    return true;
}

LRESULT CViewerStatusBar::OnIndicatorSignal(const framework::Message& m)
{
    const int level = IndicatorSignalMessage(m).level;
    if (!progress_)
        return 0;
    if (level == 0) {
        // An operation starts: the bar covers the message pane.
        RECT pane{};
        Send(SB_GETRECT, 0, reinterpret_cast<LPARAM>(&pane));
        SetWindowPos(progress_, nullptr, pane.left, pane.top, pane.right - pane.left, pane.bottom - pane.top,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        UpdateWindow(hwnd_);
    }
    SendMessageA(progress_, PBM_SETPOS, static_cast<WPARAM>(level), 0);
    if (level == kLevels) {
        ShowWindow(progress_, SW_HIDE);
        InvalidateRect(hwnd_, nullptr, TRUE);
        UpdateWindow(hwnd_);
        SendMessageA(progress_, PBM_SETPOS, 0, 0);
    }
    return 0;
}
