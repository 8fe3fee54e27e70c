// The library's own module: the instance its dialogs, texts and window class
// belong to (texts load with framework::LoadText from this module).
#pragma once
#include <windows.h>

namespace htfx {

HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);

}  // namespace htfx
