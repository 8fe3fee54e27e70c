// Several numbers in one settings text: what a damaged or short text gives.
#include "number_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Scan(const std::string& text, size_t capacity = 4)
{
    std::vector<int> numbers(capacity, 12345);
    numbers.resize(ScanNumbers(text, numbers.data(), capacity));
    return numbers;
}

TEST(NumberText, ScansBlankSeparatedIntegers)
{
    EXPECT_EQ((std::vector<int>{10, -20, 300, 4000}), Scan("10 -20 300 4000"));
    EXPECT_EQ((std::vector<int>{1, 2}), Scan("  1   2  "));
    EXPECT_EQ((std::vector<int>{7, 8, 9}), Scan("7 8 9"));
    EXPECT_EQ((std::vector<int>{}), Scan(""));
}

TEST(NumberText, StopsAtTheCapacity)
{
    EXPECT_EQ((std::vector<int>{1, 2}), Scan("1 2 3 4", 2));
}

TEST(NumberText, DamagedTextsYieldOnlyTheNumbersBeforeTheDamage)
{
    EXPECT_EQ((std::vector<int>{10}), Scan("10 x 20 30"));
    EXPECT_EQ((std::vector<int>{}), Scan("12abc 4"));
    EXPECT_EQ((std::vector<int>{1}), Scan("1 2.5 3"));
    EXPECT_EQ((std::vector<int>{}), Scan("99999999999 1"));
    EXPECT_EQ((std::vector<int>{-2147483647 - 1, 2147483647}), Scan("-2147483648 2147483647 2147483648"));
}

TEST(NumberText, JoinedNumbersScanBack)
{
    const int numbers[] = {-5, 0, 1024, 768};
    std::string text = JoinNumbers(numbers, 4);
    EXPECT_EQ("-5 0 1024 768", text);
    EXPECT_EQ((std::vector<int>{-5, 0, 1024, 768}), Scan(text));
    EXPECT_EQ("", JoinNumbers(numbers, 0));
}

}  // namespace
