#include "setting_bar.h"

#include "bar_rules.h"
#include "setup_link.h"

#include <string>

void CSettingBar::SetUp(HWND page, int barId, int labelId, const setup::SettingItem& item)
{
    page_ = page;
    bar_ = GetDlgItem(page, barId);
    labelId_ = labelId;
    item_ = item;
    long maximum = 0;
    if (!QueryNumber(item.limitFormat, item.maximumNumber, maximum) || maximum < 0)
        maximum = 0;
    maximum_ = static_cast<int>(maximum);
    pageStep_ = PageStepFor(maximum_);
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, maximum_, 0, 0, 0};
    SetScrollInfo(bar_, SB_CTL, &info, TRUE);
    Refresh();
}

int CSettingBar::Position() const
{
    return GetScrollPos(bar_, SB_CTL);
}

bool CSettingBar::Refresh()
{
    // A reply without the value shows 0.
    long value = 0;
    if (!QueryNumber(item_.readFormat, item_.valueNumber, value))
        value = 0;
    const bool changed = remembered_.Refresh(CurrentKey(), static_cast<int>(value));
    Apply(static_cast<int>(value));
    return changed;
}

void CSettingBar::Scroll(HWND from, int request, int thumb)
{
    if (from != bar_)
        return;
    const int current = Position();
    const int target = setup::ScrollTarget(request, current, thumb, maximum_, pageStep_);
    if (target == current)
        return;
    remembered_.MarkChanged(CurrentKey());
    Apply(target);
}

void CSettingBar::Restore()
{
    if (std::optional<int> value = remembered_.Restore(CurrentKey()))
        Apply(*value);
}

void CSettingBar::Apply(int value)
{
    SendOverlayCommand(overlay::kVerbSet, item_.setFormat, value);
    SetDlgItemTextA(page_, labelId_, std::to_string(static_cast<unsigned>(value)).c_str());
    if (MovesThumb())
        SetScrollPos(bar_, SB_CTL, value, TRUE);
}
