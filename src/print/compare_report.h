// The printed comparison of two scenarios: the compare window's figures side by side with their
// differences and savings, then the two scenarios' payment changes listed entry by entry.
#pragma once

#include <string>
#include <vector>

#include "core/translate.h"
#include "engine/scenario.h"
#include "print/page.h"

namespace hl {

inline constexpr const char* kCompareTitle =
    HL_TR_NOOP("Compare Report", "Scenario Comparison Study");

/// The change list stays on the first page while neither scenario has more entries than this;
/// longer lists move to pages of their own, this many entry lines a page.
inline constexpr int kCompareFirstPageEntries = 21;
inline constexpr int kCompareEntriesPerPage = 50;

/// The line of the first row of figures, and of the change list's first heading on the first
/// page and on its own pages.
inline constexpr int kCompareFigureLine = 10;
inline constexpr int kCompareListLine = 24;
inline constexpr int kCompareListPageLine = 9;

/// The report's lines advance by their font's height, as the printer advanced them, not by a
/// whole grid line: "Arial" 10 is 223 twips high, "Courier New" 9 is 204. At whole lines the
/// fifteen rows of figures would reach the change list, and 50 entries the footer.
inline constexpr double kCompareFigurePitch = 223.0 / kCellTwipsHigh;
inline constexpr double kCompareListPitch = 204.0 / kCellTwipsHigh;

/// One scenario's column of the compare window as its boxes show it, with its payment changes.
struct CompareSideTexts {
    std::string amount;
    std::string rate;
    std::string amortization;
    std::string term;
    std::string start;
    std::string frequency;
    std::string payment;
    std::string closingDate;
    std::string balance;
    std::string regularPaid;
    std::string lumpPaid;
    std::string principal;
    std::string interest;
    std::vector<PaymentChange> changes;
};

/// Everything the report prints: both scenarios and the window's third column.
struct CompareReportTexts {
    CompareSideTexts one;
    CompareSideTexts two;
    std::string balanceDifference;
    std::string regularDifference;
    std::string lumpDifference;
    std::string grossSaving;
    std::string netSaving;
};

/// Pages of the report: one while the change list fits on the first page, otherwise the first
/// page and the list's own pages.
int ComparePages(int entriesOne, int entriesTwo);

/// The whole report, every page with its footer.
Report CompareReport(const CompareReportTexts& texts);

} // namespace hl
