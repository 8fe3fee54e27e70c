#include "module.h"

namespace htfx {

namespace {
HINSTANCE g_instance = nullptr;
}

HINSTANCE ModuleInstance()
{
    if (!g_instance) {
        // Linked into a program (tests): the module holding this code.
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(&ModuleInstance), &g_instance);
    }
    return g_instance;
}

void SetModuleInstance(HINSTANCE instance)
{
    g_instance = instance;
}

}  // namespace htfx
