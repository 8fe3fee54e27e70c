// The setup tool's rules without windows: reply numbers, the bars' page
// steps and scroll targets, the remembered values for "&Restore", the input
// probe and the Video page's signal check.
#include "bar_rules.h"
#include "remembered_values.h"
#include "reply_numbers.h"
#include "signal_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace setup;

TEST(ReplyNumbersTest, PicksTheNthNumberAndRefusesShortOrDamagedReplies)
{
    long v = 0;
    ASSERT_TRUE(ReplyNumber("128 129 130 131", 4, v));
    EXPECT_EQ(131, v);
    ASSERT_TRUE(ReplyNumber("3 -1", 2, v));
    EXPECT_EQ(-1, v);
    EXPECT_FALSE(ReplyNumber("0 63", 4, v));   // a limit reply cut short
    EXPECT_FALSE(ReplyNumber("", 1, v));
    EXPECT_FALSE(ReplyNumber("12abc 4", 1, v));
    EXPECT_FALSE(ReplyNumber("1 99999999999", 2, v));
    EXPECT_FALSE(ReplyNumber(nullptr, 1, v));
}

TEST(BarRulesTest, PageStepsOfTheTwoKindsOfBar)
{
    // A limit reply "0 255": a colour bar steps 31, an alignment bar 15.
    EXPECT_EQ(31, ColorBarPageStep(255));
    EXPECT_EQ(15, AlignBarPageStep(255));
    // Below 16 an alignment bar steps half its range.
    EXPECT_EQ(5, AlignBarPageStep(10));
    EXPECT_EQ(7, AlignBarPageStep(15));
    EXPECT_EQ(1, AlignBarPageStep(16));
    EXPECT_EQ(0, ColorBarPageStep(0));
}

TEST(BarRulesTest, ScrollRequestsStayInTheRange)
{
    const int max = 10, page = AlignBarPageStep(max);
    EXPECT_EQ(0, ScrollTarget(static_cast<int>(ScrollRequest::LineLeft), 0, 0, max, page));
    EXPECT_EQ(10, ScrollTarget(static_cast<int>(ScrollRequest::LineRight), 10, 0, max, page));
    EXPECT_EQ(8, ScrollTarget(static_cast<int>(ScrollRequest::PageRight), 3, 0, max, page));
    EXPECT_EQ(10, ScrollTarget(static_cast<int>(ScrollRequest::PageRight), 8, 0, max, page));
    EXPECT_EQ(0, ScrollTarget(static_cast<int>(ScrollRequest::PageLeft), 4, 0, max, page));
    EXPECT_EQ(0, ScrollTarget(static_cast<int>(ScrollRequest::Left), 7, 0, max, page));
    EXPECT_EQ(10, ScrollTarget(static_cast<int>(ScrollRequest::Right), 7, 0, max, page));
    EXPECT_EQ(6, ScrollTarget(static_cast<int>(ScrollRequest::ThumbTrack), 2, 6, max, page));
    EXPECT_EQ(6, ScrollTarget(static_cast<int>(ScrollRequest::ThumbPosition), 2, 6, max, page));
    EXPECT_EQ(2, ScrollTarget(static_cast<int>(ScrollRequest::EndScroll), 2, 6, max, page));
    EXPECT_EQ(2, ScrollTarget(42, 2, 6, max, page));
}

TEST(RememberedValuesTest, FirstValuePerKeyIsWhatRestoreGoesBackTo)
{
    RememberedValues table(kColorTableSize);
    const ValueKey input0{0, 0}, input1{1, 0};
    EXPECT_FALSE(table.Refresh(input0, 128));
    table.MarkChanged(input0);
    // Another input gets its own entry; back on input 0 the move is known.
    EXPECT_FALSE(table.Refresh(input1, 100));
    EXPECT_TRUE(table.Refresh(input0, 159));
    EXPECT_EQ(128, table.Restore(input0).value());
    EXPECT_FALSE(table.Changed(input0));
    EXPECT_FALSE(table.Refresh(input0, 128));
}

