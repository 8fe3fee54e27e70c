#include "test_picture.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

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
    case 'N': return "110101101101101";
    case 'S': return "111100111001111";
    case 'V': return "101101101101010";
    case '-': return "000000111000000";
    case 'O': return "010101101101010";
    case 'G': return "111100101101111";
    case 'A': return "010101111101101";
    case 'L': return "100100100100111";
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

const Pixel kNoSignalGrey = Rgb(24, 24, 24);

struct Label {
    char text[32];
    explicit Label(const TestPictureOptions& o)
    {
        const char* name = o.source == 1 ? "IN1" : o.source == 3 ? "SV" : "IN0";
        if (o.noSignal)
            std::snprintf(text, sizeof text, "NO SIGNAL");
        else
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
    if (o.noSignal)
        return kNoSignalGrey;
    switch (o.source) {
    case 1: return Gradient(o.frame, x, y);
    case 3: return Checkers(o.frame, x, y);
    default: return Bars(o.frame, x, y);
    }
}

// The character whose glyph the label shows in cell `index`, or 0.
char ReadGlyph(const Picture& picture, int index)
{
    char bits[16] = {};
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 3; ++col) {
            const int x = 24 + index * kGlyphAdvance + col * kGlyphScale + kGlyphScale / 2;
            const int y = kLabelTop + row * kGlyphScale + kGlyphScale / 2;
            if (!picture.Contains(x, y))
                return 0;
            const Pixel p = picture.At(x, y);
            bits[row * 3 + col] = p.r > 128 && p.g > 128 && p.b > 128 ? '1' : '0';
        }
    for (char c : {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '-'})
        if (std::strcmp(Glyph(c), bits) == 0)
            return c;
    return 0;
}

} // namespace

bool ReadFrameCounter(const Picture& picture, unsigned& counter)
{
    // "IN0-", "IN1-" or "SV-" and six digits: the counter follows the dash.
    constexpr int kDigits = 6;
    int dash = -1;
    for (int i = 2; i <= 3 && dash < 0; ++i)
        if (ReadGlyph(picture, i) == '-')
            dash = i;
    if (dash < 0)
        return false;
    unsigned value = 0;
    for (int i = dash + 1; i <= dash + kDigits; ++i) {
        const char c = ReadGlyph(picture, i);
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    counter = value;
    return true;
}

Pixel TestPicturePixel(const TestPictureOptions& o, int x, int y)
{
    return LabelledPixel(o, Label(o), x, y);
}

namespace {

// One row of the raw picture (source coordinates), drawn a span at a time:
// the same pixels as LabelledPixel, without deciding each pixel anew.
void DrawRawRow(const TestPictureOptions& o, const Label& label, int y, Pixel* row)
{
    constexpr int W = kFrameWidth, H = kFrameHeight;
    auto fill = [row](int from, int to, Pixel p) {
        for (int x = std::max(from, 0); x < std::min(to, kFrameWidth); ++x)
            row[x] = p;
    };
    switch (o.noSignal ? -1 : o.source) {
    case -1:
        fill(0, W, kNoSignalGrey);
        break;
    case 1: {
        const int blue = y * 255 / H;
        for (int x = 0; x < W; ++x)
            row[x] = Rgb(x * 255 / W, 96, blue);
        const int band = static_cast<int>((o.frame * 6u) % (W + H)) - y;
        fill(band, band + 40, Rgb(255, 255, 255));
        break;
    }
    case 3: {
        for (int x = 0; x < W; ++x)
            row[x] = ((x / 48) + (y / 48)) % 2 != 0 ? Rgb(0, 64, 128) : Rgb(224, 224, 224);
        const int cx = 80 + static_cast<int>((o.frame * 5u) % (W - 160));
        const int dy = y - H / 2;
        for (int x = std::max(cx - 60, 0); x < std::min(cx + 61, W); ++x)
            if ((x - cx) * (x - cx) + dy * dy < 60 * 60)
                row[x] = Rgb(255, 200, 0);
        break;
    }
    default: {
        if (y < H * 2 / 3)
            for (int x = 0; x < W; ++x)
                row[x] = kBars[x * 8 / W];
        else
            for (int x = 0; x < W; ++x) {
                const int grey = x * 255 / (W - 1);
                row[x] = Rgb(grey, grey, grey);
            }
        const int sweep = static_cast<int>((o.frame * 8u) % W);
        fill(sweep, sweep + 8, Rgb(255, 255, 255));
        break;
    }
    }
    if (y >= kLabelTop - 8 && y < kLabelTop + 5 * kGlyphScale + 8) {
        fill(16, 24 + 10 * kGlyphAdvance + 8, Rgb(0, 0, 0));
        const int right = 24 + static_cast<int>(std::strlen(label.text)) * kGlyphAdvance;
        for (int x = 24; x < std::min(right, W); ++x)
            if (OnText(label.text, 24, kLabelTop, x, y))
                row[x] = Rgb(255, 255, 255);
    }
}

} // namespace

void DrawTestPicture(const TestPictureOptions& o, const ColourMap& map, Picture& out)
{
    static_assert(sizeof(Pixel) == 3, "rows of Pixel are rows of frame memory");
    Label label(o);
    if (out.Width() != kFrameWidth || out.Height() != kFrameHeight)
        out.Resize(kFrameWidth, kFrameHeight);
    std::vector<Pixel> raw(kFrameWidth), line(kFrameWidth);
    // The display alignment shifts the picture with wrap-around: a row is the
    // raw row from column `start` on, then its beginning.
    const int start = (o.shiftX % kFrameWidth + kFrameWidth) % kFrameWidth;
    for (int y = 0; y < kFrameHeight; ++y) {
        const int src_y = ((y + o.shiftY) % kFrameHeight + kFrameHeight) % kFrameHeight;
        const int dst_y = o.verticalFlip ? kFrameHeight - 1 - y : y;
        DrawRawRow(o, label, src_y, raw.data());
        std::rotate_copy(raw.begin(), raw.begin() + start, raw.end(), line.begin());
        if (!map.IsIdentity())
            for (Pixel& p : line)
                p = map.Apply(p);
        std::memcpy(out.Row(dst_y), line.data(), line.size() * sizeof(Pixel));
    }
}

} // namespace kxcard
