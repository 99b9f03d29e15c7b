// The scenarios the benchmarks share.
#pragma once

#include <cstdint>

#include "core/day_number.h"
#include "engine/scenario.h"

namespace hl::bench {

/// 250000 at 7.25 % over the amortization given, 35 years of Weekly payments. Weekly payments
/// repay a 35-year amortization in about 26 years (1361 records, and a header rewrite when
/// written); an amortization of 300 years keeps the loan running for all 1820 records.
inline Scenario Weekly35Years(std::int64_t amortization) {
    Scenario s;
    s.amount = 250000.0f;
    s.rate = 7.25f;
    s.amortization = static_cast<float>(amortization);
    s.term = 35.0f;
    s.start = DayFromCivil(2027, 1, 4);
    s.frequency = kWeekly;
    return s;
}

} // namespace hl::bench
