// Shows the live video in the window the caller named: a worker thread,
// 15 times a second, brings frame memory up to date and keys it into the
// window's pixels (card/keying.h).  The caller's thread is never blocked
// for more than the moment it takes to read the card's state.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "card/card.h"

namespace kxmci {

// What the presenter and the command handlers share; guarded by `mutex`.
struct LiveCard {
    std::mutex mutex;
    kxcard::Card card;
    HWND window = nullptr;
    bool showVideo = true;
};

class VideoPresenter {
public:
    explicit VideoPresenter(LiveCard& live) : live_(live) {}
    ~VideoPresenter() { Stop(); }
    VideoPresenter(const VideoPresenter&) = delete;
    VideoPresenter& operator=(const VideoPresenter&) = delete;

    void Start();
    void Stop();

private:
    void Run();
    void PresentOnce();

    LiveCard& live_;
    std::thread thread_;
    HANDLE wake_ = nullptr;
    std::atomic<bool> stop_{false};

    // The keyer's memory of what it painted, for the area it painted last.
    HWND paintedWindow_ = nullptr;
    RECT paintedArea_{};
    std::vector<std::uint32_t> painted_;
};

std::uint64_t NowMs();

} // namespace kxmci
