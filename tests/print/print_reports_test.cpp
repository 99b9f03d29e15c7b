// The scenario reports as pages: counts, the header block and footer, and where each report
// puts its lines.
#include <gtest/gtest.h>

#include "core/day_number.h"
#include "print/picture_reports.h"
#include "print/reports.h"
#include "support/standard_scenario.h"

namespace hl {
namespace {

Scenario MonthlyScenario() {
    Scenario s;
    s.amount = 100000;
    s.rate = 10;
    s.amortization = 25;
    s.term = 5;
    s.start = DayFromCivil(1996, 1, 1);
    s.frequency = kMonthly;
    s.comment = "First house";
    return s;
}

// A schedule file of `n` made-up monthly records: enough for the layout, which reads no sums.
ScheduleFile MadeUpSchedule(int n) {
    ScheduleFile f;
    f.count = static_cast<std::int16_t>(n);
    f.amount = 100000;
    DayNumber date = DayFromCivil(1996, 1, 1);
    for (int k = 1; k <= n; ++k) {
        ScheduleRecord r;
        r.number = static_cast<std::int16_t>(k);
        r.date = date;
        r.payment = 894.49f;
        r.principal = 66.95f;
        r.interest = 827.54f;
        r.balance = 100000.0f - 66.95f * static_cast<float>(k);
        f.records.push_back(r);
        date = NextPaymentDate(date, kMonthly, f.records.front().date);
    }
    return f;
}

PaymentChanges Changes(int n) {
    PaymentChanges c;
    for (int k = 0; k < n; ++k)
        c.entries.push_back(PaymentChange{1000, 25, DayFromCivil(1997, 1, 1) + 7 * k});
    return c;
}

std::string TextAt(const Page& page, double column, double line) {
    const PlacedText* t = page.TextAt(column, line);
    return t ? t->text : "<none>";
}

// Lines of a schedule page that carry the opening balance or a record.
int ScheduleLines(const Page& page) {
    int lines = 0;
    for (int line = 17; line < kFooterRuleLine; ++line)
        if (page.TextAt(0, line) || page.TextAt(87, line))
            ++lines;
    return lines;
}

TEST(PrintPageCounts, StatusTextsAndTotals) {
    struct Case {
        ScheduleView view;
        int records;
        int changes;
        int schedulePages;
        std::string scheduleText;
        std::string changesText;
        bool changesTicked;
        int total;
    };
    const std::vector<Case> cases = {
        {ScheduleView::AllPayments, 299, 0, 7,
         "printable, 7 pages to print, resolution: All Payments",
         "no changes scheduled therefore 0 pages to print", false, 8},
        {ScheduleView::AllPayments, 300, 40, 7,
         "printable, 7 pages to print, resolution: All Payments", "printable, 1 pages to print",
         true, 9},
        {ScheduleView::AllPayments, 301, 41, 8,
         "printable, 8 pages to print, resolution: All Payments", "printable, 2 pages to print",
         true, 11},
        {ScheduleView::AllPayments, 42, 80, 1,
         "printable, 1 pages to print, resolution: All Payments", "printable, 2 pages to print",
         true, 4},
        {ScheduleView::AllPayments, 43, 81, 2,
         "printable, 2 pages to print, resolution: All Payments", "printable, 3 pages to print",
         true, 6},
        {ScheduleView::YearEnds, 299, 1, 1,
         "printable, 1 pages to print, resolution: Year Ends only", "printable, 1 pages to print",
         true, 3},
        {ScheduleView::Anniversaries, 1820, 0, 1,
         "printable, 1 pages to print, resolution: Loan Anniversaries only",
         "no changes scheduled therefore 0 pages to print", false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scheduleText + " / " + std::to_string(c.changes));
        ReportChoice choice;
        const PageCounts counts = CountPages(c.view, c.records, c.changes, choice);
        EXPECT_EQ(counts.schedulePages, c.schedulePages);
        EXPECT_EQ(counts.scheduleText, c.scheduleText);
        EXPECT_EQ(counts.changesText, c.changesText);
        EXPECT_EQ(counts.changesPrintable, c.changesTicked);
        EXPECT_EQ(choice.changes, c.changesTicked);
        EXPECT_EQ(counts.summaryText, "printable, 1 page to print");
        EXPECT_EQ(counts.total, c.total);
        EXPECT_EQ(counts.totalText, std::to_string(c.total));
    }
}

TEST(PrintPageCounts, OnlyTickedReportsCount) {
    ReportChoice choice{true, false, false};
    EXPECT_EQ(CountPages(ScheduleView::AllPayments, 299, 41, choice).total, 1);
    choice = {false, true, true};
    EXPECT_EQ(CountPages(ScheduleView::AllPayments, 299, 41, choice).total, 9);
    choice = {false, false, true};
    EXPECT_EQ(CountPages(ScheduleView::YearEnds, 299, 41, choice).total, 1);
}

TEST(PrintPageCounts, ReportsPrintTheCountedPages) {
    const Scenario s = MonthlyScenario();
    for (int n : {0, 41, 42, 43, 85, 86, 299}) {
        SCOPED_TRACE(n);
        const Report r = ScheduleReport(s, {}, MadeUpSchedule(n), ScheduleView::AllPayments, 1, 1);
        EXPECT_EQ(static_cast<int>(r.size()), SchedulePages(ScheduleView::AllPayments, n));
    }
    for (int n : {0, 1, 39, 40, 41, 80, 81, 200}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(static_cast<int>(ChangesReport(s, Changes(n), 1, 1).size()), ChangePages(n));
    }
}

TEST(PrintHeaderBlock, TextsColumnsAndFonts) {
    Scenario s = MonthlyScenario();
    Page page;
    PageWriter w(page);
    PrintHeaderBlock(w, s);
    struct Expected {
        double column;
        double line;
        std::string text;
        double size;
    };
    const std::vector<Expected> expected = {
        {3, 0, "Hearthline 2.0", 16},
        {7, 4, "Mortgage Amount    :  100000.00", 10},
        {38, 4, "Interest Rate                  : 10.000", 10},
        {69, 4, "Am Period (years)     :      25.00", 10},
        {7, 5, "Start Date                  : Jan 1 1996", 10},
        {38, 5, "Length of Loan (years) : 5.0", 10},
        {69, 5, "Calculated Payment  :    894.49", 10},
        {7, 6, "Payment Frequency : Monthly", 10},
        {4, 7, "Comment: First house", 11},
    };
    ASSERT_EQ(page.texts.size(), expected.size());
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.text);
        const PlacedText* t = page.TextAt(e.column, e.line);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->text, e.text);
        EXPECT_EQ(t->font.face, PrintFace::Arial);
        EXPECT_EQ(t->font.size, e.size);
        EXPECT_TRUE(t->font.bold);
        EXPECT_FALSE(t->font.underline);
    }
    ASSERT_EQ(page.boxes.size(), 1u);
    EXPECT_EQ(page.boxes[0].column1, 1);
    EXPECT_EQ(page.boxes[0].line1, 3);
    EXPECT_EQ(page.boxes[0].column2, 95);
    EXPECT_EQ(page.boxes[0].line2, 10);
    EXPECT_FALSE(w.Font().bold);

    s.term = 7.25f;
    s.frequency = kEveryTwoWeeks;
    Page other;
    PageWriter w2(other);
    PrintHeaderBlock(w2, s);
    EXPECT_EQ(TextAt(other, 38, 5), "Length of Loan (years) : 7.25");
    EXPECT_EQ(TextAt(other, 7, 6), "Payment Frequency : Every Two Weeks");
    EXPECT_EQ(TextAt(other, 69, 5), "Calculated Payment  :    447.24");
}

