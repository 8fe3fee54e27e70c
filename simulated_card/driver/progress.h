// Progress of long operations (file and buffer transfers, the clipboard).
// A caller that named a window and a message ("indicator signal to %d" with
// a callback window) receives that message with wParam from 0 at the start
// to 1000 at the end, at most once per interval between the two; with
// "indicator on" the driver also shows a small progress window of its own.
#pragma once

#include <windows.h>

namespace kxmci {

class Progress {
public:
    explicit Progress(HINSTANCE module) : module_(module) {}
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // Without a window (winmm passes the callback window only with
    // "notify" on some systems) every window of `thread` is signalled; the
    // registered message means nothing to the windows that do not ask for it.
    void SetSignal(UINT message, HWND window, DWORD thread);
    void SetInterval(DWORD ms) { interval_ = ms; }
    void SetIndicator(bool on) { indicator_ = on; }

    void Begin(UINT textId);
    void Step(int permille);   // 0..1000
    void End();

private:
    void Post(int permille);
    void ShowWindow(UINT textId);
    void PaintWindow();

    HINSTANCE module_;
    UINT message_ = 0;
    HWND target_ = nullptr;
    DWORD thread_ = 0;
    DWORD interval_ = 100;
    bool indicator_ = false;
    bool running_ = false;
    DWORD lastPost_ = 0;
    int permille_ = 0;
    HWND window_ = nullptr;
    wchar_t text_[64] = {};
};

// Runs Begin on construction and End on destruction.
class ProgressRun {
public:
    ProgressRun(Progress& p, UINT textId) : p_(p) { p_.Begin(textId); }
    ~ProgressRun() { p_.End(); }
    void Step(int permille) { p_.Step(permille); }

private:
    Progress& p_;
};

} // namespace kxmci
