// Number and date display formats, and the numeric value of a text box.
#include "core/format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "core/day_number.h"
#include "core/translate.h"

namespace hl {
namespace {

// What a digit pattern asks for: literal text around the digits, how many integer digits are
// always shown, and how many decimals are rounded to and always shown.
struct DigitPattern {
    std::string prefix;
    std::string suffix;
    int minIntegerDigits = 0; ///< the "0"s from the first "0" to the point
    bool point = false;
    int decimals = 0;    ///< every digit place after the point
    int minDecimals = 0; ///< up to the last "0" after the point; later "#"s drop trailing zeros
};

bool IsDigitPlace(char c) { return c == '0' || c == '#'; }

DigitPattern ParsePattern(std::string_view pattern) {
    DigitPattern p;
    std::size_t first = 0;
    while (first < pattern.size() && !IsDigitPlace(pattern[first]) && pattern[first] != '.')
        ++first;
    std::size_t last = pattern.size();
    while (last > first && !IsDigitPlace(pattern[last - 1]) && pattern[last - 1] != '.')
        --last;
    p.prefix = std::string(pattern.substr(0, first));
    p.suffix = std::string(pattern.substr(last));

    bool seenZero = false;
    for (std::size_t i = first; i < last; ++i) {
        const char c = pattern[i];
        if (c == '.') {
            p.point = true;
        } else if (!IsDigitPlace(c)) {
            continue; // stray characters among the digit places carry no meaning here
        } else if (!p.point) {
            seenZero = seenZero || c == '0';
            if (seenZero)
                ++p.minIntegerDigits;
        } else {
            ++p.decimals;
            if (c == '0')
                p.minDecimals = p.decimals;
        }
    }
    return p;
}

using Wide = unsigned __int128;

std::string WideDigits(Wide v) {
    if (v == 0)
        return "0";
    std::string s;
    while (v != 0) {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    }
    return s;
}

// Digits of |value| rounded to `decimals` places, halves away from zero, as one string of
// digits with the point implied `decimals` places from the right. The rounding is done on the
// exact binary value (mantissa and power of two) so that a float widened to double rounds the
// way its true value says, even at twelve decimals.
std::string RoundedDigits(double magnitude, int decimals) {
    constexpr int kMaxExact = 22; // 2^53 * 10^22 still fits in 128 bits
    if (decimals > kMaxExact || magnitude >= 9007199254740992.0) {
        // Whole numbers past 2^53 have no fraction to round; very long patterns are never
        // used for figures, and the library's correctly rounded text is close enough there.
        std::string s(400 + static_cast<std::size_t>(decimals), '\0');
        const auto res = std::to_chars(s.data(), s.data() + s.size(), magnitude,
                                       std::chars_format::fixed, decimals);
        s.resize(static_cast<std::size_t>(res.ptr - s.data()));
        std::string digits;
        for (char c : s)
            if (c != '.')
                digits += c;
        return digits;
    }
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent); // magnitude = fraction * 2^exponent
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int shift = 53 - exponent; // magnitude = mantissa / 2^shift, shift >= 0 here

    Wide scaled = mantissa;
    for (int i = 0; i < decimals; ++i)
        scaled *= 10;
    Wide rounded = 0;
    if (shift == 0) {
        rounded = scaled; // a whole number between 2^52 and 2^53
    } else if (shift < 128) {
        rounded = scaled >> shift;
        const Wide remainder = scaled - (rounded << shift);
        if (remainder >= (Wide{1} << (shift - 1)))
            ++rounded;
    } // otherwise scaled < 2^127 / 2^128 = one half, which rounds to 0
    return WideDigits(rounded);
}

} // namespace

