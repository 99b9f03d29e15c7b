// The mortgage estimate window's printed page: the purchase cost sheet and the amount left to be
// mortgaged.
#pragma once

#include <array>
#include <string>

#include "print/page.h"

namespace hl {

/// The texts of the estimate window's boxes, top to bottom.
struct EstimateSheet {
    std::string price;                    ///< Text1
    std::array<std::string, 11> expenses; ///< Text2 to Text12
    std::string expensesSubtotal;         ///< Text13
    std::string totalCost;                ///< Text14
    std::array<std::string, 3> funds;     ///< Text15 to Text17
    std::string fundsSubtotal;            ///< Text18
    std::string mortgage;                 ///< Text19
};

/// The "Estimate Amount of Mortgage Required" report: one page with its footer.
Report EstimateReport(const EstimateSheet& sheet);

} // namespace hl
