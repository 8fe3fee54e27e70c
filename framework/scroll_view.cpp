#include "scroll_view.h"
#include <algorithm>

namespace framework {

void CScrollView::SetScrollSizes(SIZE total, SIZE page, SIZE line)
{
    total_ = total;
    page_ = SIZE{page.cx ? page.cx : total.cx / 10, page.cy ? page.cy : total.cy / 10};
    line_ = SIZE{line.cx ? line.cx : page_.cx / 10, line.cy ? line.cy : page_.cy / 10};
    position_.x = std::clamp<LONG>(position_.x, 0, Limit(SB_HORZ));
    position_.y = std::clamp<LONG>(position_.y, 0, Limit(SB_VERT));
    UpdateBars();
}

int CScrollView::Limit(int bar) const
{
    RECT client = ClientRect();
    int visible = bar == SB_HORZ ? client.right : client.bottom;
    int total = bar == SB_HORZ ? total_.cx : total_.cy;
    return std::max(0, total - visible);
}

void CScrollView::UpdateBars()
{
    if (!hwnd_)
        return;
    RECT client = ClientRect();
    for (int bar : {SB_HORZ, SB_VERT}) {
        SCROLLINFO info{sizeof info, SIF_ALL | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
        int total = bar == SB_HORZ ? total_.cx : total_.cy;
        int visible = bar == SB_HORZ ? client.right : client.bottom;
        bool needed = total > visible;
        info.fMask = SIF_ALL;
        info.nMax = needed ? total - 1 : 0;
        info.nPage = needed ? static_cast<UINT>(visible) : 0;
        info.nPos = bar == SB_HORZ ? position_.x : position_.y;
        SetScrollInfo(hwnd_, bar, &info, TRUE);
    }
}

void CScrollView::ScrollToPosition(POINT position)
{
    position_.x = std::clamp<LONG>(position.x, 0, Limit(SB_HORZ));
    position_.y = std::clamp<LONG>(position.y, 0, Limit(SB_VERT));
    UpdateBars();
}

int CScrollView::NewScrollPosition(int bar, UINT code, int thumb) const
{
    int pos = bar == SB_HORZ ? position_.x : position_.y;
    int page = bar == SB_HORZ ? page_.cx : page_.cy;
    int line = bar == SB_HORZ ? line_.cx : line_.cy;
    switch (code) {
    case SB_LINEUP: return pos - line;
    case SB_LINEDOWN: return pos + line;
    case SB_PAGEUP: return pos - page;
    case SB_PAGEDOWN: return pos + page;
    case SB_THUMBTRACK: return thumb;
    case SB_TOP: return 0;
    case SB_BOTTOM: return Limit(bar);
    default: return pos;
    }
}

void CScrollView::Scroll(int bar, UINT code, int thumb)
{
    if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
        // The message carries only 16 bits of the position; the bar has all 32.
        SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        if (GetScrollInfo(hwnd_, bar, &info))
            thumb = info.nTrackPos;
    }
    int next = std::clamp(NewScrollPosition(bar, code, thumb), 0, Limit(bar));
    LONG& pos = bar == SB_HORZ ? position_.x : position_.y;
    if (next == pos)
        return;
    pos = next;
    SetScrollPos(hwnd_, bar, next, TRUE);
    OnScrolled();
}

LRESULT CScrollView::OnHScroll(const Message& m)
{
    Scroll(SB_HORZ, m.ScrollCode(), m.ScrollPos());
    return 0;
}

LRESULT CScrollView::OnVScroll(const Message& m)
{
    Scroll(SB_VERT, m.ScrollCode(), m.ScrollPos());
    return 0;
}

LRESULT CScrollView::OnSize(const Message& m)
{
    position_.x = std::clamp<LONG>(position_.x, 0, Limit(SB_HORZ));
    position_.y = std::clamp<LONG>(position_.y, 0, Limit(SB_VERT));
    UpdateBars();
    return Default(m);
}

}  // namespace framework
