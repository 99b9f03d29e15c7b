// What the plain and the fast refinance searches share: the start of a search (the required
// inputs, the first date, the dates to examine), the rate loop's steps, the penalty chosen and
// the row's texts. Both searches take every one of these from here, so that they can differ
// only in how they decide a trial.
#pragma once

#include <optional>
#include <string>

#include "analysis/refinance_search.h"
#include "core/single.h"

namespace hl::analysis::search {

/// The step between two rates tried, a double: each rate is single(r - 0.05).
inline constexpr double kRateStep = 0.05;

/// The rate tried after `r`.
inline Single NextRate(Single r) { return sgl::Round(static_cast<double>(r) - kRateStep); }

/// The rate loop runs while r >= 0.05 (compared in double, so 0.050 itself is never reached).
inline bool RateTried(Single r) { return static_cast<double>(r) >= kRateStep; }

/// Where a search starts, once its inputs passed.
struct SearchStart {
    std::optional<calc::CalcMessage> refusal; ///< the first date lies out of the term
    DayNumber firstDate = 0;
    int firstPaymentsMade = 0; ///< payments made before the first date
    int dates = 0;             ///< the dates to examine: N less the payments before the first
    int scheduleCount = 0;     ///< N, the schedule's record count
    int paymentsInTerm = 0;    ///< the N of the penalty formulas
    int threeYears = 0;        ///< Y3 = 3 x P payments
    Single cap = 0;            ///< the first rate tried at every date
    Money costs = 0;           ///< the additional costs box's value
};

/// Checks the inputs of the mode, locates the first date and runs the schedule for N.
SearchStart StartSearch(const EngineInputs& in, const SearchInputs& inputs);

/// The penalty charged: the three-month one when the CMHC rule applies, otherwise the greater
/// of the IRD and the three-month penalty (the IRD only when it is greater).
inline Money ChargedPenalty(bool threeMonthOnly, Money ird, Money threeMonth) {
    if (threeMonthOnly)
        return threeMonth;
    return ird > threeMonth ? ird : threeMonth;
}

/// The total refinanced: B + costs + penalty, added left to right as singles.
inline Money RefinancedTotal(Money balance, Money costs, Money penalty) {
    return sgl::Add(sgl::Add(balance, costs), penalty);
}

std::string DateText(DayNumber date);   ///< "mmm d yyyy"
std::string RateText(Single rate);      ///< "#0.000"
std::string BalanceText(Money balance); ///< the progress box's "########0.00"

/// The row of a saving rate, each cell in its column's format.
SearchRow MakeRow(const std::string& dateText, const std::string& rateText, Money payment,
                  Money penalty, Money currentBalance, Money refinancedBalance);

} // namespace hl::analysis::search
