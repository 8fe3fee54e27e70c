// The test back-end of the bridge: the five tests return the codes the
// Device key configures, and OvlClass gives back its two words.
#include "call_log.h"
#include "device_settings.h"
#include "test_backend.h"

namespace {

// The 16-bit library's functions by index.
struct TestFunction {
    const char* name;
    const testhw::DeviceValue* result;
};
constexpr TestFunction kTests[] = {
    {"OvlTestMemory", &testhw::kTestMemory},       {"OvlTestInterrupt", &testhw::kTestInterrupt},
    {"OvlTestConnector", &testhw::kTestConnector}, {"OvlTestInterface", &testhw::kTestInterface},
    {"OvlGetInitStatus", &testhw::kInitStatus},
};
constexpr UINT kClassIndex = 5;

}  // namespace

extern "C" DWORD WINAPI KxHwTestCall(UINT index, WORD first, WORD second, DWORD third)
{
    if (index == kClassIndex) {
        DWORD result = MAKELONG(first, second);
        testhw::LogCall("OvlClass 0x%04X 0x%04X 0x%08lX -> 0x%08lX", first, second, static_cast<unsigned long>(third),
                        static_cast<unsigned long>(result));
        return result;
    }
    if (index >= sizeof kTests / sizeof kTests[0]) {
        testhw::LogCall("unknown function %u", index);
        return 0xFFFF;
    }
    // The configured value as the 16-bit side would leave it: the code in the
    // low word, whatever the registry holds above it.
    DWORD result = testhw::ReadDeviceValue(*kTests[index].result);
    testhw::LogCall("%s -> 0x%08lX", kTests[index].name, static_cast<unsigned long>(result));
    return result;
}

// Keeps the entry's type in step with the one the bridge calls.
[[maybe_unused]] constexpr diagbridge::TestBackendEntry kEntryType = &KxHwTestCall;
