// A view with a total size larger than its window, scrolled by its scroll
// bars.  A page is one tenth of the total size and a line one tenth of a page
// unless the caller says otherwise.
#pragma once
#include "view.h"

namespace framework {

class CScrollView : public Routed<CScrollView, CView> {
public:
    void SetScrollSizes(SIZE total, SIZE page = SIZE{0, 0}, SIZE line = SIZE{0, 0});
    SIZE TotalSize() const { return total_; }
    POINT ScrollPosition() const { return position_; }
    void ScrollToPosition(POINT position);

protected:
    // The position on one axis changed by the user's scrolling.
    virtual void OnScrolled() { InvalidateRect(hwnd_, nullptr, TRUE); }
    // The new position of one axis for a scroll bar code (SB_*).
    virtual int NewScrollPosition(int bar, UINT code, int thumb) const;

    LRESULT OnHScroll(const Message& m);
    LRESULT OnVScroll(const Message& m);
    LRESULT OnSize(const Message& m);

    friend struct TableAccess;
    static constexpr MessageEntry<CScrollView> kMessages[] = {
        {WM_HSCROLL, &CScrollView::OnHScroll},
        {WM_VSCROLL, &CScrollView::OnVScroll},
        {WM_SIZE, &CScrollView::OnSize},
    };

private:
    void Scroll(int bar, UINT code, int thumb);
    void UpdateBars();
    int Limit(int bar) const;

    SIZE total_{0, 0};
    SIZE page_{0, 0};
    SIZE line_{0, 0};
    POINT position_{0, 0};
};

}  // namespace framework
