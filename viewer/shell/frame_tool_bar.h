// The viewer's tool bar: the framework's, with one addition.  Whenever the
// bar's own window is placed anew (docked at another side or moved), it
// tells its frame, which sets itself again to its current rectangle so that
// its size rules work out the video area for the bar's new place.  A change
// of the bar's size alone is left to the bar.
#pragma once
#include "message_table.h"
#include "tool_bar.h"
#include <functional>

class CFrameToolBar : public framework::Routed<CFrameToolBar, framework::CToolBar> {
public:
    void OnPlaced(std::function<void()> placed) { placed_ = std::move(placed); }

protected:
    LRESULT OnWindowPosChanged(const framework::Message& m);

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CFrameToolBar> kMessages[] = {
        {WM_WINDOWPOSCHANGED, &CFrameToolBar::OnWindowPosChanged},
    };

private:
    std::function<void()> placed_;
    // Where the bar sat last: its corner in the frame, its side and its
    // thickness across the side (its length follows the frame's size).
    struct Place {
        LONG left, top, thickness;
        bool vertical;
        bool operator==(const Place& o) const
        {
            return left == o.left && top == o.top && thickness == o.thickness && vertical == o.vertical;
        }
    };
    Place last_{-1, -1, -1, false};
    bool telling_ = false;
};
