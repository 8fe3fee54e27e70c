#include "test_run.h"

namespace diag {
namespace {

int SignedCode(std::uint32_t result) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(result)); }

}  // namespace

int RunHardwareTests(TestRunTarget& target, const ConfigRecord& record)
{
    target.Class(record.IoBase(), record.Irq(), record.MemBase());
    target.SetProgress(1);
    int code = SignedCode(target.GetInitStatus());
    target.SetProgress(2);
    std::uint32_t (TestRunTarget::*const tests[])() = {&TestRunTarget::TestInterface, &TestRunTarget::TestConnector,
                                                       &TestRunTarget::TestInterrupt, &TestRunTarget::TestMemory};
    int position = 3;
    for (auto test : tests) {
        if (code == 0)
            code = SignedCode((target.*test)());
        target.SetProgress(position++);
    }
    return code;
}

unsigned ResultStringId(int code)
{
    if (code < 0 || code > kLastResultCode)
        return 0;
    return kFirstResultString + static_cast<unsigned>(code);
}

}  // namespace diag
