// The early discharge window's printed page: the scenario's header block, the dates and rate the
// penalties were worked out for, the four penalties and what to make of them.
#pragma once

#include <string>

#include "engine/scenario.h"
#include "print/page.h"

namespace hl {

/// What the early discharge window shows, as its boxes hold the texts.
struct DischargeSheet {
    std::string firstPayment;        ///< Text7
    std::string lastPayment;         ///< Text8
    std::string dischargeDate;       ///< Text1
    std::string rate;                ///< Text2
    std::string futureValue;         ///< Text3, empty when the method has no value
    std::string accumulatedInterest; ///< Text4
    std::string actualScenario;      ///< Text5
    std::string threeMonth;          ///< Text6
};

/// The "Early Discharge Penalty" report: one page under the scenario's header block, with its
/// footer.
Report DischargeReport(const Scenario& scenario, const DischargeSheet& sheet);

} // namespace hl
