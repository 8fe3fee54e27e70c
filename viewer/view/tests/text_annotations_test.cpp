// The user's actions on text annotations against a recording editor,
// natively under AddressSanitizer: every path that ends an edit, with the
// edited object emptied so that ending the edit frees it.
#include "text_annotations.h"

#include <gtest/gtest.h>

namespace {

// An editor that holds the typed text and records what the view asked.
class FakeEditor : public TextEditor {
public:
    std::string Text() const override { return text; }
    bool Modified() const override { return modified; }
    void Show(const TextObject& o) override
    {
        shown = true;
        text = o.text;
        modified = false;
        at = o.rect;
    }
    void Hide() override
    {
        shown = false;
        text.clear();
        modified = false;
    }
    void Follow(const TextObject&, const ViewRect& r) override { at = r; }
    // 8 pixels per character, 16 per line.
    TextSize Measure(const TextObject& o) const override
    {
        return MeasureText(o.text, [](const std::string& line) { return TextSize{8 * static_cast<int>(line.size()), 16}; });
    }
    void Repaint() override { ++repaints; }

    void Type(const std::string& t)
    {
        text = t;
        modified = true;
    }

    std::string text;
    bool modified = false;
    bool shown = false;
    ViewRect at;
    int repaints = 0;
};

class TextAnnotationsTest : public ::testing::Test {
protected:
    TextObject* AddTyped(const std::string& text)
    {
        TextObject* o = texts.Add(FontRecord{}, 0xFFFF00);
        editor.Type(text);
        texts.EndEdit();
        return o;
    }

    FakeEditor editor;
    TextAnnotations texts{editor};
    const ViewRect client{0, 0, 400, 300};
};

}  // namespace

TEST_F(TextAnnotationsTest, AddedTextIsCurrentEditedAndFittedWhenTheEditEnds)
{
    TextObject* o = texts.Add(FontRecord{}, 0xFFFF00);
    EXPECT_EQ(o, texts.List().Current());
    EXPECT_EQ(kTextCurrent, o->state);
    EXPECT_EQ((ViewRect{0, 0, 150, 70}), o->rect);
    EXPECT_TRUE(editor.shown);
    EXPECT_EQ(o, texts.Editing());
    editor.Type("hello\r\nworld!");
    texts.EndEdit();
    EXPECT_FALSE(editor.shown);
    EXPECT_EQ(nullptr, texts.List().Current());
    EXPECT_EQ(kTextNotSelected, o->state);
    EXPECT_EQ("hello\r\nworld!", o->text);
    EXPECT_EQ((ViewRect{0, 0, 6 * 8 + 2, 2 * 16 + 7}), o->rect);
    EXPECT_EQ(o->rect, o->textRect);
}

TEST_F(TextAnnotationsTest, EndingAnEditWithNoTextFreesTheObjectOnEveryPath)
{
    // Each path ends the edit of an emptied object and then goes on: the
    // freed object must not be touched (AddressSanitizer watches).
    auto emptied = [&] {
        TextObject* o = texts.Add(FontRecord{}, 0);
        editor.Type("\r\n");
        return o;
    };
    TextObject* keep = AddTyped("kept");

    TextObject* o = emptied();
    texts.DeleteCurrent();
    EXPECT_FALSE(texts.List().Holds(o));
    EXPECT_TRUE(texts.List().Holds(keep));

    o = emptied();
    texts.ApplyFont(FontRecord{1}, 0x123456);   // the typed text is empty: measured, but kept while editing
    texts.EndEdit();
    EXPECT_FALSE(texts.List().Holds(o));

    o = emptied();
    EXPECT_EQ(nullptr, texts.PrepareMove(o));
    EXPECT_FALSE(texts.MoveSelected(5, 5));

    o = emptied();
    texts.ShiftClick(keep);
    EXPECT_FALSE(texts.List().Holds(o));
    EXPECT_EQ(keep, texts.List().Current());
    EXPECT_EQ(nullptr, texts.List().Previous());   // the freed one is not remembered

    o = emptied();
    texts.ShiftClick(o);   // deselecting the edited, empty object
    EXPECT_FALSE(texts.List().Holds(o));
    EXPECT_EQ(nullptr, texts.List().Current());   // Add remembered nothing

    o = emptied();
    EXPECT_TRUE(texts.Click(keep));
    EXPECT_FALSE(texts.List().Holds(o));

    o = emptied();
    texts.DoubleClick(o);   // the object under the point is the one that goes
    EXPECT_FALSE(texts.List().Holds(o));
    EXPECT_EQ(nullptr, texts.Editing());

    o = emptied();
    texts.BeginBand();
    EXPECT_FALSE(texts.List().Holds(o));

    o = emptied();
    texts.TrackStep(o, ViewRect{10, 10, 200, 100}, true, client);   // still edited: it exists
    texts.EndEdit();
    texts.TrackStep(o, ViewRect{10, 10, 200, 100}, true, client);   // gone: nothing happens
    EXPECT_EQ(1u, texts.List().Size());
    EXPECT_FALSE(editor.shown);
}

