#include "render/RepeatedSum.h"

#include <algorithm>
#include <cmath>

namespace {

// Both normal floats of one sign with one exponent: sums that stay among them are rounded to one grid.
bool SameBinade(float a, float b) {
    return std::isnormal(a) && std::isnormal(b) && std::signbit(a) == std::signbit(b) &&
           std::ilogb(a) == std::ilogb(b);
}

// From value, every sum whose exact result lies in value's binade (edges included, both grid points)
// is rounded to value's grid, so it adds the same delta as the last one did. How many additions from
// value in a row keep their exact result there: the values and their sums, all multiples of a power of
// two within a span of fewer than 53 bits, are exact in double precision.
long long RegularAdditions(float value, float step, float delta) {
    const int exponent = std::ilogb(value);
    const double low = std::ldexp(1.0, exponent);
    const double high = std::ldexp(1.0, exponent + 1);
    const double start = std::fabs(static_cast<double>(value));
    const double stride = std::fabs(static_cast<double>(delta));
    const double reach = std::fabs(static_cast<double>(step));
    const bool growing = std::signbit(value) == std::signbit(delta);
    // Whether the addition made from the value after j regular ones stays in the binade.
    const auto regular = [&](long long j) {
        const double moved = static_cast<double>(j) * stride;
        return growing ? start + moved + reach <= high : start - moved - reach >= low;
    };
    const double room = growing ? high - start - reach : start - reach - low;
    if (room < 0.0)
        return 0;
    // The quotient is rounded; the exact test settles the last one either way.
    long long count = static_cast<long long>(std::floor(room / stride)) + 1;
    while (count > 0 && !regular(count - 1))
        --count;
    while (regular(count))
        ++count;
    return count;
}

} // namespace

float AddRepeatedly(float value, float step, long long count) {
    if (count <= 0)
        return value;
    // Adding zero changes at most the sign of a zero, once.
    if (step == 0.0f)
        return value + step;
    // The values move one way only, so they pass each binade once. Within one, a sum rounds to its grid:
    // once two additions in a row have added the same delta (a tie to even settles after the first),
    // every later one does while the sums stay there, and that run is taken at once. Only the few
    // additions at the edges of binades, and any near zero, are made one by one.
    while (count > 0) {
        const float next = value + step;
        --count;
        if (count == 0 || !SameBinade(value, next)) {
            value = next;
            continue;
        }
        const float after = next + step;
        --count;
        // Differences within one binade are exact.
        if (!SameBinade(next, after) || after - next != next - value) {
            value = after;
            continue;
        }
        const float delta = after - next;
        value = after;
        if (delta == 0.0f)
            return value; // each further sum rounds back to it
        const long long run = std::min(RegularAdditions(value, step, delta), count);
        value = static_cast<float>(static_cast<double>(value) + static_cast<double>(run) * delta);
        count -= run;
    }
    return value;
}
