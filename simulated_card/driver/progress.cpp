#include "progress.h"

#include "resource.h"

namespace kxmci {

namespace {

const wchar_t kWindowClass[] = L"KX310SimulatedCardProgress";
constexpr int kWidth = 260, kHeight = 70;

LRESULT CALLBACK ProgressWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(wnd, &ps);
        EndPaint(wnd, &ps);
        return 0;
    }
    return DefWindowProcW(wnd, msg, wp, lp);
}

} // namespace

Progress::~Progress()
{
    if (window_)
        DestroyWindow(window_);
}

void Progress::SetSignal(UINT message, HWND window, DWORD thread)
{
    message_ = message;
    target_ = window;
    thread_ = thread;
}

void Progress::Begin(UINT textId)
{
    running_ = true;
    permille_ = 0;
    Post(0);
    if (indicator_)
        ShowWindow(textId);
}

void Progress::Step(int permille)
{
    if (!running_)
        return;
    permille_ = permille < 0 ? 0 : permille > 1000 ? 1000 : permille;
    if (GetTickCount() - lastPost_ >= interval_)
        Post(permille_);
    PaintWindow();
}

void Progress::End()
{
    if (!running_)
        return;
    running_ = false;
    permille_ = 1000;
    Post(1000);
    if (window_) {
        DestroyWindow(window_);
        window_ = nullptr;
    }
}

namespace {

struct Signal {
    UINT message;
    WPARAM value;
};

BOOL CALLBACK PostToChild(HWND wnd, LPARAM lp)
{
    auto* s = reinterpret_cast<const Signal*>(lp);
    PostMessageW(wnd, s->message, s->value, 0);
    return TRUE;
}

BOOL CALLBACK PostToWindowAndChildren(HWND wnd, LPARAM lp)
{
    PostToChild(wnd, lp);
    EnumChildWindows(wnd, PostToChild, lp);
    return TRUE;
}

} // namespace

void Progress::Post(int permille)
{
    lastPost_ = GetTickCount();
    if (!message_)
        return;
    if (target_) {
        if (IsWindow(target_))
            PostMessageW(target_, message_, static_cast<WPARAM>(permille), 0);
        return;
    }
    if (thread_) {
        Signal s{message_, static_cast<WPARAM>(permille)};
        EnumThreadWindows(thread_, PostToWindowAndChildren, reinterpret_cast<LPARAM>(&s));
    }
}

void Progress::ShowWindow(UINT textId)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = ProgressWindowProc;
    wc.hInstance = module_;
    wc.hCursor = LoadCursor(nullptr, IDC_WAIT);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWindowClass;
    RegisterClassW(&wc);   // fails harmlessly when already registered

    wchar_t caption[64] = {};
    LoadStringW(module_, IDS_PROGRESS_CAPTION, caption, 64);
    LoadStringW(module_, textId, text_, 64);
    int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kWindowClass, caption,
                              WS_POPUP | WS_CAPTION | WS_VISIBLE, x, y, kWidth, kHeight, nullptr, nullptr, module_,
                              nullptr);
    PaintWindow();
}

void Progress::PaintWindow()
{
    if (!window_)
        return;
    // The caller's thread is busy with the operation and pumps no messages,
    // so the window is drawn here directly.
    RECT client;
    GetClientRect(window_, &client);
    HDC dc = GetDC(window_);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    RECT text = {8, 4, client.right - 8, 22};
    DrawTextW(dc, text_, -1, &text, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
    RECT bar = {8, 26, client.right - 8, 40};
    FrameRect(dc, &bar, GetSysColorBrush(COLOR_WINDOWTEXT));
    RECT done = {bar.left + 1, bar.top + 1, bar.left + 1 + (bar.right - bar.left - 2) * permille_ / 1000,
                 bar.bottom - 1};
    FillRect(dc, &done, GetSysColorBrush(COLOR_HIGHLIGHT));
    ReleaseDC(window_, dc);
}

} // namespace kxmci
