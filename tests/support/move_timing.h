// Test and benchmark support: how long the effect of a window move takes to
// arrive.  A benchmark moves a window (foreign_program.h), then waits,
// handling its thread's messages, until the effect it measures has arrived
// (a posted message seen by MessageArrivals, a line in a log file, ...), and
// collects the delays into median and worst figures.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kxtest {

// A high-resolution clock, in milliseconds.
double NowMs();

// Handles this thread's messages until `arrived` returns true, asking it
// after every message and at least once a millisecond; the time (NowMs) at
// which it first returned true, or none after `timeoutMs`.
std::optional<double> PumpUntil(const std::function<bool()>& arrived, DWORD timeoutMs);

// A hidden window of this thread that notes when each posting of one
// message arrives at it (the time it is handled), with its parameters.
class MessageArrivals {
public:
    struct Arrival {
        double atMs;
        WPARAM wParam;
        LPARAM lParam;
    };

    explicit MessageArrivals(UINT message);
    ~MessageArrivals();
    MessageArrivals(const MessageArrivals&) = delete;
    MessageArrivals& operator=(const MessageArrivals&) = delete;

    HWND Window() const { return window_; }
    const std::vector<Arrival>& Seen() const { return seen_; }
    std::size_t Count(WPARAM wParam) const;
    void Clear() { seen_.clear(); }
    // Handles messages until `count` arrivals have been seen in all (true),
    // or for `timeoutMs` (false).
    bool WaitFor(std::size_t count, DWORD timeoutMs);

private:
    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    UINT message_;
    HWND window_ = nullptr;
    std::vector<Arrival> seen_;
};

// Delays of a series of moves, in milliseconds, and the moves whose effect
// never arrived.
struct Latencies {
    std::vector<double> ms;
    int missed = 0;
    double Median() const;
    double Worst() const;
    // "NAME: median M ms, worst W ms over N moves (K missed)"
    std::string Describe(const std::string& name) const;
};

// Times `count` moves: takes the time, calls `move(i)`, then `arrival(i)`,
// which waits for the move's effect and returns the time (NowMs) it
// arrived, or none when it did not.
Latencies TimeMoves(int count, const std::function<void(int)>& move,
                    const std::function<std::optional<double>(int)>& arrival);

// Where move `i` puts a window that starts at `home`: `step` pixels right
// and down for even moves, back home for odd ones, so that every move
// changes the position and the window stays where it was.
POINT MovePosition(POINT home, int i, int step = 16);

} // namespace kxtest
