// The scenario reports laid out on the character grid.
#include "print/reports.h"

#include "core/format.h"
#include "core/translate.h"

namespace hl {
namespace {

constexpr const char* kDate = "mmm d yyyy";

std::string Date(DayNumber day) { return FormatDate(day, kDate); }

// The title under the header block: "Arial" 16, bold and underlined, then underline off.
void PrintTitle(PageWriter& w, int line, double column, const std::string& title) {
    w.MoveTo(line);
    w.SetFont(PrintFace::Arial, 16);
    w.SetBold(true);
    w.SetUnderline(true);
    w.At(column, title);
    w.SetUnderline(false);
    w.NewLine();
}

// The two heading lines of the schedule from `line`, the second underlined.
void PrintScheduleHeadings(PageWriter& w, int line) {
    w.MoveTo(line);
    w.At(2, TrText("Scenario Reports", "Pay"));
    w.At(22, TrText("Scenario Reports", "  Payment Components"));
    w.At(50, TrText("Scenario Reports", "Acc'd"));
    w.At(61, TrText("Scenario Reports", "Acc'd"));
    w.At(73, TrText("Scenario Reports", "Lump"));
    w.At(79, TrText("Scenario Reports", "Payment"));
    w.At(90, TrText("Scenario Reports", "Balance"));
    w.NewLine();
    w.SetUnderline(true);
    w.At(2, TrText("Scenario Reports", "Num"));
    w.At(10, TrText("Scenario Reports", "Date"));
    w.At(21, TrText("Scenario Reports", "Payment   Princ  Intrst"));
    w.At(46, TrText("Scenario Reports", "Principle"));
    w.At(58, TrText("Scenario Reports", "Interest"));
    w.At(70, TrText("Scenario Reports", "Payment"));
    w.At(79, TrText("Scenario Reports", " Change"));
    w.At(88, TrText("Scenario Reports", "  Forward"));
    w.SetUnderline(false);
    w.NewLine();
}

// One line of the schedule: the opening balance at column 87, or a record.
void PrintScheduleRow(PageWriter& w, const ScheduleRow& row) {
    if (row.opening) {
        w.At(87, RightAligned(row.openingBalance, 10));
    } else {
        const ScheduleRecord& r = row.record;
        w.At(0, RightAligned(r.number, 4, "######0") + "  " + Date(r.date) + " ");
        w.At(19, RightAligned(r.payment, 8) + "  " + RightAligned(r.principal, 7) + " " +
                     RightAligned(r.interest, 7) + " " + RightAligned(r.principalToDate, 10) + " " +
                     RightAligned(r.interestToDate, 10) + " " + RightAligned(r.lump, 10) + " " +
                     RightAligned(r.change, 8) + " " + RightAligned(r.balance, 10));
    }
    w.NewLine();
}

void BodyFont(PageWriter& w, double size) {
    w.SetBold(false);
    w.SetFont(PrintFace::CourierNew, size);
}

} // namespace

std::string RightAligned(double value, int width, const char* pattern) {
    std::string text = FormatNumber(value, pattern);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

void PrintHeaderBlock(PageWriter& w, const Scenario& s) {
    w.Box(1, 3, 95, 10, 9);
    w.MoveTo(0);
    w.SetFont(PrintFace::Arial, 16);
    w.SetBold(true);
    w.SetUnderline(false);
    w.At(3, kPrintHeading);
    w.SetFont(PrintFace::Arial, 10);
    w.MoveTo(4);
    w.At(7, TrText("Scenario Reports", "Mortgage Amount    : ") + RightAligned(s.amount, 10));
    w.At(kHeaderColumn2, TrText("Scenario Reports", "Interest Rate                  : ") +
                             FormatNumber(s.rate, "####0.000"));
    w.At(kHeaderColumn3,
         TrText("Scenario Reports", "Am Period (years)     : ") + RightAligned(s.amortization, 10));
    w.NewLine();
    w.At(7, TrText("Scenario Reports", "Start Date                  : ") + Date(s.start));
    w.At(kHeaderColumn2,
         TrText("Scenario Reports", "Length of Loan (years) : ") + FormatNumber(s.term, "##0.0#"));
    w.At(kHeaderColumn3,
         TrText("Scenario Reports", "Calculated Payment  : ") +
             RightAligned(RegularPayment(s.amount, s.rate, s.amortization, s.frequency), 9));
    w.NewLine();
    w.At(7, TrText("Scenario Reports", "Payment Frequency : ") + FrequencyCaption(s.frequency));
    w.NewLine();
    w.SetFont(PrintFace::Arial, 11);
    w.At(4, TrText("Scenario Reports", "Comment: ") + s.comment);
    w.SetBold(false);
    w.NewLine();
}

void PrintToolReportStart(PageWriter& w, const std::string& title, double titleColumn,
                          int headingLine, int titleLine) {
    w.MoveTo(headingLine);
    w.SetFont(PrintFace::Arial, 16);
    w.SetBold(true);
    w.SetUnderline(false);
    w.At(3, kPrintHeading);
    w.MoveTo(titleLine);
    w.SetUnderline(true);
    w.At(titleColumn, title);
    w.SetUnderline(false);
    w.NewLine();
}

Report OnePageReport(Page page) {
    PrintFooter(page, 1, 1);
    return Report{std::move(page)};
}

void PrintFooter(Page& page, int pageNumber, int pageTotal) {
    PageWriter w(page);
    w.SetFont(PrintFace::Arial, 10);
    w.SetBold(true);
    w.Rule(1, kFooterRuleLine, 95, kFooterRuleLine, 10);
    w.MoveTo(kPageNumberLine);
    w.At(kPageNumberColumn, TrArg(TrArg(TrText("Scenario Reports", "Page: %1 of %2"),
                                        FormatNumber(pageNumber, "###0")),
                                  FormatNumber(pageTotal, "###0")));
}

Page SummaryReport(const Scenario& scenario, const SummaryResult& run,
                   const std::optional<PayoffProjection>& projection) {
    const SummaryTexts t = SummaryDisplay(run, projection);
    Page page;
    PageWriter w(page);
    PrintHeaderBlock(w, scenario);
    PrintTitle(w, 11, 27, TrText("Scenario Reports", "Summary Schedule"));
    BodyFont(w, 11);
    w.MoveTo(17);
    w.At(16, TrArg(TrArg(TrText("Scenario Reports", "Snapshot at Date: %1  (payment number: %2)"),
                         t.text12),
                   t.text1));
    w.NewLine(2);
    const auto amount = [&](double column, const char* label, double value, double at = 45) {
        w.At(column, TrText("Scenario Reports", label));
        w.At(at, RightAligned(value, 11));
        w.NewLine();
    };
    amount(16, HL_TR_NOOP("Scenario Reports", "Balance Remaining:"), run.endBalance);
    w.NewLine();
    w.At(16, TrText("Scenario Reports", "$ Paid Out:"));
    w.NewLine();
    amount(18, HL_TR_NOOP("Scenario Reports", "By Regular Payments:"), run.totalPaid);
    amount(18, HL_TR_NOOP("Scenario Reports", "By Lump Payments:"), run.totalLumps);
    w.NewLine();
    amount(16, HL_TR_NOOP("Scenario Reports", "Total Interest Paid to date:"), run.totalInterest);
    amount(16, HL_TR_NOOP("Scenario Reports", "Total Principle Paid to Date:"), run.totalPrincipal);
    w.NewLine();
    w.At(16, TrText("Scenario Reports", "Extra $ Paid out as a result of"));
    w.NewLine();
    amount(16, HL_TR_NOOP("Scenario Reports", "payment changes scheduled by user: "), run.extraPaid,
           55);
    w.NewLine(3);
    if (projection) {
        w.At(16, TrText("Scenario Reports", "If this mortgage was to continue to"));
        w.NewLine();
        w.At(16, TrText("Scenario Reports", "run, it would be paid off on:"));
        w.At(60, t.text2);
        w.NewLine(2);
        w.At(16, TrText("Scenario Reports", "which is payment number:"));
        w.At(60, t.text3);
    } else {
        w.At(16, TrText("Scenario Reports",
                        "There is no outstanding balance to run for this mortgage."));
        w.NewLine();
        w.At(16, TrText("Scenario Reports", "It has been paid in full."));
    }
    return page;
}

int ChangePages(int entries) {
    if (entries <= 0)
        return 0;
    return entries / kChangesPerPage + (entries % kChangesPerPage > 0 ? 1 : 0);
}

Report ChangesReport(const Scenario& scenario, const PaymentChanges& changes, int firstPage,
                     int pageTotal) {
    Report report;
    const int count = changes.Count();
    for (int first = 0; first < count; first += kChangesPerPage) {
        Page& page = report.emplace_back();
        PageWriter w(page);
        PrintHeaderBlock(w, scenario);
        PrintTitle(w, 12, 12,
                   TrText("Scenario Reports", "Schedule Payment Changes and Lump Payments"));
        BodyFont(w, 10);
        w.MoveTo(16);
        w.SetUnderline(true);
        w.At(20, TrText("Scenario Reports", "Date of Change"));
        w.At(37, TrText("Scenario Reports", "Change to Payment"));
        w.At(58, TrText("Scenario Reports", "Lump Payment"));
        w.SetUnderline(false);
        w.MoveTo(18);
        for (int k = first; k < count && k < first + kChangesPerPage; ++k) {
            const PaymentChange& e = changes.entries[static_cast<std::size_t>(k)];
            w.At(20, Date(e.date) + " ");
            w.At(40, RightAligned(e.change, 10) + "  ");
            w.At(58, RightAligned(e.lump, 10));
            w.NewLine();
        }
        PrintFooter(page, firstPage + static_cast<int>(report.size()) - 1, pageTotal);
    }
    return report;
}

int SchedulePages(ScheduleView view, int records) {
    if (view != ScheduleView::AllPayments)
        return 1;
    const int lines = records + 1;
    return lines / kScheduleLinesPerPage + (lines % kScheduleLinesPerPage > 0 ? 1 : 0);
}

const char* ResolutionText(ScheduleView view) {
    switch (view) {
    case ScheduleView::Anniversaries:
        return HL_TR_NOOP("Scenario Reports", "Loan Anniversaries only");
    case ScheduleView::YearEnds:
        return HL_TR_NOOP("Scenario Reports", "Year Ends only");
    case ScheduleView::AllPayments:
        break;
    }
    return HL_TR_NOOP("Scenario Reports", "All Payments");
}

Report ScheduleReport(const Scenario& scenario, const PaymentChanges& changes,
                      const ScheduleFile& schedule, ScheduleView view, int firstPage,
                      int pageTotal) {
    const std::vector<ScheduleRow> rows =
        ScheduleRows(schedule, view, scenario.frequency, scenario.start);
    Report report;
    if (view != ScheduleView::AllPayments) {
        Page& page = report.emplace_back();
        PageWriter w(page);
        PrintHeaderBlock(w, scenario);
        PrintTitle(w, 12, 20, TrText("Scenario Reports", "Condensed Schedule of Payments"));
        BodyFont(w, 10);
        w.NewLine(2);
        if (changes.Count() > 0) {
            w.At(0, TrText("Scenario Reports", "Note:  Changes to Payments and/or Lump Payments "
                                               "have been processed in the following schedule."));
            w.NewLine();
            w.At(0, TrText("Scenario Reports", "       They will not be displayed unless they "
                                               "happen to fall on a date reported."));
        } else {
            w.At(0, TrText("Scenario Reports", "Note:  There are no Changes to Payments or Lump "
                                               "Payments processed in the following schedule."));
        }
        PrintScheduleHeadings(w, 19);
        w.MoveTo(22);
        for (const ScheduleRow& row : rows)
            PrintScheduleRow(w, row);
        PrintFooter(page, firstPage, pageTotal);
        return report;
    }
    report.reserve(static_cast<std::size_t>(SchedulePages(view, schedule.count)));
    for (std::size_t first = 0; first < rows.size(); first += kScheduleLinesPerPage) {
        Page& page = report.emplace_back();
        PageWriter w(page);
        PrintHeaderBlock(w, scenario);
        PrintTitle(w, 11, 27, TrText("Scenario Reports", "Schedule of Payments"));
        BodyFont(w, 10);
        PrintScheduleHeadings(w, 14);
        w.MoveTo(17);
        for (std::size_t k = first; k < rows.size() && k < first + kScheduleLinesPerPage; ++k)
            PrintScheduleRow(w, rows[k]);
        PrintFooter(page, firstPage + static_cast<int>(report.size()) - 1, pageTotal);
    }
    return report;
}

PageCounts CountPages(ScheduleView view, int scheduleRecords, int changeEntries,
                      ReportChoice& choice) {
    PageCounts c;
    c.schedulePages = SchedulePages(view, scheduleRecords);
    c.scheduleText =
        TrArg(TrArg(TrText("Scenario Reports", "printable, %1 pages to print, resolution: %2"),
                    FormatNumber(c.schedulePages, "###0")),
              TrText("Scenario Reports", ResolutionText(view)));
    c.changesPrintable = changeEntries > 0;
    if (c.changesPrintable) {
        c.changePages = ChangePages(changeEntries);
        c.changesText = TrArg(TrText("Scenario Reports", "printable, %1 pages to print"),
                              FormatNumber(c.changePages, "###0"));
    } else {
        c.changePages = 0;
        c.changesText =
            TrText("Scenario Reports", "no changes scheduled therefore 0 pages to print");
        choice.changes = false;
    }
    c.summaryText = TrText("Scenario Reports", "printable, 1 page to print");
    c.total = (choice.schedule ? c.schedulePages : 0) + (choice.changes ? c.changePages : 0) +
              (choice.summary ? c.summaryPages : 0);
    c.totalText = FormatNumber(c.total, "##0");
    return c;
}

Report PrintScenarioReports(const ReportInputs& in, const ReportChoice& asked) {
    ReportChoice choice = asked;
    const PageCounts counts = CountPages(in.view, in.schedule.count, in.changes.Count(), choice);
    Report report;
    int p = 1;
    if (choice.summary) {
        report.push_back(SummaryReport(in.scenario, in.summary, in.projection));
        PrintFooter(report.back(), 1, counts.total);
        p = 2;
    }
    const auto append = [&](Report pages) {
        p += static_cast<int>(pages.size());
        for (Page& page : pages)
            report.push_back(std::move(page));
    };
    if (choice.changes)
        append(ChangesReport(in.scenario, in.changes, p, counts.total));
    if (choice.schedule)
        append(ScheduleReport(in.scenario, in.changes, in.schedule, in.view, p, counts.total));
    return report;
}

} // namespace hl
