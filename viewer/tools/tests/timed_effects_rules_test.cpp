// The timed effects' rules: the order of source rotation with its skipping,
// the interval's arrow steps and range, and the strobe's alternation.
#include "timed_effects_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Rotate(int from, const RotationInputs& inputs, int ticks)
{
    std::vector<int> sent;
    for (int i = 0; i < ticks; ++i)
        sent.push_back(from = NextRotationSource(from, inputs));
    return sent;
}

RotationInputs Inputs(bool zero, bool one, bool sVideo)
{
    RotationInputs in;
    in.input0 = zero;
    in.input1 = one;
    in.sVideo = sVideo;
    return in;
}

TEST(SourceRotation, GoesZeroOneSVideoAndSkipsInputsThatDoNotTakePart)
{
    EXPECT_EQ((std::vector<int>{3, 0, 3, 0}), Rotate(0, Inputs(true, false, true), 4));
    EXPECT_EQ((std::vector<int>{1, 3, 0, 1, 3, 0}), Rotate(0, Inputs(true, true, true), 6));
    EXPECT_EQ((std::vector<int>{3, 1, 3, 1}), Rotate(1, Inputs(false, true, true), 4));
    EXPECT_EQ((std::vector<int>{1, 0, 1}), Rotate(0, Inputs(true, true, false), 3));
    // Starting from an input that does not take part (the menu's source).
    EXPECT_EQ((std::vector<int>{0, 1, 0}), Rotate(3, Inputs(true, true, false), 3));
    EXPECT_EQ((std::vector<int>{1, 3}), Rotate(0, Inputs(false, true, true), 2));
}

TEST(SourceRotation, NumbersOutsideTheInputsStartAgainAtZero)
{
    const RotationInputs all = Inputs(true, true, true);
    EXPECT_EQ(3, NextRotationSource(2, all));  // 2 goes up by one
    EXPECT_EQ(0, NextRotationSource(4, all));
    EXPECT_EQ(0, NextRotationSource(-5, all));
    EXPECT_EQ(0, NextRotationSource(1000, all));
    EXPECT_EQ(1, NextRotationSource(-5, Inputs(false, true, false)));
    // Nothing takes part: no endless search, input 0.
    EXPECT_EQ(0, NextRotationSource(1, Inputs(false, false, false)));
    EXPECT_EQ(3, NextRotationSource(3, Inputs(false, false, true)));
}

TEST(IntervalArrows, UpAddsOneAndDownTakesOneWithinOneToNinetyNine)
{
    const unsigned lineUp = 0, lineDown = 1, pageUp = 2, pageDown = 3, thumb = 5, top = 6, bottom = 7, end = 8;
    for (unsigned up : {lineUp, pageUp, top}) {
        EXPECT_EQ(11, StepInterval(up, 10));
        EXPECT_EQ(99, StepInterval(up, 99));
        EXPECT_EQ(2, StepInterval(up, 1));
    }
    for (unsigned down : {lineDown, pageDown, bottom}) {
        EXPECT_EQ(9, StepInterval(down, 10));
        EXPECT_EQ(1, StepInterval(down, 1));
        EXPECT_EQ(98, StepInterval(down, 99));
    }
    EXPECT_EQ(10, StepInterval(thumb, 10));
    EXPECT_EQ(10, StepInterval(end, 10));
    EXPECT_EQ(10, CheckedInterval(0, 10));
    EXPECT_EQ(10, CheckedInterval(100, 10));
    EXPECT_EQ(1, CheckedInterval(1, 10));
    EXPECT_EQ(99, CheckedInterval(99, 10));
}

TEST(StrobePhase, AlternatesFromTheFreezeStateAtTheFirstTickAndWaitsWhileFrozen)
{
    StrobePhase live;
    bool sends = false;
    EXPECT_TRUE(live.Tick(false, sends));  // live at the first tick: unfreeze first
    EXPECT_TRUE(sends);
    EXPECT_FALSE(live.Tick(false, sends));
    EXPECT_TRUE(sends);
    EXPECT_TRUE(live.Tick(false, sends));
    // The user freezes: nothing is sent and the phase stays.
    live.Tick(true, sends);
    EXPECT_FALSE(sends);
    EXPECT_FALSE(live.Tick(false, sends));
    EXPECT_TRUE(sends);

    // Frozen at the first tick: nothing now, and the phase was taken then.
    StrobePhase frozen;
    frozen.Tick(true, sends);
    EXPECT_FALSE(sends);
    EXPECT_TRUE(frozen.known);
    EXPECT_FALSE(frozen.Tick(false, sends));  // the phase was set: "freeze"
    EXPECT_TRUE(sends);
}

}  // namespace
