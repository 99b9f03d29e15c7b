// The rule tables of buying a home: one line reader, one converter per table.
#include "calculators/purchase_rules.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/day_number.h"

namespace hl::calc {
namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                             text.back() == '\n'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<DayNumber> RuleDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    int parts[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8};
    const std::size_t lengths[3] = {4, 2, 2};
    for (int k = 0; k < 3; ++k)
        for (std::size_t i = 0; i < lengths[k]; ++i) {
            const char c = text[starts[k] + i];
            if (c < '0' || c > '9')
                return std::nullopt;
            parts[k] = parts[k] * 10 + (c - '0');
        }
    if (parts[0] < kFirstDateYear || parts[0] > kLastDateYear ||
        !IsValidCivil(parts[0], parts[1], parts[2]))
        return std::nullopt;
    return DayFromCivil(parts[0], parts[1], parts[2]);
}

namespace {

std::string Where(const RuleRow& row, const std::string& name) {
    return name + ":" + std::to_string(row.line) + ": ";
}

// The converters read one row's fields; each gives the problem or nothing.
class Fields {
  public:
    Fields(const RuleRow& row, const std::string& name) : row_(row), name_(name) {}

    std::optional<std::string> problem;

    std::int64_t Figure(std::size_t k, const char* what) {
        const std::optional<std::int64_t> value = HundredthsValue(row_.fields[k]);
        if (!value && !problem)
            problem = Where(row_, name_) + what + " \"" + row_.fields[k] +
                      "\" is not a figure with at most two decimals";
        return value.value_or(0);
    }
    std::optional<std::int64_t> OptionalFigure(std::size_t k, const char* what) {
        if (row_.fields[k] == "-")
            return std::nullopt;
        return Figure(k, what);
    }
    int Years(std::size_t k, const char* what) {
        const std::int64_t value = Figure(k, what);
        if (!problem && (value % 100 != 0 || value <= 0 || value > 3500))
            problem = Where(row_, name_) + what + " \"" + row_.fields[k] +
                      "\" is not a whole number of years from 1 to 35";
        return static_cast<int>(value / 100);
    }
    std::string Word(std::size_t k, std::initializer_list<const char*> allowed, const char* what) {
        for (const char* word : allowed)
            if (row_.fields[k] == word)
                return row_.fields[k];
        if (!problem) {
            std::string list;
            for (const char* word : allowed)
                list += (list.empty() ? "" : ", ") + std::string(word);
            problem = Where(row_, name_) + what + " \"" + row_.fields[k] + "\" is none of " + list;
        }
        return {};
    }
    std::string Place(std::size_t k) {
        const std::string& text = row_.fields[k];
        bool ok = !text.empty();
        for (char c : text)
            ok = ok && c >= 'A' && c <= 'Z';
        if (!ok && !problem)
            problem = Where(row_, name_) + "the place \"" + text + "\" is not a code in capitals";
        return text;
    }

