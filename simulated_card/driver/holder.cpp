#include "holder.h"

#include <string>

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
    if (n == 0 || n >= MAX_PATH)
        return true;
    files_[0] = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    const wchar_t* names[] = {L"kx310mci.dll", L"kx310mci.drv", L"kx310mci32.dll"};
    for (int i = 0; i < 3; ++i) {
        const std::wstring other = folder + names[i];
        if (_wcsicmp(other.c_str(), path) != 0)
            files_[i + 1] = CreateFileW(other.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    return true;
}

void Holder::Release()
{
    for (HANDLE& file : files_) {
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        file = INVALID_HANDLE_VALUE;
    }
    if (marker_)
        CloseHandle(marker_);
    marker_ = nullptr;
}

} // namespace kxmci
