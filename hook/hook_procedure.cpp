// CallWndProc: runs on the watched window's thread, inside the other
// program's process, before each window procedure call there.
#include "htvchook.h"

#include "shared_fields.h"
#include "update_message.h"
#include "watch.h"

namespace {

void PostIfWindow(HWND to, WPARAM change)
{
    if (to && IsWindow(to))
        PostMessageA(to, htvchook::Shared().messageId, change, 0);
}

} // namespace

extern "C" LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam)
{
    using namespace htvchook;
    volatile SharedFields& shared = Shared();
    if (code != HC_ACTION)
        return CallNextHookEx(shared.hook, code, wParam, lParam);

    const CWPSTRUCT& record = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    bool end = false;
    switch (record.message) {
    case WM_ENDSESSION:
        end = true;
        break;
    case WM_DESTROY:
        end = IsWatchedOrAncestor(record.hwnd);
        break;
    case WM_WINDOWPOSCHANGED:
        if (IsWatchedOrAncestor(record.hwnd))
            PostIfWindow(shared.firstNotify, kWindowMoved);
        break;
    default:
        break;
    }
    if (end) {
        StopWatch();
        PostIfWindow(shared.firstNotify, kWatchEnded);
        PostIfWindow(shared.secondNotify, kWatchEnded);
    }
    return CallNextHookEx(shared.hook, code, wParam, lParam);
}
