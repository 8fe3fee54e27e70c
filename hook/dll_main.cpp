// Library load, in the caller's process and in every process the hook is
// loaded into: the message id is the same in all of them, so each load
// stores it again.
#include <windows.h>

#include "shared_fields.h"
#include "update_message.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        htvchook::Shared().messageId = RegisterWindowMessageA(htvchook::kUpdateVideoMessage);
    }
    return TRUE;
}
