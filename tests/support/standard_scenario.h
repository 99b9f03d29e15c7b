// The scenarios the tests share, with the figures their expectations rest on.
#pragma once

#include <cstdint>
#include <vector>

#include "core/day_number.h"
#include "engine/scenario.h"

namespace hl::test {

/// The standard scenario: 100000 at 10 % over 25 years, a 5-year term, first payment 1 January
/// 1996, Monthly unless told otherwise. A lender's published example: the monthly payment is
/// 894.49 and the first balances are 99922.00, 99843.36 and 99764.08.
inline Scenario StandardScenario(Frequency frequency = kMonthly) {
    Scenario s;
    s.amount = 100000.0f;
    s.rate = 10.0f;
    s.amortization = 25.0f;
    s.term = 5.0f;
    s.start = DayFromCivil(1996, 1, 1);
    s.frequency = frequency;
    return s;
}

/// The sample study the input form loads at debug level 2 ("Flash Load"): 102500 at 9.375 % over
/// 25 years, a 5-year term, first payment 24 March 1992, Weekly unless told otherwise: 260
/// payments, the 45th on 26 January 1993.
inline Scenario SampleScenario(Frequency frequency = kWeekly) {
    Scenario s;
    s.amount = 102500.0f;
    s.rate = 9.375f;
    s.amortization = 25.0f;
    s.term = 5.0f;
    s.start = DayFromCivil(1992, 3, 24);
    s.frequency = frequency;
    return s;
}

/// The sample study's payment changes: 31.49 more from the first payment on, and a lump payment
/// of 3000 with the 45th weekly payment.
inline std::vector<PaymentChange> SampleChanges() {
    return {PaymentChange{0.0f, 31.49f, DayFromCivil(1992, 3, 24)},
            PaymentChange{3000.0f, 0.0f, DayFromCivil(1993, 1, 26)}};
}

} // namespace hl::test
