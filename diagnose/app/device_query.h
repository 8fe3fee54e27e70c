// The device query driver: "\\.\vkx310d.vxd", opened as a dynamically
// loaded virtual device driver and asked with device-control requests.  When
// it cannot be opened and the simulated card's stand-in is installed, the
// same requests go to the stand-in (on NT-family systems the driver's
// requests, which carry write access in their codes, are refused on a handle
// opened without access rights, so no kernel driver can answer them).
#pragma once
#include "assessment.h"
#include "device_standin.h"
#include "handles.h"

class CDeviceQuery {
public:
    CDeviceQuery() = default;
    ~CDeviceQuery();
    CDeviceQuery(const CDeviceQuery&) = delete;
    CDeviceQuery& operator=(const CDeviceQuery&) = delete;

    // Opens the driver, else the stand-in; false when neither opens.
    bool Open();
    bool IsOpen() const { return device_ != nullptr || standInControl_ != nullptr; }
    // A request without input into `out`; the error is the last error of a failure.
    diag::RequestResult Request(DWORD code, void* out, DWORD outSize);
    // Closes the driver (unloading it) or lets the stand-in go.
    void Close();

private:
    bool OpenStandIn();

    framework::KernelHandle device_;
    HMODULE standIn_ = nullptr;
    diag::DeviceStandInControl standInControl_ = nullptr;
};
