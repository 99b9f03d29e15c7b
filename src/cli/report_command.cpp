// The report command: the study's run, the chosen reports as pages, and the pages to PDF.
#include "cli/report_command.h"

#include <algorithm>
#include <ostream>

#include "cli/study_input.h"
#include "engine/finite_figures.h"
#include "print/reports.h"

namespace hl {

using namespace cli;

namespace {

const std::string kPrefix = std::string(kReportCommand) + ": ";

} // namespace

OptionGrammar ReportCommandGrammar() {
    OptionRule option = ValueOption("--option");
    option.check = [](const std::string& v) -> std::optional<std::string> {
        if (v == "1" || v == "2" || v == "3")
            return std::nullopt;
        return "--option must be 1 (All Payments), 2 (Loan Anniversaries only) or 3 (Year Ends "
               "only), not \"" +
               v + "\"";
    };
    return OptionGrammar{{FrequencyOption(), ValueOption("--output"), FlagOption("--summary"),
                          FlagOption("--changes"), FlagOption("--schedule"), option},
                         1};
}

int RunReportCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err,
                     const PdfWriter& writer) {
    ParsedOptions options;
    if (auto problem = ParseOptions(args, ReportCommandGrammar(), options))
        return Fail(err, kPrefix + *problem);
    const std::string& path = options.operands[0];
    if (path.empty())
        return Fail(err, "no study file given (try --help)");
    const std::string output = options.Value("--output");
    if (output.empty())
        return Fail(err, kPrefix + "no --output file given (try --help)");

    ReportChoice choice;
    if (options.Has("--summary") || options.Has("--changes") || options.Has("--schedule")) {
        choice.summary = options.Has("--summary");
        choice.changes = options.Has("--changes");
        choice.schedule = options.Has("--schedule");
    }
    const std::string optionText = options.Value("--option");
    const ScheduleView view = ViewFromOption(optionText.empty() ? 1 : optionText[0] - '0');

    Study study;
    if (auto problem = LoadStudy(path, options.Value("--frequency"), study))
        return Fail(err, *problem);
    const Scenario& s = study.scenario;
    StreamMessages messages(err);
    const EngineInputs in{s, study.changes};
    const ScheduleRun run = RunSchedule(in, messages);
    const SummaryResult summary = RunSummary(in, messages);
    if (!AllFinite(run.schedule) || !AllFinite(summary))
        return Fail(err, path + ": the figures of this study grow beyond what can be computed");

    bool skippedChanges = false;
    if (choice.changes && study.changes.Count() == 0) {
        choice.changes = false;
        if (!choice.summary && !choice.schedule)
            return Fail(err, kPrefix + OneLine(kNoChangesText));
        skippedChanges = true;
    }
    const Report report = PrintScenarioReports(
        ReportInputs{s, study.changes, run.schedule, summary, ProjectPayoff(summary, s), view},
        choice);
    if (auto problem = writer(report, output))
        return Fail(err, kPrefix + *problem);
    // The warnings go with a written report; a refusal above is the one line.
    messages.Print();
    if (skippedChanges)
        err << OneLine(kNoChangesText) << "\n";
    return 0;
}

} // namespace hl
