// The card model: settings and their ranges, the query replies, the stored
// configuration, freezing and the live picture.
#include <gtest/gtest.h>

#include "card/card.h"

using namespace kxcard;

namespace {

int Luma(Pixel p) { return (76 * p.r + 150 * p.g + 29 * p.b) >> 8; }

long long Differences(const Picture& a, const Picture& b)
{
    long long n = 0;
    for (int y = 0; y < a.Height(); y += 4)
        for (int x = 0; x < a.Width(); x += 4)
            n += a.At(x, y) != b.At(x, y);
    return n;
}

} // namespace

TEST(CardSettingsTest, ColourControlsKeepTheirRangeAndAnswerInReplyOrder)
{
    Card card;
    EXPECT_EQ(CardError::None, card.SetNumber(NumberItem::Brightness, 10));
    EXPECT_EQ(CardError::None, card.SetNumber(NumberItem::Saturation, 20));
    EXPECT_EQ(CardError::None, card.SetNumber(NumberItem::Contrast, 30));
    EXPECT_EQ(CardError::None, card.SetNumber(NumberItem::Hue, 255));
    EXPECT_EQ(CardError::OutOfRange, card.SetNumber(NumberItem::Hue, 256));
    EXPECT_EQ(CardError::OutOfRange, card.SetNumber(NumberItem::Red, -1));
    EXPECT_EQ("10 20 30 255", card.Reply(QueryItem::Display));
    EXPECT_EQ("0 255", card.Reply(QueryItem::LimitContrast));
    EXPECT_EQ(CardError::None, card.SetNumber(NumberItem::Green, 7));
    EXPECT_EQ("128 7 128", card.Reply(QueryItem::Rgb));
}

TEST(CardSettingsTest, OnlyTheThreeInputsCanBeChosenAndEachKeepsItsSignalType)
{
    Card card;
    EXPECT_EQ(CardError::OutOfRange, card.SetNumber(NumberItem::SourceNumber, 2));
    EXPECT_EQ(CardError::None, card.SetNumber(NumberItem::SourceNumber, 3));
    EXPECT_EQ(CardError::None, card.SetNumber(NumberItem::SignalType, 5));
    EXPECT_EQ("3 5", card.Reply(QueryItem::Video));
    EXPECT_EQ(CardError::None, card.SetNumber(NumberItem::SourceNumber, 1));
    EXPECT_EQ("1 1", card.Reply(QueryItem::Video));
    EXPECT_EQ(CardError::OutOfRange, card.SetNumber(NumberItem::SignalType, 6));
}

TEST(CardSettingsTest, SetupQueriesAnswerInTheirLayouts)
{
    Card card;
    EXPECT_EQ(CardError::None, card.SetNumber(NumberItem::SkewWinX, 1));
    EXPECT_EQ(CardError::None, card.SetNumber(NumberItem::SkewDispY, 63));
    EXPECT_EQ(CardError::OutOfRange, card.SetNumber(NumberItem::SkewWinY, 64));
    EXPECT_EQ("1 32 32 63", card.Reply(QueryItem::Skew));
    EXPECT_EQ("0 63 0 63", card.Reply(QueryItem::LimitDisplay));
    EXPECT_EQ("0 63 0 63", card.Reply(QueryItem::LimitVideo));
    EXPECT_EQ(CardError::None, card.SetNumber(NumberItem::KeyCorrect, 4));
    EXPECT_EQ("1 4", card.Reply(QueryItem::VideoKey));
    EXPECT_EQ("0 15", card.Reply(QueryItem::LimitVideoKeyCorrect));
    EXPECT_EQ(CardError::OutOfRange, card.SetNumber(NumberItem::KeyColour, 0x1000000));
}

TEST(CardSettingsTest, ChromaKeyTakesSignedOrByteValuesAndMinusOneSwitchesItOff)
{
    Card card;
    EXPECT_EQ(CardError::None, card.SetChromaKey(0, 100, 250, 5));   // U as a low byte: -6
    EXPECT_TRUE(card.Settings().chromaKey);
    EXPECT_EQ(-6, card.Settings().chroma.u);
    EXPECT_EQ(CardError::None, card.SetNumber(NumberItem::ChromaGreenLimit, 40));
    EXPECT_EQ("0 100 -6 5 10 40 10", card.Reply(QueryItem::ChromaKey));
    EXPECT_EQ(CardError::None, card.SetChromaKey(4294967295LL, 0, 0, 0));
    EXPECT_FALSE(card.Settings().chromaKey);
    EXPECT_EQ(CardError::OutOfRange, card.SetChromaKey(0, 300, 0, 0));
    EXPECT_EQ(CardError::OutOfRange, card.SetChromaKey(2, 0, 0, 0));
}

