// How quickly exported video follows a moved window of another program:
// the viewer's main frame and view in this process with the simulated card,
// the video exported into kx_foreign_window's child window, and for each
// move of the foreign top-level window the time until the driver's command
// log shows the view's "put" / "destination".  Beside it, in the same run,
// the bare cross-process notification of the window hook for the same moves
// (to a plain window of this process), which the viewer builds on.  Figures
// only.
//   export_follow_bench [MOVES]   (default 50)
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "doc_template.h"
#include "foreign_program.h"
#include "htvchook.h"
#include "main_frame.h"
#include "move_timing.h"
#include "overlay_viewer.h"
#include "resource.h"
#include "vd_doc.h"
#include "vd_view.h"
#include "win_app.h"

namespace {

constexpr DWORD kTimeoutMs = 2000;

POINT HomeOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return POINT{r.left, r.top};
}

kxtest::Latencies BareHook(HWND watched, HWND moved, int moves)
{
    kxtest::MessageArrivals arrivals(RegisterWindowMessageA("MSGUpdateVideo"));
    if (!dllHook(watched, arrivals.Window(), arrivals.Window(), 1))
        return {};
    kxtest::PumpUntil([] { return false; }, 200);
    arrivals.Clear();
    const POINT home = HomeOf(moved);
    kxtest::Latencies result = kxtest::TimeMoves(
        moves, [&](int i) { kxtest::MoveWindowTo(moved, kxtest::MovePosition(home, i)); },
        [&](int i) -> std::optional<double> {
            if (!arrivals.WaitFor(static_cast<std::size_t>(i) + 1, kTimeoutMs))
                return std::nullopt;
            return arrivals.Seen()[static_cast<std::size_t>(i)].atMs;
        });
    dllHook(watched, nullptr, nullptr, 0);
    return result;
}

kxtest::Latencies ViewerFollows(CVDView& view, HWND child, HWND moved, int moves, const std::string& log)
{
    if (!view.ExportDialog().ExportTo(child, POINT{10, 10}))
        return {};
    kxtest::FileTail tail(log);
    kxtest::PumpUntil([] { return false; }, 300);
    tail.NewLines();
    const POINT home = HomeOf(moved);
    kxtest::Latencies result = kxtest::TimeMoves(
        moves, [&](int i) { kxtest::MoveWindowTo(moved, kxtest::MovePosition(home, i)); },
        [&](int) { return kxtest::PumpUntil([&] { return tail.SawLineWith("put destination"); }, kTimeoutMs); });
    view.ExportDialog().StopExport();
    return result;
}

}  // namespace

int main(int argc, char** argv)
{
    const int moves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string log = std::string(folder) + "export_follow_bench.log";
    DeleteFileA(log.c_str());
    SetEnvironmentVariableA("KX310MCI_LOG", log.c_str());

    if (mciSendStringA("open overlay alias VCKX310", nullptr, 0, nullptr) != 0) {
        std::printf("the simulated card could not be opened\n");
        return 1;
    }
    SetOverlayDeviceOpen();
    ShowOverlayErrors(false);
    RegisterViewerMessages();
    framework::CWinApp app;
    app.Initialize(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    app.SetRegistryKey("KX310 Bench\\export follow");
    app.AddDocTemplate(std::make_unique<framework::CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<CVDDoc>(); }, [] { return new CMainFrame; },
        [] { return new CVDView; }));
    if (!app.OpenNewDocument()) {
        std::printf("the viewer's window could not be made\n");
        return 1;
    }
    auto* frame = static_cast<CMainFrame*>(app.MainFrame());
    auto* view = static_cast<CVDView*>(frame->ActiveView());

    kxtest::ForeignProgram program("Export follow", RECT{520, 80, 920, 440});
    if (!program.Started()) {
        std::printf("the foreign program did not start\n");
        return 1;
    }
    kxtest::PumpUntil([] { return false; }, 300);
    const kxtest::Latencies bare = BareHook(program.Child(), program.TopLevel(), moves);
    const kxtest::Latencies viewer = ViewerFollows(*view, program.Child(), program.TopLevel(), moves, log);
    std::printf("moves of the foreign top-level window around the watched child\n");
    std::printf("%s\n", bare.Describe("hook notification alone (MSGUpdateVideo arrives)").c_str());
    std::printf("%s\n", viewer.Describe("viewer, move to the driver's put destination").c_str());
    if (!bare.ms.empty() && !viewer.ms.empty())
        std::printf("the viewer adds %.2f ms at the median and %.2f ms at the worst\n",
                    viewer.Median() - bare.Median(), viewer.Worst() - bare.Worst());

    DestroyWindow(frame->Handle());
    mciSendStringA("close VCKX310", nullptr, 0, nullptr);
    SetEnvironmentVariableA("KX310MCI_LOG", nullptr);
    DeleteFileA(log.c_str());
    return 0;
}
