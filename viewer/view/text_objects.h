// The text annotations of the view without any window: the objects, their
// tracker states, the list that owns them (with the current object and the
// one that was current before a Shift-click), hit testing, the choices
// after a rubber band, measuring and the limits of a tracker drag.
//
// The list is the only owner: removing an object frees it and clears every
// remembered pointer to it, and `Holds` tells a caller whether an object it
// kept across a call that may remove objects (ending an edit) still exists.
#pragma once

#include "view_rect.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The tracker states of an object.
enum TextState : unsigned {
    kTextNotSelected = 0,
    kTextSelected = 4,      // hatched border
    kTextCurrent = 0x14,    // hatched border with resize handles outside
};

// The platform's 60-byte logical font record, kept as bytes here.
using FontRecord = std::array<std::uint8_t, 60>;

struct TextObject {
    unsigned state = kTextNotSelected;
    ViewRect rect{0, 0, 150, 70};   // a new object: 150 x 70 at the client origin
    ViewRect textRect{0, 0, 0, 0};  // the measured text at the rectangle's top-left corner
    std::string text;               // lines separated by "\r\n"
    FontRecord font{};
    std::uint32_t colour = 0;       // a COLORREF

    bool Selected() const { return state != kTextNotSelected; }
};

class TextObjectList {
public:
    // Appends and keeps the object; returns it.
    TextObject* Add(std::unique_ptr<TextObject> object);
    // Frees the object; the current and previous pointers forget it.
    void Remove(TextObject* object);
    bool Holds(const TextObject* object) const;
    bool Empty() const { return objects_.empty(); }
    std::size_t Size() const { return objects_.size(); }
    const std::vector<std::unique_ptr<TextObject>>& Objects() const { return objects_; }

    TextObject* Current() const { return current_; }
    TextObject* Previous() const { return previous_; }
    // Makes the object current (state 0x14); null: no current object.  The
    // object that was current stays selected (state 4).
    void SetCurrent(TextObject* object);
    // Forgets the current object, leaving its state as it is.
    void ClearCurrent() { current_ = nullptr; }
    void DeselectAll();
    std::vector<TextObject*> Selected() const;

    // Shift-click: toggles the object's selection.  Selecting makes it
    // current and remembers the one that was; deselecting the current object
    // makes the remembered one current again if it is still selected.
    void ToggleSelection(TextObject* object);

    // The object under a point: first among objects in the current state,
    // then among all, in list order.  `hit` says whether a point hits an
    // object (its tracker's hit test).
    using HitRule = std::function<bool(const TextObject&, int x, int y)>;
    TextObject* HitTest(int x, int y, const HitRule& hit) const;

    // After a rubber band: selects every object lying wholly inside the band
    // and makes one of them current, chosen by the drag direction.  Returns
    // how many were selected.
    int SelectInside(const ViewRect& band, bool draggedRightwards);

private:
    std::vector<std::unique_ptr<TextObject>> objects_;
    TextObject* current_ = nullptr;
    TextObject* previous_ = nullptr;
};

// The object a band that selected several makes current: dragged
// rightwards, the one whose right + bottom is nearest the band's right +
// bottom, otherwise the one whose left + top is nearest the band's left +
// top; first in list order on ties, never one 9999 or more away.
TextObject* ChooseCurrentAfterBand(const std::vector<TextObject*>& selected, const ViewRect& band,
                                   bool draggedRightwards);

// The size of a text: lines split at each "\r" (a "\n" after it skipped),
// as wide as the widest line and as high as the number of lines times the
// tallest line; a trailing line break counts one more line.  `extent`
// measures one line.
struct TextSize {
    int width = 0, height = 0;
};
TextSize MeasureText(const std::string& text, const std::function<TextSize(const std::string& line)>& extent);

// Ending an edit with this text removes the object: empty, or shorter than
// three characters and starting with a carriage return.
bool EditLeavesNoText(const std::string& text);

// The rectangle an edited or re-fonted object takes for its measured text:
// 2 pixels wider and 7 higher, at the same top-left corner.
ViewRect FittedRect(const ViewRect& rect, const TextSize& size);

// One step of a tracker drag: a resize keeps the right and bottom edges at
// least at the text rectangle's and pulls the left and top edges in so that
// the object is at least as large as its text; then a move that would leave
// the client area is shifted back, a resize clamped at its edge.
ViewRect LimitTrackedRect(const ViewRect& proposed, const ViewRect& textRect, bool wholeMove,
                          const ViewRect& client);
