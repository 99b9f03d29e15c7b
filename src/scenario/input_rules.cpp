// The input form's rules: field checks, messages, the Twice-a-Month calendar and the
// calculated values.
#include "scenario/input_rules.h"

#include <cmath>

#include "core/day_number.h"
#include "core/format.h"
#include "core/translate.h"
#include "engine/engine.h"

namespace hl {
namespace {

struct FieldRule {
    double max;
    const char* firstLine;
    const char* pattern;
};

FieldRule RuleOf(NumericField field) {
    switch (field) {
    case NumericField::Amount:
        return {kMaxAmount,
                HL_TR_NOOP("Scenario Messages",
                           "Error, value entered in the mortgage box must be between 1 and 500000"),
                "######0.00"};
    case NumericField::Rate:
        return {
            kMaxRate,
            HL_TR_NOOP("Scenario Messages",
                       "Error, value entered in the Interest Rate box must be between 1 and 25"),
            "#0.000"};
    case NumericField::Amortization:
        return {kMaxAmortization,
                HL_TR_NOOP("Scenario Messages",
                           "Error, value entered in the Amortizaton box must be between 1 and 35"),
                "#####0.00"};
    case NumericField::Term:
        break;
    }
    return {kMaxTerm,
            HL_TR_NOOP("Scenario Messages",
                       "Error, value entered in the Length of Loan box must be between 1 and 35"),
            "#####0.00"};
}

bool LeapByFour(int year) { return year % 4 == 0; }

} // namespace

std::string InputErrorText(std::string_view firstLine, bool date) {
    std::string text(firstLine);
    text += date ? TrText("Scenario Messages",
                          "\rA valid date (or nothing) must be entered to continue.\r\rDo you "
                          "want to correct your input. (Selecting [No] will clear the field).")
                 : TrText("Scenario Messages",
                          "\rA valid value (or nothing) must be entered to continue.\r\rDo you "
                          "want to correct your input. (Selecting [No] will clear the field).");
    return text;
}

NumericReading ReadNumericField(NumericField field, std::string_view text) {
    NumericReading reading;
    if (text.empty())
        return reading;
    const FieldRule rule = RuleOf(field);
    const double typed = TextValue(text);
    reading.value = sgl::Round(typed);
    if (typed > 0 && typed <= rule.max) {
        reading.outcome = Reading::Valid;
        reading.text = FormatNumber(reading.value, rule.pattern);
    } else {
        reading.outcome = Reading::Invalid;
        reading.message = InputErrorText(TrText("Scenario Messages", rule.firstLine), false);
    }
    return reading;
}

DateReading ReadStartDate(std::string_view text) {
    DateReading reading;
    if (text.empty())
        return reading;
    const std::optional<DayNumber> day = ParseDate(text);
    if (day && *day > 0) {
        reading.outcome = Reading::Valid;
        reading.day = *day;
        reading.text = FormatDate(*day, "mmm d, yyyy");
    } else {
        reading.outcome = Reading::Invalid;
        reading.message =
            InputErrorText(TrText("Scenario Messages", "Error, this is not a valid date.  "), true);
    }
    return reading;
}

bool TermExceedsAmortization(const Scenario& scenario) {
    return scenario.amortization > 0 && scenario.term > scenario.amortization;
}

std::optional<DayNumber> TwiceAMonthStart(DayNumber start, int frequency) {
    if (start == 0 || frequency != kTwiceAMonth)
        return std::nullopt;
    const CivilDate date = CivilFromDay(start);
    const int y = date.year, m = date.month, d = date.day;
    const bool february = m == 2;
    if (d == 15 || d == 30 || (february && d == 28) || (february && d == 29 && LeapByFour(y)))
        return std::nullopt;
    int day = 30;
    if (d < 15)
        day = 15;
    else if (february)
        // The payment calendar counts every fourth year as a leap year; 1900 and 2100 have no
        // 29 February, and a start date must be a real one.
        day = LeapByFour(y) && IsValidCivil(y, 2, 29) ? 29 : 28;
    return DayFromCivil(y, m, day);
}

std::string TwiceAMonthText() {
    // Joined from its pieces as it always was: note the two blanks after "Twice a Month,".
    return TrText("Scenario Messages",
                  "Error, When the payment frequency is set to Twice a Month,  the loan start "
                  "date must be set to either the 15th or 30th of the month (as these are the "
                  "set payment dates for this type of mortgage payment). Your start date is "
                  "being adjusted, please note this on your input screen");
}

std::string ConfirmDeletionText() {
    return TrText("Scenario Messages",
                  "Because there are payment changes already entered...\r\rEditing this field "
                  "will change the time frame of this loan.  \rThis will require all current "
                  "payment changes and lump payments to be erased. \r\rDo you want to continue "
                  "to edit this field ?");
}

std::optional<Frequency> FrequencyFromCaption(std::string_view caption) {
    for (int code = kMonthly; code <= kEveryTwoWeeks; ++code)
        if (caption == FrequencyName(code) || caption == FrequencyCaption(code))
            return FrequencyFromCode(code);
    return std::nullopt;
}

std::string RateFactorText(const Scenario& scenario) {
    if (!IsFrequency(scenario.frequency) || !(scenario.rate > 0))
        return {};
    const Single rate = PeriodicRate(scenario.frequency, scenario.rate);
    if (!std::isfinite(rate))
        return {};
    return FormatNumber(rate, "#0.000000000000");
}

std::string PaymentText(const Scenario& scenario) {
    if (!(scenario.amount > 0 && scenario.rate > 0 && scenario.amortization > 0) ||
        !IsFrequency(scenario.frequency))
        return {};
    const Money payment =
        RegularPayment(scenario.amount, scenario.rate, scenario.amortization, scenario.frequency);
    if (!std::isfinite(payment))
        return {};
    return FormatNumber(payment, "######0.00");
}

bool CanEnterChanges(const Scenario& scenario) { return scenario.term > 0 && scenario.start > 0; }

void FlashLoad(Scenario& scenario, PaymentChanges& changes) {
    scenario.amount = 102500.0f;
    scenario.rate = 9.375f;
    scenario.amortization = 25.0f;
    scenario.term = 5.0f;
    scenario.start = DayFromCivil(1992, 3, 24);
    changes.entries = {
        PaymentChange{0.0f, 31.49f, DayFromCivil(1992, 3, 24)},
        PaymentChange{3000.0f, 0.0f, DayFromCivil(1993, 1, 26)},
    };
}

} // namespace hl
