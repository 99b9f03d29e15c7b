// The refinance analysis: the balance owing on a date, the total to refinance and its limit, the
// two loans run to the end of the term, the payment cost of the default payment, the verdicts,
// and the graph's schedule file.
#include <gtest/gtest.h>

#include "analysis/refinance.h"
#include "core/day_number.h"
#include "core/format.h"
#include "engine/schedule_file.h"
#include "engine/working_names.h"
#include "support/standard_scenario.h"
#include "support/temp_folder.h"

namespace hl::analysis {
namespace {

const char* kBeyondEnd = "Error - Discharge date is beyond the end of the mortgage.  Please adjust "
                         "the discharge date so that it falls within the loan time frame.";

// The verdicts' texts, kept here as the program shows them, spellings included.
const char* kGood =
    "Good Move !!! (on paper that is)\r\rTalk to the bank.  Verify the dishcarge penalty figure "
    "and check for any additional\rcosts regarding terminating and rewritting the mortgage and "
    "confirm the saving with them\r\rThey don't like doing this, getting the answers is like "
    "pulling teeth but it looks like you have\rsomething worth investigating further.";
const char* kCaution =
    "Good Move !!! (on paper that is)\r\rTalk to the bank.  Verify the dishcarge penalty figure "
    "and check for any additional\rcosts regarding terminating and rewritting the mortgage and "
    "confirm the saving with them\r\rCaution: make sure the payment increase on the new mortgage "
    "won't cramp your style.\r\rThey don't like doing this, getting the answers is like pulling "
    "teeth but it looks like you have\rsomething worth investigating further.";
const char* kBad = "Bad Move  #%^$*&&^*\r\rThis isn't saving you any money.  It is all dependant "
                   "on the discharge interest rate\rand the discharge penalty you are being "
                   "charged.  Check with the bank for an actual \rdischarge figure.\rKeep looking "
                   "at this if the interest rates are lower than you are now paying.\r\r";

DayNumber Day(int year, int month, int day) { return DayFromCivil(year, month, day); }

/// A scenario and its schedule, with the window's own steps from the boxes to the result.
class Refinance : public ::testing::Test {
  protected:
    void Run() {
        SilentMessages silent;
        run = RunSchedule(in, silent);
    }
    BalanceOwing Owing(DayNumber date) const {
        return BalanceOwingOn(scenario, run.schedule, date);
    }
    /// Calculates as the window does: the payment and total as their boxes show them; an empty
    /// payment takes the default one.
    RefinanceResult Calculate(DayNumber date, Single rate, const std::string& penalty,
                              const std::string& other, const std::string& payment = "") const {
        const BalanceOwing owing = Owing(date);
        const RefinanceTotal total = TotalToRefinance(owing.owingText, penalty, other);
        const std::string shown = payment.empty() ? owing.paymentText : payment;
        const RefinanceInputs inputs{date, rate, sgl::Round(TextValue(shown)),
                                     sgl::Round(TextValue(total.text))};
        return CalculateRefinance(in, run.schedule, inputs);
    }

