// Day numbers: dates held as a count of days from 30 December 1899 (1 January 1996 is 35065).
#pragma once

#include "core/single.h"

namespace hl {

struct CivilDate {
    int year = 1899;
    int month = 12; ///< 1 to 12
    int day = 30;   ///< 1 to 31
    bool operator==(const CivilDate&) const = default;
};

/// The years the date boxes accept: two-digit years are 1930 to 2029, four-digit ones 1900 to
/// 2099. A study's start date lies within them.
inline constexpr int kFirstDateYear = 1900;
inline constexpr int kLastDateYear = 2099;

/// A day number computed in a wider type, held to the range of a DayNumber: dates far outside
/// any calendar stop at its ends instead of wrapping round.
DayNumber ClampedDay(long long days);

/// Day number of a date on the real (Gregorian) calendar. Days past the month's end roll on
/// into the next month, so (2100, 2, 29) is 1 March 2100.
DayNumber DayFromCivil(int year, int month, int day);

/// Year, month and day of a day number on the real calendar.
CivilDate CivilFromDay(DayNumber d);

/// True when the date exists on the real calendar.
bool IsValidCivil(int year, int month, int day);

/// True for a leap year of the real calendar: divisible by 4, centuries only when divisible by
/// 400 (2000 is one, 1900 and 2100 are not).
bool IsLeapYear(int year);

/// Month lengths of the payment calendar, the real calendar's: a loan running past February
/// 2100 keeps its payment dates.
int CalendarMonthLength(int month, int year);

/// Today's date on this machine.
DayNumber Today();

} // namespace hl
