// Checks a caller's buffer address before the driver touches it: the whole
// range must be committed memory of this process with the needed access.
#pragma once

#include <cstddef>

namespace kxmci {

bool IsReadableRange(const void* address, std::size_t size);
bool IsWritableRange(void* address, std::size_t size);

} // namespace kxmci