TEST(PrintFooter, RuleAndPageNumber) {
    Page page;
    PrintFooter(page, 3, 12);
    EXPECT_EQ(TextAt(page, 78, 62), "Page: 3 of 12");
    EXPECT_TRUE(page.TextAt(78, 62)->font.bold);
    ASSERT_EQ(page.rules.size(), 1u);
    EXPECT_EQ(page.rules[0].column1, 1);
    EXPECT_EQ(page.rules[0].column2, 95);
    EXPECT_EQ(page.rules[0].line1, 60);
    EXPECT_EQ(page.rules[0].line2, 60);
}

TEST(RightAligned, PadsToTheWidthAndKeepsLongTexts) {
    EXPECT_EQ(RightAligned(894.49, 10), "    894.49");
    EXPECT_EQ(RightAligned(-25, 8), "  -25.00");
    EXPECT_EQ(RightAligned(7, 4, "######0"), "   7");
    EXPECT_EQ(RightAligned(12345678.5, 10), "12345678.50");
}

TEST(ScheduleReport, FortyThreeLinesAPageAndTheOpeningLineOnce) {
    const Scenario s = MonthlyScenario();
    const Report r = ScheduleReport(s, {}, MadeUpSchedule(299), ScheduleView::AllPayments, 2, 9);
    ASSERT_EQ(r.size(), 7u);
    for (std::size_t k = 0; k < r.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(ScheduleLines(r[k]), k + 1 < r.size() ? 43 : 42);
        EXPECT_EQ(TextAt(r[k], 27, 11), "Schedule of Payments");
        EXPECT_EQ(TextAt(r[k], 3, 0), "Hearthline 2.0");
        EXPECT_EQ(TextAt(r[k], 2, 14), "Pay");
        EXPECT_EQ(TextAt(r[k], 88, 15), "  Forward");
        EXPECT_TRUE(r[k].TextAt(88, 15)->font.underline);
        EXPECT_EQ(r[k].TextAt(88, 15)->font.face, PrintFace::CourierNew);
        EXPECT_EQ(TextAt(r[k], 78, 62), "Page: " + std::to_string(k + 2) + " of 9");
        EXPECT_EQ(r[k].TextAt(87, 17) != nullptr, k == 0);
    }
    EXPECT_EQ(TextAt(r[0], 87, 17), " 100000.00");
    EXPECT_EQ(r[0].LineText(18),
              "   1  Jan 1 1996     894.49    66.95  827.54       0.00       0.00       0.00"
              "     0.00   99933.05");
    EXPECT_EQ(TextAt(r[1], 0, 17), "  43  Jul 1 1999 ");
    EXPECT_EQ(TextAt(r[6], 0, 58), " 299  Nov 1 2020 ");
    EXPECT_EQ(r[6].TextAt(0, 59), nullptr);
}

