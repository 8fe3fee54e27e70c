// The requests of the device query driver and the errors the tool looks at.
#pragma once
#include <cstdint>

namespace diag {

constexpr std::uint32_t kRequestConfig = 0x8006;    // fills the configuration record (216 bytes)
constexpr std::uint32_t kRequestIoCheck = 0x8001;   // checks the input/output range (2 bytes out)
constexpr std::uint32_t kRequestIrqCheck = 0x8004;  // checks the interrupt request (1 byte out)
constexpr std::uint32_t kRequestMemCheck = 0x8002;  // checks the memory range (4 bytes out)

constexpr std::uint32_t kErrorNoConfig = 0x2007;     // the device has no configuration
constexpr std::uint32_t kErrorFailure = 0x2009;      // interrupt request or memory range failure
constexpr std::uint32_t kErrorIoAnswered = 0x200B;   // the input/output range answers
constexpr std::uint32_t kErrorMemInUse = 0x200C;     // the memory range is in use by the system

}  // namespace diag
