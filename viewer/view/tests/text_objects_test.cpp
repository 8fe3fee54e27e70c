// The text objects' list and rules, natively and under AddressSanitizer, so
// that an object used after the list freed it fails the test.
#include "text_objects.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TextObject> Object(int left, int top, int right, int bottom, const char* text = "t")
{
    auto o = std::make_unique<TextObject>();
    o->rect = ViewRect{left, top, right, bottom};
    o->textRect = o->rect;
    o->text = text;
    return o;
}

bool InsideRect(const TextObject& o, int x, int y) { return o.rect.Contains(x, y); }

// Every line is 7 pixels per character wide and 13 high.
TextSize FixedExtent(const std::string& line) { return TextSize{static_cast<int>(line.size()) * 7, 13}; }

}  // namespace

TEST(TextObjectListTest, RemovingAnObjectFreesItAndForgetsEveryPointerToIt)
{
    TextObjectList list;
    TextObject* a = list.Add(Object(0, 0, 10, 10));
    TextObject* b = list.Add(Object(20, 0, 30, 10));
    list.SetCurrent(a);
    list.ToggleSelection(b);   // b current, a remembered
    ASSERT_EQ(b, list.Current());
    ASSERT_EQ(a, list.Previous());

    list.Remove(a);
    EXPECT_FALSE(list.Holds(a));
    EXPECT_EQ(nullptr, list.Previous());
    // Deselecting b now must not bring the freed a back.
    list.ToggleSelection(b);
    EXPECT_EQ(nullptr, list.Current());

    list.SetCurrent(b);
    list.Remove(b);
    EXPECT_EQ(nullptr, list.Current());
    EXPECT_TRUE(list.Empty());
    // Calls with an object that is gone do nothing.
    list.ToggleSelection(b);
    list.SetCurrent(b);
    EXPECT_EQ(nullptr, list.Current());
}

TEST(TextObjectListTest, ShiftClicksToggleAndGiveTheCurrentObjectBack)
{
    TextObjectList list;
    TextObject* a = list.Add(Object(0, 0, 10, 10));
    TextObject* b = list.Add(Object(20, 0, 30, 10));
    TextObject* c = list.Add(Object(40, 0, 50, 10));
    list.SetCurrent(a);
    list.ToggleSelection(b);
    EXPECT_EQ(kTextSelected, a->state);
    EXPECT_EQ(kTextCurrent, b->state);
    // Deselecting the current object makes the remembered one current again.
    list.ToggleSelection(b);
    EXPECT_EQ(kTextNotSelected, b->state);
    EXPECT_EQ(a, list.Current());
    EXPECT_EQ(kTextCurrent, a->state);
    // ... but not when the remembered one is no longer selected.
    list.ToggleSelection(c);   // c current, a remembered
    list.ToggleSelection(a);   // a deselected (not current)
    list.ToggleSelection(c);
    EXPECT_EQ(nullptr, list.Current());
    EXPECT_TRUE(list.Selected().empty());
}

TEST(TextObjectListTest, HitTestsPreferTheCurrentObjectThenListOrder)
{
    TextObjectList list;
    TextObject* under = list.Add(Object(0, 0, 100, 100));
    TextObject* over = list.Add(Object(50, 50, 150, 150));
    EXPECT_EQ(under, list.HitTest(60, 60, InsideRect));
    list.SetCurrent(over);
    EXPECT_EQ(over, list.HitTest(60, 60, InsideRect));
    EXPECT_EQ(under, list.HitTest(10, 10, InsideRect));
    EXPECT_EQ(nullptr, list.HitTest(200, 10, InsideRect));
}

TEST(TextObjectListTest, ABandSelectsWhatLiesInsideAndTheDirectionChoosesTheCurrent)
{
    TextObjectList list;
    TextObject* topLeft = list.Add(Object(10, 10, 40, 30));
    TextObject* bottomRight = list.Add(Object(100, 100, 180, 150));
    TextObject* across = list.Add(Object(150, 10, 260, 40));   // sticks out of the band
    const ViewRect band{5, 5, 200, 160};
    EXPECT_EQ(2, list.SelectInside(band, true));
    EXPECT_EQ(bottomRight, list.Current());
    EXPECT_EQ(kTextSelected, topLeft->state);
    EXPECT_EQ(kTextNotSelected, across->state);
    list.DeselectAll();
    EXPECT_EQ(2, list.SelectInside(band, false));
    EXPECT_EQ(topLeft, list.Current());
    list.DeselectAll();
    EXPECT_EQ(0, list.SelectInside(ViewRect{300, 300, 310, 310}, true));
    EXPECT_EQ(nullptr, list.Current());
}

