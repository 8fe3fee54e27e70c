// Helpers of the Windows tests: driving a modal dialog from a second thread.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace htfx_test {

// Waits (up to 10 s) for a dialog with `caption` and runs `steps` on it from
// this second thread; the dialog's own thread keeps running its modal loop.
class DialogDriver {
public:
    DialogDriver(const char* caption, std::function<void(HWND)> steps)
        : thread_([caption = std::string(caption), steps] {
              HWND dialog = nullptr;
              for (int i = 0; i < 1000 && !dialog; ++i) {
                  // Visible once it has been set up.
                  dialog = FindWindowA("#32770", caption.c_str());
                  if (!dialog || !IsWindowVisible(dialog)) {
                      dialog = nullptr;
                      Sleep(10);
                  }
              }
              if (dialog)
                  steps(dialog);
          })
    {
    }
    ~DialogDriver() { thread_.join(); }

private:
    std::thread thread_;
};

inline std::string ItemText(HWND dialog, int id)
{
    char text[64] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

inline void MoveSlider(HWND dialog, int id, int position)
{
    SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, WORD(short(position))),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

inline void Press(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace htfx_test
