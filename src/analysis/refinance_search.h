// The refinance search: for each discharge date from a first one to the end of the term, the
// highest new rate (in steps of 0.05 below a cap) at which discharging, paying the penalty and
// costs, and re-lending the total with the same payment leaves less owing at the end of the
// term than keeping the mortgage. Rows are reported as they are found; the search reports its
// progress and can be stopped between two rate trials.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/calc_message.h"
#include "engine/engine.h"

namespace hl::analysis {

/// What is solved for (the window's Option4, Option5, Option6; kept as 4, 5, 6).
enum class SearchMode {
    DateAndRate = 4, ///< from the first date to the end of the term, rates from the cap down
    DateOnly = 5,    ///< from the day after the start, only the rate given
    RateOnly = 6,    ///< the first date alone, rates from the scenario rate down
};

/// The penalty applied (the window's Option1, Option2, Option3; kept as 1, 2, 3).
enum class PenaltyMethod {
    CalculatedScenario = 1, ///< the Actual Scenario Calculation
    FutureValue = 2,
    AccumulatedInterest = 3,
};

/// The search's inputs as the window's boxes show them.
struct SearchInputs {
    SearchMode mode = SearchMode::DateAndRate;
    std::string dateText;  ///< Text1, the first discharge date
    std::string capText;   ///< Text2, the interest rate cap (the fixed rate when Date only)
    std::string costsText; ///< Text3, additional costs
    PenaltyMethod penalty = PenaltyMethod::CalculatedScenario;
    bool cmhc = false; ///< three years of payments made: the three-month penalty applies
};

/// One row of the table: discharge date, max interest rate, payment used, penalty used,
/// discharge balance forward, balance forward of the scenario, saving.
using SearchRow = std::array<std::string, 7>;

/// The date and rate being tried and the current loan's end-of-term balance for that date, as
/// the progress boxes show them.
struct SearchProgress {
    std::string dateText;    ///< Text4, "mmm d yyyy"
    std::string rateText;    ///< Text5, "#0.000"
    std::string balanceText; ///< Text6, "########0.00"
};

/// Where the search reports; called on the thread that runs the search.
class SearchObserver {
  public:
    virtual ~SearchObserver() = default;
    /// Each rate trial, before it is tried.
    virtual void Progress(const SearchProgress& progress) = 0;
    /// Each date examined, before any rate is tried there (and when none is): the date and the
    /// current loan's end-of-term balance, "mmm d yyyy" and "########0.00".
    virtual void DateExamined(const std::string& /*dateText*/, const std::string& /*balanceText*/) {
    }
    virtual void Row(const SearchRow& row) = 0;
    /// Asked before each rate trial: true ends the search there, keeping the rows found.
    virtual bool StopRequested() = 0;
};

/// The required inputs of the mode (before the search starts): the refusal to show, if any.
std::optional<calc::CalcMessage> CheckSearchInputs(const SearchInputs& inputs);

/// How a search ended.
struct SearchOutcome {
    /// The first date lies out of the term: this message, and no "nothing found" message.
    std::optional<calc::CalcMessage> refusal;
    bool found = false;   ///< at least one row
    bool stopped = false; ///< the observer asked to stop
};

/// The "No refinance savings where found." box, shown when a search ends with no row and no
/// refusal.
calc::CalcMessage NothingFoundMessage();

/// Runs the search: the rows are exactly those of the plain search, in date order.
SearchOutcome RunRefinanceSearch(const EngineInputs& in, const SearchInputs& inputs,
                                 SearchObserver& observer);

/// The search done plainly, step by step as the rules read: the reference the fast search is
/// held to.
SearchOutcome RunPlainRefinanceSearch(const EngineInputs& in, const SearchInputs& inputs,
                                      SearchObserver& observer);

} // namespace hl::analysis
