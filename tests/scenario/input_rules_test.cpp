// The input form's rules: what each box accepts, the Twice-a-Month start date calendar and the
// calculated values.
#include <gtest/gtest.h>

#include <limits>

#include "core/day_number.h"
#include "scenario/input_rules.h"

namespace hl {
namespace {

struct BoundCase {
    NumericField field;
    const char* typed;
    Reading outcome;
    const char* shown; ///< the box's text when valid
};

class NumericBounds : public testing::TestWithParam<BoundCase> {};

TEST_P(NumericBounds, AcceptsAboveZeroUpToTheMaximum) {
    const BoundCase& c = GetParam();
    const NumericReading r = ReadNumericField(c.field, c.typed);
    EXPECT_EQ(r.outcome, c.outcome) << c.typed;
    EXPECT_EQ(r.text, c.shown) << c.typed;
    EXPECT_EQ(r.message.empty(), c.outcome != Reading::Invalid) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(
    EachField, NumericBounds,
    testing::Values(
        BoundCase{NumericField::Amount, "0", Reading::Invalid, ""},
        // The message speaks of 1 to 500000, yet a value between 0 and 1 is taken.
        BoundCase{NumericField::Amount, "0.5", Reading::Valid, "0.50"},
        BoundCase{NumericField::Amount, "500000", Reading::Valid, "500000.00"},
        // As a single 500000.01 is 500000 exactly: the bound must look at the number typed.
        BoundCase{NumericField::Amount, "500000.01", Reading::Invalid, ""},
        BoundCase{NumericField::Amount, "abc", Reading::Invalid, ""},
        BoundCase{NumericField::Amount, " ", Reading::Invalid, ""},
        BoundCase{NumericField::Rate, "25", Reading::Valid, "25.000"},
        BoundCase{NumericField::Rate, "25.001", Reading::Invalid, ""},
        BoundCase{NumericField::Rate, "12.5.7", Reading::Valid, "12.500"},
        BoundCase{NumericField::Rate, ".", Reading::Invalid, ""},
        BoundCase{NumericField::Amortization, "35", Reading::Valid, "35.00"},
        BoundCase{NumericField::Amortization, "35.01", Reading::Invalid, ""},
        BoundCase{NumericField::Amortization, "0.25", Reading::Valid, "0.25"},
        BoundCase{NumericField::Term, "35", Reading::Valid, "35.00"},
        BoundCase{NumericField::Term, "35.5", Reading::Invalid, ""},
        BoundCase{NumericField::Term, "0", Reading::Invalid, ""}));

TEST(NumericField, EmptyBoxReadsZeroWithoutAMessage) {
    const NumericReading r = ReadNumericField(NumericField::Amount, "");
    EXPECT_EQ(r.outcome, Reading::Empty);
    EXPECT_EQ(r.value, 0.0f);
    EXPECT_EQ(r.message, "");
}

TEST(NumericField, RefusedValueIsStillReadForTheRecord) {
    // The record holds what was read while the question is open.
    EXPECT_EQ(ReadNumericField(NumericField::Amount, "600000").value, 600000.0f);
    EXPECT_EQ(ReadNumericField(NumericField::Rate, "12.5.7").value, 12.5f);
}

TEST(StartDate, ReadsTheUsersFormsAndShowsTheLongOne) {
    const DateReading r = ReadStartDate("mar 24 92");
    EXPECT_EQ(r.outcome, Reading::Valid);
    EXPECT_EQ(r.day, DayFromCivil(1992, 3, 24));
    EXPECT_EQ(r.text, "Mar 24, 1992");
    EXPECT_EQ(ReadStartDate("Jan 1 93").text, "Jan 1, 1993");
    EXPECT_EQ(ReadStartDate("").outcome, Reading::Empty);
}

TEST(StartDate, NonsenseAndImpossibleDatesAreQuestioned) {
    EXPECT_EQ(ReadStartDate("next tuesday").outcome, Reading::Invalid);
    EXPECT_EQ(ReadStartDate("Feb 30 1997").outcome, Reading::Invalid);
    // Day numbers of 0 and below mean "no date": such a date cannot be a start date.
    EXPECT_EQ(ReadStartDate("Dec 30 1899").outcome, Reading::Invalid);
}

TEST(TermAboveAmortization, OnlyAgainstAGivenAmortization) {
    Scenario s;
    s.term = 30;
    EXPECT_FALSE(TermExceedsAmortization(s));
    s.amortization = 25;
    EXPECT_TRUE(TermExceedsAmortization(s));
    s.term = 25;
    EXPECT_FALSE(TermExceedsAmortization(s));
}

struct TwiceCase {
    int y, m, d;       ///< start date typed
    int toY, toM, toD; ///< where it moves; 0 when it stays
};

class TwiceAMonth : public testing::TestWithParam<TwiceCase> {};

TEST_P(TwiceAMonth, StartMovesOntoThe15thOr30th) {
    const TwiceCase& c = GetParam();
    const std::optional<DayNumber> moved =
        TwiceAMonthStart(DayFromCivil(c.y, c.m, c.d), kTwiceAMonth);
    if (c.toD == 0) {
        EXPECT_FALSE(moved.has_value());
    } else {
        ASSERT_TRUE(moved.has_value());
        EXPECT_EQ(CivilFromDay(*moved), (CivilDate{c.toY, c.toM, c.toD}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, TwiceAMonth,
    testing::Values(TwiceCase{1997, 1, 31, 1997, 1, 30}, TwiceCase{1996, 2, 20, 1996, 2, 29},
                    TwiceCase{1997, 2, 20, 1997, 2, 28}, TwiceCase{1996, 2, 28, 0, 0, 0},
                    TwiceCase{1997, 2, 28, 0, 0, 0}, TwiceCase{1996, 2, 29, 0, 0, 0},
                    TwiceCase{1996, 3, 10, 1996, 3, 15}, TwiceCase{1996, 3, 1, 1996, 3, 15},
                    TwiceCase{1996, 3, 31, 1996, 3, 30}, TwiceCase{1996, 3, 16, 1996, 3, 30},
                    TwiceCase{1996, 4, 15, 0, 0, 0}, TwiceCase{1996, 4, 30, 0, 0, 0},
                    TwiceCase{2000, 2, 16, 2000, 2, 29},
                    // 2100 is divisible by 4 but has no 29 February.
                    TwiceCase{2100, 2, 20, 2100, 2, 28}));

TEST(TwiceAMonth, OnlyForThatFrequencyAndASetDate) {
    const DayNumber jan31 = DayFromCivil(1997, 1, 31);
    EXPECT_FALSE(TwiceAMonthStart(jan31, kMonthly).has_value());
    EXPECT_FALSE(TwiceAMonthStart(jan31, kWeekly).has_value());
    EXPECT_FALSE(TwiceAMonthStart(jan31, kEveryTwoWeeks).has_value());
    EXPECT_FALSE(TwiceAMonthStart(0, kTwiceAMonth).has_value());
}

TEST(Frequency, CaptionsGiveTheirCodes) {
    EXPECT_EQ(FrequencyFromCaption("Monthly"), std::optional<std::int16_t>(1));
    EXPECT_EQ(FrequencyFromCaption("Weekly"), std::optional<std::int16_t>(2));
    EXPECT_EQ(FrequencyFromCaption("Twice a Month"), std::optional<std::int16_t>(3));
    EXPECT_EQ(FrequencyFromCaption("Every Two Weeks"), std::optional<std::int16_t>(4));
    EXPECT_FALSE(FrequencyFromCaption("").has_value());
    EXPECT_FALSE(FrequencyFromCaption("monthly").has_value());
}

Scenario Loan(Money amount, Single rate, Single years, Frequency frequency) {
    Scenario s;
    s.amount = amount;
    s.rate = rate;
    s.amortization = years;
    s.frequency = frequency;
    return s;
}

TEST(CalculatedPayment, FromTheMonthlyPaymentCutToTheCent) {
    // 100000 at 10 % over 25 years: the monthly payment every Canadian table gives, 894.49; a
    // quarter of it cut to the cent for Weekly, half of it for the two half-monthly kinds.
    EXPECT_EQ(PaymentText(Loan(100000, 10, 25, kMonthly)), "894.49");
    EXPECT_EQ(PaymentText(Loan(100000, 10, 25, kWeekly)), "223.62");
    EXPECT_EQ(PaymentText(Loan(100000, 10, 25, kTwiceAMonth)), "447.24");
    EXPECT_EQ(PaymentText(Loan(100000, 10, 25, kEveryTwoWeeks)), "447.24");
}

TEST(CalculatedPayment, NeedsAmountRateAndAmortization) {
    EXPECT_EQ(PaymentText(Loan(0, 10, 25, kMonthly)), "");
    EXPECT_EQ(PaymentText(Loan(100000, 0, 25, kMonthly)), "");
    EXPECT_EQ(PaymentText(Loan(100000, 10, 0, kMonthly)), "");
}

TEST(CalculatedPayment, NeverShowsInfinityOrNaN) {
    // A refused 40-digit entry sits in the record as infinity while the user corrects it.
    const Single inf = std::numeric_limits<Single>::infinity();
    EXPECT_EQ(PaymentText(Loan(100000, 10, inf, kMonthly)), "");
    EXPECT_EQ(PaymentText(Loan(inf, 10, 25, kMonthly)), "");
    EXPECT_EQ(RateFactorText(Loan(0, inf, 0, kMonthly)), "");
}

TEST(RateFactor, NeedsOnlyRateAndFrequency) {
    // (1 + 10/200)^(1/6) - 1, hand computed with each step rounded to a single: 1.05 is
    // 1.0499999523, 1/6 is 0.1666666716, the power 1.0081648827, less 1 0.0081648826599.
    EXPECT_EQ(RateFactorText(Loan(0, 10, 0, kMonthly)), "0.008164882660");
    EXPECT_EQ(RateFactorText(Loan(0, 0, 0, kMonthly)), "");
    EXPECT_EQ(RateFactorText(Loan(0, 10, 0, static_cast<Frequency>(0))), "");
}

TEST(PaymentChangesButton, NeedsLengthOfLoanAndStartDate) {
    Scenario s;
    EXPECT_FALSE(CanEnterChanges(s));
    s.term = 5;
    EXPECT_FALSE(CanEnterChanges(s));
    s.start = DayFromCivil(1992, 3, 24);
    EXPECT_TRUE(CanEnterChanges(s));
    s.term = 0;
    EXPECT_FALSE(CanEnterChanges(s));
}

TEST(FlashLoad, SampleStudyKeepsFrequencyAndComment) {
    Scenario s;
    s.frequency = kMonthly;
    s.comment = "mine";
    PaymentChanges changes;
    changes.entries.resize(5, PaymentChange{7, 7, 7});
    FlashLoad(s, changes);
    EXPECT_EQ(s.amount, 102500.0f);
    EXPECT_EQ(s.rate, 9.375f);
    EXPECT_EQ(s.amortization, 25.0f);
    EXPECT_EQ(s.term, 5.0f);
    EXPECT_EQ(s.start, DayFromCivil(1992, 3, 24));
    EXPECT_EQ(s.frequency, kMonthly);
    EXPECT_EQ(s.comment, "mine");
    ASSERT_EQ(changes.Count(), 2);
    EXPECT_EQ(changes.At(1), (PaymentChange{0, 31.49f, DayFromCivil(1992, 3, 24)}));
    EXPECT_EQ(changes.At(2), (PaymentChange{3000, 0, DayFromCivil(1993, 1, 26)}));
}

} // namespace
} // namespace hl
