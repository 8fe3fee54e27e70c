// The type words of "save" and "copy" as the parser hands them over: the
// first word in the "type" text, the option words as flags and numbers.
// They are put back together as one lower-case text, "dib 8-bit gray rle".
#pragma once

#include <windows.h>

#include <string>

#include "params.h"

namespace kxmci {

std::string TypeWords(const wchar_t* type, DWORD flags, DWORD tiffOption, const Rect4* jpegOption);

std::string Narrow(const wchar_t* text);   // UTF-8; empty for null

} // namespace kxmci
