#include "source_combo.h"

#include "resource.h"
#include "setup_link.h"
#include "signal_rules.h"
#include "strings.h"

void CSourceCombo::Fill()
{
    const int source = ReadSourceNumber();
    SendMessageA(combo_, CB_RESETCONTENT, 0, 0);
    constexpr struct {
        UINT text;
        int source;
    } kItems[] = {{IDS_INPUT_0, 0}, {IDS_INPUT_1, 1}, {IDS_S_VIDEO, 3}};
    for (const auto& item : kItems) {
        const std::string text = framework::LoadText(item.text);
        LRESULT index = SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (index >= 0)
            SendMessageA(combo_, CB_SETITEMDATA, static_cast<WPARAM>(index), item.source);
    }
    Select(source);
}

void CSourceCombo::SelectCurrent()
{
    Select(ReadSourceNumber());
}

void CSourceCombo::Select(int source)
{
    SendMessageA(combo_, CB_SETCURSEL, static_cast<WPARAM>(setup::SourceItemIndex(source)), 0);
}

void CSourceCombo::TakeSelection()
{
    LRESULT index = SendMessageA(combo_, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return;
    SetSourceNumber(static_cast<int>(SendMessageA(combo_, CB_GETITEMDATA, static_cast<WPARAM>(index), 0)));
}
