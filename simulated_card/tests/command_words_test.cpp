// The command log's lines, built straight from parameter blocks: the order
// of the words, which flags show, the signed rectangles, the reply, and the
// cases winmm's parser rarely produces (several items, no block at all).
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "command_table.h"
#include "command_words.h"
#include "params.h"
#include "regions.h"

namespace kxmci {
namespace {

template <typename Params>
std::string Line(UINT message, DWORD flags, const Params& p, DWORD rc = 0, const std::wstring& reply = L"")
{
    return CommandLine(message, flags, reinterpret_cast<DWORD_PTR>(&p), rc, reply);
}

constexpr DWORD kMinus1 = 0xFFFFFFFF;

TEST(CommandWords, SetNamesItemsThenRectanglesThenValue)
{
    SetParams p{};
    wchar_t value[] = L"77";
    p.value = value;
    EXPECT_EQ("set saturation to 77 -> 0", Line(KXM_SET, KXF_SET_SATURATION | KXF_SET_VALUE, p));
    // Every item named shows, in table order, whatever the device made of it.
    EXPECT_EQ("set red to blue to 77 -> " + std::to_string(MCIERR_FLAGS_NOT_COMPATIBLE),
              Line(KXM_SET, KXF_SET_BLUE | KXF_SET_RED | KXF_SET_VALUE, p, MCIERR_FLAGS_NOT_COMPATIBLE));
    EXPECT_EQ("set 77 -> " + std::to_string(MCIERR_UNRECOGNIZED_KEYWORD),
              Line(KXM_SET, KXF_SET_VALUE, p, MCIERR_UNRECOGNIZED_KEYWORD));

    SetParams r{};
    r.chromaKey = {1, 2, 3, 4};
    r.alloc = {kMinus1, 0, 10, 20};
    EXPECT_EQ("set chroma key to 1 2 3 4 -> 0", Line(KXM_SET, KXF_SET_CHROMA_KEY, r));
    EXPECT_EQ("set alloc at -1 0 10 20 -> 0", Line(KXM_SET, KXF_SET_ALLOC, r));
}

TEST(CommandWords, SetSignalNamesItsWindowOnlyOnceSet)
{
    SetParams p{};
    wchar_t value[] = L"49152";
    p.value = value;
    const DWORD flags = KXF_SET_INDICATOR_SIGNAL | KXF_SET_VALUE;
    EXPECT_EQ("set indicator signal to 49152 windows of the calling thread -> 0", Line(KXM_SET, flags, p));
    p.callback = 4660;
    EXPECT_EQ("set indicator signal to 49152 window 4660 -> 0", Line(KXM_SET, flags, p));
    EXPECT_EQ("set indicator signal to 49152 -> " + std::to_string(MCIERR_OUTOFRANGE),
              Line(KXM_SET, flags, p, MCIERR_OUTOFRANGE));
    // Another item's success says nothing of windows.
    EXPECT_EQ("set indicator interval to 49152 -> 0", Line(KXM_SET, KXF_SET_INDICATOR_INTERVAL | KXF_SET_VALUE, p));
}

TEST(CommandWords, GetIgnoresCommonFlagsAndQuotesFiles)
{
    GetParams p{};
    EXPECT_EQ("get limit hue -> 0 [0 255]",
              Line(KXM_GET, KXF_GET_LIMIT_HUE | KXF_WAIT | KXF_NOTIFY, p, 0, L"0 255"));
    EXPECT_EQ("get -> " + std::to_string(MCIERR_MISSING_PARAMETER),
              Line(KXM_GET, KXF_WAIT, p, MCIERR_MISSING_PARAMETER));
    p.pixelAt = {5, kMinus1, 0, 0};
    p.yuvFrom = {7, 8, 0, 0};
    EXPECT_EQ("get pixel rgb at 5 -1 0 0 -> 0 [1 2 3]", Line(KXM_GET, KXF_GET_PIXEL_RGB, p, 0, L"1 2 3"));
    EXPECT_EQ("get window handle yuv from 7 8 0 0 -> 265",
              Line(KXM_GET, KXF_GET_WINDOW_HANDLE | KXF_GET_YUV, p, 265));
    EXPECT_EQ("get file info \"\" -> " + std::to_string(MCIERR_FILENAME_REQUIRED),
              Line(KXM_GET, KXF_GET_FILE_INFO, p, MCIERR_FILENAME_REQUIRED));
    wchar_t file[] = L"c:\\a b\\pic.bmp";
    p.fileInfo = file;
    EXPECT_EQ("get file info \"c:\\a b\\pic.bmp\" -> 0 [0 48 32]", Line(KXM_GET, KXF_GET_FILE_INFO, p, 0, L"0 48 32"));
}

TEST(CommandWords, SaveAndLoadListFileBufferTypeRegionAddress)
{
    SaveParams s{};
    wchar_t file[] = L"c:\\x y.tif";
    wchar_t type[] = L"TIFF";
    s.file = file;
    s.type = type;
    s.at = {0, 0, 320, 240};
    s.address = 4096;
    s.tiffOption = 2;
    EXPECT_EQ("save \"c:\\x y.tif\" type tiff 24-bit lzw tiffopt 2 at 0 0 320 240 -> 0",
              Line(KXM_SAVE, KXF_FILE | KXF_TYPE | KXF_24BIT | KXF_LZW | KXF_TIFFOPT | KXF_AT, s));
    EXPECT_EQ("save memory buffer type 8-bit gray at 0 0 320 240 address 4096 -> 0",
              Line(KXM_SAVE, KXF_MEMORY_BUFFER | KXF_8BIT | KXF_GRAY | KXF_AT | KXF_ADDRESS, s));
    // The type text counts only with its flag.
    EXPECT_EQ("save \"c:\\x y.tif\" -> 0", Line(KXM_SAVE, KXF_FILE, s));

    LoadParams l{};
    l.file = file;
    l.at = {1, 2, 3, 4};
    l.address = 77;
    EXPECT_EQ("load \"c:\\x y.tif\" at 1 2 3 4 address 77 -> 0", Line(KXM_LOAD, KXF_FILE | KXF_AT | KXF_ADDRESS, l));
    EXPECT_EQ("load memory buffer at 1 2 3 4 -> " + std::to_string(MCIERR_MISSING_PARAMETER),
              Line(KXM_LOAD, KXF_MEMORY_BUFFER | KXF_AT, l, MCIERR_MISSING_PARAMETER));
}

TEST(CommandWords, ClipboardAndFreezeVerbsShowTheirRegion)
{
    CopyParams c{};
    wchar_t ddb[] = L"DDB";
    c.type = ddb;
    c.at = {10, 20, 30, 40};
    EXPECT_EQ("copy type ddb 4-bit at 10 20 30 40 -> 0", Line(KXM_COPY, KXF_TYPE | KXF_4BIT | KXF_AT, c));
    EXPECT_EQ("copy -> 0", Line(KXM_COPY, 0, c));

    RegionParams r{};
    r.at = {kMinus1, kMinus1, 2, 2};
    const struct {
        UINT message;
        const char* verb;
    } verbs[] = {{KXM_PASTE, "paste"}, {KXM_DELETE, "delete"}, {KXM_CUT, "cut"}, {KXM_FREEZE, "freeze"},
                 {KXM_UNFREEZE, "unfreeze"}};
    for (const auto& v : verbs) {
        EXPECT_EQ(std::string(v.verb) + " at -1 -1 2 2 -> 0", Line(v.message, KXF_AT | KXF_WAIT, r));
        EXPECT_EQ(std::string(v.verb) + " -> 0", Line(v.message, KXF_WAIT, r));
    }
}

TEST(CommandWords, PutAndWindowInTheirOwnOrder)
{
    PutParams p{};
    p.frame = {1, 2, 3, 4};
    p.source = {5, 6, 7, 8};
    p.destination = {9, 10, 11, 12};
    EXPECT_EQ("put frame at 1 2 3 4 source at 5 6 7 8 deferred destination at 9 10 11 12 -> 0",
              Line(KXM_PUT, KXF_PUT_DESTINATION_AT | KXF_PUT_DEFERRED | KXF_PUT_SOURCE | KXF_PUT_FRAME, p));
    EXPECT_EQ("put frame source deferred destination -> 0",
              Line(KXM_PUT, KXF_PUT_DESTINATION | KXF_PUT_DEFERRED | KXF_PUT_SOURCE_DEFAULT | KXF_PUT_FRAME_DEFAULT, p));

    WindowParams w{};
    w.handle = 0x10020;
    EXPECT_EQ("window handle 65568 state show -> 0", Line(KXM_WINDOW, KXF_WINDOW_HANDLE | KXF_WINDOW_SHOW, w));
    EXPECT_EQ("window state show state hide -> 265",
              Line(KXM_WINDOW, KXF_WINDOW_SHOW | KXF_WINDOW_HIDE, w, 265));
}

TEST(CommandWords, FlagOnlyVerbsUnknownMessagesAndMissingBlocks)
{
    ReplyParams p{};
    EXPECT_EQ("where source -> 0 [0 0 768 576]", Line(KXM_WHERE, KXF_WHERE_SOURCE, p, 0, L"0 0 768 576"));
    EXPECT_EQ("status mode ready -> 0 [live]", Line(KXM_STATUS, KXF_STATUS_MODE | KXF_STATUS_READY, p, 0, L"live"));
    EXPECT_EQ("info product -> 0 [card]", Line(KXM_INFO, KXF_INFO_PRODUCT, p, 0, L"card"));
    EXPECT_EQ("capability can freeze can save -> 265",
              Line(KXM_CAPABILITY, KXF_CAP_CAN_FREEZE | KXF_CAP_CAN_SAVE, p, 265));
    EXPECT_EQ("message 3333 -> " + std::to_string(MCIERR_UNRECOGNIZED_COMMAND),
              Line(3333, KXF_AT, p, MCIERR_UNRECOGNIZED_COMMAND));
    // Without a block only the verb and the code: nothing is read from it.
    EXPECT_EQ("put -> " + std::to_string(MCIERR_NULL_PARAMETER_BLOCK),
              CommandLine(KXM_PUT, KXF_PUT_FRAME, 0, MCIERR_NULL_PARAMETER_BLOCK, L""));
}

TEST(Regions, RectanglesAreSignedAndRegionsBounded)
{
    const kxcard::Rect r = ToRect({kMinus1, 0xFFFFFFFE, 3, 4});
    EXPECT_EQ((kxcard::Rect{-1, -2, 3, 4}), r);

    EXPECT_TRUE(IsRegion({0, 0, 1, 1}));
    EXPECT_TRUE(IsRegion({-5, -5, kMaxRegionSide, kMaxRegionSide}));
    EXPECT_FALSE(IsRegion({0, 0, 0, 1}));
    EXPECT_FALSE(IsRegion({0, 0, 1, -1}));
    EXPECT_FALSE(IsRegion({0, 0, kMaxRegionSide + 1, 1}));
    // A placement may be empty (the default) but not negative.
    EXPECT_TRUE(IsPlacement({0, 0, 0, 0}));
    EXPECT_FALSE(IsPlacement({0, 0, -1, 0}));
    EXPECT_FALSE(IsPlacement({0, 0, 1, kMaxRegionSide + 1}));
}

TEST(Regions, AtRegionOnlyWithItsFlag)
{
    std::optional<kxcard::Rect> region = kxcard::Rect{1, 1, 1, 1};
    EXPECT_EQ(0u, AtRegion(0, {0, 0, 0, 0}, region));
    EXPECT_FALSE(region.has_value());

    EXPECT_EQ(0u, AtRegion(KXF_AT, {kMinus1, 2, 3, 4}, region));
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ((kxcard::Rect{-1, 2, 3, 4}), *region);

    EXPECT_EQ(static_cast<DWORD>(MCIERR_OUTOFRANGE), AtRegion(KXF_AT, {0, 0, 0, 4}, region));
    EXPECT_FALSE(region.has_value());
    EXPECT_EQ(static_cast<DWORD>(MCIERR_OUTOFRANGE), AtRegion(KXF_AT, {0, 0, 4, kMinus1}, region));
}

} // namespace
} // namespace kxmci
