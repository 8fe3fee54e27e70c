// CUIBitmapButton: an owner-drawn button showing up to four bitmaps (normal,
// pressed, focused, disabled) on a teal ground inside a sunken frame.  The
// bitmaps are 16-colour resources whose palette entry 13 is replaced by the
// ground colour, so that what is drawn in that entry shows the ground.
#pragma once
#include "handles.h"
#include "message_table.h"
#include "wnd.h"

class CUIBitmapButton : public framework::Routed<CUIBitmapButton, framework::CWnd> {
public:
    // The ground colour, also the colour palette entry 13 becomes.
    static constexpr COLORREF kGround = RGB(0, 128, 128);

    // Loads the bitmaps (0: none); false when the normal one cannot be loaded.
    bool LoadBitmaps(HINSTANCE module, UINT normal, UINT pressed = 0, UINT focused = 0, UINT disabled = 0);
    // Takes over the dialog's button control.
    bool TakeOver(HWND dialog, int id);
    // Draws the button for its parent's WM_DRAWITEM.
    void DrawItem(const DRAWITEMSTRUCT& item) const;

private:
    framework::GdiBitmap normal_, pressed_, focused_, disabled_;
};

// A device bitmap of a 16-colour bitmap resource with palette entry 13
// replaced by `entry13`; empty when the resource is missing or not 16-colour.
framework::GdiBitmap LoadSixteenColourBitmap(HINSTANCE module, UINT id, COLORREF entry13);
