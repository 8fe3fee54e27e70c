// The stand-in of the device query driver: opened when the Device key says
// the driver is present, it answers the four requests from the Device key.
#include "call_log.h"
#include "config_record.h"
#include "device_requests.h"
#include "device_settings.h"
#include "device_standin.h"

namespace {

// The error a request fails with now, or 0.
DWORD RequestError(DWORD code)
{
    switch (code) {
    case diag::kRequestConfig:
        return testhw::ReadDeviceValue(testhw::kConfigError);
    case diag::kRequestIoCheck:
        return testhw::ReadDeviceValue(testhw::kIoCheckError);
    case diag::kRequestIrqCheck:
        return testhw::ReadDeviceValue(testhw::kIrqCheckError);
    case diag::kRequestMemCheck:
        return testhw::ReadDeviceValue(testhw::kMemCheckError);
    default:
        return ERROR_INVALID_FUNCTION;
    }
}

// The output size each request needs.
DWORD OutputSize(DWORD code)
{
    switch (code) {
    case diag::kRequestConfig:
        return diag::kConfigRecordSize;
    case diag::kRequestIoCheck:
        return 2;
    case diag::kRequestIrqCheck:
        return 1;
    default:
        return 4;
    }
}

diag::ConfigRecord CurrentRecord()
{
    diag::ConfigRecord record;
    record.Write(diag::kMemWindowCount, 2, 1);
    record.Write(diag::kMemBase, 4, testhw::ReadDeviceValue(testhw::kMemBase));
    record.Write(diag::kMemLength, 4, testhw::ReadDeviceValue(testhw::kMemLength));
    record.Write(diag::kIoPortCount, 2, 1);
    record.Write(diag::kIoBase, 2, testhw::ReadDeviceValue(testhw::kIoBase));
    record.Write(diag::kIoLength, 2, testhw::ReadDeviceValue(testhw::kIoLength));
    record.Write(diag::kIrqCount, 2, 1);
    record.Write(diag::kIrq, 1, testhw::ReadDeviceValue(testhw::kIrq));
    return record;
}

}  // namespace

extern "C" BOOL WINAPI KxDeviceOpen()
{
    if (testhw::ReadDeviceValue(testhw::kPresent) == 0) {
        testhw::LogCall("DeviceOpen -> error 0x%lX", static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    testhw::LogCall("DeviceOpen -> ok");
    return TRUE;
}

extern "C" BOOL WINAPI KxDeviceControl(DWORD code, void* out, DWORD outSize, DWORD* returned)
{
    if (returned)
        *returned = 0;
    DWORD error = RequestError(code);
    DWORD needed = OutputSize(code);
    if (error == 0 && (!out || outSize < needed))
        error = ERROR_INSUFFICIENT_BUFFER;
    if (error != 0) {
        testhw::LogCall("DeviceIoControl 0x%lX -> error 0x%lX", static_cast<unsigned long>(code),
                        static_cast<unsigned long>(error));
        SetLastError(error);
        return FALSE;
    }
    if (code == diag::kRequestConfig) {
        diag::ConfigRecord record = CurrentRecord();
        memcpy(out, record.bytes, needed);
    } else {
        memset(out, 0, needed);
    }
    if (returned)
        *returned = needed;
    testhw::LogCall("DeviceIoControl 0x%lX -> ok", static_cast<unsigned long>(code));
    return TRUE;
}

// Keeps the entries' types in step with the ones the tool calls.
[[maybe_unused]] constexpr diag::DeviceStandInOpen kOpenType = &KxDeviceOpen;
[[maybe_unused]] constexpr diag::DeviceStandInControl kControlType = &KxDeviceControl;
