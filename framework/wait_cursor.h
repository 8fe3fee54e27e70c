// The busy cursor for the length of one scope.
#pragma once
#include <windows.h>

namespace framework {

class CWaitCursor {
public:
    CWaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { SetCursor(previous_ ? previous_ : LoadCursorA(nullptr, IDC_ARROW)); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    // Shows the busy cursor again (a dialog or message box may have changed it).
    void Restore() { SetCursor(LoadCursorA(nullptr, IDC_WAIT)); }

private:
    HCURSOR previous_;
};

}  // namespace framework
