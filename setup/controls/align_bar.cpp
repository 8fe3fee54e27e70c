#include "align_bar.h"

#include "bar_rules.h"
#include "setup_link.h"

int CAlignBar::PageStepFor(int maximum) const
{
    return setup::AlignBarPageStep(maximum);
}

setup::ValueKey CAlignBar::CurrentKey() const
{
    return setup::ValueKey{perInput_ ? ReadSourceNumber() : 0, perScreenWidth_ ? GetSystemMetrics(SM_CXSCREEN) : 0};
}

bool CAlignBar::MovesThumb() const
{
    return IsWindowEnabled(Handle()) != FALSE;
}
