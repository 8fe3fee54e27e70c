// Pixel rules of the card: YUV conversion, memory buffer rows, placement
// mapping, software keying, colour controls and the clipboard palettes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "card/colour.h"
#include "card/dib_rows.h"
#include "card/keying.h"
#include "card/palette.h"
#include "card/placement.h"
#include "card/yuv.h"

using namespace kxcard;

TEST(YuvTest, MatchesTheEffectsLibraryFormulaAndConvertsBack)
{
    Yuv white = ToYuv(Rgb(255, 255, 255));
    EXPECT_EQ((255 * 255) >> 8, white.y);
    EXPECT_EQ(0, white.u);
    EXPECT_EQ(0, white.v);
    Yuv blue = ToYuv(Rgb(0, 0, 255));
    EXPECT_EQ((29 * 255) >> 8, blue.y);
    EXPECT_EQ((255 - blue.y) * 127 / 226, blue.u);
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 15)
            for (int b = 0; b < 256; b += 15) {
                Pixel back = FromYuv(ToYuv(Rgb(r, g, b)));
                EXPECT_NEAR(r, back.r, 4);
                EXPECT_NEAR(g, back.g, 4);
                EXPECT_NEAR(b, back.b, 4);
            }
}

TEST(DibRowsTest, RowsArePaddedAndBottomUp)
{
    Picture pic(3, 2);   // 9 bytes of pixels, 12 with padding
    pic.Set(0, 0, Rgb(1, 2, 3));
    pic.Set(2, 1, Rgb(4, 5, 6));
    EXPECT_EQ(12u, DibStride(3));
    std::vector<std::uint8_t> buf(DibSize(3, 2), 0xEE);
    PictureToDib(pic, BufferFormat::Rgb, buf.data());
    // Bottom row first: pixel (2,1) is in the first row, blue first.
    EXPECT_EQ(6, buf[6]);
    EXPECT_EQ(4, buf[8]);
    EXPECT_EQ(0, buf[9]);    // padding cleared
    EXPECT_EQ(3, buf[12]);   // pixel (0,0) in the second row
    Picture back = DibToPicture(buf.data(), 3, 2, BufferFormat::Rgb);
    EXPECT_EQ(Rgb(1, 2, 3), back.At(0, 0));
    EXPECT_EQ(Rgb(4, 5, 6), back.At(2, 1));
}

TEST(DibRowsTest, YuvBuffersHoldSignedColourDifferences)
{
    Picture pic(2, 1);
    pic.Set(0, 0, Rgb(0, 0, 255));
    pic.Set(1, 0, Rgb(255, 255, 0));
    std::vector<std::uint8_t> buf(DibSize(2, 1));
    PictureToDib(pic, BufferFormat::Yuv, buf.data());
    Yuv blue = ToYuv(Rgb(0, 0, 255));
    EXPECT_EQ(blue.y, buf[0]);
    EXPECT_EQ(blue.u, static_cast<std::int8_t>(buf[1]));
    EXPECT_LT(static_cast<std::int8_t>(buf[4]), 0);   // yellow has negative U
    Picture back = DibToPicture(buf.data(), 2, 1, BufferFormat::Yuv);
    EXPECT_NEAR(255, back.At(0, 0).b, 4);
    EXPECT_NEAR(255, back.At(1, 0).g, 4);
}

TEST(PlacementTest, RegionsMapThroughTheFrameAndSourceRectangles)
{
    Placement none;
    int fx, fy;
    none.ToFrame(12, 34, fx, fy);
    EXPECT_EQ(12, fx);
    EXPECT_EQ(34, fy);

    Placement zoom2;   // 1024 x 768 screen shows 512 x 384 of frame memory from (50, 30)
    zoom2.Set(Rect{0, 0, 1024, 768}, Rect{50, 30, 512, 384});
    zoom2.ToFrame(100, 60, fx, fy);
    EXPECT_EQ(100, fx);
    EXPECT_EQ(60, fy);
    zoom2.ToFrame(-1, -1, fx, fy);
    EXPECT_EQ(49, fx);   // left of the frame rectangle maps left of the source
    EXPECT_EQ(29, fy);

    Picture frame(20, 10);
    frame.Set(5, 5, Rgb(9, 9, 9));
    Placement shifted;
    shifted.Set(Rect{10, 10, 20, 10}, Rect{0, 0, 20, 10});
    Picture region = ReadRegion(frame, shifted, Rect{14, 14, 3, 3});
    EXPECT_EQ(Rgb(9, 9, 9), region.At(1, 1));
    Picture outside = ReadRegion(frame, Placement{}, Rect{18, 8, 4, 4});
    EXPECT_EQ(Pixel{}, outside.At(3, 3));

    Picture two(2, 1);
    two.Set(0, 0, Rgb(1, 1, 1));
    two.Set(1, 0, Rgb(2, 2, 2));
    WriteRegion(frame, Placement{}, Rect{0, 0, 4, 1}, two);   // stretched to 4 pixels
    EXPECT_EQ(Rgb(1, 1, 1), frame.At(1, 0));
    EXPECT_EQ(Rgb(2, 2, 2), frame.At(2, 0));
    ClearRegion(frame, shifted, Rect{15, 15, 1, 1});
    EXPECT_EQ(Pixel{}, frame.At(5, 5));
}

