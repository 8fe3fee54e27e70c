// Library load: remember the module (the instance of its dialogs, texts and
// window class) and put the Windows services in place.
#include <windows.h>

#include "module.h"
#include "win_services.h"

namespace {
htfx::WinServices g_services;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        htfx::SetModuleInstance(instance);
        htfx::InstallServices(&g_services);
    } else if (reason == DLL_PROCESS_DETACH) {
        htfx::InstallServices(nullptr);
    }
    return TRUE;
}
