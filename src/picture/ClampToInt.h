#pragma once

#include <algorithm>
#include <climits>

// Drawing works out edges in 64 bits so that absurd skin values cannot overflow; the result is then
// held to the 32-bit range the canvas takes.
inline int ClampToInt(long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}
