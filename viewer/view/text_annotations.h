// What the user does with the text annotations, without any window: adding,
// editing and ending the edit, deleting, changing the font, clicks, Shift-
// clicks, double-clicks and moves.  The in-place editor and the measuring
// of text are the view's, behind TextEditor.
//
// Ending an edit may free the object (an empty text).  Every action that
// goes on with an object after ending an edit checks that the list still
// holds it, so no freed object is ever used.
#pragma once

#include "text_objects.h"

class TextEditor {
public:
    virtual std::string Text() const = 0;
    virtual bool Modified() const = 0;
    // Places the editor over the object with its font and text, all of it
    // selected, shown and focused.
    virtual void Show(const TextObject& object) = 0;
    // Hides and clears the editor, unmodified and with an empty undo buffer.
    virtual void Hide() = 0;
    // Moves the shown editor over this rectangle, with the object's font.
    virtual void Follow(const TextObject& object, const ViewRect& rect) = 0;
    virtual TextSize Measure(const TextObject& object) const = 0;
    virtual void Repaint() = 0;

protected:
    ~TextEditor() = default;
};

class TextAnnotations {
public:
    explicit TextAnnotations(TextEditor& editor) : editor_(editor) {}

    TextObjectList& List() { return list_; }
    const TextObjectList& List() const { return list_; }
    // The object whose text the editor shows, while it shows it.
    TextObject* Editing() const { return editing_; }

    // Add Text: a new object in the given font and colour, appended, made
    // current and edited.
    TextObject* Add(const FontRecord& font, std::uint32_t colour);
    void BeginEdit(TextObject* object);
    // Ends the edit under way, if any (see the header comment).
    void EndEdit();
    // Ends the edit, then removes the current object.
    void DeleteCurrent();
    // The current object takes the font and colour and the size of its text
    // in it; the editor, when shown, follows at (left + 1, top + 1).
    void ApplyFont(const FontRecord& font, std::uint32_t colour);

    // A click on an object (Shift not held).  True when a tracker drag of
    // that one object starts; false for a move of all selected objects.
    bool Click(TextObject* object);
    // Before a move: the edit ends and the object stays current (if it
    // still exists).  Returns it, or null when ending the edit removed it.
    TextObject* PrepareMove(TextObject* object);
    // Moves every selected object by (dx, dy); true when anything moved.
    bool MoveSelected(int dx, int dy);
    void ShiftClick(TextObject* object);
    void DoubleClick(TextObject* object);
    // The band deselects all and ends any edit.
    void BeginBand();

    // One step of a tracker drag of `object`: the limits, the editor
    // following, the text rectangle moved to the new corner.
    void TrackStep(TextObject* object, const ViewRect& proposed, bool wholeMove, const ViewRect& client);

private:
    void Fit(TextObject& object);

    TextEditor& editor_;
    TextObjectList list_;
    TextObject* editing_ = nullptr;
};
