#include "picture.h"

namespace kxcard {

void Picture::Resize(int width, int height)
{
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    bytes_.assign(static_cast<std::size_t>(width_) * height_ * 3, 0);
}

void Picture::Fill(Pixel p)
{
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            Set(x, y, p);
}

} // namespace kxcard
