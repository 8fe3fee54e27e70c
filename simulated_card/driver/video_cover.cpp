#include "video_cover.h"

namespace kxmci {

namespace {

constexpr wchar_t kCoverClass[] = L"KX310MCIVideoCover";

COLORREF AsColorRef(std::uint32_t packed)
{
    return RGB((packed >> 16) & 0xFF, (packed >> 8) & 0xFF, packed & 0xFF);
}

} // namespace

bool IsForeignWindow(HWND window)
{
    DWORD process = 0;
    return window && GetWindowThreadProcessId(window, &process) && process != GetCurrentProcessId();
}

bool VideoCover::Make()
{
    // The system's own window procedure is all the cover needs (it paints
    // the see-through colour and closes when asked), and it keeps working
    // whatever happens to this module.
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = module_;
    wc.hbrBackground = CreateSolidBrush(AsColorRef(kSeeThrough));
    wc.lpszClassName = kCoverClass;
    if (!RegisterClassW(&wc))
        DeleteObject(wc.hbrBackground);   // registered before, with its own brush
    // Layered and transparent: clicks go through to the window below.
    window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT | WS_EX_LAYERED,
                              kCoverClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, module_, nullptr);
    if (!window_)
        return false;
    SetLayeredWindowAttributes(window_, AsColorRef(kSeeThrough), 0, LWA_COLORKEY);
    return true;
}

bool VideoCover::Cover(HWND foreign, bool visible)
{
    if (!window_ && !Make())
        return false;
    covered_ = foreign;
    visible_ = visible;
    Follow();
    return true;
}

void VideoCover::Follow()
{
    if (!window_)
        return;
    RECT client{};
    if (!IsWindow(covered_) || !GetClientRect(covered_, &client)) {
        ShowWindow(window_, SW_HIDE);
        return;
    }
    MapWindowPoints(covered_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const bool show = visible_ && IsWindowVisible(covered_);
    // Wine raises a window's X window when it is activated or brought to
    // the top (the other program's, say), even below a top-most window; and
    // it raises the cover's own X window only when its place in the z-order
    // changes.  Stepped out of the top-most band and back, the cover is on
    // top of the screen again, not only first in the z-order.
    if (show)
        SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    SetWindowPos(window_, HWND_TOPMOST, client.left, client.top, client.right - client.left,
                 client.bottom - client.top, SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void VideoCover::Show(bool visible)
{
    visible_ = visible;
    Follow();
}

void VideoCover::Remove()
{
    if (!window_)
        return;
    if (GetWindowThreadProcessId(window_, nullptr) == GetCurrentThreadId())
        DestroyWindow(window_);
    else
        PostMessageW(window_, WM_CLOSE, 0, 0);
    window_ = nullptr;
    covered_ = nullptr;
}

} // namespace kxmci
