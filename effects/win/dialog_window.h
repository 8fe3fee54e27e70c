// A dialog box object: the template's window bound to one C++ object whose
// class routes messages and commands through its own tables.
#pragma once
#include <windows.h>

#include <cstddef>

namespace htfx {

class CDialogWindow {
public:
    virtual ~CDialogWindow() = default;
    INT_PTR RunModal(const char* name, HWND owner);
    HWND CreateModeless(const char* name, HWND owner);
    HWND hwnd() const { return hwnd_; }

protected:
    // Handles a message; false leaves it to the system's dialog handling.
    virtual bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR* result) = 0;
    HWND hwnd_ = nullptr;

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
};

// Per-class tables: a message to a member, a command id to a member.
template <class T>
struct MessageEntry {
    UINT message;
    INT_PTR (T::*handler)(WPARAM, LPARAM);
};

template <class T>
struct CommandEntry {
    int id;
    void (T::*handler)();
};

template <class T, size_t M, size_t C>
bool RouteMessage(T* self, const MessageEntry<T> (&messages)[M], const CommandEntry<T> (&commands)[C], UINT message,
                  WPARAM wparam, LPARAM lparam, INT_PTR* result)
{
    if (message == WM_COMMAND) {
        for (const auto& entry : commands)
            if (entry.id == LOWORD(wparam)) {
                (self->*entry.handler)();
                *result = TRUE;
                return true;
            }
    }
    for (const auto& entry : messages)
        if (entry.message == message) {
            *result = (self->*entry.handler)(wparam, lparam);
            return true;
        }
    return false;
}

}  // namespace htfx
