// The preview's reduction to a colour table of its own.
#include <gtest/gtest.h>

#include <set>

#include "median_cut.h"
#include "test_pictures.h"

namespace {

TEST(MedianCut, FewColoursMapExactlyOrderedByCells)
{
    // Three colours on the 8-step grid; the cells count one each, so the
    // order follows the boxes' creation among equals.
    const int width = 6, rows = 2, row_bytes = htfx_test::RawBytes(width);
    std::vector<uint8_t> picture(size_t(row_bytes) * rows, 0);
    const uint8_t colours[3][3] = {{0, 0, 248}, {8, 128, 0}, {200, 200, 200}};
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c)
                picture[size_t(y) * row_bytes + 3 * x + c] = colours[x % 3][c];
    htfx::ReducedPicture reduced;
    htfx::ReduceColours(picture.data(), width, rows, row_bytes, 256, &reduced);
    ASSERT_EQ(3, reduced.colours);
    EXPECT_EQ(8, reduced.row_bytes);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x) {
            const uint8_t* entry = reduced.table[reduced.pixels[size_t(y) * 8 + x]];
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(colours[x % 3][c] & 0xF8, entry[c]) << x;
        }
}

TEST(MedianCut, ManyColoursGiveAtMost236DistinctEntries)
{
    const int width = 97, rows = 61, row_bytes = htfx_test::RawBytes(width);
    auto picture = htfx_test::RandomRaw(width, rows, 9);
    htfx::ReducedPicture reduced;
    htfx::ReduceColours(picture.data(), width, rows, row_bytes, 256, &reduced);
    EXPECT_EQ(236, reduced.colours);
    std::set<int> used;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x)
            used.insert(reduced.pixels[size_t(y) * reduced.row_bytes + x]);
    EXPECT_LE(*used.rbegin(), 235);
    // Every pixel maps to a colour near its own: the box around its cell.
    double error = 0;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = &picture[size_t(y) * row_bytes + 3 * x];
            const uint8_t* e = reduced.table[reduced.pixels[size_t(y) * reduced.row_bytes + x]];
            for (int c = 0; c < 3; ++c)
                error += std::abs(int(p[c]) - int(e[c]));
        }
    EXPECT_LT(error / (width * rows * 3), 40.0);
}

TEST(MedianCut, AskingForFewerColoursIsHonoured)
{
    auto picture = htfx_test::RandomRaw(40, 40, 10);
    htfx::ReducedPicture reduced;
    htfx::ReduceColours(picture.data(), 40, 40, htfx_test::RawBytes(40), 16, &reduced);
    EXPECT_EQ(16, reduced.colours);
}

}  // namespace
