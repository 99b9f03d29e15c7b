// The early discharge window's computation: the checks of its boxes in the order a user meets
// them, the readiness test, and which payment and balance a discharge date takes.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/early_discharge.h"
#include "core/day_number.h"
#include "support/standard_scenario.h"

namespace hl::analysis {
namespace {

const char* kNotADate = "Error, this is not a valid date.  \rA valid date (or nothing) must be "
                        "entered to continue.\r\rDo you want to correct your input. (Selecting "
                        "[No] will clear the field).";
const char* kBeforeStart = "Error, this date is earlier than the start date of the mortgage. You "
                           "can't discharge the mortgage before it begins.  Adjust the discharge "
                           "date accordingly.";
const char* kAfterEnd = "Error, this date is later than the end date of the mortgage. You can't "
                        "discharge the mortgage after it ends.  Adjust the discharge date "
                        "accordingly.";
const char* kAboveScenario =
    "Error, value entered in the Interest Rate box must be less than the scenario interest rate "
    "(currently set at: 10.000 %).  If not the bank would owe you money.  Think that will ever "
    "happen ? Lower the discharge interest rate.\r\rA valid value (or nothing) must be entered to "
    "continue.\r\rDo you want to correct your input. (Selecting [No] will clear the field).";
const char* kOutOfBounds = "Error, value entered in the Interest Rate box must be between 1 and 25";
const char* kBeyondEnd = "Error - Discharge date is beyond the end of the mortgage.  Please adjust "
                         "the discharge date so that it falls within the loan time frame.";

const char* kError = "Mortgage Input Error";
const char* kViolation = "Mortgage Input Violation";

// The standard scenario, Monthly: 60 payments from 1 January 1996 to 1 December 2000.
class EarlyDischarge : public ::testing::Test {
  protected:
    EarlyDischarge() {
        SilentMessages silent;
        run = RunSchedule(in, silent);
        term = TermOf(run.schedule);
    }
    Scenario scenario = test::StandardScenario();
    PaymentChanges changes;
    EngineInputs in{scenario, changes};
    ScheduleRun run;
    DischargeTerm term;
};

TEST_F(EarlyDischarge, TermRunsFromTheFirstToTheLastPayment) {
    EXPECT_EQ(term.firstText, "Jan 1 1996");
    EXPECT_EQ(term.lastText, "Dec 1 2000");
    EXPECT_EQ(term.lastPayment, DayFromCivil(2000, 12, 1));
}

struct BoxCase {
    const char* typed;
    BoxOutcome outcome;
    const char* text;    ///< the box's text afterwards
    const char* title;   ///< nullptr: no message
    const char* message; ///< the message's text
    calc::Buttons buttons;
};

void ExpectCheck(const BoxCheck& check, const BoxCase& c) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(check.outcome, c.outcome);
    EXPECT_EQ(check.text, c.text);
    ASSERT_EQ(check.message.has_value(), c.title != nullptr);
    if (!c.title)
        return;
    EXPECT_EQ(check.message->title, c.title);
    EXPECT_EQ(check.message->text, c.message);
    EXPECT_EQ(check.message->buttons, c.buttons);
    EXPECT_TRUE(check.message->beep);
}

TEST_F(EarlyDischarge, DateBoxChecksInOrder) {
    using enum BoxOutcome;
    using calc::Buttons;
    const BoxCase cases[] = {
        {"", Empty, "", nullptr, "", Buttons::Ok},
        {"Feb 30 1996", Refused, "", kError, kNotADate, Buttons::YesNo},
        {"soon", Refused, "", kError, kNotADate, Buttons::YesNo},
        // A date is rewritten before its place in the term is checked.
        {"dec 31 95", Refused, "Dec 31, 1995", kError, kBeforeStart, Buttons::Ok},
        {"1996-01-01", Accepted, "Jan 1, 1996", nullptr, "", Buttons::Ok},
        {"Dec 1 2000", Accepted, "Dec 1, 2000", nullptr, "", Buttons::Ok},
        {"Dec 2 2000", Refused, "Dec 2, 2000", kError, kAfterEnd, Buttons::Ok},
    };
    for (const BoxCase& c : cases)
        ExpectCheck(CheckDischargeDate(c.typed, scenario, term), c);
}

TEST_F(EarlyDischarge, RateBoxChecksInOrder) {
    using enum BoxOutcome;
    using calc::Buttons;
    const BoxCase cases[] = {
        {"", Empty, "", nullptr, "", Buttons::Ok},
        {"7", Accepted, "7.000", nullptr, "", Buttons::Ok},
        {"7.25x", Accepted, "7.250", nullptr, "", Buttons::Ok},
        // The scenario's own rate is accepted; the rate is checked as typed, not as it shows.
        {"10", Accepted, "10.000", nullptr, "", Buttons::Ok},
        {"10.0004", Refused, "", kError, kAboveScenario, Buttons::YesNo},
        {"9.9996", Accepted, "10.000", nullptr, "", Buttons::Ok},
        {"10.0006", Refused, "", kError, kAboveScenario, Buttons::YesNo},
        // Above the scenario rate is asked first, whatever the bounds.
        {"30", Refused, "", kError, kAboveScenario, Buttons::YesNo},
        {"0.0004", Refused, "", kViolation, kOutOfBounds, Buttons::Ok},
        {"0.0005", Accepted, "0.001", nullptr, "", Buttons::Ok},
        {"-1", Refused, "", kViolation, kOutOfBounds, Buttons::Ok},
        {" ", Refused, "", kViolation, kOutOfBounds, Buttons::Ok},
    };
    for (const BoxCase& c : cases)
        ExpectCheck(CheckDischargeRate(c.typed, scenario), c);
}

TEST_F(EarlyDischarge, RateAboveTwentyFiveIsOutOfBounds) {
    scenario.rate = 30.0f; // an older study may hold it
    EXPECT_EQ(CheckDischargeRate("25", scenario).outcome, BoxOutcome::Accepted);
    EXPECT_EQ(CheckDischargeRate("25.0004", scenario).outcome, BoxOutcome::Refused);
    const BoxCheck check = CheckDischargeRate("25.0006", scenario);
    ASSERT_TRUE(check.message.has_value());
    EXPECT_EQ(check.message->text, kOutOfBounds);
}

TEST_F(EarlyDischarge, ReadyOnlyWithAUsableDateAndRate) {
    struct Case {
        const char* date;
        const char* rate;
        bool ready;
    };
    const Case cases[] = {
        {"Jun 15 1998", "7", true},
        // Neither the end of the term nor the scenario rate is tested here.
        {"Jan 1 2030", "12", true},
        {"Jan 1 1996", "7", true},
        {"", "7", false},
        {"soon", "7", false},
        {"Dec 31 1995", "7", false},
        {"Jun 15 1998", "", false},
        {"Jun 15 1998", "0.0004", false},
        {"Jun 15 1998", "25.001", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.date) + " / " + c.rate);
        EXPECT_EQ(ReadyToCalculate(c.date, c.rate, scenario), c.ready);
    }
}

