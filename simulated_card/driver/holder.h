// One holder at a time.  While a device is open the driver keeps its own
// file open (so that an exclusive open of the driver file, the programs'
// test of whether the driver is in use, fails) and owns a named object that
// tells another process, or a second open, that the card is taken.
#pragma once

#include <windows.h>

namespace kxmci {

class Holder {
public:
    Holder() = default;
    ~Holder() { Release(); }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

    // False when another open holds the card.
    bool Acquire(HINSTANCE module);
    void Release();

private:
    HANDLE marker_ = nullptr;
    HANDLE file_ = INVALID_HANDLE_VALUE;
};

} // namespace kxmci
