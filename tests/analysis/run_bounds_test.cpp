// The closed-form bounds of a run of periods hold for the run itself, and are close enough to
// rule trials out.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "analysis/run_bounds.h"
#include "engine/engine.h"

namespace hl::analysis {
namespace {

RunShape Shape(double start, Single rate, Money payment, int periods) {
    return RunShape{start, rate, std::log1p(static_cast<double>(rate)), payment, periods};
}

TEST(RunBounds, HoldForRandomRuns) {
    std::mt19937 engine(4242);
    auto between = [&](int lo, int hi) {
        return lo + static_cast<int>(engine() % static_cast<std::uint32_t>(hi - lo + 1));
    };
    int provenAtLeast = 0, boundedInterest = 0;
    for (int n = 0; n < 20000; ++n) {
        const Frequency f = static_cast<Frequency>(between(1, 4));
        const Single rate = PeriodicRate(f, static_cast<Single>(between(5, 2500)) / 100.0f);
        const double start = static_cast<double>(between(0, 200000000)) / 100.0;
        const Money payment = static_cast<Money>(between(-5000, 500000)) / 100.0f;
        const int periods = between(1, 1820);
        const RunShape shape = Shape(start, rate, payment, periods);
        const PeriodsResult run = RunPeriods(start, rate, payment, periods);
        // The floor a trial compares with: just below, at and above the true end.
        for (Money floor : {run.balance - 1.0f, run.balance, run.balance + 0.01f}) {
            if (ProvenToEndAtLeast(shape, floor)) {
                ++provenAtLeast;
                ASSERT_FALSE(run.paidOff) << n;
                ASSERT_GE(run.balance, floor) << n;
            }
        }
        if (const auto most = ProvenInterestAtMost(shape)) {
            ++boundedInterest;
            ASSERT_LE(static_cast<double>(run.interestTotal), *most) << n;
        }
    }
    // Many runs are bounded at all (most random runs pay off or grow beyond the bounds).
    EXPECT_GT(provenAtLeast, 500);
    EXPECT_GT(boundedInterest, 10000);
}

TEST(RunBounds, AreCloseToTheRun) {
    // 300000 at 6 % Monthly for 60 payments of 1919.18: the bounds are within a few dollars.
    const Single rate = PeriodicRate(kMonthly, 6.0f);
    const RunShape shape = Shape(300000.0, rate, 1919.18f, 60);
    const PeriodsResult run = RunPeriods(300000.0, rate, 1919.18f, 60);
    EXPECT_TRUE(ProvenToEndAtLeast(shape, run.balance - 5.0f));
    EXPECT_FALSE(ProvenToEndAtLeast(shape, run.balance + 0.01f));
    EXPECT_LT(*ProvenInterestAtMost(shape), static_cast<double>(run.interestTotal) + 5.0);
    // A run that pays the loan off is never proven to end above 0.
    EXPECT_FALSE(ProvenToEndAtLeast(Shape(1000.0, rate, 500.0f, 3), 0.0f));
    // Nothing is claimed of a negative start or a run of no period.
    EXPECT_FALSE(ProvenToEndAtLeast(Shape(-10.0, rate, 5.0f, 3), -1e9f));
    EXPECT_FALSE(ProvenInterestAtMost(Shape(10.0, rate, 5.0f, 0)));
}

} // namespace
} // namespace hl::analysis
