// The assessment's questions answered by the system: the registry's device
// tree (CDeviceScan) and the device query driver (CDeviceQuery).
#pragma once
#include "assessment.h"
#include "device_query.h"
#include "device_scan.h"

class CCardSource : public diag::AssessmentSource {
public:
    explicit CCardSource(CDeviceQuery& device) : device_(device) {}

    bool OpenDevice() override { return device_.Open(); }
    long ScanDevices(std::vector<std::string>& keys) override;
    int ProblemOf(const std::string& key) override;
    diag::RequestResult Request(std::uint32_t code, diag::ConfigRecord& record) override;

private:
    CDeviceQuery& device_;
    CDeviceScan scan_;
};
