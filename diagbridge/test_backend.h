// The test back-end that stands in for the 16-bit test library where the
// system has no flat thunk (every NT-family Windows, 64-bit Wine): one entry
// that takes the 16-bit function's index and its arguments as the 16-bit side
// receives them, and returns what that function leaves (for the five tests
// the code is its low word).
#pragma once
#include <windows.h>

namespace diagbridge {

constexpr char kTestBackendLibrary[] = "kx310hw.dll";
constexpr char kTestBackendEntry[] = "KxHwTestCall";

// index: a Function16 value; first and second: the two words of OvlClass,
// third: its 32-bit memory base (all 0 for the tests).
using TestBackendEntry = DWORD(WINAPI*)(UINT index, WORD first, WORD second, DWORD third);

}  // namespace diagbridge
