// The tool's command line: "h=" followed by a help context number asks only
// for the product's help file at that context (any case of the key).
#pragma once
#include <string>

namespace diag {

// True when the command line holds "h=" in any case; `context` is then the
// decimal number after it (0 when no digits follow, saturated at the largest
// 32-bit value).
bool FindHelpRequest(const std::string& commandLine, unsigned long& context);

// The arguments of a whole process command line: what follows the program's
// own name (quoted or not) and the blanks after it.
std::string ArgumentsOf(const std::string& processCommandLine);

}  // namespace diag