  private:
    const RuleRow& row_;
    const std::string& name_;
};

std::optional<std::string> Problem(const RuleRow& row, const std::string& name,
                                   const std::string& text) {
    return Where(row, name) + text;
}

std::optional<std::string> ReadDownPayment(const std::vector<RuleRow>& rows,
                                           const std::string& name, PurchaseRules& rules) {
    for (const RuleRow& row : rows) {
        Fields f(row, name);
        DownPaymentRule rule;
        rule.effective = row.effective;
        rule.insuredCap = f.Figure(0, "the insured price cap");
        rule.tierLimit = f.Figure(1, "the tier limit");
        rule.firstPercent = f.Figure(2, "the first tier's per cent");
        rule.upperPercent = f.Figure(3, "the upper tier's per cent");
        rule.uninsuredPercent = f.Figure(4, "the uninsured per cent");
        rule.source = row.source;
        if (f.problem)
            return f.problem;
        if (rule.tierLimit > rule.insuredCap)
            return Problem(row, name, "the tier limit lies above the insured price cap");
        for (Hundredths p : {rule.firstPercent, rule.upperPercent, rule.uninsuredPercent})
            if (p > 10000)
                return Problem(row, name, "a per cent above 100");
        rules.downPayment.push_back(rule);
    }
    return std::nullopt;
}

std::optional<std::string> ReadPremiums(const std::vector<RuleRow>& rows, const std::string& name,
                                        PurchaseRules& rules) {
    for (const RuleRow& row : rows) {
        Fields f(row, name);
        const PremiumBand band{f.Figure(0, "the loan-to-value"), f.Figure(1, "the premium")};
        if (f.problem)
            return f.problem;
        if (band.upTo <= 0 || band.upTo > 10000 || band.premium > 10000)
            return Problem(row, name, "a per cent out of 0 to 100");
        if (rules.premiums.empty() || rules.premiums.back().effective != row.effective)
            rules.premiums.push_back({row.effective, {}, row.source});
        std::vector<PremiumBand>& bands = rules.premiums.back().bands;
        if (!bands.empty() && band.upTo <= bands.back().upTo)
            return Problem(row, name, "the bands of one date must rise in loan-to-value");
        bands.push_back(band);
    }
    return std::nullopt;
}

std::optional<std::string> ReadAmortization(const std::vector<RuleRow>& rows,
                                            const std::string& name, PurchaseRules& rules) {
    for (const RuleRow& row : rows) {
        Fields f(row, name);
        AmortizationRule rule;
        rule.effective = row.effective;
        rule.longestYears = f.Years(0, "the longest amortization");
        rule.extendedYears = f.Years(1, "the extended amortization");
        const std::string who = f.Word(
            2, {"none", "first-time-and-new-build", "first-time-or-new-build"}, "who may extend");
        rule.extendedFor = who == "first-time-and-new-build"  ? ExtendedFor::FirstTimeAndNewBuild
                           : who == "first-time-or-new-build" ? ExtendedFor::FirstTimeOrNewBuild
                                                              : ExtendedFor::Nobody;
        rule.surcharge = f.Figure(3, "the surcharge");
        rule.source = row.source;
        if (f.problem)
            return f.problem;
        if (rule.extendedYears < rule.longestYears)
            return Problem(row, name, "the extended amortization is shorter than the longest");
        rules.amortization.push_back(rule);
    }
    return std::nullopt;
}

std::optional<std::string> ReadQualifying(const std::vector<RuleRow>& rows, const std::string& name,
                                          PurchaseRules& rules) {
    for (const RuleRow& row : rows) {
        Fields f(row, name);
        QualifyingRule rule;
        rule.effective = row.effective;
        rule.buffer = f.Figure(0, "the buffer");
        rule.floor = f.Figure(1, "the floor");
        rule.gdsLimit = f.Figure(2, "the GDS limit");
        rule.tdsLimit = f.Figure(3, "the TDS limit");
        rule.source = row.source;
        if (f.problem)
            return f.problem;
        if (rule.gdsLimit <= 0 || rule.tdsLimit <= 0 || rule.gdsLimit > 10000 ||
            rule.tdsLimit > 10000)
            return Problem(row, name, "a limit out of 0 to 100");
        rules.qualifying.push_back(rule);
    }
    return std::nullopt;
}

std::optional<std::string> ReadPremiumTax(const std::vector<RuleRow>& rows, const std::string& name,
                                          PurchaseRules& rules) {
    for (const RuleRow& row : rows) {
        Fields f(row, name);
        PremiumTaxRule rule{row.effective, f.Place(0), f.Figure(1, "the tax"), row.source};
        if (f.problem)
            return f.problem;
        if (rule.tax > 10000)
            return Problem(row, name, "a tax above 100 %");
        rules.premiumTax.push_back(rule);
    }
    return std::nullopt;
}

std::optional<std::string> ReadTransferTax(const std::vector<RuleRow>& rows,
                                           const std::string& name, PurchaseRules& rules) {
    for (const RuleRow& row : rows) {
        Fields f(row, name);
        const std::string place = f.Place(0);
        const Bracket bracket{f.Figure(1, "the bracket's start"), f.Figure(2, "the rate")};
        if (f.problem)
            return f.problem;
        if (bracket.rate > 10000)
            return Problem(row, name, "a rate above 100 %");
        TransferSchedule* schedule = nullptr;
        for (TransferSchedule& s : rules.transferTax)
            if (s.place == place && s.effective == row.effective)
                schedule = &s;
        if (!schedule) {
            if (bracket.over != 0)
                return Problem(row, name, "the first bracket of " + place + " must start at 0.00");
            rules.transferTax.push_back({row.effective, place, {}, row.source});
            schedule = &rules.transferTax.back();
        } else if (bracket.over <= schedule->brackets.back().over) {
            return Problem(row, name, "the brackets of one place and date must rise");
        }
        schedule->brackets.push_back(bracket);
    }
    return std::nullopt;
}

std::optional<std::string> ReadCities(const std::vector<RuleRow>& rows, const std::string& name,
                                      PurchaseRules& rules) {
    for (const RuleRow& row : rows) {
        Fields f(row, name);
        CityRule rule;
        rule.effective = row.effective;
        rule.city = f.Place(0);
        rule.province = f.Place(1);
        rule.replaces = f.Word(2, {"adds", "replaces"}, "the city's way") == "replaces";
        rule.source = row.source;
        if (f.problem)
            return f.problem;
        rules.cities.push_back(rule);
    }
    return std::nullopt;
}

std::optional<std::string> ReadRebates(const std::vector<RuleRow>& rows, const std::string& name,
                                       PurchaseRules& rules) {
    for (const RuleRow& row : rows) {
        Fields f(row, name);
        RebateRule rule;
        rule.effective = row.effective;
        rule.place = f.Place(0);
        rule.kind = f.Word(1, {"first-time", "new-build"}, "the buyer") == "new-build"
                        ? RebateFor::NewBuild
                        : RebateFor::FirstTime;
        rule.atMost = f.OptionalFigure(2, "the largest rebate");
        rule.exemptUpTo = f.OptionalFigure(3, "the exempt price");
        rule.fullUpTo = f.OptionalFigure(4, "the price of the full rebate");
        rule.noneFrom = f.OptionalFigure(5, "the price of no rebate");
        rule.source = row.source;
        if (f.problem)
            return f.problem;
        if (rule.fullUpTo.has_value() != rule.noneFrom.has_value() ||
            (rule.fullUpTo && *rule.noneFrom <= *rule.fullUpTo))
            return Problem(row, name,
                           "the full and none prices come together, the none price above");
        rules.rebates.push_back(rule);
    }
    return std::nullopt;
}

std::optional<std::string> ReadFees(const std::vector<RuleRow>& rows, const std::string& name,
                                    PurchaseRules& rules) {
    for (const RuleRow& row : rows) {
        Fields f(row, name);
        FeeRule rule;
        rule.effective = row.effective;
        rule.province = f.Place(0);
        rule.onMortgage = f.Word(1, {"transfer", "mortgage"}, "the fee's basis") == "mortgage";
        rule.base = f.Figure(2, "the base fee");
        rule.perStep = f.Figure(3, "the fee per step");
        rule.step = f.Figure(4, "the step");
        rule.source = row.source;
        if (f.problem)
            return f.problem;
        if (rule.step <= 0)
            return Problem(row, name, "the step must be above 0");
        rules.fees.push_back(rule);
    }
    return std::nullopt;
}

struct TableKind {
    const char* file;
    std::size_t fields;
    std::optional<std::string> (*read)(const std::vector<RuleRow>&, const std::string&,
                                       PurchaseRules&);
};

const TableKind kTables[] = {
    {"down_payment.rules", 5, ReadDownPayment},
    {"insurance_premiums.rules", 2, ReadPremiums},
    {"insured_amortization.rules", 4, ReadAmortization},
    {"qualifying.rules", 4, ReadQualifying},
    {"premium_tax.rules", 2, ReadPremiumTax},
    {"transfer_tax.rules", 3, ReadTransferTax},
    {"cities.rules", 3, ReadCities},
    {"transfer_rebates.rules", 6, ReadRebates},
    {"registration_fees.rules", 5, ReadFees},
};

} // namespace

