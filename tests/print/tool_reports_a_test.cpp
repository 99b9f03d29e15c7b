// The early discharge, mortgage estimate and saving suggestions reports: where their texts land,
// in which font, and how the suggestion list runs on to further pages.
#include <gtest/gtest.h>

#include "core/day_number.h"
#include "print/discharge_report.h"
#include "print/estimate_report.h"
#include "print/suggestions_report.h"

namespace hl {
namespace {

struct Placed {
    double column;
    double line;
    std::string start; ///< the text, or how it begins
    PrintFont font;
};

void ExpectPlaced(const Page& page, const std::vector<Placed>& expected) {
    for (const Placed& e : expected) {
        SCOPED_TRACE(e.start);
        const PlacedText* t = page.TextAt(e.column, e.line);
        ASSERT_NE(t, nullptr) << "nothing at column " << e.column << ", line " << e.line;
        EXPECT_TRUE(t->text.starts_with(e.start)) << t->text;
        EXPECT_EQ(t->font, e.font);
    }
}

const PrintFont kTitle{PrintFace::Arial, 16, true, true};
const PrintFont kFooter{PrintFace::Arial, 10, true, false};

TEST(DischargeReport, UnderTheHeaderBlockBodyThenNotes) {
    const Scenario s{100000, 10, 25, 5, DayFromCivil(1996, 1, 1), "Renewal", kMonthly};
    const Report r = DischargeReport(s, {"Jan 1 1996", "Dec 1 2000", "Jun 15, 1998", "7.500", "",
                                         "4321.00", "4100.55", "2399.10"});
    ASSERT_EQ(r.size(), 1u);
    const PrintFont body{PrintFace::Arial, 11, false, false};
    const PrintFont note{PrintFace::Arial, 10, false, false};
    ExpectPlaced(r[0],
                 {{4, 7, "Comment: Renewal", {PrintFace::Arial, 11, true, false}},
                  {27, 12, "Early Discharge Penalty", kTitle},
                  {11, 17, "Current Mortgage runs from:   Jan 1 1996   until   Dec 1 2000", body},
                  {36, 19, "Jun 15, 1998", body},
                  {36, 20, "7.500", body},
                  {11, 23, "Interest Rate Differential", {PrintFace::Arial, 11, false, true}},
                  {42, 25, "", body}, // a method without a value leaves its place empty
                  {42, 27, "4321.00", body},
                  {42, 29, "4100.55", body},
                  {11, 33, "Three Month Interest Penalty:", body},
                  {42, 33, "2399.10", body},
                  {11, 35, "Applicable Penalty: The GREATER", note},
                  {11, 37, "Note:", note},
                  {19, 38, "Interest Rate Differential) if", note},
                  {8, 41, "The intent of this form", note},
                  {78, 62, "Page: 1 of 1", kFooter}});
    EXPECT_EQ(r[0].TextAt(42, 25)->text, ""); // a method without a value prints nothing
}

TEST(EstimateReport, ItemsAndTotalsInTwoColumns) {
    // Figures stand on their points: a ten-character "######0.00" would start at 40 or 60.
    const Report r = EstimateReport({"180000.00",
                                     {"1300.00", "1525.00", "0.00", "300.00", "750.00", "300.00",
                                      "400.00", "1000.00", "400.00", "925.00", "1000.00"},
                                     "7900.00",
                                     "187900.00",
                                     {"10000.00", "0.00", "33000.00"},
                                     "43000.00",
                                     "144900.00"});
    ASSERT_EQ(r.size(), 1u);
    const PrintFont caption{PrintFace::Arial, 12, false, false};
    const PrintFont heading{PrintFace::Arial, 12, false, true};
    const PrintFont figure{PrintFace::CourierNew, 10, false, false};
    ExpectPlaced(r[0], {{3, 0, "Hearthline 2.0", {PrintFace::Arial, 16, true, false}},
                        {20, 4, "Estimate Amount of Mortgage Required", kTitle},
                        {61, 8, "180000.00", figure},
                        {8, 10, "Plus Other Expenses:", heading},
                        {43, 11, "1300.00", figure},
                        {5, 16, "Appraisal Fee:", caption},
                        {5, 18, "House Inspection:", caption},
                        {63, 22, "7900.00", figure},
                        {3, 24, "Total Estimate Purchase Cost:", caption},
                        {8, 26, "Less:", heading},
                        {42, 29, "33000.00", figure},
                        {62, 29, "43000.00", figure},
                        {3, 31, "Estimated Amount to be Mortgaged:", caption},
                        {61, 31, "144900.00", figure},
                        {78, 62, "Page: 1 of 1", kFooter}});
    for (const PlacedText& t : r[0].texts) // subtotal beside the last expense only
        EXPECT_FALSE(t.line >= 11 && t.line < 22 && t.column >= 60) << t.text;
}

TEST(SuggestionsReport, ListRunsOnToNumberedPages) {
    // Lines in the list, then pages and the lines on the last page.
    const std::vector<std::array<int, 3>> cases = {{0, 0, 0},  {25, 1, 25}, {49, 1, 49},
                                                   {50, 2, 1}, {98, 2, 49}, {99, 3, 1}};
    for (const auto& [count, pages, onLast] : cases) {
        SCOPED_TRACE(count);
        std::vector<std::string> lines;
        for (int k = 1; k <= count; ++k)
            lines.push_back("line " + std::to_string(k) + ".");
        const Report r = SuggestionsReport(lines);
        ASSERT_EQ(static_cast<int>(r.size()), pages);
        EXPECT_EQ(SuggestionPages(count), pages);
        std::size_t next = 0;
        for (std::size_t k = 0; k < r.size(); ++k) {
            const std::string of = std::to_string(k + 1) + " of " + std::to_string(pages);
            ExpectPlaced(r[k], {{3, 1, "Hearthline 2.0", {PrintFace::Arial, 16, true, false}},
                                {30, 5, "Suggestion Results", kTitle},
                                {78, 62, "Page: " + of, kFooter}});
            const int used = k + 1 < r.size() ? kSuggestionLinesPerPage : onLast;
            for (int line = 9; line < 9 + used; ++line)
                ExpectPlaced(
                    r[k], {{3, static_cast<double>(line), lines[next++], {PrintFace::Arial, 9}}});
            EXPECT_EQ(r[k].TextAt(3, 9 + used), nullptr);
        }
        EXPECT_EQ(next, lines.size());
    }
}

} // namespace
} // namespace hl
