// Exact amounts read from and written to decimal text.
#include "core/exact_amount.h"

#include <algorithm>
#include <cstdio>

namespace hl {

std::string CentsText(std::int64_t cents) {
    const bool negative = cents < 0;
    const std::int64_t magnitude = negative ? -cents : cents;
    char text[40];
    std::snprintf(text, sizeof text, "%s%lld.%02lld", negative ? "-" : "",
                  static_cast<long long>(magnitude / 100), static_cast<long long>(magnitude % 100));
    return text;
}

std::optional<std::int64_t> FixedValue(const std::string& text, int decimals) {
    std::int64_t value = 0;
    int digits = 0;
    int after = -1; // digits read after the point; -1 before it
    bool roundUp = false;
    for (char c : text) {
        if (c == '.') {
            if (after >= 0)
                return std::nullopt;
            after = 0;
            continue;
        }
        if (c < '0' || c > '9')
            return std::nullopt;
        ++digits;
        if (after >= decimals) {
            // The first digit past the places decides the rounding, half up.
            if (after == decimals)
                roundUp = c >= '5';
            ++after;
            continue;
        }
        if (value > 100000000000000)
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (after >= 0)
            ++after;
    }
    if (digits == 0)
        return std::nullopt;
    for (int k = std::max(after, 0); k < decimals; ++k)
        value *= 10;
    return value + (roundUp ? 1 : 0);
}

} // namespace hl
