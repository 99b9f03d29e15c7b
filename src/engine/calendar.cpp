// The payment calendar of each frequency.
#include "core/day_number.h"
#include "engine/engine.h"

namespace hl {
namespace {

// Days added in a wider type: a date read from a damaged file may stand at the very end of the
// range, and the calendar must stop there rather than wrap round to a date long past.
DayNumber Later(DayNumber date, long long days) {
    return ClampedDay(static_cast<long long>(date) + days);
}

} // namespace

DayNumber NextPaymentDate(DayNumber date, Frequency frequency, DayNumber start) {
    switch (frequency) {
    case kWeekly:
        return Later(date, 7);
    case kEveryTwoWeeks:
        return Later(date, 14);
    case kMonthly: {
        // Payments fall on the start date's day of month, or on the last day of a shorter month.
        // The next month's length is looked up in the current month's year (December is
        // followed by January, 31 days in any year).
        const CivilDate c = CivilFromDay(date);
        const int s = CivilFromDay(start).day;
        const int length = CalendarMonthLength(c.month, c.year);
        if (c.day < 28)
            return Later(date, (length - c.day) + s);
        const int nextMonth = c.month == 12 ? 1 : c.month + 1;
        const int nextLength = CalendarMonthLength(nextMonth, c.year);
        if (nextLength >= c.day)
            return Later(date, (length - c.day) + s);
        return Later(date, (length - c.day) + nextLength);
    }
    case kTwiceAMonth: {
        // The 15th and the 30th (the last day of February); never the 31st.
        const CivilDate c = CivilFromDay(date);
        if (c.day > 15) {
            if (c.month == 12)
                return DayFromCivil(c.year + 1, 1, 15);
            return DayFromCivil(c.year, c.month + 1, 15);
        }
        if (c.month == 2)
            return DayFromCivil(c.year, 2, CalendarMonthLength(2, c.year));
        return DayFromCivil(c.year, c.month, 30);
    }
    }
    return date;
}

} // namespace hl
