#include "buffer_check.h"

#include <windows.h>

#include <cstdint>

namespace kxmci {

namespace {

constexpr DWORD kWritable = PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
constexpr DWORD kReadable = kWritable | PAGE_READONLY | PAGE_EXECUTE_READ;

bool RangeHas(const void* address, std::size_t size, DWORD access)
{
    auto start = reinterpret_cast<std::uintptr_t>(address);
    if (start == 0 || size == 0 || start + size < start)
        return false;
    const std::uintptr_t end = start + size;
    std::uintptr_t at = start;
    while (at < end) {
        MEMORY_BASIC_INFORMATION info{};
        if (VirtualQuery(reinterpret_cast<const void*>(at), &info, sizeof info) != sizeof info)
            return false;
        if (info.State != MEM_COMMIT || (info.Protect & (PAGE_GUARD | PAGE_NOACCESS)) != 0 ||
            (info.Protect & access) == 0)
            return false;
        at = reinterpret_cast<std::uintptr_t>(info.BaseAddress) + info.RegionSize;
    }
    return true;
}

} // namespace

bool IsReadableRange(const void* address, std::size_t size) { return RangeHas(address, size, kReadable); }
bool IsWritableRange(void* address, std::size_t size) { return RangeHas(address, size, kWritable); }

} // namespace kxmci
