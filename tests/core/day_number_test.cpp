// Day numbers against known dates, round trips, and the payment calendar's month lengths.
#include "core/day_number.h"

#include <gtest/gtest.h>

namespace hl {
namespace {

TEST(DayNumber, KnownDates) {
    EXPECT_EQ(DayFromCivil(1899, 12, 30), 0);
    EXPECT_EQ(DayFromCivil(1899, 12, 31), 1);
    EXPECT_EQ(DayFromCivil(1900, 1, 1), 2);
    // 1900 was not a leap year on the real calendar: 28 Feb is followed by 1 Mar.
    EXPECT_EQ(DayFromCivil(1900, 2, 28), 60);
    EXPECT_EQ(DayFromCivil(1900, 3, 1), 61);
    EXPECT_EQ(DayFromCivil(1996, 1, 1), 35065);
    EXPECT_EQ(DayFromCivil(1992, 3, 24), 33687);
    EXPECT_EQ(DayFromCivil(2000, 3, 1) - DayFromCivil(2000, 2, 28), 2);
    EXPECT_EQ(CivilFromDay(35065), (CivilDate{1996, 1, 1}));
    EXPECT_EQ(CivilFromDay(2), (CivilDate{1900, 1, 1}));
    EXPECT_EQ(CivilFromDay(0), (CivilDate{1899, 12, 30}));
    EXPECT_EQ(CivilFromDay(-1), (CivilDate{1899, 12, 29}));
}

TEST(DayNumber, DaysPastTheMonthEndRollOn) {
    EXPECT_EQ(DayFromCivil(2100, 2, 29), DayFromCivil(2100, 3, 1));
    EXPECT_EQ(DayFromCivil(1997, 1, 32), DayFromCivil(1997, 2, 1));
    EXPECT_EQ(DayFromCivil(1997, 13, 1), DayFromCivil(1998, 1, 1));
    EXPECT_EQ(DayFromCivil(1997, 0, 1), DayFromCivil(1996, 12, 1));
    EXPECT_EQ(DayFromCivil(1997, -11, 1), DayFromCivil(1996, 1, 1));
    EXPECT_EQ(DayFromCivil(1997, -12, 1), DayFromCivil(1995, 12, 1));
    EXPECT_EQ(DayFromCivil(1997, 3, 0), DayFromCivil(1997, 2, 28));
}

TEST(DayNumber, RoundTripsDayByDay) {
    // From 1 Jan 1601 to past 2400: every day follows its predecessor on the calendar.
    const DayNumber first = DayFromCivil(1601, 1, 1);
    const DayNumber last = DayFromCivil(2401, 3, 1);
    CivilDate previous = CivilFromDay(first - 1);
    for (DayNumber d = first; d <= last; ++d) {
        const CivilDate c = CivilFromDay(d);
        ASSERT_EQ(DayFromCivil(c.year, c.month, c.day), d);
        ASSERT_TRUE(IsValidCivil(c.year, c.month, c.day));
        const bool nextDay =
            c.year == previous.year && c.month == previous.month && c.day == previous.day + 1;
        const bool nextMonth =
            c.day == 1 && ((c.year == previous.year && c.month == previous.month + 1) ||
                           (c.year == previous.year + 1 && c.month == 1 && previous.month == 12 &&
                            previous.day == 31));
        ASSERT_TRUE(nextDay || nextMonth) << "day " << d;
        previous = c;
    }
}

TEST(DayNumber, ValidDates) {
    EXPECT_TRUE(IsValidCivil(1996, 2, 29));
    EXPECT_TRUE(IsValidCivil(2000, 2, 29));
    EXPECT_FALSE(IsValidCivil(1900, 2, 29));
    EXPECT_FALSE(IsValidCivil(2100, 2, 29));
    EXPECT_FALSE(IsValidCivil(1993, 2, 29));
    EXPECT_FALSE(IsValidCivil(1992, 2, 30));
    EXPECT_FALSE(IsValidCivil(1997, 4, 31));
    EXPECT_TRUE(IsValidCivil(1997, 12, 31));
    EXPECT_FALSE(IsValidCivil(1997, 13, 1));
    EXPECT_FALSE(IsValidCivil(1997, 0, 1));
    EXPECT_FALSE(IsValidCivil(1997, 1, 0));
}

TEST(CalendarMonthLength, FebruaryFollowsTheRealCalendar) {
    EXPECT_EQ(CalendarMonthLength(2, 1996), 29);
    EXPECT_EQ(CalendarMonthLength(2, 1997), 28);
    EXPECT_EQ(CalendarMonthLength(2, 2000), 29);
    // Centuries are leap years only when divisible by 400.
    EXPECT_EQ(CalendarMonthLength(2, 1900), 28);
    EXPECT_EQ(CalendarMonthLength(2, 2100), 28);
    const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m) {
        if (m == 2)
            continue;
        EXPECT_EQ(CalendarMonthLength(m, 1996), lengths[m - 1]) << "month " << m;
        EXPECT_EQ(CalendarMonthLength(m, 1900), lengths[m - 1]) << "month " << m;
    }
}

TEST(DayNumber, TodayIsARecentDate) { EXPECT_GT(Today(), DayFromCivil(2024, 1, 1)); }

} // namespace
} // namespace hl
