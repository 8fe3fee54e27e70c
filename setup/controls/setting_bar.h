// A horizontal scroll bar of a setup page bound to one setting of the card:
// its range comes from the driver's limit query, each move is sent to the
// driver at once, and the value first read for each key is remembered for
// "&Restore".  The colour and alignment bars differ in their page step, the
// key they remember values by and whether a disabled bar follows a value.
#pragma once

#include <windows.h>

#include "remembered_values.h"
#include "setting_items.h"

class CSettingBar {
public:
    virtual ~CSettingBar() = default;

    // Binds the bar `barId` of `page`, with `labelId` the static that shows
    // its value; reads the limit, sets the range and page step, refreshes.
    void SetUp(HWND page, int barId, int labelId, const setup::SettingItem& item);
    // Reads the value and sends it back (the driver's own value), remembering
    // it for a key seen the first time; answers the key's changed flag.
    bool Refresh();
    // A scroll message of the page; the bar acts only on its own.
    void Scroll(HWND from, int request, int thumb);
    // Back to the value remembered for the current key, if any.
    void Restore();
    // Sends the value, shows it and moves the thumb.
    void Apply(int value);

    HWND Handle() const { return bar_; }
    int Maximum() const { return maximum_; }
    int PageStep() const { return pageStep_; }
    int Position() const;
    const setup::RememberedValues& Remembered() const { return remembered_; }

protected:
    explicit CSettingBar(std::size_t tableSize) : remembered_(tableSize) {}
    virtual int PageStepFor(int maximum) const = 0;
    virtual setup::ValueKey CurrentKey() const = 0;
    virtual bool MovesThumb() const { return true; }

private:
    HWND page_ = nullptr;
    HWND bar_ = nullptr;
    int labelId_ = 0;
    setup::SettingItem item_{};
    int maximum_ = 0;
    int pageStep_ = 0;
    setup::RememberedValues remembered_;
};
