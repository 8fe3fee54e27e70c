// Moves values between a dialog's controls and its members, in both
// directions, and checks them on the way in.  The first failing check shows
// its message, puts the focus on the control and fails the exchange.
#pragma once
#include <windows.h>
#include <string>

namespace framework {

class CDataExchange {
public:
    CDataExchange(HWND dialog, bool saving) : dialog_(dialog), saving_(saving) {}

    bool Saving() const { return saving_; }
    bool Failed() const { return failed_; }

    // Text of an edit or static control; on the way in at most maxLength characters.
    void Text(int id, std::string& value, size_t maxLength = 255);
    // A signed integer in an edit control, checked against [low, high].
    void Integer(int id, int& value, int low, int high);
    // A check box: 0 clear, 1 checked, 2 indeterminate.
    void Check(int id, int& value);
    // A group of radio buttons with consecutive ids from firstId: the index
    // of the checked one, -1 for none.
    void Radio(int firstId, int count, int& value);
    // The position of a scroll bar control.
    void ScrollPosition(int id, int& value);

private:
    void Fail(int id, const std::string& message);

    HWND dialog_;
    bool saving_;
    bool failed_ = false;
};

}  // namespace framework
