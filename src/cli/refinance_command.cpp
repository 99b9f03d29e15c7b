// The refinance command: the boxes filled in as a user fills them, checked in the order the
// window checks them, then the window's computation and its verdict.
#include "cli/refinance_command.h"

#include <ostream>

#include "analysis/early_discharge.h"
#include "analysis/refinance.h"
#include "cli/options.h"
#include "cli/study_input.h"
#include "core/format.h"

namespace hl {
namespace {

using namespace cli;

constexpr const char* kTypedMoney = "######0.00";

int Refuse(std::ostream& err, const calc::CalcMessage& message) {
    return Fail(err, "refinance: " + OneLine(message.text));
}

/// The value a box holds as it shows it.
Single ShownValue(const std::string& text) { return sgl::Round(TextValue(text)); }

/// A typed amount as its box shows it once it loses the focus.
std::string TypedMoney(const std::string& typed) {
    return FormatNumber(ShownValue(typed), kTypedMoney);
}

const char* VerdictWord(analysis::Verdict verdict) {
    switch (verdict) {
    case analysis::Verdict::Good:
        return "good";
    case analysis::Verdict::Caution:
        return "caution";
    case analysis::Verdict::Bad:
        break;
    }
    return "bad";
}

} // namespace

int RunRefinanceCommand(const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err) {
    OptionGrammar grammar{{FrequencyOption()}, 1};
    for (const char* name : {"--date", "--rate", "--payment", "--penalty", "--other"})
        grammar.options.push_back(ValueOption(name));
    ParsedOptions options;
    if (auto problem = ParseOptions(args, grammar, options))
        return Fail(err, "refinance: " + *problem);
    const std::string& path = options.operands[0];
    if (path.empty())
        return Fail(err, "no study file given (try --help)");
    if (auto missing = options.Missing("refinance", {"--date", "--rate"}))
        return Fail(err, *missing);
    const std::string dateText = options.Value("--date");
    if (!ParseDate(dateText))
        return Fail(err, "refinance: --date: \"" + dateText + "\" is not a valid date");
    for (const char* name : {"--rate", "--payment", "--penalty", "--other"}) {
        const std::string text = options.Value(name);
        if (options.Has(name) && !IsBoxNumber(text))
            return Fail(err,
                        std::string("refinance: ") + name + ": \"" + text + "\" is not a number");
    }

    Study study;
    if (auto problem = LoadStudy(path, options.Value("--frequency"), study))
        return Fail(err, *problem);
    const Scenario& s = study.scenario;
    const EngineInputs in{s, study.changes};
    StreamMessages messages(err);
    const ScheduleRun run = RunSchedule(in, messages);

    // The date box, and the balance owing it fills in, before the rate box.
    const analysis::BoxCheck date =
        analysis::CheckDischargeDate(dateText, s, analysis::TermOf(run.schedule));
    if (date.message)
        return Refuse(err, *date.message);
    const DayNumber day = *ParseDate(date.text);
    const analysis::BalanceOwing owing = analysis::BalanceOwingOn(s, run.schedule, day);
    if (owing.refusal)
        return Refuse(err, *owing.refusal);
    const analysis::BoxCheck rate = analysis::CheckDischargeRate(options.Value("--rate"), s);
    if (rate.message)
        return Refuse(err, *rate.message);
    const Single rateValue = ShownValue(rate.text);

    // The boxes the window fills in unless the user types them.
    const std::string payment =
        options.Has("--payment") ? TypedMoney(options.Value("--payment")) : owing.paymentText;
    const std::string penalty = options.Has("--penalty")
                                    ? TypedMoney(options.Value("--penalty"))
                                    : analysis::DefaultPenaltyText(s, owing, rateValue);
    const std::string other = TypedMoney(options.Value("--other"));
    const analysis::RefinanceTotal total =
        analysis::TotalToRefinance(owing.owingText, penalty, other);
    if (total.refusal)
        return Refuse(err, *total.refusal);

    const analysis::RefinanceResult result = analysis::CalculateRefinance(
        in, run.schedule, {day, rateValue, ShownValue(payment), ShownValue(total.text)});
    if (result.refusal)
        return Refuse(err, *result.refusal);
    messages.Print();

    out << "owing: " << owing.owingText << "\n"
        << "penalty: " << penalty << "\n"
        << "other: " << other << "\n"
        << "total: " << total.text << "\n"
        << "current_payment: " << result.currentPayment << "\n"
        << "refinance_payment: " << result.refinancePayment << "\n"
        << "comparison_date: " << result.comparisonDate << "\n"
        << "current_balance: " << result.currentBalance << "\n"
        << "refinanced_balance: " << result.refinancedBalance << "\n"
        << "difference: " << result.difference << "\n"
        << "payment_cost: " << result.paymentCost << "\n"
        << "net_saving: " << result.netSaving << "\n"
        << "verdict: " << VerdictWord(analysis::VerdictOf(result.netSaving, result.paymentCost))
        << "\n";
    return 0;
}

} // namespace hl
