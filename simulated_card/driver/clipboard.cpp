#include "clipboard.h"

#include <mmsystem.h>

#include <cstring>
#include <vector>

#include "card/dib_rows.h"
#include "card/palette.h"

namespace kxmci {

namespace {

// Owns an open clipboard for one operation.
class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner)
    {
        for (int i = 0; i < 10 && !open_; ++i) {
            open_ = OpenClipboard(owner) != FALSE;
            if (!open_)
                Sleep(20);
        }
    }
    ~ClipboardSession()
    {
        if (open_)
            CloseClipboard();
    }
    bool IsOpen() const { return open_; }

private:
    bool open_ = false;
};

// A packed DIB (header, colour table, bottom-up rows) of the picture.
std::vector<BYTE> PackedDib(const kxcard::Picture& pic, const ClipboardFormat& f)
{
    const int bits = f.bits == 4 ? 4 : f.bits == 8 ? 8 : 24;
    kxcard::PaletteKind kind = bits == 4 ? kxcard::PaletteKind::Colour16
                               : f.grey  ? kxcard::PaletteKind::Grey256
                                         : kxcard::PaletteKind::Colour256;
    std::vector<kxcard::Pixel> palette;
    if (bits < 24)
        palette = kxcard::MakePalette(kind);
    const std::size_t stride = ((static_cast<std::size_t>(pic.Width()) * bits + 31) / 32) * 4;
    const std::size_t header = sizeof(BITMAPINFOHEADER) + palette.size() * sizeof(RGBQUAD);
    std::vector<BYTE> dib(header + stride * pic.Height(), 0);
    auto* bih = reinterpret_cast<BITMAPINFOHEADER*>(dib.data());
    bih->biSize = sizeof(BITMAPINFOHEADER);
    bih->biWidth = pic.Width();
    bih->biHeight = pic.Height();
    bih->biPlanes = 1;
    bih->biBitCount = static_cast<WORD>(bits);
    bih->biCompression = BI_RGB;
    bih->biSizeImage = static_cast<DWORD>(stride * pic.Height());
    bih->biClrUsed = static_cast<DWORD>(palette.size());
    auto* table = reinterpret_cast<RGBQUAD*>(dib.data() + sizeof(BITMAPINFOHEADER));
    for (std::size_t i = 0; i < palette.size(); ++i)
        table[i] = RGBQUAD{palette[i].b, palette[i].g, palette[i].r, 0};
    BYTE* bitsOut = dib.data() + header;
    for (int y = 0; y < pic.Height(); ++y) {
        BYTE* row = bitsOut + stride * (pic.Height() - 1 - y);
        for (int x = 0; x < pic.Width(); ++x) {
            kxcard::Pixel p = pic.At(x, y);
            if (bits == 24) {
                row[x * 3] = p.b, row[x * 3 + 1] = p.g, row[x * 3 + 2] = p.r;
                continue;
            }
            std::uint8_t index = kxcard::PaletteIndex(kind, palette, p);
            if (bits == 8)
                row[x] = index;
            else
                row[x / 2] |= static_cast<BYTE>(x % 2 ? index : index << 4);
        }
    }
    return dib;
}

HGLOBAL ToGlobal(const std::vector<BYTE>& bytes)
{
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!mem)
        return nullptr;
    void* p = GlobalLock(mem);
    std::memcpy(p, bytes.data(), bytes.size());
    GlobalUnlock(mem);
    return mem;
}

HBITMAP ToDeviceBitmap(const std::vector<BYTE>& dib, int bits)
{
    auto* info = reinterpret_cast<const BITMAPINFO*>(dib.data());
    const BITMAPINFOHEADER& bih = info->bmiHeader;
    HBITMAP bmp = CreateBitmap(bih.biWidth, bih.biHeight, 1, bits, nullptr);
    if (!bmp)
        return nullptr;
    const BYTE* pixels = dib.data() + bih.biSize + bih.biClrUsed * sizeof(RGBQUAD);
    HDC screen = GetDC(nullptr);
    int lines = SetDIBits(screen, bmp, 0, bih.biHeight, pixels, info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (lines != bih.biHeight) {
        DeleteObject(bmp);
        return nullptr;
    }
    return bmp;
}

} // namespace

