// The comparison report: its figures where the page puts them, the change list on the first page
// or on pages of its own, and the entries of both scenarios side by side.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/day_number.h"
#include "print/compare_report.h"
#include "print/reports.h"

namespace hl {
namespace {

// `n` made-up entries: entry k changes the payment by k + 1 and pays a lump of `lump` + k.
std::vector<PaymentChange> Entries(int n, DayNumber first, float lump) {
    std::vector<PaymentChange> entries;
    for (int k = 0; k < n; ++k)
        entries.push_back(
            PaymentChange{lump + static_cast<float>(k), static_cast<float>(k + 1), first + 7 * k});
    return entries;
}

CompareReportTexts Comparison(int entriesOne, int entriesTwo) {
    CompareReportTexts t;
    t.one = {"102500.00",   "9.375",    "25.00",    "5.00",    "Mar, 24 1992", "Weekly",   "218.50",
             "Mar 11 1997", "75305.39", "64997.40", "3000.00", "27194.61",     "40802.79", {}};
    t.two = {"100000.00",  "10.000",   "25.00",    "5.00", "Jan 1, 1996", "Monthly",  "894.49",
             "Dec 1 2000", "95961.34", "53669.40", "0.00", "4038.66",     "49630.74", {}};
    t.one.changes = Entries(entriesOne, DayFromCivil(1993, 1, 5), 1000);
    t.two.changes = Entries(entriesTwo, DayFromCivil(1996, 3, 1), 500);
    t.balanceDifference = "-20655.95";
    t.regularDifference = "11328.00";
    t.lumpDifference = "3000.00";
    t.grossSaving = "-20655.95";
    t.netSaving = "-6327.95";
    return t;
}

// The line of a row of figures, counted from the first.
double FigureRow(int row) { return kCompareFigureLine + row * kCompareFigurePitch; }

std::string TextAt(const Page& page, double column, double line) {
    const PlacedText* t = page.TextAt(column, line);
    return t ? t->text : "<none>";
}

// The distinct lines that carry entries.
std::size_t EntryLines(const Page& page) {
    std::set<double> lines;
    for (const PlacedText& t : page.texts)
        if (t.font.face == PrintFace::CourierNew && !t.font.bold)
            lines.insert(t.line);
    return lines.size();
}

TEST(CompareReport, ChangeListOnTheFirstPageOrOnPagesOfItsOwn) {
    struct Case {
        int one;
        int two;
        std::vector<std::size_t> entryLines; // per page
    };
    // 50 entries fill one page of their own; the footers count it with the first.
    const std::vector<Case> cases = {
        {21, 21, {21}},      {0, 22, {0, 22}},         {50, 50, {0, 50}},
        {51, 2, {0, 50, 1}}, {101, 0, {0, 50, 50, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.one) + " and " + std::to_string(c.two) + " entries");
        const Report report = CompareReport(Comparison(c.one, c.two));
        const int total = static_cast<int>(c.entryLines.size());
        ASSERT_EQ(report.size(), c.entryLines.size());
        EXPECT_EQ(ComparePages(c.one, c.two), total);
        for (int p = 1; p <= total; ++p) {
            const Page& page = report[static_cast<std::size_t>(p - 1)];
            EXPECT_EQ(TextAt(page, kPageNumberColumn, kPageNumberLine),
                      "Page: " + std::to_string(p) + " of " + std::to_string(total));
            EXPECT_EQ(TextAt(page, 3, 0), "Hearthline 2.0");
            EXPECT_EQ(TextAt(page, 20, 4), "Scenario Comparison Study");
            EXPECT_EQ(EntryLines(page), c.entryLines[static_cast<std::size_t>(p - 1)]);
            // Only the first page carries the figures; the list heads a page of its own at line 9.
            EXPECT_EQ(TextAt(page, 65, FigureRow(14)), p == 1 ? "Net Saving:" : "<none>");
            const bool listHere = total == 1 || p > 1;
            EXPECT_EQ(TextAt(page, 24, p == 1 ? kCompareListLine : kCompareListPageLine),
                      listHere ? "Changes to Payment and/or Lump Payments Made" : "<none>");
            // Nothing reaches the footer.
            for (const PlacedText& t : page.texts) {
                if (t.line != kPageNumberLine) {
                    EXPECT_LT(t.line + kCompareListPitch, 58.5) << t.text;
                }
            }
        }
    }
}

TEST(CompareReport, EntriesOfBothScenariosSideBySide) {
    // Scenario one runs longer: its entries go on alone, both continuing from the same index.
    const Report report = CompareReport(Comparison(52, 51));
    ASSERT_EQ(report.size(), 3u);
    const double first = kCompareListPageLine + 4 * kCompareListPitch;
    const double next = kCompareListPageLine + 5 * kCompareListPitch;
    struct Spot {
        std::size_t page;
        double column;
        double line;
        std::string text;
    };
    for (const Spot& s : std::vector<Spot>{{1, 3, first, "Jan 5 1993"},
                                           {1, 14, first, "      1.00"},
                                           {1, 26, first, "   1000.00"},
                                           {1, 54, first, "Mar 1 1996"},
                                           {1, 67, first, "      1.00"},
                                           {1, 79, first, "    500.00"},
                                           {2, 26, first, "   1050.00"},
                                           {2, 79, first, "    550.00"},
                                           {2, 26, next, "   1051.00"},
                                           {2, 79, next, "<none>"}})
        EXPECT_EQ(TextAt(report[s.page], s.column, s.line), s.text) << s.page << " " << s.column;
}

TEST(CompareReport, FiguresUnderTheirHeadings) {
    const Page page = CompareReport(Comparison(2, 1)).front();
    struct Spot {
        double column;
        double line;
        std::string text;
    };
    for (const Spot& s : std::vector<Spot>{{40, 8, "Scenario One"},
                                           {60, 8, "Scenario Two"},
                                           {3, FigureRow(0), "Mortgage Amount"},
                                           {40, FigureRow(0), "102500.00"},
                                           {60, FigureRow(0), "100000.00"},
                                           {9, FigureRow(6), "Calculated Payment"},
                                           {82, FigureRow(7), "Difference"},
                                           {82, FigureRow(8), "-20655.95"},
                                           {12, FigureRow(9), "by Regular Payments"},
                                           {82, FigureRow(10), "3000.00"},
                                           {40, FigureRow(12), "40802.79"},
                                           {87, FigureRow(13), "-20655.95"},
                                           {65, FigureRow(14), "Net Saving:"},
                                           {87, FigureRow(14), "-6327.95"}}) {
        SCOPED_TRACE(s.text);
        // Figures stand on their points within a ten-character field from their column.
        const PlacedText* t = nullptr;
        for (const PlacedText& p : page.texts)
            if (!t && p.line == s.line && p.column >= s.column && p.column < s.column + 9)
                t = &p;
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->text, s.text);
        EXPECT_EQ(t->font.underline, s.line == 8 || s.text == "Difference");
    }
    // The figures end above the change list, which keeps its own line and font.
    for (const PlacedText& t : page.texts) {
        if (t.font.face == PrintFace::Arial && t.font.size == 10 && t.line < kPageNumberLine) {
            EXPECT_LE(t.line + kCompareFigurePitch, kCompareListLine) << t.text;
        }
    }
    const PlacedText* list = page.TextAt(24, kCompareListLine);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->font, (PrintFont{PrintFace::CourierNew, 9, true, true}));
    EXPECT_EQ(TextAt(page, 3, kCompareListLine + 4 * kCompareListPitch), "Jan 5 1993");
}

TEST(CompareReport, SavingsOfMillionsStayOnThePage) {
    // Arial 10 figures: 0.556 em a digit, 0.278 the point, 0.333 the minus; 6 points a column.
    for (const std::string net : {"-6327.95", "-500000.00", "-4376543.21"}) {
        CompareReportTexts t = Comparison(0, 0);
        t.netSaving = net;
        const Page page = CompareReport(t).front();
        const auto placed = std::find_if(page.texts.begin(), page.texts.end(),
                                         [&](const PlacedText& p) { return p.text == net; });
        ASSERT_NE(placed, page.texts.end());
        const double width = (0.333 + 0.278 + 0.556 * static_cast<double>(net.size() - 2)) * 10 / 6;
        EXPECT_LE(placed->column + width, 95 + 1e-9) << net;
        EXPECT_GT(placed->column, 80) << net;
    }
}

} // namespace
} // namespace hl
