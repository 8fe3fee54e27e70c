#include "video_presenter.h"

#include <algorithm>
#include <chrono>
#include <cstring>

#include "card/card_settings.h"
#include "video_cover.h"

namespace kxmci {

namespace {
// The card's own rate: 25 frames a second.
constexpr std::uint64_t kFrameIntervalMs = 40;
constexpr std::uint32_t kColourBits = 0xFFFFFFu;
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
    // Frames are due at fixed times, so that the time a frame takes does
    // not slow the rate; a presenter that fell behind starts afresh.
    std::uint64_t due = NowMs();
    while (!stop_) {
        PresentOnce();
        due += kFrameIntervalMs;
        const std::uint64_t now = NowMs();
        if (due <= now)
            due = now + (now - due >= kFrameIntervalMs ? kFrameIntervalMs : 0);
        WaitForSingleObject(wake_, static_cast<DWORD>(due - now));
    }
}

bool VideoPresenter::ReadState(FrameState& state)
{
    using namespace kxcard;
    std::lock_guard<std::mutex> lock(live_.mutex);
    Card& card = live_.card;
    HWND window = live_.window;
    HWND cover = live_.cover;
    if (cover && !IsWindow(window) && IsWindowVisible(cover)) {
        // The covered window went: so does its video, until the next
        // command takes the cover away.
        ShowWindowAsync(cover, SW_HIDE);
        return false;
    }
    if (!window || !live_.showVideo || !IsWindow(window) || !IsWindowVisible(window))
        return false;
    if (cover)
        window = cover;
    if (cover && !IsWindowVisible(cover))
        return false;
    card.Live(NowMs());
    RECT client;
    GetClientRect(window, &client);
    Placement placement = card.CurrentPlacement();
    Rect frame = placement.Frame();
    if (card.Settings().cardType == 2) {
        // Card type 2 (a foreign window): the video fills its client area.
        Rect source = placement.Source();
        if (source.Empty())
            source = Rect{0, 0, kFrameWidth, kFrameHeight};
        frame = Rect{0, 0, client.right, client.bottom};
        placement.Set(frame, source);
    } else if (frame.Empty() || placement.Source().Empty()) {
        // Without a placement, window pixels are frame memory pixels.
        frame = Rect{0, 0, client.right, client.bottom};
        placement.Set(frame, frame);
    }
    auto clampToClient = [](long long v, LONG hi) { return static_cast<LONG>(std::clamp<long long>(v, 0, hi)); };
    RECT want = {clampToClient(frame.x, client.right), clampToClient(frame.y, client.bottom),
                 clampToClient(static_cast<long long>(frame.x) + frame.w, client.right),
                 clampToClient(static_cast<long long>(frame.y) + frame.h, client.bottom)};
    if (!IntersectRect(&state.area, &want, &client))
        return false;
    state.window = window;
    state.covering = cover != nullptr;
    state.placement = placement;
    state.keying = card.Settings().Keying();
    state.shiftX = card.Settings().skewWinX - kSkewNeutral;
    state.shiftY = card.Settings().skewWinY - kSkewNeutral;
    if (state.covering) {
        // Nothing of the other program's to key against: video over the
        // whole frame rectangle.
        state.keying.videoKey = false;
        state.keying.chromaKey = false;
        state.shiftX = state.shiftY = 0;
    }
    state.memoryChanged = card.MemoryVersion() != memoryVersion_;
    if (state.memoryChanged) {
        memory_ = card.Memory();
        memoryVersion_ = card.MemoryVersion();
    }
    return true;
}

bool VideoPresenter::GatherVideo(const FrameState& state)
{
    const RECT& area = state.area;
    const kxcard::Placement& placement = state.placement;
    if (videoValid_ && !state.memoryChanged && EqualRect(&area, &videoArea_) &&
        placement.Frame() == videoFrame_ && placement.Source() == videoSource_)
        return false;
    const int w = area.right - area.left, h = area.bottom - area.top;
    // Columns and rows of frame memory for the area's pixels; -1 outside.
    std::vector<int> columns(w), rows(h);
    for (int x = 0; x < w; ++x) {
        const int fx = placement.ToFrameX(area.left + x);
        columns[x] = fx >= 0 && fx < memory_.Width() ? fx : -1;
    }
    for (int y = 0; y < h; ++y) {
        const int fy = placement.ToFrameY(area.top + y);
        rows[y] = fy >= 0 && fy < memory_.Height() ? fy : -1;
    }
    video_.assign(static_cast<std::size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        if (rows[y] < 0)
            continue;
        const std::uint8_t* source = memory_.Row(rows[y]);
        std::uint32_t* line = &video_[static_cast<std::size_t>(y) * w];
        for (int x = 0; x < w; ++x)
            if (columns[x] >= 0) {
                const std::uint8_t* p = source + columns[x] * 3;
                line[x] = p[0] | (p[1] << 8) | (static_cast<std::uint32_t>(p[2]) << 16);
            }
    }
    videoArea_ = area;
    videoFrame_ = placement.Frame();
    videoSource_ = placement.Source();
    videoValid_ = true;
    return true;
}

void VideoPresenter::PresentOnce()
{
    FrameState state;
    if (!ReadState(state))
        return;
    const RECT& area = state.area;
    const int w = area.right - area.left, h = area.bottom - area.top;
    const std::size_t count = static_cast<std::size_t>(w) * h;
    const bool videoChanged = GatherVideo(state);
    if (state.window != paintedWindow_ || !EqualRect(&area, &paintedArea_)) {
        paintedWindow_ = state.window;
        paintedArea_ = area;
        painted_.assign(count, kxcard::kNotPainted);
        written_.clear();
    }

    // Child windows (an edit box over the view) and overlapping siblings
    // keep their pixels: the video goes only where the window itself shows.
    HDC dc = GetDCEx(state.window, nullptr, DCX_CACHE | DCX_CLIPCHILDREN | DCX_CLIPSIBLINGS);
    if (!dc)
        return;
    if (first_.Ensure(dc, w, h) && again_.Ensure(dc, w, h) && first_.Read(dc, area.left, area.top)) {
        const std::uint32_t* shown = first_.Pixels();
        // The same video over a window that still shows what was written
        // last: nothing to send.
        const bool sameKeying = state.keying == writtenKeying_ && state.shiftX == writtenShiftX_ &&
                                state.shiftY == writtenShiftY_;
        bool asWritten = !videoChanged && sameKeying && written_.size() == count;
        for (std::size_t i = 0; asWritten && i < count; ++i)
            asWritten = (shown[i] & kColourBits) == written_[i];
        if (!asWritten) {
            out_.resize(count);
            kxcard::ComposeKeyedPacked(state.keying, video_.data(), shown, out_.data(), painted_.data(), w, h,
                                       state.shiftX, state.shiftY);
            if (state.covering)
                for (std::uint32_t& pixel : out_)
                    pixel = SeeThroughSafe(pixel);
            WriteChanges(dc, area);
            written_.swap(out_);
            writtenKeying_ = state.keying;
            writtenShiftX_ = state.shiftX;
            writtenShiftY_ = state.shiftY;
        }
    }
    ReleaseDC(state.window, dc);
}

void VideoPresenter::WriteChanges(HDC dc, const RECT& area)
{
    // The program may have drawn while the frame was composed: its drawing
    // is kept, not covered with video from a stale look.
    again_.Read(dc, area.left, area.top);
    const int w = again_.Width(), h = again_.Height();
    int left = w, right = 0, top = h, bottom = 0;
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* before = first_.Row(y);
        std::uint32_t* now = again_.Row(y);
        std::uint32_t* line = &out_[static_cast<std::size_t>(y) * w];
        std::uint32_t* painted = &painted_[static_cast<std::size_t>(y) * w];
        for (int x = 0; x < w; ++x) {
            const std::uint32_t shown = now[x] & kColourBits;
            if (shown != (before[x] & kColourBits)) {
                line[x] = shown;
                painted[x] = kxcard::kNotPainted;
            } else if (shown != line[x]) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = y + 1;
                now[x] = line[x];
            }
        }
    }
    // One write of everything that changed, so that the window never shows
    // half of one frame and half of the next.
    if (left < right)
        again_.Write(dc, area.left, area.top, left, top, right - left, bottom - top);
    GdiFlush();
}

} // namespace kxmci