    Scenario scenario = test::StandardScenario();
    PaymentChanges changes;
    EngineInputs in{scenario, changes};
    ScheduleRun run;
};

TEST_F(Refinance, BalanceOwingTakesThePaymentBeforeTheDate) {
    Run();
    struct Case {
        DayNumber date;
        int k;
        DayNumber paymentDate;
        const char* owing;
    };
    // A date on a payment date takes the payment before it; the balances are the lender's
    // published ones (support/standard_scenario.h) and the schedule's last-but-one.
    const Case cases[] = {
        {Day(1996, 1, 2), 1, Day(1996, 1, 1), "99922.00"},
        {Day(1996, 2, 1), 1, Day(1996, 1, 1), "99922.00"},
        {Day(1996, 3, 1), 2, Day(1996, 2, 1), "99843.36"},
        {Day(1996, 3, 2), 3, Day(1996, 3, 1), "99764.08"},
        {Day(2000, 12, 1), 59, Day(2000, 11, 1), "94117.95"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(FormatDate(c.date, "mmm d yyyy"));
        const BalanceOwing owing = Owing(c.date);
        ASSERT_FALSE(owing.refusal.has_value());
        EXPECT_EQ(owing.paymentsMade, c.k);
        EXPECT_EQ(owing.paymentsInTerm, 60);
        EXPECT_EQ(owing.paymentDate, c.paymentDate);
        EXPECT_EQ(owing.owingText, c.owing);
        EXPECT_EQ(owing.paymentText, "894.49");
    }
    // A refinance date on a payment date runs from the payment before it, as a date just after
    // that payment does.
    const RefinanceResult onPayment = Calculate(Day(1996, 7, 1), 7.0f, "0", "");
    const RefinanceResult after = Calculate(Day(1996, 6, 2), 7.0f, "0", "");
    EXPECT_EQ(onPayment.points, after.points);
    EXPECT_EQ(onPayment.points.front().date, Day(1996, 7, 1));
    EXPECT_EQ(onPayment.points.size(), 54u);
}

TEST_F(Refinance, DatesWithoutAPaymentBeforeThemOrAfterTheTermAreRefused) {
    Run();
    for (const DayNumber date : {scenario.start - 1, scenario.start, Day(2000, 12, 2)}) {
        SCOPED_TRACE(FormatDate(date, "mmm d yyyy"));
        const BalanceOwing owing = Owing(date);
        ASSERT_TRUE(owing.refusal.has_value());
        EXPECT_EQ(*owing.refusal,
                  (calc::CalcMessage{"Mortgage Input Violation", kBeyondEnd, calc::Buttons::Ok}));
        EXPECT_EQ(owing.owingText, "");
        EXPECT_EQ(DefaultPenaltyText(scenario, owing, 7.0f), "");
        const RefinanceResult r = CalculateRefinance(in, run.schedule, {date, 7.0f, 900.0f, 1.0f});
        EXPECT_EQ(r.refusal, owing.refusal);
        EXPECT_TRUE(r.netSaving.empty());
        EXPECT_TRUE(r.points.empty());
    }
}

TEST_F(Refinance, LoanPaidOffBeforeTheDateEndsTheRecordsRead) {
    // A lump of the whole balance ends the schedule at payment 2: N becomes the records read,
    // nothing is left to compare and the total is the costs alone.
    changes.entries.push_back({200000.0f, 0.0f, Day(1996, 2, 1)});
    Run();
    const BalanceOwing owing = Owing(Day(1998, 6, 15));
    ASSERT_FALSE(owing.refusal.has_value());
    EXPECT_EQ(owing.paymentsMade, 30);
    EXPECT_EQ(owing.paymentsInTerm, 2);
    EXPECT_EQ(owing.paymentDate, Day(1996, 2, 1));
    EXPECT_EQ(owing.owingText, "0.00");
    EXPECT_EQ(DefaultPenaltyText(scenario, owing, 7.0f), "0.00");
    const RefinanceResult r = Calculate(Day(1998, 6, 15), 7.0f, "120", "30");
    ASSERT_FALSE(r.refusal.has_value());
    EXPECT_TRUE(r.points.empty());
    EXPECT_EQ(r.comparisonDate, "February 1 1996");
    EXPECT_EQ(r.currentBalance, "0.00");
    EXPECT_EQ(r.refinancedBalance, "150.00");
    EXPECT_EQ(r.netSaving, "-150.00");
}

TEST_F(Refinance, HandCheckedTwoPaymentsLeft) {
    // Refinanced after payment 58 of 60 at 9 % with a payment of 900.00, penalty 500 and other
    // costs 250. Hand computation with single rounding (checked with a short script emulating
    // the singles): ir = 0.00736308, is = 0.00816489; the new loan of 94992.95 pays interest
    // 699.44 then 697.96, leaving 94792.39 and 94590.35; the current loan of 94242.95 pays
    // 769.48 then 768.46 at 894.49, leaving 94117.95 (the schedule's payment 59) and 93991.91.
    Run();
    const BalanceOwing owing = Owing(Day(2000, 10, 15));
    EXPECT_EQ(owing.owingText, "94242.95");
    const RefinanceTotal total = TotalToRefinance(owing.owingText, "500.00", "250.00");
    EXPECT_EQ(total.text, "94992.95");
    const RefinanceResult r = Calculate(Day(2000, 10, 15), 9.0f, "500.00", "250.00", "900.00");
    ASSERT_FALSE(r.refusal.has_value());
    EXPECT_EQ(r.comparisonDate, "December 1 2000");
    EXPECT_EQ(r.currentPayment, "894.49");
    EXPECT_EQ(r.refinancePayment, "900.00");
    EXPECT_EQ(r.currentBalance, "93991.91");
    EXPECT_EQ(r.refinancedBalance, "94590.35");
    EXPECT_EQ(r.difference, "-598.44");
    EXPECT_EQ(r.paymentCost, "11.02"); // (900.00 - 894.49) x 2
    EXPECT_EQ(r.netSaving, "-609.46");
    const std::vector<RefinancePoint> points = {{Day(2000, 11, 1), 94117.945f, 94792.39f},
                                                {Day(2000, 12, 1), 93991.914f, 94590.35f}};
    EXPECT_EQ(r.points, points);
    EXPECT_EQ(VerdictOf(r.netSaving, r.paymentCost), Verdict::Bad);
}

TEST_F(Refinance, DefaultPaymentCostsNothing) {
    // A change of 0.22 makes the payment 894.49 + 0.22 as a single, 894.70996, while its box
    // shows 894.71, read back as 894.71002. Over 287 payments the singles differ by a cent or
    // two; the cost comes from the two payments as shown, so it is exactly nothing.
    scenario.term = 25.0f;
    changes.entries.push_back({0.0f, 0.22f, Day(1996, 3, 1)});
    Run();
    const DayNumber date = Day(1997, 1, 15);
    const BalanceOwing owing = Owing(date);
    const Single shown = sgl::Round(TextValue(owing.paymentText));
    ASSERT_EQ(owing.paymentText, "894.71");
    ASSERT_NE(owing.payment, shown); // the case this guards
    const int m = owing.paymentsInTerm - owing.paymentsMade;
    ASSERT_EQ(m, 287);
    ASSERT_NE(FormatNumber(static_cast<double>(shown) * m - static_cast<double>(owing.payment) * m,
                           "######0.00"),
              "0.00");

    const RefinanceResult r = Calculate(date, 8.0f, "0", "");
    ASSERT_FALSE(r.refusal.has_value());
    EXPECT_EQ(r.currentPayment, r.refinancePayment);
    EXPECT_EQ(r.paymentCost, "0.00");
    EXPECT_EQ(r.netSaving, r.difference);
    EXPECT_EQ(VerdictOf(r.netSaving, r.paymentCost), Verdict::Good);
    EXPECT_EQ(VerdictMessage(VerdictOf(r.netSaving, r.paymentCost)).text.find("Caution"),
              std::string::npos);
}

TEST_F(Refinance, NewLoanPaidOffFirstShortensBothRuns) {
    // 30000 a month repays the new loan of 112560.13 in four payments: the comparison stops at
    // the fourth, where the current loan stands at the schedule's payment 10.
    Run();
    const RefinanceResult r = Calculate(Day(1996, 6, 15), 7.0f, "13037.80", "", "30000");
    ASSERT_FALSE(r.refusal.has_value());
    ASSERT_EQ(r.points.size(), 4u);
    EXPECT_EQ(r.comparisonDate, "October 1 1996");
    EXPECT_EQ(r.points.back().date, Day(1996, 10, 1));
    EXPECT_EQ(r.points.back().refinanced, 0.0f);
    EXPECT_EQ(r.points.back().current, run.schedule.records[9].balance);
    EXPECT_EQ(r.refinancedBalance, "0.00");
    EXPECT_EQ(r.currentBalance, FormatNumber(run.schedule.records[9].balance, "#######0.00"));
    EXPECT_EQ(r.paymentCost, "116422.04"); // (30000.00 - 894.49) x 4
    EXPECT_EQ(VerdictOf(r.netSaving, r.paymentCost), Verdict::Bad);
}

TEST_F(Refinance, CurrentLoanPaidOffBeforeTheEndIsACodeLogicTrap) {
    // A payment raised by 20000 for one payment only: at that payment the current loan, run at
    // a constant payment, would be paid off long before the term ends although its schedule
    // is not.
    changes.entries.push_back({0.0f, 20000.0f, Day(1996, 2, 1)});
    changes.entries.push_back({0.0f, -20000.0f, Day(1996, 3, 1)});
    Run();
    ASSERT_EQ(run.schedule.records.size(), 60u);
    const RefinanceResult r = Calculate(Day(1996, 2, 15), 7.0f, "0", "", "894.49");
    ASSERT_TRUE(r.refusal.has_value());
    EXPECT_EQ(r.refusal->title, "Code Logic Trap");
    EXPECT_EQ(r.refusal->buttons, calc::Buttons::Ok);
    EXPECT_EQ(r.refusal->text.rfind("Code Warning, record input data scenario, payment changes and "
                                    "discharge input data.\r\r",
                                    0),
              0u);
    EXPECT_TRUE(r.points.empty());
    EXPECT_TRUE(r.comparisonDate.empty());
}

TEST(RefinanceTotal, SumsTheBoxesUpToTheLimit) {
    struct Case {
        const char* owing;
        const char* penalty;
        const char* other;
        const char* text;  ///< the total's box
        const char* shown; ///< the refusal's figure; nullptr when accepted
    };
    const Case cases[] = {
        {"94242.95", "500.00", "250.00", "94992.95", nullptr},
        {"", "500.00", "250.00", "", nullptr},
        {"1000.00", "", "", "1000.00", nullptr},
        // Penalty and other first: 0.02 then moves the owing to the next single up (a single
        // near 262144 steps by 0.03125), where adding 0.01 twice to it would not.
        {"262144.00", "0.01", "0.01", "262144.03", nullptr},
        {"499000.00", "750.00", "250.00", "500000.00", nullptr},
        // 500000.01 has no single of its own: it is 500000 and accepted as such.
        {"500000.01", "", "", "500000.00", nullptr},
        {"500000.00", "0.01", "", "500000.00", nullptr},
        {"500000.03", "", "", "", "500000.03"},
        {"499999.00", "1.02", "", "", "500000.03"},
        {"450000.00", "60000.00", "", "", "510000.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.owing) + " + " + c.penalty + " + " + c.other);
        const RefinanceTotal total = TotalToRefinance(c.owing, c.penalty, c.other);
        EXPECT_EQ(total.text, c.text);
        ASSERT_EQ(total.refusal.has_value(), c.shown != nullptr);
        if (!c.shown)
            continue;
        EXPECT_EQ(total.refusal->title, "Mortgage Error Trap");
        EXPECT_EQ(total.refusal->buttons, calc::Buttons::Ok);
        EXPECT_EQ(total.refusal->text,
                  std::string("Error, 'Total to be refinanced' cannot exceed 500,000.\r\rTotal to "
                              "be refinanced = $ owing on discharge date + Penalty /Costs.\rIt "
                              "currently equals: ") +
                      c.shown);
    }
}

TEST(RefinanceVerdict, ByTheNetSavingAndThePaymentCostAsShown) {
    struct Case {
        const char* saving;
        const char* cost;
        Verdict verdict;
        const char* text;
    };
    const Case cases[] = {
        {"1520.33", "0.00", Verdict::Good, kGood},       {"0.01", "-2480.00", Verdict::Good, kGood},
        {"1520.33", "0.01", Verdict::Caution, kCaution}, {"0.00", "-100.00", Verdict::Bad, kBad},
        {"-0.01", "0.00", Verdict::Bad, kBad},           {"-609.46", "11.02", Verdict::Bad, kBad},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.saving) + " / " + c.cost);
        const Verdict verdict = VerdictOf(c.saving, c.cost);
        EXPECT_EQ(verdict, c.verdict);
        const calc::CalcMessage message = VerdictMessage(verdict);
        EXPECT_EQ(message.title, "Now in English...");
        EXPECT_EQ(message.text, c.text);
        EXPECT_EQ(message.buttons, calc::Buttons::Ok);
    }
}

TEST(RefinanceGraph, TheScheduleReadersTakeThePointsBack) {
    const std::vector<RefinancePoint> points = {{Day(2000, 11, 1), 94117.945f, 94792.39f},
                                                {Day(2000, 12, 1), 93991.914f, 0.0f}};
    const std::string text = RefinanceGraphText(points);
    EXPECT_EQ(text.substr(0, 8), "2\r\n99\r\n9");
    test::TempFolder folder;
    test::Spit(folder.Path(kScheduleFile), text);
    for (const ScheduleFile& file :
         {ReadAvailableSchedule(folder.Prefix()), ReadScheduleFile(folder.Prefix())}) {
        ASSERT_EQ(file.count, 2);
        ASSERT_EQ(file.records.size(), 2u);
        for (std::size_t k = 0; k < points.size(); ++k) {
            // The two-line graph draws items 6 and 7.
            EXPECT_EQ(file.records[k].date, points[k].date);
            EXPECT_EQ(file.records[k].principalToDate, points[k].current);
            EXPECT_EQ(file.records[k].interestToDate, points[k].refinanced);
            EXPECT_EQ(file.records[k].balance, 99.0f);
        }
    }
    EXPECT_EQ(RefinanceGraphText({}), "0\r\n99\r\n");
}

} // namespace
} // namespace hl::analysis
