#include "test_picture.h"

#include <cstdio>
#include <cstring>

namespace kxcard {

namespace {

// 3 x 5 glyphs for the digits and the few letters of the input names.
const char* Glyph(char c)
{
    switch (c) {
    case '0': return "111101101101111";
    case '1': return "010110010010111";
    case '2': return "111001111100111";
    case '3': return "111001111001111";
    case '4': return "101101111001001";
    case '5': return "111100111001111";
    case '6': return "111100111101111";
    case '7': return "111001010010010";
    case '8': return "111101111101111";
    case '9': return "111101111001111";
    case 'I': return "111010010010111";
    case 'N': return "101111111111101";
    case 'S': return "111100111001111";
    case 'V': return "101101101101010";
    case '-': return "000000111000000";
    default: return nullptr;
    }
}

constexpr int kGlyphScale = 6;
constexpr int kGlyphAdvance = 4 * kGlyphScale;
constexpr int kLabelTop = 40;

// Whether (x, y) lies on a stroke of `text` drawn from (left, top).
bool OnText(const char* text, int left, int top, int x, int y)
{
    int rel_y = (y - top) / kGlyphScale;
    if (y < top || rel_y >= 5 || x < left)
        return false;
    int index = (x - left) / kGlyphAdvance;
    if (index >= static_cast<int>(std::strlen(text)))
        return false;
    int col = (x - left - index * kGlyphAdvance) / kGlyphScale;
    const char* g = Glyph(text[index]);
    return g && col < 3 && g[rel_y * 3 + col] == '1';
}

const Pixel kBars[8] = {Rgb(191, 191, 191), Rgb(191, 191, 0), Rgb(0, 191, 191), Rgb(0, 191, 0),
                        Rgb(191, 0, 191),   Rgb(191, 0, 0),   Rgb(0, 0, 191),   Rgb(16, 16, 16)};

Pixel Bars(unsigned frame, int x, int y)
{
    int sweep = static_cast<int>((frame * 8u) % kFrameWidth);
    if (x >= sweep && x < sweep + 8)
        return Rgb(255, 255, 255);
    if (y < kFrameHeight * 2 / 3)
        return kBars[x * 8 / kFrameWidth];
    int grey = x * 255 / (kFrameWidth - 1);
    return Rgb(grey, grey, grey);
}

Pixel Gradient(unsigned frame, int x, int y)
{
    int band = static_cast<int>((frame * 6u) % (kFrameWidth + kFrameHeight));
    int d = x + y - band;
    if (d >= 0 && d < 40)
        return Rgb(255, 255, 255);
    return Rgb(x * 255 / kFrameWidth, 96, y * 255 / kFrameHeight);
}

Pixel Checkers(unsigned frame, int x, int y)
{
    int cx = 80 + static_cast<int>((frame * 5u) % (kFrameWidth - 160));
    int cy = kFrameHeight / 2;
    int dx = x - cx, dy = y - cy;
    if (dx * dx + dy * dy < 60 * 60)
        return Rgb(255, 200, 0);
    bool dark = ((x / 48) + (y / 48)) % 2 != 0;
    return dark ? Rgb(0, 64, 128) : Rgb(224, 224, 224);
}

struct Label {
    char text[32];
    explicit Label(const TestPictureOptions& o)
    {
        const char* name = o.source == 1 ? "IN1" : o.source == 3 ? "SV" : "IN0";
        std::snprintf(text, sizeof text, "%s-%06u", name, o.frame % 1000000u);
    }
};

Pixel LabelledPixel(const TestPictureOptions& o, const Label& label, int x, int y)
{
    // The input name and frame counter, near the top-left corner so that a
    // small window shows them too.
    if (OnText(label.text, 24, kLabelTop, x, y))
        return Rgb(255, 255, 255);
    if (x >= 16 && x < 24 + 10 * kGlyphAdvance + 8 && y >= kLabelTop - 8 && y < kLabelTop + 5 * kGlyphScale + 8)
        return Rgb(0, 0, 0);
    switch (o.source) {
    case 1: return Gradient(o.frame, x, y);
    case 3: return Checkers(o.frame, x, y);
    default: return Bars(o.frame, x, y);
    }
}

} // namespace

Pixel TestPicturePixel(const TestPictureOptions& o, int x, int y)
{
    return LabelledPixel(o, Label(o), x, y);
}

void DrawTestPicture(const TestPictureOptions& o, const ColourMap& map, Picture& out)
{
    Label label(o);
    if (out.Width() != kFrameWidth || out.Height() != kFrameHeight)
        out.Resize(kFrameWidth, kFrameHeight);
    for (int y = 0; y < kFrameHeight; ++y) {
        int src_y = ((y + o.shiftY) % kFrameHeight + kFrameHeight) % kFrameHeight;
        int dst_y = o.verticalFlip ? kFrameHeight - 1 - y : y;
        for (int x = 0; x < kFrameWidth; ++x) {
            int src_x = ((x + o.shiftX) % kFrameWidth + kFrameWidth) % kFrameWidth;
            out.Set(x, dst_y, map.Apply(LabelledPixel(o, label, src_x, src_y)));
        }
    }
}

} // namespace kxcard
