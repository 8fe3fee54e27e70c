// The device configuration record the device query driver fills (request
// 0x8006): 216 bytes, packed, little-endian, in the layout of the Windows 95
// Configuration Manager's CMCONFIG.  Only the first memory window, the first
// input/output range and the first interrupt request are used.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace diag {

constexpr std::size_t kConfigRecordSize = 216;

// Offsets of the fields used.
constexpr std::size_t kMemWindowCount = 0;    // 16 bits
constexpr std::size_t kMemBase = 2;           // 32 bits
constexpr std::size_t kMemLength = 38;        // 32 bits
constexpr std::size_t kIoPortCount = 92;      // 16 bits
constexpr std::size_t kIoBase = 94;           // 16 bits
constexpr std::size_t kIoLength = 134;        // 16 bits
constexpr std::size_t kIrqCount = 174;        // 16 bits
constexpr std::size_t kIrq = 176;             // 8 bits

struct ConfigRecord {
    std::uint8_t bytes[kConfigRecordSize] = {};

    std::uint32_t Read(std::size_t offset, std::size_t width) const
    {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < width; ++i)
            value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
        return value;
    }
    void Write(std::size_t offset, std::size_t width, std::uint32_t value)
    {
        for (std::size_t i = 0; i < width; ++i)
            bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }

    std::uint32_t MemBase() const { return Read(kMemBase, 4); }
    std::uint32_t MemLength() const { return Read(kMemLength, 4); }
    std::uint16_t IoBase() const { return static_cast<std::uint16_t>(Read(kIoBase, 2)); }
    std::uint16_t IoLength() const { return static_cast<std::uint16_t>(Read(kIoLength, 2)); }
    std::uint8_t Irq() const { return bytes[kIrq]; }
};

}  // namespace diag
