// dllHook: installs the window-procedure hook on the thread that owns the
// watched window, or removes it.
#include "htvchook.h"

#include <cstdint>

#include "shared_fields.h"
#include "watch.h"

namespace htvchook {

namespace {
// Deep enough for any real nesting of windows, and an end to a walk that
// would otherwise not end.
constexpr int kMaxAncestors = 256;

DWORD HandleValue(HWND window) { return static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(window)); }
} // namespace

DWORD StopWatch()
{
    volatile SharedFields& shared = Shared();
    HHOOK hook = shared.hook;
    if (!hook)
        return 0;
    const DWORD removed = UnhookWindowsHookEx(hook);
    shared.hook = nullptr;
    shared.watched = nullptr;
    return removed;
}

bool IsWatchedOrAncestor(HWND window)
{
    HWND w = Shared().watched;
    for (int depth = 0; w && depth < kMaxAncestors; ++depth, w = GetParent(w))
        if (w == window)
            return true;
    return false;
}

} // namespace htvchook

extern "C" DWORD WINAPI dllHook(HWND watched, HWND firstNotify, HWND secondNotify, int install)
{
    using namespace htvchook;
    volatile SharedFields& shared = Shared();
    if (install != 1)
        return StopWatch();

    // One watch at a time: a hook still installed, for this window or for
    // another, goes first, so that no hook is left that nobody can remove.
    StopWatch();
    // No thread for a window that is not (or no longer) one: a hook for
    // thread 0 would watch every thread of the desktop.
    const DWORD thread = GetWindowThreadProcessId(watched, nullptr);
    HHOOK hook = thread ? SetWindowsHookExA(WH_CALLWNDPROC, CallWndProc, GetModuleHandleA("HTVCHOOK"), thread)
                        : nullptr;
    if (!hook) {
        shared.hook = nullptr;
        return 0;
    }
    // The hook first: a message that arrives before the windows are stored
    // finds no watched window and is passed on, which only delays the first
    // notification.
    shared.hook = hook;
    shared.watched = watched;
    shared.firstNotify = firstNotify;
    shared.secondNotify = secondNotify;
    return HandleValue(firstNotify);
}
