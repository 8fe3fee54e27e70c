// One page of a property sheet: a dialog template whose values are exchanged
// when the page is left (checked) and when the sheet is applied.
#pragma once
#include "dialog.h"
#include <prsht.h>
#include <string>

namespace framework {

class CPropertyPage : public Routed<CPropertyPage, CDialog> {
public:
    explicit CPropertyPage(UINT templateId, std::string title = {}) : Routed(templateId), title_(std::move(title)) {}

    // The page's description for PropertySheetA.
    PROPSHEETPAGEA Describe();
    void SetModified(bool changed = true);

protected:
    // The page becomes the shown one; false keeps the previous page.
    virtual bool OnSetActive() { return true; }
    // The page is left: its values are checked and taken; false keeps it shown.
    virtual bool OnKillActive() { return UpdateData(true); }
    // OK or Apply; false keeps the sheet open.
    virtual bool OnApply() { return true; }
    // Cancel.
    virtual void OnReset() {}

    LRESULT OnNotify(const Message& m);

    friend struct TableAccess;
    static constexpr MessageEntry<CPropertyPage> kMessages[] = {
        {WM_NOTIFY, &CPropertyPage::OnNotify},
    };

private:
    static INT_PTR CALLBACK PageProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp);
    std::string title_;
};

}  // namespace framework
