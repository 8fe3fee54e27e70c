#include "reply_numbers.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace setup {

bool ReplyNumber(const char* reply, int n, long& value)
{
    if (!reply || n < 1)
        return false;
    const char* p = reply;
    for (int i = 1; i <= n; ++i) {
        char* end = nullptr;
        errno = 0;
        long number = std::strtol(p, &end, 10);
        if (end == p || errno == ERANGE || number < INT_MIN || number > INT_MAX)
            return false;
        if (*end != '\0' && *end != ' ')
            return false;  // "12abc" is no number
        if (i == n) {
            value = number;
            return true;
        }
        p = end;
    }
    return false;
}

}  // namespace setup
