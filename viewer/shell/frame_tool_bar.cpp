#include "frame_tool_bar.h"

LRESULT CFrameToolBar::OnWindowPosChanged(const framework::Message& m)
{
    LRESULT result = Default(m);
    const UINT flags = m.WindowPos()->flags;
    if ((flags & SWP_NOMOVE && flags & SWP_NOSIZE) || telling_ || !placed_)
        return result;
    // Where the bar now sits in its frame; the frame's own moves leave it alone.
    HWND frame = GetParent(hwnd_);
    RECT now = WindowRect();
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&now), 2);
    const Place place{now.left, now.top, IsVertical() ? now.right - now.left : now.bottom - now.top, IsVertical()};
    if (place == last_)
        return result;
    last_ = place;
    // While the frame is being made it is not shown yet: its first size stands.
    if (!IsWindowVisible(frame))
        return result;
    telling_ = true;
    placed_();
    telling_ = false;
    return result;
}
