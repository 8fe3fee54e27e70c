#include "filter_edit.h"

#include <cstdlib>

namespace framework {

LRESULT CFilterEdit::OnChar(const Message& m)
{
    const UINT c = m.Character();
    if (mode_ == Mode::Normal) {
        if (c == '\t')
            return 0;
        return Default(m);
    }
    if ((c < '0' || c > '9') && c != '\b') {
        MessageBeep(MB_ICONEXCLAMATION);
        return 0;
    }
    const LRESULT result = Default(m);
    char text[16] = {};
    GetWindowTextA(hwnd_, text, sizeof text);
    if (std::strtoul(text, nullptr, 10) == 0) {
        SetWindowTextA(hwnd_, "1");
        Send(EM_SETSEL, 1, 1);
    }
    return result;
}

}  // namespace framework
