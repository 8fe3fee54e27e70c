// The hardware test run: OvlClass with the card's resources, then the five
// tests in order until the first that fails, the progress bar stepping
// through every position 1 to 6 either way.
#pragma once
#include "config_record.h"
#include <cstdint>

namespace diag {

// What a run calls: the bridge's six functions and the progress bar.
class TestRunTarget {
public:
    virtual ~TestRunTarget() = default;
    virtual std::uint32_t Class(std::uint32_t ioBase, std::uint32_t irq, std::uint32_t memBase) = 0;
    virtual std::uint32_t GetInitStatus() = 0;
    virtual std::uint32_t TestInterface() = 0;
    virtual std::uint32_t TestConnector() = 0;
    virtual std::uint32_t TestInterrupt() = 0;
    virtual std::uint32_t TestMemory() = 0;
    virtual void SetProgress(int position) = 0;
};

// Runs the tests with the resources of `record`; returns the result code
// (the 16-bit code of the first failing test read as signed, or 0).
int RunHardwareTests(TestRunTarget& target, const ConfigRecord& record);

// The status text's string entry for a result code: 151 + code for 0 to 12,
// 0 (no entry: the status text stays empty) for any other code.
unsigned ResultStringId(int code);

constexpr unsigned kFirstResultString = 151;
constexpr int kLastResultCode = 12;
constexpr int kProgressSteps = 6;

}  // namespace diag
