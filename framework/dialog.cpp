#include "dialog.h"
#include "framework_ids.h"
#include "help.h"

namespace framework {
namespace {

// Messages whose result is the dialog procedure's return value itself.
bool ReturnsResultDirectly(UINT msg)
{
    switch (msg) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return false;
    }
}

}  // namespace

INT_PTR CDialog::DoModal()
{
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent_, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result)
{
    ::EndDialog(hwnd_, result);
}

bool CDialog::UpdateData(bool saving)
{
    CDataExchange dx(hwnd_, saving);
    DoDataExchange(dx);
    return !dx.Failed();
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::OnHelp()
{
    ShowHelpContext(hwnd_, kHelpResourceBase + templateId_);
}

bool CDialog::OnCommandMessage(UINT id, UINT code, HWND control)
{
    if (HandleCommand(id, code))
        return true;
    if (code == BN_CLICKED && id == IDOK) {
        OnOK();
        return true;
    }
    if (code == BN_CLICKED && id == IDCANCEL) {
        OnCancel();
        return true;
    }
    if (code == BN_CLICKED && id == ID_HELP) {
        OnHelp();
        return true;
    }
    return false;
}

LRESULT CDialog::DefaultProc(UINT msg, WPARAM wp, LPARAM lp)
{
    defaultRequested_ = true;
    return 0;
}

INT_PTR CDialog::Dispatch(CDialog* self, HWND dialog, UINT msg, WPARAM wp, LPARAM lp)
{
    Message m{dialog, msg, wp, lp};
    LRESULT result = 0;
    bool handled = false;
    self->defaultRequested_ = false;
    if (self->HandleMessage(m, result)) {
        handled = !self->defaultRequested_;
    } else if (msg == WM_INITDIALOG) {
        result = self->OnInitDialog() ? TRUE : FALSE;
        handled = true;
    } else if (msg == WM_COMMAND) {
        handled = self->OnCommandMessage(m.CommandId(), m.NotifyCode(), m.ControlWindow());
    }
    if (msg == WM_NCDESTROY) {
        self->Detach();
        self->PostNcDestroy();
    }
    if (!handled)
        return FALSE;
    if (ReturnsResultDirectly(msg))
        return static_cast<INT_PTR>(result);
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_INITDIALOG)
        reinterpret_cast<CDialog*>(lp)->Attach(dialog);
    auto* self = static_cast<CDialog*>(CWnd::FromHandle(dialog));
    return self ? Dispatch(self, dialog, msg, wp, lp) : FALSE;
}

}  // namespace framework
