// A dialog box of the library's own templates: the template's window bound to
// one C++ object whose class takes messages and commands through its own
// tables (framework::Routed over this base), with typed message parameters.
// The dialogs come from the library's module, not from the calling program.
#pragma once
#include <windows.h>

#include "cmd_target.h"
#include "message.h"

namespace htfx {

class CDialogWindow : public framework::CCmdTarget {
public:
    INT_PTR RunModal(const char* name, HWND owner);
    HWND CreateModeless(const char* name, HWND owner);
    HWND hwnd() const { return hwnd_; }

protected:
    HWND hwnd_ = nullptr;

private:
    // The dialog procedure's value for one message: a table's handler, or a
    // command's (TRUE); FALSE leaves the message to the dialog manager.
    INT_PTR Dispatch(const framework::Message& m);
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
};

}  // namespace htfx
