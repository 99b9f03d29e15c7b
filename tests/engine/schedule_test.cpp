// The schedule file and the summary run: records, early ends, payment changes and lumps.
#include <gtest/gtest.h>

#include <fstream>

#include "core/text_items.h"
#include "engine_fixture.h"

namespace hl {
namespace {

using test::EngineFixture;

TEST(ScheduleFile, StandardLoanHeaderAndFirstRecords) {
    EngineFixture f;
    const ScheduleFile s = f.Schedule();
    EXPECT_EQ(s.count, 60);
    EXPECT_EQ(s.amount, 100000.0f);
    ASSERT_EQ(s.records.size(), 60u);
    EXPECT_EQ(s.records[0], (ScheduleRecord{1, DayFromCivil(1996, 1, 1), 894.49f, 78.00f, 816.49f,
                                            78.00f, 816.49f, 0, 0, 99922.00f}));
    EXPECT_EQ(s.records[1].balance, 99843.36f);
    EXPECT_EQ(s.records[2].balance, 99764.08f);
    EXPECT_EQ(s.records[2].interest, 815.21f);
    EXPECT_EQ(s.records[59].date, DayFromCivil(2000, 12, 1));
    EXPECT_TRUE(f.messages.texts.empty());
    // The file text itself: CR LF lines, ten items a record, shortest plain numbers.
    const std::string text = ScheduleText(s.count, s);
    EXPECT_EQ(text.substr(0, 58),
              "60\r\n100000\r\n1,35065,894.49,78,816.49,78,816.49,0,0,99922\r\n");
}

TEST(ScheduleFile, AZeroPaymentCountLeavesTheHeaderOnly) {
    EngineFixture f;
    f.scenario.term = 0.04f;
    const ScheduleRun run = f.Run();
    EXPECT_FALSE(run.endedEarly);
    EXPECT_EQ(ScheduleText(run.schedule.count, run.schedule), "0\r\n100000\r\n");
}

TEST(ScheduleFile, PaidOffByASmallerFinalPayment) {
    EngineFixture f;
    f.scenario.amount = 10000.0f;
    f.scenario.amortization = 1.0f;
    f.scenario.term = 2.0f;
    const ScheduleRun run = f.Run();
    const ScheduleFile& s = run.schedule;
    ASSERT_FALSE(s.records.empty());
    EXPECT_TRUE(run.endedEarly);
    EXPECT_EQ(run.paymentsInTerm, 24);
    const ScheduleRecord& last = s.records.back();
    EXPECT_EQ(s.count, static_cast<int>(s.records.size()));
    EXPECT_EQ(last.number, s.count);
    EXPECT_LT(s.count, 24);
    EXPECT_EQ(last.balance, 0.0f);
    EXPECT_LT(last.payment, s.records.front().payment);
    EXPECT_EQ(last.principal, s.records[s.records.size() - 2].balance);
    EXPECT_EQ(last.payment, sgl::Add(last.principal, last.interest));
    // The pay-off line is the one period run of the last payment.
    ASSERT_TRUE(run.payoff.has_value());
    EXPECT_EQ(run.payoff->payoffPeriod, 1);
    EXPECT_EQ(run.payoff->finalPayment, last.payment);
}

TEST(ScheduleFile, ChangeBeforeAndLumpAfterOnTheSameDate) {
    EngineFixture f;
    const DayNumber second = DayFromCivil(1996, 2, 1);
    f.Add(second, 3000.0f, 31.49f);
    const ScheduleFile s = f.Schedule();
    const ScheduleRecord& r = s.records[1];
    EXPECT_EQ(r.payment, 925.98f); // the change raises this payment
    EXPECT_EQ(r.change, 31.49f);
    EXPECT_EQ(r.interest, 815.85f); // interest on the balance before the lump
    EXPECT_EQ(test::Cents(r.principal), 11013);
    EXPECT_EQ(r.lump, 3000.0f);
    EXPECT_EQ(r.balance, 96811.87f);
    EXPECT_EQ(test::Cents(r.principalToDate), 318813); // 78.00 + 3000 + 110.13
    EXPECT_EQ(s.records[2].payment, 925.98f);          // and all later ones
    EXPECT_EQ(s.records[2].change, 0.0f);
    EXPECT_EQ(s.records[2].lump, 0.0f);
}

TEST(ScheduleFile, LumpEqualToTheBalanceEndsQuietlyWithAZeroPayment) {
    EngineFixture f;
    const ScheduleFile plain = f.Schedule();
    f.Add(plain.records[2].date, plain.records[2].balance, 0.0f);
    const ScheduleFile s = f.Schedule();
    EXPECT_TRUE(f.messages.texts.empty());
    ASSERT_EQ(s.count, 4);
    EXPECT_EQ(s.records[2].balance, 0.0f);
    EXPECT_EQ(s.records[3],
              (ScheduleRecord{4, plain.records[3].date, 0, 0, 0, s.records[2].principalToDate,
                              s.records[2].interestToDate, 0, 0, 0}));
}

TEST(ScheduleFile, LumpAboveTheBalanceIsCutDownWithAWarning) {
    EngineFixture f;
    const ScheduleFile plain = f.Schedule();
    f.Add(plain.records[2].date, 150000.0f, 0.0f);
    const ScheduleRun run = f.Run();
    const ScheduleFile& s = run.schedule;
    ASSERT_EQ(f.messages.texts.size(), 1u);
    EXPECT_EQ(f.messages.titles[0], "Mtge Warning - please note...");
    EXPECT_EQ(f.messages.texts[0],
              "The extra payment of $ 150000.00 is more than the outstanding balance of: "
              "99764.08 on Mar 1 1996.  The loan is now paid in full and the extra payment has "
              "been reduced to pay off the outstanding balance.");
    ASSERT_EQ(s.count, 3);
    ASSERT_EQ(s.records.size(), 3u);
    EXPECT_TRUE(run.endedEarly);
    EXPECT_FALSE(run.payoff.has_value()); // the lump ended the loan, not a payment
    EXPECT_EQ(s.records[2].lump, 99764.08f);
    EXPECT_EQ(s.records[2].balance, 0.0f);
    EXPECT_EQ(s.records[2].payment, 894.49f);

    const SummaryResult sum = f.Summary();
    ASSERT_EQ(f.messages.texts.size(), 2u);
    EXPECT_NE(f.messages.texts[1].find("the lump payment has been reduced"), std::string::npos);
    EXPECT_EQ(sum.paymentsMade, 3);
    EXPECT_EQ(sum.endBalance, 0.0f);
    EXPECT_EQ(sum.totalLumps, 99764.08f);
    EXPECT_EQ(sum.totalPrincipal, s.records[2].principalToDate);
    EXPECT_EQ(sum.lastDate, s.records[2].date);
}

TEST(ScheduleFile, AnEntryOffTheCalendarHoldsBackEveryLaterEntry) {
    EngineFixture f;
    f.Add(DayFromCivil(1996, 2, 2), 1000.0f, 0.0f); // not a payment date
    f.Add(DayFromCivil(1996, 3, 1), 1000.0f, 50.0f);
    const ScheduleFile s = f.Schedule();
    for (const ScheduleRecord& r : s.records) {
        EXPECT_EQ(r.lump, 0.0f);
        EXPECT_EQ(r.change, 0.0f);
        EXPECT_EQ(r.payment, 894.49f);
    }
}

TEST(Summary, StandardLoanTotalsAgreeWithTheSchedule) {
    EngineFixture f;
    const ScheduleFile s = f.Schedule();
    const SummaryResult r = f.Summary();
    EXPECT_EQ(r.paymentsMade, 60);
    EXPECT_EQ(r.regularPayment, 894.49f);
    EXPECT_EQ(r.paymentInEffect, 894.49f);
    EXPECT_EQ(r.endBalance, s.records.back().balance);
    EXPECT_EQ(r.totalInterest, s.records.back().interestToDate);
    EXPECT_EQ(r.totalPrincipal, s.records.back().principalToDate);
    EXPECT_EQ(r.lastDate, s.records.back().date);
    EXPECT_EQ(r.totalLumps, 0.0f);
    // 60 single payments summed in double against their single product: a dust of a tenth of
    // a cent, shown as 0.00.
    EXPECT_EQ(r.totalPaid, 60 * static_cast<double>(894.49f));
    EXPECT_EQ(r.extraPaid, sgl::Round(r.totalPaid - static_cast<double>(sgl::Mul(60.0f, 894.49f))));
    EXPECT_EQ(test::Cents(r.extraPaid), 0);
}

TEST(Summary, RaisedPaymentsAndLumpsShowAsExtraPaid) {
    EngineFixture f;
    f.Add(DayFromCivil(1996, 2, 1), 3000.0f, 31.49f);
    const SummaryResult r = f.Summary();
    EXPECT_EQ(r.regularPayment, 894.49f);
    EXPECT_EQ(r.paymentInEffect, 925.98f);
    EXPECT_EQ(r.totalLumps, 3000.0f);
    EXPECT_EQ(test::Cents(r.extraPaid), 59 * 3149);
    const ScheduleFile s = f.Schedule();
    EXPECT_EQ(r.totalPrincipal, s.records.back().principalToDate);
    EXPECT_EQ(r.endBalance, s.records.back().balance);
}

TEST(Summary, APaidOffLoanDoesNotCountTheSmallerFinalPaymentAgainstTheBorrower) {
    EngineFixture f;
    f.scenario.amount = 10000.0f;
    f.scenario.amortization = 1.0f;
    f.scenario.term = 2.0f;
    const ScheduleFile s = f.Schedule();
    const SummaryResult r = f.Summary();
    EXPECT_EQ(r.paymentsMade, s.count);
    EXPECT_EQ(r.endBalance, 0.0f);
    EXPECT_EQ(r.paymentInEffect, s.records.back().payment);
    EXPECT_EQ(r.lastDate, s.records.back().date);
    EXPECT_EQ(test::Cents(r.extraPaid), 0);
    EXPECT_EQ(r.totalPrincipal, s.records.back().principalToDate);
}

TEST(Summary, AZeroPaymentCountRunsNothing) {
    EngineFixture f;
    f.scenario.term = 0.04f;
    const SummaryResult r = f.Summary();
    EXPECT_EQ(r.paymentsMade, 0);
    EXPECT_EQ(r.endBalance, 100000.0f);
    EXPECT_EQ(r.lastDate, f.scenario.start);
}

} // namespace
} // namespace hl
