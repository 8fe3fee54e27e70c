#include "single_instance.h"

CSingleInstance::CSingleInstance()
{
    HANDLE semaphore = CreateSemaphoreA(nullptr, 0, 1, kDiagnoseClassName);
    if (semaphore && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(semaphore);
        another_ = true;
    } else {
        semaphore_.reset(semaphore);
    }
    if (HWND first = FindWindowA(kDiagnoseClassName, nullptr)) {
        HWND popup = GetLastActivePopup(first);
        if (IsIconic(first))
            ShowWindow(first, SW_RESTORE);
        SetForegroundWindow(popup ? popup : first);
        another_ = true;
    }
}
