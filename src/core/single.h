// Single-precision arithmetic as the mortgage figures need it: each step computed in double and
// rounded to a 32-bit float before it is used again; conversions to integers round halves to even.
#pragma once

#include <cmath>
#include <cstdint>

namespace hl {

using Single = float;           ///< every amount of money, rate and number of years
using Money = float;            ///< dollars, held as a single
using DayNumber = std::int32_t; ///< days since 30 December 1899; 0 means "no date"

namespace sgl {

/// Rounds a double result to single precision.
inline Single Round(double x) { return static_cast<Single>(x); }

inline Single Add(Single a, Single b) {
    return Round(static_cast<double>(a) + static_cast<double>(b));
}
inline Single Sub(Single a, Single b) {
    return Round(static_cast<double>(a) - static_cast<double>(b));
}
inline Single Mul(Single a, Single b) {
    return Round(static_cast<double>(a) * static_cast<double>(b));
}
inline Single Div(Single a, Single b) {
    return Round(static_cast<double>(a) / static_cast<double>(b));
}
inline Single Pow(Single a, Single b) {
    return Round(std::pow(static_cast<double>(a), static_cast<double>(b)));
}
/// Integer part, rounding down (so -1.5 gives -2), as a single.
inline Single IntPart(Single a) { return Round(std::floor(static_cast<double>(a))); }

/// Nearest whole number, an exact half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline double RoundHalfEven(double x) { return std::nearbyint(x); }

/// Converts to a 32-bit integer, halves to even; out-of-range values saturate.
inline std::int32_t ToInt32(double x) {
    const double r = RoundHalfEven(x);
    if (!(r == r))
        return 0;
    if (r >= 2147483647.0)
        return INT32_MAX;
    if (r <= -2147483648.0)
        return INT32_MIN;
    return static_cast<std::int32_t>(r);
}

/// Converts to a 16-bit integer, halves to even; out-of-range values saturate.
inline std::int16_t ToInt16(double x) {
    const double r = RoundHalfEven(x);
    if (!(r == r))
        return 0;
    if (r >= 32767.0)
        return INT16_MAX;
    if (r <= -32768.0)
        return INT16_MIN;
    return static_cast<std::int16_t>(r);
}

/// Cuts a value down to whole cents, never up: (integer part of x * 100) / 100, each step a single.
inline Single CutToCents(Single x) { return Div(IntPart(Mul(x, 100.0f)), 100.0f); }

} // namespace sgl
} // namespace hl
