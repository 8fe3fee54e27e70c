// The argument formatter: the conversions of the vocabulary, the kinds of
// values each accepts, and the bounds of the result buffer.
#include "overlay_args.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using overlay::FormatOverlayArgs;
using overlay::FormatResult;
using overlay::OverlayArg;

namespace {

struct Formatted {
    FormatResult result;
    std::string text;
};

Formatted Format(const char* format, std::vector<OverlayArg> args, size_t capacity = 256)
{
    std::vector<char> out(capacity + 1, '#');
    FormatResult result = FormatOverlayArgs(format, args.data(), args.size(), out.data(), capacity);
    EXPECT_EQ('#', out[capacity]) << "wrote past the buffer";
    return {result, capacity ? std::string(out.data()) : std::string()};
}

struct FakeWindow;  // window handles are pointers to an opaque struct

TEST(OverlayArgs, FillsTheVocabularyConversions)
{
    EXPECT_EQ("card type to 3", Format("card type to %d", {3}).text);
    EXPECT_EQ("chroma key to -1 0 0 0", Format("chroma key to %d %d %d %d", {-1, 0, 0, 0}).text);
    EXPECT_EQ("video key color to 16711935", Format("video key color to %ld", {0xFF00FFul}).text);
    EXPECT_EQ("\"C:\\A B.BMP\" type bmp at 1 2 3 4 address 4096",
              Format("\"%s\" type %s at %d %d %d %d address %lu",
                     {"C:\\A B.BMP", "bmp", 1, 2, 3, 4, reinterpret_cast<const void*>(uintptr_t{4096})})
                  .text);
    EXPECT_EQ("100% sure", Format("100%% sure", {}).text);
    EXPECT_EQ("close", Format("close", {}).text);
}

TEST(OverlayArgs, NumbersFollowPrintfForThirtyTwoBitValues)
{
    // A value passed for %d is taken bit for bit, as printf would.
    EXPECT_EQ("-1", Format("%d", {0xFFFFFFFFu}).text);
    EXPECT_EQ("4294967295", Format("%lu", {-1}).text);
    EXPECT_EQ("-2147483648", Format("%ld", {INT32_MIN}).text);
    EXPECT_EQ(FormatResult::Ok, Format("%lu", {0xFFFFFFFFull}).result);
    EXPECT_EQ(FormatResult::OutOfRange, Format("%lu", {0x100000000ull}).result);
    EXPECT_EQ(FormatResult::OutOfRange, Format("%d", {static_cast<long long>(INT32_MAX) + 1}).result);
}

TEST(OverlayArgs, WindowHandlesAndAddresses)
{
    auto* handle = reinterpret_cast<FakeWindow*>(uintptr_t{4660});
    EXPECT_EQ("handle 4660", Format("handle %d", {handle}).text);
    // Handles are sign-extended 32-bit values in 64-bit processes.
    auto* negative = reinterpret_cast<FakeWindow*>(static_cast<intptr_t>(-16));
    EXPECT_EQ("handle -16", Format("handle %d", {negative}).text);

    unsigned char buffer[4];
    if (reinterpret_cast<uintptr_t>(buffer) <= 0xFFFFFFFFu) {
        EXPECT_EQ("address " + std::to_string(reinterpret_cast<uintptr_t>(buffer)),
                  Format("address %lu", {buffer}).text);
    }
    if (sizeof(void*) > 4) {
        // An address above 4 GiB cannot be written as %lu: refused, not cut.
        auto* high = reinterpret_cast<const void*>(static_cast<uintptr_t>(0x140001000ull));
        EXPECT_EQ(FormatResult::OutOfRange, Format("address %lu", {high}).result);
        EXPECT_EQ(FormatResult::OutOfRange, Format("handle %d", {high}).result);
    }
}

TEST(OverlayArgs, MismatchedValuesAreErrors)
{
    EXPECT_EQ(FormatResult::MissingValue, Format("at %d %d %d %d", {1, 2, 3}).result);
    EXPECT_EQ(FormatResult::SurplusValue, Format("hue to %d", {1, 2}).result);
    EXPECT_EQ(FormatResult::SurplusValue, Format("state show", {1}).result);
    EXPECT_EQ(FormatResult::WrongKind, Format("hue to %d", {"10"}).result);
    EXPECT_EQ(FormatResult::WrongKind, Format("%s", {10}).result);
    EXPECT_EQ(FormatResult::WrongKind, Format("%s", {static_cast<const char*>(nullptr)}).result);
    auto* handle = reinterpret_cast<FakeWindow*>(uintptr_t{1});
    EXPECT_EQ(FormatResult::WrongKind, Format("%s", {handle}).result);
}

TEST(OverlayArgs, ConversionsOutsideTheVocabularyAreRefused)
{
    for (const char* format : {"%x", "%5d", "%-d", "%lld", "%p", "%n", "%", "abc %", "%l", "%lx"})
        EXPECT_EQ(FormatResult::BadFormat, Format(format, {1}).result) << format;
}

TEST(OverlayArgs, ResultMustFitWithItsTerminator)
{
    EXPECT_EQ(FormatResult::Ok, Format("%s", {"abcd"}, 5).result);
    EXPECT_EQ("abcd", Format("%s", {"abcd"}, 5).text);
    EXPECT_EQ(FormatResult::TooLong, Format("%s", {"abcde"}, 5).result);
    EXPECT_EQ(FormatResult::TooLong, Format("abcde", {}, 5).result);
    EXPECT_EQ(FormatResult::TooLong, Format("x %d", {1000}, 5).result);
    EXPECT_EQ(FormatResult::Ok, Format("x %d", {100}, 6).result);
    EXPECT_EQ(FormatResult::TooLong, Format("", {}, 0).result);
    // After a failure the buffer holds an empty text, never a partial command.
    EXPECT_EQ("", Format("long text then %d", {12345}, 16).text);
}

}  // namespace
