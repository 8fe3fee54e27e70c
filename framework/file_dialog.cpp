#include "file_dialog.h"
#include <algorithm>
#include <cstring>

namespace framework {
namespace {
UINT FileOkMessage()
{
    static const UINT id = RegisterWindowMessageA(FILEOKSTRINGA);
    return id;
}
UINT SelectionChangeMessage()
{
    static const UINT id = RegisterWindowMessageA(LBSELCHSTRINGA);
    return id;
}
}  // namespace

CFileDialog::CFileDialog(bool open, const char* filter, HWND parent, UINT templateId, DWORD flags)
    : Routed(templateId, parent), open_(open), filter_(filter ? filter : "")
{
    // The platform wants the pairs separated by terminators.
    std::replace(filter_.begin(), filter_.end(), '|', '\0');
    ofn_.lStructSize = sizeof ofn_;
    ofn_.Flags = (flags & ~static_cast<DWORD>(OFN_EXPLORER)) | OFN_ENABLEHOOK;
    if (templateId)
        ofn_.Flags |= OFN_ENABLETEMPLATE;
    ofn_.nFilterIndex = 1;
}

void CFileDialog::SetFileName(const std::string& path)
{
    std::strncpy(path_, path.c_str(), kPathLength - 1);
    path_[kPathLength - 1] = '\0';
}

INT_PTR CFileDialog::DoModal()
{
    ofn_.hwndOwner = parent_;
    ofn_.hInstance = reinterpret_cast<HINSTANCE>(GetModuleHandleA(nullptr));
    ofn_.lpstrFilter = filter_.empty() ? nullptr : filter_.c_str();
    ofn_.lpstrFile = path_;
    ofn_.nMaxFile = kPathLength;
    ofn_.lpstrFileTitle = fileTitle_;
    ofn_.nMaxFileTitle = kPathLength;
    ofn_.lpstrInitialDir = initialDir_.empty() ? nullptr : initialDir_.c_str();
    ofn_.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
    ofn_.lpTemplateName = templateId_ ? MAKEINTRESOURCEA(templateId_) : nullptr;
    ofn_.lpfnHook = HookProc;
    ofn_.lCustData = reinterpret_cast<LPARAM>(this);
    BOOL ok = open_ ? GetOpenFileNameA(&ofn_) : GetSaveFileNameA(&ofn_);
    return ok ? IDOK : IDCANCEL;
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CFileDialog*>(reinterpret_cast<OPENFILENAMEA*>(lp)->lCustData);
        self->Attach(dialog);
    }
    auto* self = static_cast<CFileDialog*>(CWnd::FromHandle(dialog));
    if (!self)
        return FALSE;
    if (msg == FileOkMessage()) {
        // The old-style dialog reads a non-zero hook result as "keep it open".
        return self->OnFileNameOK() ? FALSE : TRUE;
    }
    if (msg == SelectionChangeMessage()) {
        // The list's id, and the new index with the kind of change.
        if (HIWORD(lp) == CD_LBSELCHANGE)
            self->OnListSelectionChange(static_cast<UINT>(wp), static_cast<short>(LOWORD(lp)));
        return FALSE;
    }
    return static_cast<UINT_PTR>(Dispatch(self, dialog, msg, wp, lp));
}

}  // namespace framework
