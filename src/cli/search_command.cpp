// The refinance search command: the boxes as a user fills them in, the cap checked as the
// window's rate box checks it, then the search, printing each row as it is found.
#include "cli/search_command.h"

#include <ostream>

#include "analysis/early_discharge.h"
#include "analysis/refinance_search.h"
#include "cli/study_input.h"
#include "core/format.h"

namespace hl {
namespace {

using namespace cli;
using analysis::PenaltyMethod;
using analysis::SearchMode;

constexpr const char* kPrefix = "refinance-search: ";

std::optional<SearchMode> ModeOf(const std::string& word) {
    if (word == "both")
        return SearchMode::DateAndRate;
    if (word == "date")
        return SearchMode::DateOnly;
    if (word == "rate")
        return SearchMode::RateOnly;
    return std::nullopt;
}

std::optional<PenaltyMethod> PenaltyOf(const std::string& word) {
    if (word == "scenario")
        return PenaltyMethod::CalculatedScenario;
    if (word == "future-value")
        return PenaltyMethod::FutureValue;
    if (word == "accumulated")
        return PenaltyMethod::AccumulatedInterest;
    return std::nullopt;
}

/// Prints each row as it comes; the command waits for the search, so it never stops it.
class PrintRows : public analysis::SearchObserver {
  public:
    explicit PrintRows(std::ostream& out) : out_(out) {}
    void Progress(const analysis::SearchProgress&) override {}
    void Row(const analysis::SearchRow& row) override {
        for (std::size_t k = 0; k < row.size(); ++k)
            out_ << (k ? "\t" : "") << row[k];
        out_ << "\n";
    }
    bool StopRequested() override { return false; }

  private:
    std::ostream& out_;
};

} // namespace

OptionGrammar SearchCommandGrammar() {
    OptionGrammar grammar{{FrequencyOption(), FlagOption("--cmhc")}, 1};
    for (const char* name : {"--mode", "--date", "--cap", "--costs", "--penalty"})
        grammar.options.push_back(ValueOption(name));
    return grammar;
}

int RunSearchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ParsedOptions options;
    if (auto problem = ParseOptions(args, SearchCommandGrammar(), options))
        return Fail(err, kPrefix + *problem);
    const std::string& path = options.operands[0];
    if (path.empty())
        return Fail(err, "no study file given (try --help)");
    if (!options.Has("--mode"))
        return Fail(err, std::string(kSearchCommand) + " needs --mode (try --help)");
    const std::optional<SearchMode> mode = ModeOf(options.Value("--mode"));
    if (!mode)
        return Fail(err, kPrefix + std::string("--mode: \"") + options.Value("--mode") +
                             "\" is not both, date or rate");
    const std::optional<PenaltyMethod> penalty = options.Has("--penalty")
                                                     ? PenaltyOf(options.Value("--penalty"))
                                                     : PenaltyMethod::CalculatedScenario;
    if (!penalty)
        return Fail(err, kPrefix + std::string("--penalty: \"") + options.Value("--penalty") +
                             "\" is not scenario, future-value or accumulated");
    // The date box shows a date rewritten "mmm d, yyyy"; an option not given is an empty box.
    std::string dateText;
    if (options.Has("--date")) {
        const std::optional<DayNumber> day = ParseDate(options.Value("--date"));
        if (!day || *day <= 0)
            return Fail(err, kPrefix + std::string("--date: \"") + options.Value("--date") +
                                 "\" is not a valid date");
        dateText = FormatDate(*day, "mmm d, yyyy");
    }
    for (const char* name : {"--cap", "--costs"}) {
        const std::string text = options.Value(name);
        if (options.Has(name) && !IsBoxNumber(text))
            return Fail(err, kPrefix + std::string(name) + ": \"" + text + "\" is not a number");
    }

    Study study;
    if (auto problem = LoadStudy(path, options.Value("--frequency"), study))
        return Fail(err, *problem);
    const Scenario& s = study.scenario;

    // The cap box is checked as it loses the focus, in every mode, and then shows "#0.000".
    std::string capText;
    if (options.Has("--cap")) {
        const analysis::BoxCheck cap = analysis::CheckDischargeRate(options.Value("--cap"), s);
        if (cap.message)
            return Fail(err, kPrefix + OneLine(cap.message->text));
        capText = cap.text;
    }
    const analysis::SearchInputs inputs{
        *mode, dateText, capText, options.Value("--costs"), *penalty, options.Has("--cmhc")};
    if (auto refusal = analysis::CheckSearchInputs(inputs))
        return Fail(err, kPrefix + OneLine(refusal->text));

    PrintRows rows(out);
    const analysis::SearchOutcome outcome =
        analysis::RunRefinanceSearch({s, study.changes}, inputs, rows);
    if (outcome.refusal)
        return Fail(err, kPrefix + OneLine(outcome.refusal->text));
    if (!outcome.found)
        err << "hearthline-cli: " << kPrefix << OneLine(analysis::NothingFoundMessage().text)
            << "\n";
    return 0;
}

} // namespace hl
