// What showing the live video costs the computer: for each window size, the
// simulated card keys its video into a window painted in the key colour, live
// and frozen, for a few seconds each.  Prints the frames the window showed per
// second (read back from the picture's frame counter), the process's processor
// time per frame and in percent of one core, beside the cost of one plain
// BitBlt of the same area in the same run: the floor of any software keying
// here.  Asserts nothing.  Runs under Wine with the simulated card: bench/run.
//   present_bench.exe [seconds per measurement]
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "card/picture.h"
#include "card/test_picture.h"

namespace {

bool Send(const std::string& command) { return mciSendStringA(command.c_str(), nullptr, 0, nullptr) == 0; }

double Now()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// User and kernel time of the whole process, in seconds.
double ProcessorSeconds()
{
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

LRESULT CALLBACK KeyWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(wnd, &r);
        HBRUSH key = CreateSolidBrush(RGB(255, 0, 255));
        FillRect(reinterpret_cast<HDC>(wp), &r, key);
        DeleteObject(key);
        return 1;
    }
    return DefWindowProcA(wnd, msg, wp, lp);
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Reads the label area of the window (client pixels are frame memory pixels).
class CounterReader {
public:
    explicit CounterReader(HWND wnd) : wnd_(wnd), picture_(kWidth, kHeight)
    {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        HDC dc = GetDC(wnd_);
        mem_ = CreateCompatibleDC(dc);
        section_ = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits_, nullptr, 0);
        old_ = SelectObject(mem_, section_);
        ReleaseDC(wnd_, dc);
    }
    ~CounterReader()
    {
        SelectObject(mem_, old_);
        DeleteObject(section_);
        DeleteDC(mem_);
    }
    bool Read(unsigned& counter)
    {
        HDC dc = GetDC(wnd_);
        BitBlt(mem_, 0, 0, kWidth, kHeight, dc, 0, 0, SRCCOPY);
        ReleaseDC(wnd_, dc);
        GdiFlush();
        const auto* quad = static_cast<const RGBQUAD*>(bits_);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const RGBQUAD q = quad[y * kWidth + x];
                picture_.Set(x, y, kxcard::Rgb(q.rgbRed, q.rgbGreen, q.rgbBlue));
            }
        return kxcard::ReadFrameCounter(picture_, counter);
    }

private:
    static constexpr int kWidth = 280, kHeight = 80;
    HWND wnd_;
    kxcard::Picture picture_;
    HDC mem_ = nullptr;
    HBITMAP section_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

struct Figures {
    double framesPerSecond = 0;
    double processorMsPerFrame = 0;
    double percentOfCore = 0;
};

// Watches the window for `seconds`: distinct frame counters seen, and the
// process's processor time meanwhile.  The counter is sampled every 20 ms, twice a frame.
Figures Watch(HWND wnd, double seconds)
{
    CounterReader reader(wnd);
    unsigned last = ~0u, counter = 0;
    int changes = 0;
    const double cpu0 = ProcessorSeconds(), t0 = Now();
    while (Now() - t0 < seconds) {
        Pump();
        if (reader.Read(counter) && counter != last) {
            ++changes;
            last = counter;
        }
        Sleep(20);
    }
    const double wall = Now() - t0, cpu = ProcessorSeconds() - cpu0;
    Figures f;
    f.framesPerSecond = changes / wall;
    f.percentOfCore = cpu * 100.0 / wall;
    // Per frame time of the card (1/25 s), whether a new frame showed or not.
    f.processorMsPerFrame = cpu * 1000.0 / (wall * 25.0);
    return f;
}

// One plain copy of a w x h picture into the window, in milliseconds.
double PlainCopyMs(HWND wnd, int w, int h)
{
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC dc = GetDC(wnd);
    HDC mem = CreateCompatibleDC(dc);
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, section);
    const int rounds = 100;
    double best = 1e30;
    for (int run = 0; run < 5; ++run) {
        const double start = Now();
        for (int i = 0; i < rounds; ++i) {
            static_cast<DWORD*>(bits)[i] = i;  // a changed picture each time
            BitBlt(dc, 0, 0, w, h, mem, 0, 0, SRCCOPY);
            GdiFlush();
        }
        best = std::min(best, (Now() - start) * 1000.0 / rounds);
    }
    SelectObject(mem, old);
    DeleteObject(section);
    DeleteDC(mem);
    ReleaseDC(wnd, dc);
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 4.0;
    if (!Send("open overlay alias VCKX310")) {
        std::printf("present_bench: the overlay device does not open\n");
        return 1;
    }
    WNDCLASSA wc{};
    wc.lpfnWndProc = KeyWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "KX310PresentBench";
    RegisterClassA(&wc);

    std::printf("%-11s %-7s %9s %12s %9s %14s %9s\n", "size", "video", "frames/s", "cpu ms/frame", "% core",
                "BitBlt ms", "x BitBlt");
    const SIZE sizes[] = {{488, 285}, {768, 576}, {1024, 768}};
    for (const SIZE& size : sizes) {
        HWND wnd = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "present bench", WS_POPUP | WS_VISIBLE, 0, 0,
                                   size.cx, size.cy, nullptr, nullptr, wc.hInstance, nullptr);
        UpdateWindow(wnd);
        Pump();
        const double plain = PlainCopyMs(wnd, size.cx, size.cy);
        InvalidateRect(wnd, nullptr, TRUE);
        UpdateWindow(wnd);
        char name[32];
        std::snprintf(name, sizeof name, "%ld x %ld", size.cx, size.cy);
        auto print = [&](const char* video, const Figures& f) {
            std::printf("%-11s %-7s %9.1f %12.2f %9.1f %14.2f %9.1f\n", name, video, f.framesPerSecond,
                        f.processorMsPerFrame, f.percentOfCore, plain, f.processorMsPerFrame / plain);
        };
        // The watching alone (no video in the window): what this program
        // itself adds to every row.
        print("none", Watch(wnd, seconds));
        Send("unfreeze VCKX310");
        Send("window VCKX310 handle " + std::to_string(reinterpret_cast<std::uintptr_t>(wnd)));
        Watch(wnd, 0.5);  // settle: the first frame paints the whole window
        for (bool frozen : {false, true}) {
            Send(frozen ? "freeze VCKX310" : "unfreeze VCKX310");
            Watch(wnd, 0.3);
            print(frozen ? "frozen" : "live", Watch(wnd, seconds));
        }
        Send("window VCKX310 handle 0");
        DestroyWindow(wnd);
        Pump();
    }
    Send("close VCKX310");
    return 0;
}
