// Bounds on a run of periods (RunPeriods) from the closed form of its balance, for deciding
// without running it that a run cannot end below a balance. The run keeps its balance in double
// but rounds each period's interest to the cent and its principal to a single; the closed form
// b(j) = s (1 + i)^j - P ((1 + i)^j - 1) / i ignores those roundings, and the bounds below add
// a proven allowance for them.
#pragma once

#include <optional>

#include "core/single.h"

namespace hl::analysis {

/// A run of `periods` periods from the balance `start` at the periodic rate `rate` with the
/// payment `payment`; `log1pRate` is log1p(rate) (kept by the caller, one per rate).
struct RunShape {
    double start = 0;
    Single rate = 0;
    double log1pRate = 0;
    Money payment = 0;
    int periods = 0;
};

/// True only when RunPeriods(start, rate, payment, periods) is proven not to pay the loan off
/// and to end at a balance (as a single) of at least `floor`. False says nothing.
bool ProvenToEndAtLeast(const RunShape& run, Money floor);

/// A bound on RunPeriods(...).interestTotal: the run's interest total never exceeds it. Nothing
/// when no bound is proven.
std::optional<double> ProvenInterestAtMost(const RunShape& run);

} // namespace hl::analysis
