// An alignment bar (window and display offsets, the colour-key
// correction): a page step of a sixteenth of its range (half below 16),
// values remembered per input and/or per screen width as the page binds it.
// A disabled bar keeps its thumb where it is.
#pragma once

#include "setting_bar.h"

class CAlignBar final : public CSettingBar {
public:
    CAlignBar(bool perInput, bool perScreenWidth)
        : CSettingBar(setup::AlignTableSize(perInput, perScreenWidth)), perInput_(perInput),
          perScreenWidth_(perScreenWidth)
    {
    }

protected:
    int PageStepFor(int maximum) const override;
    setup::ValueKey CurrentKey() const override;
    bool MovesThumb() const override;

private:
    bool perInput_;
    bool perScreenWidth_;
};
