#include "inverted_frame.h"
#include "handles.h"

namespace framework {

void DrawInvertedFrame(HWND window, int penWidth)
{
    if (!IsWindow(window))
        return;
    RECT area{};
    GetWindowRect(window, &area);
    WholeWindowDc dc(window);
    if (!dc)
        return;
    GdiPen pen(CreatePen(PS_INSIDEFRAME, penWidth, RGB(0, 0, 0)));
    SelectedObject usePen(dc, pen.get());
    SelectedObject useBrush(dc, GetStockObject(NULL_BRUSH));
    int oldMode = SetROP2(dc, R2_NOT);
    Rectangle(dc, 0, 0, area.right - area.left, area.bottom - area.top);
    SetROP2(dc, oldMode);
}

}  // namespace framework
