// A modal property sheet over comctl32's PropertySheetA.  The sheet window
// itself is taken over when comctl32 has made it, so a derived sheet can
// handle its messages through its tables.
#pragma once
#include "message_table.h"
#include "property_page.h"
#include "wnd.h"
#include <string>
#include <vector>

namespace framework {

class CPropertySheet : public Routed<CPropertySheet, CWnd> {
public:
    explicit CPropertySheet(std::string caption, HWND parent = nullptr, DWORD flags = PSH_NOAPPLYNOW)
        : caption_(std::move(caption)), parent_(parent), flags_(flags) {}

    void AddPage(CPropertyPage* page) { pages_.push_back(page); }
    void SetStartPage(UINT index) { startPage_ = index; }
    // IDOK when the user ended with OK, IDCANCEL otherwise, -1 on failure.
    INT_PTR DoModal();

protected:
    // The sheet window exists, its pages not yet all.
    virtual void OnInitialized() {}
    // The sheet's dialog template (a DLGTEMPLATE or DLGTEMPLATEEX in writable
    // memory) before the sheet window is made from it.
    virtual void OnPreCreate(void* dialogTemplate) {}

private:
    static int CALLBACK SheetCallback(HWND sheet, UINT msg, LPARAM lp);

    std::string caption_;
    HWND parent_;
    DWORD flags_;
    UINT startPage_ = 0;
    std::vector<CPropertyPage*> pages_;
};

}  // namespace framework
