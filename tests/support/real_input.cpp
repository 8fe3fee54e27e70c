#include "real_input.h"

#include <vector>

namespace kxtest {

namespace {

// Handles this thread's messages while real input makes its way in.
void PumpFor(DWORD ms)
{
    DWORD end = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

std::string At(POINT p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

}  // namespace

bool XdoTool(const std::string& arguments)
{
    std::string line = "/usr/bin/xdotool " + arguments;
    std::vector<char> command(line.begin(), line.end());
    command.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    // The program is a Unix one: waiting for it works, its exit code does not
    // reach us.  Messages are handled meanwhile (a drag's window must answer).
    DWORD end = GetTickCount() + 5000;
    while (WaitForSingleObject(process.hProcess, 10) == WAIT_TIMEOUT && static_cast<LONG>(end - GetTickCount()) > 0)
        PumpFor(5);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    PumpFor(60);
    return true;
}

bool MoveMouse(POINT to) { return XdoTool("mousemove " + At(to)); }
bool PressButton(int button) { return XdoTool("mousedown " + std::to_string(button)); }
bool ReleaseButton(int button) { return XdoTool("mouseup " + std::to_string(button)); }
bool PressKey(const std::string& key) { return XdoTool("key " + key); }

bool DragMouse(POINT from, POINT to, int steps)
{
    if (!MoveMouse(from) || !PressButton(1))
        return false;
    for (int i = 1; i <= steps; ++i) {
        POINT at{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
        if (!MoveMouse(at))
            return false;
    }
    return ReleaseButton(1);
}

}  // namespace kxtest
