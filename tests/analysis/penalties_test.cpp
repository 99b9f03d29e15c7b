// The four early discharge penalties: worked figures to the cent and the cases where a method has
// nothing to give.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/penalties.h"
#include "engine/engine.h"
#include "support/standard_scenario.h"

namespace hl::analysis {
namespace {

/// Money as whole cents, as the window shows it.
long Cents(Money value) { return std::lround(static_cast<double>(value) * 100.0); }

struct WorkedCase {
    const char* name;
    Scenario scenario;
    Money balance;
    int paymentsMade;
    Single dischargeRate;
    long futureValue, accumulatedInterest, actualScenario, threeMonth; ///< cents
};

// Every expected figure comes from a hand computation with single rounding: the steps of each
// method written out one by one in a throwaway Python script that rounds every operation to a
// 32-bit float with struct.pack('f', ...), its logarithms and powers from the same C library.
// The balances are those of the schedule (the standard scenario's published 99922.00; the engine's
// 94117.95 after payment 59 and 101338.21 after the sample scenario's 30th weekly payment).
const WorkedCase kWorked[] = {
    // n = 298.99954, PMTd = 700.75024, FVd = 91087.81, PV = 89082.24.
    {"StandardMonthlyAfterPayment1At7", test::StandardScenario(), 99922.0f, 1, 7.0f, 1083976,
     1423634, 1433103, 244755},
    // m = 1: n = 240.99960, PMTd = 722.66516, FVd = 93936.46, PV = 93892.51.
    {"StandardMonthlyLastPaymentAt7", test::StandardScenario(), 94117.9453125f, 59, 7.0f, 22544,
     22728, 22728, 230539},
    // Weekly: n = 966.60455, PMTd = 206.25026, FVd = 89144.38, PV = 98411.23; the payment at
    // 8.5 % would have been 203.81 instead of 218.50.
    {"SampleWeeklyAfterPayment30At8.5", test::SampleScenario(), 101338.2109375f, 30, 8.5f, 292698,
     375932, 361924, 232999},
};

TEST(Penalties, WorkedFiguresToTheCent) {
    for (const WorkedCase& c : kWorked) {
        SCOPED_TRACE(c.name);
        const PenaltyInputs in{c.scenario, c.balance, c.paymentsMade,
                               PaymentsInTerm(c.scenario.frequency, c.scenario.term),
                               c.dischargeRate};
        const std::optional<Money> future = FutureValueMethod(in);
        ASSERT_TRUE(future.has_value());
        EXPECT_EQ(Cents(*future), c.futureValue);
        EXPECT_EQ(Cents(AccumulatedInterestMethod(in)), c.accumulatedInterest);
        EXPECT_EQ(Cents(ActualScenarioCalculation(in)), c.actualScenario);
        EXPECT_EQ(Cents(ThreeMonthInterest(in)), c.threeMonth);
    }
}

TEST(Penalties, DischargeAtTheScenarioRateCostsNoDifferential) {
    const Scenario s = test::StandardScenario();
    const PenaltyInputs in{s, 99922.0f, 1, 60, s.rate};
    EXPECT_EQ(AccumulatedInterestMethod(in), 0.0f);
    EXPECT_EQ(ActualScenarioCalculation(in), 0.0f);
    EXPECT_EQ(Cents(FutureValueMethod(in).value_or(-1.0f)), 0);
    // The three months' interest does not depend on the discharge rate.
    EXPECT_EQ(Cents(ThreeMonthInterest(in)), 244755);
}

TEST(Penalties, NoPaymentsLeftGiveNoDifferential) {
    // The refinance search may ask with every payment of the term made.
    const Scenario s = test::StandardScenario();
    for (const Money balance : {94117.95f, 200000.0f, 0.0f}) {
        SCOPED_TRACE(balance);
        const PenaltyInputs in{s, balance, 60, 60, 7.0f};
        EXPECT_EQ(FutureValueMethod(in), std::optional<Money>(0.0f));
        EXPECT_EQ(AccumulatedInterestMethod(in), 0.0f);
        EXPECT_EQ(ActualScenarioCalculation(in), 0.0f);
    }
}

TEST(Penalties, FutureValueHasNoValueWhenThePaymentNeverRepaysTheBalance) {
    const Scenario s = test::StandardScenario();
    // A month's interest on B against the payment of 894.49: 109553 x is = 894.487 is below it,
    // 109554 x is = 894.496 is not.
    struct Case {
        Money balance;
        bool hasValue;
    };
    for (const Case c : {Case{109000.0f, true}, Case{109553.0f, true}, Case{109554.0f, false},
                         Case{200000.0f, false}, Case{0.0f, false}}) {
        SCOPED_TRACE(c.balance);
        const PenaltyInputs in{s, c.balance, 1, 60, 7.0f};
        EXPECT_EQ(FutureValueMethod(in).has_value(), c.hasValue);
        // The other methods still give their figures.
        EXPECT_TRUE(std::isfinite(AccumulatedInterestMethod(in)));
        EXPECT_TRUE(std::isfinite(ActualScenarioCalculation(in)));
        EXPECT_TRUE(std::isfinite(ThreeMonthInterest(in)));
    }
}

} // namespace
} // namespace hl::analysis
