// Shows the live video in the window the caller named: a worker thread, at
// the card's 25 frames a second, brings frame memory up to date and keys it
// into the window's pixels (card/keying.h).  A window of another process is
// shown through the driver's cover over it (video_cover.h): the video fills
// the cover's frame rectangle, unkeyed.  The caller's thread is never
// blocked for more than the moment it takes to read the card's state: the
// presenter copies what it needs under the lock and works outside it.
//
// A frame costs little: frame memory maps into the window through one
// column and one row map; the video is gathered again only when frame
// memory, the placement or the area changed; a window that still shows what
// was written last, with unchanged video, is left alone (frozen video costs
// one read-back); and only the rectangle around what changed is written.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "card/card.h"
#include "card/keying.h"
#include "window_pixels.h"

namespace kxmci {

// What the presenter and the command handlers share; guarded by `mutex`.
struct LiveCard {
    std::mutex mutex;
    kxcard::Card card;
    HWND window = nullptr;
    HWND cover = nullptr;    // the driver's window over `window`, when that is foreign
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
    // The card's state for one frame, read under the lock.
    struct FrameState {
        HWND window = nullptr;        // drawn into: the named window or its cover
        bool covering = false;
        RECT area{};                  // client pixels the video covers
        kxcard::Placement placement;  // client pixels to frame memory
        kxcard::KeyingOptions keying;
        int shiftX = 0, shiftY = 0;   // the key's misalignment
        bool memoryChanged = false;
    };

    void Run();
    void PresentOnce();
    bool ReadState(FrameState& state);
    // Brings `video_` up to date for the area; true when it changed.
    bool GatherVideo(const FrameState& state);
    // Reads the window again into `again_`, keeps in `out_` whatever the
    // program drew since the first look (`first_`), and writes the
    // rectangle around the pixels of `out_` that differ from what the window
    // shows now.
    void WriteChanges(HDC dc, const RECT& area);

    LiveCard& live_;
    std::thread thread_;
    HANDLE wake_ = nullptr;
    std::atomic<bool> stop_{false};

    // The presenter's copy of frame memory, taken under the lock when it changed.
    kxcard::Picture memory_;
    std::uint64_t memoryVersion_ = ~0ull;
    // The gathered video for the area, and what it was gathered for.
    std::vector<std::uint32_t> video_;
    RECT videoArea_{};
    kxcard::Rect videoFrame_, videoSource_;
    bool videoValid_ = false;

    // The keyer's memory of what it painted, for the area it painted last,
    // and what it wrote there.
    HWND paintedWindow_ = nullptr;
    RECT paintedArea_{};
    std::vector<std::uint32_t> painted_;
    std::vector<std::uint32_t> written_;
    kxcard::KeyingOptions writtenKeying_;
    int writtenShiftX_ = 0, writtenShiftY_ = 0;

    WindowPixels first_;               // the first look at the window
    WindowPixels again_;               // the look after composing, and what is written
    std::vector<std::uint32_t> out_;   // the composed area
};

std::uint64_t NowMs();

} // namespace kxmci
