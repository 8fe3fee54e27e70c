// Multiply, then divide with rounding to nearest (halves away from zero), as
// the system's MulDiv does; a zero divisor gives -1.
#pragma once
#include <cstdint>

namespace htfx {

inline int MulDiv(int multiplicand, int multiplier, int divisor)
{
    if (divisor == 0)
        return -1;
    if (divisor < 0) {
        multiplicand = -multiplicand;
        divisor = -divisor;
    }
    const int64_t product = int64_t(multiplicand) * multiplier;
    const bool positive = (multiplicand < 0) == (multiplier < 0);
    const int64_t result = (positive ? product + divisor / 2 : product - divisor / 2) / divisor;
    if (result > 2147483647 || result < -2147483647)
        return -1;
    return int(result);
}

inline int Clamp255(int value)
{
    return value < 0 ? 0 : value > 255 ? 255 : value;
}

}  // namespace htfx
