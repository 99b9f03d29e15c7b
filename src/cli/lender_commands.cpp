// The privileges and lender-penalty commands: a study read as the other commands read it, the
// options read exactly (cents, thousandths of a per cent), then the lender's computations.
#include "cli/lender_commands.h"

#include <ostream>

#include "analysis/lender_penalty.h"
#include "cli/options.h"
#include "cli/study_input.h"
#include "core/format.h"

namespace hl {
namespace {

using namespace cli;

constexpr int kRateDecimals = 3;
constexpr int kMoneyDecimals = 2;

OptionGrammar Grammar(std::initializer_list<const char*> valued,
                      std::initializer_list<const char*> flags) {
    OptionGrammar g{{FrequencyOption()}, 1};
    for (const char* name : valued)
        g.options.push_back(ValueOption(name));
    for (const char* name : flags)
        g.options.push_back(FlagOption(name));
    return g;
}

// Reads an option's value exactly; the problem line when it is not a number up to `most`.
std::optional<std::string> ReadExact(const ParsedOptions& options, const std::string& command,
                                     const char* name, int decimals, long long most,
                                     long long& value) {
    if (!options.Has(name))
        return std::nullopt;
    const std::string text = options.Value(name);
    const std::optional<long long> read = analysis::ExactValue(text, decimals, most);
    if (!read)
        return command + ": " + name + ": \"" + text + "\" is not a number from 0 to " +
               (decimals == kRateDecimals ? analysis::RateText(static_cast<Millipercent>(most))
                                          : analysis::CentsText(most));
    value = *read;
    return std::nullopt;
}

// The study's terms, or the defaults when it holds none.
LenderTerms TermsOf(const Study& study) { return study.lender.value_or(LenderTerms{}); }

} // namespace

int RunPrivilegesCommand(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err) {
    const std::string command = "privileges";
    ParsedOptions options;
    if (auto problem = ParseOptions(args, Grammar({"--lump", "--increase", "--year"}, {}), options))
        return Fail(err, command + ": " + *problem);
    const std::string& path = options.operands[0];
    if (path.empty())
        return Fail(err, "no study file given (try --help)");
    Study study;
    if (auto problem = LoadStudy(path, options.Value("--frequency"), study))
        return Fail(err, *problem);
    LenderTerms terms = TermsOf(study);
    long long lump = terms.lumpShare;
    long long increase = terms.increaseShare;
    if (auto problem = ReadExact(options, command, "--lump", kRateDecimals, kMostTermsShare, lump))
        return Fail(err, *problem);
    if (auto problem =
            ReadExact(options, command, "--increase", kRateDecimals, kMostTermsShare, increase))
        return Fail(err, *problem);
    terms.lumpShare = static_cast<Millipercent>(lump);
    terms.increaseShare = static_cast<Millipercent>(increase);
    if (options.Has("--year")) {
        const std::string year = options.Value("--year");
        if (year == "calendar")
            terms.year = PrivilegeYear::Calendar;
        else if (year == "loan")
            terms.year = PrivilegeYear::Loan;
        else
            return Fail(err, command + ": --year: \"" + year + "\" is not calendar or loan");
    }

    const EngineInputs in{study.scenario, study.changes};
    StreamMessages messages(err);
    const ScheduleRun run = RunSchedule(in, messages);
    messages.Print();
    const analysis::PrivilegePlan plan = analysis::CheckPrivileges(in, run.schedule, terms);
    for (const analysis::PrivilegeYearRow& row : plan.years)
        out << row.year << '\t' << analysis::CentsText(row.lumps) << '\t'
            << analysis::CentsText(row.lumpLimit) << '\t'
            << analysis::CentsText(row.largestIncrease) << '\t'
            << analysis::CentsText(row.increaseLimit) << '\t' << analysis::CentsText(row.excess)
            << '\n';
    out << "first_excess:";
    if (plan.firstExcess != 0)
        out << ' ' << FormatDate(plan.firstExcess, "mmm d yyyy");
    out << '\n';
    return 0;
}

int RunLenderPenaltyCommand(const std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err) {
    const std::string command = "lender-penalty";
    ParsedOptions options;
    if (auto problem = ParseOptions(
            args,
            Grammar({"--date", "--posted", "--discount", "--fee", "--cash-back", "--prepay"},
                    {"--long-term"}),
            options))
        return Fail(err, command + ": " + *problem);
    const std::string& path = options.operands[0];
    if (path.empty())
        return Fail(err, "no study file given (try --help)");
    if (auto missing = options.Missing(command, {"--date", "--posted", "--discount"}))
        return Fail(err, *missing);
    const std::string dateText = options.Value("--date");
    const std::optional<DayNumber> date = ParseDate(dateText);
    if (!date || *date <= 0)
        return Fail(err, command + ": --date: \"" + dateText + "\" is not a valid date");

    Study study;
    if (auto problem = LoadStudy(path, options.Value("--frequency"), study))
        return Fail(err, *problem);
    LenderTerms terms = TermsOf(study);
    long long posted = 0;
    long long discount = 0;
    long long fee = terms.fee;
    long long cashBack = terms.cashBack;
    long long prepay = 0;
    struct Exact {
        const char* name;
        int decimals;
        long long most;
        long long* value;
    };
    const Exact exact[] = {{"--posted", kRateDecimals, kMostTermsRate, &posted},
                           {"--discount", kRateDecimals, kMostTermsRate, &discount},
                           {"--fee", kMoneyDecimals, kMostTermsCents, &fee},
                           {"--cash-back", kMoneyDecimals, kMostTermsCents, &cashBack},
                           {"--prepay", kMoneyDecimals, kMostTermsCents, &prepay}};
    for (const Exact& e : exact)
        if (auto problem = ReadExact(options, command, e.name, e.decimals, e.most, *e.value))
            return Fail(err, *problem);
    // The discount given is the discount used, whatever signing rate the study holds.
    terms.signingPosted.reset();
    terms.discount = static_cast<Millipercent>(discount);
    terms.fee = fee;
    terms.cashBack = cashBack;
    if (options.Has("--cash-back"))
        terms.clawback = true;
    if (options.Has("--long-term"))
        terms.longTerm = true;
    terms.prepayment = prepay;

    const EngineInputs in{study.scenario, study.changes};
    StreamMessages messages(err);
    const ScheduleRun run = RunSchedule(in, messages);
    const analysis::LenderDischarge d = analysis::LenderDischargeOn(
        in, run.schedule, terms, *date, static_cast<Millipercent>(posted));
    if (d.refusal)
        return Fail(err, command + ": " + OneLine(d.refusal->text));
    messages.Print();
    const analysis::LenderPenalty& p = d.penalty;
    using analysis::CentsText;
    out << "balance: " << CentsText(d.inputs.balance) << "\n"
        << "months_left: " << d.inputs.monthsLeft << "\n"
        << "three_month: " << CentsText(p.threeMonth) << "\n"
        << "ird: " << CentsText(p.ird) << "\n"
        << "charge: " << CentsText(p.charge) << "\n"
        << "fee: " << CentsText(p.fee) << "\n"
        << "clawback: " << CentsText(p.clawback) << "\n"
        << "total: " << CentsText(p.total) << "\n"
        << "free_prepayment: " << CentsText(d.freePrepayment) << "\n";
    if (options.Has("--prepay"))
        out << "prepay_charge: " << CentsText(d.prepaymentCharge) << "\n";
    return 0;
}

} // namespace hl