TEST_F(EarlyDischarge, DateChoosesThePaymentsMadeAndTheBalance) {
    struct Case {
        CivilDate date;
        int paymentsMade;
        long balanceCents;
    };
    // k counts the payments dated before the discharge date; the balances are the lender's
    // published ones and the schedule's own last-but-one.
    const Case cases[] = {
        {{1996, 1, 2}, 1, 9992200}, {{1996, 2, 1}, 1, 9992200},   {{1996, 2, 15}, 2, 9984336},
        {{1996, 3, 1}, 2, 9984336}, {{2000, 12, 1}, 59, 9411795},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date.year * 10000 + c.date.month * 100 + c.date.day);
        const DischargeResult r = CalculateDischarge(
            in, run.schedule, DayFromCivil(c.date.year, c.date.month, c.date.day), 7.0f);
        ASSERT_FALSE(r.refusal.has_value());
        EXPECT_EQ(r.paymentsMade, c.paymentsMade);
        EXPECT_EQ(std::lround(static_cast<double>(r.balance) * 100.0), c.balanceCents);
    }
}

TEST_F(EarlyDischarge, ShowsTheFourPenalties) {
    // The worked figures of penalties_test.cpp: one day after the first payment, and on the
    // last payment's date (one payment left).
    const DischargeResult first = CalculateDischarge(in, run.schedule, DayFromCivil(1996, 1, 2), 7);
    EXPECT_EQ(first.futureValue, "10839.76");
    EXPECT_EQ(first.accumulatedInterest, "14236.34");
    EXPECT_EQ(first.actualScenario, "14331.03");
    EXPECT_EQ(first.threeMonth, "2447.55");

    const DischargeResult last = CalculateDischarge(in, run.schedule, term.lastPayment, 7);
    EXPECT_EQ(last.futureValue, "225.44");
    EXPECT_EQ(last.accumulatedInterest, "227.28");
    EXPECT_EQ(last.actualScenario, "227.28");
    EXPECT_EQ(last.threeMonth, "2305.39");

    const DischargeResult same =
        CalculateDischarge(in, run.schedule, DayFromCivil(1998, 6, 15), scenario.rate);
    EXPECT_EQ(same.accumulatedInterest, "0.00");
    EXPECT_EQ(same.actualScenario, "0.00");
}

