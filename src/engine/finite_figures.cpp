// Checks that a run produced real numbers only.
#include "engine/finite_figures.h"

#include <cmath>

namespace hl {

bool AllFinite(const ScheduleFile& schedule) {
    if (!std::isfinite(schedule.amount))
        return false;
    for (const ScheduleRecord& r : schedule.records) {
        for (const Money m : {r.payment, r.principal, r.interest, r.principalToDate,
                              r.interestToDate, r.lump, r.change, r.balance})
            if (!std::isfinite(m))
                return false;
    }
    return true;
}

bool AllFinite(const SummaryResult& s) {
    for (const Money m : {s.endBalance, s.totalPrincipal, s.totalInterest, s.regularPayment,
                          s.totalLumps, s.extraPaid, s.paymentInEffect})
        if (!std::isfinite(m))
            return false;
    return std::isfinite(s.totalPaid);
}

} // namespace hl
