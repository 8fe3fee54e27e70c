#include "ui_bitmap_button.h"

#include <cstring>

namespace {

constexpr int kBackgroundEntry = 6;

// A device bitmap of a 16-colour bitmap resource whose background entry is
// the current button face; null when the resource is missing or not 16
// colours.
HBITMAP LoadFaceBitmap(UINT id)
{
    HINSTANCE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* header = loaded ? static_cast<const BITMAPINFOHEADER*>(LockResource(loaded)) : nullptr;
    const DWORD size = found ? SizeofResource(module, found) : 0;
    if (!header || size < sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD) || header->biSize != sizeof(BITMAPINFOHEADER) ||
        header->biBitCount != 4)
        return nullptr;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[16];
    } info;
    std::memcpy(&info, header, sizeof info);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    info.colours[kBackgroundEntry] = RGBQUAD{GetBValue(face), GetGValue(face), GetRValue(face), 0};
    const DWORD stride = ((static_cast<DWORD>(header->biWidth) * 4 + 31) / 32) * 4;
    const DWORD rows = static_cast<DWORD>(header->biHeight < 0 ? -header->biHeight : header->biHeight);
    const BYTE* bits = reinterpret_cast<const BYTE*>(header) + sizeof info;
    if (sizeof info + static_cast<unsigned long long>(stride) * rows > size)
        return nullptr;
    framework::WindowDc screen(nullptr);
    return CreateDIBitmap(screen, &info.header, CBM_INIT, bits, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP b{};
    GetObjectA(bitmap, sizeof b, &b);
    return SIZE{b.bmWidth, b.bmHeight};
}

}  // namespace

bool CUIBitmapButton::Load(UINT normal, UINT pressed, UINT focused, UINT disabled)
{
    const UINT ids[kFaces] = {normal, pressed, focused, disabled};
    bool ok = true;
    for (int i = 0; i < kFaces; ++i) {
        ids_[i] = ids[i];
        faces_[i].reset(ids[i] ? LoadFaceBitmap(ids[i]) : nullptr);
        if (ids[i] && !faces_[i])
            ok = false;
    }
    if (button_)
        InvalidateRect(button_, nullptr, FALSE);
    return ok;
}

void CUIBitmapButton::SizeToContent()
{
    if (!faces_[kNormal])
        return;
    const SIZE size = BitmapSize(faces_[kNormal].get());
    SetWindowPos(button_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CUIBitmapButton::Draw(const DRAWITEMSTRUCT& item)
{
    HBITMAP bitmap = faces_[kNormal].get();
    if ((item.itemState & ODS_SELECTED) && faces_[kPressed])
        bitmap = faces_[kPressed].get();
    else if ((item.itemState & ODS_FOCUS) && faces_[kFocused])
        bitmap = faces_[kFocused].get();
    else if ((item.itemState & ODS_DISABLED) && faces_[kDisabled])
        bitmap = faces_[kDisabled].get();
    if (!bitmap)
        return;
    const SIZE size = BitmapSize(bitmap);
    framework::CreatedDc memory(CreateCompatibleDC(item.hDC));
    framework::SelectedObject selected(memory.get(), bitmap);
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, size.cx, size.cy, memory.get(), 0, 0, SRCCOPY);
}
