// The "Solve for" calculator: both solves, the payment range check, the field checks and the
// cases that cannot be solved.
#include <gtest/gtest.h>

#include "calculators/solve_for.h"
#include "engine/engine.h"

namespace hl::calc {
namespace {

SolveInputs Inputs(Single rate, Single payment, const char* frequency) {
    SolveInputs in;
    in.rate = rate;
    in.payment = payment;
    in.frequency = frequency;
    return in;
}

const char* const kPaymentTooSmall =
    "Error, Solve for Am Period scenario cannot be resolved because\r"
    "the calculated interest on the mortgage payment exceeds the payment you specified.\r\r"
    "Increase the Payment Amount or decrease the Interest Rate.";

TEST(Solve, AmortizationOfAMonthlyPayment) {
    SolveInputs in = Inputs(6.0f, 1000.0f, "Monthly");
    in.amount = 100000.0f;
    const SolveResult out = Solve(in);
    ASSERT_TRUE(out.amortization.has_value());
    // Single-precision steps: r = 1.03^(1/6) - 1 and 1 + r as singles, logarithms in double.
    EXPECT_EQ(out.amortization->months, 138.2218017578125f);
    EXPECT_EQ(out.amortization->years, 11.51848316192627f);
    EXPECT_EQ(out.amortization->monthsText, "138.22");
    EXPECT_EQ(out.amortization->yearsText, "11.52");
    EXPECT_FALSE(out.amount.has_value());
    EXPECT_TRUE(out.messages.empty());
    EXPECT_FALSE(out.clearResults);
}

TEST(Solve, AmountOfAWeeklyPayment) {
    SolveInputs in = Inputs(6.0f, 500.0f, "Weekly");
    in.years = 25.0f;
    const SolveResult out = Solve(in);
    ASSERT_TRUE(out.amount.has_value());
    // A monthly 2000 over 300 months. This figure comes from the single-precision steps;
    // the same formula in double precision gives 312594.45.
    EXPECT_EQ(out.amount->amount, 312595.15625f);
    EXPECT_EQ(out.amount->text, "312595.16");
    EXPECT_FALSE(out.amortization.has_value());
}

TEST(Solve, BothPartsRunIndependently) {
    SolveInputs in = Inputs(6.0f, 250.0f, "Weekly");
    in.amount = 100000.0f;
    in.years = 25.0f;
    const SolveResult out = Solve(in);
    // Weekly 250 is a monthly 1000: the amortization of the monthly case, and half the amount
    // that a monthly 2000 carries.
    ASSERT_TRUE(out.amortization.has_value());
    EXPECT_EQ(out.amortization->monthsText, "138.22");
    ASSERT_TRUE(out.amount.has_value());
    EXPECT_EQ(out.amount->text, "156297.58");
}

TEST(Solve, MonthlyEquivalentFactors) {
    // Quarter and half of the monthly payment, never 52/12 or 26/12.
    EXPECT_EQ(MonthlyEquivalent(1000.0f, "Monthly"), 1000.0f);
    EXPECT_EQ(MonthlyEquivalent(1000.0f, "Weekly"), 4000.0f);
    EXPECT_EQ(MonthlyEquivalent(1000.0f, "Twice a Month"), 2000.0f);
    EXPECT_EQ(MonthlyEquivalent(1000.0f, "Every Two Weeks"), 2000.0f);
    EXPECT_EQ(MonthlyEquivalent(1000.0f, "something typed"), 2000.0f);
}

TEST(Solve, WaitsForRateAndPayment) {
    SolveInputs in;
    in.amount = 100000.0f;
    in.years = 25.0f;
    in.payment = 1000.0f;
    const SolveResult noRate = Solve(in);
    EXPECT_FALSE(noRate.amortization || noRate.amount || noRate.clearResults);
    EXPECT_TRUE(noRate.messages.empty());

    in.rate = 6.0f;
    in.payment.reset();
    const SolveResult noPayment = Solve(in);
    EXPECT_FALSE(noPayment.amortization || noPayment.amount || noPayment.clearResults);
    EXPECT_TRUE(noPayment.messages.empty());
}

TEST(Solve, PaymentBelowTheInterestIsUnresolvable) {
    // About 975 of interest a month against a payment of 900.
    SolveInputs in = Inputs(12.0f, 900.0f, "Monthly");
    in.amount = 100000.0f;
    in.years = 25.0f;
    const SolveResult out = Solve(in);
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_EQ(out.messages[0].title, "Error, unresolvable scenario");
    EXPECT_EQ(out.messages[0].text, kPaymentTooSmall);
    EXPECT_EQ(out.messages[0].buttons, Buttons::Ok);
    // The previous amortization stays on show; the amount part still runs.
    EXPECT_FALSE(out.clearResults);
    EXPECT_FALSE(out.amortization.has_value());
    EXPECT_TRUE(out.amount.has_value());
}

TEST(Solve, PaymentEqualToTheInterestIsUnresolvable) {
    SolveInputs in = Inputs(6.0f, 0, "Monthly");
    in.amount = 100000.0f;
    in.payment = sgl::Mul(PeriodicRate(kMonthly, 6.0f), 100000.0f);
    const SolveResult out = Solve(in);
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_EQ(out.messages[0].text, kPaymentTooSmall);
    EXPECT_FALSE(out.amortization.has_value());
}

TEST(Solve, RateWithoutInterestClearsEverything) {
    // 0 is refused by the rate box but stays when the user answers Yes; 0.000001 is accepted,
    // yet 1 + R/200 rounds to 1 in single precision. Both formulas would divide by zero.
    for (const Single rate : {0.0f, 0.000001f}) {
        SolveInputs in = Inputs(rate, 1000.0f, "Monthly");
        in.amount = 100000.0f;
        in.years = 25.0f;
        const SolveResult out = Solve(in);
        EXPECT_TRUE(out.clearResults);
        EXPECT_FALSE(out.amortization.has_value());
        EXPECT_FALSE(out.amount.has_value());
        ASSERT_EQ(out.messages.size(), 1u);
        EXPECT_EQ(out.messages[0].title, "Error, unresolvable scenario");
        EXPECT_EQ(out.messages[0].text, "Error, Solve for scenarios cannot be resolved because\r"
                                        "the Interest Rate is too small to give any interest.\r\r"
                                        "Increase the Interest Rate.");
    }
}

TEST(Solve, AbsurdlyLongPeriodGivesAMessageNotInfinity) {
    // A refused period kept by answering Yes; (1 + r)^n overflows a single.
    SolveInputs in = Inputs(6.0f, 1000.0f, "Monthly");
    in.years = 99999.0f;
    const SolveResult out = Solve(in);
    EXPECT_FALSE(out.amount.has_value());
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_EQ(out.messages[0].title, "Error, unresolvable scenario");
}

const char* const kRangeText =
    "Error, Check your Payment Amount as it relates to the Payment Frequency.\r"
    "            These values are relative to each other.  Acceptable values are:\r"
    "\r"
    "If Payment Frequency = Monthly         Payment Amount Range: 1 to 10000\r"
    "                                               Weekly                                         "
    "                   1 to   2500\r"
    "                                               Twice a Month                                  "
    "             1 to   5000\r"
    "                                               Every Two Weeks                                "
    "       1 to   5000\r";

TEST(PaymentRange, MessageText) {
    const auto refused = CheckPaymentRange(0.0f, "Weekly");
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->title,
              "Input Error - out of range. Enter a valid value or delete the contents of the "
              "field.");
    EXPECT_EQ(refused->text, kRangeText);
    EXPECT_EQ(refused->buttons, Buttons::Ok);
    EXPECT_TRUE(refused->beep);
}

TEST(PaymentRange, BoundsPerFrequency) {
    struct Case {
        const char* frequency;
        Single payment;
        bool passes;
    };
    const Case cases[] = {
        {"Monthly", 10000.0f, true},
        {"Monthly", 10000.5f, false},
        {"Monthly", 0.0f, false},
        {"Monthly", 0.01f, true},
        {"Weekly", 2500.0f, true},
        {"Weekly", 2501.0f, false},
        {"Twice a Month", 5000.0f, true},
        {"Twice a Month", 5000.5f, false},
        {"Every Two Weeks", 5000.0f, true},
        {"Every Two Weeks", 5001.0f, false},
        {"Every Two Weeks", 0.0f, false},
        // A frequency text that is none of the four is not checked.
        {"", 99999.0f, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(!CheckPaymentRange(c.payment, c.frequency).has_value(), c.passes)
            << c.frequency << " " << c.payment;
    }
    EXPECT_FALSE(CheckPaymentRange(std::nullopt, "Monthly").has_value());
}

TEST(PaymentRange, LimitPerFrequency) {
    EXPECT_EQ(PaymentLimit("Monthly"), 10000.0f);
    EXPECT_EQ(PaymentLimit("Weekly"), 2500.0f);
    EXPECT_EQ(PaymentLimit("Twice a Month"), 5000.0f);
    EXPECT_EQ(PaymentLimit("Every Two Weeks"), 5000.0f);
    EXPECT_FALSE(PaymentLimit("weekly").has_value());
}

TEST(SolveAfterFrequency, RefusedPaymentClearsResults) {
    SolveInputs in = Inputs(6.0f, 3000.0f, "Weekly");
    in.amount = 100000.0f;
    const SolveResult out = SolveAfterFrequency(in);
    EXPECT_TRUE(out.clearResults);
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_EQ(out.messages[0].text, kRangeText);
    EXPECT_FALSE(out.amortization.has_value());

    in.frequency = "Monthly";
    const SolveResult monthly = SolveAfterFrequency(in);
    EXPECT_TRUE(monthly.messages.empty());
    EXPECT_TRUE(monthly.amortization.has_value());
}

TEST(SolveAfterFrequency, EmptyPaymentStopsAtOnce) {
    SolveInputs in;
    in.rate = 6.0f;
    in.amount = 100000.0f;
    in.frequency = "Monthly";
    const SolveResult out = SolveAfterFrequency(in);
    EXPECT_FALSE(out.clearResults);
    EXPECT_TRUE(out.messages.empty());
    EXPECT_FALSE(out.amortization.has_value());
}

TEST(SolveAfterPayment, SolvesWithThePaymentAsShown) {
    SolveInputs in = Inputs(6.0f, 1000.004f, "Monthly");
    in.amount = 100000.0f;
    const SolveResult out = SolveAfterPayment(in);
    ASSERT_TRUE(out.paymentText.has_value());
    EXPECT_EQ(*out.paymentText, "1000.00");

    SolveInputs shown = in;
    shown.payment = 1000.0f;
    ASSERT_TRUE(out.amortization.has_value());
    EXPECT_EQ(out.amortization->months, Solve(shown).amortization->months);
}

TEST(SolveAfterPayment, EmptyOrRefusedPaymentClearsResults) {
    SolveInputs in = Inputs(6.0f, 0, "Monthly");
    in.payment.reset();
    in.amount = 100000.0f;
    const SolveResult empty = SolveAfterPayment(in);
    EXPECT_TRUE(empty.clearResults);
    EXPECT_TRUE(empty.messages.empty());

    in.payment = 10001.0f;
    const SolveResult refused = SolveAfterPayment(in);
    EXPECT_TRUE(refused.clearResults);
    ASSERT_EQ(refused.messages.size(), 1u);
    EXPECT_EQ(refused.messages[0].title, kPaymentRangeTitle);
    EXPECT_FALSE(refused.paymentText.has_value());
    EXPECT_FALSE(refused.amortization.has_value());
}

TEST(SolveFields, LimitsMessagesAndFormats) {
    struct Case {
        SolveBox box;
        Single top;
        Single over;
        const char* shown;
        const char* firstLine;
    };
    const Case cases[] = {
        {SolveBox::Rate, 25.0f, 25.001f, "25.000",
         "Error, value entered in the Interest Rate box must be between 1 and 25"},
        {SolveBox::Amount, 500000.0f, 500000.03f, "500000.00",
         "Error, value entered in the mortgage box must be between 1 and 500000"},
        {SolveBox::Years, 35.0f, 35.01f, "35.00",
         "Error, value entered in the Amortizaton box must be between 1 and 35"},
    };
    for (const Case& c : cases) {
        const FieldCheck top = CheckSolveField(c.box, c.top);
        EXPECT_EQ(top.outcome, FieldOutcome::Accepted);
        EXPECT_EQ(top.text, c.shown);

        const FieldCheck over = CheckSolveField(c.box, c.over);
        EXPECT_EQ(over.outcome, FieldOutcome::Rejected);
        ASSERT_TRUE(over.message.has_value());
        EXPECT_EQ(over.message->text.substr(0, over.message->text.find('\r')), c.firstLine);

        EXPECT_EQ(CheckSolveField(c.box, 0.0f).outcome, FieldOutcome::Rejected);
        EXPECT_EQ(CheckSolveField(c.box, std::nullopt).outcome, FieldOutcome::Empty);
    }
    EXPECT_EQ(CheckSolveField(SolveBox::Rate, 6.5f).text, "6.500");
}

} // namespace
} // namespace hl::calc
