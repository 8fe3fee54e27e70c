#include "property_sheet.h"

namespace framework {
namespace {
// The sheet PropertySheetA is making on this thread (its callback carries no pointer).
thread_local CPropertySheet* building = nullptr;
}  // namespace

int CALLBACK CPropertySheet::SheetCallback(HWND sheet, UINT msg, LPARAM lp)
{
    if (msg == PSCB_PRECREATE && building && lp) {
        building->OnPreCreate(reinterpret_cast<void*>(lp));
        return 0;
    }
    if (msg == PSCB_INITIALIZED && building) {
        CPropertySheet* self = building;
        building = nullptr;
        self->Subclass(sheet);
        self->OnInitialized();
    }
    return 0;
}

INT_PTR CPropertySheet::DoModal()
{
    if (pages_.empty())
        return -1;
    std::vector<PROPSHEETPAGEA> pages;
    for (CPropertyPage* page : pages_)
        pages.push_back(page->Describe());
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = flags_ | PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    header.hwndParent = parent_;
    header.hInstance = GetModuleHandleA(nullptr);
    header.pszCaption = caption_.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = startPage_;
    header.ppsp = pages.data();
    header.pfnCallback = SheetCallback;
    building = this;
    INT_PTR result = PropertySheetA(&header);
    building = nullptr;
    if (result < 0)
        return -1;
    return result > 0 ? IDOK : IDCANCEL;
}

}  // namespace framework