const std::vector<const char*> kRuleFiles = [] {
    std::vector<const char*> names;
    for (const TableKind& table : kTables)
        names.push_back(table.file);
    return names;
}();

std::optional<std::int64_t> HundredthsValue(std::string_view text) {
    std::int64_t whole = 0;
    std::size_t k = 0;
    for (; k < text.size() && text[k] >= '0' && text[k] <= '9'; ++k) {
        if (k >= 12)
            return std::nullopt;
        whole = whole * 10 + (text[k] - '0');
    }
    if (k == 0)
        return std::nullopt;
    std::int64_t fraction = 0;
    int decimals = 0;
    if (k < text.size() && text[k] == '.') {
        for (++k; k < text.size() && text[k] >= '0' && text[k] <= '9'; ++k) {
            if (++decimals > 2)
                return std::nullopt;
            fraction = fraction * 10 + (text[k] - '0');
        }
    }
    if (k != text.size())
        return std::nullopt;
    for (; decimals < 2; ++decimals)
        fraction *= 10;
    return whole * 100 + fraction;
}

std::optional<std::string> ReadRuleTable(std::string_view text, const std::string& name,
                                         std::size_t fields, std::vector<RuleRow>& rows) {
    int line = 0;
    while (!text.empty()) {
        ++line;
        const std::size_t end = text.find('\n');
        const std::string_view raw = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (raw.empty() || raw.front() == '#')
            continue;
        RuleRow row;
        row.line = line;
        std::vector<std::string> parts;
        std::string_view rest = raw;
        for (;;) {
            const std::size_t bar = rest.find('|');
            parts.emplace_back(Trim(rest.substr(0, bar)));
            if (bar == std::string_view::npos)
                break;
            rest.remove_prefix(bar + 1);
        }
        const std::string where = name + ":" + std::to_string(line) + ": ";
        if (parts.size() != fields + 2)
            return where + std::to_string(fields + 2) + " items separated by \"|\" expected, " +
                   std::to_string(parts.size()) + " found";
        const std::optional<DayNumber> date = RuleDate(parts.front());
        if (!date)
            return where + "the date \"" + parts.front() + "\" is not a date (YYYY-MM-DD)";
        row.effective = *date;
        row.source = parts.back();
        if (row.source.rfind("https://", 0) != 0 && row.source.rfind("http://", 0) != 0)
            return where + "the source \"" + row.source + "\" is not a web address";
        row.fields.assign(parts.begin() + 1, parts.end() - 1);
        rows.push_back(std::move(row));
    }
    if (rows.empty())
        return name + ": the table holds no rows";
    return std::nullopt;
}

