// Random scenarios checked against what every schedule file must satisfy.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine_fixture.h"

namespace hl {
namespace {

TEST(ScheduleInvariants, HoldForRandomScenarios) {
    std::mt19937 rng(20261208);
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<>(lo, hi)(rng);
    };
    for (int trial = 0; trial < 150; ++trial) {
        test::EngineFixture f(static_cast<Frequency>(kMonthly + trial % 4));
        f.scenario.amount = sgl::Round(std::round(uniform(5000, 900000)));
        f.scenario.rate = sgl::Round(std::round(uniform(1, 18) * 8) / 8);
        f.scenario.amortization = sgl::Round(std::round(uniform(1, 35)));
        f.scenario.term = sgl::Round(std::round(uniform(1, f.scenario.amortization + 5)));
        f.scenario.start = DayFromCivil(1990 + trial % 20, 1 + trial % 12, 1 + trial % 31);
        // A few changes and lumps on real payment dates, in date order.
        DayNumber date = f.scenario.start;
        for (int k = 0; k < 6; ++k) {
            const int skip = 1 + static_cast<int>(uniform(0, 30));
            for (int j = 0; j < skip; ++j)
                date = NextPaymentDate(date, f.scenario.frequency, f.scenario.start);
            f.Add(date, sgl::Round(std::round(uniform(0, 3)) * 1000),
                  sgl::Round(std::round(uniform(0, 50))));
        }
        const ScheduleFile s = f.Schedule();
        SCOPED_TRACE(trial);
        ASSERT_EQ(s.count, static_cast<int>(s.records.size()));
        EXPECT_LE(s.count, PaymentsInTerm(f.scenario.frequency, f.scenario.term));
        DayNumber expected = f.scenario.start;
        for (std::size_t n = 0; n < s.records.size(); ++n) {
            const ScheduleRecord& r = s.records[n];
            ASSERT_EQ(r.number, static_cast<int>(n + 1));
            ASSERT_EQ(r.date, expected);
            expected = NextPaymentDate(expected, f.scenario.frequency, f.scenario.start);
            ASSERT_GE(r.balance, 0.0f);
            ASSERT_FALSE(std::isnan(r.balance));
        }
        if (s.records.empty())
            continue;
        // Principal repaid plus the balance is the amount, up to the rounding of the single
        // additions that built the running total.
        const ScheduleRecord& last = s.records.back();
        const double drift =
            std::fabs(static_cast<double>(last.principalToDate) +
                      static_cast<double>(last.balance) - static_cast<double>(f.scenario.amount));
        const double ulp = static_cast<double>(std::nextafter(f.scenario.amount, 1e30f)) -
                           static_cast<double>(f.scenario.amount);
        EXPECT_LE(drift, (0.5 * s.count + 8) * ulp) << "count " << s.count;
        const SummaryResult sum = f.Summary();
        EXPECT_EQ(sum.paymentsMade, s.count);
        EXPECT_EQ(sum.endBalance, last.balance);
        EXPECT_EQ(sum.totalPrincipal, last.principalToDate);
        EXPECT_EQ(sum.totalInterest, last.interestToDate);
        EXPECT_EQ(sum.lastDate, last.date);
    }
}

} // namespace
} // namespace hl