TEST_F(TextAnnotationsTest, DeleteTextRemovesTheCurrentObject)
{
    TextObject* a = AddTyped("first");
    TextObject* b = AddTyped("second");
    texts.Click(b);
    texts.BeginEdit(b);
    editor.Type("second, edited");
    texts.DeleteCurrent();
    EXPECT_FALSE(texts.List().Holds(b));
    EXPECT_TRUE(texts.List().Holds(a));
    EXPECT_EQ(nullptr, texts.List().Current());
    EXPECT_FALSE(editor.shown);
}

TEST_F(TextAnnotationsTest, AFontChangeRefitsTheTextWithTwoAndSevenPixels)
{
    TextObject* o = AddTyped("abc\r\nde");
    texts.Click(o);
    texts.BeginEdit(o);
    texts.ApplyFont(FontRecord{7}, 0x00FF00);
    EXPECT_EQ(7, o->font[0]);
    EXPECT_EQ(0x00FF00u, o->colour);
    EXPECT_EQ((ViewRect{0, 0, 3 * 8 + 2, 2 * 16 + 7}), o->rect);
    // The shown editor moved to one pixel inside, with the object's size.
    EXPECT_EQ((ViewRect{1, 1, 1 + o->rect.Width(), 1 + o->rect.Height()}), editor.at);
}

TEST_F(TextAnnotationsTest, MovesEndTheEditAndKeepTheObjectCurrent)
{
    TextObject* o = AddTyped("move me");
    texts.DoubleClick(o);
    ASSERT_EQ(o, texts.Editing());
    editor.Type("moved");
    EXPECT_EQ(o, texts.PrepareMove(o));
    EXPECT_EQ(nullptr, texts.Editing());
    EXPECT_EQ(o, texts.List().Current());
    EXPECT_EQ("moved", o->text);
    const ViewRect before = o->rect;
    EXPECT_TRUE(texts.MoveSelected(10, -3));
    EXPECT_EQ(before.left + 10, o->rect.left);
    EXPECT_EQ(before.top - 3, o->rect.top);
    EXPECT_EQ(o->rect.left, o->textRect.left);
}

TEST_F(TextAnnotationsTest, ClicksChooseOneObjectOrMoveAllSelected)
{
    TextObject* a = AddTyped("a");
    TextObject* b = AddTyped("b");
    EXPECT_TRUE(texts.Click(a));
    EXPECT_EQ(a, texts.List().Current());
    texts.ShiftClick(b);
    EXPECT_EQ(2u, texts.List().Selected().size());
    // Two selected and a selected one clicked: a move of both.
    EXPECT_FALSE(texts.Click(a));
    EXPECT_EQ(2u, texts.List().Selected().size());
    EXPECT_TRUE(texts.MoveSelected(4, 4));
}

TEST_F(TextAnnotationsTest, TrackingStepsFollowTheLimitsAndMoveTheEditor)
{
    TextObject* o = AddTyped("wide text");   // 9 * 8 + 2 = 74 x 23
    texts.DoubleClick(o);
    texts.TrackStep(o, ViewRect{0, 0, 20, 10}, false, client);
    EXPECT_EQ((ViewRect{0, 0, 74, 23}), o->rect);   // not smaller than the text
    texts.TrackStep(o, ViewRect{380, 290, 454, 313}, true, client);
    EXPECT_EQ((ViewRect{326, 277, 400, 300}), o->rect);
    EXPECT_EQ(o->rect, editor.at);
    EXPECT_EQ((ViewRect{326, 277, 400, 300}), o->textRect);
}
