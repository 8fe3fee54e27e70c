// A modal dialog from a dialog template, with data exchange between its
// controls and its members, and its messages and commands taken through the
// same per-class tables as any window.
#pragma once
#include "data_exchange.h"
#include "message_table.h"
#include "wnd.h"

namespace framework {

class CDialog : public Routed<CDialog, CWnd> {
public:
    explicit CDialog(UINT templateId = 0, HWND parent = nullptr) : templateId_(templateId), parent_(parent) {}

    // Runs the dialog; returns the value given to EndDialog (IDOK, IDCANCEL,
    // ...) or -1 when it could not be shown.
    virtual INT_PTR DoModal();
    void EndDialog(INT_PTR result);
    // Exchanges every value of DoDataExchange; false when a check failed.
    bool UpdateData(bool saving);
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

protected:
    // Return true to let the system put the focus on the first control.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // The "&Help" button (ID_HELP): the application's help for this dialog.
    virtual void OnHelp();
    virtual void DoDataExchange(CDataExchange& dx) {}

    bool OnCommandMessage(UINT id, UINT code, HWND control) override;
    // In a dialog the default processing is the dialog manager's: a handler
    // that asks for it makes the dialog procedure report "not handled".
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp) override;

    // The dialog procedure's work for one message; shared with property
    // pages and the file dialog's hook.  Returns the dialog procedure's value.
    static INT_PTR Dispatch(CDialog* self, HWND dialog, UINT msg, WPARAM wp, LPARAM lp);
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp);

    UINT templateId_;
    HWND parent_;

private:
    bool defaultRequested_ = false;
};

}  // namespace framework
