// The comparison of two scenarios, as the compare-scenarios window shows it.
#include "calculators/compare.h"

#include <array>

#include "core/box_value.h"
#include "core/format.h"
#include "core/translate.h"

namespace hl::calc {
namespace {

/// A single as its box shows it.
std::string Shown(Single value, const char* pattern) {
    return FormatNumber(static_cast<double>(value), pattern);
}

constexpr std::array<FieldRule, 4> kTwoRules = {{
    {500000.0f,
     HL_TR_NOOP("Calculator Messages",
                "Error, value entered in the mortgage box must be between 1 and 500000"),
     "######0.00"},
    {25.0f,
     HL_TR_NOOP("Calculator Messages",
                "Error, value entered in the Interest Rate box must be between 1 and 25"),
     "#0.000"},
    {35.0f,
     HL_TR_NOOP("Calculator Messages",
                "Error, value entered in the Amortizaton box must be between 1 and 35"),
     "#####0.00"},
    {35.0f,
     HL_TR_NOOP("Calculator Messages",
                "Error, value entered in the Length of Loan box must be between 1 and 35"),
     "#####0.00"},
}};

} // namespace

ScenarioOneTexts ScenarioOneOf(const Scenario& s, int changeCount, const ScheduleFile& schedule) {
    ScenarioOneTexts one;
    one.amount = Shown(s.amount, "########0.00");
    one.rate = Shown(s.rate, "#0.000");
    one.amortization = Shown(s.amortization, "##0.00");
    one.term = Shown(s.term, "##0.00");
    one.start = FormatDate(s.start, "mmm, d yyyy");
    one.frequency = FrequencyCaption(s.frequency);
    one.payment = Shown(RegularPayment(s.amount, s.rate, s.amortization, s.frequency), "#####0.00");

    double regular = 0;
    Money lumps = 0;
    ScheduleRecord last;
    for (const ScheduleRecord& r : schedule.records) {
        regular += static_cast<double>(r.payment);
        lumps = sgl::Add(lumps, r.lump);
        last = r;
    }
    one.regularPaid = FormatNumber(regular, "########0.00");
    one.lumpPaid = Shown(lumps, "######0.00");
    one.closingDate = FormatDate(last.date, "mmm d yyyy");
    one.balance = Shown(last.balance, "######0.00");
    one.interest = Shown(last.interestToDate, "######0.00");
    one.principal = Shown(last.principalToDate, "######0.00");
    one.hasChanges = changeCount > 0;
    return one;
}

bool ScenarioTwoBoxes::Complete() const {
    for (const std::string* box : {&amount, &rate, &amortization, &term, &start, &frequency})
        if (box->empty())
            return false;
    return true;
}

Frequency FrequencyOfText(std::string_view text, Frequency otherwise) {
    for (const Frequency f : {kMonthly, kWeekly, kTwiceAMonth, kEveryTwoWeeks})
        if (text == FrequencyName(f) || text == FrequencyCaption(f))
            return f;
    return otherwise;
}

Scenario ScenarioTwoOf(const ScenarioTwoBoxes& boxes, Frequency otherwise) {
    Scenario s;
    s.amount = BoxValue(boxes.amount).value_or(0.0f);
    s.rate = BoxValue(boxes.rate).value_or(0.0f);
    s.amortization = BoxValue(boxes.amortization).value_or(0.0f);
    s.term = BoxValue(boxes.term).value_or(0.0f);
    s.start = ParseDate(boxes.start).value_or(0);
    s.frequency = FrequencyOfText(boxes.frequency, otherwise);
    return s;
}

CalcMessage IncompleteScenarioTwoMessage() {
    return CalcMessage{TrText("Calculator Messages", kIncompleteTitle),
                       TrText("Calculator Messages", kIncompleteText), Buttons::Ok, false};
}

void FillDifferences(const ScenarioOneTexts& one, CompareTexts& two) {
    // Each figure is read back from the text shown, so the column adds up on the screen.
    auto shown = [](const std::string& text) { return TextValue(text); };
    constexpr const char* kPattern = "#######0.00";
    two.lumpDifference = FormatNumber(shown(one.lumpPaid) - shown(two.lumpPaid), kPattern);
    two.balanceDifference = FormatNumber(shown(one.balance) - shown(two.balance), kPattern);
    two.grossSaving = FormatNumber(shown(one.balance) - shown(two.balance), kPattern);
    two.regularDifference = FormatNumber(shown(one.regularPaid) - shown(two.regularPaid), kPattern);
    two.netSaving = FormatNumber(shown(two.grossSaving) + shown(two.lumpDifference) +
                                     shown(two.regularDifference),
                                 kPattern);
}

CompareTexts CompareScenarios(const ScenarioOneTexts& one, const ScenarioTwoBoxes& boxes,
                              const PaymentChanges& twoChanges, Frequency otherwise,
                              EngineMessages& messages) {
    // Scenario two runs over a scenario and a table of its own: the study's are never borrowed,
    // so nothing that reads them meanwhile sees scenario two.
    const Scenario scenario = ScenarioTwoOf(boxes, otherwise);
    const SummaryResult run = RunSummary(EngineInputs{scenario, twoChanges}, messages);
    CompareTexts two;
    two.payment = Shown(run.regularPayment, "#####0.00");
    two.closingDate = FormatDate(run.lastDate, "mmm d yyyy");
    two.balance = Shown(run.endBalance, "########0.00");
    two.principal = Shown(run.totalPrincipal, "########0.00");
    two.interest = Shown(run.totalInterest, "########0.00");
    two.lumpPaid = Shown(run.totalLumps, "########0.00");
    two.regularPaid = FormatNumber(run.totalPaid, "########0.00");
    FillDifferences(one, two);
    return two;
}

std::optional<std::string> PaymentPreview(const ScenarioTwoBoxes& boxes, Frequency otherwise) {
    const Single amount = BoxValue(boxes.amount).value_or(0.0f);
    const Single rate = BoxValue(boxes.rate).value_or(0.0f);
    const Single amortization = BoxValue(boxes.amortization).value_or(0.0f);
    if (!(amount > 0 && rate > 0 && amortization > 0))
        return std::nullopt;
    return Shown(
        RegularPayment(amount, rate, amortization, FrequencyOfText(boxes.frequency, otherwise)),
        "########0.00");
}

FieldCheck CheckTwoBox(TwoBox box, std::string_view text) {
    if (box != TwoBox::Start)
        return CheckField(BoxValue(text), kTwoRules[static_cast<std::size_t>(box)]);
    FieldCheck check;
    if (text.empty())
        return check;
    if (const std::optional<DayNumber> day = ParseDate(text)) {
        check.outcome = FieldOutcome::Accepted;
        check.text = FormatDate(*day, "mmm d, yyyy");
        return check;
    }
    check.outcome = FieldOutcome::Rejected;
    check.message =
        CalcMessage{TrText("Calculator Messages", kInputErrorTitle),
                    TrText("Calculator Messages",
                           "Error, this is not a valid date.  \r"
                           "A valid date (or nothing) must be entered to continue.\r\r"
                           "Do you want to correct your input. (Selecting [No] will clear "
                           "the field)."),
                    Buttons::YesNo, true};
    return check;
}

std::optional<CalcMessage> CheckTwoLength(std::string_view termText,
                                          std::string_view amortizationText) {
    const Single amortization = BoxValue(amortizationText).value_or(0.0f);
    const Single term = BoxValue(termText).value_or(0.0f);
    if (amortization > 0 && term > amortization)
        return CalcMessage{TrText("Calculator Messages", kViolationTitle),
                           TrText("Calculator Messages", kLengthText), Buttons::Ok, true};
    return std::nullopt;
}

} // namespace hl::calc
