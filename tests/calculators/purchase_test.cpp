// The purchase computation at the edges the rules draw: the down payment tiers and the insured
// cap, the half-up rounding of each figure, the rebates' phase-outs, the fees' steps, the reading
// of typed figures, and the largest mortgage standing exactly at the limits.
#include <gtest/gtest.h>

#include "calculators/purchase.h"
#include "core/day_number.h"

namespace hl::calc {
namespace {

const PurchaseRules& Rules() {
    static const PurchaseRules rules = [] {
        PurchaseRules r;
        if (auto problem = LoadPurchaseRules(HL_SOURCE_RULES_FOLDER, r))
            ADD_FAILURE() << *problem;
        return r;
    }();
    return rules;
}

PurchaseInputs Buying(Cents price, Cents down, const char* province = "ON") {
    PurchaseInputs in;
    in.price = price;
    in.down = down;
    in.province = province;
    in.rate = 4950;
    in.closing = DayFromCivil(2026, 6, 1);
    return in;
}

TEST(Purchase, MinimumDownPaymentAtTheTiersAndTheCap) {
    const struct {
        Cents price;
        Cents minimum;
        const char* source;
    } kCases[] = {
        {49999999, 2500000, "5 % of 499999.99 is 24999.9995: half up once"},
        {50000000, 2500000, "5 % of the first tier exactly"},
        {50000001, 2500000, "a cent into the upper tier adds a tenth of a cent"},
        {149999999, 12500000, "25000 + 10 % of 999999.99, half up"},
        {150000000, 30000000, "at the cap: 20 % of the price"},
    };
    for (const auto& c : kCases) {
        const PurchaseResult r = ComputePurchase(Buying(c.price, c.price / 2), Rules());
        EXPECT_EQ(r.minimumDown, c.minimum) << c.price << ": " << c.source;
    }
}

TEST(Purchase, EachFigureIsRoundedHalfUpOnce) {
    // 500000.14 needs 25000.007 down, 25000.01 to the cent; the premium, 4 % of the 475000.13
    // left, is 19000.0052 and its tax 8 % of 19000.01.
    PurchaseResult r = ComputePurchase(Buying(50000014, 2500001), Rules());
    EXPECT_EQ(r.minimumDown, 2500001);
    EXPECT_EQ(r.premium, 1900001);
    EXPECT_EQ(r.premiumTax, 152000);
    // 3.10 % of 500000.50 is 15500.0155: up to the cent above.
    r = ComputePurchase(Buying(58823550, 8823500), Rules());
    EXPECT_EQ(r.premiumRate, 310);
    EXPECT_EQ(r.premium, 1550002);
    // The brackets are summed exactly and rounded once: 0.5 % of 0.01 is nothing, 0.5 % of 1.00
    // is half a cent, rounded up.
    const std::vector<Bracket> ontario = {{0, 50}, {5500000, 100}};
    EXPECT_EQ(ScheduleTax(ontario, 1), 0);
    EXPECT_EQ(ScheduleTax(ontario, 100), 1);
    EXPECT_EQ(ScheduleTax(ontario, 5500001), 27500);
    EXPECT_EQ(RateText(6125), "6.13");
    EXPECT_EQ(RateText(6124), "6.12");
    EXPECT_EQ(CentsText(-5), "-0.05");
}

TEST(Purchase, RebatesShrinkToNothingAcrossTheirPhaseOuts) {
    const struct {
        Cents price;
        bool firstTime;
        bool newBuild;
        Cents rebate;
        const char* source;
    } kCases[] = {
        {83500000, true, false, 800000, "BC first-time: full at 835000"},
        {86000000, true, false, 0, "none at 860000"},
        {110000000, false, true, 2000000, "BC new build: the whole tax at 1100000"},
        {112500000, false, true, 1025000, "half of 20500.00 at 1125000"},
        {115000000, false, true, 0, "none at 1150000"},
        {50000000, true, true, 800000, "both: the larger, not the sum"},
    };
    for (const auto& c : kCases) {
        PurchaseInputs in = Buying(c.price, c.price / 5, "BC");
        in.firstTime = c.firstTime;
        in.newBuild = c.newBuild;
        EXPECT_EQ(ComputePurchase(in, Rules()).rebate, c.rebate) << c.source;
    }
}

TEST(Purchase, RegistrationFeesChargeEveryStartedStep) {
    // Alberta: 50 + 5 per 5000 or part; 500000.01 of price starts a 101st step.
    PurchaseResult r = ComputePurchase(Buying(50000001, 10000001, "AB"), Rules());
    EXPECT_EQ(r.landTransferTax, (5000 + 101 * 500) + (5000 + 80 * 500));
    // Before 20 October 2024: 2.00 and 1.50 a step.
    PurchaseInputs in = Buying(45000000, 4500000, "AB");
    in.closing = DayFromCivil(2024, 10, 19);
    r = ComputePurchase(in, Rules());
    EXPECT_EQ(r.landTransferTax, (5000 + 90 * 200) + (5000 + 84 * 150));
}

TEST(Purchase, AmountsBeyondABillionAreRefused) {
    // A window box takes any number of digits; the exact products of cents must not overflow.
    PurchaseInputs in = Buying(50000000, 2500000);
    in.condo = kMaxPurchaseCents + 1;
    in.income = 100;
    EXPECT_EQ(ComputePurchase(in, Rules()).refusal,
              "the condominium fees must be at most 1000000000.00");
    in = Buying(kMaxPurchaseCents + 1, kMaxPurchaseCents / 2);
    EXPECT_EQ(ComputePurchase(in, Rules()).refusal, "the price must be at most 1000000000.00");
    in = Buying(kMaxPurchaseCents, kMaxPurchaseCents / 5);
    in.income = kMaxPurchaseCents;
    in.taxes = in.heating = in.condo = in.debts = kMaxPurchaseCents;
    EXPECT_EQ(ComputePurchase(in, Rules()).refusal, "");
}

TEST(Purchase, TypedFiguresAreReadToTheirPlaces) {
    const struct {
        const char* text;
        int decimals;
        std::optional<std::int64_t> value;
    } kCases[] = {
        {"1234", 2, 123400},     {"1234.5", 2, 123450},
        {".5", 2, 50},           {"1.", 2, 100},
        {"1.005", 2, 101},       {"1.0049", 2, 100},
        {"4.95", 3, 4950},       {"", 2, std::nullopt},
        {".", 2, std::nullopt},  {"1.2.3", 2, std::nullopt},
        {"-1", 2, std::nullopt}, {"1e5", 2, std::nullopt},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(FixedValue(c.text, c.decimals), c.value) << c.text;
}

TEST(Purchase, TheLargestMortgageStandsExactlyAtTheLimits) {
    // For each income, the largest mortgage passes both limits and a cent more fails one: the
    // figure is checked by computing the purchase it names.
    for (const Cents income : {4000000, 9000000, 15000000, 40000000}) {
        PurchaseInputs in = Buying(200000000, 40000000);
        in.income = income;
        in.taxes = 480000;
        in.heating = 12000;
        in.condo = 30000;
        in.debts = 25000;
        const PurchaseResult r = ComputePurchase(in, Rules());
        ASSERT_TRUE(r.maxMortgage) << income;
        for (const Cents delta : {Cents{0}, Cents{1}}) {
            PurchaseInputs at = in;
            at.price = *r.maxMortgage + delta + 100000000; // uninsured: the loan is the mortgage
            at.down = 100000000;
            const PurchaseResult check = ComputePurchase(at, Rules());
            ASSERT_EQ(check.totalMortgage, *r.maxMortgage + delta);
            EXPECT_EQ(*check.qualifies, delta == 0) << income << " + " << delta;
        }
    }
}

} // namespace
} // namespace hl::calc
