// The scenario's printed reports: the header block and footer every page shares, the summary,
// the payment changes and the schedule, their page counts and the one document that prints the
// chosen reports with pages numbered through.
#pragma once

#include <optional>
#include <string>

#include "core/translate.h"
#include "display/schedule_view.h"
#include "display/summary_view.h"
#include "engine/engine.h"
#include "print/page.h"

namespace hl {

/// The heading at the top of every page.
inline constexpr const char* kPrintHeading = "Hearthline 2.0";

/// Lines of the full schedule on one page, and payment changes on one page.
inline constexpr int kScheduleLinesPerPage = 43;
inline constexpr int kChangesPerPage = 40;

/// The footer's rule line and the line and column of the page number.
inline constexpr int kFooterRuleLine = 60;
inline constexpr int kPageNumberLine = 62;
inline constexpr int kPageNumberColumn = 78;

/// Shown instead of a payment-changes report when the table is empty.
/// A window shows them through TrText("Scenario Reports", ...); the command line as they are.
inline constexpr const char* kNoChangesTitle =
    HL_TR_NOOP("Scenario Reports", "Mortgage Print Warning...");
inline constexpr const char* kNoChangesText = HL_TR_NOOP(
    "Scenario Reports",
    "Warning,  It has been requested to print the Payment Changes\r"
    "and /or Lump Payments.  None are entered.  Printing the Payment Changes is being aborted.");

/// Right-aligns a figure: `value` formatted with `pattern`, blanks in front up to `width`
/// characters; a longer text is kept whole.
std::string RightAligned(double value, int width, const char* pattern = "######0.00");

/// The columns of the header block's second and third groups of scenario figures. Each group's
/// labels and figures, in bold "Arial" 10, are about two inches wide; these columns keep the
/// third group inside the frame (which ends at column 95) on a Letter page.
inline constexpr int kHeaderColumn2 = 38;
inline constexpr int kHeaderColumn3 = 69;

/// The header block at the top of a page: the heading, the framed scenario lines and the
/// comment. Leaves the writer's font at "Arial" 11, not bold.
void PrintHeaderBlock(PageWriter& w, const Scenario& scenario);

/// The footer at the end of a page: the rule on line 60 and "Page: p of t" on line 62.
void PrintFooter(Page& page, int pageNumber, int pageTotal);

/// The top of a tool window's report page: the heading "Hearthline 2.0" at column 3 of
/// `headingLine` and the title underlined at `titleColumn` of `titleLine`, both bold "Arial" 16.
/// Leaves the writer on the line after the title, still bold, underline off.
void PrintToolReportStart(PageWriter& w, const std::string& title, double titleColumn,
                          int headingLine = 1, int titleLine = 4);

/// A report of one page: `page` with its footer "Page: 1 of 1".
Report OnePageReport(Page page);

/// The summary page, footer not included (the caller numbers it).
Page SummaryReport(const Scenario& scenario, const SummaryResult& run,
                   const std::optional<PayoffProjection>& projection);

/// Pages of the payment-changes report: 40 entries a page, none for an empty table.
int ChangePages(int entries);
/// The payment-changes report from page `firstPage` of `pageTotal`, every page with its footer;
/// no page for an empty table.
Report ChangesReport(const Scenario& scenario, const PaymentChanges& changes, int firstPage,
                     int pageTotal);

/// Pages of the schedule report in a view: the records and the opening line, 43 lines a page,
/// for every payment; one page for the condensed views.
int SchedulePages(ScheduleView view, int records);
/// The schedule report in a view from page `firstPage` of `pageTotal`, every page with its
/// footer. The condensed views print the note on whether `changes` has entries.
Report ScheduleReport(const Scenario& scenario, const PaymentChanges& changes,
                      const ScheduleFile& schedule, ScheduleView view, int firstPage,
                      int pageTotal);

/// The resolution text of a view ("All Payments", "Loan Anniversaries only", "Year Ends only"),
/// in English (TrText("Scenario Reports", ...) shows it in the program's language).
const char* ResolutionText(ScheduleView view);

/// Which reports to print, as the print control window's check boxes hold them.
struct ReportChoice {
    bool summary = true;
    bool changes = true;
    bool schedule = true;
};

/// The print control window's status texts and page counts for a scenario.
struct PageCounts {
    int summaryPages = 1;
    int changePages = 0;
    int schedulePages = 0;
    bool changesPrintable = false; ///< the table has entries; otherwise its box is unticked
    int total = 0;                 ///< of the ticked reports
    std::string summaryText;       ///< "printable, 1 page to print"
    std::string changesText;
    std::string scheduleText;
    std::string totalText; ///< the total formatted "##0"
};

/// Counts the pages of the three reports. A payment-changes report with no entries counts 0
/// and is left out of the choice (`choice.changes` is cleared).
PageCounts CountPages(ScheduleView view, int scheduleRecords, int changeEntries,
                      ReportChoice& choice);

/// Everything the three reports print from.
struct ReportInputs {
    const Scenario& scenario;
    const PaymentChanges& changes;
    const ScheduleFile& schedule;
    const SummaryResult& summary;
    std::optional<PayoffProjection> projection;
    ScheduleView view = ScheduleView::AllPayments;
};

/// The chosen reports as one document, summary, payment changes and schedule in that order,
/// the pages numbered 1 to the total of the choice. A payment-changes report with no entries
/// prints no page.
Report PrintScenarioReports(const ReportInputs& in, const ReportChoice& choice);

} // namespace hl
