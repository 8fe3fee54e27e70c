// How quickly the hook tells of a move: from SetWindowPos on a window of
// another program (kx_foreign_window) to the arrival of "MSGUpdateVideo" at
// this program's window, for the watched window itself and for the
// top-level window around a watched child.  Figures only.
//   hook_latency_bench [MOVES]   (default 50)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "foreign_program.h"
#include "htvchook.h"
#include "move_timing.h"

namespace {

constexpr DWORD kArrivalTimeoutMs = 2000;

kxtest::Latencies TimeHookMoves(HWND watched, HWND moved, int moves)
{
    kxtest::MessageArrivals arrivals(RegisterWindowMessageA("MSGUpdateVideo"));
    if (!dllHook(watched, arrivals.Window(), arrivals.Window(), 1))
        return {};
    kxtest::PumpUntil([] { return false; }, 200);
    arrivals.Clear();
    RECT r;
    GetWindowRect(moved, &r);
    POINT home{r.left, r.top};
    if (HWND parent = GetParent(moved))
        ScreenToClient(parent, &home);
    const kxtest::Latencies result = kxtest::TimeMoves(
        moves, [&](int i) { kxtest::MoveWindowTo(moved, kxtest::MovePosition(home, i)); },
        [&](int i) -> std::optional<double> {
            if (!arrivals.WaitFor(static_cast<std::size_t>(i) + 1, kArrivalTimeoutMs))
                return std::nullopt;
            return arrivals.Seen()[static_cast<std::size_t>(i)].atMs;
        });
    dllHook(watched, nullptr, nullptr, 0);
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    const int moves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    kxtest::ForeignProgram program("Hook latency");
    if (!program.Started()) {
        std::printf("the foreign program did not start\n");
        return 1;
    }
    std::printf("hook notification, SetWindowPos in this process to MSGUpdateVideo arriving here\n");
    std::printf("%s\n", TimeHookMoves(program.TopLevel(), program.TopLevel(), moves)
                            .Describe("watched top-level window moved").c_str());
    std::printf("%s\n", TimeHookMoves(program.Child(), program.TopLevel(), moves)
                            .Describe("top-level window around the watched child moved").c_str());
    std::printf("%s\n", TimeHookMoves(program.Child(), program.Child(), moves)
                            .Describe("watched child moved").c_str());
    return 0;
}
