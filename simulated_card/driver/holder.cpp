#include "holder.h"

namespace kxmci {

namespace {
const wchar_t kMarkerName[] = L"KX310SimulatedCardHolder";
}

bool Holder::Acquire(HINSTANCE module)
{
    if (marker_)
        return true;
    HANDLE marker = CreateMutexW(nullptr, FALSE, kMarkerName);
    if (!marker)
        return false;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(marker);
        return false;
    }
    marker_ = marker;
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(module, path, MAX_PATH);
    if (n > 0 && n < MAX_PATH)
        file_ = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    return true;
}

void Holder::Release()
{
    if (file_ != INVALID_HANDLE_VALUE)
        CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    if (marker_)
        CloseHandle(marker_);
    marker_ = nullptr;
}

} // namespace kxmci
