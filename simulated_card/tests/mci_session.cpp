#include "mci_session.h"

#include <mmsystem.h>

#include <cstdint>
#include <sstream>

namespace simcard_test {

Reply Send(const std::string& command, HWND callback)
{
    char buf[256] = {};
    Reply r;
    r.rc = mciSendStringA(command.c_str(), buf, sizeof buf, callback);
    r.text = buf;
    return r;
}

std::vector<long> Numbers(const std::string& text)
{
    std::istringstream in(text);
    std::vector<long> out;
    long v;
    while (in >> v)
        out.push_back(v);
    return out;
}

std::string ErrorText(MCIERROR rc)
{
    char buf[256] = {};
    return mciGetErrorStringA(rc, buf, sizeof buf) ? buf : "";
}

OpenCard::OpenCard() : rc_(Send("open overlay alias VCKX310").rc) {}

OpenCard::~OpenCard()
{
    if (rc_ == 0)
        Send("close VCKX310 ");
}

LowBuffer::LowBuffer(std::size_t size, DWORD protect)
    : p_(VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, protect))
{
}

LowBuffer::~LowBuffer()
{
    if (p_)
        VirtualFree(p_, 0, MEM_RELEASE);
}

unsigned long LowBuffer::Address() const
{
    auto a = reinterpret_cast<std::uintptr_t>(p_);
    return a <= 0xFFFFFFFFu ? static_cast<unsigned long>(a) : 0;
}

std::string BesideProgram(const char* name)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir = path;
    dir.erase(dir.find_last_of('\\') + 1);
    return dir + name;
}

void PaintKeyColour(HWND wnd, HDC dc)
{
    RECT r;
    GetClientRect(wnd, &r);
    HBRUSH key = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc, &r, key);
    DeleteObject(key);
}

void Pump(DWORD ms)
{
    DWORD end = GetTickCount() + ms;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

} // namespace simcard_test
