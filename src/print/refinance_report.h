// The refinance analysis in sentences: the scenario, the two mortgages compared, the results
// and the conclusion, from the texts the refinance window shows.
#pragma once

#include <string>

#include "print/page.h"

namespace hl {

/// What the refinance window shows, box by box.
struct RefinanceReportInputs {
    std::string runsFrom;          ///< the current mortgage's first payment date
    std::string runsTo;            ///< its last payment date of the term
    std::string scenarioRate;      ///< its interest rate
    std::string refinanceDate;     ///< the date of refinance
    std::string refinanceRate;     ///< the refinance interest rate
    std::string owing;             ///< "$ Owing on refinance date:"
    std::string penalty;           ///< the discharge penalty
    std::string otherExpenses;     ///< the other expenses
    std::string total;             ///< the total to be refinanced
    std::string currentPayment;    ///< payment value used, original
    std::string refinancePayment;  ///< payment value used, refinanced
    std::string comparisonDate;    ///< the date the balances are compared on
    std::string currentBalance;    ///< balance owing, original
    std::string refinancedBalance; ///< balance owing, refinanced
    std::string difference;        ///< balance owing, difference
    std::string paymentCost;       ///< cost due to a difference in payment value
    std::string netSaving;         ///< the net saving
};

/// "Refinance - Scenario Run Results": one page with its footer "Page: 1 of 1".
Report RefinanceReport(const RefinanceReportInputs& in);

} // namespace hl
