// Helpers of the window tests: pumping messages, and watching for a message
// box on another thread to read and answer it.
#pragma once
#include "pump.h"
#include <windows.h>
#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace test_support {

using kxtest::Pump;

// Waits for a condition while pumping messages; false on timeout.
template <class Condition>
bool WaitFor(Condition done, DWORD timeoutMs = 10000)
{
    DWORD end = GetTickCount() + timeoutMs;
    while (!done()) {
        if (static_cast<LONG>(end - GetTickCount()) <= 0)
            return false;
        Pump(20);
    }
    return true;
}

struct SeenBox {
    std::string caption;
    std::string text;
    DWORD process = 0;
};

// Finds a dialog box (of any process) with the given caption, records its
// caption and the texts of its static controls, and presses one button.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer(std::string caption, int button, DWORD timeoutMs = 15000)
        : caption_(std::move(caption)), button_(button)
    {
        thread_ = std::thread([this, timeoutMs] { Run(timeoutMs); });
    }
    ~MessageBoxAnswerer() { Join(); }

    // Waits until the box was answered or the watch timed out.
    void Join()
    {
        if (thread_.joinable())
            thread_.join();
    }
    bool Answered() const { return answered_; }
    const SeenBox& Seen() const { return seen_; }

private:
    void Run(DWORD timeoutMs)
    {
        DWORD end = GetTickCount() + timeoutMs;
        while (static_cast<LONG>(end - GetTickCount()) > 0) {
            HWND box = FindWindowA("#32770", caption_.c_str());
            if (box && IsWindowVisible(box)) {
                seen_.caption = caption_;
                GetWindowThreadProcessId(box, &seen_.process);
                EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&seen_.text));
                Sleep(50);
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED), 0);
                answered_ = true;
                return;
            }
            Sleep(20);
        }
    }
    static BOOL CALLBACK CollectText(HWND child, LPARAM lp)
    {
        char cls[32] = {}, text[1024] = {};
        GetClassNameA(child, cls, sizeof cls);
        if (lstrcmpiA(cls, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0) {
            auto* all = reinterpret_cast<std::string*>(lp);
            all->append(text);
        }
        return TRUE;
    }

    std::string caption_;
    int button_;
    std::atomic<bool> answered_{false};
    SeenBox seen_;
    std::thread thread_;
};

// Runs `act` on another thread against the first visible dialog box of this
// process with the given caption, while the test's thread runs the modal
// loop; `Found` says whether it appeared.
class DialogDriver {
public:
    DialogDriver(std::string caption, std::function<void(HWND)> act, DWORD timeoutMs = 10000)
        : thread_([this, caption = std::move(caption), act = std::move(act), timeoutMs] {
              DWORD end = GetTickCount() + timeoutMs;
              while (static_cast<LONG>(end - GetTickCount()) > 0) {
                  HWND box = FindWindowA("#32770", caption.c_str());
                  DWORD process = 0;
                  if (box)
                      GetWindowThreadProcessId(box, &process);
                  if (box && process == GetCurrentProcessId() && IsWindowVisible(box)) {
                      found_ = true;
                      act(box);
                      return;
                  }
                  Sleep(20);
              }
          })
    {
    }
    ~DialogDriver() { Join(); }
    void Join()
    {
        if (thread_.joinable())
            thread_.join();
    }
    bool Found() const { return found_; }

private:
    std::atomic<bool> found_{false};
    std::thread thread_;
};

}  // namespace test_support
