// The mortgage amount estimate: subtotals, the total purchase cost and the amount to be mortgaged.
#include <gtest/gtest.h>

#include "calculators/estimate.h"

namespace hl::calc {
namespace {

EstimateTexts Sample() {
    EstimateTexts t;
    for (int i = 0; i < kEstimateInputs; ++i) {
        t[static_cast<std::size_t>(i)] = kEstimateSample[static_cast<std::size_t>(i)];
    }
    return t;
}

TEST(Estimate, Sample) {
    const EstimateResult out = RecalculateEstimate(Sample());
    EXPECT_EQ(out.expenses, 7900.0f);
    EXPECT_EQ(out.funds, 43000.0f);
    EXPECT_EQ(out.expensesText, "7900.00");
    EXPECT_EQ(out.totalCostText, "187900.00");
    EXPECT_EQ(out.fundsText, "43000.00");
    EXPECT_EQ(out.mortgageText, "144900.00");
}

TEST(Estimate, FundsAboveTheCostGiveANegativeAmount) {
    EstimateTexts t;
    t[0] = "100000";
    t[14] = "150000.50";
    const EstimateResult out = RecalculateEstimate(t);
    EXPECT_EQ(out.mortgage, -50000.5);
    EXPECT_EQ(out.mortgageText, "-50000.50");
}

TEST(Estimate, EmptyAndWordyBoxesCountAsZero) {
    EstimateTexts t;
    t[3] = "none";
    const EstimateResult out = RecalculateEstimate(t);
    EXPECT_EQ(out.expensesText, "0.00");
    EXPECT_EQ(out.totalCostText, "0.00");
    EXPECT_EQ(out.fundsText, "0.00");
    EXPECT_EQ(out.mortgageText, "0.00");
}

TEST(Estimate, TotalsAddTheSubtotalsAsShown) {
    EstimateTexts t;
    t[0] = "100.003";
    t[1] = "0.004";
    // The expenses show 0.00, so the total is 100.003 and shows 100.00, not 100.01.
    const EstimateResult out = RecalculateEstimate(t);
    EXPECT_EQ(out.expensesText, "0.00");
    EXPECT_EQ(out.totalCostText, "100.00");
}

TEST(Estimate, SubtotalsAreSingles) {
    EstimateTexts t;
    t[1] = "1234567.80";
    t[2] = "0.09";
    // 1234567.89 has no single of its own: the nearest is 1234567.875.
    const EstimateResult out = RecalculateEstimate(t);
    EXPECT_EQ(out.expenses, 1234567.875f);
    EXPECT_EQ(out.expensesText, "1234567.88");
}

TEST(Estimate, LeftBoxShowsItsValueToTheCent) {
    EXPECT_EQ(EstimateInputText(0, ""), "0.00");
    EXPECT_EQ(EstimateInputText(4, "abc"), "0.00");
    EXPECT_EQ(EstimateInputText(1, "1300"), "1300.00");
    EXPECT_EQ(EstimateInputText(14, "33000.456"), "33000.46");
}

} // namespace
} // namespace hl::calc
