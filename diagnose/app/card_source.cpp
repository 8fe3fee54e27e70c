#include "card_source.h"
#include "device_requests.h"

long CCardSource::ScanDevices(std::vector<std::string>& keys)
{
    LONG error = scan_.Scan();
    keys.clear();
    for (std::size_t i = 0; i < scan_.Count(); ++i)
        keys.push_back(scan_.Key(i));
    return error;
}

int CCardSource::ProblemOf(const std::string& key)
{
    for (std::size_t i = 0; i < scan_.Count(); ++i)
        if (scan_.Key(i) == key)
            return scan_.LookUpProblem(i);
    return -1;
}

diag::RequestResult CCardSource::Request(std::uint32_t code, diag::ConfigRecord& record)
{
    // The checks' outputs are not used; each gets the size the driver expects.
    BYTE unused[4] = {};
    switch (code) {
    case diag::kRequestConfig:
        return device_.Request(code, record.bytes, sizeof record.bytes);
    case diag::kRequestIoCheck:
        return device_.Request(code, unused, 2);
    case diag::kRequestIrqCheck:
        return device_.Request(code, unused, 1);
    default:
        return device_.Request(code, unused, 4);
    }
}
