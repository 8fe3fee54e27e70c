#include "property_page.h"

namespace framework {

PROPSHEETPAGEA CPropertyPage::Describe()
{
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT | (title_.empty() ? 0 : PSP_USETITLE);
    page.hInstance = GetModuleHandleA(nullptr);
    page.pszTemplate = MAKEINTRESOURCEA(templateId_);
    page.pszTitle = title_.c_str();
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

void CPropertyPage::SetModified(bool changed)
{
    HWND sheet = GetParent(hwnd_);
    SendMessageA(sheet, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(hwnd_), 0);
}

LRESULT CPropertyPage::OnNotify(const Message& m)
{
    switch (m.Notify()->code) {
    case PSN_SETACTIVE:
        return OnSetActive() ? 0 : -1;
    case PSN_KILLACTIVE:
        return OnKillActive() ? FALSE : TRUE;
    case PSN_APPLY:
        return OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
    case PSN_RESET:
        OnReset();
        return 0;
    default:
        return Default(m);
    }
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_INITDIALOG) {
        auto* page = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lp)->lParam);
        page->Attach(dialog);
    }
    auto* self = static_cast<CDialog*>(CWnd::FromHandle(dialog));
    return self ? Dispatch(self, dialog, msg, wp, lp) : FALSE;
}

}  // namespace framework
