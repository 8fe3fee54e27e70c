#include "vd_view.h"
#include "handles.h"
#include "overlay_viewer.h"
#include "overlay_vocabulary.h"

using framework::Message;

LRESULT CVDView::OnCreate(const Message& m)
{
    if (Default(m) == -1)
        return -1;
    // The driver keys the video into this window.
    SendOverlayCommand(overlay::kVerbSet, overlay::kFmtCardType, 3);
    SendOverlayCommand(overlay::kVerbWindow, overlay::kFmtHandle, hwnd_);
    return 0;
}

void CVDView::OnInitialUpdate()
{
    RECT client = ClientRect();
    SetScrollSizes(SIZE{client.right, client.bottom});
}

LRESULT CVDView::OnSize(const Message& m)
{
    // Fitted to the window: the whole picture is the client area, so there
    // is nothing to scroll.
    if (m.SizeType() != SIZE_MINIMIZED)
        SetScrollSizes(m.ClientSize());
    return 0;
}

LRESULT CVDView::OnEraseBackground(const Message& m)
{
    RECT area{};
    GetClipBox(m.Dc(), &area);
    framework::GdiBrush key(CreateSolidBrush(kDefaultKeyColour));
    framework::SelectedObject selected(m.Dc(), key.get());
    PatBlt(m.Dc(), area.left, area.top, area.right - area.left, area.bottom - area.top, PATCOPY);
    return TRUE;
}
