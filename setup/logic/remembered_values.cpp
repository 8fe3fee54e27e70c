#include "remembered_values.h"

namespace setup {

RememberedValues::Entry* RememberedValues::Find(const ValueKey& key)
{
    for (Entry& e : entries_)
        if (e.used && e.key == key)
            return &e;
    return nullptr;
}

const RememberedValues::Entry* RememberedValues::Find(const ValueKey& key) const
{
    for (const Entry& e : entries_)
        if (e.used && e.key == key)
            return &e;
    return nullptr;
}

bool RememberedValues::Refresh(const ValueKey& key, int value)
{
    if (const Entry* e = Find(key))
        return e->changed;
    for (Entry& e : entries_) {
        if (!e.used) {
            e = Entry{true, key, value, false};
            break;
        }
    }
    return false;
}

void RememberedValues::MarkChanged(const ValueKey& key)
{
    if (Entry* e = Find(key))
        e->changed = true;
}

std::optional<int> RememberedValues::Restore(const ValueKey& key)
{
    Entry* e = Find(key);
    if (!e)
        return std::nullopt;
    e->changed = false;
    return e->value;
}

bool RememberedValues::Changed(const ValueKey& key) const
{
    const Entry* e = Find(key);
    return e && e->changed;
}

std::size_t RememberedValues::Used() const
{
    std::size_t n = 0;
    for (const Entry& e : entries_)
        n += e.used ? 1 : 0;
    return n;
}

}  // namespace setup
