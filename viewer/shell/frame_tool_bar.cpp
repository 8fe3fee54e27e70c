#include "frame_tool_bar.h"

LRESULT CFrameToolBar::OnWindowPosChanged(const framework::Message& m)
{
    LRESULT result = Default(m);
    const WINDOWPOS* pos = m.WindowPos();
    if (pos->flags & SWP_NOMOVE || reapplying_)
        return result;
    RECT now = WindowRect();
    if (EqualRect(&now, &placed_))
        return result;
    placed_ = now;
    HWND frame = GetParent(hwnd_);
    RECT r{};
    if (frame && GetWindowRect(frame, &r) && !IsIconic(frame) && !IsZoomed(frame)) {
        reapplying_ = true;
        SetWindowPos(frame, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        reapplying_ = false;
    }
    return result;
}

