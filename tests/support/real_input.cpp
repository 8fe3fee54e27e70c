#include "real_input.h"
#include "pump.h"

#include <vector>

namespace kxtest {

namespace {

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
        Pump(5);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    Pump(60);
    return true;
}

bool MoveMouse(POINT to) { return XdoTool("mousemove " + At(to)); }
bool PressButton(int button) { return XdoTool("mousedown " + std::to_string(button)); }
bool ReleaseButton(int button) { return XdoTool("mouseup " + std::to_string(button)); }
bool PressKey(const std::string& key) { return XdoTool("key " + key); }

// One xdotool run for the whole drag: a press on a window's frame starts a
// modal loop in this thread, which must go on handling messages until the
// release arrives, so the release cannot wait for a later call.
bool DragMouse(POINT from, POINT to, int steps)
{
    std::string line = "mousemove " + At(from) + " mousedown 1 sleep 0.1";
    for (int i = 1; i <= steps; ++i) {
        POINT at{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
        line += " mousemove " + At(at) + " sleep 0.05";
    }
    return XdoTool(line + " mouseup 1");
}

}  // namespace kxtest
