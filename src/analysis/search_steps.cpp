// The steps both refinance searches share.
#include "analysis/search_steps.h"

#include "core/format.h"
#include "core/translate.h"

namespace hl::analysis::search {
namespace {

calc::CalcMessage OutOfTerm() {
    return calc::CalcMessage{
        TrText("Analysis Messages", "Mortgage Input Violation"),
        TrText("Analysis Messages",
               "Error - Discharge date is out of the term of the mortgage.  Please "
               "adjust the discharge date so that it falls within the loan time "
               "frame."),
        calc::Buttons::Ok, true};
}

} // namespace

SearchStart StartSearch(const EngineInputs& in, const SearchInputs& inputs) {
    const Scenario& s = in.scenario;
    SearchStart start;
    if (auto refusal = CheckSearchInputs(inputs)) {
        start.refusal = std::move(refusal);
        return start;
    }
    // Date only starts the day after the start date; the other modes at the date box's date (a
    // box that holds no date is out of the term like a date before the start).
    if (inputs.mode == SearchMode::DateOnly) {
        start.firstDate = s.start + 1;
    } else {
        const std::optional<DayNumber> day = ParseDate(inputs.dateText);
        start.firstDate = day && *day > 0 ? *day : 0;
    }
    const LocatedPayment located = LocatePayment(s, start.firstDate, -1);
    if (start.firstDate == 0 || !located.found) {
        start.refusal = OutOfTerm();
        return start;
    }
    start.firstPaymentsMade = located.count;
    SilentMessages quiet;
    start.scheduleCount = BalanceAfterPayment(in, located.count, quiet).scheduleCount;
    start.dates = start.scheduleCount - located.count;
    start.paymentsInTerm = PaymentsInTerm(s.frequency, s.term);
    start.threeYears = 3 * PaymentsPerYear(s.frequency);
    // Interest Rate only starts at the scenario's rate; the others at the cap box's value (a
    // box holding only a blank reads 0 and tries no rate).
    start.cap =
        inputs.mode == SearchMode::RateOnly ? s.rate : sgl::Round(TextValue(inputs.capText));
    start.costs = sgl::Round(TextValue(inputs.costsText));
    return start;
}

std::string DateText(DayNumber date) { return FormatDate(date, "mmm d yyyy"); }
std::string RateText(Single rate) { return FormatNumber(rate, "#0.000"); }
std::string BalanceText(Money balance) { return FormatNumber(balance, "########0.00"); }

SearchRow MakeRow(const std::string& dateText, const std::string& rateText, Money payment,
                  Money penalty, Money currentBalance, Money refinancedBalance) {
    return SearchRow{dateText,
                     rateText,
                     FormatNumber(payment, "#####0.00"),
                     FormatNumber(penalty, "#######0.00"),
                     FormatNumber(currentBalance, "#######0.00"),
                     FormatNumber(refinancedBalance, "#######0.00"),
                     FormatNumber(sgl::Sub(currentBalance, refinancedBalance), "########0.00")};
}

} // namespace hl::analysis::search
