#include "background_image.h"

CBackgroundImage::CBackgroundImage(const BITMAPINFOHEADER* header, SIZE size)
    : context_(DrawDibOpen()), header_(header), size_(size)
{
    if (context_ && header_)
        DrawDibBegin(context_, nullptr, size_.cx, size_.cy, const_cast<BITMAPINFOHEADER*>(header_), header_->biWidth,
                     header_->biHeight, 0);
}

CBackgroundImage::~CBackgroundImage()
{
    if (context_) {
        DrawDibEnd(context_);
        DrawDibClose(context_);
    }
}

bool CBackgroundImage::Draw(HDC dc, const RECT& destination) const
{
    if (!context_ || !header_)
        return false;
    auto* header = const_cast<BITMAPINFOHEADER*>(header_);
    return DrawDibDraw(context_, dc, destination.left, destination.top, destination.right - destination.left,
                       destination.bottom - destination.top, header, header + 1, 0, 0, header->biWidth,
                       header->biHeight, 0) != FALSE;
}

UINT CBackgroundImage::RealizePalette(HDC dc) const
{
    return context_ ? DrawDibRealize(context_, dc, FALSE) : 0;
}
