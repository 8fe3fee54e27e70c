// The driver's replies to the setup tool's queries: decimal integers
// separated by blanks.
#pragma once

namespace setup {

// The n-th number (counted from 1) of `reply`; false when the reply holds
// fewer numbers, or something other than a number comes first.
bool ReplyNumber(const char* reply, int n, long& value);

}  // namespace setup
