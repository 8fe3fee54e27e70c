// The behaviour of the simulated card's test hardware, read from
// HKLM\Software\KX310\Simulated Card\Device (all REG_DWORD) at every request,
// so that a test or a person can change it between two requests.
#pragma once
#include <windows.h>

namespace testhw {

constexpr char kDeviceKey[] = "Software\\KX310\\Simulated Card\\Device";

struct DeviceValue {
    const char* name;
    DWORD fallback;   // used when the value is absent or not a REG_DWORD
};

// The device query driver can be opened (0: it cannot).
constexpr DeviceValue kPresent{"Present", 1};
// The resources the card was given.
constexpr DeviceValue kIoBase{"IoBase", 0x300};
constexpr DeviceValue kIoLength{"IoLength", 0x20};
constexpr DeviceValue kIrq{"Irq", 5};
constexpr DeviceValue kMemBase{"MemBase", 0xD0000};
constexpr DeviceValue kMemLength{"MemLength", 0x8000};
// The error each request fails with (0: success).
constexpr DeviceValue kConfigError{"ConfigError", 0};
constexpr DeviceValue kIoCheckError{"IoCheckError", 0};
constexpr DeviceValue kIrqCheckError{"IrqCheckError", 0};
constexpr DeviceValue kMemCheckError{"MemCheckError", 0};
// What each of the five tests returns (the code is the low 16 bits).
constexpr DeviceValue kInitStatus{"InitStatus", 0};
constexpr DeviceValue kTestInterface{"TestInterface", 0};
constexpr DeviceValue kTestConnector{"TestConnector", 0};
constexpr DeviceValue kTestInterrupt{"TestInterrupt", 0};
constexpr DeviceValue kTestMemory{"TestMemory", 0};

// The value as it is in the registry now, or its fallback.
DWORD ReadDeviceValue(const DeviceValue& value);

}  // namespace testhw
