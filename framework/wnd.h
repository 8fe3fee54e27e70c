// A window object: owns the link between an HWND and its C++ object and
// dispatches every message through the class's tables.  One common window
// procedure serves every window class the framework registers; controls made
// by the system (tool bars, status bars) are subclassed onto it when their
// object wants their messages.
#pragma once
#include "cmd_target.h"
#include "message.h"
#include <string>

namespace framework {

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND Handle() const { return hwnd_; }
    operator HWND() const { return hwnd_; }

    // Registers a window class served by the common window procedure (a second
    // registration of the same name fails harmlessly).
    static bool RegisterWindowClass(const WNDCLASSEXA& cls, bool extended = true);
    static LRESULT CALLBACK CommonWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    static CWnd* FromHandle(HWND wnd);

    // Creates the window with this object attached from its first message on.
    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int cx,
                  int cy, HWND parent, HMENU menuOrId, void* param = nullptr);
    // Takes over an existing window (a system control): its messages reach
    // this object first and then the control's own procedure.
    bool Subclass(HWND wnd);
    bool Destroy();

    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageA(hwnd_, msg, wp, lp); }
    std::string Text() const;
    RECT ClientRect() const;
    RECT WindowRect() const;

    // Default processing of the message being handled.
    LRESULT Default(const Message& m);

protected:
    // The full handling of one message: tables first, then commands, then the
    // default procedure.
    virtual LRESULT WindowProc(const Message& m);
    // A WM_COMMAND that no message table took.  Windows look in their own
    // tables; frames route it further.
    virtual bool OnCommandMessage(UINT id, UINT code, HWND control);
    // Called after the window is gone (WM_NCDESTROY).  Windows that live on
    // the heap and own themselves delete themselves here.
    virtual void PostNcDestroy() {}
    virtual LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);

    void Attach(HWND wnd);
    void Detach();

    HWND hwnd_ = nullptr;

private:
    WNDPROC superProc_ = nullptr;
};

}  // namespace framework
