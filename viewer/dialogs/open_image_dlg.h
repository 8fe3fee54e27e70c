// "Load Image" (template 101): the platform's old-style Open dialog with a
// lower part that describes the selected file as the driver reads it, a
// "Load as Background" switch, and the Preferences and Find File buttons.
// It refuses a file the driver cannot read.  The folder, the type and the
// switch are remembered in the settings store (section "Open") when the
// dialog object goes, after OK or Cancel alike.
#pragma once
#include "file_dialog.h"
#include "handles.h"
#include "message_table.h"
#include "resource.h"
#include <functional>
#include <string>

class COpenImageDlg : public framework::Routed<COpenImageDlg, framework::CFileDialog> {
public:
    // `defaultExtension` and `fileName` may be null (none).
    COpenImageDlg(const char* defaultExtension, const char* fileName, DWORD flags, const char* filter,
                  HWND parent);
    ~COpenImageDlg() override;

    // The file search behind "Find File...": given the dialog as owner, the
    // filter text and the 1-based type (0: none), it writes the chosen path
    // into the buffer (of that many characters) and says whether there is one.
    using FileSearch = std::function<bool(HWND owner, const char* filter, DWORD filterIndex, char* path,
                                          DWORD pathSize, char* title, DWORD titleSize)>;
    void SetFileSearch(FileSearch search) { fileSearch_ = std::move(search); }

    // "Load as Background", as it was when OK was pressed.
    bool LoadAsBackground() const { return background_ != 0; }

    // Writes the driver's description of a file into the information text;
    // false (the text saying so) when the driver cannot read it.
    bool ShowFileInfo(const std::string& name);

protected:
    bool OnInitDialog() override;
    bool OnFileNameOK() override;
    void OnListSelectionChange(UINT controlId, int index) override;

    LRESULT OnHelpRequest(const framework::Message& m);
    void OnFindFile();
    void OnPreferences();

    friend struct framework::TableAccess;
    // Context help is not offered: its requests are swallowed.
    static constexpr framework::MessageEntry<COpenImageDlg> kMessages[] = {
        {WM_HELP, &COpenImageDlg::OnHelpRequest},
        {WM_CONTEXTMENU, &COpenImageDlg::OnHelpRequest},
    };
    static constexpr framework::CommandEntry<COpenImageDlg> kCommands[] = {
        {IDC_FIND_FILE, BN_CLICKED, &COpenImageDlg::OnFindFile},
        {IDC_OPEN_PREFERENCES, BN_CLICKED, &COpenImageDlg::OnPreferences},
    };

private:
    std::string filterText_;  // as given: "|"-separated pairs, for the file search
    FileSearch fileSearch_;
    int background_ = 0;
    framework::GdiFont lightFont_;
};
