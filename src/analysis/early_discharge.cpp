// The early discharge window's checks and calculation.
#include "analysis/early_discharge.h"

#include <algorithm>
#include <cmath>

#include "analysis/penalties.h"
#include "core/format.h"
#include "core/translate.h"

namespace hl::analysis {
namespace {

constexpr const char* kErrorTitle = HL_TR_NOOP("Analysis Messages", "Mortgage Input Error");
constexpr const char* kViolationTitle = HL_TR_NOOP("Analysis Messages", "Mortgage Input Violation");
constexpr const char* kRatePattern = "#0.000";
constexpr const char* kMoneyPattern = "######0.00";

calc::CalcMessage Question(std::string text) {
    return calc::CalcMessage{TrText("Analysis Messages", kErrorTitle), std::move(text),
                             calc::Buttons::YesNo, true};
}

calc::CalcMessage Refusal(const char* title, std::string text) {
    return calc::CalcMessage{TrText("Analysis Messages", title), std::move(text), calc::Buttons::Ok,
                             true};
}

/// A date as the box reads it: the input form's date reader; nothing when it is no date.
std::optional<DayNumber> BoxDate(const std::string& text) {
    const std::optional<DayNumber> day = ParseDate(text);
    if (day && *day > 0)
        return day;
    return std::nullopt;
}

/// The rate box's value as it shows after the rewrite: the leading number, as a single, rounded
/// to the 0.001 its text shows.
Single ShownRate(const std::string& text) {
    const Single typed = sgl::Round(TextValue(text));
    return sgl::Round(TextValue(FormatNumber(typed, kRatePattern)));
}

bool RateInBounds(Single rate) { return rate > 0.0f && rate <= 25.0f; }

std::string MoneyText(Money value) {
    return std::isfinite(value) ? FormatNumber(value, kMoneyPattern) : std::string();
}

} // namespace

DischargeTerm TermOf(const ScheduleFile& schedule) {
    DischargeTerm term;
    if (schedule.records.empty())
        return term;
    term.firstPayment = schedule.records.front().date;
    term.lastPayment = schedule.records.back().date;
    term.firstText = FormatDate(term.firstPayment, "mmm d yyyy");
    term.lastText = FormatDate(term.lastPayment, "mmm d yyyy");
    return term;
}

BoxCheck CheckDischargeDate(const std::string& text, const Scenario& scenario,
                            const DischargeTerm& term) {
    BoxCheck check;
    if (text.empty())
        return check;
    const std::optional<DayNumber> day = BoxDate(text);
    if (!day) {
        check.outcome = BoxOutcome::Refused;
        check.message = Question(TrText(
            "Analysis Messages", "Error, this is not a valid date.  \r"
                                 "A valid date (or nothing) must be entered to continue.\r\r"
                                 "Do you want to correct your input. (Selecting [No] will clear "
                                 "the field)."));
        return check;
    }
    // The box shows the date rewritten before the time frame is checked.
    check.text = FormatDate(*day, "mmm d, yyyy");
    if (*day < scenario.start) {
        check.outcome = BoxOutcome::Refused;
        check.message = Refusal(
            kErrorTitle, TrText("Analysis Messages",
                                "Error, this date is earlier than the start date of the mortgage. "
                                "You can't discharge the mortgage before it begins.  Adjust the "
                                "discharge date accordingly."));
        return check;
    }
    if (term.lastPayment != 0 && *day > term.lastPayment) {
        check.outcome = BoxOutcome::Refused;
        check.message = Refusal(
            kErrorTitle, TrText("Analysis Messages",
                                "Error, this date is later than the end date of the mortgage. "
                                "You can't discharge the mortgage after it ends.  Adjust the "
                                "discharge date accordingly."));
        return check;
    }
    check.outcome = BoxOutcome::Accepted;
    return check;
}

BoxCheck CheckDischargeRate(const std::string& text, const Scenario& scenario) {
    BoxCheck check;
    if (text.empty())
        return check;
    // Checked as typed (10.0004 is above a scenario rate of 10), and refused too when the box
    // would show 0.000, which reads as no rate at all.
    const Single rate = sgl::Round(TextValue(text));
    if (rate > scenario.rate) {
        check.outcome = BoxOutcome::Refused;
        check.message = Question(
            TrArg(TrText("Analysis Messages",
                         "Error, value entered in the Interest Rate box must be less than the "
                         "scenario interest rate (currently set at: %1 %).  If not the bank would "
                         "owe you money.  Think that will ever happen ? Lower the discharge "
                         "interest rate.\r\r"
                         "A valid value (or nothing) must be entered to continue.\r\r"
                         "Do you want to correct your input. (Selecting [No] will clear the "
                         "field)."),
                  FormatNumber(scenario.rate, "##0.000")));
        return check;
    }
    if (!RateInBounds(rate) || !RateInBounds(ShownRate(text))) {
        check.outcome = BoxOutcome::Refused;
        check.message =
            Refusal(kViolationTitle,
                    TrText("Analysis Messages",
                           "Error, value entered in the Interest Rate box must be between 1 "
                           "and 25"));
        return check;
    }
    check.outcome = BoxOutcome::Accepted;
    check.text = FormatNumber(rate, kRatePattern);
    return check;
}

bool ReadyToCalculate(const std::string& dateText, const std::string& rateText,
                      const Scenario& scenario) {
    if (dateText.empty() || rateText.empty())
        return false;
    const std::optional<DayNumber> day = BoxDate(dateText);
    return day && *day >= scenario.start && RateInBounds(ShownRate(rateText));
}

DischargeResult CalculateDischarge(const EngineInputs& in, const ScheduleFile& schedule,
                                   DayNumber date, Single rate) {
    const Scenario& s = in.scenario;
    DischargeResult result;
    const LocatedPayment located = LocatePayment(s, date, -1);
    if (!located.found) {
        result.refusal = Refusal(
            kViolationTitle, TrText("Analysis Messages",
                                    "Error - Discharge date is beyond the end of the mortgage.  "
                                    "Please adjust the discharge date so that it falls within the "
                                    "loan time frame."));
        return result;
    }
    const int k = located.count;
    // The balance after payment k; a schedule that ended early holds the pay-off as its last.
    Money balance = schedule.amount;
    if (!schedule.records.empty()) {
        const std::size_t at = std::min(static_cast<std::size_t>(k), schedule.records.size());
        balance = schedule.records[at - 1].balance;
    }
    result.paymentsMade = k;
    result.balance = balance;

    const PenaltyInputs inputs{s, balance, k, PaymentsInTerm(s.frequency, s.term), rate};
    const std::optional<Money> future = FutureValueMethod(inputs);
    result.futureValue = future ? MoneyText(*future) : std::string();
    result.accumulatedInterest = MoneyText(AccumulatedInterestMethod(inputs));
    result.actualScenario = MoneyText(ActualScenarioCalculation(inputs));
    result.threeMonth = MoneyText(ThreeMonthInterest(inputs));
    return result;
}

} // namespace hl::analysis
