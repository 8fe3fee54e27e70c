#include "finder_icon.h"

#include "handles.h"
#include "resource.h"

namespace finder {

RECT ControlRect(HWND dialog, int id)
{
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void PlaceFrameAround(HWND dialog, int frameId, int controlId)
{
    const RECT r = ControlRect(dialog, controlId);
    SetWindowPos(GetDlgItem(dialog, frameId), nullptr, r.left - kFrameBorder, r.top - kFrameBorder,
                 r.right - r.left + 2 * kFrameBorder, r.bottom - r.top + 2 * kFrameBorder,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceFinder(HWND dialog, int finderId, int frameId)
{
    const RECT r = ControlRect(dialog, finderId);
    SetWindowPos(GetDlgItem(dialog, finderId), nullptr, r.left, r.top, kSize, kSize, SWP_NOZORDER | SWP_NOACTIVATE);
    PlaceFrameAround(dialog, frameId, finderId);
}

void DrawFinder(const DRAWITEMSTRUCT& item, bool dragging)
{
    const int bitmapId = dragging ? IDB_FINDER_EMPTY : IDB_FINDER_FULL;
    framework::GdiBitmap bitmap(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId)));
    HDC memory = CreateCompatibleDC(item.hDC);
    if (memory && bitmap) {
        framework::SelectedObject selected(memory, bitmap.get());
        BitBlt(item.hDC, 0, 0, kBitmapSize, kBitmapSize, memory, 0, 0, SRCCOPY);
    }
    if (memory)
        DeleteDC(memory);
}

void PaintSunkenFrame(HDC dc, HWND dialog, int frameId)
{
    const RECT r = ControlRect(dialog, frameId);
    framework::GdiPen shadow(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    framework::GdiPen highlight(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT)));
    framework::GdiPen text(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT)));
    {
        framework::SelectedObject pen(dc, shadow.get());
        MoveToEx(dc, r.left, r.bottom - 1, nullptr);
        LineTo(dc, r.left, r.top);
        LineTo(dc, r.right - 1, r.top);
    }
    {
        framework::SelectedObject pen(dc, highlight.get());
        MoveToEx(dc, r.right - 1, r.top, nullptr);
        LineTo(dc, r.right - 1, r.bottom - 1);
        LineTo(dc, r.left - 1, r.bottom - 1);
    }
    framework::SelectedObject pen(dc, text.get());
    framework::SelectedObject brush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
}

bool OnFinder(HWND dialog, int finderId, POINT point)
{
    HWND control = GetDlgItem(dialog, finderId);
    RECT client{};
    GetClientRect(control, &client);
    MapWindowPoints(dialog, control, &point, 1);
    return PtInRect(&client, point) != FALSE;
}

}  // namespace finder
