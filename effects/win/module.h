// The library's own module: the instance its dialogs, texts and window class
// belong to.
#pragma once
#include <windows.h>

#include <string>

namespace htfx {

HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);
// A text of the library's string table.
std::string LoadText(UINT id);

}  // namespace htfx
