// Buying a home, computed in whole cents by the rules in force on the closing date.
#include "calculators/purchase.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "calculators/purchase_rules.h"
#include "core/box_value.h"
#include "core/day_number.h"
#include "core/format.h"
#include "core/translate.h"
#include "engine/engine.h"

namespace hl::calc {
namespace {

// n / d rounded half up, for d > 0 (n may be negative: halves then go up towards zero).
std::int64_t RoundDiv(std::int64_t n, std::int64_t d) {
    const std::int64_t q = n / d;
    const std::int64_t r = n % d;
    if (r >= 0)
        return 2 * r >= d ? q + 1 : q;
    return 2 * -r > d ? q - 1 : q;
}

// n / d rounded down, for d > 0.
std::int64_t FloorDiv(std::int64_t n, std::int64_t d) {
    const std::int64_t q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// The payment the input form shows for these figures: each read from the text its box shows.
Money FormPayment(Cents amount, std::int64_t rate, std::int64_t years, Frequency frequency) {
    const Money a =
        BoxValue(FormatNumber(static_cast<double>(amount) / 100.0, "######0.00")).value_or(0);
    const Single r =
        BoxValue(FormatNumber(static_cast<double>(rate) / 1000.0, "#0.000")).value_or(0);
    const Single y =
        BoxValue(FormatNumber(static_cast<double>(years) / 100.0, "#####0.00")).value_or(0);
    if (a <= 0 || r <= 0 || y <= 0)
        return 0;
    return RegularPayment(a, r, y, frequency);
}

// A per cent as a sentence says it: "20", "7.5".
std::string PercentWords(Hundredths value) {
    std::string text = HundredthsText(value);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

Cents PaymentCents(Money payment) { return std::llround(static_cast<double>(payment) * 100.0); }

// The largest amount whose Monthly payment at `rate` is at most `most` cents.
Cents LargestAmount(Cents most, std::int64_t rate, std::int64_t years) {
    if (most <= 0)
        return 0;
    const auto fits = [&](Cents amount) {
        return PaymentCents(FormPayment(amount, rate, years, kMonthly)) <= most;
    };
    Cents good = 0;
    Cents bad = 100000;
    constexpr Cents kCeiling = 100000000000; // a billion dollars
    while (fits(bad)) {
        good = bad;
        if (bad >= kCeiling)
            return kCeiling;
        bad *= 2;
    }
    while (bad - good > 1) {
        const Cents mid = good + (bad - good) / 2;
        (fits(mid) ? good : bad) = mid;
    }
    return good;
}

Cents Rebate(const RebateRule& rule, Cents tax, const std::vector<Bracket>& schedule, Cents price) {
    Cents rebate = tax;
    if (rule.atMost)
        rebate = std::min(rebate, *rule.atMost);
    if (rule.exemptUpTo)
        rebate = std::min(rebate, ScheduleTax(schedule, *rule.exemptUpTo));
    if (rule.fullUpTo && price > *rule.fullUpTo) {
        if (price >= *rule.noneFrom)
            return 0;
        rebate = RoundDiv(rebate * (*rule.noneFrom - price), *rule.noneFrom - *rule.fullUpTo);
    }
    return std::max<Cents>(rebate, 0);
}

class Purchase {
  public:
    Purchase(const PurchaseInputs& in, const PurchaseRules& rules) : in_(in), rules_(rules) {
        out_.rulesDate = in.closing;
    }

    PurchaseResult Run() {
        if (!Financing() || !Qualifying() || !TransferTaxes())
            return out_;
        out_.cashAtClosing = out_.down + out_.premiumTax + out_.netTransferTax;
        return out_;
    }

  private:
    bool Refuse(const std::string& why) {
        out_.refusal = why;
        return false;
    }
    /// `sentence` says which rules are not held, with %1 for the closing date.
    bool Missing(const char* sentence) {
        return Refuse(TrArg(TrText("Purchase Messages", sentence), IsoDateText(in_.closing)));
    }
    void Used(const std::string& source) {
        if (std::find(out_.sources.begin(), out_.sources.end(), source) == out_.sources.end())
            out_.sources.push_back(source);
    }

    bool Financing() {
        const Cents price = in_.price;
        if (price <= 0)
            return Refuse(TrText("Purchase Messages", "the price must be above 0"));
        // Beyond a billion dollars the exact products of cents and rates could overflow.
        const std::pair<const char*, Cents> amounts[] = {
            {HL_TR_NOOP("Purchase Messages", "the price must be at most %1"), price},
            {HL_TR_NOOP("Purchase Messages", "the down payment must be at most %1"), in_.down},
            {HL_TR_NOOP("Purchase Messages", "the income must be at most %1"),
             in_.income.value_or(0)},
            {HL_TR_NOOP("Purchase Messages", "the property taxes must be at most %1"), in_.taxes},
            {HL_TR_NOOP("Purchase Messages", "the heating must be at most %1"), in_.heating},
            {HL_TR_NOOP("Purchase Messages", "the condominium fees must be at most %1"), in_.condo},
            {HL_TR_NOOP("Purchase Messages", "the other debt payments must be at most %1"),
             in_.debts},
            {HL_TR_NOOP("Purchase Messages", "the transfer tax must be at most %1"),
             in_.typedTransferTax.value_or(0)}};
        for (const auto& [sentence, amount] : amounts)
            if (amount < 0 || amount > kMaxPurchaseCents)
                return Refuse(
                    TrArg(TrText("Purchase Messages", sentence), CentsText(kMaxPurchaseCents)));
        if (in_.years <= 0 || in_.years > 3500)
            return Refuse(TrText("Purchase Messages",
                                 "the amortization must be above 0 and at most 35 years"));
        if (in_.rate <= 0 || in_.rate > 25000)
            return Refuse(TrText("Purchase Messages", "the rate must be above 0 and at most 25"));
        const DownPaymentRule* rule = InForce(rules_.downPayment, in_.closing);
        if (!rule)
            return Missing(
                HL_TR_NOOP("Purchase Messages", "no down payment rules are held for %1"));
        Used(rule->source);
        out_.down = in_.downRate ? RoundDiv(price * *in_.downRate, 10000) : in_.down;
        if (out_.down >= price)
            return Refuse(
                TrText("Purchase Messages", "the down payment must be less than the price"));
        const bool insurable = price < rule->insuredCap;
        if (!insurable)
            out_.minimumDown = RoundDiv(price * rule->uninsuredPercent, 10000);
        else
            out_.minimumDown =
                RoundDiv(std::min(price, rule->tierLimit) * rule->firstPercent +
                             std::max<Cents>(price - rule->tierLimit, 0) * rule->upperPercent,
                         10000);
        if (out_.down < out_.minimumDown) {
            if (!insurable)
                return Refuse(
                    TrArg(TrArg(TrArg(TrArg(TrText("Purchase Messages",
                                                   "a price of %1 is at or above the insured "
                                                   "price cap of %2: %3 % down needed: %4"),
                                            CentsText(price)),
                                      CentsText(rule->insuredCap)),
                                PercentWords(rule->uninsuredPercent)),
                          CentsText(out_.minimumDown)));
            return Refuse(TrArg(TrArg(TrText("Purchase Messages",
                                             "a down payment of %1 is below the minimum of %2"),
                                      CentsText(out_.down)),
                                CentsText(out_.minimumDown)));
        }
        out_.loan = price - out_.down;
        out_.ltv = RoundDiv(out_.loan * 10000, price);
        // Insurance is needed when the down payment is below the uninsured share: compared
        // exactly, from cents.
        out_.insured = out_.down * 10000 < rule->uninsuredPercent * price;
        if (out_.insured && !Premium())
            return false;
        out_.totalMortgage = out_.loan + out_.premium;
        out_.payment = FormPayment(out_.totalMortgage, in_.rate, in_.years, in_.frequency);
        return true;
    }

    bool Premium() {
        const PremiumRule* premiums = InForce(rules_.premiums, in_.closing);
        const AmortizationRule* amortization = InForce(rules_.amortization, in_.closing);
        if (!premiums)
            return Missing(
                HL_TR_NOOP("Purchase Messages", "no insurance premium rules are held for %1"));
        if (!amortization)
            return Missing(
                HL_TR_NOOP("Purchase Messages", "no insured amortization rules are held for %1"));
        Used(premiums->source);
        Used(amortization->source);
        const PremiumBand* band = nullptr;
        for (const PremiumBand& b : premiums->bands)
            if (!band && out_.loan * 10000 <= b.upTo * in_.price)
                band = &b;
        if (!band)
            return Refuse(
                TrArg(TrArg(TrText("Purchase Messages",
                                   "a loan of %1 % of the price cannot be insured (at most %2 %)"),
                            HundredthsText(out_.ltv)),
                      HundredthsText(premiums->bands.back().upTo)));
        const bool extends = (amortization->extendedFor == ExtendedFor::FirstTimeOrNewBuild &&
                              (in_.firstTime || in_.newBuild)) ||
                             (amortization->extendedFor == ExtendedFor::FirstTimeAndNewBuild &&
                              in_.firstTime && in_.newBuild);
        const int longest = extends ? amortization->extendedYears : amortization->longestYears;
        if (in_.years > longest * 100) {
            const char* sentence =
                amortization->extendedYears <= amortization->longestYears
                    ? HL_TR_NOOP("Purchase Messages",
                                 "an insured loan is amortized over at most %1 years")
                : amortization->extendedFor == ExtendedFor::FirstTimeOrNewBuild
                    ? HL_TR_NOOP("Purchase Messages",
                                 "an insured loan is amortized over at most %1 years (%2 for a "
                                 "first-time buyer or a new build)")
                    : HL_TR_NOOP("Purchase Messages",
                                 "an insured loan is amortized over at most %1 years (%2 for a "
                                 "first-time buyer of a new build)");
            return Refuse(TrArg(TrArg(TrText("Purchase Messages", sentence),
                                      std::to_string(amortization->longestYears)),
                                std::to_string(amortization->extendedYears)));
        }
        out_.premiumRate =
            band->premium +
            (in_.years > amortization->longestYears * 100 ? amortization->surcharge : 0);
        out_.premium = RoundDiv(out_.loan * out_.premiumRate, 10000);
        const std::string province = in_.province;
        if (const PremiumTaxRule* tax = InForce<PremiumTaxRule>(
                rules_.premiumTax, in_.closing,
                [&](const PremiumTaxRule& r) { return r.province == province; })) {
            Used(tax->source);
            out_.premiumTax = RoundDiv(out_.premium * tax->tax, 10000);
        }
        return true;
    }

    bool Qualifying() {
        const QualifyingRule* rule = InForce(rules_.qualifying, in_.closing);
        if (!rule)
            return Missing(
                HL_TR_NOOP("Purchase Messages", "no qualifying rate rules are held for %1"));
        Used(rule->source);
        out_.gdsLimit = rule->gdsLimit;
        out_.tdsLimit = rule->tdsLimit;
        out_.qualifyingRate = std::max(in_.rate + rule->buffer * 10, rule->floor * 10);
        out_.qualifyingPayment =
            FormPayment(out_.totalMortgage, out_.qualifyingRate, in_.years, kMonthly);
        if (!in_.income || *in_.income <= 0)
            return true;
        const Cents income = *in_.income;
        // A year of the costs besides the mortgage: half the condominium fees count.
        const Cents housingCosts = in_.taxes + 12 * in_.heating + 6 * in_.condo;
        const Cents debts = 12 * in_.debts;
        const Cents housing = 12 * PaymentCents(out_.qualifyingPayment) + housingCosts;
        out_.gds = RoundDiv(housing * 10000, income);
        out_.tds = RoundDiv((housing + debts) * 10000, income);
        out_.gdsPasses = housing * 10000 <= rule->gdsLimit * income;
        out_.tdsPasses = (housing + debts) * 10000 <= rule->tdsLimit * income;
        out_.qualifies = *out_.gdsPasses && *out_.tdsPasses;
        // The largest Monthly payment both limits allow, then the largest mortgage it carries.
        const Cents byGds = FloorDiv(rule->gdsLimit * income - housingCosts * 10000, 120000);
        const Cents byTds =
            FloorDiv(rule->tdsLimit * income - (housingCosts + debts) * 10000, 120000);
        out_.maxMortgage = LargestAmount(std::min(byGds, byTds), out_.qualifyingRate, in_.years);
        return true;
    }

    const TransferSchedule* Schedule(const std::string& place) {
        return InForce<TransferSchedule>(
            rules_.transferTax, in_.closing,
            [&](const TransferSchedule& s) { return s.place == place; });
    }

    Cents Fee(bool onMortgage, Cents value) {
        const FeeRule* fee = InForce<FeeRule>(rules_.fees, in_.closing, [&](const FeeRule& f) {
            return f.province == in_.province && f.onMortgage == onMortgage;
        });
        if (!fee)
            return 0;
        Used(fee->source);
        // Every step or part of one is charged.
        return fee->base + (value + fee->step - 1) / fee->step * fee->perStep;
    }

    // The larger of the rebates the buyer may have on the tax of one place.
    Cents PlaceRebate(const std::string& place, Cents tax, const std::vector<Bracket>& schedule) {
        Cents best = 0;
        for (RebateFor kind : {RebateFor::FirstTime, RebateFor::NewBuild}) {
            if ((kind == RebateFor::FirstTime && !in_.firstTime) ||
                (kind == RebateFor::NewBuild && !in_.newBuild))
                continue;
            const RebateRule* rule =
                InForce<RebateRule>(rules_.rebates, in_.closing, [&](const RebateRule& r) {
                    return r.place == place && r.kind == kind;
                });
            if (!rule)
                continue;
            Used(rule->source);
            best = std::max(best, Rebate(*rule, tax, schedule, in_.price));
        }
        return best;
    }

    bool TransferTaxes() {
        const TransferSchedule* province = Schedule(in_.province);
        const bool hasFees =
            std::any_of(rules_.fees.begin(), rules_.fees.end(), [&](const FeeRule& f) {
                return f.province == in_.province && f.effective <= in_.closing;
            });
        if (province) {
            Used(province->source);
            out_.landTransferTax = ScheduleTax(province->brackets, in_.price);
            out_.rebate = PlaceRebate(in_.province, out_.landTransferTax, province->brackets);
        } else if (hasFees) {
            out_.landTransferTax = Fee(false, in_.price) + Fee(true, out_.totalMortgage);
        } else {
            out_.transferTaxHeld = false;
            out_.landTransferTax = in_.typedTransferTax.value_or(0);
        }
        if (!in_.city.empty()) {
            const std::string city = Upper(in_.city);
            const CityRule* rule = InForce<CityRule>(
                rules_.cities, in_.closing, [&](const CityRule& c) { return c.city == city; });
            const TransferSchedule* schedule = Schedule(city);
            if (!rule || !schedule)
                return Refuse(TrArg(
                    TrArg(TrText("Purchase Messages", "no %1 transfer tax rules are held for %2"),
                          in_.city),
                    IsoDateText(in_.closing)));
            if (rule->province != in_.province)
                return Refuse(TrArg(
                    TrArg(TrArg(TrText("Purchase Messages", "%1 is in %2, not in %3"), in_.city),
                          rule->province),
                    in_.province));
            Used(rule->source);
            Used(schedule->source);
            const Cents cityTax = ScheduleTax(schedule->brackets, in_.price);
            // A city whose schedule replaces the province's levies what it comes to above it.
            out_.municipalTransferTax =
                rule->replaces ? std::max<Cents>(cityTax - out_.landTransferTax, 0) : cityTax;
            out_.rebate += PlaceRebate(city, out_.municipalTransferTax, schedule->brackets);
        }
        out_.netTransferTax = out_.landTransferTax + out_.municipalTransferTax - out_.rebate;
        return true;
    }

    const PurchaseInputs& in_;
    const PurchaseRules& rules_;
    PurchaseResult out_;
};

} // namespace

PurchaseResult ComputePurchase(const PurchaseInputs& in, const PurchaseRules& rules) {
    return Purchase(in, rules).Run();
}

Cents ScheduleTax(const std::vector<Bracket>& brackets, Cents value) {
    // Cents times hundredths of a per cent: the sum is exact, and divided once.
    std::int64_t sum = 0;
    for (std::size_t k = 0; k < brackets.size(); ++k) {
        const Cents from = brackets[k].over;
        const Cents to = k + 1 < brackets.size() ? brackets[k + 1].over : value;
        if (value <= from)
            break;
        sum += (std::min(value, to) - from) * brackets[k].rate;
    }
    return RoundDiv(sum, 10000);
}

std::string HundredthsText(Hundredths value) { return CentsText(value); }

std::string RateText(std::int64_t thousandths) { return CentsText(RoundDiv(thousandths, 10)); }

std::string IsoDateText(DayNumber day) {
    const CivilDate d = CivilFromDay(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

std::optional<DayNumber> IsoDateValue(const std::string& text) { return RuleDate(text); }

const char* ProvinceName(const std::string& code) {
    // Each name is shown in the program's language by TrText("Provinces", name).
    static const struct {
        const char* code;
        const char* name;
    } kNames[] = {{"ON", HL_TR_NOOP("Provinces", "Ontario")},
                  {"BC", HL_TR_NOOP("Provinces", "British Columbia")},
                  {"QC", HL_TR_NOOP("Provinces", "Quebec")},
                  {"MB", HL_TR_NOOP("Provinces", "Manitoba")},
                  {"AB", HL_TR_NOOP("Provinces", "Alberta")},
                  {"SK", HL_TR_NOOP("Provinces", "Saskatchewan")},
                  {"NS", HL_TR_NOOP("Provinces", "Nova Scotia")},
                  {"NB", HL_TR_NOOP("Provinces", "New Brunswick")},
                  {"PE", HL_TR_NOOP("Provinces", "Prince Edward Island")},
                  {"NL", HL_TR_NOOP("Provinces", "Newfoundland and Labrador")},
                  {"YT", HL_TR_NOOP("Provinces", "Yukon")},
                  {"NT", HL_TR_NOOP("Provinces", "Northwest Territories")},
                  {"NU", HL_TR_NOOP("Provinces", "Nunavut")}};
    for (const auto& entry : kNames)
        if (code == entry.code)
            return entry.name;
    return "";
}

} // namespace hl::calc
