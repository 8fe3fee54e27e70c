// What a setting bar remembers for "&Restore": the value the driver gave
// the first time the bar saw a key (an input, and for some bars a screen
// width), and whether the user has moved the bar since.  The table has a
// fixed number of entries; when it is full, further keys are not
// remembered and count as unchanged.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace setup {

struct ValueKey {
    int source = 0;       // source number (0 when the bar is not per input)
    int screenWidth = 0;  // screen width in pixels (0 when not per width)
    bool operator==(const ValueKey& o) const { return source == o.source && screenWidth == o.screenWidth; }
};

class RememberedValues {
public:
    explicit RememberedValues(std::size_t capacity) : entries_(capacity) {}

    // The refresh rule: a known key answers its changed flag; a new key is
    // stored with `value` and the flag clear in the first free entry (when
    // there is one) and answers unchanged.
    bool Refresh(const ValueKey& key, int value);
    // The user moved the bar: the key's entry (if any) is changed.
    void MarkChanged(const ValueKey& key);
    // "&Restore": the key's entry becomes unchanged and its value is the
    // answer; nothing when the key has no entry.
    std::optional<int> Restore(const ValueKey& key);

    bool Changed(const ValueKey& key) const;
    std::size_t Capacity() const { return entries_.size(); }
    std::size_t Used() const;

private:
    struct Entry {
        bool used = false;  // a free entry has the source number -1
        ValueKey key;
        int value = 0;
        bool changed = false;
    };
    Entry* Find(const ValueKey& key);
    const Entry* Find(const ValueKey& key) const;

    std::vector<Entry> entries_;
};

// The size of an alignment bar's table.
constexpr std::size_t AlignTableSize(bool perInput, bool perScreenWidth)
{
    return (perInput ? 3 : 1) * (perScreenWidth ? 2 : 1);
}
constexpr std::size_t kColorTableSize = 3;

}  // namespace setup
