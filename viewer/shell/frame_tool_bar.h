// The viewer's tool bar: the framework's, with one addition.  Whenever the
// bar's own window is placed anew (docked at another side or moved), it
// sets the main window again to its current rectangle, so that the frame's
// size rules work out the video area for the bar's new place.  A change of
// its size alone is left to the bar.
#pragma once
#include "message_table.h"
#include "tool_bar.h"

class CFrameToolBar : public framework::Routed<CFrameToolBar, framework::CToolBar> {
protected:
    LRESULT OnWindowPosChanged(const framework::Message& m);

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CFrameToolBar> kMessages[] = {
        {WM_WINDOWPOSCHANGED, &CFrameToolBar::OnWindowPosChanged},
    };

private:
    RECT placed_{0, 0, 0, 0};
    bool reapplying_ = false;
};
