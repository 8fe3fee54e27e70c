// A 24-bit picture held in main memory: top-down rows of blue, green, red
// bytes, tightly packed.  Frame memory, test pictures and the pictures read
// from or written to files all use this layout.
#pragma once

#include <cstdint>
#include <vector>

namespace kxcard {

struct Pixel {
    std::uint8_t b = 0, g = 0, r = 0;
    bool operator==(const Pixel& o) const { return b == o.b && g == o.g && r == o.r; }
    bool operator!=(const Pixel& o) const { return !(*this == o); }
};

inline Pixel Rgb(int r, int g, int b)
{
    return Pixel{static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(r)};
}

class Picture {
public:
    Picture() = default;
    Picture(int width, int height) { Resize(width, height); }

    void Resize(int width, int height);
    void Fill(Pixel p);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Pixel At(int x, int y) const
    {
        const std::uint8_t* p = &bytes_[(static_cast<std::size_t>(y) * width_ + x) * 3];
        return Pixel{p[0], p[1], p[2]};
    }
    void Set(int x, int y, Pixel v)
    {
        std::uint8_t* p = &bytes_[(static_cast<std::size_t>(y) * width_ + x) * 3];
        p[0] = v.b;
        p[1] = v.g;
        p[2] = v.r;
    }
    std::uint8_t* Row(int y) { return &bytes_[static_cast<std::size_t>(y) * width_ * 3]; }
    const std::uint8_t* Row(int y) const { return &bytes_[static_cast<std::size_t>(y) * width_ * 3]; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bytes_;
};

} // namespace kxcard