TEST_F(EarlyDischarge, DatesOutsideThePaymentsAreRefused) {
    for (const DayNumber date : {scenario.start - 1, scenario.start, term.lastPayment + 1}) {
        SCOPED_TRACE(date);
        const DischargeResult r = CalculateDischarge(in, run.schedule, date, 7.0f);
        ASSERT_TRUE(r.refusal.has_value());
        EXPECT_EQ(r.refusal->title, kViolation);
        EXPECT_EQ(r.refusal->text, kBeyondEnd);
        EXPECT_EQ(r.refusal->buttons, calc::Buttons::Ok);
        EXPECT_TRUE(r.futureValue.empty());
        EXPECT_TRUE(r.threeMonth.empty());
    }
}

TEST_F(EarlyDischarge, BalanceThePaymentNeverRepaysLeavesOnlyTheFutureValueEmpty) {
    // A balance whose month of interest exceeds the payment (a schedule of large lump-free
    // arrears, say): the Future Value Method has no number of payments to work with.
    run.schedule.records[0].balance = 200000.0f;
    const DischargeResult r = CalculateDischarge(in, run.schedule, DayFromCivil(1996, 1, 2), 7);
    EXPECT_EQ(r.futureValue, "");
    // Hand computation with single rounding, as in penalties_test.cpp.
    EXPECT_EQ(r.accumulatedInterest, "28494.91");
    EXPECT_FALSE(r.actualScenario.empty());
    EXPECT_EQ(r.threeMonth, "4898.93");
}

TEST_F(EarlyDischarge, LoanPaidOffEarlyTakesItsLastBalance) {
    // A lump payment of the whole balance ends the schedule at payment 2; the term still counts
    // 60 payments, so a later date finds k beyond the records.
    changes.entries.push_back({200000.0f, 0.0f, DayFromCivil(1996, 2, 1)});
    SilentMessages silent;
    run = RunSchedule(in, silent);
    ASSERT_EQ(run.schedule.records.size(), 2u);
    const DischargeResult r = CalculateDischarge(in, run.schedule, DayFromCivil(1998, 6, 15), 7);
    ASSERT_FALSE(r.refusal.has_value());
    EXPECT_EQ(r.balance, 0.0f);
    EXPECT_EQ(r.futureValue, "");
    EXPECT_EQ(r.accumulatedInterest, "0.00");
    EXPECT_EQ(r.threeMonth, "0.00");
}

} // namespace
} // namespace hl::analysis
