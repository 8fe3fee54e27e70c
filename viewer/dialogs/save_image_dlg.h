// "Save Image" (template 102): the platform's old-style Save dialog with a
// lower part that describes the chosen format with its options, and an
// Options button for the format pages.  The dialog keeps the chosen type as
// the remembered type index, which the format words of type 7 stand for.
// The folder and the type are remembered in the settings store (section
// "Save") when the dialog object goes, only if a file name was given.
#pragma once
#include "file_dialog.h"
#include "handles.h"
#include "message_table.h"
#include "resource.h"

class CSaveImageDlg : public framework::Routed<CSaveImageDlg, framework::CFileDialog> {
public:
    CSaveImageDlg(HWND parent, const char* filter);
    ~CSaveImageDlg() override;

    static constexpr DWORD kFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_SHOWHELP | OFN_ENABLETEMPLATE;

protected:
    bool OnInitDialog() override;
    void OnListSelectionChange(UINT controlId, int index) override;

    LRESULT OnHelpRequest(const framework::Message& m);
    void OnOptions();

    friend struct framework::TableAccess;
    // Context help is not offered: its requests are swallowed.
    static constexpr framework::MessageEntry<CSaveImageDlg> kMessages[] = {
        {WM_HELP, &CSaveImageDlg::OnHelpRequest},
        {WM_CONTEXTMENU, &CSaveImageDlg::OnHelpRequest},
    };
    static constexpr framework::CommandEntry<CSaveImageDlg> kCommands[] = {
        {IDC_FORMAT_OPTIONS, BN_CLICKED, &CSaveImageDlg::OnOptions},
    };

private:
    // Shows the description of type `index` and remembers it as the chosen type.
    void ChooseType(int index);

    framework::GdiFont lightFont_;
};