std::string FormatNumber(double value, std::string_view pattern) {
    const DigitPattern p = ParsePattern(pattern);
    if (!std::isfinite(value))
        value = 0.0;

    std::string digits = RoundedDigits(std::fabs(value), p.decimals);
    if (digits.size() < static_cast<std::size_t>(p.decimals) + 1)
        digits.insert(0, static_cast<std::size_t>(p.decimals) + 1 - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - static_cast<std::size_t>(p.decimals));
    std::string decimals = digits.substr(whole.size());

    // A value that rounds to nothing prints without a sign: never "-0.00".
    const bool negative = value < 0.0 && digits.find_first_not_of('0') != std::string::npos;

    whole.erase(0, whole.find_first_not_of('0')); // "#" places drop leading zeros ...
    if (whole.size() < static_cast<std::size_t>(p.minIntegerDigits)) // ... "0" places keep them
        whole.insert(0, static_cast<std::size_t>(p.minIntegerDigits) - whole.size(), '0');
    while (decimals.size() > static_cast<std::size_t>(p.minDecimals) && decimals.back() == '0')
        decimals.pop_back();

    std::string out = p.prefix;
    if (negative)
        out += '-';
    out += whole;
    if (p.point)
        out += '.' + decimals;
    out += p.suffix;
    return out;
}

std::string FormatDate(DayNumber day, std::string_view pattern) {
    if (day <= 0)
        return {};
    // The names in the program's language: English on the command line and in files, the
    // Canadian French names and abbreviations in a French program's windows and reports.
    static constexpr std::array<const char*, 12> kMonthNames = {
        HL_TR_NOOP("Months", "January"),   HL_TR_NOOP("Months", "February"),
        HL_TR_NOOP("Months", "March"),     HL_TR_NOOP("Months", "April"),
        HL_TR_NOOP("Months", "May"),       HL_TR_NOOP("Months", "June"),
        HL_TR_NOOP("Months", "July"),      HL_TR_NOOP("Months", "August"),
        HL_TR_NOOP("Months", "September"), HL_TR_NOOP("Months", "October"),
        HL_TR_NOOP("Months", "November"),  HL_TR_NOOP("Months", "December")};
    static constexpr std::array<const char*, 12> kMonthAbbreviations = {
        HL_TR_NOOP("Months", "Jan"), HL_TR_NOOP("Months", "Feb"), HL_TR_NOOP("Months", "Mar"),
        HL_TR_NOOP("Months", "Apr"), HL_TR_NOOP("Months", "May"), HL_TR_NOOP("Months", "Jun"),
        HL_TR_NOOP("Months", "Jul"), HL_TR_NOOP("Months", "Aug"), HL_TR_NOOP("Months", "Sep"),
        HL_TR_NOOP("Months", "Oct"), HL_TR_NOOP("Months", "Nov"), HL_TR_NOOP("Months", "Dec")};
    const CivilDate date = CivilFromDay(day);
    auto twoDigits = [](int n) {
        std::string s = std::to_string(n % 100);
        return s.size() < 2 ? "0" + s : s;
    };

    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        const auto month = static_cast<std::size_t>(date.month - 1);
        if (c == 'm') {
            if (run >= 4)
                out += TrText("Months", kMonthNames[month]);
            else if (run == 3)
                out += TrText("Months", kMonthAbbreviations[month]);
            else if (run == 2)
                out += twoDigits(date.month);
            else
                out += std::to_string(date.month);
        } else if (c == 'd') {
            out += run >= 2 ? twoDigits(date.day) : std::to_string(date.day);
        } else if (c == 'y') {
            out += run >= 3 ? std::to_string(date.year) : twoDigits(date.year);
        } else {
            out.append(run, c);
        }
        i += run;
    }
    return out;
}

double TextValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string number;
    bool point = false;
    bool integerDigits = false; // a nonzero digit before the point: overflow, not underflow
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            integerDigits = integerDigits || (!point && c != '0');
            number += c;
        } else if (c == '.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    if (number.find_first_of("0123456789") == std::string::npos)
        return 0.0;
    if (number.front() == '.')
        number.insert(number.begin(), '0');

    double value = 0.0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    if (res.ec == std::errc::result_out_of_range)
        value = integerDigits ? HUGE_VAL : 0.0;
    if (value == 0.0)
        return 0.0;
    return negative ? -value : value;
}

} // namespace hl
