#include "dialog_window.h"

#include "module.h"

namespace htfx {

INT_PTR CDialogWindow::RunModal(const char* name, HWND owner)
{
    return DialogBoxParamA(ModuleInstance(), name, owner, Procedure, reinterpret_cast<LPARAM>(this));
}

HWND CDialogWindow::CreateModeless(const char* name, HWND owner)
{
    return CreateDialogParamA(ModuleInstance(), name, owner, Procedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialogWindow::Dispatch(const framework::Message& m)
{
    LRESULT result = 0;
    if (HandleMessage(m, result))
        return result;
    if (m.id == WM_COMMAND && HandleCommand(m.CommandId(), m.NotifyCode()))
        return TRUE;
    return FALSE;
}

INT_PTR CALLBACK CDialogWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    const framework::Message m{window, message, wparam, lparam};
    auto* self = reinterpret_cast<CDialogWindow*>(GetWindowLongPtrA(window, DWLP_USER));
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialogWindow*>(m.InitParam());
        SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = window;
    }
    return self ? self->Dispatch(m) : FALSE;
}

}  // namespace htfx
