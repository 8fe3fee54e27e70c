// "Options": the Save formats' pages (Bitmap, Targa, Tiff, PCX, Gif, JPEG)
// in one tabbed sheet with OK, Cancel and Help and no Apply, opened on the
// page of the type chosen in the Save dialog.  IBM MMotion has no page: it
// opens on the Tiff page.
#pragma once
#include "format_page.h"
#include "message_table.h"
#include "property_sheet.h"
#include "resource.h"
#include <memory>
#include <vector>

class CFormatOptionsSheet : public framework::Routed<CFormatOptionsSheet, framework::CPropertySheet> {
public:
    CFormatOptionsSheet(HWND owner, int typeIndex);

    // The page shown first for a type of the Save dialog's list.
    static int FirstPageOf(int typeIndex);

protected:
    void OnInitialized() override;
    // Help: the help of the page shown.
    void OnHelp();

    friend struct framework::TableAccess;
    static constexpr framework::CommandEntry<CFormatOptionsSheet> kCommands[] = {
        {IDC_DIALOG_HELP, BN_CLICKED, &CFormatOptionsSheet::OnHelp},
    };

private:
    std::vector<std::unique_ptr<CFormatPage>> pages_;
};
