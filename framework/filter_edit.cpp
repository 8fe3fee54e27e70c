#include "filter_edit.h"

namespace framework {

LRESULT CFilterEdit::OnChar(const Message& m)
{
    const UINT c = m.Character();
    if (mode_ == Mode::Normal) {
        if (c == '\t')
            return 0;
        return Default(m);
    }
    if ((c >= '0' && c <= '9') || c == '\b')
        return Default(m);
    MessageBeep(MB_ICONEXCLAMATION);
    return 0;
}

}  // namespace framework
