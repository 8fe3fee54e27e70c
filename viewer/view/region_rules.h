// The rules of the region selection: the rubber band's rectangle, the
// working rectangle the region commands act on, and when Paste can take the
// clipboard's picture.
#pragma once

#include "view_rect.h"

// The rectangle spanned by the band's anchor and the mouse point,
// normalised (left <= right, top <= bottom) and clipped to the client area.
ViewRect BandRect(int anchorX, int anchorY, int x, int y, const ViewRect& client);

// The selection when there is one, otherwise the whole client area.
ViewRect WorkingRect(const ViewRect& selection, const ViewRect& client);

// What the clipboard holds, as far as Paste is concerned.
struct ClipboardPicture {
    bool dib = false;        // CF_DIB
    bool bitmap = false;     // CF_BITMAP
    int planes = 0;          // of the CF_BITMAP
    int bitsPerPixel = 0;
};
// A device-independent bitmap, or a bitmap of more than one bit per pixel
// over all planes (a monochrome bitmap does not qualify).  A bitmap whose
// depth is known decides: the platform offers a DIB made from any bitmap on
// the clipboard, a monochrome one too.
bool PasteAvailable(const ClipboardPicture& clipboard);
