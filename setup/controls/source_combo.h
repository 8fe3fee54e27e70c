// The input selector (drop-down list 202): "Input 0", "Input 1" and
// "S-Video", whose data are the source numbers 0, 1 and 3.
#pragma once

#include <windows.h>

class CSourceCombo {
public:
    void Attach(HWND page, int id) { combo_ = GetDlgItem(page, id); }
    // Reads the input, fills the list and selects the input's item.
    void Fill();
    // Reads the input and selects its item.
    void SelectCurrent();
    // Sets the selected item's input on the card.
    void TakeSelection();
    HWND Handle() const { return combo_; }

private:
    void Select(int source);
    HWND combo_ = nullptr;
};
