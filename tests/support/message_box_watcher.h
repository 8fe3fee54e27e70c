// Test support: watches for message boxes that the code under test shows on
// the test's own thread, records what they say and presses a button, so a
// test can assert on the real box the user would see.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kxtest {

struct SeenMessageBox {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;  // texts of the visible push buttons
    bool hasIcon = false;              // a visible icon beside the text
    HWND owner = nullptr;
};

class MessageBoxWatcher {
public:
    // `answer` is the command sent to each box found (IDOK, IDYES, ...).
    explicit MessageBoxWatcher(int answer = IDOK);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<SeenMessageBox> Seen();
    void Clear();

private:
    void Watch();
    bool Answer(HWND box);

    const int answer_;
    const DWORD process_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<SeenMessageBox> seen_;
    std::thread thread_;
};

}  // namespace kxtest
