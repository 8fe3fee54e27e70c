#include "wnd.h"

namespace framework {
namespace {

const char kObjectProperty[] = "KxFrameworkObject";

// The object whose window CreateWindowEx is making on this thread.  Some
// messages (WM_GETMINMAXINFO) arrive before WM_NCCREATE can carry a pointer.
thread_local CWnd* creating = nullptr;

}  // namespace

CWnd::~CWnd()
{
    if (hwnd_) {
        HWND wnd = hwnd_;
        Detach();
        DestroyWindow(wnd);
    }
}

bool CWnd::RegisterWindowClass(const WNDCLASSEXA& cls, bool extended)
{
    WNDCLASSEXA c = cls;
    c.cbSize = sizeof c;
    if (!c.lpfnWndProc)
        c.lpfnWndProc = CommonWindowProc;
    if (extended)
        return ::RegisterClassExA(&c) != 0;
    WNDCLASSA plain{c.style, c.lpfnWndProc, c.cbClsExtra, c.cbWndExtra, c.hInstance,
                    c.hIcon, c.hCursor, c.hbrBackground, c.lpszMenuName, c.lpszClassName};
    return ::RegisterClassA(&plain) != 0;
}

CWnd* CWnd::FromHandle(HWND wnd)
{
    return wnd ? static_cast<CWnd*>(GetPropA(wnd, kObjectProperty)) : nullptr;
}

void CWnd::Attach(HWND wnd)
{
    hwnd_ = wnd;
    SetPropA(wnd, kObjectProperty, this);
}

void CWnd::Detach()
{
    if (!hwnd_)
        return;
    RemovePropA(hwnd_, kObjectProperty);
    if (superProc_)
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(superProc_));
    superProc_ = nullptr;
    hwnd_ = nullptr;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int cx,
                    int cy, HWND parent, HMENU menuOrId, void* param)
{
    CWnd* outer = creating;
    creating = this;
    HWND wnd = CreateWindowExA(exStyle, className, title, style, x, y, cx, cy, parent, menuOrId,
                               GetModuleHandleA(nullptr), param);
    creating = outer;
    if (!wnd && hwnd_)
        Detach();
    return wnd != nullptr;
}

bool CWnd::Subclass(HWND wnd)
{
    if (!wnd || FromHandle(wnd))
        return false;
    Attach(wnd);
    superProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CommonWindowProc)));
    return true;
}

bool CWnd::Destroy()
{
    return hwnd_ && DestroyWindow(hwnd_);
}

std::string CWnd::Text() const
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd_)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT CWnd::ClientRect() const
{
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r;
}

RECT CWnd::WindowRect() const
{
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r;
}

LRESULT CWnd::DefaultProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (superProc_)
        return CallWindowProcA(superProc_, hwnd_, msg, wp, lp);
    return DefWindowProcA(hwnd_, msg, wp, lp);
}

LRESULT CWnd::Default(const Message& m)
{
    return DefaultProc(m.id, m.wParam, m.lParam);
}

bool CWnd::OnCommandMessage(UINT id, UINT code, HWND control)
{
    return HandleCommand(id, code);
}

LRESULT CWnd::WindowProc(const Message& m)
{
    LRESULT result = 0;
    if (HandleMessage(m, result))
        return result;
    if (m.id == WM_COMMAND && OnCommandMessage(m.CommandId(), m.NotifyCode(), m.ControlWindow()))
        return 0;
    return Default(m);
}

LRESULT CALLBACK CWnd::CommonWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CWnd* self = FromHandle(wnd);
    if (!self && creating && !creating->hwnd_) {
        self = creating;
        self->Attach(wnd);
    }
    if (!self)
        return DefWindowProcA(wnd, msg, wp, lp);
    LRESULT result = self->WindowProc(Message{wnd, msg, wp, lp});
    if (msg == WM_NCDESTROY) {
        self->Detach();
        self->PostNcDestroy();
    }
    return result;
}

}  // namespace framework
