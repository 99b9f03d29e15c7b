// Argument handling, the schedule and summary commands, and the way to the calculators.
#include "cli/cli.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>

#include "calculators/purchase_rules.h"
#include "cli/analysis_commands.h"
#include "cli/calculator_commands.h"
#include "cli/compare_command.h"
#include "cli/lender_commands.h"
#include "cli/options.h"
#include "cli/purchase_command.h"
#include "cli/refinance_command.h"
#include "cli/report_command.h"
#include "cli/search_command.h"
#include "cli/study_input.h"
#include "core/day_number.h"
#include "core/format.h"
#include "core/text_items.h"
#include "engine/engine.h"
#include "engine/finite_figures.h"
#include "engine/schedule_file.h"
#include "files/study_file.h"

namespace hl {
namespace {

using namespace cli;

const char* kUsage =
    "Usage: hearthline-cli schedule STUDY.mtg [--frequency N] [--csv]\n"
    "       hearthline-cli summary STUDY.mtg [--frequency N]\n"
    "       hearthline-cli shop --amount A[:A2:STEP] --rate R[:R2:STEP] --years Y[:Y2:STEP]\n"
    "                           [--separators]\n"
    "       hearthline-cli solve --rate R --payment P [--frequency N] [--amount A] [--years Y]\n"
    "       hearthline-cli discharge STUDY.mtg --date YYYY-MM-DD --rate R [--frequency N]\n"
    "       hearthline-cli suggest STUDY.mtg [--current-rate R] [--frequency N]\n"
    "       hearthline-cli refinance STUDY.mtg --date YYYY-MM-DD --rate R [--payment P]\n"
    "                                [--penalty X] [--other X] [--frequency N]\n"
    "       hearthline-cli compare ONE.mtg TWO.mtg\n"
    "       hearthline-cli refinance-search STUDY.mtg --mode both|date|rate [--date YYYY-MM-DD]\n"
    "                                [--cap R] [--costs X]\n"
    "                                [--penalty scenario|future-value|accumulated] [--cmhc]\n"
    "                                [--frequency N]\n"
    "       hearthline-cli privileges STUDY.mtg [--lump P] [--increase P]\n"
    "                                 [--year calendar|loan] [--frequency N]\n"
    "       hearthline-cli lender-penalty STUDY.mtg --date D --posted R --discount X\n"
    "                                     [--fee F] [--cash-back C] [--long-term]\n"
    "                                     [--prepay A] [--frequency N]\n"
    "       hearthline-cli report STUDY.mtg --output FILE.pdf [--summary] [--changes]\n"
    "                             [--schedule] [--option 1|2|3] [--frequency N]\n"
    "       hearthline-cli purchase --price P --down D[%] [--province XX]\n"
    "                               [--city toronto|montreal] [--first-time] [--new-build]\n"
    "                               [--years Y] --rate R [--frequency N] [--income I]\n"
    "                               [--taxes T] [--heating H] [--condo C] [--debts D]\n"
    "                               [--transfer-tax X] [--date YYYY-MM-DD]\n"
    "\n"
    "Commands:\n"
    "  schedule   run the schedule of the study and print the schedule file: line 1 the number\n"
    "             of payments N, line 2 the mortgage amount, then one line per payment of ten\n"
    "             items: number, date (day number), payment, principal, interest, principal\n"
    "             to date, interest to date, lump payment, change to payment, balance.\n"
    "             --csv prints it for spreadsheets instead: a header row, then one row per\n"
    "             payment, its date as YYYY-MM-DD and every amount to the cent\n"
    "  summary    print the totals of the study, one 'name: value' line each: end_balance,\n"
    "             total_principal, total_interest, last_date (day number), regular_payment,\n"
    "             total_lumps, extra_paid, total_paid, payments_made, payment_in_effect\n"
    "  shop       the payment shopper's table: the regular payment of every amount, rate and\n"
    "             amortization of the ranges, one line per combination (amounts innermost,\n"
    "             amortization outermost) of seven tab-separated cells: amount, rate, years and\n"
    "             the Monthly, Weekly, Every Two Weeks and Twice a Month payments. A range is\n"
    "             LOW:HIGH:STEP, a single value LOW. Amounts up to 500000, rates up to 25,\n"
    "             years up to 35; at most 800 lines. --separators also prints the table's empty\n"
    "             lines between groups.\n"
    "  solve      the 'Solve for' calculator: with --amount, the amortization that the payment\n"
    "             gives (amortization_payments: monthly periods, amortization_years); with\n"
    "             --years, the amount the payment carries (mortgage_amount). The payment is\n"
    "             turned into a monthly one (Weekly x 4, Twice a Month and Every Two Weeks x 2);\n"
    "             it must be at most 10000 Monthly, 2500 Weekly, 5000 otherwise. Rates up to 25,\n"
    "             amounts up to 500000, years up to 35. Without --frequency: Weekly.\n"
    "  discharge  the early discharge penalties of discharging the study's mortgage on --date\n"
    "             when the lender can re-lend at --rate (per cent, read to 0.001), as the\n"
    "             window shows them, one 'name: text' line each: runs_from and runs_to (the\n"
    "             first and last payment dates, 'mmm d yyyy'), payments_made (before the date),\n"
    "             balance, future_value, accumulated_interest, actual_scenario, three_month.\n"
    "             A penalty without a value prints nothing after 'name: '. The date must lie\n"
    "             after the first payment and not after the last; the rate must not exceed the\n"
    "             scenario's and must be above 0 and at most 25. A refused date or rate prints\n"
    "             the window's message on one line, each of its line breaks turned into a blank.\n"
    "  suggest    the saving suggestions of the study, one item per line, blanks kept;\n"
    "             --current-rate is today's market rate (none: 0).\n"
    "  refinance  whether discharging the mortgage on --date and refinancing the balance owing,\n"
    "             the penalty and --other costs at --rate saves money by the end of the term,\n"
    "             as the window shows it, one 'name: text' line each: owing, penalty, other,\n"
    "             total, current_payment, refinance_payment, comparison_date ('mmmm d yyyy'),\n"
    "             current_balance, refinanced_balance, difference, payment_cost, net_saving,\n"
    "             verdict (good, caution or bad). Without --payment the new loan keeps the\n"
    "             payment in effect; without --penalty it is the actual scenario calculation\n"
    "             at --rate. The date and rate are checked as for discharge; a total above\n"
    "             500000 is refused. A refusal prints the window's message on one line.\n"
    "  compare    the 'Compare Scenarios' window: ONE.mtg is scenario one, TWO.mtg scenario\n"
    "             two with its own payment changes, its values read as its boxes would hold\n"
    "             them (amount to the cent, rate to 0.001, years to 0.01). Prints one\n"
    "             'name: text' line each, as the window shows them: one_payment,\n"
    "             one_regular_paid, one_lump_paid, one_closing_date, one_balance,\n"
    "             one_principal, one_interest, two_payment, two_closing_date, two_balance,\n"
    "             two_principal, two_interest, two_lump_paid, two_regular_paid,\n"
    "             lump_difference, balance_difference, gross_saving, regular_difference,\n"
    "             net_saving. A positive difference or saving favours scenario two.\n"
    "  refinance-search\n"
    "             for each discharge date, the highest rate (from the cap down in steps of\n"
    "             0.05) at which refinancing the balance owing, the penalty and the --costs\n"
    "             with the same payment leaves less owing at the end of the term: one line per\n"
    "             date that saves, seven tab-separated cells as the window's table shows them:\n"
    "             date, rate, payment, penalty, the current and the refinanced loan's balances\n"
    "             at the end of the term, saving. --mode both: from --date to the end of the\n"
    "             term, rates from --cap down (both required); date: from the day after the\n"
    "             start, only the rate --cap (required; --date ignored); rate: the date --date\n"
    "             alone (required), rates from the scenario's rate down (--cap ignored).\n"
    "             --penalty: the actual scenario calculation (scenario, the default), the\n"
    "             future value method or the accumulated interest method, or with --cmhc the\n"
    "             three-month penalty once three years of payments are made. A given --cap is\n"
    "             checked as for discharge and read to 0.001. Nothing found: no line, the\n"
    "             window's message on standard error, status 0. A refusal (the cap, a required\n"
    "             option, a first date out of the term) prints the window's message on one line.\n"
    "  privileges the study's lump payments and payment increases against the lender's yearly\n"
    "             privileges: one line per year of the term of six tab-separated cells: year\n"
    "             (calendar year, or loan year counted from 1 at the start date), lumps,\n"
    "             lump_limit (--lump per cent of the original amount), largest_increase (the\n"
    "             largest single change to the payment), increase_limit (--increase per cent\n"
    "             of the original regular payment), excess (lumps and increase above their\n"
    "             limits); then 'first_excess: mmm d yyyy', the payment date where the plan\n"
    "             first goes beyond, or 'first_excess:' alone. Without an option its value\n"
    "             comes from the lender's terms saved in the study, else 15, 15, calendar.\n"
    "  lender-penalty\n"
    "             the penalty the lender charges to discharge the mortgage on --date, one\n"
    "             'name: value' line each, in dollars to the cent: balance (after the payments\n"
    "             dated before the date), months_left (whole months of the term left),\n"
    "             three_month (balance x rate x 3 / 12), ird ((contract rate - (--posted -\n"
    "             --discount)) x balance x months left / 12, never below 0), charge (the\n"
    "             greater; with --long-term, three months' interest once five years have\n"
    "             passed), fee (--fee), clawback (the --cash-back x months left / months of\n"
    "             the term), total, free_prepayment (the lump privilege of the date's year not\n"
    "             used yet); with --prepay A also prepay_charge, the lender's charge on the\n"
    "             part of A above the free prepayment. Rates in per cent read to 0.001 (at\n"
    "             most 25), amounts to the cent. The date must lie from the start date to the\n"
    "             term's last payment date. Terms not given come from the study's.\n"
    "  report     prints the study's reports to a PDF file on Letter paper as one document,\n"
    "             pages numbered through: --summary the summary, --changes the payment\n"
    "             changes and lump payments, --schedule the schedule; all three when none is\n"
    "             named. The schedule prints every payment (--option 1, the default), the loan\n"
    "             anniversaries only (2) or the year ends only (3). An empty payment-changes\n"
    "             table skips that report with a warning on standard error. The file is\n"
    "             replaced whole or not at all.\n"
    "  purchase   what buying a home takes, by the rule tables in force on the closing --date\n"
    "             (default today), one 'name: value' line each, money and rates as 0.00:\n"
    "             rules_date, minimum_down_payment, loan_to_value, insured (yes/no),\n"
    "             premium_rate, premium, premium_tax, total_mortgage, payment,\n"
    "             qualifying_rate, qualifying_payment, gds, tds, qualifies (these three empty\n"
    "             without --income), max_mortgage, land_transfer_tax, municipal_transfer_tax,\n"
    "             first_time_rebate, cash_at_closing. --down is dollars or a per cent (5%);\n"
    "             --province ON (default), BC, QC, MB, AB, SK, NS, NB, PE, NL, YT, NT or NU;\n"
    "             --taxes a year, --heating, --condo and --debts a month, --income a year;\n"
    "             --years defaults to 25, --frequency to Monthly. Where no transfer tax table\n"
    "             is held, --transfer-tax gives the amount. A down payment below the minimum,\n"
    "             a price the insurer will not cover with less than 20 % down, or an\n"
    "             amortization not allowed for an insured loan is refused.\n"
    "\n"
    "Options:\n"
    "  --frequency N   payment frequency: 1 Monthly, 2 Weekly, 3 Twice a Month,\n"
    "                  4 Every Two Weeks. For schedule and summary, without it the frequency\n"
    "                  stored in the study is used, and Weekly when the study stores none.\n"
    "  --help          this text\n"
    "\n"
    "Day numbers count days from 30 December 1899 (1 January 1996 is 35065).\n"
    "Exit status: 0 done, 2 unreadable file, incomplete scenario, bad option or value, or a\n"
    "calculation that cannot be done (the one line on standard error says which).\n";

// schedule|summary STUDY [--frequency N] [--csv]: the command word and the study are its
// operands.
OptionGrammar StudyGrammar() { return OptionGrammar{{FrequencyOption(), FlagOption("--csv")}, 2}; }

// Every option the analysis commands take, to find their command word among them.
OptionGrammar AnalysisGrammar() {
    return OptionGrammar{{FrequencyOption(), ValueOption("--date"), ValueOption("--rate"),
                          ValueOption("--current-rate"), ValueOption("--payment"),
                          ValueOption("--penalty"), ValueOption("--other")},
                         2};
}

// Every option the lender's commands take, to find their command word among them.
OptionGrammar LenderGrammar() {
    OptionGrammar g{{FrequencyOption()}, 2};
    for (const char* name : {"--lump", "--increase", "--year", "--date", "--posted", "--discount",
                             "--fee", "--cash-back", "--prepay"})
        g.options.push_back(ValueOption(name));
    g.options.push_back(FlagOption("--long-term"));
    return g;
}

// Where the command word stands: the first word that is neither an option nor the value of
// one; args.size() when there is none.
std::size_t CommandPosition(const std::vector<std::string>& args, const OptionGrammar& grammar) {
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (!a.empty() && a[0] == '-') {
            const OptionRule* rule = grammar.Find(a);
            if (rule && rule->takesValue && a.find('=') == std::string::npos)
                ++k;
            continue;
        }
        return k;
    }
    return args.size();
}

void PrintSummary(const SummaryResult& r, std::ostream& out) {
    out << "end_balance: " << SingleText(r.endBalance) << "\n"
        << "total_principal: " << SingleText(r.totalPrincipal) << "\n"
        << "total_interest: " << SingleText(r.totalInterest) << "\n"
        << "last_date: " << r.lastDate << "\n"
        << "regular_payment: " << SingleText(r.regularPayment) << "\n"
        << "total_lumps: " << SingleText(r.totalLumps) << "\n"
        << "extra_paid: " << SingleText(r.extraPaid) << "\n"
        << "total_paid: " << DoubleText(r.totalPaid) << "\n"
        << "payments_made: " << r.paymentsMade << "\n"
        << "payment_in_effect: " << SingleText(r.paymentInEffect) << "\n";
}

// Prints the schedule file's text line by line, with the line ends of this system.
void PrintFileLines(const std::string& contents, std::ostream& out) {
    for (char c : contents)
        if (c != '\r')
            out << c;
}

// An amount to the cent, as a spreadsheet reads it: "894.49", "-25.00", never "-0.00".
std::string CentsText(Money value) {
    std::string text = FormatNumber(value, "0.00");
    if (text == "-0.00")
        text.erase(0, 1);
    return text;
}

// The schedule for spreadsheets: a header row, then one row per payment, its date as
// YYYY-MM-DD and every amount to the cent.
void PrintScheduleCsv(const ScheduleFile& schedule, std::ostream& out) {
    out << "number,date,payment,principal,interest,principal_to_date,interest_to_date,lump,"
           "change,balance\n";
    for (const ScheduleRecord& r : schedule.records) {
        const CivilDate d = CivilFromDay(r.date);
        char date[32];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", d.year, d.month, d.day);
        out << r.number << ',' << date;
        for (const Money amount : {r.payment, r.principal, r.interest, r.principalToDate,
                                   r.interestToDate, r.lump, r.change, r.balance})
            out << ',' << CentsText(amount);
        out << '\n';
    }
}

} // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            out << kUsage;
            return 0;
        }
    }
    const OptionGrammar grammar = StudyGrammar();
    // The calculators read no study: their own options follow the command word.
    if (const std::size_t at = CommandPosition(args, grammar); at < args.size()) {
        std::vector<std::string> rest(args.begin(), args.end());
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(at));
        if (args[at] == "shop")
            return RunShopCommand(rest, out, err);
        if (args[at] == "solve")
            return RunSolveCommand(rest, out, err);
        if (args[at] == "compare")
            return RunCompareCommand(rest, out, err);
    }
    // The purchase calculator has options of its own and reads the rule tables.
    if (const std::size_t at = CommandPosition(args, PurchaseCommandGrammar());
        at < args.size() && args[at] == kPurchaseCommand) {
        std::vector<std::string> rest(args.begin(), args.end());
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(at));
        return RunPurchaseCommand(rest, calc::ProgramRulesFolder(), out, err);
    }
    // The refinance search has options of its own.
    if (const std::size_t at = CommandPosition(args, SearchCommandGrammar());
        at < args.size() && args[at] == kSearchCommand) {
        std::vector<std::string> rest(args.begin(), args.end());
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(at));
        return RunSearchCommand(rest, out, err);
    }
    // The report command has options of its own.
    if (const std::size_t at = CommandPosition(args, ReportCommandGrammar());
        at < args.size() && args[at] == kReportCommand) {
        std::vector<std::string> rest(args.begin(), args.end());
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(at));
        return RunReportCommand(rest, out, err);
    }
    // The lender's commands read a study with options of their own.
    if (const std::size_t at = CommandPosition(args, LenderGrammar()); at < args.size()) {
        std::vector<std::string> rest(args.begin(), args.end());
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(at));
        if (args[at] == "privileges")
            return RunPrivilegesCommand(rest, out, err);
        if (args[at] == "lender-penalty")
            return RunLenderPenaltyCommand(rest, out, err);
    }
    // The analysis commands read a study with options of their own.
    if (const std::size_t at = CommandPosition(args, AnalysisGrammar()); at < args.size()) {
        std::vector<std::string> rest(args.begin(), args.end());
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(at));
        if (args[at] == "discharge")
            return RunDischargeCommand(rest, out, err);
        if (args[at] == "suggest")
            return RunSuggestCommand(rest, out, err);
        if (args[at] == "refinance")
            return RunRefinanceCommand(rest, out, err);
    }
    ParsedOptions options;
    if (auto problem = ParseOptions(args, grammar, options))
        return Fail(err, *problem);
    const std::string& command = options.operands[0];
    const std::string& path = options.operands[1];
    if (command.empty())
        return Fail(err, "no command given (try --help)");
    if (command != "schedule" && command != "summary")
        return Fail(err, "unknown command \"" + command + "\" (try --help)");
    if (path.empty())
        return Fail(err, "no study file given (try --help)");
    const bool csv = options.Has("--csv");
    if (csv && command != "schedule")
        return Fail(err, "--csv is for the schedule command only (try --help)");

    Study study;
    if (auto problem = LoadStudy(path, options.Value("--frequency"), study))
        return Fail(err, *problem);
    const Scenario& s = study.scenario;

    StreamMessages messages(err);
    const EngineInputs in{s, study.changes};
    const std::string tooLarge =
        path + ": the figures of this study grow beyond what can be computed";
    if (command == "summary") {
        const SummaryResult summary = RunSummary(in, messages);
        if (!AllFinite(summary))
            return Fail(err, tooLarge);
        messages.Print();
        PrintSummary(summary, out);
        return 0;
    }

    // The schedule is printed from the run in memory: the command needs no working folder.
    const ScheduleRun run = RunSchedule(in, messages);
    if (!AllFinite(run.schedule))
        return Fail(err, tooLarge);
    messages.Print();
    if (csv)
        PrintScheduleCsv(run.schedule, out);
    else
        PrintFileLines(ScheduleText(run.schedule.count, run.schedule), out);
    return 0;
}

} // namespace hl
