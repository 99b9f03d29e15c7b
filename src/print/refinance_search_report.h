// The refinance search's printed study: the inputs and choices it ran with, then the rows it
// found under the table's headings, on as many pages as they take.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/translate.h"
#include "print/page.h"

namespace hl {

/// The penalty the search applied, as its option buttons chose it.
enum class SearchReportPenalty : std::uint8_t { CalculatedScenario, FutureValue, AccInterest };

/// What the search solved for, as its option buttons chose it.
enum class SearchReportMode : std::uint8_t { DateAndRate, DateOnly, RateOnly };

/// What the search window shows.
struct RefinanceSearchReportInputs {
    std::string date;  ///< the first discharge date box
    std::string cap;   ///< the interest rate cap box
    std::string costs; ///< the additional costs box
    bool cmhc = false; ///< the 3 year rule's check box
    SearchReportPenalty penalty = SearchReportPenalty::CalculatedScenario;
    SearchReportMode mode = SearchReportMode::DateAndRate;
    std::vector<std::array<std::string, 7>> rows; ///< the table's cells, row by row
};

/// Shown instead of the study while the search still runs: its table is not complete yet.
/// A window shows it through TrText("Refinance Search Report", ...).
inline constexpr const char* kSearchRunningPrintText = HL_TR_NOOP(
    "Refinance Search Report",
    "Error, the search is still running.  Stop it or let it finish before printing the form.");

/// Table rows on one page: the lines between the headings and the footer.
inline constexpr int kSearchRowsPerPage = 41;

/// Pages of the study for `rows` table rows (one for an empty table).
int RefinanceSearchReportPages(int rows);

/// "Refinace Study - Solve Both": on every page the heading, the title, the inputs and choices
/// and the table headings, then up to 41 rows and the footer "Page: p of t".
Report RefinanceSearchReport(const RefinanceSearchReportInputs& in);

} // namespace hl
