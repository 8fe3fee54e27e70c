#include "open_image_dlg.h"

#include "file_info.h"
#include "format_record.h"
#include "frame_wnd.h"
#include "image_folder.h"
#include "light_font.h"
#include "overlay_args.h"
#include "preferences_dlg.h"
#include "strings.h"
#include "viewer_settings.h"
#include "win_app.h"
#include <vector>

using framework::LoadText;
using framework::Message;

namespace {

// The dialog's folder buffer: a longer stored folder is not cut.
constexpr size_t kFolderCapacity = 256;

HWND MainWindow()
{
    framework::CWinApp* app = framework::CWinApp::Current();
    return app && app->MainFrame() ? app->MainFrame()->Handle() : nullptr;
}

}  // namespace

COpenImageDlg::COpenImageDlg(const char* /*defaultExtension*/, const char* fileName, DWORD flags,
                             const char* filter, HWND parent)
    : Routed(true, filter, parent, IDD_OPEN_IMAGE, flags), filterText_(filter ? filter : "")
{
    if (fileName)
        SetFileName(fileName);
    SetTitle(LoadText(IDS_LOAD_IMAGE));
    const CSettingsStore store = ViewerSettings();
    SetInitialDir(InitialFolderOf(store.ReadText(kSetOpen, kSetPath), kFolderCapacity));
    SetFilterIndex(store.ReadNumber(kSetOpen, kSetFormat, 1));
    background_ = store.ReadNumber(kSetOpen, kSetBackground, 0) ? 1 : 0;
}

COpenImageDlg::~COpenImageDlg()
{
    const CSettingsStore store = ViewerSettings();
    const std::string path = PathName();
    if (!path.empty())
        store.WriteText(kSetOpen, kSetPath, path.c_str());
    store.WriteNumber(kSetOpen, kSetFormat, FilterIndex());
    store.WriteNumber(kSetOpen, kSetBackground, static_cast<DWORD>(background_));
}

bool COpenImageDlg::OnInitDialog()
{
    CheckDlgButton(hwnd_, IDC_LOAD_AS_BACKGROUND, background_ ? BST_CHECKED : BST_UNCHECKED);
    // Its text takes two lines.
    HWND button = Item(IDC_LOAD_AS_BACKGROUND);
    SetWindowLongPtrA(button, GWL_STYLE, GetWindowLongPtrA(button, GWL_STYLE) | BS_MULTILINE);
    InvalidateRect(button, nullptr, TRUE);
    lightFont_ = ApplyLightFont(hwnd_, {IDC_IMAGE_INFO_LABEL, IDC_IMAGE_INFO});
    return true;
}

bool COpenImageDlg::ShowFileInfo(const std::string& name)
{
    const std::optional<PictureFileInfo> info = QueryPictureFileInfo(name);
    std::string formatName, format;
    char text[160] = {};
    if (info && framework::TryLoadText(kEntryFormatName + static_cast<UINT>(info->format), formatName) &&
        framework::TryLoadText(IDS_IMAGE_INFO_FORMAT, format)) {
        const overlay::OverlayArg args[] = {overlay::OverlayArg(formatName.c_str()), overlay::OverlayArg(info->width),
                                            overlay::OverlayArg(info->height)};
        if (info->format >= 0 &&
            overlay::FormatOverlayArgs(format.c_str(), args, 3, text, sizeof text) == overlay::FormatResult::Ok) {
            SetDlgItemTextA(hwnd_, IDC_IMAGE_INFO, text);
            return true;
        }
    }
    SetDlgItemTextA(hwnd_, IDC_IMAGE_INFO, LoadText(IDS_NOT_SUPPORTED).c_str());
    return false;
}

void COpenImageDlg::OnListSelectionChange(UINT controlId, int index)
{
    if (controlId != IDC_FILE_LIST || index < 0)
        return;
    HWND list = Item(IDC_FILE_LIST);
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR)
        return;
    std::vector<char> name(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(name.data()));
    ShowFileInfo(name.data());
}

bool COpenImageDlg::OnFileNameOK()
{
    background_ = IsDlgButtonChecked(hwnd_, IDC_LOAD_AS_BACKGROUND) == BST_CHECKED ? 1 : 0;
    const std::string path = PathName();
    if (QueryPictureFileInfo(path))
        return true;
    ShowFormatNotSupported(hwnd_, path);
    return false;
}

LRESULT COpenImageDlg::OnHelpRequest(const Message&)
{
    return TRUE;
}

void COpenImageDlg::OnPreferences()
{
    CPreferencesDlg(MainWindow()).DoModal();
}

void COpenImageDlg::OnFindFile()
{
    if (!fileSearch_)
        return;
    const LRESULT selected = SendDlgItemMessageA(hwnd_, IDC_TYPE_LIST, CB_GETCURSEL, 0, 0);
    const DWORD filterIndex = selected == CB_ERR ? 0 : static_cast<DWORD>(selected) + 1;
    char path[256] = {};
    char title[256] = {};
    if (!fileSearch_(hwnd_, filterText_.c_str(), filterIndex, path, sizeof path, title, sizeof title))
        return;
    SetDlgItemTextA(hwnd_, IDC_FILE_NAME, path);
    ShowFileInfo(path);
}
