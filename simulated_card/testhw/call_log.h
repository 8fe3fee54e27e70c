// The test hardware's call log: with KX310DIAG_LOG naming a file, every call
// appends one line to it (the function and its arguments as received).
#pragma once

namespace testhw {

// Appends `format` (printf style) and a line break; nothing without the variable.
void LogCall(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace testhw
