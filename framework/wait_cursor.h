// The busy cursor for the length of one scope.  It also counts itself into
// the cursor's display count, so that it shows even in a program that has
// hidden the cursor (a DLL's work runs inside programs it does not know).
// Scopes nest: each restores the cursor that was there when it began.
#pragma once
#include <windows.h>

namespace framework {

class CWaitCursor {
public:
    CWaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) { ShowCursor(TRUE); }
    ~CWaitCursor()
    {
        SetCursor(previous_ ? previous_ : LoadCursorA(nullptr, IDC_ARROW));
        ShowCursor(FALSE);
    }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    // Shows the busy cursor again (a dialog or message box may have changed it).
    void Restore() { SetCursor(LoadCursorA(nullptr, IDC_WAIT)); }

private:
    HCURSOR previous_;
};

}  // namespace framework
