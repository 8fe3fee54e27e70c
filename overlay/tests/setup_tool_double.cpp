// Plays the setup tool's side of the device hand-over for the tests: a main
// window of class "KX310SetupClass" whose title is the program's command
// line.  With "hold=<file>" on the command line it holds that file open as a
// loaded driver image is held (readable by others, never exclusively), as
// the setup tool holds the driver while the device is open.  On "MSGVideoDeck&Setup" it lets the file go and ends with exit code
// 0, as the setup tool does; closed otherwise it ends with 2, and after a
// minute on its own with 3.
#include <windows.h>
#include <string>

namespace {

HANDLE held = INVALID_HANDLE_VALUE;
UINT handOver = 0;

LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == handOver && handOver != 0) {
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        ExitProcess(0);
    }
    switch (msg) {
    case WM_CLOSE:
        ExitProcess(2);
    case WM_TIMER:
        ExitProcess(3);
    default:
        return DefWindowProcA(wnd, msg, wp, lp);
    }
}

// The file named after "hold=" (up to the next blank), or empty.
std::string HeldFileArgument(const std::string& commandLine)
{
    size_t at = commandLine.find("hold=");
    if (at == std::string::npos)
        return {};
    size_t start = at + 5;
    size_t end = commandLine.find(' ', start);
    return commandLine.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR args, int)
{
    handOver = RegisterWindowMessageA("MSGVideoDeck&Setup");
    std::string commandLine = args ? args : "";
    std::string file = HeldFileArgument(commandLine);
    if (!file.empty()) {
        held = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        if (held == INVALID_HANDLE_VALUE)
            return 4;
    }
    WNDCLASSA cls{};
    cls.lpfnWndProc = WindowProc;
    cls.hInstance = instance;
    cls.lpszClassName = "KX310SetupClass";
    if (!RegisterClassA(&cls))
        return 5;
    HWND wnd = CreateWindowA("KX310SetupClass", commandLine.c_str(), WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                             nullptr, instance, nullptr);
    if (!wnd)
        return 6;
    SetTimer(wnd, 1, 60000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 1;
}
