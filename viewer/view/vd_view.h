// The viewer's view: the window the card keys its live video into.  It tells
// the driver which window it is and paints its client area in the key colour.
#pragma once
#include "message_table.h"
#include "scroll_view.h"

class CVDView : public framework::Routed<CVDView, framework::CScrollView> {
public:
    static constexpr COLORREF kDefaultKeyColour = RGB(255, 0, 255);

protected:
    void OnInitialUpdate() override;

    LRESULT OnCreate(const framework::Message& m);
    LRESULT OnEraseBackground(const framework::Message& m);
    LRESULT OnSize(const framework::Message& m);

public:
    static constexpr framework::MessageEntry<CVDView> kMessages[] = {
        {WM_CREATE, &CVDView::OnCreate},
        {WM_ERASEBKGND, &CVDView::OnEraseBackground},
        {WM_SIZE, &CVDView::OnSize},
    };
};
