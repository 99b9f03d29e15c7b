// The payment calendar at the ends of the day-number range: it stops there, never wraps round.
#include <cstdint>

#include <gtest/gtest.h>

#include "core/day_number.h"
#include "engine/engine.h"

namespace hl {
namespace {

constexpr Frequency kAll[] = {kMonthly, kWeekly, kTwiceAMonth, kEveryTwoWeeks};

TEST(CalendarEdges, NoDateAfterTheLastDayNumberWrapsIntoThePast) {
    for (const DayNumber date :
         {INT32_MAX, INT32_MAX - 1, INT32_MAX - 6, INT32_MAX - 13, INT32_MAX - 40}) {
        for (const Frequency f : kAll) {
            const DayNumber next = NextPaymentDate(date, f, date);
            EXPECT_GE(next, date) << date << " " << FrequencyName(f);
            EXPECT_GE(NextPaymentDate(next, f, date), next) << date << " " << FrequencyName(f);
        }
    }
}

TEST(CalendarEdges, TheFirstDayNumbersStillMoveForward) {
    for (const DayNumber date : {INT32_MIN, INT32_MIN + 1, -1000000, -1}) {
        for (const Frequency f : kAll)
            EXPECT_GT(NextPaymentDate(date, f, date), date) << date << " " << FrequencyName(f);
    }
}

TEST(CalendarEdges, DaysFromFarDatesAreHeldToTheRange) {
    EXPECT_EQ(ClampedDay(static_cast<long long>(INT32_MAX) + 7), INT32_MAX);
    EXPECT_EQ(ClampedDay(static_cast<long long>(INT32_MIN) - 1), INT32_MIN);
    EXPECT_EQ(ClampedDay(35065), 35065);
    EXPECT_EQ(DayFromCivil(9999999, 1, 1), INT32_MAX);
}

} // namespace
} // namespace hl
