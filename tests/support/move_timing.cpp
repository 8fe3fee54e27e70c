#include "move_timing.h"

#include <algorithm>
#include <cstdio>

namespace kxtest {

double NowMs()
{
    static const double perMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / perMs;
}

std::optional<double> PumpUntil(const std::function<bool()>& arrived, DWORD timeoutMs)
{
    const double end = NowMs() + timeoutMs;
    for (;;) {
        if (arrived())
            return NowMs();
        MSG msg;
        bool handled = false;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            handled = true;
            if (arrived())
                return NowMs();
        }
        if (NowMs() >= end)
            return std::nullopt;
        if (!handled)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
}

MessageArrivals::MessageArrivals(UINT message) : message_(message)
{
    static const char* const kClass = "KxMessageArrivals";
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);   // fails harmlessly once registered
    window_ = CreateWindowA(kClass, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

MessageArrivals::~MessageArrivals()
{
    if (window_)
        DestroyWindow(window_);
}

LRESULT CALLBACK MessageArrivals::Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* self = reinterpret_cast<MessageArrivals*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (self && msg == self->message_) {
        self->seen_.push_back(Arrival{NowMs(), wp, lp});
        return 0;
    }
    return DefWindowProcA(wnd, msg, wp, lp);
}

std::size_t MessageArrivals::Count(WPARAM wParam) const
{
    return static_cast<std::size_t>(
        std::count_if(seen_.begin(), seen_.end(), [wParam](const Arrival& a) { return a.wParam == wParam; }));
}

bool MessageArrivals::WaitFor(std::size_t count, DWORD timeoutMs)
{
    return PumpUntil([&] { return seen_.size() >= count; }, timeoutMs).has_value();
}

double Latencies::Median() const
{
    if (ms.empty())
        return 0;
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

double Latencies::Worst() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }

std::string Latencies::Describe(const std::string& name) const
{
    char line[200];
    std::snprintf(line, sizeof line, "%s: median %.2f ms, worst %.2f ms over %zu moves (%d missed)", name.c_str(),
                  Median(), Worst(), ms.size(), missed);
    return line;
}

Latencies TimeMoves(int count, const std::function<void(int)>& move,
                    const std::function<std::optional<double>(int)>& arrival)
{
    Latencies result;
    for (int i = 0; i < count; ++i) {
        const double started = NowMs();
        move(i);
        if (const std::optional<double> at = arrival(i))
            result.ms.push_back(*at - started);
        else
            ++result.missed;
    }
    return result;
}

POINT MovePosition(POINT home, int i, int step)
{
    return i % 2 ? home : POINT{home.x + step, home.y + step};
}

} // namespace kxtest
