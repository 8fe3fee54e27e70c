// An edit control that filters what is typed into it.  In its normal mode a
// typed Tab character is dropped (a multi-line editor would otherwise take
// it) and every other character is taken; in digit mode only the digits 0 to
// 9 and Backspace are taken, anything else is refused with the exclamation
// beep, and a text left empty or reading as 0 after a character becomes "1"
// (the edit holds a count that is never 0).
#pragma once
#include "message_table.h"
#include "wnd.h"

namespace framework {

class CFilterEdit : public Routed<CFilterEdit, CWnd> {
public:
    enum class Mode { Normal, Digits };

    // Takes over an existing edit control.
    bool Attach(HWND edit) { return Subclass(edit); }
    void SetMode(Mode mode) { mode_ = mode; }
    Mode GetMode() const { return mode_; }

protected:
    LRESULT OnChar(const Message& m);

    friend struct TableAccess;
    static constexpr MessageEntry<CFilterEdit> kMessages[] = {
        {WM_CHAR, &CFilterEdit::OnChar},
    };

private:
    Mode mode_ = Mode::Normal;
};

}  // namespace framework