TEST(CardConfigTest, StoredTextRestoresEverySetting)
{
    Card card;
    card.SetNumber(NumberItem::Hue, 3);
    card.SetNumber(NumberItem::Blue, 200);
    card.SetNumber(NumberItem::SourceNumber, 3);
    card.SetNumber(NumberItem::SignalType, 0);
    card.SetNumber(NumberItem::SkewDispX, 9);
    card.SetNumber(NumberItem::KeyColour, 0x00FF00);
    card.SetVerticalFlip(true);
    CardSettings restored;
    ApplyConfigText(ConfigText(card.Settings()), restored);
    EXPECT_EQ(card.Settings().colour, restored.colour);
    EXPECT_EQ(3, restored.source);
    EXPECT_EQ(0, restored.signalType[2]);
    EXPECT_EQ(9, restored.skewDispX);
    EXPECT_EQ(Rgb(0, 255, 0), restored.keyColour);
    EXPECT_TRUE(restored.verticalFlip);
}

TEST(CardConfigTest, DamagedTextLeavesGoodValuesAndDefaults)
{
    CardSettings s;
    ApplyConfigText("hue=12 brightness=999 contrast=x source=2 =5 saturation 7 red=-3 green=40", s);
    EXPECT_EQ(12, s.colour.hue);
    EXPECT_EQ(kColourNeutral, s.colour.brightness);
    EXPECT_EQ(kColourNeutral, s.colour.contrast);
    EXPECT_EQ(kColourNeutral, s.colour.red);
    EXPECT_EQ(40, s.colour.green);
    EXPECT_EQ(0, s.source);   // 2 is no input
}

TEST(CardVideoTest, FrozenMemoryKeepsItsPictureUntilUnfrozen)
{
    Card card;
    card.Live(0);
    card.Freeze(1000);
    Picture held = card.Memory();
    card.Live(5000);
    EXPECT_EQ(0, Differences(held, card.Memory()));
    card.Unfreeze();
    card.Live(5000);
    EXPECT_GT(Differences(held, card.Memory()), 0);
    EXPECT_EQ(125u, card.FrameNumber());
}

TEST(CardVideoTest, InputsShowDifferentPicturesAndTheSettingsChangeThem)
{
    Card card;
    card.Live(0);
    Picture input0 = card.Memory();
    card.SetNumber(NumberItem::SourceNumber, 1);
    card.Live(0);
    Picture input1 = card.Memory();
    card.SetNumber(NumberItem::SourceNumber, 3);
    card.Live(0);
    Picture input3 = card.Memory();
    EXPECT_GT(Differences(input0, input1), 1000);
    EXPECT_GT(Differences(input1, input3), 1000);
    EXPECT_GT(Differences(input0, input3), 1000);

    card.SetNumber(NumberItem::SourceNumber, 0);
    card.SetNumber(NumberItem::Brightness, 200);
    card.Live(0);
    // A grey bar of the test picture gets brighter.
    EXPECT_GT(Luma(card.Memory().At(10, 10)), Luma(input0.At(10, 10)) + 40);

    card.SetNumber(NumberItem::Brightness, kColourNeutral);
    card.SetVerticalFlip(true);
    card.Live(0);
    for (int x = 0; x < kFrameWidth; x += 37)
        EXPECT_EQ(input0.At(x, 3), card.Memory().At(x, kFrameHeight - 1 - 3));
}

TEST(CardVideoTest, VideoMovesFromFrameToFrame)
{
    Card card;
    card.Live(0);
    Picture first = card.Memory();
    card.Live(400);   // ten frames later
    EXPECT_EQ(10u, card.FrameNumber());
    EXPECT_GT(Differences(first, card.Memory()), 0);
}

TEST(CardPlacementTest, DeferredRectanglesTakeEffectWithTheDestination)
{
    Card card;
    card.PutFrame(Rect{0, 0, 200, 100}, true);
    card.PutSource(Rect{10, 20, 100, 50}, true);
    EXPECT_TRUE(card.CurrentPlacement().Frame().Empty());
    card.PutDestination(nullptr);
    EXPECT_EQ((Rect{0, 0, 200, 100}), card.CurrentPlacement().Frame());
    EXPECT_EQ((Rect{10, 20, 100, 50}), card.CurrentPlacement().Source());
    Rect dest{15, 16, 153, 113};
    card.PutDestination(&dest);
    EXPECT_EQ(dest, card.CurrentPlacement().Frame());
}

