// The discharge and suggest commands: a study read as the other commands read it, the options
// checked as the windows check their boxes, then the windows' own computations.
#include "cli/analysis_commands.h"

#include <ostream>

#include "analysis/early_discharge.h"
#include "analysis/suggestions.h"
#include "cli/options.h"
#include "cli/study_input.h"
#include "core/format.h"

namespace hl {
namespace {

using namespace cli;

OptionGrammar StudyCommandGrammar(const std::vector<std::string>& valued) {
    OptionGrammar g{{FrequencyOption()}, 1};
    for (const std::string& name : valued)
        g.options.push_back(ValueOption(name));
    return g;
}

} // namespace

int RunDischargeCommand(const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err) {
    ParsedOptions options;
    if (auto problem = ParseOptions(args, StudyCommandGrammar({"--date", "--rate"}), options))
        return Fail(err, "discharge: " + *problem);
    const std::string& path = options.operands[0];
    if (path.empty())
        return Fail(err, "no study file given (try --help)");
    if (auto missing = options.Missing("discharge", {"--date", "--rate"}))
        return Fail(err, *missing);
    const std::string dateText = options.Value("--date");
    if (!ParseDate(dateText))
        return Fail(err, "discharge: --date: \"" + dateText + "\" is not a valid date");
    const std::string rateText = options.Value("--rate");
    if (!IsBoxNumber(rateText))
        return Fail(err, "discharge: --rate: \"" + rateText + "\" is not a number");

    Study study;
    if (auto problem = LoadStudy(path, options.Value("--frequency"), study))
        return Fail(err, *problem);
    const Scenario& s = study.scenario;
    const EngineInputs in{s, study.changes};
    StreamMessages messages(err);
    const ScheduleRun run = RunSchedule(in, messages);
    const analysis::DischargeTerm term = analysis::TermOf(run.schedule);

    // The boxes in the order the window meets them, then the calculation.
    const analysis::BoxCheck date = analysis::CheckDischargeDate(dateText, s, term);
    if (date.message)
        return Fail(err, "discharge: " + OneLine(date.message->text));
    const analysis::BoxCheck rate = analysis::CheckDischargeRate(rateText, s);
    if (rate.message)
        return Fail(err, "discharge: " + OneLine(rate.message->text));
    const analysis::DischargeResult result = analysis::CalculateDischarge(
        in, run.schedule, *ParseDate(date.text), sgl::Round(TextValue(rate.text)));
    if (result.refusal)
        return Fail(err, "discharge: " + OneLine(result.refusal->text));
    messages.Print();

    out << "runs_from: " << term.firstText << "\n"
        << "runs_to: " << term.lastText << "\n"
        << "payments_made: " << result.paymentsMade << "\n"
        << "balance: " << FormatNumber(result.balance, "######0.00") << "\n"
        << "future_value: " << result.futureValue << "\n"
        << "accumulated_interest: " << result.accumulatedInterest << "\n"
        << "actual_scenario: " << result.actualScenario << "\n"
        << "three_month: " << result.threeMonth << "\n";
    return 0;
}

int RunSuggestCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ParsedOptions options;
    if (auto problem = ParseOptions(args, StudyCommandGrammar({"--current-rate"}), options))
        return Fail(err, "suggest: " + *problem);
    const std::string& path = options.operands[0];
    if (path.empty())
        return Fail(err, "no study file given (try --help)");
    // An empty rate box reads 0: no current rate to compare with.
    Single current = 0.0f;
    if (options.Has("--current-rate")) {
        const std::string text = options.Value("--current-rate");
        if (!IsBoxNumber(text))
            return Fail(err, "suggest: --current-rate: \"" + text + "\" is not a number");
        current = sgl::Round(TextValue(text));
    }

    Study study;
    if (auto problem = LoadStudy(path, options.Value("--frequency"), study))
        return Fail(err, *problem);
    for (const std::string& item : analysis::SavingSuggestions(study.scenario, current))
        out << item << "\n";
    return 0;
}

} // namespace hl
