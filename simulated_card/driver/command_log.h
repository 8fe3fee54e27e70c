// Optional command log for tests and diagnosis: when the environment
// variable KX310MCI_LOG names a file, every command is appended to it as one
// line: the verb, its decoded parameters, the result code and any reply.
#pragma once

#include <string>

namespace kxmci {

void LogCommand(const std::string& line);

} // namespace kxmci
