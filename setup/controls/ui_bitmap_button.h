// An owner-drawn button showing up to four 16-colour bitmaps (normal,
// pressed, focused, disabled).  Palette entry 6 of each bitmap is the
// background and becomes the current button face, so the picture sits on
// the page whatever the system colours; the page loads them again when the
// system colours change.
#pragma once

#include <windows.h>

#include "handles.h"

class CUIBitmapButton {
public:
    enum Face { kNormal, kPressed, kFocused, kDisabled, kFaces };

    // Takes control `id` of `page` over.
    void TakeOver(HWND page, int id) { button_ = GetDlgItem(page, id); }
    // Loads the faces (0: none); false when a bitmap given cannot be loaded.
    bool Load(UINT normal, UINT pressed = 0, UINT focused = 0, UINT disabled = 0);
    // Resizes the button to the normal bitmap, its position unchanged.
    void SizeToContent();
    // WM_DRAWITEM of the button.
    void Draw(const DRAWITEMSTRUCT& item);

    HWND Handle() const { return button_; }
    HBITMAP Bitmap(Face face) const { return faces_[face].get(); }

private:
    HWND button_ = nullptr;
    UINT ids_[kFaces] = {};
    framework::GdiBitmap faces_[kFaces];
};
