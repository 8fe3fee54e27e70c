// Helpers of the driver tests: commands through winmm's real string
// interface, as the programs send them.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <string>
#include <vector>

namespace simcard_test {

struct Reply {
    MCIERROR rc = 0;
    std::string text;
};

Reply Send(const std::string& command, HWND callback = nullptr);
std::vector<long> Numbers(const std::string& text);
std::string ErrorText(MCIERROR rc);

// Opens the card for the test's lifetime under the programs' alias.
class OpenCard {
public:
    OpenCard();
    ~OpenCard();
    MCIERROR rc() const { return rc_; }

private:
    MCIERROR rc_;
};

// A committed read-write block at an address that fits "address %lu".
class LowBuffer {
public:
    explicit LowBuffer(std::size_t size, DWORD protect = PAGE_READWRITE);
    ~LowBuffer();
    unsigned char* data() const { return static_cast<unsigned char*>(p_); }
    unsigned long Address() const;

private:
    void* p_;
};

// Fills the window's client area with the key colour (magenta), as a
// WM_ERASEBKGND handler does.
void PaintKeyColour(HWND wnd, HDC dc);

// Handles the thread's messages for `ms` milliseconds.
void Pump(DWORD ms);

// The full path of a file next to the test program.
std::string BesideProgram(const char* name);

} // namespace simcard_test
