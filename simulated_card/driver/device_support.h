// Small helpers shared by the device's command handlers (device*.cpp).
#pragma once

#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <mutex>
#include <string>

namespace kxmci {

using Lock = std::lock_guard<std::mutex>;

inline int CountBits(DWORD v)
{
    int n = 0;
    for (; v; v &= v - 1)
        ++n;
    return n;
}

// Words compare without regard to case: Wine lower-cases whole commands,
// Windows hands them over as the program wrote them ("DIB").
inline bool SameWord(const std::wstring& a, const wchar_t* b) { return _wcsicmp(a.c_str(), b) == 0; }

// A buffer address as the command gives it: 32 bits on every version.
inline void* BufferAddress(DWORD address) { return reinterpret_cast<void*>(static_cast<std::uintptr_t>(address)); }

} // namespace kxmci
