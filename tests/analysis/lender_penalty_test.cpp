// The lender's penalty and the prepayment privileges: the figures of the lender's published
// example, the five-year rule, the clawback, the privileges of a study's plan, and the exact
// reading of typed values.
#include "analysis/lender_penalty.h"

#include <gtest/gtest.h>

#include "support/standard_scenario.h"

namespace hl::analysis {
namespace {

// One row per rule the charge follows; every figure in whole cents.
struct ChargeCase {
    const char* source;
    LenderPenaltyInputs in;
    Cents threeMonth, ird, charge, clawback, total;
    bool fiveYearRule;
};

TEST(LenderCharge, TheFiguresThatMustComeOut) {
    // balance, contract rate, today's posted, discount, months left, months passed, term months,
    // long term, fee, cash back, clawback
    // clang-format off
    const ChargeCase cases[] = {
        {"a lender's published example: 100,000 at 9 %, discount 0.5, 36 months, posted 6",
         {10'000'000, 9000, 6000, 500, 36, 24, 60, false, 0, 0, false},
         225'000, 1'050'000, 1'050'000, 0, 1'050'000, false},
        {"the same with 70 months of a 10-year term past: three months' interest only",
         {10'000'000, 9000, 6000, 500, 50, 70, 120, true, 0, 0, false},
         225'000, 1'458'333, 225'000, 0, 225'000, true},
        {"a long term before its fifth year is charged the greater, as any other",
         {10'000'000, 9000, 6000, 500, 61, 59, 120, true, 0, 0, false},
         225'000, 1'779'167, 1'779'167, 0, 1'779'167, false},
        {"posted less the discount above the contract rate: no differential",
         {10'000'000, 9000, 10000, 500, 36, 24, 60, false, 0, 0, false},
         225'000, 0, 225'000, 0, 225'000, false},
        {"fee and cash back clawed back by whole months left: 3,000 x 36 / 60",
         {10'000'000, 9000, 6000, 500, 36, 24, 60, false, 25'000, 300'000, true},
         225'000, 1'050'000, 1'050'000, 180'000, 1'255'000, false},
        {"cash back not clawed back costs nothing",
         {10'000'000, 9000, 6000, 500, 36, 24, 60, false, 0, 300'000, false},
         225'000, 1'050'000, 1'050'000, 0, 1'050'000, false},
        {"hand computation: 2.00 x 1 % x 3 / 12 is half a cent, rounded up once",
         {200, 1000, 1000, 0, 12, 0, 60, false, 0, 0, false}, 1, 0, 1, 0, 1, false},
        {"hand computation: 1/3 of 1.00 clawed back rounds down to 0.33",
         {0, 9000, 6000, 0, 20, 40, 60, false, 0, 100, true}, 0, 0, 0, 33, 33, false},
    };
    // clang-format on
    for (const ChargeCase& c : cases) {
        SCOPED_TRACE(c.source);
        const LenderPenalty p = LenderCharge(c.in);
        EXPECT_EQ(p.threeMonth, c.threeMonth);
        EXPECT_EQ(p.ird, c.ird);
        EXPECT_EQ(p.charge, c.charge);
        EXPECT_EQ(p.clawback, c.clawback);
        EXPECT_EQ(p.total, c.total);
        EXPECT_EQ(p.fiveYearRule, c.fiveYearRule);
    }
}

TEST(LenderCharge, TheDiscountComesFromTheSigningRateWhenThereIsOne) {
    LenderTerms t;
    t.discount = 750;
    EXPECT_EQ(DiscountOf(t, 4790), 750);
    t.signingPosted = 5990;
    EXPECT_EQ(DiscountOf(t, 4790), 1200);
    t.signingPosted = 4000; // below the contract rate: no discount was given
    EXPECT_EQ(DiscountOf(t, 4790), 0);
}

Scenario Original100000At(Single rate, Frequency f = kMonthly) {
    Scenario s = test::StandardScenario(f);
    s.rate = rate;
    s.start = DayFromCivil(2025, 1, 1);
    return s;
}

struct PlanCase {
    const char* source;
    PrivilegeYear year;
    DayNumber start;
    std::vector<PaymentChange> changes; ///< lump, change, date
    std::size_t row;                    ///< the year row looked at
    int yearNumber;
    Cents lumps, largestIncrease, excess;
    DayNumber firstExcess;
};

TEST(Privileges, ThePlanAgainstTheYearlyPrivileges) {
    const DayNumber mar = DayFromCivil(2025, 3, 1), sep = DayFromCivil(2025, 9, 1),
                    feb26 = DayFromCivil(2026, 2, 1), jan = DayFromCivil(2025, 1, 1),
                    jul = DayFromCivil(2025, 7, 1);
    // The standard loan from Jan 1 2025, monthly payment 894.49: increase limit 134.17.
    // clang-format off
    const PlanCase cases[] = {
        {"the issue's figure: 10,000 and 8,000 in one calendar year at 15 % of 100,000",
         PrivilegeYear::Calendar, jan, {{10000, 0, mar}, {8000, 0, sep}}, 0, 2025, 1'800'000, 0, 300'000, sep},
        {"the same lumps a calendar year apart stay within",
         PrivilegeYear::Calendar, jan, {{10000, 0, sep}, {8000, 0, feb26}}, 1, 2026, 800'000, 0, 0, 0},
        {"a loan year from July 1 holds Sep 2025 and Feb 2026 both",
         PrivilegeYear::Loan, jul, {{10000, 0, sep}, {8000, 0, feb26}}, 0, 1, 1'800'000, 0, 300'000, feb26},
        {"a payment increase above 15 % of the original payment",
         PrivilegeYear::Calendar, jan, {{0, 150, mar}}, 0, 2025, 0, 15'000, 1'583, mar},
        {"an increase at the limit is within",
         PrivilegeYear::Calendar, jan, {{0, 134.17f, mar}}, 0, 2025, 0, 13'417, 0, 0},
    };
    // clang-format on
    for (const PlanCase& c : cases) {
        SCOPED_TRACE(c.source);
        Scenario s = Original100000At(10.0f);
        s.start = c.start;
        PaymentChanges changes;
        changes.entries = c.changes;
        const EngineInputs in{s, changes};
        SilentMessages quiet;
        LenderTerms terms;
        terms.year = c.year;
        const PrivilegePlan plan = CheckPrivileges(in, RunSchedule(in, quiet).schedule, terms);
        ASSERT_EQ(plan.years.size(), 5u);
        const PrivilegeYearRow& row = plan.years.at(c.row);
        EXPECT_EQ(row.year, c.yearNumber);
        EXPECT_EQ(row.lumpLimit, 1'500'000);
        EXPECT_EQ(row.increaseLimit, 13'417);
        EXPECT_EQ(row.lumps, c.lumps);
        EXPECT_EQ(row.largestIncrease, c.largestIncrease);
        EXPECT_EQ(row.excess, c.excess);
        EXPECT_EQ(plan.firstExcess, c.firstExcess);
    }
}

TEST(Privileges, ALoanYearStartedOnALeapDayRunsToTheDayBeforeItsAnniversary) {
    const DayNumber start = DayFromCivil(2024, 2, 29);
    const PrivilegeYearRow first =
        PrivilegeYearOf(DayFromCivil(2025, 2, 27), PrivilegeYear::Loan, start);
    EXPECT_EQ(first.year, 1);
    EXPECT_EQ(first.to, DayFromCivil(2025, 2, 27));
    const PrivilegeYearRow second =
        PrivilegeYearOf(DayFromCivil(2025, 2, 28), PrivilegeYear::Loan, start);
    EXPECT_EQ(second.year, 2);
    EXPECT_EQ(second.from, DayFromCivil(2025, 2, 28));
}

TEST(LenderDischarge, TheDatesBalanceAndFreePrepaymentComeFromTheSchedule) {
    const Scenario s = Original100000At(9.0f);
    Scenario three = s;
    three.term = 3;
    PaymentChanges changes;
    changes.entries = {{10000, 0, DayFromCivil(2025, 3, 1)}};
    const EngineInputs in{three, changes};
    SilentMessages quiet;
    const ScheduleFile schedule = RunSchedule(in, quiet).schedule;
    LenderTerms terms;
    terms.discount = 500;

    // On the first payment date nothing is paid yet: the balance is the amount, 36 months left.
    LenderDischarge d = LenderDischargeOn(in, schedule, terms, three.start, 6000);
    ASSERT_FALSE(d.refusal);
    EXPECT_EQ(d.inputs.balance, 10'000'000);
    EXPECT_EQ(d.inputs.monthsLeft, 36);
    EXPECT_EQ(d.penalty.ird, 1'050'000);
    EXPECT_EQ(d.freePrepayment, 1'500'000);

    // After the lump of March 1: 5,000 of the year's 15,000 left free; a prepayment of 20,000
    // is charged on 15,000 by the lender's method (the differential: 15,000 x 3.5 % x 32 / 12).
    terms.prepayment = 2'000'000;
    d = LenderDischargeOn(in, schedule, terms, DayFromCivil(2025, 4, 15), 6000);
    ASSERT_FALSE(d.refusal);
    EXPECT_EQ(d.paymentsMade, 4);
    EXPECT_EQ(d.inputs.balance, CentsOf(schedule.records[3].balance));
    EXPECT_EQ(d.inputs.monthsLeft, 32);
    EXPECT_EQ(d.freePrepayment, 500'000);
    EXPECT_EQ(d.prepaymentCharge, 140'000);

    for (const DayNumber outside : {three.start - 1, DayFromCivil(2027, 12, 2)})
        EXPECT_TRUE(LenderDischargeOn(in, schedule, terms, outside, 6000).refusal);
    EXPECT_FALSE(LenderDischargeOn(in, schedule, terms, DayFromCivil(2027, 12, 1), 6000).refusal);
}

TEST(ExactValue, TypedTextsReadExactly) {
    struct Case {
        const char* text;
        int decimals;
        std::optional<long long> value;
    };
    // clang-format off
    const Case cases[] = {
        {"6", 3, 6000}, {"6.09", 3, 6090}, {".5", 3, 500}, {"6.0005", 3, 6001},
        {"6.0004", 3, 6000}, {"25", 3, 25000}, {"25.0001", 3, 25000},
        {"25.0005", 3, std::nullopt}, {"26", 3, std::nullopt}, {"", 3, std::nullopt},
        {".", 3, std::nullopt}, {"1.2.3", 3, std::nullopt}, {"-1", 3, std::nullopt},
        {"6 %", 3, std::nullopt}, {"99999999999999999999", 3, std::nullopt},
        {"250", 2, 25000}, {"0.005", 2, 1},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(ExactValue(c.text, c.decimals, 25000), c.value) << c.text;
    EXPECT_EQ(CentsText(1'050'000), "10500.00");
    EXPECT_EQ(CentsText(5), "0.05");
    EXPECT_EQ(RateText(6090), "6.090");
}

TEST(LenderBoxes, AcceptedValuesAreRewrittenAndOthersQuestioned) {
    // clang-format off
    const struct { LenderBox kind; const char* text; const char* shown; const char* why; } cases[] = {
        {LenderBox::Date, "1998-02-15", "Feb 15, 1998", nullptr},
        {LenderBox::Money, "250", "250.00", nullptr},
        {LenderBox::Share, "15.50", "15.5", nullptr},
        {LenderBox::Rate, "", "", nullptr},
        {LenderBox::Date, "soon", nullptr, "Error, this is not a valid date."},
        {LenderBox::Money, "500000.01", nullptr, "Error, the amount must be from 0 to 500000.00 dollars."},
        {LenderBox::Share, "101", nullptr, "Error, the value must be a per cent from 0 to 100."},
        {LenderBox::Rate, "25.5", nullptr, "Error, the value must be a per cent from 0 to 25."},
    };
    // clang-format on
    for (const auto& c : cases) {
        const BoxCheck check = CheckLenderBox(c.kind, c.text);
        if (c.shown) {
            EXPECT_EQ(check.outcome, BoxOutcome::Accepted) << c.text;
            EXPECT_EQ(check.text, c.shown);
            continue;
        }
        ASSERT_EQ(check.outcome, BoxOutcome::Refused) << c.text;
        EXPECT_EQ(check.message->title, "Mortgage Input Error");
        EXPECT_EQ(check.message->buttons, calc::Buttons::YesNo);
        EXPECT_EQ(check.message->text.rfind(c.why, 0), 0u) << check.message->text;
    }
}

} // namespace
} // namespace hl::analysis
