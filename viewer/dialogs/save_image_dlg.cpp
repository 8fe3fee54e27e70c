#include "save_image_dlg.h"

#include "format_options_sheet.h"
#include "format_string.h"
#include "image_folder.h"
#include "light_font.h"
#include "strings.h"
#include "viewer_settings.h"

using framework::Message;

namespace {
constexpr size_t kFolderCapacity = 256;
constexpr int kDescriptionMode = 1;  // GetFormatString's mode for the dialog's text
constexpr int kLastSaveType = 6;     // JPEG: the Save dialog has no "All Files"
}

CSaveImageDlg::CSaveImageDlg(HWND parent, const char* filter)
    : Routed(false, filter, parent, IDD_SAVE_IMAGE, kFlags)
{
    SetTitle(framework::LoadText(IDS_SAVE_IMAGE));
    const CSettingsStore store = ViewerSettings();
    SetInitialDir(InitialFolderOf(store.ReadText(kSetSave, kSetPath), kFolderCapacity));
    SetFilterIndex(store.ReadNumber(kSetSave, kSetFormat, 1));
}

CSaveImageDlg::~CSaveImageDlg()
{
    const std::string path = PathName();
    if (path.empty())
        return;
    const CSettingsStore store = ViewerSettings();
    store.WriteText(kSetSave, kSetPath, path.c_str());
    store.WriteNumber(kSetSave, kSetFormat, FilterIndex());
}

bool CSaveImageDlg::OnInitDialog()
{
    lightFont_ = ApplyLightFont(hwnd_, {IDC_IMAGE_INFO_LABEL, IDC_IMAGE_INFO});
    // The platform does not report the type it starts with: the type of the
    // filter index counts as chosen until the user picks another.
    const LRESULT selected = SendDlgItemMessageA(hwnd_, IDC_TYPE_LIST, CB_GETCURSEL, 0, 0);
    ChooseType(selected == CB_ERR ? static_cast<int>(FilterIndex()) - 1 : static_cast<int>(selected));
    return true;
}

void CSaveImageDlg::ChooseType(int index)
{
    if (index < 0 || index > kLastSaveType)
        return;
    SetRememberedTypeIndex(index);
    SetDlgItemTextA(hwnd_, IDC_IMAGE_INFO, GetFormatString(kDescriptionMode, index).c_str());
}

void CSaveImageDlg::OnListSelectionChange(UINT controlId, int index)
{
    if (controlId == IDC_TYPE_LIST)
        ChooseType(index);
}

LRESULT CSaveImageDlg::OnHelpRequest(const Message&)
{
    return TRUE;
}

void CSaveImageDlg::OnOptions()
{
    const LRESULT selected = SendDlgItemMessageA(hwnd_, IDC_TYPE_LIST, CB_GETCURSEL, 0, 0);
    const int index = selected == CB_ERR ? 0 : static_cast<int>(selected);
    CFormatOptionsSheet sheet(hwnd_, index);
    if (sheet.DoModal() == IDOK)
        SetDlgItemTextA(hwnd_, IDC_IMAGE_INFO, GetFormatString(kDescriptionMode, index).c_str());
}
