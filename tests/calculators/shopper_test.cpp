// The payment shopper's table: row counts, the order of the lines, separators, the line limit and
// the checks that refuse a calculation.
#include <gtest/gtest.h>

#include "calculators/shopper.h"
#include "engine/engine.h"

namespace hl::calc {
namespace {

int ResultLines(const std::vector<ShopperLine>& lines) {
    int n = 0;
    for (const ShopperLine& line : lines)
        n += line.separator ? 0 : 1;
    return n;
}

const ShopperInputs kSample{{50000, 60000, 5000}, {7, 8, 1}, {15, 25, 5}};

TEST(ShopperCount, RowCounts) {
    EXPECT_EQ(RowCount({50000, 0, 0}), 1.0f);        // single value, increment unused
    EXPECT_EQ(RowCount({50000, 60000, 5000}), 3.0f); // last step lands on the upper boundary
    EXPECT_EQ(RowCount({50000, 62000, 5000}), 3.0f); // a step short of the upper boundary
    EXPECT_EQ(RowCount({7, 8, 1}), 2.0f);
    EXPECT_EQ(RowCount({5, 6, 0.1f}), 11.0f);
}

TEST(ShopperTable, SampleGivesThreeBlocksOfSix) {
    const ShopperResult out = CalculateShopper(kSample);
    ASSERT_FALSE(out.message.has_value());
    ASSERT_EQ(out.lines.size(), 24u);
    EXPECT_EQ(ResultLines(out.lines), 18);

    // Amounts innermost, then rates, then amortization; a separator after every three amounts
    // and none added at the rate level, since one just came.
    const Single years[] = {15, 20, 25};
    const Single rates[] = {7, 8};
    const Money amounts[] = {50000, 55000, 60000};
    std::size_t i = 0;
    for (const Single y : years) {
        for (const Single r : rates) {
            for (const Money a : amounts) {
                const ShopperLine& line = out.lines[i++];
                ASSERT_FALSE(line.separator) << i;
                EXPECT_EQ(line.amount, a);
                EXPECT_EQ(line.rate, r);
                EXPECT_EQ(line.years, y);
            }
            EXPECT_TRUE(out.lines[i].separator) << i;
            EXPECT_EQ(out.lines[i++].Text(), "");
        }
    }
}

TEST(ShopperTable, PaymentColumnsInHeadingOrder) {
    const ShopperLine line = CalculateShopper(kSample).lines.front();
    // Monthly, Weekly, Every Two Weeks, Twice a Month: the last two columns swap the codes.
    EXPECT_EQ(line.payments[0], RegularPayment(50000, 7, 15, kMonthly));
    EXPECT_EQ(line.payments[1], RegularPayment(50000, 7, 15, kWeekly));
    EXPECT_EQ(line.payments[2], RegularPayment(50000, 7, 15, kEveryTwoWeeks));
    EXPECT_EQ(line.payments[3], RegularPayment(50000, 7, 15, kTwiceAMonth));
    // The engine's payments for 50000 at 7 % over 15 years, in the columns' formats.
    EXPECT_EQ(line.Text(), "50000.00\t  7.000\t  15.00\t  446.62\t  111.65\t  223.31\t  223.31");
}

TEST(ShopperTable, LowerBoundariesOnlyGiveOneLine) {
    const ShopperResult out = CalculateShopper({{50000, 0, 0}, {7, 0, 0}, {25, 0, 0}});
    ASSERT_FALSE(out.message.has_value());
    ASSERT_EQ(out.lines.size(), 1u);
    EXPECT_FALSE(out.lines[0].separator);
}

TEST(ShopperTable, SingleAmountGetsOneSeparatorAfterTheRates) {
    const ShopperResult out = CalculateShopper({{50000, 0, 0}, {5, 10, 1}, {25, 0, 0}});
    ASSERT_EQ(out.lines.size(), 7u);
    EXPECT_EQ(ResultLines(out.lines), 6);
    EXPECT_TRUE(out.lines.back().separator);
    EXPECT_EQ(out.lines[5].rate, 10.0f);
}

TEST(ShopperTable, ValuesAdvanceByRepeatedAddition) {
    const ShopperResult out = CalculateShopper({{50000, 0, 0}, {5, 6, 0.1f}, {25, 0, 0}});
    ASSERT_EQ(ResultLines(out.lines), 11);
    // Ten single additions of 0.1 to 5 fall short of 6, where 5 + 10 x 0.1 would give 6.
    EXPECT_EQ(out.lines[10].rate, 5.99999905f);
    EXPECT_EQ(out.lines[10].Cells()[1], "  6.000");
}

TEST(ShopperTable, EightHundredLinesAreAllowed) {
    // 10 amounts x 10 rates x 8 periods.
    const ShopperResult out = CalculateShopper({{10000, 100000, 10000}, {1, 10, 1}, {5, 12, 1}});
    ASSERT_FALSE(out.message.has_value());
    EXPECT_EQ(ResultLines(out.lines), 800);
    EXPECT_EQ(out.lines.size(), 880u); // a separator after each of the 80 runs of amounts
}

TEST(ShopperTable, MoreThanEightHundredLinesAreRefused) {
    // 10 amounts x 9 rates x 9 periods = 810.
    const ShopperResult out = CalculateShopper({{10000, 100000, 10000}, {1, 9, 1}, {5, 13, 1}});
    EXPECT_TRUE(out.lines.empty());
    ASSERT_TRUE(out.message.has_value());
    EXPECT_EQ(out.message->title, "Rate Shopper Output Violation");
    EXPECT_EQ(out.message->text,
              "Error, there are too many lines to display (over 800).  Please reduce some of the "
              "ranges or increase some of the increments (or do it in two runs).");
    EXPECT_TRUE(out.message->beep);
}

// The first message a calculation gives, "" when it gives none.
std::string Refusal(const ShopperInputs& in) {
    const ShopperResult out = CalculateShopper(in);
    if (!out.message)
        return "";
    EXPECT_EQ(out.message->title, "Rate Shopper Input Violation");
    EXPECT_TRUE(out.lines.empty());
    return out.message->text;
}

TEST(ShopperChecks, EveryRowNeedsALowerBoundary) {
    const std::string missing =
        "Error, All paramters must have a lower boundary specified. At least one of the values "
        "does not have the Lower Boundary specified.";
    EXPECT_EQ(Refusal({{0, 0, 0}, {7, 0, 0}, {25, 0, 0}}), missing);
    EXPECT_EQ(Refusal({{50000, 0, 0}, {0, 8, 1}, {25, 0, 0}}), missing);
    EXPECT_EQ(Refusal({{50000, 0, 0}, {7, 0, 0}, {0, 0, 0}}), missing);
}

TEST(ShopperChecks, OrderAndIncrementOfEachRow) {
    const std::string order = "the lower boundary MUST be lower than the upper boundary. "
                              "Increase the Upper Boundary or decrease the Lower Boundary.";
    const std::string step = "row is too large.  Adding this increment value to the lower "
                             "boundary exceeds upper boundary. Decrease increment.";
    const ShopperRow fine{1, 0, 0};

    EXPECT_EQ(Refusal({{60000, 50000, 1000}, fine, fine}), "Error, in the mortgage row, " + order);
    EXPECT_EQ(Refusal({{60000, 60000, 1000}, fine, fine}),
              "Error, the increment for the mortgage " + step);
    EXPECT_EQ(Refusal({{50000, 60000, 10001}, fine, fine}),
              "Error, the increment for the mortgage " + step);

    EXPECT_EQ(Refusal({fine, {8, 7, 1}, fine}), "Error, in the interest rate row, " + order);
    EXPECT_EQ(Refusal({fine, {7, 8, 0}, fine}),
              "Error, the increment for the interest rate " + step);

    EXPECT_EQ(Refusal({fine, fine, {25, 15, 5}}),
              "Error, in the Amortization Period row, " + order);
    EXPECT_EQ(Refusal({fine, fine, {15, 25, 11}}),
              "Error, the increment for the Amortization Period " + step);

    // The whole range as one step is fine.
    EXPECT_EQ(Refusal({{50000, 60000, 10000}, fine, fine}), "");
}

TEST(ShopperChecks, NegativeLowerBoundaryOfARange) {
    EXPECT_EQ(Refusal({{-5000, 5000, 5000}, {1, 0, 0}, {1, 0, 0}}),
              "Error, in the mortgage row, a lower boundary value MUST be specified.");
}

TEST(ShopperChecks, RowsAreCheckedInOrder) {
    EXPECT_EQ(Refusal({{60000, 50000, 1000}, {8, 7, 1}, {25, 15, 5}}).substr(0, 27),
              "Error, in the mortgage row,");
    EXPECT_EQ(Refusal({{50000, 0, 0}, {8, 7, 1}, {25, 15, 5}}).substr(0, 32),
              "Error, in the interest rate row,");
}

} // namespace
} // namespace hl::calc
