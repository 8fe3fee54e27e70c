// The bridge's connection to the 16-bit test library: the platform's flat
// thunk where KERNEL32 has ThunkConnect32, else the test back-end.
#pragma once
#include "thunk_data.h"
#include <windows.h>

namespace diagbridge {

// Called for every load and unload notification; false fails the load.
bool ConnectForReason(HINSTANCE self, DWORD reason);

// Calls the 16-bit function `index` with the given words and 32-bit value
// (OvlClass) or none (the tests); returns what the 16-bit side left.
DWORD Call16(Function16 index, WORD first, WORD second, DWORD third);

}  // namespace diagbridge