DWORD CopyToClipboard(HWND owner, const kxcard::Picture& pic, const ClipboardFormat& format)
{
    if (pic.Empty())
        return MCIERR_OUTOFRANGE;
    std::vector<BYTE> dib = PackedDib(pic, format);
    ClipboardSession session(owner);
    if (!session.IsOpen() || !EmptyClipboard())
        return MCIERR_DEVICE_NOT_READY;
    if (format.deviceDependent) {
        HBITMAP bmp = ToDeviceBitmap(dib, format.bits);
        if (!bmp || !SetClipboardData(CF_BITMAP, bmp)) {
            if (bmp)
                DeleteObject(bmp);
            return MCIERR_OUT_OF_MEMORY;
        }
        return 0;
    }
    HGLOBAL mem = ToGlobal(dib);
    if (!mem || !SetClipboardData(CF_DIB, mem)) {
        if (mem)
            GlobalFree(mem);
        return MCIERR_OUT_OF_MEMORY;
    }
    return 0;
}

DWORD PasteFromClipboard(HWND owner, kxcard::Picture& pic)
{
    ClipboardSession session(owner);
    if (!session.IsOpen())
        return MCIERR_DEVICE_NOT_READY;
    HANDLE data = GetClipboardData(CF_DIB);
    if (!data)
        return MCIERR_NONAPPLICABLE_FUNCTION;
    const SIZE_T size = GlobalSize(data);
    auto* info = static_cast<const BITMAPINFO*>(GlobalLock(data));
    if (!info)
        return MCIERR_NONAPPLICABLE_FUNCTION;
    DWORD result = MCIERR_INVALID_FILE;
    const BITMAPINFOHEADER& bih = info->bmiHeader;
    const LONG height = bih.biHeight < 0 ? -bih.biHeight : bih.biHeight;
    if (size >= sizeof(BITMAPINFOHEADER) && bih.biSize >= sizeof(BITMAPINFOHEADER) && bih.biWidth > 0 &&
        bih.biWidth <= 16384 && height > 0 && height <= 16384) {
        // Let GDI convert whatever depth the clipboard holds into 24 bits.
        BITMAPINFO out{};
        out.bmiHeader = {sizeof(BITMAPINFOHEADER), bih.biWidth, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP section = CreateDIBSection(dc, &out, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (section) {
            HGDIOBJ old = SelectObject(dc, section);
            DWORD colours = bih.biClrUsed ? bih.biClrUsed : bih.biBitCount <= 8 ? (1u << bih.biBitCount) : 0;
            if (bih.biCompression == BI_BITFIELDS)
                colours = 3;
            const SIZE_T offset = bih.biSize + colours * sizeof(RGBQUAD);
            const SIZE_T rows = ((static_cast<SIZE_T>(bih.biWidth) * bih.biBitCount + 31) / 32) * 4 * height;
            const BYTE* pixels = reinterpret_cast<const BYTE*>(info) + offset;
            const bool complete = bih.biCompression != BI_RGB && bih.biCompression != BI_BITFIELDS
                                      ? size > offset
                                      : size >= offset + rows;
            if (complete && SetDIBitsToDevice(dc, 0, 0, bih.biWidth, height, 0, 0, 0, height, pixels, info, DIB_RGB_COLORS) > 0) {
                GdiFlush();
                pic = kxcard::Picture(bih.biWidth, height);
                const std::size_t stride = kxcard::DibStride(bih.biWidth);
                for (int y = 0; y < height; ++y)
                    std::memcpy(pic.Row(y), static_cast<BYTE*>(bits) + stride * y, bih.biWidth * 3u);
                result = 0;
            }
            SelectObject(dc, old);
            DeleteObject(section);
        }
        DeleteDC(dc);
    }
    GlobalUnlock(data);
    return result;
}

} // namespace kxmci
