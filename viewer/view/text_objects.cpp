#include "text_objects.h"

#include <algorithm>
#include <cstdlib>

#include "region_rules.h"

TextObject* TextObjectList::Add(std::unique_ptr<TextObject> object)
{
    objects_.push_back(std::move(object));
    return objects_.back().get();
}

void TextObjectList::Remove(TextObject* object)
{
    if (current_ == object)
        current_ = nullptr;
    if (previous_ == object)
        previous_ = nullptr;
    objects_.erase(std::remove_if(objects_.begin(), objects_.end(),
                                  [object](const std::unique_ptr<TextObject>& o) { return o.get() == object; }),
                   objects_.end());
}

bool TextObjectList::Holds(const TextObject* object) const
{
    return object && std::any_of(objects_.begin(), objects_.end(),
                                 [object](const std::unique_ptr<TextObject>& o) { return o.get() == object; });
}

void TextObjectList::SetCurrent(TextObject* object)
{
    if (current_ && current_ != object && Holds(current_))
        current_->state = kTextSelected;
    current_ = Holds(object) ? object : nullptr;
    if (current_)
        current_->state = kTextCurrent;
}

void TextObjectList::DeselectAll()
{
    for (auto& o : objects_)
        o->state = kTextNotSelected;
    current_ = nullptr;
}

std::vector<TextObject*> TextObjectList::Selected() const
{
    std::vector<TextObject*> selected;
    for (const auto& o : objects_)
        if (o->Selected())
            selected.push_back(o.get());
    return selected;
}

void TextObjectList::ToggleSelection(TextObject* object)
{
    if (!Holds(object))
        return;
    if (!object->Selected()) {
        previous_ = current_;
        SetCurrent(object);
        return;
    }
    object->state = kTextNotSelected;
    if (object != current_)
        return;
    current_ = nullptr;
    if (previous_ && previous_ != object && Holds(previous_) && previous_->Selected())
        SetCurrent(previous_);
}

TextObject* TextObjectList::HitTest(int x, int y, const HitRule& hit) const
{
    for (const auto& o : objects_)
        if (o->state == kTextCurrent && hit(*o, x, y))
            return o.get();
    for (const auto& o : objects_)
        if (hit(*o, x, y))
            return o.get();
    return nullptr;
}

int TextObjectList::SelectInside(const ViewRect& band, bool draggedRightwards)
{
    std::vector<TextObject*> inside;
    for (const auto& o : objects_)
        if (LiesInside(o->rect, band)) {
            o->state = kTextSelected;
            inside.push_back(o.get());
        }
    if (!inside.empty())
        SetCurrent(ChooseCurrentAfterBand(inside, band, draggedRightwards));
    return static_cast<int>(inside.size());
}

TextObject* ChooseCurrentAfterBand(const std::vector<TextObject*>& selected, const ViewRect& band,
                                   bool draggedRightwards)
{
    constexpr long kTooFar = 9999;
    TextObject* chosen = nullptr;
    long best = kTooFar;
    for (TextObject* o : selected) {
        const long distance =
            draggedRightwards
                ? std::labs(static_cast<long>(band.right) + band.bottom - (static_cast<long>(o->rect.right) + o->rect.bottom))
                : std::labs(static_cast<long>(band.left) + band.top - (static_cast<long>(o->rect.left) + o->rect.top));
        if (distance < best) {
            best = distance;
            chosen = o;
        }
    }
    return chosen;
}

TextSize MeasureText(const std::string& text, const std::function<TextSize(const std::string& line)>& extent)
{
    TextSize size;
    int lines = 0, tallest = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\r', start);
        const TextSize line = extent(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        size.width = std::max(size.width, line.width);
        tallest = std::max(tallest, line.height);
        ++lines;
        if (end == std::string::npos)
            break;
        start = end + 1;
        if (start < text.size() && text[start] == '\n')
            ++start;
    }
    size.height = lines * tallest;
    return size;
}

bool EditLeavesNoText(const std::string& text)
{
    return text.empty() || (text.size() < 3 && text[0] == '\r');
}

ViewRect FittedRect(const ViewRect& rect, const TextSize& size)
{
    return ViewRect{rect.left, rect.top, rect.left + size.width + 2, rect.top + size.height + 7};
}

ViewRect LimitTrackedRect(const ViewRect& proposed, const ViewRect& textRect, bool wholeMove, const ViewRect& client)
{
    ViewRect r = proposed;
    if (!wholeMove) {
        r.right = std::max(r.right, textRect.right);
        r.bottom = std::max(r.bottom, textRect.bottom);
        r.left = std::min(r.left, r.right - textRect.Width());
        r.top = std::min(r.top, r.bottom - textRect.Height());
    }
    if (wholeMove) {
        // Shifted back by the overshoot; the left and top edges win when the
        // object is larger than the client area.
        const int dx = r.right > client.right ? client.right - r.right : 0;
        const int dy = r.bottom > client.bottom ? client.bottom - r.bottom : 0;
        r = ViewRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
        const int bx = r.left < client.left ? client.left - r.left : 0;
        const int by = r.top < client.top ? client.top - r.top : 0;
        r = ViewRect{r.left + bx, r.top + by, r.right + bx, r.bottom + by};
    } else {
        r.left = std::max(r.left, client.left);
        r.top = std::max(r.top, client.top);
        r.right = std::min(r.right, client.right);
        r.bottom = std::min(r.bottom, client.bottom);
    }
    return r;
}
