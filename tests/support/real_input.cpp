#include "real_input.h"

#include <atomic>
#include <cstdio>

namespace kxtest {
namespace {

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool RunXdotool(const std::string& arguments, const std::function<void()>& whileWaiting, DWORD timeoutMs)
{
    return RunUnixCommand("xdotool " + arguments, whileWaiting, timeoutMs);
}

bool RunUnixCommand(const std::string& command, const std::function<void()>& whileWaiting, DWORD timeoutMs)
{
    // A Unix program started from Wine gives no process handle to wait on:
    // it marks its end with a file instead.
    static std::atomic<unsigned> counter{0};
    char marker[96];
    std::snprintf(marker, sizeof marker, "/tmp/kx-xdotool-%lu-%u.done", GetCurrentProcessId(), counter++);
    std::string dosMarker = std::string("Z:") + marker;
    for (char& c : dosMarker)
        if (c == '/')
            c = '\\';
    DeleteFileA(dosMarker.c_str());
    std::string line = std::string("Z:\\bin\\sh -c \"") + command + "; touch " + marker + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    if (pi.hProcess)
        CloseHandle(pi.hProcess);
    if (pi.hThread)
        CloseHandle(pi.hThread);
    DWORD end = GetTickCount() + timeoutMs;
    while (!Exists(dosMarker)) {
        if (static_cast<LONG>(end - GetTickCount()) <= 0)
            return false;
        if (whileWaiting)
            whileWaiting();
        else
            Sleep(10);
    }
    DeleteFileA(dosMarker.c_str());
    return true;
}

std::string MoveTo(POINT p)
{
    return "mousemove " + std::to_string(p.x) + " " + std::to_string(p.y) + " sleep 0.15";
}

std::string ClickAt(POINT p, int button)
{
    return MoveTo(p) + " click " + std::to_string(button) + " sleep 0.15";
}

std::string DragFromTo(POINT from, POINT to)
{
    std::string chain = MoveTo(from) + " mousedown 1 sleep 0.2";
    for (int step = 1; step <= 4; ++step) {
        POINT p{from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4};
        chain += " " + MoveTo(p);
    }
    return chain + " mouseup 1 sleep 0.2";
}

POINT ScreenPoint(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    return client;
}

POINT ClientCentre(HWND window)
{
    RECT r{};
    GetClientRect(window, &r);
    return ScreenPoint(window, POINT{r.right / 2, r.bottom / 2});
}

}  // namespace kxtest
