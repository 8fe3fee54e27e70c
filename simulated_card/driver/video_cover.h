// The video inside a window of another process.  Under Wine a program
// cannot draw into another process's window, so the driver lays a window of
// its own exactly over that window's client area and the presenter shows
// the video there: a top-most popup that takes no clicks (they go through
// to the window below) and never becomes active.  Its client pixels are the
// covered window's client pixels, so placements mean the same in both.
//
// The cover lives on the thread that sends the commands (which handles its
// messages): it is made when "window" / "handle" names a foreign window,
// placed again at each "put" / "destination", and goes when another window
// is named, the covered window is gone or the device closes.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kxmci {

// True when `window` belongs to a process other than this one.
bool IsForeignWindow(HWND window);

class VideoCover {
public:
    // The colour that stays see-through: what the cover shows where the
    // video does not reach.  Video of exactly this colour is shown one step
    // off it (SeeThroughSafe).
    static constexpr std::uint32_t kSeeThrough = 0x010203;   // packed 0x00RRGGBB

    explicit VideoCover(HINSTANCE module) : module_(module) {}
    ~VideoCover() { Remove(); }
    VideoCover(const VideoCover&) = delete;
    VideoCover& operator=(const VideoCover&) = delete;

    // Covers `foreign` (made on this thread when there is no cover yet) and
    // shows the cover when `visible`; false when no cover could be made.
    bool Cover(HWND foreign, bool visible);
    // Places the cover over the covered window's client area as it is now.
    void Follow();
    void Show(bool visible);
    // Takes the cover away (on its own thread; from another, it is asked to go).
    void Remove();
    // True when a cover is up over a window that is gone.
    bool CoveredWindowGone() const { return window_ && !IsWindow(covered_); }

    HWND Window() const { return window_; }
    HWND Covered() const { return covered_; }

private:
    bool Make();

    HINSTANCE module_;
    HWND window_ = nullptr;
    HWND covered_ = nullptr;
    bool visible_ = false;
};

// A packed video pixel that does not fall on the see-through colour.
inline std::uint32_t SeeThroughSafe(std::uint32_t packed)
{
    return (packed & 0xFFFFFFu) == VideoCover::kSeeThrough ? packed ^ 1u : packed;
}

} // namespace kxmci
