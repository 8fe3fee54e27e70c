// How the command log (command_log.h) writes a command: its verb, the words
// of what it was given as the program would have typed them, " -> " and the
// result code, then any reply in brackets:
//   "put frame at 1 2 3 4 deferred -> 0", "get limit hue -> 0 [0 255]".
// Tests and the programs' own checks compare these lines exactly.
#pragma once

#include <windows.h>

#include <string>

namespace kxmci {

// `params` is the command's parameter block (params.h) or 0; `rc` is what
// the device returned for it.
std::string CommandLine(UINT message, DWORD flags, DWORD_PTR params, DWORD rc, const std::wstring& reply);

} // namespace kxmci
