// The refinance search's required inputs, its "nothing found" box, and the search done plainly:
// every trial computes its penalty and runs the refinanced loan in full. The search the windows
// run is in refinance_search_fast.cpp.
#include "analysis/refinance_search.h"

#include "analysis/penalties.h"
#include "analysis/search_steps.h"
#include "core/translate.h"

namespace hl::analysis {
namespace {

calc::CalcMessage Violation(std::string text) {
    return calc::CalcMessage{TrText("Analysis Messages", "Mortgage Input Violation"),
                             std::move(text), calc::Buttons::Ok, true};
}

/// The selected method's IRD; a Future Value Method without a value counts as 0.
Money Ird(PenaltyMethod method, const PenaltyInputs& in) {
    switch (method) {
    case PenaltyMethod::FutureValue:
        return FutureValueMethod(in).value_or(0.0f);
    case PenaltyMethod::AccumulatedInterest:
        return AccumulatedInterestMethod(in);
    case PenaltyMethod::CalculatedScenario:
        break;
    }
    return ActualScenarioCalculation(in);
}

} // namespace

std::optional<calc::CalcMessage> CheckSearchInputs(const SearchInputs& inputs) {
    switch (inputs.mode) {
    case SearchMode::DateAndRate:
        if (inputs.dateText.empty() || inputs.capText.empty())
            return Violation(TrText("Analysis Messages",
                                    "Error, When solving for both date and interest rate, both are "
                                    "required input.\r\rPlease ensure they are filled in."));
        break;
    case SearchMode::DateOnly:
        if (inputs.capText.empty())
            return Violation(
                TrText("Analysis Messages",
                       "Error, When Solving for the Date only, you must input an interest "
                       "rate.\r\rPlease input a valid interest rate."));
        break;
    case SearchMode::RateOnly:
        if (inputs.dateText.empty())
            return Violation(
                TrText("Analysis Messages",
                       "Error, When Solving for the Interest Rate only, you must input a "
                       "discharge date.\r\rPlease input a valid discharge date."));
        break;
    }
    return std::nullopt;
}

calc::CalcMessage NothingFoundMessage() {
    return calc::CalcMessage{TrText("Analysis Messages", "Mortgage Info Box"),
                             TrText("Analysis Messages",
                                    "No refinance savings where found.\r\rLook closer at the Early "
                                    "Dishcarge Penalty. It is usually the culprit."),
                             calc::Buttons::Ok, false};
}

SearchOutcome RunPlainRefinanceSearch(const EngineInputs& in, const SearchInputs& inputs,
                                      SearchObserver& observer) {
    using namespace search;
    const Scenario& s = in.scenario;
    SearchOutcome outcome;
    const SearchStart start = StartSearch(in, inputs);
    if (start.refusal) {
        outcome.refusal = start.refusal;
        return outcome;
    }
    const Single is = PeriodicRate(s.frequency, s.rate);
    DayNumber date = start.firstDate;
    for (int n = 0; n < start.dates; ++n) {
        if (n > 0)
            date = NextPaymentDate(date, s.frequency, s.start);
        const std::string dateText = DateText(date);
        const BalanceAt at = BalanceAtDate(in, date);
        const int k = at.paymentsMade;
        const Money b = at.balance;
        // A loan that ended before the date has a balance of 0 and no payment in effect: its
        // end-of-term balance is 0 whatever payment is run.
        const Money pay = at.paymentInEffect.value_or(0.0f);
        const int m = start.scheduleCount - k;
        const Money current = RunPeriods(b, is, pay, m).balance;
        const std::string currentText = BalanceText(current);
        observer.DateExamined(dateText, currentText);
        if (current == 0.0f) {
            if (inputs.mode == SearchMode::RateOnly)
                break;
            continue;
        }
        const bool threeMonthOnly = inputs.cmhc && k >= start.threeYears;
        for (Single r = start.cap; RateTried(r); r = NextRate(r)) {
            if (observer.StopRequested()) {
                outcome.stopped = true;
                return outcome;
            }
            const std::string rateText = RateText(r);
            observer.Progress(SearchProgress{dateText, rateText, currentText});
            const PenaltyInputs penaltyIn{s, b, k, start.paymentsInTerm, r};
            const Money ird = Ird(inputs.penalty, penaltyIn);
            const Money penalty =
                ChargedPenalty(threeMonthOnly, ird, ThreeMonthInterest(penaltyIn));
            const Single ir = PeriodicRate(s.frequency, r);
            const Money total = RefinancedTotal(b, start.costs, penalty);
            const Money refinanced = RunPeriods(total, ir, pay, m).balance;
            if (refinanced < current) {
                observer.Row(MakeRow(dateText, rateText, pay, penalty, current, refinanced));
                outcome.found = true;
                break;
            }
            if (inputs.mode == SearchMode::DateOnly)
                break;
        }
        if (inputs.mode == SearchMode::RateOnly)
            break;
    }
    return outcome;
}

} // namespace hl::analysis
