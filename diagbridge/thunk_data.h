// The 32-bit half of the flat thunk's connection data, exported as
// thk_ThunkData32.  The platform reads and completes it when the thunk is
// connected; the library's own code never writes it.
#pragma once
#include <cstddef>
#include <cstdint>

namespace diagbridge {

#pragma pack(push, 1)
struct ThunkData32 {
    char signature[4];        // "LS01"
    std::uint32_t checkValue; // must match the 16-bit half's
    std::uint32_t reserved0;
    char linkSignature[4];    // "LB01"
    std::uint8_t reserved1[12];
    std::uint32_t field28;    // 0x24
    std::uint32_t field32;    // 0x44
    std::uint8_t callThrough[64];  // code written by the platform at connection time
    char library16[16];       // "Kx310D16.DLL", zero-padded
    char library32[16];       // "Kx310D32.DLL", zero-padded
};
#pragma pack(pop)

constexpr std::uint32_t kThunkCheckValue = 0x00005F0C;
constexpr std::uint8_t kCallThroughFill = 0xCC;

static_assert(sizeof(ThunkData32) == 132, "the connection data is 132 bytes");
static_assert(offsetof(ThunkData32, signature) == 0);
static_assert(offsetof(ThunkData32, checkValue) == 4);
static_assert(offsetof(ThunkData32, reserved0) == 8);
static_assert(offsetof(ThunkData32, linkSignature) == 12);
static_assert(offsetof(ThunkData32, reserved1) == 16);
static_assert(offsetof(ThunkData32, field28) == 28);
static_assert(offsetof(ThunkData32, field32) == 32);
static_assert(offsetof(ThunkData32, callThrough) == 36);
static_assert(offsetof(ThunkData32, library16) == 100);
static_assert(offsetof(ThunkData32, library32) == 116);

// Indexes of the six functions in the 16-bit library.
enum class Function16 : std::uint8_t {
    TestMemory = 0,
    TestInterrupt = 1,
    TestConnector = 2,
    TestInterface = 3,
    GetInitStatus = 4,
    Class = 5,
};

// What the 16-bit side receives of a 32-bit argument given as a word.
constexpr std::uint16_t LowWord(std::uint32_t value) { return static_cast<std::uint16_t>(value & 0xFFFF); }
// A test's 16-bit code as the 32-bit caller gets it: widened with zeros.
constexpr std::uint32_t WidenCode(std::uint32_t raw) { return raw & 0xFFFF; }

}  // namespace diagbridge
