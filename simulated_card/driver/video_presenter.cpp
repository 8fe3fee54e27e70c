#include "video_presenter.h"

#include <algorithm>
#include <chrono>

#include "card/keying.h"

namespace kxmci {

namespace {
constexpr DWORD kFrameIntervalMs = 66;
} // namespace

std::uint64_t NowMs()
{
    using namespace std::chrono;
    return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void VideoPresenter::Start()
{
    if (thread_.joinable())
        return;
    stop_ = false;
    wake_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    thread_ = std::thread([this] { Run(); });
}

void VideoPresenter::Stop()
{
    if (!thread_.joinable())
        return;
    stop_ = true;
    SetEvent(wake_);
    thread_.join();
    CloseHandle(wake_);
    wake_ = nullptr;
}

void VideoPresenter::Run()
{
    while (!stop_) {
        PresentOnce();
        WaitForSingleObject(wake_, kFrameIntervalMs);
    }
}

void VideoPresenter::PresentOnce()
{
    using namespace kxcard;
    HWND window;
    RECT area;
    std::vector<Pixel> video;
    KeyingOptions keying;
    {
        std::lock_guard<std::mutex> lock(live_.mutex);
        Card& card = live_.card;
        window = live_.window;
        if (!window || !live_.showVideo || !IsWindow(window) || !IsWindowVisible(window))
            return;
        card.Live(NowMs());
        RECT client;
        GetClientRect(window, &client);
        // Card type 2 (a foreign window): the video fills its client area.
        Placement placement = card.CurrentPlacement();
        Rect frame = placement.Frame();
        // Without a placement, window pixels are frame memory pixels.
        if (card.Settings().cardType == 2) {
            Rect source = placement.Source();
            if (source.Empty())
                source = Rect{0, 0, kFrameWidth, kFrameHeight};
            frame = Rect{0, 0, client.right, client.bottom};
            placement.Set(frame, source);
        } else if (frame.Empty() || placement.Source().Empty()) {
            frame = Rect{0, 0, client.right, client.bottom};
            placement.Set(frame, frame);
        }
        auto clampToClient = [](long long v, LONG hi) { return static_cast<LONG>(std::clamp<long long>(v, 0, hi)); };
        RECT want = {clampToClient(frame.x, client.right), clampToClient(frame.y, client.bottom),
                     clampToClient(static_cast<long long>(frame.x) + frame.w, client.right),
                     clampToClient(static_cast<long long>(frame.y) + frame.h, client.bottom)};
        if (!IntersectRect(&area, &want, &client))
            return;
        const int w = area.right - area.left, h = area.bottom - area.top;
        video.resize(static_cast<std::size_t>(w) * h);
        const Picture& memory = card.Memory();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int fx, fy;
                placement.ToFrame(area.left + x, area.top + y, fx, fy);
                video[static_cast<std::size_t>(y) * w + x] = memory.Contains(fx, fy) ? memory.At(fx, fy) : Pixel{};
            }
        keying = card.Settings().Keying();
    }

    const int w = area.right - area.left, h = area.bottom - area.top;
    if (window != paintedWindow_ || !EqualRect(&area, &paintedArea_)) {
        paintedWindow_ = window;
        paintedArea_ = area;
        painted_.assign(video.size(), kNotPainted);
    }

    HDC dc = GetDC(window);
    if (!dc)
        return;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP section = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (mem && section) {
        HGDIOBJ old = SelectObject(mem, section);
        if (BitBlt(mem, 0, 0, w, h, dc, area.left, area.top, SRCCOPY)) {
            GdiFlush();
            auto* quad = static_cast<RGBQUAD*>(bits);
            std::vector<Pixel> screen(video.size());
            for (std::size_t i = 0; i < screen.size(); ++i)
                screen[i] = Pixel{quad[i].rgbBlue, quad[i].rgbGreen, quad[i].rgbRed};
            ComposeKeyed(keying, video.data(), screen.data(), painted_.data(), screen.size());
            for (std::size_t i = 0; i < screen.size(); ++i)
                quad[i] = RGBQUAD{screen[i].b, screen[i].g, screen[i].r, 0};
            BitBlt(dc, area.left, area.top, w, h, mem, 0, 0, SRCCOPY);
            GdiFlush();
        }
        SelectObject(mem, old);
    }
    if (section)
        DeleteObject(section);
    if (mem)
        DeleteDC(mem);
    ReleaseDC(window, dc);
}

} // namespace kxmci
