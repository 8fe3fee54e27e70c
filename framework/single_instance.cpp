#include "single_instance.h"

namespace framework {

CSingleInstance::CSingleInstance(const char* name)
{
    HANDLE semaphore = CreateSemaphoreA(nullptr, 0, 1, name);
    if (semaphore && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(semaphore);
        another_ = true;
    } else {
        semaphore_.reset(semaphore);
    }
    if (HWND first = FindWindowA(name, nullptr)) {
        HWND popup = GetLastActivePopup(first);
        if (IsIconic(first))
            ShowWindow(first, SW_RESTORE);
        SetForegroundWindow(popup && popup != first ? popup : first);
        another_ = true;
    }
}

bool CSingleInstance::Release()
{
    const bool held = semaphore_ != nullptr;
    semaphore_.reset();
    return held;
}

}  // namespace framework
