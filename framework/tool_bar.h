// A tool bar of bitmap buttons over comctl32's tool bar, with tool tips and
// hot tracking (the frame shows each button's prompt in the status bar), that
// docks at any of the frame's four sides.  The user moves it by dragging an
// empty part of the bar towards another side.
#pragma once
#include "message_table.h"
#include "wnd.h"

namespace framework {

enum class DockSide { Top = 1, Bottom = 2, Left = 4, Right = 8 };
constexpr DWORD kDockAny = 15;

constexpr UINT kToolBarId = 0xE800;

class CToolBar : public Routed<CToolBar, CWnd> {
public:
    bool Create(HWND frame, DWORD extraStyle = 0, UINT id = kToolBarId);
    // The bitmap holds the button images side by side, 16 by 15 pixels each.
    bool LoadButtonBitmap(UINT bitmapId, int imageCount);
    // Command ids in button order, 0 for a separator; the images are used in
    // the same order by the buttons.
    bool SetButtons(const UINT* ids, int count);

    void SetDockSides(DWORD sides) { dockSides_ = sides; }
    DockSide Side() const { return side_; }
    bool IsVertical() const { return side_ == DockSide::Left || side_ == DockSide::Right; }
    // Docks at a side the bar allows; the frame then lays itself out again.
    bool Dock(DockSide side);
    // The size the bar needs at its side: full length along the side, one
    // button row (or column) across it.
    SIZE CalcSize() const;

protected:
    LRESULT OnLButtonDown(const Message& m);
    LRESULT OnMouseMove(const Message& m);
    LRESULT OnLButtonUp(const Message& m);
    LRESULT OnCaptureChanged(const Message& m);
    LRESULT OnEraseBackground(const Message& m);

    friend struct TableAccess;
    static constexpr MessageEntry<CToolBar> kMessages[] = {
        {WM_LBUTTONDOWN, &CToolBar::OnLButtonDown},
        {WM_MOUSEMOVE, &CToolBar::OnMouseMove},
        {WM_LBUTTONUP, &CToolBar::OnLButtonUp},
        {WM_CAPTURECHANGED, &CToolBar::OnCaptureChanged},
        {WM_ERASEBKGND, &CToolBar::OnEraseBackground},
    };

private:
    DockSide SideNearest(POINT screen) const;

    DockSide side_ = DockSide::Top;
    DWORD dockSides_ = kDockAny;
    bool dragging_ = false;
};

}  // namespace framework
