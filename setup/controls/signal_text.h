// The signal type shown beside the input selector (static 218).
#pragma once

#include <windows.h>

class CSignalText {
public:
    void Attach(HWND page, int id) { page_ = page, id_ = id; }
    // Reads the signal type and shows its name ("Unknown" without a signal).
    void Refresh();

private:
    HWND page_ = nullptr;
    int id_ = 0;
};
