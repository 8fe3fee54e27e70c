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

INT_PTR CALLBACK CDialogWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    auto* self = reinterpret_cast<CDialogWindow*>(GetWindowLongPtrA(window, DWLP_USER));
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialogWindow*>(lparam);
        SetWindowLongPtrA(window, DWLP_USER, lparam);
        self->hwnd_ = window;
    }
    if (!self)
        return FALSE;
    INT_PTR result = FALSE;
    if (!self->OnMessage(message, wparam, lparam, &result))
        return FALSE;
    return result;
}

}  // namespace htfx
