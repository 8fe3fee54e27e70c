// Test support: programs of the suite started as processes of their own,
// from the test program's folder, and their windows found by class.
#pragma once

#include <windows.h>

#include <string>

namespace kxtest {

// The test program's folder, with a trailing backslash.
inline std::string ProgramDirectory()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.rfind('\\') + 1);
}

// The simulated card's driver lies beside the programs.
inline bool DriverInstalled()
{
    return GetFileAttributesA((ProgramDirectory() + "kx310mci.dll").c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A program started in the test program's folder; ended by force if it
// still runs when the object goes.
class Process {
public:
    explicit Process(const std::string& commandLine)
    {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        std::string line = commandLine;
        started_ = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  ProgramDirectory().c_str(), &si, &info_) != 0;
        if (started_)
            CloseHandle(info_.hThread);
    }
    ~Process()
    {
        if (started_) {
            if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(info_.hProcess, 99);
                WaitForSingleObject(info_.hProcess, 5000);
            }
            CloseHandle(info_.hProcess);
        }
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    bool Started() const { return started_; }
    DWORD Id() const { return info_.dwProcessId; }
    // The exit code, or STILL_ACTIVE when it did not end in time.
    DWORD Wait(DWORD ms)
    {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0)
            GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }
    bool Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

private:
    bool started_ = false;
    PROCESS_INFORMATION info_{};
};

// The top-level window of a class that belongs to the process (any process: 0).
inline HWND WindowOf(const char* cls, DWORD pid)
{
    for (HWND wnd = FindWindowA(cls, nullptr); wnd; wnd = FindWindowExA(nullptr, wnd, cls, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(wnd, &owner);
        if (pid == 0 || owner == pid)
            return wnd;
    }
    return nullptr;
}

// Waits until that window is there and visible; null after `ms`.
inline HWND WaitForWindow(const char* cls, DWORD pid, DWORD ms = 20000)
{
    const DWORD end = GetTickCount() + ms;
    do {
        HWND wnd = WindowOf(cls, pid);
        if (wnd && IsWindowVisible(wnd))
            return wnd;
        Sleep(20);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
    return nullptr;
}

}  // namespace kxtest