TEST(CardVideoTest, DrawnPictureMatchesThePixelRuleEverywhere)
{
    // The picture is drawn a row at a time; TestPicturePixel is the rule.
    ColourSettings warm;
    warm.hue = 150;
    warm.red = 170;
    const ColourMap maps[] = {ColourMap(), ColourMap(warm)};
    struct Case {
        int source;
        unsigned frame;
        bool flip;
        int shiftX, shiftY;
    };
    const Case cases[] = {{0, 0, false, 0, 0},    {0, 95, true, -31, 17},   {1, 57, false, 31, -31},
                          {1, 223, true, 0, 5},   {3, 12345, false, -7, 0}, {3, 121, true, 13, -2},
                          {0, 999999, false, 32, 32}};
    Picture drawn;
    for (const ColourMap& map : maps)
        for (const Case& c : cases) {
            TestPictureOptions o;
            o.source = c.source;
            o.frame = c.frame;
            o.verticalFlip = c.flip;
            o.shiftX = c.shiftX;
            o.shiftY = c.shiftY;
            DrawTestPicture(o, map, drawn);
            int wrong = 0;
            for (int y = 0; y < kFrameHeight; ++y)
                for (int x = 0; x < kFrameWidth; ++x) {
                    const int sx = ((x + c.shiftX) % kFrameWidth + kFrameWidth) % kFrameWidth;
                    const int sy = ((y + c.shiftY) % kFrameHeight + kFrameHeight) % kFrameHeight;
                    const int dy = c.flip ? kFrameHeight - 1 - y : y;
                    wrong += drawn.At(x, dy) != map.Apply(TestPicturePixel(o, sx, sy));
                }
            EXPECT_EQ(0, wrong) << "input " << c.source << " frame " << c.frame;
        }
}

TEST(CardVideoTest, FrameCounterReadsBackFromThePicture)
{
    Card card;
    for (int source : {0, 1, 3}) {
        card.SetNumber(NumberItem::SourceNumber, source);
        card.Live(1234 * 40);
        unsigned counter = 0;
        ASSERT_TRUE(ReadFrameCounter(card.Memory(), counter)) << "input " << source;
        EXPECT_EQ(1234u, counter);
    }
    // Covered or upside down, the label is not read as a number.
    Picture covered = card.Memory();
    for (int x = 100; x < 130; ++x)
        for (int y = 30; y < 80; ++y)
            covered.Set(x, y, Rgb(255, 0, 255));
    unsigned counter = 0;
    EXPECT_FALSE(ReadFrameCounter(covered, counter));
    card.SetVerticalFlip(true);
    card.Live(1234 * 40);
    EXPECT_FALSE(ReadFrameCounter(card.Memory(), counter));
    EXPECT_FALSE(ReadFrameCounter(Picture(100, 40), counter));
}

TEST(CardVideoTest, MemoryVersionChangesWithEveryNewPictureOnly)
{
    Card card;
    card.Live(0);
    const auto first = card.MemoryVersion();
    card.Live(10);   // the same frame
    EXPECT_EQ(first, card.MemoryVersion());
    card.Live(40);
    const auto second = card.MemoryVersion();
    EXPECT_NE(first, second);
    card.Freeze(40);
    card.Live(4000);
    EXPECT_EQ(second, card.MemoryVersion());
    card.WriteMemory().Set(0, 0, Rgb(1, 2, 3));
    EXPECT_NE(second, card.MemoryVersion());
    const auto written = card.MemoryVersion();
    card.ClearMemory();
    EXPECT_NE(written, card.MemoryVersion());
}

TEST(CardInputsTest, InputsTextNamesTheSignalOfEachInput)
{
    int types[3] = {7, 7, 7};
    EXPECT_TRUE(ParseInputsText("1 -1 5", types));
    EXPECT_EQ(1, types[0]);
    EXPECT_EQ(-1, types[1]);
    EXPECT_EQ(5, types[2]);
    int kept[3] = {1, 1, 1};
    for (const char* bad : {"", "1 1", "1 1 1 1", "1 x 1", "1 6 1", "-2 1 1", "1 1 1x"})
        EXPECT_FALSE(ParseInputsText(bad, kept)) << bad;
    EXPECT_EQ(1, kept[0]);
    EXPECT_EQ(1, kept[1]);
}

TEST(CardInputsTest, AnInputWithoutSignalAnswersMinusOneAndShowsADarkPicture)
{
    Card card;
    const int inputs[3] = {2, -1, 1};
    card.ConnectInputs(inputs);
    EXPECT_EQ("0 2", card.Reply(QueryItem::Video));
    ASSERT_EQ(CardError::None, card.SetNumber(NumberItem::SourceNumber, 1));
    EXPECT_EQ("1 -1", card.Reply(QueryItem::Video));
    // Setting a type does not make a signal appear.
    EXPECT_EQ(CardError::None, card.SetNumber(NumberItem::SignalType, 1));
    EXPECT_EQ("1 -1", card.Reply(QueryItem::Video));
    card.Live(40);
    const Picture& dark = card.Memory();
    int bright = 0;
    for (int y = 100; y < dark.Height(); y += 7)
        for (int x = 0; x < dark.Width(); x += 7)
            bright += dark.At(x, y).r > 64 || dark.At(x, y).g > 64 || dark.At(x, y).b > 64;
    EXPECT_EQ(0, bright) << "below the label the picture is dark";
    unsigned counter = 0;
    EXPECT_FALSE(ReadFrameCounter(dark, counter));
    // Plugged in again at the next open, the input shows its test picture.
    const int all[3] = {1, 1, 1};
    card.ConnectInputs(all);
    EXPECT_EQ("1 1", card.Reply(QueryItem::Video));
    card.Live(80);
    EXPECT_TRUE(ReadFrameCounter(card.Memory(), counter));
}
