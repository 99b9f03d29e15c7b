// Rates, payments, payment counts, the payment calendar and runs of periods.
#include <gtest/gtest.h>

#include "core/text_items.h"
#include "engine_fixture.h"

namespace hl {
namespace {

using test::EngineFixture;

TEST(FrequencyCodes, OnlyTheFourCodesFromOutsideBecomeFrequencies) {
    const std::pair<int, std::optional<Frequency>> rows[] = {
        {1, kMonthly}, {2, kWeekly}, {3, kTwiceAMonth}, {4, kEveryTwoWeeks},
        {0, {}},       {5, {}},      {-1, {}},          {'2', {}},
    };
    for (const auto& [code, expected] : rows) {
        EXPECT_EQ(FrequencyFromCode(code), expected) << code;
        EXPECT_EQ(IsFrequency(code), expected.has_value()) << code;
    }
    EXPECT_STREQ(FrequencyName(kTwiceAMonth), "Twice a Month");
    EXPECT_STREQ(FrequencyName(0), "");
}

TEST(RatesAndPayments, TenPercentTwentyFiveYearsFromALendersTable) {
    // 100000 at 10 % over 25 years: a lender's table gives 894.49 a month. The same formula in
    // double precision throughout gives 894.48: the single-precision steps matter.
    EXPECT_EQ(PeriodicRate(kMonthly, 10.0f), 0.00816488266f);
    EXPECT_EQ(RegularPayment(100000.0f, 10.0f, 25.0f, kMonthly), 894.49f);
    EXPECT_EQ(RegularPayment(100000.0f, 10.0f, 25.0f, kWeekly), 223.62f);
    EXPECT_EQ(RegularPayment(100000.0f, 10.0f, 25.0f, kTwiceAMonth), 447.24f);
    EXPECT_EQ(RegularPayment(100000.0f, 10.0f, 25.0f, kEveryTwoWeeks), 447.24f);
}

TEST(RatesAndPayments, PeriodicRatesCompoundSemiAnnually) {
    // Two half-years at the periodic rate compounded h times each give the annual rate.
    for (Frequency f : {kMonthly, kWeekly, kTwiceAMonth, kEveryTwoWeeks}) {
        const double i = PeriodicRate(f, 10.0f);
        const double h = PaymentsPerYear(f) / 2.0;
        EXPECT_NEAR(std::pow(1.0 + i, 2.0 * h), 1.1025, 2e-5) << f;
    }
    EXPECT_LT(PeriodicRate(kWeekly, 10.0f), PeriodicRate(kEveryTwoWeeks, 10.0f));
}

TEST(RatesAndPayments, FractionalAmortizationGivesAFractionalExponent) {
    const Money whole = RegularPayment(100000.0f, 10.0f, 25.0f, kMonthly);
    const Money half = RegularPayment(100000.0f, 10.0f, 25.5f, kMonthly);
    EXPECT_LT(half, whole);
    EXPECT_GT(half, RegularPayment(100000.0f, 10.0f, 26.0f, kMonthly));
}

TEST(PaymentCounts, RoundHalfToEvenPerFrequency) {
    EXPECT_EQ(PaymentsInTerm(kMonthly, 5.0f), 60);
    EXPECT_EQ(PaymentsInTerm(kWeekly, 35.0f), 1820);
    EXPECT_EQ(PaymentsInTerm(kTwiceAMonth, 5.0f), 120);
    EXPECT_EQ(PaymentsInTerm(kEveryTwoWeeks, 5.0f), 130);
    EXPECT_EQ(PaymentsInTerm(kWeekly, 0.125f), 6);       // 6.5 goes to the even 6
    EXPECT_EQ(PaymentsInTerm(kTwiceAMonth, 0.0625f), 2); // 1.5 goes to the even 2
    EXPECT_EQ(PaymentsInTerm(kMonthly, 0.04f), 0);       // 0.48
}

std::vector<CivilDate> Calendar(Frequency frequency, int y, int m, int d, int count) {
    const DayNumber start = DayFromCivil(y, m, d);
    std::vector<CivilDate> out;
    DayNumber date = start;
    for (int k = 0; k < count; ++k) {
        date = NextPaymentDate(date, frequency, start);
        out.push_back(CivilFromDay(date));
    }
    return out;
}

TEST(PaymentCalendar, MonthlyKeepsTheStartDayOrTheMonthEnd) {
    EXPECT_EQ(Calendar(kMonthly, 1997, 1, 31, 5),
              (std::vector<CivilDate>{
                  {1997, 2, 28}, {1997, 3, 31}, {1997, 4, 30}, {1997, 5, 31}, {1997, 6, 30}}));
    EXPECT_EQ(Calendar(kMonthly, 1996, 1, 30, 3),
              (std::vector<CivilDate>{{1996, 2, 29}, {1996, 3, 30}, {1996, 4, 30}}));
    EXPECT_EQ(Calendar(kMonthly, 1992, 3, 24, 2),
              (std::vector<CivilDate>{{1992, 4, 24}, {1992, 5, 24}}));
    EXPECT_EQ(Calendar(kMonthly, 1996, 12, 31, 2),
              (std::vector<CivilDate>{{1997, 1, 31}, {1997, 2, 28}}));
}

TEST(PaymentCalendar, TwiceAMonthFallsOnTheFifteenthAndTheThirtieth) {
    EXPECT_EQ(Calendar(kTwiceAMonth, 1997, 1, 15, 5),
              (std::vector<CivilDate>{
                  {1997, 1, 30}, {1997, 2, 15}, {1997, 2, 28}, {1997, 3, 15}, {1997, 3, 30}}));
    EXPECT_EQ(Calendar(kTwiceAMonth, 1996, 2, 15, 1), (std::vector<CivilDate>{{1996, 2, 29}}));
    EXPECT_EQ(Calendar(kTwiceAMonth, 1996, 12, 30, 1), (std::vector<CivilDate>{{1997, 1, 15}}));
    // A 31st start never repeats: the next payment is the 15th.
    EXPECT_EQ(Calendar(kTwiceAMonth, 1997, 1, 31, 1), (std::vector<CivilDate>{{1997, 2, 15}}));
}

TEST(PaymentCalendar, CenturiesAreLeapYearsOnlyWhenDivisibleByFourHundred) {
    // The real calendar's February: 2000 has a 29th, 1900 and 2100 do not.
    struct Case {
        Frequency frequency;
        CivilDate start;
        int skip; ///< payments before the ones expected
        std::vector<CivilDate> expected;
    };
    const std::vector<Case> cases = {
        {kMonthly, {2099, 1, 31}, 12, {{2100, 2, 28}, {2100, 3, 31}, {2100, 4, 30}, {2100, 5, 31}}},
        {kMonthly, {2000, 1, 31}, 0, {{2000, 2, 29}, {2000, 3, 31}}},
        {kMonthly, {1900, 1, 31}, 0, {{1900, 2, 28}, {1900, 3, 31}}},
        {kTwiceAMonth, {2100, 2, 15}, 0, {{2100, 2, 28}, {2100, 3, 15}}},
        {kTwiceAMonth, {2000, 2, 15}, 0, {{2000, 2, 29}, {2000, 3, 15}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.start.year) + " " + FrequencyName(c.frequency));
        std::vector<CivilDate> dates =
            Calendar(c.frequency, c.start.year, c.start.month, c.start.day,
                     c.skip + static_cast<int>(c.expected.size()));
        dates.erase(dates.begin(), dates.begin() + c.skip);
        EXPECT_EQ(dates, c.expected);
    }
}

TEST(PaymentCalendar, WeeklyAndEveryTwoWeeksIgnoreMonthEnds) {
    const DayNumber start = DayFromCivil(1996, 2, 26);
    EXPECT_EQ(NextPaymentDate(start, kWeekly, start), start + 7);
    EXPECT_EQ(NextPaymentDate(start, kEveryTwoWeeks, start), start + 14);
}

TEST(RunOfPeriods, FirstThreeMonthsOfTheStandardLoan) {
    // Interest rounds to the nearest cent on a balance that starts at 100000.
    const Single i = PeriodicRate(kMonthly, 10.0f);
    double balance = 100000.0;
    const Money expected[3][3] = {
        {816.49f, 78.00f, 99922.00f}, {815.85f, 78.64f, 99843.36f}, {815.21f, 79.28f, 99764.08f}};
    for (const auto& row : expected) {
        const PeriodsResult r = RunPeriods(balance, i, 894.49f, 1);
        EXPECT_EQ(r.interest, row[0]);
        EXPECT_EQ(test::Cents(r.principal), test::Cents(row[1]));
        EXPECT_EQ(r.balance, row[2]);
        EXPECT_FALSE(r.paidOff);
        balance = r.balance;
    }
    // Three periods at once end on the same balance, with the same totals.
    const PeriodsResult three = RunPeriods(100000.0, i, 894.49f, 3);
    EXPECT_EQ(three.balance, 99764.08f);
    EXPECT_EQ(three.interestTotal, 2447.55f);
    EXPECT_EQ(test::Cents(three.principalTotal), 23592);
}

TEST(RunOfPeriods, PayOffGivesTheSmallerFinalPaymentAndItsPayoffLine) {
    const Single i = PeriodicRate(kMonthly, 10.0f);
    const PeriodsResult r = RunPeriods(1000.0, i, 400.0f, 10);
    ASSERT_TRUE(r.paidOff);
    EXPECT_EQ(r.payoffPeriod, 3);
    EXPECT_EQ(r.balance, 0.0f);
    EXPECT_LT(r.finalPayment, 400.0f);
    EXPECT_EQ(r.principalTotal, 1000.0f);
    ItemReader payoff(PayoffText(r));
    EXPECT_EQ(payoff.Int16(), 3);
    EXPECT_EQ(payoff.Number(), r.finalPayment);
    EXPECT_EQ(payoff.Number(), r.interest);
    EXPECT_EQ(payoff.Number(), r.principal);
    EXPECT_EQ(payoff.Number(), r.interestTotal);
    EXPECT_EQ(payoff.Number(), r.principalTotal);
    EXPECT_EQ(payoff.Number(), 0.0f);
}

TEST(RunOfPeriods, APaymentBelowTheInterestNeverPaysOff) {
    const PeriodsResult r = RunPeriods(100000.0, PeriodicRate(kMonthly, 10.0f), 500.0f, 12);
    EXPECT_FALSE(r.paidOff);
    EXPECT_GT(r.balance, 100000.0f);
}

TEST(LocateAndBalances, LocatePaymentCountsPaymentsBeforeATarget) {
    EngineFixture f;
    const DayNumber start = f.scenario.start;
    EXPECT_FALSE(LocatePayment(f.scenario, start - 1, -1).found);
    EXPECT_FALSE(LocatePayment(f.scenario, start, -1).found); // nothing made before the first
    const LocatedPayment first = LocatePayment(f.scenario, start, 1);
    EXPECT_TRUE(first.found);
    EXPECT_EQ(first.count, 1);
    const LocatedPayment mid = LocatePayment(f.scenario, DayFromCivil(1996, 3, 15), -1);
    EXPECT_TRUE(mid.found);
    EXPECT_EQ(mid.date, DayFromCivil(1996, 4, 1));
    EXPECT_EQ(mid.count, 3);
    EXPECT_FALSE(LocatePayment(f.scenario, DayFromCivil(2001, 6, 1), -1).found);
}

TEST(LocateAndBalances, BalanceAtADateAndAfterAPaymentAgreeWithTheSchedule) {
    EngineFixture f;
    f.Add(DayFromCivil(1996, 2, 1), 1000.0f, 100.0f);
    const ScheduleFile s = f.Schedule();
    const BalanceAt at = BalanceAtDate(f.Inputs(), DayFromCivil(1996, 6, 15));
    EXPECT_EQ(at.paymentsMade, 6);
    EXPECT_EQ(at.balance, s.records[5].balance);
    ASSERT_TRUE(at.paymentInEffect.has_value());
    EXPECT_EQ(*at.paymentInEffect, 994.49f);
    const BalanceAfter after = BalanceAfterPayment(f.Inputs(), 6, f.messages);
    EXPECT_EQ(after.scheduleCount, 60);
    EXPECT_EQ(after.balance, s.records[5].balance);
    EXPECT_EQ(BalanceAfterPayment(f.Inputs(), 500, f.messages).balance, s.records[59].balance);
}

TEST(LocateAndBalances, BalanceAtDateIsZeroWhenTheLoanEndedWithinTheWalk) {
    EngineFixture f;
    f.Add(DayFromCivil(1996, 2, 1), 500000.0f, 0.0f);
    const BalanceAt at = BalanceAtDate(f.Inputs(), DayFromCivil(1996, 6, 15));
    EXPECT_EQ(at.balance, 0.0f);
    EXPECT_FALSE(at.paymentInEffect.has_value());
    EXPECT_TRUE(f.messages.texts.empty()); // silent, unlike the runs
}

} // namespace
} // namespace hl
