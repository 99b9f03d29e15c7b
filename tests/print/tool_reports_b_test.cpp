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

// Every text stands within the frame's columns, above the footer but for the page number,
// and the pages are numbered through.
void ExpectOnThePage(const Report& report) {
    for (std::size_t p = 0; p < report.size(); ++p) {
        for (const PlacedText& t : report[p].texts) {
            EXPECT_TRUE(t.column >= 1 && t.column <= 95) << t.text;
            EXPECT_TRUE(t.line <= 58 || t.line == kPageNumberLine) << t.text;
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
    // Lines, pages, lines on the last page.
    for (const auto& [count, pages, onLast] : std::vector<std::tuple<int, int, int>>{
             {1, 1, 1}, {48, 1, 48}, {49, 2, 1}, {800, 17, 32}}) {
        SCOPED_TRACE(count);
        std::vector<ShopperReportLine> lines;
        for (int n = 0; n < count; ++n)
            lines.push_back(ShopperLine(n));
        const Report report = ShopperReport(lines);
        ASSERT_EQ(static_cast<int>(report.size()), pages);
        EXPECT_EQ(ShopperReportPages(count), pages);
        ExpectOnThePage(report);
        for (const Page& page : report) {
            EXPECT_EQ(TextAt(page, 24, 4), "Payment Shopper Results");
            EXPECT_TRUE(page.TextAt(kShopperLastColumn, 9)->font.underline);
        }
        EXPECT_EQ(TextAt(report.back(), 5, 10 + onLast), ShopperLine(count - 1)[0]);
        EXPECT_EQ(report.back().TextAt(5, 11 + onLast), nullptr);
    }
    // The cells at their columns from line 11; a separator line stays blank.
    const Page page = ShopperReport({ShopperLine(0), ShopperReportLine{}, ShopperLine(1)})[0];
    const double columns[] = {5, 20, 35, 50, 65, 80, kShopperLastColumn};
    for (std::size_t c = 0; c < 7; ++c)
        EXPECT_EQ(TextAt(page, columns[c], 11), ShopperLine(0)[c]);
    EXPECT_EQ(page.LineText(12), "");
    EXPECT_EQ(TextAt(page, 5, 13), "50001.00");
}

RefinanceSearchReportInputs SearchInputs(int rows) {
    RefinanceSearchReportInputs in{"Jan 15, 1999", "10.000", "1500", true, {}, {}, {}};
    for (int n = 0; n < rows; ++n)
        in.rows.push_back(
            {"Feb 1 1999", "9.950", "894.49", "2345.67", "12345.67", "11234.56", "1111.11"});
    return in;
}

TEST(RefinanceSearchReport, ChoicesInWordsAndRowsOverPages) {
    using P = SearchReportPenalty;
    using M = SearchReportMode;
    const std::vector<std::tuple<bool, P, M, std::string, std::string, std::string>> cases = {
        {true, P::CalculatedScenario, M::DateAndRate, "IS APPLIED", "Calculated Discharge Penalty",
         "Discharge Date and Interest Rate"},
        {false, P::FutureValue, M::DateOnly, " IS NOT APPLIED ", "Future Value Method",
         "Discharge Date only (fixed interest rate)"},
        {true, P::AccInterest, M::RateOnly, "IS APPLIED", "Acc. Interest Method",
         "Interest Rate only (fixed discharge date)"},
    };
    for (const auto& [cmhc, penalty, mode, rule, penaltyWords, modeWords] : cases) {
        RefinanceSearchReportInputs in = SearchInputs(1);
        in.cmhc = cmhc;
        in.penalty = penalty;
        in.mode = mode;
        const Page page = RefinanceSearchReport(in).at(0);
        EXPECT_EQ(page.LineText(8), "     Begin study at discharge date:       Jan 15, 1999");
        EXPECT_EQ(TextAt(page, 42, 12), rule);
        EXPECT_EQ(TextAt(page, 42, 13), penaltyWords);
        EXPECT_EQ(TextAt(page, 42, 14), modeWords);
    }
    for (const auto& [rows, pages] : std::vector<std::pair<int, int>>{{1, 1}, {41, 1}, {42, 2}}) {
        SCOPED_TRACE(rows);
        const Report report = RefinanceSearchReport(SearchInputs(rows));
        ASSERT_EQ(static_cast<int>(report.size()), pages);
        EXPECT_EQ(RefinanceSearchReportPages(rows), pages);
        ExpectOnThePage(report);
        for (const Page& page : report) {
            EXPECT_EQ(TextAt(page, 83, 17), "Saving");
            // The rows below the headings, read as printed in Courier New.
            EXPECT_EQ(page.LineText(18), "     Feb 1 1999    9.950      894.49      2345.67      "
                                         "12345.67    11234.56    1111.11");
        }
    }
}

TEST(RefinanceReport, SectionsSentencesAndValues) {
    const Report report =
        RefinanceReport({"Jan 1 1996", "Dec 1 2000", "10.000", "Jun 15, 1998", "7.000", "94511.22",
                         "2345.67", "250.00", "97106.89", "894.49", "900.00", "December 1 2000",
                         "91234.56", "90123.45", "1111.11", "177.00", "934.11"});
    ASSERT_EQ(report.size(), 1u);
    ExpectOnThePage(report);
    const Page& page = report[0];
    EXPECT_EQ(TextAt(page, 20, 4), "Refinance - Scenario Run Results");
    // The text starting in the field at `column` (a ten-character figure's width, as amounts
    // stand on their points) on the line of the first text `label`.
    const auto after = [&page](const std::string& label, double column) {
        for (const PlacedText& t : page.texts) {
            if (t.text != label)
                continue;
            for (const PlacedText& value : page.texts)
                if (value.line == t.line && value.column >= column && value.column < column + 9)
                    return std::pair(t.font, value.text);
            return std::pair(t.font, std::string("<none>"));
        }
        return std::pair(PrintFont{}, std::string("<no label>"));
    };
    for (const char* heading : {"Scenario Description", "Current Mortgage", "Refinaced Mortgage",
                                "Results Comparison", "Conclusion"}) {
        const PrintFont font = after(heading, 3).first;
        EXPECT_TRUE(font.size == 12 && font.underline) << heading;
    }
    const std::vector<std::tuple<std::string, double, std::string>> values = {
        {"Your current mortgage is set to run from:", 65, "Jan 1 1996 to Dec 1 2000"},
        {"You are considering to refinace your mortgage on:", 65, "Jun 15, 1998"},
        {"Discharging your mortgage will cost an assumed penalty of:", 65, "2345.67"},
        {"Now if you refinace: ", 65, "7.000 %"},
        {"Running this mortgage from: ", 65, "Jun 15, 1998 to December 1 2000"},
        {"Net Saving:", 65, "934.11"},
        {"Current Mortgage if left alone (not refinanced): ", 60, "91234.56"},
        {"Refinanced Mortgage: ", 60, "90123.45"},
        {"Yields a savings of: ", 60, "934.11"},
    };
    for (const auto& [label, column, value] : values)
        EXPECT_EQ(after(label, column).second, value) << label;
}

} // namespace
} // namespace hl
