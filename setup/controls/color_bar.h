// A colour bar (hue, brightness, saturation, contrast): a page step of an
// eighth of its range, values remembered per input.
#pragma once

#include "setting_bar.h"

class CColorBar final : public CSettingBar {
public:
    CColorBar() : CSettingBar(setup::kColorTableSize) {}

protected:
    int PageStepFor(int maximum) const override;
    setup::ValueKey CurrentKey() const override;
};