TEST(ScheduleReport, CondensedViewsOnOnePageWithTheirNote) {
    const Scenario s = MonthlyScenario();
    const ScheduleFile f = MadeUpSchedule(60);
    struct Case {
        ScheduleView view;
        int changes;
        std::vector<std::string> notes;
        std::vector<std::string> firstRows;
    };
    const std::vector<Case> cases = {
        {ScheduleView::Anniversaries,
         0,
         {"Note:  There are no Changes to Payments or Lump Payments processed in the following "
          "schedule."},
         {"  12  Dec 1 1996 ", "  24  Dec 1 1997 "}},
        {ScheduleView::YearEnds,
         2,
         {"Note:  Changes to Payments and/or Lump Payments have been processed in the following "
          "schedule.",
          "       They will not be displayed unless they happen to fall on a date reported."},
         {"  12  Dec 1 1996 ", "  24  Dec 1 1997 "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ResolutionText(c.view));
        const Report r = ScheduleReport(s, Changes(c.changes), f, c.view, 4, 4);
        ASSERT_EQ(r.size(), 1u);
        const Page& p = r[0];
        EXPECT_EQ(TextAt(p, 20, 12), "Condensed Schedule of Payments");
        for (std::size_t k = 0; k < c.notes.size(); ++k)
            EXPECT_EQ(TextAt(p, 0, 15 + static_cast<double>(k)), c.notes[k]);
        EXPECT_EQ(p.TextAt(0, 16) != nullptr, c.notes.size() > 1);
        EXPECT_EQ(TextAt(p, 2, 19), "Pay");
        EXPECT_EQ(TextAt(p, 2, 20), "Num");
        EXPECT_EQ(TextAt(p, 87, 22), " 100000.00");
        EXPECT_EQ(TextAt(p, 0, 23), c.firstRows[0]);
        EXPECT_EQ(TextAt(p, 0, 24), c.firstRows[1]);
        EXPECT_EQ(TextAt(p, 78, 62), "Page: 4 of 4");
    }
}

TEST(ChangesReport, FortyEntriesAPageWithHeadings) {
    const Scenario s = MonthlyScenario();
    EXPECT_TRUE(ChangesReport(s, {}, 1, 1).empty());
    const Report r = ChangesReport(s, Changes(41), 2, 5);
    ASSERT_EQ(r.size(), 2u);
    for (std::size_t k = 0; k < r.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(TextAt(r[k], 12, 12), "Schedule Payment Changes and Lump Payments");
        EXPECT_EQ(TextAt(r[k], 20, 16), "Date of Change");
        EXPECT_EQ(TextAt(r[k], 37, 16), "Change to Payment");
        EXPECT_EQ(TextAt(r[k], 58, 16), "Lump Payment");
        EXPECT_EQ(TextAt(r[k], 78, 62), "Page: " + std::to_string(k + 2) + " of 5");
    }
    EXPECT_EQ(r[0].LineText(18),
              "                    Jan 1 1997               25.00           1000.00");
    EXPECT_NE(r[0].TextAt(20, 57), nullptr);
    EXPECT_EQ(r[0].TextAt(20, 58), nullptr);
    EXPECT_EQ(TextAt(r[1], 20, 18), "Oct 8 1997 ");
    EXPECT_EQ(r[1].TextAt(20, 19), nullptr);
}

TEST(SummaryReport, LabelsAmountsAndPayoff) {
    const Scenario s = MonthlyScenario();
    SummaryResult run;
    run.endBalance = 95000.5f;
    run.totalPaid = 53669.4;
    run.totalLumps = 1000;
    run.totalInterest = 48669.9f;
    run.totalPrincipal = 5999.5f;
    run.extraPaid = -12.5f;
    run.lastDate = DayFromCivil(2000, 12, 1);
    run.paymentsMade = 60;
    const Page paid = SummaryReport(s, run, PayoffProjection{DayFromCivil(2020, 12, 1), 300});
    EXPECT_EQ(TextAt(paid, 27, 11), "Summary Schedule");
    EXPECT_TRUE(paid.TextAt(27, 11)->font.underline);
    EXPECT_EQ(TextAt(paid, 16, 17), "Snapshot at Date: Dec 1 2000  (payment number: 60)");
    EXPECT_EQ(paid.TextAt(16, 17)->font, (PrintFont{PrintFace::CourierNew, 11, false, false}));
    EXPECT_EQ(paid.LineText(19), std::string(16, ' ') + "Balance Remaining:              95000.50");
    EXPECT_EQ(TextAt(paid, 16, 21), "$ Paid Out:");
    EXPECT_EQ(TextAt(paid, 18, 22), "By Regular Payments:");
    EXPECT_EQ(TextAt(paid, 45, 22), "   53669.40");
    EXPECT_EQ(TextAt(paid, 18, 23), "By Lump Payments:");
    EXPECT_EQ(TextAt(paid, 45, 23), "    1000.00");
    EXPECT_EQ(TextAt(paid, 16, 25), "Total Interest Paid to date:");
    EXPECT_EQ(TextAt(paid, 16, 26), "Total Principle Paid to Date:");
    EXPECT_EQ(TextAt(paid, 16, 28), "Extra $ Paid out as a result of");
    EXPECT_EQ(TextAt(paid, 55, 29), "     -12.50");
    EXPECT_EQ(TextAt(paid, 16, 33), "If this mortgage was to continue to");
    EXPECT_EQ(TextAt(paid, 60, 34), "Dec 1 2020");
    EXPECT_EQ(TextAt(paid, 16, 36), "which is payment number:");
    EXPECT_EQ(TextAt(paid, 60, 36), "300");

    run.endBalance = 0;
    const Page done = SummaryReport(s, run, std::nullopt);
    EXPECT_EQ(TextAt(done, 16, 33), "There is no outstanding balance to run for this mortgage.");
    EXPECT_EQ(TextAt(done, 16, 34), "It has been paid in full.");
    EXPECT_EQ(done.TextAt(60, 34), nullptr);
}

TEST(ScenarioReports, PagesNumberedThroughTheDocument) {
    const Scenario s = MonthlyScenario();
    const ScheduleFile f = MadeUpSchedule(60);
    const SummaryResult run;
    struct Case {
        ReportChoice choice;
        int changes;
        std::vector<std::string> titles; // the title of each page, in order
    };
    const std::string sum = "Summary Schedule", chg = "Schedule Payment Changes and Lump Payments",
                      sch = "Schedule of Payments";
    const std::vector<Case> cases = {
        {{true, true, true}, 41, {sum, chg, chg, sch, sch}},
        {{true, true, true}, 0, {sum, sch, sch}},
        {{false, true, true}, 3, {chg, sch, sch}},
        {{true, false, false}, 3, {sum}},
        {{false, false, true}, 3, {sch, sch}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.titles.size());
        const PaymentChanges changes = Changes(c.changes);
        const Report r = PrintScenarioReports(
            ReportInputs{s, changes, f, run, std::nullopt, ScheduleView::AllPayments}, c.choice);
        ASSERT_EQ(r.size(), c.titles.size());
        const std::string of = " of " + std::to_string(c.titles.size());
        for (std::size_t k = 0; k < r.size(); ++k) {
            const PlacedText* title =
                r[k].TextAt(27, 11) ? r[k].TextAt(27, 11) : r[k].TextAt(12, 12);
            ASSERT_NE(title, nullptr);
            EXPECT_EQ(title->text, c.titles[k]);
            EXPECT_EQ(TextAt(r[k], 78, 62), "Page: " + std::to_string(k + 1) + of);
        }
    }
}

TEST(ScenarioReports, ThirtyFiveYearWeeklyScheduleTakesFortyThreePages) {
    Scenario s = MonthlyScenario();
    s.frequency = kWeekly;
    s.amortization = 35;
    s.term = 35;
    // A weekly payment of a quarter of the monthly one pays off early; lowered from the first
    // payment on, it runs the whole length of loan.
    PaymentChanges lower;
    lower.entries.push_back(PaymentChange{0, -30, s.start});
    SilentMessages quiet;
    const ScheduleRun run = RunSchedule(EngineInputs{s, lower}, quiet);
    EXPECT_EQ(run.schedule.count, 1820);
    const Report r = ScheduleReport(s, lower, run.schedule, ScheduleView::AllPayments, 1, 43);
    EXPECT_EQ(r.size(), 43u);
    EXPECT_EQ(SchedulePages(ScheduleView::AllPayments, run.schedule.count), 43);
    EXPECT_EQ(TextAt(r[42], 78, 62), "Page: 43 of 43");
}

// The graph stands under the header at column 12 of line 18, six inches wide, and a tall
// picture shrinks so that it ends above the footer's rule.
TEST(GraphReport, ThePictureStandsUnderTheHeaderAndAboveTheFooter) {
    struct Case {
        double aspect;
        double columns;
        double lines;
    };
    const Case cases[] = {
        {0.5, 72, 18}, // 6 x 3 inches
        {1.0, 72, 36}, // square: 6 inches still end above line 58
        {4.0, 20, 40}, // tall: 40 lines at most, the width following
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.aspect);
        const Report r = GraphReport(test::StandardScenario(), c.aspect);
        ASSERT_EQ(r.size(), 1u);
        ASSERT_EQ(r[0].pictures.size(), 1u);
        const PlacedPicture& p = r[0].pictures[0];
        EXPECT_EQ(p.column, 12);
        EXPECT_EQ(p.line, 18);
        EXPECT_DOUBLE_EQ(p.columns, c.columns);
        EXPECT_DOUBLE_EQ(p.lines, c.lines);
        EXPECT_EQ(p.handle, 1u);
        EXPECT_EQ(TextAt(r[0], 3, 0), "Hearthline 2.0");
        EXPECT_EQ(TextAt(r[0], 78, 62), "Page: 1 of 1");
    }
}

} // namespace
} // namespace hl