TEST(TextObjectListTest, TiesGoToTheFirstAndFarObjectsAreNeverChosen)
{
    TextObject a, b;
    a.rect = ViewRect{0, 0, 10, 20};
    b.rect = ViewRect{0, 0, 20, 10};   // the same right + bottom
    EXPECT_EQ(&a, ChooseCurrentAfterBand({&a, &b}, ViewRect{0, 0, 40, 40}, true));
    TextObject far;
    far.rect = ViewRect{0, 0, 5000, 5000};
    EXPECT_EQ(nullptr, ChooseCurrentAfterBand({&far}, ViewRect{0, 0, 10000, 10000}, true));
    EXPECT_EQ(&far, ChooseCurrentAfterBand({&far}, ViewRect{0, 0, 5000, 9998}, true));
}

TEST(TextRulesTest, MeasuringCountsLinesAndATrailingLineBreak)
{
    EXPECT_EQ(0, MeasureText("", FixedExtent).width);
    EXPECT_EQ(13, MeasureText("", FixedExtent).height);
    TextSize one = MeasureText("abc", FixedExtent);
    EXPECT_EQ(21, one.width);
    EXPECT_EQ(13, one.height);
    TextSize two = MeasureText("abc\r\nlonger", FixedExtent);
    EXPECT_EQ(42, two.width);
    EXPECT_EQ(26, two.height);
    EXPECT_EQ(39, MeasureText("abc\r\nlonger\r\n", FixedExtent).height);
    // A carriage return without its line feed ends a line too.
    EXPECT_EQ(26, MeasureText("ab\rcd", FixedExtent).height);
    EXPECT_EQ(14, MeasureText("ab\rcd", FixedExtent).width);
    // The tallest line sets every line's height.
    auto tallWide = [](const std::string& line) { return TextSize{1, line == "big" ? 30 : 10}; };
    EXPECT_EQ(90, MeasureText("a\r\nbig\r\nc", tallWide).height);
}

TEST(TextRulesTest, EmptyEditsAndFittedRectangles)
{
    EXPECT_TRUE(EditLeavesNoText(""));
    EXPECT_TRUE(EditLeavesNoText("\r\n"));
    EXPECT_TRUE(EditLeavesNoText("\r"));
    EXPECT_FALSE(EditLeavesNoText("\r\n\r\n"));
    EXPECT_FALSE(EditLeavesNoText("a"));
    EXPECT_FALSE(EditLeavesNoText("a\r"));
    EXPECT_EQ((ViewRect{10, 20, 10 + 42 + 2, 20 + 26 + 7}), FittedRect(ViewRect{10, 20, 300, 300}, TextSize{42, 26}));
}

TEST(TextRulesTest, TrackingKeepsTheTextInsideTheObjectAndTheObjectInsideTheClientArea)
{
    const ViewRect client{0, 0, 400, 300};
    const ViewRect text{100, 100, 160, 130};   // 60 x 30
    // Shrinking past the text: right and bottom stop at the text's.
    EXPECT_EQ((ViewRect{100, 100, 160, 130}), LimitTrackedRect(ViewRect{100, 100, 120, 110}, text, false, client));
    // The left edge dragged right: pulled back so the object is as wide as the text.
    EXPECT_EQ((ViewRect{100, 100, 160, 140}), LimitTrackedRect(ViewRect{130, 100, 160, 140}, text, false, client));
    // A resize past the client edge is clamped there.
    EXPECT_EQ((ViewRect{100, 100, 400, 130}), LimitTrackedRect(ViewRect{100, 100, 450, 130}, text, false, client));
    EXPECT_EQ((ViewRect{0, 0, 160, 130}), LimitTrackedRect(ViewRect{-20, -10, 160, 130}, text, false, client));
    // A move past an edge is shifted back by the overshoot, keeping its size.
    EXPECT_EQ((ViewRect{340, 100, 400, 130}), LimitTrackedRect(ViewRect{360, 100, 420, 130}, text, true, client));
    EXPECT_EQ((ViewRect{0, 0, 60, 30}), LimitTrackedRect(ViewRect{-15, -40, 45, -10}, text, true, client));
    // A move is not held by the text rectangle (it moves along).
    EXPECT_EQ((ViewRect{10, 10, 40, 25}), LimitTrackedRect(ViewRect{10, 10, 40, 25}, text, true, client));
}
