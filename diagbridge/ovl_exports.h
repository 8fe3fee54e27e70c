// The bridge's exports as its callers declare them.  In the export table
// they carry the decorated names of the standard call (_OvlClass@12 ...),
// on both builds; the import library maps these declarations onto them.
#pragma once
#include <windows.h>

#ifdef KX310D32_BUILD
#define KX310D32_API
#else
#define KX310D32_API __declspec(dllimport)
#endif

extern "C" {
// Hands the card's resources to the test library (the input/output base and
// interrupt request as words); the tool ignores the result.
KX310D32_API DWORD WINAPI OvlClass(DWORD ioBase, DWORD irq, DWORD memBase);
// The five tests: 0 passed, 1 to 12 a failure, widened from 16 bits.
KX310D32_API DWORD WINAPI OvlGetInitStatus();
KX310D32_API DWORD WINAPI OvlTestInterface();
KX310D32_API DWORD WINAPI OvlTestConnector();
KX310D32_API DWORD WINAPI OvlTestInterrupt();
KX310D32_API DWORD WINAPI OvlTestMemory();
}
