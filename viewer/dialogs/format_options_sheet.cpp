#include "format_options_sheet.h"
#include "framework_ids.h"
#include "resource.h"
#include "strings.h"

namespace {

// Dialog units of the button row.
constexpr int kMargin = 4;
constexpr int kButtonWidth = 48;
constexpr int kButtonHeight = 14;

// Leaves only Move and Close in the sheet's system menu.
void TrimSystemMenu(HWND sheet)
{
    HMENU menu = GetSystemMenu(sheet, FALSE);
    if (!menu)
        return;
    for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) {
        const UINT id = GetMenuItemID(menu, i);
        if (id != SC_MOVE && id != SC_CLOSE)
            DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
    }
}

}  // namespace

int CFormatOptionsSheet::FirstPageOf(int typeIndex)
{
    if (typeIndex < 0)
        return 0;
    if (typeIndex <= kTypeMMotion)
        return typeIndex;
    return std::min(typeIndex - 1, 5);
}

CFormatOptionsSheet::CFormatOptionsSheet(HWND owner, int typeIndex)
    : Routed(framework::LoadText(IDS_OPTIONS_CAPTION), owner, PSH_NOAPPLYNOW | PSH_HASHELP)
{
    for (const CFormatPage::Layout& layout : CFormatPage::kLayouts) {
        pages_.push_back(std::make_unique<CFormatPage>(layout));
        AddPage(pages_.back().get());
    }
    SetStartPage(static_cast<UINT>(FirstPageOf(typeIndex)));
}

void CFormatOptionsSheet::OnHelp()
{
    HWND shown = reinterpret_cast<HWND>(SendMessageA(hwnd_, PSM_GETCURRENTPAGEHWND, 0, 0));
    for (const auto& page : pages_)
        if (page->Handle() == shown)
            page->ShowHelp();
}

void CFormatOptionsSheet::OnInitialized()
{
    TrimSystemMenu(hwnd_);
    // The help button carries the program's help command.
    if (HWND help = GetDlgItem(hwnd_, IDHELP))
        SetWindowLongPtrA(help, GWLP_ID, IDC_DIALOG_HELP);
    // OK, Cancel and Help along the bottom from the left margin, 4 units apart.
    RECT unit{kMargin, kButtonHeight, kButtonWidth, kButtonHeight};
    MapDialogRect(hwnd_, &unit);
    RECT ok{};
    GetWindowRect(GetDlgItem(hwnd_, IDOK), &ok);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&ok), 2);
    const int ids[] = {IDOK, IDCANCEL, IDC_DIALOG_HELP};
    int x = unit.left;
    for (int id : ids) {
        if (HWND button = GetDlgItem(hwnd_, id))
            SetWindowPos(button, nullptr, x, ok.top, unit.right, unit.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
        x += unit.right + unit.left;
    }
}