TEST(KeyingTest, VideoReplacesTheKeyColourAndWhatItPaintedButNotDrawings)
{
    const Pixel key = Rgb(255, 0, 255), text = Rgb(0, 0, 0);
    KeyingOptions o;
    std::vector<Pixel> video = {Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9)};
    std::vector<Pixel> screen = {key, text, key};
    std::vector<std::uint32_t> painted(3, kNotPainted);
    ComposeKeyed(o, video.data(), screen.data(), painted.data(), 3);
    EXPECT_EQ(video[0], screen[0]);
    EXPECT_EQ(text, screen[1]);
    EXPECT_EQ(video[2], screen[2]);

    // Next frame: the program drew text over pixel 2; pixel 0 still shows
    // the old video and gets the new one.
    screen[2] = text;
    std::vector<Pixel> next = {Rgb(10, 10, 10), Rgb(11, 11, 11), Rgb(12, 12, 12)};
    ComposeKeyed(o, next.data(), screen.data(), painted.data(), 3);
    EXPECT_EQ(next[0], screen[0]);
    EXPECT_EQ(text, screen[1]);
    EXPECT_EQ(text, screen[2]);

    // Another key colour: magenta is now a drawing like any other.
    o.keyColour = Rgb(0, 255, 0);
    std::vector<Pixel> fresh = {key};
    std::vector<std::uint32_t> none(1, kNotPainted);
    ComposeKeyed(o, next.data(), fresh.data(), none.data(), 1);
    EXPECT_EQ(key, fresh[0]);

    // Without the video key the video covers everything.
    o.videoKey = false;
    ComposeKeyed(o, next.data(), fresh.data(), none.data(), 1);
    EXPECT_EQ(next[0], fresh[0]);
}

TEST(KeyingTest, ChromaKeyLetsTheWindowShowWhereTheVideoMatches)
{
    KeyingOptions o;
    o.chromaKey = true;
    o.chroma = ToYuv(Rgb(0, 200, 0));
    const Pixel key = o.keyColour;
    std::vector<Pixel> video = {Rgb(0, 200, 0), Rgb(0, 205, 3), Rgb(200, 0, 0)};
    std::vector<Pixel> screen = {key, key, key};
    std::vector<std::uint32_t> painted(3, kNotPainted);
    ComposeKeyed(o, video.data(), screen.data(), painted.data(), 3);
    EXPECT_EQ(key, screen[0]);
    EXPECT_EQ(key, screen[1]);
    EXPECT_EQ(video[2], screen[2]);
    // Pixel 2's video turns green: the window's key colour comes back there.
    video[2] = Rgb(0, 200, 0);
    ComposeKeyed(o, video.data(), screen.data(), painted.data(), 3);
    EXPECT_EQ(key, screen[2]);
}

TEST(KeyingTest, AKeyOutOfAlignmentLeavesKeyColouredTraces)
{
    // A 6 x 1 strip: key colour in pixels 1..3, a drawing elsewhere.
    const Pixel key = Rgb(255, 0, 255), drawing = Rgb(0, 0, 0), v = Rgb(50, 60, 70);
    KeyingOptions o;
    std::vector<Pixel> video(6, v);
    std::vector<Pixel> screen = {drawing, key, key, key, drawing, drawing};
    std::vector<std::uint32_t> painted(6, kNotPainted);
    ComposeKeyedShifted(o, video.data(), screen.data(), painted.data(), 6, 1, 2, 0);
    // The key reaches two pixels to the right: video on 3..5, a trace on 1..2.
    EXPECT_EQ((std::vector<Pixel>{drawing, key, key, v, v, v}), screen);
    // The next frames keep the same picture: the traces stay key colour and
    // the video does not creep over the drawing it covered.
    for (int frame = 0; frame < 4; ++frame)
        ComposeKeyedShifted(o, video.data(), screen.data(), painted.data(), 6, 1, 2, 0);
    EXPECT_EQ((std::vector<Pixel>{drawing, key, key, v, v, v}), screen);

    // Shifted left over a drawing on the left: the drawing is not eaten away.
    std::vector<Pixel> left = {key, key, drawing, drawing, drawing, key};
    std::vector<std::uint32_t> mem(6, kNotPainted);
    for (int frame = 0; frame < 4; ++frame)
        ComposeKeyedShifted(o, video.data(), left.data(), mem.data(), 6, 1, 1, 0);
    EXPECT_EQ((std::vector<Pixel>{key, v, v, drawing, drawing, key}), left);
    // Aligned again, the video fills exactly the key area... and what it
    // painted beyond keeps being video until the program repaints.
    std::vector<Pixel> fresh = {drawing, key, key, key, drawing, drawing};
    std::vector<std::uint32_t> none(6, kNotPainted);
    ComposeKeyedShifted(o, video.data(), fresh.data(), none.data(), 6, 1, 0, 0);
    EXPECT_EQ((std::vector<Pixel>{drawing, v, v, v, drawing, drawing}), fresh);
}

