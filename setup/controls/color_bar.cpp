#include "color_bar.h"

#include "bar_rules.h"
#include "setup_link.h"

int CColorBar::PageStepFor(int maximum) const
{
    return setup::ColorBarPageStep(maximum);
}

setup::ValueKey CColorBar::CurrentKey() const
{
    return setup::ValueKey{ReadSourceNumber(), 0};
}
