// The six exports: each hands its call to the 16-bit function of the same
// index, OvlClass with its first two arguments narrowed to words, the tests
// with their 16-bit codes widened with zeros.
#include "ovl_exports.h"
#include "thunk_link.h"

using diagbridge::Call16;
using diagbridge::Function16;
using diagbridge::LowWord;
using diagbridge::WidenCode;

extern "C" {

DWORD WINAPI OvlClass(DWORD ioBase, DWORD irq, DWORD memBase)
{
    return Call16(Function16::Class, LowWord(ioBase), LowWord(irq), memBase);
}

DWORD WINAPI OvlGetInitStatus() { return WidenCode(Call16(Function16::GetInitStatus, 0, 0, 0)); }
DWORD WINAPI OvlTestInterface() { return WidenCode(Call16(Function16::TestInterface, 0, 0, 0)); }
DWORD WINAPI OvlTestConnector() { return WidenCode(Call16(Function16::TestConnector, 0, 0, 0)); }
DWORD WINAPI OvlTestInterrupt() { return WidenCode(Call16(Function16::TestInterrupt, 0, 0, 0)); }
DWORD WINAPI OvlTestMemory() { return WidenCode(Call16(Function16::TestMemory, 0, 0, 0)); }

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    return diagbridge::ConnectForReason(self, reason) ? TRUE : FALSE;
}

}
