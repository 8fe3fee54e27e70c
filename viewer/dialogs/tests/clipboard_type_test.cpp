// The clipboard's type words for every colour and format.
#include "clipboard_type.h"

#include <gtest/gtest.h>

namespace {

TEST(ClipboardType, EveryColourAndFormat)
{
    using V = std::vector<unsigned>;
    // 24-bit is always a DIB, whatever the format.
    EXPECT_EQ((V{kTypeDib, kType24Bit}), ClipboardTypeEntries(0, 0));
    EXPECT_EQ((V{kTypeDib, kType24Bit}), ClipboardTypeEntries(0, 1));
    EXPECT_EQ((V{kTypeDib, kType8Bit}), ClipboardTypeEntries(1, 0));
    EXPECT_EQ((V{kTypeDdb, kType8Bit}), ClipboardTypeEntries(1, 1));
    EXPECT_EQ((V{kTypeDib, kType8Bit, kTypeGray}), ClipboardTypeEntries(2, 0));
    EXPECT_EQ((V{kTypeDdb, kType8Bit, kTypeGray}), ClipboardTypeEntries(2, 1));
    EXPECT_EQ((V{kTypeDib, kType4Bit}), ClipboardTypeEntries(3, 0));
    EXPECT_EQ((V{kTypeDdb, kType4Bit}), ClipboardTypeEntries(3, 1));
}

}  // namespace
