// The platform's Open and Save dialogs in their old (non-Explorer) form, with
// an optional custom template and a hook through which a derived class
// handles messages of the dialog like any other dialog of ours.
#pragma once
#include "dialog.h"
#include <commdlg.h>
#include <string>

namespace framework {

class CFileDialog : public Routed<CFileDialog, CDialog> {
public:
    static constexpr size_t kPathLength = 260;

    // filter: pairs separated by '|' ("Bitmap (*.bmp)|*.bmp|All Files (*.*)|*.*|").
    CFileDialog(bool open, const char* filter, HWND parent = nullptr, UINT templateId = 0,
                DWORD flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST);

    INT_PTR DoModal() override;

    OPENFILENAMEA& Options() { return ofn_; }
    void SetFileName(const std::string& path);
    void SetInitialDir(const std::string& dir) { initialDir_ = dir; }
    void SetTitle(const std::string& title) { title_ = title; }
    void SetFilterIndex(DWORD index) { ofn_.nFilterIndex = index; }

    std::string PathName() const { return path_; }
    std::string FileTitle() const { return fileTitle_; }
    DWORD FilterIndex() const { return ofn_.nFilterIndex; }

protected:
    // The user pressed OK with a name; false keeps the dialog open.
    virtual bool OnFileNameOK() { return true; }
    // The selection of one of the dialog's lists (the file list, the type
    // list, ...) changed to `index`.
    virtual void OnListSelectionChange(UINT /*controlId*/, int /*index*/) {}
    // The file dialog ends itself; the framework's OK and Cancel stay out.
    bool OnCommandMessage(UINT id, UINT code, HWND control) override { return HandleCommand(id, code); }

private:
    static UINT_PTR CALLBACK HookProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp);

    bool open_;
    std::string filter_;
    std::string initialDir_;
    std::string title_;
    char path_[kPathLength] = {};
    char fileTitle_[kPathLength] = {};
    OPENFILENAMEA ofn_{};
};

}  // namespace framework
