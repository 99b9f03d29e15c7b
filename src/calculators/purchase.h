// Buying a home: the minimum down payment, mortgage default insurance and the tax on it, the
// stress test with the debt service ratios, the largest mortgage they allow, the transfer taxes
// with their rebates and the cash needed at closing, by the rules in force on the closing date.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calculators/purchase_rules.h"
#include "core/exact_amount.h"
#include "engine/scenario.h"

namespace hl::calc {

/// The provinces and territories, in the order the lists show them.
inline constexpr const char* kProvinceCodes[] = {"ON", "BC", "QC", "MB", "AB", "SK", "NS",
                                                 "NB", "PE", "NL", "YT", "NT", "NU"};
/// The cities with a transfer tax of their own, as the command line names them.
inline constexpr const char* kCityNames[] = {"toronto", "montreal"};

/// The largest amount a purchase figure may be: a billion dollars.
inline constexpr Cents kMaxPurchaseCents = 100000000000;

struct PurchaseInputs {
    Cents price = 0;
    Cents down = 0;                     ///< dollars given
    std::optional<Hundredths> downRate; ///< or a per cent of the price (then `down` is unused)
    std::string province = "ON";
    std::string city; ///< "", "toronto" or "montreal"
    bool firstTime = false;
    bool newBuild = false;
    std::int64_t years = 2500; ///< amortization, hundredths of a year
    std::int64_t rate = 0;     ///< contract rate, thousandths of a per cent (as the input form)
    Frequency frequency = kMonthly;
    DayNumber closing = 0;
    std::optional<Cents> income; ///< gross household income a year
    Cents taxes = 0;             ///< property taxes a year
    Cents heating = 0;           ///< a month
    Cents condo = 0;             ///< condominium fees a month
    Cents debts = 0;             ///< other debt payments a month
    /// The transfer tax as the user typed it, for a province whose tables are not held.
    std::optional<Cents> typedTransferTax;
};

struct PurchaseResult {
    /// Why the purchase cannot be financed so (one line), with `minimumDown` still set when the
    /// price allows one; empty when every figure below is computed.
    std::string refusal;
    DayNumber rulesDate = 0;
    Cents minimumDown = 0;
    Cents down = 0;
    Cents loan = 0;       ///< price - down payment
    Hundredths ltv = 0;   ///< loan to value, rounded to 0.01 %
    bool insured = false; ///< the loan is above 80 % of the price
    Hundredths premiumRate = 0;
    Cents premium = 0;
    Cents premiumTax = 0; ///< paid in cash at closing
    Cents totalMortgage = 0;
    Money payment = 0; ///< at the contract rate and frequency, as the input form shows it
    std::int64_t qualifyingRate = 0; ///< thousandths of a per cent
    Money qualifyingPayment = 0;     ///< Monthly, at the qualifying rate
    Hundredths gdsLimit = 0;
    Hundredths tdsLimit = 0;
    std::optional<Hundredths> gds; ///< without an income: none
    std::optional<Hundredths> tds;
    std::optional<bool> gdsPasses; ///< within the GDS limit, compared exactly
    std::optional<bool> tdsPasses;
    std::optional<bool> qualifies; ///< within both
    std::optional<Cents> maxMortgage;
    bool transferTaxHeld = true; ///< false: no table for the province, the typed amount is used
    Cents landTransferTax = 0;   ///< the province's (Alberta: the registration fees)
    Cents municipalTransferTax = 0;
    Cents rebate = 0; ///< first-time buyer and new-build rebates together
    Cents netTransferTax = 0;
    Cents cashAtClosing = 0;          ///< down payment + tax on the premium + net transfer tax
    std::vector<std::string> sources; ///< the addresses of the rules used
};

/// The purchase by the rules in force on the closing date. Every figure is exact in cents, each
/// rounded half up once; the payments come from the engine's RegularPayment as the input form
/// computes them from its boxes' texts.
PurchaseResult ComputePurchase(const PurchaseInputs& in, const PurchaseRules& rules);

/// The tax of a marginal schedule on `value`, rounded half up to the cent once.
Cents ScheduleTax(const std::vector<Bracket>& brackets, Cents value);

using hl::CentsText;
/// Hundredths as "95.00".
std::string HundredthsText(Hundredths value);
/// Thousandths of a per cent rounded half up to "6.95".
std::string RateText(std::int64_t thousandths);
/// "YYYY-MM-DD".
std::string IsoDateText(DayNumber day);
/// A "YYYY-MM-DD" date; nothing for anything else.
std::optional<DayNumber> IsoDateValue(const std::string& text);

using hl::FixedValue;

/// The name of a province code ("Ontario"), in English; "" for another code. A window shows it
/// as TrText("Provinces", name).
const char* ProvinceName(const std::string& code);

} // namespace hl::calc
