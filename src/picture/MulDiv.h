#pragma once

#include "picture/ClampToInt.h"

#include <cstdint>

// number × numerator / denominator worked out in 64 bits, rounded half away from zero and held to the
// 32-bit range; font sizes are converted between points and pixels with it. A zero denominator gives -1.
inline int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    const std::int64_t product = std::int64_t(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t divisor = denominator < 0 ? -std::int64_t(denominator) : denominator;
    const std::int64_t quotient = (magnitude + divisor / 2) / divisor;
    return ClampToInt(negative ? -quotient : quotient);
}
