// The lender's terms window's printed page and its Copy text: the terms, the penalty on the
// discharge date beside the three textbook figures, and the plan against the privileges.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/scenario.h"
#include "print/page.h"

namespace hl {

/// A caption and the text its box shows.
using SheetLine = std::pair<std::string, std::string>;

/// What the window shows, as its captions and boxes hold the texts.
struct LenderSheet {
    std::vector<SheetLine> terms;          ///< the lender's terms and the discharge date
    std::vector<SheetLine> penalty;        ///< the lender's penalty and the free prepayment
    std::vector<SheetLine> textbook;       ///< the early discharge window's figures
    std::string textbookRate;              ///< the rate the textbook figures were worked at
    std::string note;                      ///< the five-year rule or the differential below zero
    std::vector<std::string> yearHeadings; ///< the privilege table's column headings
    std::vector<std::vector<std::string>> years; ///< its rows, as the grid shows them
    std::string verdict; ///< "Within your privileges." or where the plan first goes beyond
};

/// The "Lender's Terms and Penalty" report: one page under the scenario's header block, with
/// its footer. A term longer than the page holds prints its first years and says so.
Report LenderReport(const Scenario& scenario, const LenderSheet& sheet);

/// The sheet as text for the clipboard: one "caption<TAB>value" line per box, the table's rows
/// tab-separated, lines ending in CR LF.
std::string LenderSheetText(const LenderSheet& sheet);

} // namespace hl
