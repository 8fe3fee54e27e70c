// The hook library's shared section as the test process sees it: found in
// the loaded module's section table, read through the library's own layout.
#pragma once

#include "shared_fields.h"

namespace hook_test {

// The fields, or null when the module or its ".MYSEC" section is missing
// (or is too small for them).
const volatile htvchook::SharedFields* SharedSection();

} // namespace hook_test
