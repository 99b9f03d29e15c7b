// The printed reports of the payment shopper, the refinance search and the refinance analysis:
// where their texts stand, how their tables run over pages, and that they stay on the page.
#include <gtest/gtest.h>

#include "print/refinance_report.h"
#include "print/refinance_search_report.h"
#include "print/reports.h"
#include "print/shopper_report.h"

namespace hl {
namespace {

std::string TextAt(const Page& page, double column, double line) {
    const PlacedText* t = page.TextAt(column, line);
    return t ? t->text : "<none>";
}

// Every text above the footer lies within the frame's columns and above line 59; the footer is
// the page number on line 62.
void ExpectOnThePage(const Report& report) {
    for (std::size_t p = 0; p < report.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        for (const PlacedText& t : report[p].texts) {
            SCOPED_TRACE(t.text);
            EXPECT_GE(t.column, 1);
            EXPECT_LE(t.column, 95);
            EXPECT_TRUE(t.line <= 58 || (t.line == kPageNumberLine && t.column == 78));
        }
        EXPECT_EQ(TextAt(report[p], kPageNumberColumn, kPageNumberLine),
                  "Page: " + std::to_string(p + 1) + " of " + std::to_string(report.size()));
    }
}

ShopperReportLine ShopperLine(int n) {
    return {std::to_string(50000 + n) + ".00",
            "  7.000",
            "  15.00",
            "  446.62",
            "  111.65",
            "  223.31",
            "  223.31"};
}

TEST(ShopperReport, LinesRunOverPagesUnderRepeatedHeadings) {
    struct Case {
        int lines;
        int pages;
        int onLastPage;
    };
    for (const Case c :
         {Case{1, 1, 1}, Case{48, 1, 48}, Case{49, 2, 1}, Case{96, 2, 48}, Case{800, 17, 32}}) {
        SCOPED_TRACE(c.lines);
        std::vector<ShopperReportLine> lines;
        for (int n = 0; n < c.lines; ++n)
            lines.push_back(ShopperLine(n));
        const Report report = ShopperReport(lines);
        ASSERT_EQ(static_cast<int>(report.size()), c.pages);
        EXPECT_EQ(ShopperReportPages(c.lines), c.pages);
        ExpectOnThePage(report);
        for (const Page& page : report) {
            EXPECT_EQ(TextAt(page, 24, 4), "Payment Shopper Results");
            EXPECT_EQ(TextAt(page, 5, 8), "Mortgage");
            EXPECT_TRUE(page.TextAt(kShopperLastColumn, 9)->font.underline);
        }
        // Lines follow on from one page to the next, from line 11 of each.
        const Page& last = report.back();
        EXPECT_EQ(TextAt(last, 5, 11 + c.onLastPage - 1), ShopperLine(c.lines - 1)[0]);
        EXPECT_EQ(last.TextAt(5, 11 + c.onLastPage), nullptr);
    }
}

TEST(ShopperReport, CellsStandAtTheirColumnsAndSeparatorsStayBlank) {
    const Report report = ShopperReport({ShopperLine(0), ShopperReportLine{}, ShopperLine(1)});
    ASSERT_EQ(report.size(), 1u);
    const Page& page = report[0];
    const double columns[] = {5, 20, 35, 50, 65, 80, kShopperLastColumn};
    for (std::size_t c = 0; c < 7; ++c) {
        EXPECT_EQ(TextAt(page, columns[c], 11), ShopperLine(0)[c]);
        EXPECT_EQ(page.TextAt(columns[c], 11)->font.size, 10);
    }
    EXPECT_EQ(page.LineText(12), "");
    EXPECT_EQ(TextAt(page, 5, 13), "50001.00");
    // The widest payment shown ("  99999.99", about 8 cells of Arial 10) ends inside the
    // printable width of a Letter page, 96 cells.
    EXPECT_LE(kShopperLastColumn + 8, 96);
}

RefinanceSearchReportInputs SearchInputs(int rows) {
    RefinanceSearchReportInputs in{"Jan 15, 1999", "10.000", "1500", true, {}, {}, {}};
    for (int n = 0; n < rows; ++n)
        in.rows.push_back({"Feb " + std::to_string(n % 28 + 1) + " 1999", "9.950", "894.49",
                           "2345.67", "12345.67", "11234.56", "1111.11"});
    return in;
}

TEST(RefinanceSearchReport, InputsAndChoicesInWords) {
    struct Case {
        bool cmhc;
        SearchReportPenalty penalty;
        SearchReportMode mode;
        std::string rule, penaltyWords, modeWords;
    };
    const std::vector<Case> cases = {
        {true, SearchReportPenalty::CalculatedScenario, SearchReportMode::DateAndRate, "IS APPLIED",
         "Calculated Discharge Penalty", "Discharge Date and Interest Rate"},
        {false, SearchReportPenalty::FutureValue, SearchReportMode::DateOnly, " IS NOT APPLIED ",
         "Future Value Method", "Discharge Date only (fixed interest rate)"},
        {true, SearchReportPenalty::AccInterest, SearchReportMode::RateOnly, "IS APPLIED",
         "Acc. Interest Method", "Interest Rate only (fixed discharge date)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.modeWords);
        RefinanceSearchReportInputs in = SearchInputs(1);
        in.cmhc = c.cmhc;
        in.penalty = c.penalty;
        in.mode = c.mode;
        const Page page = RefinanceSearchReport(in).at(0);
        EXPECT_EQ(TextAt(page, 22, 4), "Refinace Study - Solve Both");
        EXPECT_EQ(TextAt(page, 5, 8), "Begin study at discharge date:");
        EXPECT_EQ(TextAt(page, 42, 8), "Jan 15, 1999");
        EXPECT_EQ(TextAt(page, 42, 9), "10.000");
        EXPECT_EQ(TextAt(page, 42, 10), "1500");
        EXPECT_EQ(TextAt(page, 5, 12), "CMHC 3 year rule:");
        EXPECT_EQ(TextAt(page, 42, 12), c.rule);
        EXPECT_EQ(TextAt(page, 42, 13), c.penaltyWords);
        EXPECT_EQ(TextAt(page, 42, 14), c.modeWords);
    }
}

TEST(RefinanceSearchReport, RowsUnderTheHeadingsOverPages) {
    for (const auto& [rows, pages] : std::vector<std::pair<int, int>>{{1, 1}, {41, 1}, {42, 2}}) {
        SCOPED_TRACE(rows);
        const Report report = RefinanceSearchReport(SearchInputs(rows));
        ASSERT_EQ(static_cast<int>(report.size()), pages);
        EXPECT_EQ(RefinanceSearchReportPages(rows), pages);
        ExpectOnThePage(report);
        for (const Page& page : report) {
            EXPECT_EQ(TextAt(page, 83, 17), "Saving");
            EXPECT_EQ(page.TextAt(5, 17)->font.face, PrintFace::CourierNew);
            EXPECT_EQ(TextAt(page, 5, 18).substr(0, 4), "Feb ");
        }
    }
    // The cells stand at their columns, read as printed in Courier New.
    const Page page = RefinanceSearchReport(SearchInputs(1)).at(0);
    EXPECT_EQ(page.LineText(18),
              "     Feb 1 1999   9.950       894.49      2345.67      12345.67    "
              "11234.56    1111.11");
    EXPECT_EQ(page.LineText(19), "");
}

TEST(RefinanceReport, SectionsSentencesAndValues) {
    const RefinanceReportInputs in{
        "Jan 1 1996", "Dec 1 2000", "10.000",   "Jun 15, 1998", "7.000",  "94511.22",
        "2345.67",    "250.00",     "97106.89", "894.49",       "900.00", "December 1 2000",
        "91234.56",   "90123.45",   "1111.11",  "177.00",       "934.11"};
    const Report report = RefinanceReport(in);
    ASSERT_EQ(report.size(), 1u);
    ExpectOnThePage(report);
    const Page& page = report[0];
    EXPECT_EQ(TextAt(page, 20, 4), "Refinance - Scenario Run Results");
    for (const char* heading : {"Scenario Description", "Current Mortgage", "Refinaced Mortgage",
                                "Results Comparison", "Conclusion"}) {
        SCOPED_TRACE(heading);
        const auto it = std::find_if(page.texts.begin(), page.texts.end(),
                                     [&](const PlacedText& t) { return t.text == heading; });
        ASSERT_NE(it, page.texts.end());
        EXPECT_EQ(it->font.size, 12);
        EXPECT_TRUE(it->font.underline);
    }
    // Each sentence has its value at column 65, the conclusion's at column 60.
    const auto valueOf = [&page](const std::string& label, double column) {
        for (const PlacedText& t : page.texts)
            if (t.text == label) {
                const PlacedText* value = page.TextAt(column, t.line);
                return value ? value->text : "<none>";
            }
        return std::string("<no label>");
    };
    EXPECT_EQ(valueOf("Your current mortgage is set to run from:", 65), "Jan 1 1996 to Dec 1 2000");
    EXPECT_EQ(valueOf("and is set at the interest rate:", 65), "10.000 %");
    EXPECT_EQ(valueOf("You are considering to refinace your mortgage on:", 65), "Jun 15, 1998");
    EXPECT_EQ(valueOf("Discharging your mortgage will cost an assumed penalty of:", 65), "2345.67");
    EXPECT_EQ(valueOf("Amount to be refinanced:", 65), "97106.89");
    EXPECT_EQ(valueOf("Now if you refinace: ", 65), "7.000 %");
    EXPECT_EQ(valueOf("Running this mortgage from: ", 65), "Jun 15, 1998 to December 1 2000");
    EXPECT_EQ(valueOf("Net Saving:", 65), "934.11");
    EXPECT_EQ(valueOf("Current Mortgage if left alone (not refinanced): ", 60), "91234.56");
    EXPECT_EQ(valueOf("Refinanced Mortgage: ", 60), "90123.45");
    EXPECT_EQ(valueOf("Yields a savings of: ", 60), "934.11");
}

} // namespace
} // namespace hl
