// A picture shown behind the video: a device-independent bitmap in the
// program's memory drawn with DrawDib, stretched to any rectangle, with its
// palette realised on palette screens.  The bitmap stays its owner's; this
// object only draws it and holds the DrawDib context, closed when it goes.
#pragma once
#include <windows.h>
#include <vfw.h>

class CBackgroundImage {
public:
    // `header` is followed directly by the pixel rows; `size` is the client
    // rectangle's size the picture is first drawn at.
    CBackgroundImage(const BITMAPINFOHEADER* header, SIZE size);
    ~CBackgroundImage();
    CBackgroundImage(const CBackgroundImage&) = delete;
    CBackgroundImage& operator=(const CBackgroundImage&) = delete;

    bool Valid() const { return context_ != nullptr; }
    // Draws the whole picture into `destination`.
    bool Draw(HDC dc, const RECT& destination) const;
    // Realises the picture's palette in `dc`; the count of colours changed.
    UINT RealizePalette(HDC dc) const;

private:
    HDRAWDIB context_ = nullptr;
    const BITMAPINFOHEADER* header_;
    SIZE size_;
};