TEST(RememberedValuesTest, AFullTableRemembersNothingMore)
{
    RememberedValues table(AlignTableSize(false, true));
    ASSERT_EQ(2u, table.Capacity());
    EXPECT_FALSE(table.Refresh({0, 640}, 30));
    EXPECT_FALSE(table.Refresh({0, 800}, 31));
    // A third screen width finds the table full: unchanged, and a move is
    // not remembered, so "&Restore" leaves it alone.
    EXPECT_FALSE(table.Refresh({0, 1024}, 40));
    table.MarkChanged({0, 1024});
    EXPECT_FALSE(table.Refresh({0, 1024}, 45));
    EXPECT_FALSE(table.Restore({0, 1024}).has_value());
    EXPECT_EQ(2u, table.Used());
    // The widths already seen keep their values.
    EXPECT_EQ(30, table.Restore({0, 640}).value());
    EXPECT_EQ(6u, AlignTableSize(true, true));
    EXPECT_EQ(3u, AlignTableSize(true, false));
    EXPECT_EQ(1u, AlignTableSize(false, false));
}

// A card whose signal types are read from a script, one per read.
class ScriptedCard : public ISignalCard {
public:
    explicit ScriptedCard(std::vector<int> reads) : reads_(std::move(reads)) {}
    void SetSource(int source) override { log.push_back("source " + std::to_string(source)); }
    int ReadSignalType() override
    {
        log.push_back("read");
        return next_ < reads_.size() ? reads_[next_++] : kNoSignal;
    }
    void SetSignalType(int type) override { log.push_back("type " + std::to_string(type)); }
    void WaitOneSecond() override { log.push_back("wait"); }
    std::vector<std::string> log;

private:
    std::vector<int> reads_;
    size_t next_ = 0;
};

TEST(SignalRulesTest, ProbeKeepsTheFirstInputWithASteadySignal)
{
    ScriptedCard card({-1, 1, 1});
    EXPECT_EQ(1, ProbeInputs(card));
    EXPECT_EQ((std::vector<std::string>{"source 0", "read", "source 1", "read", "wait", "read"}), card.log);
}

TEST(SignalRulesTest, ProbeWithoutAnySignalLeavesSourceZero)
{
    // Input 1 has a signal only for a moment.
    ScriptedCard card({-1, 2, -1, -1});
    EXPECT_EQ(0, ProbeInputs(card));
    EXPECT_EQ((std::vector<std::string>{"source 0", "read", "source 1", "read", "wait", "read", "source 3", "read",
                                        "source 0"}),
              card.log);
}

TEST(SignalRulesTest, SignalCheckSetsANewTypeAfterASecond)
{
    ScriptedCard same({1});
    EXPECT_EQ(1, CheckSignal(same, 1));
    EXPECT_EQ((std::vector<std::string>{"read"}), same.log);

    ScriptedCard none({-1});
    EXPECT_EQ(-1, CheckSignal(none, 1));
    EXPECT_EQ((std::vector<std::string>{"read"}), none.log);

    ScriptedCard appears({1, 1});
    EXPECT_EQ(1, CheckSignal(appears, -1));
    EXPECT_EQ((std::vector<std::string>{"read", "wait", "read", "type 1"}), appears.log);
}

TEST(SignalRulesTest, SignalLostDuringTheCheckIsNeverSetAsMinusOne)
{
    ScriptedCard card({2, -1});
    EXPECT_EQ(-1, CheckSignal(card, 1));
    EXPECT_EQ((std::vector<std::string>{"read", "wait", "read"}), card.log);
}

TEST(SignalRulesTest, NamesAndSelectorItems)
{
    EXPECT_EQ(430u, SignalTypeString(0));
    EXPECT_EQ(431u, SignalTypeString(1));
    EXPECT_EQ(435u, SignalTypeString(5));
    EXPECT_EQ(439u, SignalTypeString(-1));
    EXPECT_EQ(439u, SignalTypeString(6));
    EXPECT_EQ(2, SourceItemIndex(3));
    EXPECT_EQ(1, SourceItemIndex(1));
    EXPECT_EQ(0, SourceItemIndex(0));
}

}  // namespace
