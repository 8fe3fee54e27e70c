#include "device_query.h"

CDeviceQuery::~CDeviceQuery() { Close(); }

bool CDeviceQuery::Open()
{
    Close();
    // No access rights, no sharing, a new object deleted on close: the way a
    // dynamically loadable virtual device driver is loaded and unloaded.
    device_ = framework::OwnFile(
        CreateFileA("\\\\.\\vkx310d.vxd", 0, 0, nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (device_)
        return true;
    DWORD error = GetLastError();
    if (OpenStandIn())
        return true;
    SetLastError(error);
    return false;
}

bool CDeviceQuery::OpenStandIn()
{
    UINT oldMode = SetErrorMode(SEM_NOOPENFILEERRORBOX | SEM_FAILCRITICALERRORS);
    standIn_ = LoadLibraryA(diag::kDeviceStandInLibrary);
    SetErrorMode(oldMode);
    if (!standIn_)
        return false;
    auto open = reinterpret_cast<diag::DeviceStandInOpen>(GetProcAddress(standIn_, diag::kDeviceStandInOpen));
    auto control = reinterpret_cast<diag::DeviceStandInControl>(GetProcAddress(standIn_, diag::kDeviceStandInControl));
    if (open && control && open()) {
        standInControl_ = control;
        return true;
    }
    DWORD error = GetLastError();
    FreeLibrary(standIn_);
    standIn_ = nullptr;
    SetLastError(error);
    return false;
}

diag::RequestResult CDeviceQuery::Request(DWORD code, void* out, DWORD outSize)
{
    DWORD returned = 0;
    BOOL ok = FALSE;
    if (device_)
        ok = DeviceIoControl(device_.get(), code, nullptr, 0, out, outSize, &returned, nullptr);
    else if (standInControl_)
        ok = standInControl_(code, out, outSize, &returned);
    else
        SetLastError(ERROR_INVALID_HANDLE);
    // Success is exactly the value 1.
    diag::RequestResult result;
    result.ok = ok == TRUE;
    result.error = result.ok ? 0 : GetLastError();
    return result;
}

void CDeviceQuery::Close()
{
    device_.reset();
    standInControl_ = nullptr;
    if (standIn_)
        FreeLibrary(standIn_);
    standIn_ = nullptr;
}
