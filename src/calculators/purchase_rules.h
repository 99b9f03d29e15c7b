// The rules of buying a home that governments, insurers and regulators change by date: minimum
// down payment, insurance premiums, insured amortization, the stress test, the tax on the premium
// and the transfer taxes. Each lives in a text table of data/rules/ whose rows carry the date they
// take effect and the address they were read from; one reader serves them all.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/single.h"

namespace hl::calc {

/// Money in whole cents.
using Cents = std::int64_t;
/// A percentage in hundredths of a per cent: 4.00 % is 400.
using Hundredths = std::int64_t;

/// One row of a rule table: the date it takes effect, its figures as written, its source.
struct RuleRow {
    int line = 0;
    DayNumber effective = 0;
    std::vector<std::string> fields; ///< between the date and the source, trimmed
    std::string source;
};

/// Reads a rule table: "#" starts a comment line, blank lines are skipped, every other line is
/// "YYYY-MM-DD | field | ... | source" with exactly `fields` fields between the date and the
/// source. Gives the first problem as "NAME:LINE: what is wrong", or nothing.
std::optional<std::string> ReadRuleTable(std::string_view text, const std::string& name,
                                         std::size_t fields, std::vector<RuleRow>& rows);

/// A "YYYY-MM-DD" date of the years the date boxes take; nothing for anything else.
std::optional<DayNumber> RuleDate(std::string_view text);

/// A figure with at most two decimals ("4", "4.5", "1500000.00") in hundredths; nothing for
/// anything else (signs, blanks inside, a third decimal, thousands separators).
std::optional<std::int64_t> HundredthsValue(std::string_view text);

/// Who may take the longer amortization of an insured loan.
enum class ExtendedFor { Nobody, FirstTimeAndNewBuild, FirstTimeOrNewBuild };
/// Who a transfer tax rebate is for.
enum class RebateFor { FirstTime, NewBuild };

struct DownPaymentRule {
    DayNumber effective = 0;
    Cents insuredCap = 0; ///< at and above this price no mortgage can be insured
    Cents tierLimit = 0;
    Hundredths firstPercent = 0; ///< on the price up to the tier limit
    Hundredths upperPercent = 0; ///< on the part from the tier limit to the cap
    Hundredths uninsuredPercent = 0;
    std::string source;
};

struct PremiumBand {
    Hundredths upTo = 0; ///< loan-to-value, per cent
    Hundredths premium = 0;
};

struct PremiumRule {
    DayNumber effective = 0;
    std::vector<PremiumBand> bands; ///< by rising loan-to-value
    std::string source;
};

struct AmortizationRule {
    DayNumber effective = 0;
    int longestYears = 25;
    int extendedYears = 25;
    ExtendedFor extendedFor = ExtendedFor::Nobody;
    Hundredths surcharge = 0; ///< added to the premium rate above longestYears
    std::string source;
};

struct QualifyingRule {
    DayNumber effective = 0;
    Hundredths buffer = 0;
    Hundredths floor = 0;
    Hundredths gdsLimit = 0;
    Hundredths tdsLimit = 0;
    std::string source;
};

struct PremiumTaxRule {
    DayNumber effective = 0;
    std::string province;
    Hundredths tax = 0;
    std::string source;
};

struct Bracket {
    Cents over = 0;
    Hundredths rate = 0;
};

struct TransferSchedule {
    DayNumber effective = 0;
    std::string place;             ///< "ON", "TORONTO"...
    std::vector<Bracket> brackets; ///< from 0.00 up, by rising "over"
    std::string source;
};

struct CityRule {
    DayNumber effective = 0;
    std::string city;
    std::string province;
    bool replaces = false; ///< the city's schedule replaces the province's
    std::string source;
};

struct RebateRule {
    DayNumber effective = 0;
    std::string place;
    RebateFor kind = RebateFor::FirstTime;
    std::optional<Cents> atMost;
    std::optional<Cents> exemptUpTo;
    std::optional<Cents> fullUpTo;
    std::optional<Cents> noneFrom;
    std::string source;
};

struct FeeRule {
    DayNumber effective = 0;
    std::string province;
    bool onMortgage = false; ///< false: on the price (the transfer)
    Cents base = 0;
    Cents perStep = 0;
    Cents step = 0;
    std::string source;
};

struct PurchaseRules {
    std::vector<DownPaymentRule> downPayment;
    std::vector<PremiumRule> premiums;
    std::vector<AmortizationRule> amortization;
    std::vector<QualifyingRule> qualifying;
    std::vector<PremiumTaxRule> premiumTax;
    std::vector<TransferSchedule> transferTax;
    std::vector<CityRule> cities;
    std::vector<RebateRule> rebates;
    std::vector<FeeRule> fees;
};

/// The rule files, by name ("down_payment.rules"...), in the order they are read.
extern const std::vector<const char*> kRuleFiles;

/// Reads every rule table through `readFile` (the text of a file by name, or nothing when it
/// cannot be read). Gives the first problem on one line, or nothing.
std::optional<std::string>
ReadPurchaseRules(const std::function<std::optional<std::string>(const std::string&)>& readFile,
                  PurchaseRules& rules);

/// Reads the rule tables of a folder (ending in "/").
std::optional<std::string> LoadPurchaseRules(const std::string& folder, PurchaseRules& rules);

/// The folder of the rule tables (ending in "/"): "rules/" beside the program (a build folder)
/// when it is there, else the installed one, `installedFolder` taken from the program's folder
/// (bin/../share/hearthline/rules/), else the one beside the program, so that the message of a
/// missing table names where it was looked for.
std::string ChooseRulesFolder(const std::string& programFolder, const std::string& installedFolder);

/// The rule folder of this program: ChooseRulesFolder for the folder of the running executable
/// and the installed folder the build names.
std::string ProgramRulesFolder();

/// The row in force on `date`: the one of latest effective date on or before it; nullptr when
/// every row takes effect later.
template <class Rule>
const Rule* InForce(const std::vector<Rule>& rules, DayNumber date,
                    const std::function<bool(const Rule&)>& matches = nullptr) {
    const Rule* best = nullptr;
    for (const Rule& rule : rules)
        if (rule.effective <= date && (!matches || matches(rule)) &&
            (!best || rule.effective >= best->effective))
            best = &rule;
    return best;
}

} // namespace hl::calc
