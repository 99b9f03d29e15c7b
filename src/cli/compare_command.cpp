// The compare command: scenario one's figures from its schedule, scenario two's boxes filled from
// the second study as the window would show them, checked as the window checks them, then the
// window's own computation.
#include "cli/compare_command.h"

#include <ostream>

#include "calculators/compare.h"
#include "cli/options.h"
#include "cli/study_input.h"
#include "core/format.h"

namespace hl {
namespace {

using namespace cli;

// The second study as scenario two's boxes hold it once each box has been left: amount
// "######0.00", rate "#0.000", years "#####0.00", the date "mmm d, yyyy".
calc::ScenarioTwoBoxes BoxesOf(const Scenario& s) {
    auto shown = [](Single value, const char* pattern) {
        return FormatNumber(static_cast<double>(value), pattern);
    };
    return calc::ScenarioTwoBoxes{shown(s.amount, "######0.00"),      shown(s.rate, "#0.000"),
                                  shown(s.amortization, "#####0.00"), shown(s.term, "#####0.00"),
                                  FormatDate(s.start, "mmm d, yyyy"), FrequencyName(s.frequency)};
}

} // namespace

int RunCompareCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ParsedOptions options;
    if (auto problem = ParseOptions(args, OptionGrammar{{}, 2}, options))
        return Fail(err, "compare: " + *problem);
    const std::string& onePath = options.operands[0];
    const std::string& twoPath = options.operands[1];
    if (onePath.empty() || twoPath.empty())
        return Fail(err, "compare needs two study files, ONE.mtg and TWO.mtg (try --help)");

    Study one;
    if (auto problem = LoadStudy(onePath, "", one))
        return Fail(err, "compare: " + *problem);
    Study two;
    if (auto problem = LoadStudy(twoPath, "", two))
        return Fail(err, "compare: " + *problem);

    // Scenario two's boxes in the window's order, then the length check after the length box.
    calc::ScenarioTwoBoxes boxes = BoxesOf(two.scenario);
    const std::pair<calc::TwoBox, std::string*> checked[] = {
        {calc::TwoBox::Amount, &boxes.amount},
        {calc::TwoBox::Rate, &boxes.rate},
        {calc::TwoBox::Amortization, &boxes.amortization},
        {calc::TwoBox::Term, &boxes.term},
        {calc::TwoBox::Start, &boxes.start}};
    for (const auto& [box, text] : checked) {
        const calc::FieldCheck check = calc::CheckTwoBox(box, *text);
        if (check.message)
            return Fail(err, "compare: " + twoPath + ": " + OneLine(check.message->text));
    }
    if (auto length = calc::CheckTwoLength(boxes.term, boxes.amortization))
        return Fail(err, "compare: " + twoPath + ": " + OneLine(length->text));

    StreamMessages messages(err);
    const ScheduleRun run = RunSchedule(EngineInputs{one.scenario, one.changes}, messages);
    const calc::ScenarioOneTexts a =
        calc::ScenarioOneOf(one.scenario, one.changes.Count(), run.schedule);
    const calc::CompareTexts b =
        calc::CompareScenarios(a, boxes, two.changes, one.scenario.frequency, messages);
    messages.Print();

    out << "one_payment: " << a.payment << "\n"
        << "one_regular_paid: " << a.regularPaid << "\n"
        << "one_lump_paid: " << a.lumpPaid << "\n"
        << "one_closing_date: " << a.closingDate << "\n"
        << "one_balance: " << a.balance << "\n"
        << "one_principal: " << a.principal << "\n"
        << "one_interest: " << a.interest << "\n"
        << "two_payment: " << b.payment << "\n"
        << "two_closing_date: " << b.closingDate << "\n"
        << "two_balance: " << b.balance << "\n"
        << "two_principal: " << b.principal << "\n"
        << "two_interest: " << b.interest << "\n"
        << "two_lump_paid: " << b.lumpPaid << "\n"
        << "two_regular_paid: " << b.regularPaid << "\n"
        << "lump_difference: " << b.lumpDifference << "\n"
        << "balance_difference: " << b.balanceDifference << "\n"
        << "gross_saving: " << b.grossSaving << "\n"
        << "regular_difference: " << b.regularDifference << "\n"
        << "net_saving: " << b.netSaving << "\n";
    return 0;
}

} // namespace hl
