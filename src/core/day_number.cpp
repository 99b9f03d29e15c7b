// Day number conversions, using the proleptic Gregorian calendar.
#include "core/day_number.h"

#include <cstdint>
#include <ctime>

namespace hl {
namespace {

// Days from 1 January 1970, for any year (H. Hinnant's civil calendar algorithm).
long long DaysFromEpoch(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

constexpr long long kEpochOffset = 25569; // day number of 1 January 1970

} // namespace

DayNumber DayFromCivil(int year, int month, int day) {
    long long y = year + (month - 1) / 12;
    int m = (month - 1) % 12;
    if (m < 0) {
        m += 12;
        --y;
    }
    const long long days = DaysFromEpoch(y, static_cast<unsigned>(m + 1), 1) + kEpochOffset +
                           (static_cast<long long>(day) - 1);
    return ClampedDay(days);
}

DayNumber ClampedDay(long long days) {
    if (days > INT32_MAX)
        return INT32_MAX;
    if (days < INT32_MIN)
        return INT32_MIN;
    return static_cast<DayNumber>(days);
}

CivilDate CivilFromDay(DayNumber dn) {
    long long z = static_cast<long long>(dn) - kEpochOffset + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

bool IsValidCivil(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || year < 1 || year > 9999)
        return false;
    const CivilDate c = CivilFromDay(DayFromCivil(year, month, day));
    return c.year == year && c.month == month && c.day == day;
}

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int CalendarMonthLength(int month, int year) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year))
        return 29;
    return kLengths[(month - 1 + 1200) % 12];
}

DayNumber Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DayFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

} // namespace hl
