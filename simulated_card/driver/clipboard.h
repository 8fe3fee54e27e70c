// Pictures on the system clipboard: CF_DIB (a device-independent bitmap) or
// CF_BITMAP (a device-dependent one) at 24, 8 (palettized or grey) or 4 bits.
#pragma once

#include <windows.h>

#include "card/picture.h"

namespace kxmci {

struct ClipboardFormat {
    bool deviceDependent = false;   // "DDB": CF_BITMAP, otherwise CF_DIB
    int bits = 24;                  // 24, 8 or 4
    bool grey = false;
};

// Return MCI error codes (0 on success).
DWORD CopyToClipboard(HWND owner, const kxcard::Picture& pic, const ClipboardFormat& format);
DWORD PasteFromClipboard(HWND owner, kxcard::Picture& pic);

} // namespace kxmci