TEST(KeyingTest, PackedPixelsIgnoreTheTopByteAsAWindowsReadBackMayFillIt)
{
    // A 32-bit read-back may carry anything in its fourth byte: the key
    // colour is still the key colour, and what is composed carries none.
    KeyingOptions o;
    const std::uint32_t key = Pack(o.keyColour), drawing = 0x00102030u;
    const std::vector<std::uint32_t> video = {0x00AABBCCu, 0xFF445566u, 0x00778899u};
    const std::vector<std::uint32_t> screen = {0xFF000000u | key, 0x7F000000u | drawing, key};
    std::vector<std::uint32_t> out(3), painted(3, kNotPainted);
    ComposeKeyedPacked(o, video.data(), screen.data(), out.data(), painted.data(), 3, 1, 0, 0);
    EXPECT_EQ((std::vector<std::uint32_t>{0x00AABBCCu, drawing, 0x00778899u}), out);
    // Next frame, the window shows what was written (with a top byte again):
    // the video there is still the keyer's own and is replaced.
    const std::vector<std::uint32_t> shown = {0xFF000000u | out[0], out[1], out[2]};
    const std::vector<std::uint32_t> next = {0x00010203u, 0x00040506u, 0x00070809u};
    ComposeKeyedPacked(o, next.data(), shown.data(), out.data(), painted.data(), 3, 1, 0, 0);
    EXPECT_EQ((std::vector<std::uint32_t>{0x00010203u, drawing, 0x00070809u}), out);
}

TEST(ColourMapTest, NeutralIsIdentityAndControlsActAsNamed)
{
    ColourMap neutral;
    EXPECT_EQ(Rgb(12, 200, 99), neutral.Apply(Rgb(12, 200, 99)));

    ColourSettings flat;
    flat.contrast = 0;
    Pixel a = ColourMap(flat).Apply(Rgb(0, 0, 0)), b = ColourMap(flat).Apply(Rgb(255, 255, 255));
    EXPECT_EQ(a, b);

    ColourSettings grey;
    grey.saturation = 0;
    Pixel g = ColourMap(grey).Apply(Rgb(200, 30, 30));
    EXPECT_NEAR(g.r, g.g, 1);
    EXPECT_NEAR(g.g, g.b, 1);

    ColourSettings redder;
    redder.red = 255;
    Pixel r = ColourMap(redder).Apply(Rgb(100, 100, 100));
    EXPECT_NEAR(199, r.r, 1);
    EXPECT_EQ(100, r.g);

    ColourSettings turned;
    turned.hue = 0;   // half a turn: colour differences change sign
    Yuv before = ToYuv(Rgb(200, 40, 40)), after = ToYuv(ColourMap(turned).Apply(Rgb(200, 40, 40)));
    EXPECT_LT(after.v * before.v, 0);
}

TEST(PaletteTest, IndicesPointAtMatchingColours)
{
    auto grey = MakePalette(PaletteKind::Grey256);
    EXPECT_EQ(77, PaletteIndex(PaletteKind::Grey256, grey, Rgb(77, 77, 77)));
    auto cube = MakePalette(PaletteKind::Colour256);
    ASSERT_EQ(256u, cube.size());
    for (Pixel p : {Rgb(255, 0, 0), Rgb(0, 153, 51), Rgb(200, 200, 200), Rgb(10, 250, 130)}) {
        Pixel q = cube[PaletteIndex(PaletteKind::Colour256, cube, p)];
        EXPECT_LE(std::abs(q.r - p.r) + std::abs(q.g - p.g) + std::abs(q.b - p.b), 60);
    }
    auto vga = MakePalette(PaletteKind::Colour16);
    EXPECT_EQ(Rgb(255, 0, 255), vga[PaletteIndex(PaletteKind::Colour16, vga, Rgb(250, 10, 240))]);
}
