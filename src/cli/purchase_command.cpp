// The purchase command: options read as the window reads its boxes, the same computation, and
// one line per figure.
#include "cli/purchase_command.h"

#include <ostream>

#include "calculators/purchase.h"
#include "cli/options.h"
#include "core/day_number.h"

namespace hl {
namespace {

using namespace cli;

} // namespace

OptionGrammar PurchaseCommandGrammar() {
    OptionGrammar g;
    for (const char* name :
         {"--price", "--down", "--province", "--city", "--years", "--rate", "--frequency",
          "--income", "--taxes", "--heating", "--condo", "--debts", "--transfer-tax", "--date"})
        g.options.push_back(ValueOption(name));
    for (const char* name : {"--first-time", "--new-build"})
        g.options.push_back(FlagOption(name));
    return g;
}

namespace {

// An amount to the cent.
std::optional<std::string> ReadCents(const ParsedOptions& options, const char* name,
                                     calc::Cents& target) {
    if (!options.Has(name))
        return std::nullopt;
    const std::string text = options.Value(name);
    const std::optional<std::int64_t> value = calc::FixedValue(text, 2);
    if (!value || *value > 100000000000)
        return std::string(name) + ": \"" + text + "\" is not an amount up to 1000000000";
    target = *value;
    return std::nullopt;
}

} // namespace

int RunPurchaseCommand(const std::vector<std::string>& args, const std::string& rulesFolder,
                       std::ostream& out, std::ostream& err) {
    ParsedOptions options;
    if (auto problem = ParseOptions(args, PurchaseCommandGrammar(), options))
        return Fail(err, "purchase: " + *problem);
    if (auto missing = options.Missing("purchase", {"--price", "--down", "--rate"}))
        return Fail(err, *missing);

    calc::PurchaseInputs in;
    in.closing = Today();
    for (const char* name : {"--price", "--taxes", "--heating", "--condo", "--debts"}) {
        calc::Cents* target = std::string(name) == "--price"     ? &in.price
                              : std::string(name) == "--taxes"   ? &in.taxes
                              : std::string(name) == "--heating" ? &in.heating
                              : std::string(name) == "--condo"   ? &in.condo
                                                                 : &in.debts;
        if (auto problem = ReadCents(options, name, *target))
            return Fail(err, "purchase: " + *problem);
    }
    if (options.Has("--income")) {
        calc::Cents income = 0;
        if (auto problem = ReadCents(options, "--income", income))
            return Fail(err, "purchase: " + *problem);
        in.income = income;
    }
    if (options.Has("--transfer-tax")) {
        calc::Cents typed = 0;
        if (auto problem = ReadCents(options, "--transfer-tax", typed))
            return Fail(err, "purchase: " + *problem);
        in.typedTransferTax = typed;
    }
    std::string down = options.Value("--down");
    if (!down.empty() && down.back() == '%') {
        down.pop_back();
        const std::optional<std::int64_t> rate = calc::FixedValue(down, 2);
        if (!rate || *rate > 10000)
            return Fail(err, "purchase: --down: \"" + down + "%\" is not a per cent up to 100");
        in.downRate = *rate;
    } else if (auto problem = ReadCents(options, "--down", in.down)) {
        return Fail(err, "purchase: " + *problem);
    }
    if (options.Has("--province")) {
        in.province = options.Value("--province");
        if (*calc::ProvinceName(in.province) == '\0')
            return Fail(err, "purchase: --province: \"" + in.province +
                                 "\" is none of ON, BC, QC, MB, AB, SK, NS, NB, PE, NL, YT, NT, "
                                 "NU");
    }
    if (options.Has("--city")) {
        in.city = options.Value("--city");
        if (in.city != "toronto" && in.city != "montreal")
            return Fail(err, "purchase: --city: \"" + in.city + "\" is none of toronto, montreal");
    }
    in.firstTime = options.Has("--first-time");
    in.newBuild = options.Has("--new-build");
    if (options.Has("--years")) {
        const std::optional<std::int64_t> years = calc::FixedValue(options.Value("--years"), 2);
        if (!years || *years <= 0 || *years > 3500)
            return Fail(err, "purchase: --years: \"" + options.Value("--years") +
                                 "\" is not a number of years above 0 and at most 35");
        in.years = *years;
    }
    const std::optional<std::int64_t> rate = calc::FixedValue(options.Value("--rate"), 3);
    if (!rate || *rate <= 0 || *rate > 25000)
        return Fail(err, "purchase: --rate: \"" + options.Value("--rate") +
                             "\" is not a rate above 0 and at most 25");
    in.rate = *rate;
    if (options.Has("--frequency")) {
        const std::string f = options.Value("--frequency");
        const std::optional<Frequency> frequency = FrequencyValue(f);
        if (!frequency)
            return Fail(err, "purchase: " + FrequencyProblem(f));
        in.frequency = *frequency;
    }
    if (options.Has("--date")) {
        const std::optional<DayNumber> date = calc::IsoDateValue(options.Value("--date"));
        if (!date)
            return Fail(err, "purchase: --date: \"" + options.Value("--date") +
                                 "\" is not a date (YYYY-MM-DD)");
        in.closing = *date;
    }

    calc::PurchaseRules rules;
    if (auto problem = calc::LoadPurchaseRules(rulesFolder, rules))
        return Fail(err, "purchase: " + *problem);
    const calc::PurchaseResult r = calc::ComputePurchase(in, rules);
    if (!r.refusal.empty())
        return Fail(err, "purchase: " + r.refusal);
    if (!r.transferTaxHeld && !in.typedTransferTax)
        err << "hearthline-cli: purchase: no transfer tax table is held for " << in.province
            << ": --transfer-tax gives the amount\n";

    const auto optionalText = [](const auto& value, auto text) {
        return value ? text(*value) : std::string();
    };
    out << "rules_date: " << calc::IsoDateText(r.rulesDate) << "\n"
        << "minimum_down_payment: " << calc::CentsText(r.minimumDown) << "\n"
        << "loan_to_value: " << calc::HundredthsText(r.ltv) << "\n"
        << "insured: " << (r.insured ? "yes" : "no") << "\n"
        << "premium_rate: " << calc::HundredthsText(r.premiumRate) << "\n"
        << "premium: " << calc::CentsText(r.premium) << "\n"
        << "premium_tax: " << calc::CentsText(r.premiumTax) << "\n"
        << "total_mortgage: " << calc::CentsText(r.totalMortgage) << "\n"
        << "payment: " << calc::CentsText(std::llround(static_cast<double>(r.payment) * 100.0))
        << "\n"
        << "qualifying_rate: " << calc::RateText(r.qualifyingRate) << "\n"
        << "qualifying_payment: "
        << calc::CentsText(std::llround(static_cast<double>(r.qualifyingPayment) * 100.0)) << "\n"
        << "gds: " << optionalText(r.gds, calc::HundredthsText) << "\n"
        << "tds: " << optionalText(r.tds, calc::HundredthsText) << "\n"
        << "qualifies: " << (r.qualifies ? (*r.qualifies ? "yes" : "no") : "") << "\n"
        << "max_mortgage: " << optionalText(r.maxMortgage, calc::CentsText) << "\n"
        << "land_transfer_tax: "
        << (r.transferTaxHeld || in.typedTransferTax ? calc::CentsText(r.landTransferTax) : "")
        << "\n"
        << "municipal_transfer_tax: " << calc::CentsText(r.municipalTransferTax) << "\n"
        << "first_time_rebate: " << calc::CentsText(r.rebate) << "\n"
        << "cash_at_closing: " << calc::CentsText(r.cashAtClosing) << "\n";
    return 0;
}

} // namespace hl
