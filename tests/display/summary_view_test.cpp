// The summary's box texts and the pay-off projection.
#include <gtest/gtest.h>

#include "core/day_number.h"
#include "core/format.h"
#include "display/summary_view.h"
#include "engine/engine_fixture.h"

namespace hl {
namespace {

using test::EngineFixture;

SummaryTexts Texts(EngineFixture& f) {
    const SummaryResult run = f.Summary();
    return SummaryDisplay(run, ProjectPayoff(run, f.scenario));
}

TEST(SummaryTexts, FiveYearTermOfATwentyFiveYearLoan) {
    EngineFixture f;
    const ScheduleFile schedule = f.Schedule();
    const SummaryTexts t = Texts(f);
    EXPECT_EQ(t.text12, "Dec 1 2000");
    EXPECT_EQ(t.text1, "60");
    EXPECT_EQ(t.text9, FormatNumber(schedule.records.back().balance, "########0.00"));
    EXPECT_EQ(t.text6, "53669.40"); // 60 x 894.49
    EXPECT_EQ(t.text5, "0.00");
    EXPECT_EQ(t.text4, "0.00");
    EXPECT_EQ(t.text10, FormatNumber(schedule.records.back().interestToDate, "########0.00"));
    EXPECT_EQ(t.text11, FormatNumber(schedule.records.back().principalToDate, "########0.00"));
}

TEST(SummaryProjection, TheRestOfTheLoanIsTheTermsPaymentsPlusTheRunsPeriods) {
    EngineFixture f;
    const SummaryResult run = f.Summary();
    const std::optional<PayoffProjection> p = ProjectPayoff(run, f.scenario);
    ASSERT_TRUE(p.has_value());
    // Period k of the run of periods' pay-off line is payment 60 + k.
    const PeriodsResult periods =
        RunPeriods(static_cast<double>(run.endBalance), PeriodicRate(kMonthly, 10.0f),
                   run.paymentInEffect, kProjectionLimit);
    ASSERT_TRUE(periods.paidOff);
    EXPECT_EQ(p->payment, 60 + periods.payoffPeriod);
    // The payment cut down to the cent leaves 0.24 after the 300th payment of the whole
    // amortization (a payment-by-payment walk); one more payment clears it.
    EXPECT_EQ(p->payment, 301);
    EXPECT_EQ(p->date, DayFromCivil(2021, 1, 1));
    const SummaryTexts t = SummaryDisplay(run, p);
    EXPECT_EQ(t.text2, "Jan 1 2021");
    EXPECT_EQ(t.text3, "301");
}

TEST(SummaryProjection, AWholeAmortizationRunAgreesWithTheProjectionOfAShorterTerm) {
    EngineFixture whole;
    whole.scenario.term = 25.0f;
    const SummaryResult run = whole.Summary();
    EXPECT_EQ(run.paymentsMade, 300);
    EXPECT_EQ(FormatNumber(run.endBalance, "0.00"), "0.24");
    const std::optional<PayoffProjection> p = ProjectPayoff(run, whole.scenario);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->payment, 301);
    EXPECT_EQ(p->date, DayFromCivil(2021, 1, 1));
}

TEST(SummaryProjection, TermEqualToAmortizationLeavesTheBoxesBlank) {
    // Weekly payments (a quarter of the monthly one) repay the loan before the term is out.
    EngineFixture f(kWeekly);
    f.scenario.term = 25.0f;
    const SummaryResult run = f.Summary();
    EXPECT_EQ(run.endBalance, 0.0f);
    EXPECT_LT(run.paymentsMade, 25 * 52);
    EXPECT_FALSE(ProjectPayoff(run, f.scenario).has_value());
    const SummaryTexts t = Texts(f);
    EXPECT_EQ(t.text2, " ");
    EXPECT_EQ(t.text3, " ");
    EXPECT_EQ(t.text9, "0.00");
}

TEST(SummaryProjection, APaymentBelowTheInterestNeverPaysOffAndShowsBlanks) {
    EngineFixture f;
    // An older run's pay-off file must not turn into a projection.
    test::Spit(f.folder.Path("$$donerly.bin"), "7,120.5,1.5,119,300,5000,0\r\n");
    f.Add(DayFromCivil(1996, 2, 1), 0.0f, -800.0f); // 94.49 a month against ~816 of interest
    const SummaryResult run = f.Summary();
    ASSERT_GT(run.endBalance, 100000.0f);
    EXPECT_FALSE(ProjectPayoff(run, f.scenario).has_value());
    const SummaryTexts t = Texts(f);
    EXPECT_EQ(t.text2, " ");
    EXPECT_EQ(t.text3, " ");
}

TEST(SummaryProjection, CountsPaymentDatesOnTheScenarioCalendar) {
    EngineFixture f(kTwiceAMonth);
    f.scenario.start = DayFromCivil(1996, 1, 15);
    f.scenario.term = 24.5f; // stops half a year short of the amortization
    const SummaryResult run = f.Summary();
    const std::optional<PayoffProjection> p = ProjectPayoff(run, f.scenario);
    ASSERT_TRUE(p.has_value());
    // Twice a Month payments fall on the 15th and the 30th (28th or 29th in February).
    const CivilDate d = CivilFromDay(p->date);
    EXPECT_TRUE(d.day == 15 || d.day == 30 || (d.month == 2 && d.day >= 28)) << p->date;
    EXPECT_GT(p->payment, run.paymentsMade);
}

TEST(SummaryTexts, RaisedPaymentsShowAsExtraPaid) {
    EngineFixture f;
    f.Add(DayFromCivil(1997, 1, 1), 0.0f, 100.0f); // payments 13 to 60 are 100 higher
    const SummaryTexts t = Texts(f);
    EXPECT_EQ(t.text4, "4800.00");
    EXPECT_EQ(t.text6, "58469.40"); // 12 x 894.49 + 48 x 994.49
}

TEST(SummaryTexts, LumpsShowApartFromTheRegularPayments) {
    EngineFixture f;
    f.Add(DayFromCivil(1997, 1, 1), 5000.0f, 0.0f);
    const SummaryTexts t = Texts(f);
    EXPECT_EQ(t.text5, "5000.00");
    EXPECT_EQ(t.text6, "53669.40");
    EXPECT_EQ(t.text4, "0.00");
}

} // namespace
} // namespace hl