std::optional<std::string>
ReadPurchaseRules(const std::function<std::optional<std::string>(const std::string&)>& readFile,
                  PurchaseRules& rules) {
    rules = PurchaseRules{};
    for (const TableKind& table : kTables) {
        const std::optional<std::string> text = readFile(table.file);
        if (!text)
            return std::string("cannot read the rule table ") + table.file;
        std::vector<RuleRow> rows;
        if (auto problem = ReadRuleTable(*text, table.file, table.fields, rows))
            return problem;
        if (auto problem = table.read(rows, table.file, rules))
            return problem;
    }
    return std::nullopt;
}

std::optional<std::string> LoadPurchaseRules(const std::string& folder, PurchaseRules& rules) {
    const auto read = [&](const std::string& file) -> std::optional<std::string> {
        std::ifstream in(folder + file, std::ios::binary);
        if (!in)
            return std::nullopt;
        std::ostringstream text;
        text << in.rdbuf();
        if (in.bad())
            return std::nullopt;
        return text.str();
    };
    if (auto problem = ReadPurchaseRules(read, rules)) {
        // The folder is named for a table that is missing, so the user knows where to look.
        if (problem->rfind("cannot read", 0) == 0)
            return *problem + " in " + folder;
        return folder + *problem;
    }
    return std::nullopt;
}

std::string ChooseRulesFolder(const std::string& programFolder,
                              const std::string& installedFolder) {
    std::error_code error;
    const std::string beside = programFolder + "rules/";
    if (std::filesystem::is_directory(beside, error))
        return beside;
    const std::string installed = programFolder + installedFolder;
    if (std::filesystem::is_directory(installed, error))
        return installed;
    return beside;
}

std::string ProgramRulesFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string folder = error ? std::string("./") : program.parent_path().string() + "/";
    return ChooseRulesFolder(folder, HL_INSTALLED_RULES_FOLDER);
}

} // namespace hl::calc
