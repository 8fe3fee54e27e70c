#include "palette.h"

#include <climits>

namespace kxcard {

namespace {
constexpr int kCubeLevels = 6;
constexpr int kCubeSize = kCubeLevels * kCubeLevels * kCubeLevels;   // 216
constexpr int kGreys = 256 - kCubeSize;                               // 40

int Luma(Pixel p) { return (299 * p.r + 587 * p.g + 114 * p.b + 500) / 1000; }
int CubeLevel(int v) { return (v * (kCubeLevels - 1) + 127) / 255; }
} // namespace

std::vector<Pixel> MakePalette(PaletteKind kind)
{
    std::vector<Pixel> pal;
    switch (kind) {
    case PaletteKind::Grey256:
        for (int i = 0; i < 256; ++i)
            pal.push_back(Rgb(i, i, i));
        break;
    case PaletteKind::Colour256:
        for (int r = 0; r < kCubeLevels; ++r)
            for (int g = 0; g < kCubeLevels; ++g)
                for (int b = 0; b < kCubeLevels; ++b)
                    pal.push_back(Rgb(r * 51, g * 51, b * 51));
        for (int i = 0; i < kGreys; ++i) {
            int v = i * 255 / (kGreys - 1);
            pal.push_back(Rgb(v, v, v));
        }
        break;
    case PaletteKind::Colour16: {
        static const int vga[16][3] = {{0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                       {0, 0, 128},   {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                       {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
                                       {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
        for (const auto& c : vga)
            pal.push_back(Rgb(c[0], c[1], c[2]));
        break;
    }
    }
    return pal;
}

std::uint8_t PaletteIndex(PaletteKind kind, const std::vector<Pixel>& palette, Pixel p)
{
    switch (kind) {
    case PaletteKind::Grey256: return static_cast<std::uint8_t>(Luma(p));
    case PaletteKind::Colour256:
        if (p.r == p.g && p.g == p.b && p.r % 51 != 0)
            return static_cast<std::uint8_t>(kCubeSize + (p.r * (kGreys - 1) + 127) / 255);
        return static_cast<std::uint8_t>((CubeLevel(p.r) * kCubeLevels + CubeLevel(p.g)) * kCubeLevels + CubeLevel(p.b));
    case PaletteKind::Colour16: break;
    }
    int best = 0, best_d = INT_MAX;
    for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
        int dr = palette[i].r - p.r, dg = palette[i].g - p.g, db = palette[i].b - p.b;
        int d = dr * dr + dg * dg + db * db;
        if (d < best_d)
            best = i, best_d = d;
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace kxcard
