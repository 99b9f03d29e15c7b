// Display formats: digit patterns such as "######0.00" and date patterns such as "mmm d yyyy",
// and the numeric value of what a user typed into a box.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/single.h"

namespace hl {

/// Formats a number with a digit pattern: "0" a digit always shown, "#" a digit shown only when
/// significant, "." the decimal point. Rounds to the pattern's decimals (halves away from zero),
/// no thousands separators, a leading "-" for negatives. FormatNumber(894.49f, "######0.00")
/// gives "894.49"; FormatNumber(0.5, "#0.000") gives "0.500".
std::string FormatNumber(double value, std::string_view pattern);

/// Formats a day number with a date pattern: "mmm d yyyy" (Mar 24 1992), "mmm d, yyyy"
/// (Mar 24, 1992), "mmm dd yy" (Mar 04 92), "mmm dd yyyy", "mmm yy" (Mar 92), "mmmm" the full
/// name. Months are the English names (three letters for "mmm") unless a translator is installed
/// (TrText, context "Months"): a French program shows "mars 24 1992", "janv. 5 1993".
std::string FormatDate(DayNumber day, std::string_view pattern);

/// The numeric value of a text box: its leading number ("12.5.7" reads 12.5, "  7x" reads 7),
/// 0 when it has none (an empty box reads 0).
double TextValue(std::string_view text);

/// Reads a date as a user types it into a date box: "Jan 1 93", "mar 24 92", "Mar 24, 1992",
/// "March 24 1992", "24 Mar 1992", "3/24/92", "1992-03-24", in any letter case; the French names
/// too, full or abbreviated, with or without accents ("janv. 5 2024", "févr 3 24", "aout 15
/// 2002", "5 décembre 2024"), whatever the program's language. Two-digit years 30-99 are
/// 1930-1999 and 00-29 are 2000-2029. Impossible dates and garbage give nothing.
std::optional<DayNumber> ParseDate(std::string_view text);

} // namespace hl
