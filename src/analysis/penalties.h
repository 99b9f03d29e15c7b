// The early discharge penalties: the three-month interest penalty and three estimates of the
// interest rate differential. Each works from the balance owing after the payments made, so that
// the early discharge window, the refinance analysis, the refinance search and the printed
// reports share them. Every step is a single-precision operation unless its comment says
// otherwise: the order of the steps decides the last cent.
#pragma once

#include <optional>

#include "core/single.h"
#include "engine/scenario.h"

namespace hl::analysis {

/// What every penalty reads. `paymentsMade` is k, the payments made before the discharge date;
/// `paymentsInTerm` is N; m = N - k payments are left in the term.
struct PenaltyInputs {
    const Scenario& scenario; ///< rate Rs, frequency, amount and amortization (for the payments)
    Money balance = 0;        ///< B, the balance after payment k
    int paymentsMade = 0;     ///< k
    int paymentsInTerm = 0;   ///< N
    Single dischargeRate = 0; ///< Rd, annual per cent, the rate the lender could re-lend at
};

/// The Future Value Method: B less the value, at the scenario rate, of paying B off at the
/// discharge rate over the payments it would take at the scenario rate. Nothing when that
/// number of payments has no value (B x is not below the payment, or B = 0); 0 when the
/// difference falls below 0 (a penalty is never negative).
std::optional<Money> FutureValueMethod(const PenaltyInputs& in);

/// The Accumulated Interest Method: (B x is) x m - (B x id) x m.
Money AccumulatedInterestMethod(const PenaltyInputs& in);

/// The Actual Scenario Calculation: the interest of the remaining m payments at the scenario
/// rate and payment, less that at the discharge rate with the payment the loan would have had
/// at that rate.
Money ActualScenarioCalculation(const PenaltyInputs& in);

/// Three months' interest on B at the scenario rate, whatever the payment frequency.
Money ThreeMonthInterest(const PenaltyInputs& in);

} // namespace hl::analysis
