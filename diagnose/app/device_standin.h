// The user-mode stand-in of the device query driver that the simulated card
// brings: the tool reaches it when the driver cannot be opened and the stand-in
// is installed.  Its two entries behave as CreateFile and DeviceIoControl of
// the driver do: failures report FALSE with the error as the last error.
#pragma once
#include <windows.h>

namespace diag {

constexpr char kDeviceStandInLibrary[] = "kx310hw.dll";
constexpr char kDeviceStandInOpen[] = "KxDeviceOpen";
constexpr char kDeviceStandInControl[] = "KxDeviceControl";

using DeviceStandInOpen = BOOL(WINAPI*)();
// A request without input, as DeviceIoControl(device, code, nullptr, 0, out, outSize, returned, nullptr).
using DeviceStandInControl = BOOL(WINAPI*)(DWORD code, void* out, DWORD outSize, DWORD* returned);

}  // namespace diag
