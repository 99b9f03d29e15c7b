// Exact amounts in whole units of a decimal place (cents, thousandths of a per cent): read from
// the text a box or an option holds, and written back, with no binary fraction in between.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace hl {

/// Whole cents as "1234.56" (a minus sign before a negative amount).
std::string CentsText(std::int64_t cents);

/// A number as the boxes and options take it ("1234", "1234.5", ".5": digits and at most one
/// "."), to `decimals` places, rounded half up beyond them, as a whole count of those places:
/// ("6.0005", 3) gives 6001. Nothing for anything else, or a number too large to hold.
std::optional<std::int64_t> FixedValue(const std::string& text, int decimals);

} // namespace hl
