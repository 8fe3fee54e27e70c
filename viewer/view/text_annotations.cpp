#include "text_annotations.h"

TextObject* TextAnnotations::Add(const FontRecord& font, std::uint32_t colour)
{
    auto object = std::make_unique<TextObject>();
    object->font = font;
    object->colour = colour;
    if (list_.Current()) {
        EndEdit();
        list_.DeselectAll();
        editor_.Repaint();
    }
    TextObject* added = list_.Add(std::move(object));
    list_.DeselectAll();
    list_.SetCurrent(added);
    BeginEdit(added);
    editor_.Repaint();
    return added;
}

void TextAnnotations::BeginEdit(TextObject* object)
{
    if (!list_.Holds(object))
        return;
    if (editing_ && editing_ != object)
        EndEdit();
    if (!list_.Holds(object))
        return;
    editing_ = object;
    editor_.Show(*object);
}

void TextAnnotations::EndEdit()
{
    TextObject* object = editing_;
    if (!object)
        return;
    editing_ = nullptr;
    const std::string text = editor_.Text();
    if (!list_.Holds(object)) {
        editor_.Hide();
        return;
    }
    if (EditLeavesNoText(text)) {
        list_.Remove(object);
        editor_.Hide();
        list_.ClearCurrent();
        editor_.Repaint();
        return;
    }
    if (editor_.Modified()) {
        object->text = text;
        Fit(*object);
    }
    editor_.Hide();
    list_.ClearCurrent();
    object->state = kTextNotSelected;
    editor_.Repaint();
}

void TextAnnotations::DeleteCurrent()
{
    TextObject* current = list_.Current();
    EndEdit();
    // Ending the edit may have removed it already.
    if (list_.Holds(current))
        list_.Remove(current);
    editor_.Repaint();
}

void TextAnnotations::Fit(TextObject& object)
{
    object.rect = FittedRect(object.rect, editor_.Measure(object));
    object.textRect = object.rect;
}

void TextAnnotations::ApplyFont(const FontRecord& font, std::uint32_t colour)
{
    TextObject* current = list_.Current();
    if (!list_.Holds(current))
        return;
    current->font = font;
    current->colour = colour;
    if (editing_ == current && editor_.Modified())
        current->text = editor_.Text();
    Fit(*current);
    if (editing_ == current) {
        const ViewRect& r = current->rect;
        editor_.Follow(*current, ViewRect{r.left + 1, r.top + 1, r.left + 1 + r.Width(), r.top + 1 + r.Height()});
    }
    editor_.Repaint();
}

bool TextAnnotations::Click(TextObject* object)
{
    if (!list_.Holds(object))
        return false;
    if (list_.Selected().size() < 2 || !object->Selected()) {
        if (editing_ && editing_ != object)
            EndEdit();
        if (!list_.Holds(object))
            return false;
        list_.DeselectAll();
        list_.SetCurrent(object);
        editor_.Repaint();
        return true;
    }
    return false;
}

TextObject* TextAnnotations::PrepareMove(TextObject* object)
{
    if (editing_) {
        EndEdit();
        if (!list_.Holds(object))
            return nullptr;
        object->state = kTextCurrent;
        list_.SetCurrent(object);
    }
    return list_.Holds(object) ? object : nullptr;
}

bool TextAnnotations::MoveSelected(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return false;
    bool moved = false;
    for (TextObject* o : list_.Selected()) {
        o->rect = ViewRect{o->rect.left + dx, o->rect.top + dy, o->rect.right + dx, o->rect.bottom + dy};
        o->textRect = ViewRect{o->textRect.left + dx, o->textRect.top + dy, o->textRect.right + dx,
                               o->textRect.bottom + dy};
        moved = true;
    }
    if (moved)
        editor_.Repaint();
    return moved;
}

void TextAnnotations::ShiftClick(TextObject* object)
{
    if (!list_.Holds(object))
        return;
    if (object->Selected() && editing_ == object) {
        // Deselecting the object being edited ends the edit (which deselects
        // it, or frees it); the remembered object is current again.
        EndEdit();
        TextObject* previous = list_.Previous();
        if (list_.Holds(previous) && previous->Selected())
            list_.SetCurrent(previous);
        editor_.Repaint();
        return;
    }
    if (!object->Selected() && editing_) {
        // The current object ends its edit before another becomes current;
        // it stays selected and is remembered.
        TextObject* previous = list_.Current();
        EndEdit();
        if (!list_.Holds(object))
            return;
        if (list_.Holds(previous)) {
            previous->state = kTextSelected;
            list_.SetCurrent(previous);
        }
    }
    list_.ToggleSelection(object);
    editor_.Repaint();
}

void TextAnnotations::DoubleClick(TextObject* object)
{
    if (!list_.Holds(object))
        return;
    EndEdit();
    if (!list_.Holds(object))
        return;
    list_.DeselectAll();
    list_.SetCurrent(object);
    BeginEdit(object);
    editor_.Repaint();
}

void TextAnnotations::BeginBand()
{
    EndEdit();
    list_.DeselectAll();
    editor_.Repaint();
}

void TextAnnotations::TrackStep(TextObject* object, const ViewRect& proposed, bool wholeMove, const ViewRect& client)
{
    if (!list_.Holds(object))
        return;
    const ViewRect limited = LimitTrackedRect(proposed, object->textRect, wholeMove, client);
    const bool changed = limited != object->rect;
    object->rect = limited;
    if (changed && editing_ == object)
        editor_.Follow(*object, limited);
    object->textRect = ViewRect{limited.left, limited.top, limited.left + object->textRect.Width(),
                                limited.top + object->textRect.Height()};
}
