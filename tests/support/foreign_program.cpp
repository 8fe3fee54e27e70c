#include "foreign_program.h"

#include <vector>

namespace kxtest {

namespace {

std::string BesideThisProgram(const char* name)
{
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, n);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + name;
}

// Handles this thread's messages while waiting, so that windows of the
// caller keep answering.
void PumpFor(DWORD ms)
{
    const DWORD end = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

} // namespace

ForeignProgram::ForeignProgram(const std::string& title, RECT where)
{
    std::string line = "\"" + BesideThisProgram("kx_foreign_window.exe") + "\" \"" + title + "\" " +
                       std::to_string(where.left) + " " + std::to_string(where.top) + " " +
                       std::to_string(where.right - where.left) + " " + std::to_string(where.bottom - where.top);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return;
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    processId_ = pi.dwProcessId;
    const DWORD end = GetTickCount() + 15000;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        HWND top = FindWindowA(kTopLevelClass, title.c_str());
        DWORD owner = 0;
        if (top && GetWindowThreadProcessId(top, &owner) && owner == processId_ && IsWindowVisible(top)) {
            topLevel_ = top;
            child_ = FindWindowExA(top, nullptr, kChildClass, nullptr);
            sibling_ = FindWindowExA(top, nullptr, kSiblingClass, nullptr);
            break;
        }
        PumpFor(20);
    }
    // Let it paint before anyone looks at it.
    PumpFor(200);
}

ForeignProgram::~ForeignProgram()
{
    if (Running() && !Close(3000))
        TerminateProcess(process_, 1);
    if (process_)
        CloseHandle(process_);
}

bool ForeignProgram::Close(DWORD timeoutMs)
{
    if (!process_)
        return false;
    if (topLevel_ && IsWindow(topLevel_))
        PostMessageA(topLevel_, WM_CLOSE, 0, 0);
    const DWORD end = GetTickCount() + timeoutMs;
    while (Running()) {
        if (static_cast<LONG>(end - GetTickCount()) <= 0)
            return false;
        PumpFor(10);
    }
    return true;
}

bool ForeignProgram::Running() const
{
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool MoveWindowTo(HWND window, POINT topLeft)
{
    return SetWindowPos(window, nullptr, topLeft.x, topLeft.y, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

RECT ClientOnScreen(HWND window)
{
    RECT r{};
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace kxtest
