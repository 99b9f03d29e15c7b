// Texts of the summary window and the pay-off projection.
#include "display/summary_view.h"

#include "core/format.h"

namespace hl {

std::optional<PayoffProjection> ProjectPayoff(const SummaryResult& run, const Scenario& scenario) {
    if (!(run.endBalance > 0.0f))
        return std::nullopt;
    const Single rate = PeriodicRate(scenario.frequency, scenario.rate);
    const PeriodsResult periods = RunPeriods(static_cast<double>(run.endBalance), rate,
                                             run.paymentInEffect, kProjectionLimit);
    // A payment that never catches up with the interest leaves no pay-off to show.
    if (!periods.paidOff)
        return std::nullopt;
    PayoffProjection p;
    p.date = run.lastDate;
    for (int k = 0; k < periods.payoffPeriod; ++k)
        p.date = NextPaymentDate(p.date, scenario.frequency, scenario.start);
    p.payment = periods.payoffPeriod + run.paymentsMade;
    return p;
}

SummaryTexts SummaryDisplay(const SummaryResult& run,
                            const std::optional<PayoffProjection>& projection) {
    SummaryTexts t;
    t.text12 = FormatDate(run.lastDate, "mmm d yyyy");
    t.text1 = FormatNumber(run.paymentsMade, "#####0");
    t.text9 = FormatNumber(run.endBalance, "########0.00");
    t.text6 = FormatNumber(run.totalPaid, "##########0.00");
    t.text5 = FormatNumber(run.totalLumps, "########0.00");
    t.text10 = FormatNumber(run.totalInterest, "########0.00");
    t.text11 = FormatNumber(run.totalPrincipal, "########0.00");
    t.text4 = FormatNumber(run.extraPaid, "######0.00");
    if (projection) {
        t.text2 = FormatDate(projection->date, "mmm d yyyy");
        t.text3 = FormatNumber(projection->payment, "######0");
    } else {
        t.text2 = std::string(1, ' '); // the single blank of an empty box
        t.text3 = t.text2;
    }
    return t;
}

} // namespace hl
