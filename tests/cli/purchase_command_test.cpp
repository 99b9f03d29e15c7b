// The purchase command: the figures worked by hand from the published rules, the band and
// bracket edges, and the refusals, as the command prints them.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/purchase_command.h"

namespace hl {
namespace {

struct Printed {
    int status;
    std::string out;
    std::string err;
};

Printed Purchase(const std::string& line) {
    std::vector<std::string> args;
    std::istringstream words(line);
    for (std::string word; words >> word;)
        args.push_back(word);
    std::ostringstream out, err;
    const int status = RunPurchaseCommand(args, HL_SOURCE_RULES_FOLDER, out, err);
    return {status, out.str(), err.str()};
}

// The value printed after "name: ", or "(missing)".
std::string Value(const std::string& out, const std::string& name) {
    const std::string line = name + ": ";
    const std::size_t at = out.rfind(line, 0) == 0 ? 0 : out.find("\n" + line);
    if (at == std::string::npos)
        return "(missing)";
    const std::size_t from = at + (at == 0 ? 0 : 1) + line.size();
    return out.substr(from, out.find('\n', from) - from);
}

struct Figure {
    const char* args;
    const char* name;
    const char* value;
    const char* source;
};

// Closing 2026-06-01 unless the case says otherwise: the rules of 2024-12-15 on.
const Figure kFigures[] = {
    {"--price 500000 --down 25000 --province ON --years 25 --rate 4.95", "loan_to_value", "95.00",
     "issue 22, worked by hand"},
    {"--price 500000 --down 25000 --province ON --years 25 --rate 4.95", "premium_rate", "4.00",
     "CMHC premium schedule, 90.01 to 95 %"},
    {"--price 500000 --down 25000 --province ON --years 25 --rate 4.95", "premium", "19000.00",
     "4 % of 475000"},
    {"--price 500000 --down 25000 --province ON --years 25 --rate 4.95", "premium_tax", "1520.00",
     "Ontario's 8 % on the premium"},
    {"--price 500000 --down 25000 --province ON --years 25 --rate 4.95", "total_mortgage",
     "494000.00", "475000 + 19000"},
    {"--price 500000 --down 25000 --province ON --years 25 --rate 4.95", "land_transfer_tax",
     "6475.00", "the Ontario schedule's worked example for 500000"},
    {"--price 500000 --down 25000 --province ON --years 25 --rate 4.95", "payment", "2859.06",
     "the input form's payment of 494000 at 4.950 over 25 years, Monthly"},
    {"--price 500000 --down 25000 --province ON --years 25 --rate 4.95", "cash_at_closing",
     "32995.00", "25000 + 1520 + 6475"},
    {"--price 550000 --down 30000 --province ON --rate 4", "land_transfer_tax", "7475.00",
     "a lawyer's published example for 550000"},
    {"--price 550000 --down 30000 --province ON --rate 4", "minimum_down_payment", "30000.00",
     "5 % of 500000 + 10 % of 50000"},
    {"--price 550000 --down 30000 --province ON --city toronto --rate 4", "municipal_transfer_tax",
     "7475.00", "Toronto's brackets match Ontario's below 2000000"},
    {"--price 550000 --down 30000 --province ON --city toronto --first-time --rate 4",
     "first_time_rebate", "8475.00", "Ontario 4000 + Toronto 4475"},
    {"--price 588235 --down 88235 --rate 4", "premium_rate", "3.10",
     "loan to value 85.00004 %: the 85.01 to 90 % band"},
    {"--price 588235 --down 88235 --rate 4", "premium", "15500.00", "3.10 % of 500000"},
    {"--price 500000 --down 75000 --rate 4", "premium_rate", "2.80", "exactly 85.00 %"},
    {"--price 500000 --down 100000 --rate 4", "insured", "no", "exactly 80 %: no insurance"},
    {"--price 500000 --down 99999.99 --rate 4", "premium_rate", "2.80",
     "a cent above 80 %: the 80.01 to 85 % band"},
    {"--price 500000 --down 5% --years 30 --first-time --rate 4", "premium_rate", "4.20",
     "4.00 + the 0.20 surcharge above 25 years"},
    {"--price 500000 --down 5% --years 30 --new-build --rate 4", "premium_rate", "4.20",
     "new builds too, from 2024-12-15"},
    {"--price 500000 --down 5% --rate 4.95", "qualifying_rate", "6.95", "4.95 + 2"},
    {"--price 500000 --down 5% --rate 3.00", "qualifying_rate", "5.25", "the 5.25 floor"},
    {"--price 350000 --down 100000 --province MB --rate 4", "land_transfer_tax", "4650.00",
     "Manitoba's schedule"},
    {"--price 1000000 --down 200000 --province BC --rate 4", "land_transfer_tax", "18000.00",
     "1 % of 200000 + 2 % of 800000"},
    {"--price 500000 --down 100000 --province BC --first-time --rate 4", "first_time_rebate",
     "8000.00", "BC first-time: the tax on the first 500000"},
    {"--price 847500 --down 200000 --province BC --first-time --rate 4", "first_time_rebate",
     "4000.00", "halfway through the 835000 to 860000 phase-out"},
    {"--price 450000 --down 100000 --province AB --rate 4", "land_transfer_tax", "900.00",
     "Alberta: 50 + 5 x 90 on the price, 50 + 5 x 70 on the mortgage"},
    {"--price 500000 --down 100000 --province QC --city montreal --rate 4",
     "municipal_transfer_tax", "0.00", "Montreal's brackets match Quebec's up to 552300"},
    {"--price 700000 --down 140000 --province QC --city montreal --rate 4",
     "municipal_transfer_tax", "738.50", "Montreal 9392.00 (its own example) less Quebec's"},
    {"--price 500000 --down 25000 --rate 4.95 --income 150000 --taxes 4000 --heating 100", "gds",
     "31.03", "(12 x 3444.81 + 4000 + 1200) / 150000, half up"},
    {"--price 500000 --down 25000 --rate 4.95 --income 150000 --taxes 4000 --heating 100",
     "qualifies", "yes", "31.03 % within 39 % and 44 %"},
    {"--price 500000 --down 25000 --rate 4.95 --income 150000 --debts 2500", "qualifies", "no",
     "TDS above 44 %"},
    {"--price 500000 --down 25000 --rate 4.95", "gds", "", "no income: empty"},
    {"--price 500000 --down 5% --rate 4 --date 2024-12-14 --years 30 --first-time --new-build",
     "premium_rate", "4.20", "before 2024-12-15 only first-time buyers of new builds"},
    {"--price 1200000 --down 300000 --rate 4 --date 2024-12-14", "minimum_down_payment",
     "240000.00", "before 2024-12-15 the insured cap was 1000000: 20 %"},
    {"--price 500000 --down 25000 --rate 4 --date 2024-12-14", "rules_date", "2024-12-14",
     "the rules of the closing date"},
};

TEST(PurchaseCommand, PrintsTheFiguresThatMustComeOut) {
    for (const Figure& f : kFigures) {
        std::string args = f.args;
        if (args.find("--date") == std::string::npos)
            args += " --date 2026-06-01";
        const Printed run = Purchase(args);
        EXPECT_EQ(run.status, 0) << args << "\n" << run.err;
        EXPECT_EQ(Value(run.out, f.name), f.value)
            << args << ": " << f.name << " (" << f.source << ")";
    }
}

TEST(PurchaseCommand, RefusesOnOneLineWithStatusTwo) {
    const struct {
        const char* args;
        const char* err;
    } kRefusals[] = {
        {"--price 1500000 --down 299999 --rate 4",
         "hearthline-cli: purchase: a price of 1500000.00 is at or above the insured price cap of "
         "1500000.00: 20 % down needed: 300000.00\n"},
        {"--price 500000 --down 24999.99 --rate 4",
         "hearthline-cli: purchase: a down payment of 24999.99 is below the minimum of 25000.00\n"},
        {"--price 500000 --down 5% --years 30 --rate 4",
         "hearthline-cli: purchase: an insured loan is amortized over at most 25 years (30 for a "
         "first-time buyer or a new build)\n"},
        {"--price 500000 --down 500000 --rate 4",
         "hearthline-cli: purchase: the down payment must be less than the price\n"},
        {"--price 500000 --down 5% --rate 4 --province QC --city toronto",
         "hearthline-cli: purchase: toronto is in ON, not in QC\n"},
        {"--price 500000 --down 5% --rate 4 --date 2010-01-01",
         "hearthline-cli: purchase: no down payment rules are held for 2010-01-01\n"},
        {"--price 500000 --down 5% --rate 4 --province XX",
         "hearthline-cli: purchase: --province: \"XX\" is none of ON, BC, QC, MB, AB, SK, NS, NB, "
         "PE, NL, YT, NT, NU\n"},
        {"--price 500000 --down 5% --rate 26",
         "hearthline-cli: purchase: --rate: \"26\" is not a rate above 0 and at most 25\n"},
        {"--price 500000 --down 5% --rate 4 --date 2026-02-30",
         "hearthline-cli: purchase: --date: \"2026-02-30\" is not a date (YYYY-MM-DD)\n"},
        {"--price 5e5 --down 5% --rate 4",
         "hearthline-cli: purchase: --price: \"5e5\" is not an amount up to 1000000000\n"},
        {"--down 5% --rate 4", "hearthline-cli: purchase needs --price (try --help)\n"},
    };
    for (const auto& refusal : kRefusals) {
        std::string args = refusal.args;
        if (args.find("--date") == std::string::npos)
            args += " --date 2026-06-01";
        const Printed run = Purchase(args);
        EXPECT_EQ(run.status, 2) << refusal.args;
        EXPECT_EQ(run.out, "") << refusal.args;
        EXPECT_EQ(run.err, refusal.err) << refusal.args;
    }
}

TEST(PurchaseCommand, SaysWhenNoTransferTaxTableIsHeld) {
    const Printed held =
        Purchase("--price 400000 --down 5% --rate 4 --province NS --date 2026-06-01");
    EXPECT_EQ(held.status, 0);
    EXPECT_EQ(Value(held.out, "land_transfer_tax"), "");
    EXPECT_EQ(held.err, "hearthline-cli: purchase: no transfer tax table is held for NS: "
                        "--transfer-tax gives the amount\n");
    const Printed typed = Purchase(
        "--price 400000 --down 20000 --rate 4 --province NS --transfer-tax 6000 --date 2026-06-01");
    EXPECT_EQ(typed.err, "");
    EXPECT_EQ(Value(typed.out, "land_transfer_tax"), "6000.00");
    EXPECT_EQ(Value(typed.out, "cash_at_closing"), "26000.00");
}

} // namespace
} // namespace hl
