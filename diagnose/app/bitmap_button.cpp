#include "bitmap_button.h"
#include <cstring>

framework::GdiBitmap LoadSixteenColourBitmap(HINSTANCE module, UINT id, COLORREF entry13)
{
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* header = loaded ? static_cast<const BITMAPINFOHEADER*>(LockResource(loaded)) : nullptr;
    DWORD size = found ? SizeofResource(module, found) : 0;
    if (!header || size < sizeof(BITMAPINFOHEADER) || header->biSize < sizeof(BITMAPINFOHEADER) ||
        header->biBitCount != 4 || header->biCompression != BI_RGB)
        return {};
    DWORD colours = header->biClrUsed ? header->biClrUsed : 16;
    if (colours > 16)
        return {};
    DWORD pixelsAt = header->biSize + colours * sizeof(RGBQUAD);
    DWORD stride = ((static_cast<DWORD>(header->biWidth) * 4 + 31) / 32) * 4;
    LONG height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    if (header->biWidth <= 0 || pixelsAt + stride * static_cast<DWORD>(height) > size)
        return {};

    // A copy of the header and all 16 palette entries, entry 13 replaced.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[16];
    } info{};
    info.header = *header;
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biClrUsed = 16;
    std::memcpy(info.colours, reinterpret_cast<const BYTE*>(header) + header->biSize, colours * sizeof(RGBQUAD));
    info.colours[13] = RGBQUAD{GetBValue(entry13), GetGValue(entry13), GetRValue(entry13), 0};

    const BYTE* pixels = reinterpret_cast<const BYTE*>(header) + pixelsAt;
    framework::WindowDc screen(nullptr);
    return framework::GdiBitmap(CreateDIBitmap(screen, &info.header, CBM_INIT, pixels,
                                               reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS));
}

bool CUIBitmapButton::LoadBitmaps(HINSTANCE module, UINT normal, UINT pressed, UINT focused, UINT disabled)
{
    normal_ = LoadSixteenColourBitmap(module, normal, kGround);
    if (pressed)
        pressed_ = LoadSixteenColourBitmap(module, pressed, kGround);
    if (focused)
        focused_ = LoadSixteenColourBitmap(module, focused, kGround);
    if (disabled)
        disabled_ = LoadSixteenColourBitmap(module, disabled, kGround);
    return normal_ != nullptr;
}

bool CUIBitmapButton::TakeOver(HWND dialog, int id)
{
    return Subclass(GetDlgItem(dialog, id));
}

void CUIBitmapButton::DrawItem(const DRAWITEMSTRUCT& item) const
{
    HBITMAP shown = normal_.get();
    if ((item.itemState & ODS_SELECTED) && pressed_)
        shown = pressed_.get();
    else if ((item.itemState & ODS_FOCUS) && focused_)
        shown = focused_.get();
    else if ((item.itemState & ODS_DISABLED) && disabled_)
        shown = disabled_.get();

    HDC dc = item.hDC;
    RECT area = item.rcItem;
    framework::GdiBrush ground(CreateSolidBrush(kGround));
    FillRect(dc, &area, ground.get());

    BITMAP normal{};
    if (shown && normal_ && GetObjectA(normal_.get(), sizeof normal, &normal)) {
        int width = area.right - area.left;
        int height = area.bottom - area.top;
        int x = normal.bmWidth < width ? (width - normal.bmWidth) / 2 : 0;
        int y = normal.bmHeight < height ? (height - normal.bmHeight) / 2 : 0;
        framework::CreatedDc memory(CreateCompatibleDC(dc));
        framework::SelectedObject selected(memory.get(), shown);
        BITMAP drawn{};
        GetObjectA(shown, sizeof drawn, &drawn);
        BitBlt(dc, area.left + x, area.top + y, drawn.bmWidth, drawn.bmHeight, memory.get(), 0, 0, SRCCOPY);
    }

    // The sunken frame round the client area, and a rectangle inside it.
    RECT client{};
    GetClientRect(item.hwndItem, &client);
    framework::GdiBrush shadow(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
    framework::GdiBrush highlight(CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT)));
    RECT top{client.left, client.top, client.right - 1, client.top + 1};
    RECT left{client.left, client.top, client.left + 1, client.bottom - 1};
    RECT bottom{client.left, client.bottom - 1, client.right, client.bottom};
    RECT right{client.right - 1, client.top, client.right, client.bottom};
    FillRect(dc, &top, shadow.get());
    FillRect(dc, &left, shadow.get());
    FillRect(dc, &bottom, highlight.get());
    FillRect(dc, &right, highlight.get());
    RECT inner{client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};
    framework::GdiBrush text(CreateSolidBrush(GetSysColor(COLOR_BTNTEXT)));
    FrameRect(dc, &inner, text.get());
}
