#include "thunk_link.h"
#include "test_backend.h"

extern "C" diagbridge::ThunkData32 thk_ThunkData32;

namespace diagbridge {
namespace {

using ThunkConnect32Entry = BOOL(WINAPI*)(void* thunkData, const char* name16, const char* library16,
                                          const char* library32, HINSTANCE self, DWORD reason);

bool thunkConnected = false;
HMODULE backendLibrary = nullptr;
TestBackendEntry backendEntry = nullptr;

ThunkConnect32Entry FindThunkConnect()
{
    HMODULE kernel = GetModuleHandleA("KERNEL32");
    return kernel ? reinterpret_cast<ThunkConnect32Entry>(GetProcAddress(kernel, "ThunkConnect32")) : nullptr;
}

bool LoadBackend()
{
    UINT oldMode = SetErrorMode(SEM_NOOPENFILEERRORBOX | SEM_FAILCRITICALERRORS);
    backendLibrary = LoadLibraryA(kTestBackendLibrary);
    SetErrorMode(oldMode);
    if (!backendLibrary)
        return false;
    backendEntry = reinterpret_cast<TestBackendEntry>(GetProcAddress(backendLibrary, kTestBackendEntry));
    if (!backendEntry) {
        FreeLibrary(backendLibrary);
        backendLibrary = nullptr;
        return false;
    }
    return true;
}

#if defined(__i386__)
// The platform's call-through code at offset 36 takes the function index in
// CL and the 16-bit arguments on the stack in the 16-bit library's order
// (first argument pushed first), removes them, and leaves the 16-bit result
// in DX:AX.
DWORD CallThrough(Function16 index, WORD first, WORD second, DWORD third, bool withArguments)
{
    void* target = thk_ThunkData32.callThrough;
    DWORD low = 0;
    DWORD high = 0;
    BYTE function = static_cast<BYTE>(index);
    if (withArguments) {
        __asm__ volatile("pushw %w[first]\n\t"
                         "pushw %w[second]\n\t"
                         "pushl %[third]\n\t"
                         "movb %[function], %%cl\n\t"
                         "call *%[target]\n\t"
                         : "=a"(low), "=d"(high)
                         : [first] "r"(first), [second] "r"(second), [third] "r"(third),
                           [function] "q"(function), [target] "r"(target)
                         : "ecx", "memory", "cc");
    } else {
        __asm__ volatile("movb %[function], %%cl\n\t"
                         "call *%[target]\n\t"
                         : "=a"(low), "=d"(high)
                         : [function] "q"(function), [target] "r"(target)
                         : "ecx", "memory", "cc");
    }
    return (high << 16) | (low & 0xFFFF);
}
#endif

}  // namespace

bool ConnectForReason(HINSTANCE self, DWORD reason)
{
    if (ThunkConnect32Entry connect = FindThunkConnect()) {
        bool ok = connect(&thk_ThunkData32, "thk_ThunkData16", "Kx310D16.DLL", "Kx310D32.DLL", self, reason) != FALSE;
        if (reason == DLL_PROCESS_ATTACH)
            thunkConnected = ok;
        return ok;
    }
    // No flat thunk on this system: the test back-end takes its place, and a
    // missing back-end fails the load as a failed connection would.
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        return LoadBackend();
    case DLL_PROCESS_DETACH:
        if (backendLibrary)
            FreeLibrary(backendLibrary);
        backendLibrary = nullptr;
        backendEntry = nullptr;
        return true;
    default:
        return true;
    }
}

DWORD Call16(Function16 index, WORD first, WORD second, DWORD third)
{
#if defined(__i386__)
    if (thunkConnected)
        return CallThrough(index, first, second, third, index == Function16::Class);
#endif
    if (backendEntry)
        return backendEntry(static_cast<UINT>(index), first, second, third);
    return 0;
}

}  // namespace diagbridge
