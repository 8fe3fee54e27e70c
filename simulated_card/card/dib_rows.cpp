#include "dib_rows.h"

#include <cstring>

#include "yuv.h"

namespace kxcard {

void PictureToDib(const Picture& pic, BufferFormat format, std::uint8_t* out)
{
    const std::size_t stride = DibStride(pic.Width());
    for (int y = 0; y < pic.Height(); ++y) {
        std::uint8_t* row = out + stride * static_cast<std::size_t>(pic.Height() - 1 - y);
        std::memset(row + pic.Width() * 3, 0, stride - pic.Width() * 3);
        if (format == BufferFormat::Rgb) {
            std::memcpy(row, pic.Row(y), static_cast<std::size_t>(pic.Width()) * 3);
            continue;
        }
        for (int x = 0; x < pic.Width(); ++x)
            StoreYuv(ToYuv(pic.At(x, y)), row + x * 3);
    }
}

Picture DibToPicture(const std::uint8_t* in, int width, int height, BufferFormat format)
{
    Picture pic(width, height);
    const std::size_t stride = DibStride(width);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = in + stride * static_cast<std::size_t>(height - 1 - y);
        if (format == BufferFormat::Rgb) {
            std::memcpy(pic.Row(y), row, static_cast<std::size_t>(width) * 3);
            continue;
        }
        for (int x = 0; x < width; ++x)
            pic.Set(x, y, FromYuv(LoadYuv(row + x * 3)));
    }
    return pic;
}

} // namespace kxcard
