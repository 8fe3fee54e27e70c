// How quickly the hook tells of a move: from SetWindowPos on a window of
// another program (kx_foreign_window) to the arrival of "MSGUpdateVideo" at
// this program's window, for the watched window itself and for the
// top-level window around a watched child; and, as the floor of what an
// exporting viewer can reach, the same notification answered at once with
// "put" / "destination" to the simulated card, until the driver's command
// log shows it.  Figures only.
//   hook_latency_bench [MOVES]   (default 50)
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <string>

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

bool Send(const std::string& command) { return mciSendStringA(command.c_str(), nullptr, 0, nullptr) == 0; }

// The card's video exported into the watched window; each notification is
// answered with "put" / "destination" as soon as it arrives.
kxtest::Latencies TimeAnsweredMoves(HWND watched, int moves)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string log = std::string(folder) + "hook_latency_bench.log";
    DeleteFileA(log.c_str());
    SetEnvironmentVariableA("KX310MCI_LOG", log.c_str());
    kxtest::Latencies result;
    if (Send("open overlay alias VCKX310")) {
        const std::string handle = std::to_string(reinterpret_cast<std::uintptr_t>(watched));
        Send("window VCKX310 handle " + handle);
        Send("set VCKX310 card type to 2");
        Send("put VCKX310 destination");
        kxtest::FileTail tail(log);
        kxtest::MessageArrivals arrivals(RegisterWindowMessageA("MSGUpdateVideo"));
        if (dllHook(watched, arrivals.Window(), arrivals.Window(), 1)) {
            kxtest::PumpUntil([] { return false; }, 200);
            arrivals.Clear();
            tail.NewLines();
            RECT r;
            GetWindowRect(watched, &r);
            const POINT home{r.left, r.top};
            result = kxtest::TimeMoves(
                moves, [&](int i) { kxtest::MoveWindowTo(watched, kxtest::MovePosition(home, i)); },
                [&](int i) -> std::optional<double> {
                    if (!arrivals.WaitFor(static_cast<std::size_t>(i) + 1, kArrivalTimeoutMs))
                        return std::nullopt;
                    Send("put VCKX310 destination");
                    return kxtest::PumpUntil([&] { return tail.SawLineWith("put destination"); },
                                             kArrivalTimeoutMs);
                });
            dllHook(watched, nullptr, nullptr, 0);
        }
        Send("window VCKX310 handle 0");
        Send("close VCKX310 ");
    }
    SetEnvironmentVariableA("KX310MCI_LOG", nullptr);
    DeleteFileA(log.c_str());
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
    std::printf("%s\n", TimeAnsweredMoves(program.TopLevel(), moves)
                            .Describe("answered with put destination, to the driver's log line").c_str());
    return 0;
}
