// The privileges and lender-penalty commands: the figures as printed, the terms saved in
// a study, and the one-line refusals.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "files/study_file.h"
#include "support/standard_scenario.h"
#include "support/temp_folder.h"

namespace hl {
namespace {

using test::CliRun;
using test::RunCli;

class LenderCommands : public testing::Test {
  protected:
    // 100000 at 9 % from Jan 1 2025, Monthly (827.97 a month), a term of `years`.
    std::string Save(const char* name, Single years, std::vector<PaymentChange> changes = {},
                     std::optional<LenderTerms> terms = std::nullopt) {
        Study study;
        study.scenario = test::StandardScenario();
        study.scenario.rate = 9.0f;
        study.scenario.term = years;
        study.scenario.start = DayFromCivil(2025, 1, 1);
        study.frequencyStored = true;
        study.changes.entries = std::move(changes);
        study.lender = terms;
        const std::string path = folder_.Path(name);
        EXPECT_TRUE(WriteStudyFile(path, study));
        return path;
    }
    test::TempFolder folder_;
};

TEST_F(LenderCommands, TheFiguresThatMustComeOutAsPrinted) {
    const std::string three = Save("three.mtg", 3);
    struct Case {
        const char* source;
        std::vector<std::string> args;
        const char* out;
    };
    const Case cases[] = {
        {"a lender's published example: 100,000 at 9 %, discount 0.5, 36 months, posted 6",
         {"lender-penalty", three, "--date", "2025-01-01", "--posted", "6", "--discount", "0.5"},
         "balance: 100000.00\nmonths_left: 36\nthree_month: 2250.00\nird: 10500.00\n"
         "charge: 10500.00\nfee: 0.00\nclawback: 0.00\ntotal: 10500.00\n"
         "free_prepayment: 15000.00\n"},
        {"posted less the discount above the contract rate: the three months' interest",
         {"lender-penalty", three, "--date", "2025-01-01", "--posted", "10", "--discount", "0.5"},
         "balance: 100000.00\nmonths_left: 36\nthree_month: 2250.00\nird: 0.00\n"
         "charge: 2250.00\nfee: 0.00\nclawback: 0.00\ntotal: 2250.00\n"
         "free_prepayment: 15000.00\n"},
        {"fee, cash back clawed back 3,000 x 36 / 36, and a prepayment of 20,000",
         {"lender-penalty", three, "--date=2025-01-01", "--posted=6", "--discount=0.5", "--fee=250",
          "--cash-back", "3000", "--prepay", "20000"},
         "balance: 100000.00\nmonths_left: 36\nthree_month: 2250.00\nird: 10500.00\n"
         "charge: 10500.00\nfee: 250.00\nclawback: 3000.00\ntotal: 13750.00\n"
         "free_prepayment: 15000.00\nprepay_charge: 525.00\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        const CliRun r = RunCli(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
    }

    // A ten-year term 70 payments in: limited to three months' interest with --long-term only.
    const std::string ten = Save("ten.mtg", 10);
    const CliRun longer = RunCli({"lender-penalty", ten, "--date", "2030-11-15", "--posted", "6",
                                  "--discount", "0.5", "--long-term"});
    ASSERT_EQ(longer.status, 0) << longer.err;
    EXPECT_NE(longer.out.find("months_left: 49\n"), std::string::npos) << longer.out;
    const std::string threeMonth = longer.out.substr(longer.out.find("three_month: ") + 13);
    EXPECT_EQ(longer.out.substr(longer.out.find("charge: ") + 8, threeMonth.find('\n')),
              threeMonth.substr(0, threeMonth.find('\n')));
}

TEST_F(LenderCommands, PrivilegesYearByYearAndTheFirstExcess) {
    // The figure: lumps of 10,000 and 8,000 in 2025 against 15 % of 100,000.
    const std::string lumps =
        Save("lumps.mtg", 3,
             {{10000, 0, DayFromCivil(2025, 3, 1)}, {8000, 0, DayFromCivil(2025, 9, 1)}});
    CliRun r = RunCli({"privileges", lumps});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "2025\t18000.00\t15000.00\t0.00\t124.20\t3000.00\n"
                     "2026\t0.00\t15000.00\t0.00\t124.20\t0.00\n"
                     "2027\t0.00\t15000.00\t0.00\t124.20\t0.00\n"
                     "first_excess: Sep 1 2025\n");
    r = RunCli({"privileges", lumps, "--lump", "20", "--year", "loan"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "1\t18000.00\t20000.00\t0.00\t124.20\t0.00");
    EXPECT_EQ(r.out.substr(r.out.rfind("first")), "first_excess:\n");
    // The terms saved in the study stand in for options not given.
    LenderTerms terms;
    terms.lumpShare = 20000;
    EXPECT_EQ(
        RunCli({"privileges", Save("terms.mtg", 3, {{18000, 0, DayFromCivil(2025, 3, 1)}}, terms)})
            .out.substr(0, 40),
        "2025\t18000.00\t20000.00\t0.00\t124.20\t0.00\n");
}

TEST_F(LenderCommands, RefusalsAreOneLineWithStatusTwo) {
    const std::string good = Save("good.mtg", 3);
    const struct {
        std::vector<std::string> args;
        const char* line;
    } cases[] = {
        {{"lender-penalty", good, "--posted", "6", "--discount", "0.5"},
         "lender-penalty needs --date (try --help)"},
        {{"lender-penalty", good, "--date", "soon", "--posted", "6", "--discount", "0"},
         "lender-penalty: --date: \"soon\" is not a valid date"},
        {{"lender-penalty", good, "--date", "2025-01-01", "--posted", "26", "--discount", "0"},
         "lender-penalty: --posted: \"26\" is not a number from 0 to 25.000"},
        {{"lender-penalty", good, "--date", "2025-01-01", "--posted", "6", "--discount", "0",
          "--fee", "-5"},
         "lender-penalty: --fee: \"-5\" is not a number from 0 to 500000.00"},
        {{"lender-penalty", good, "--date", "2024-12-31", "--posted", "6", "--discount", "0"},
         "lender-penalty: Error - the discharge date must fall within the term of the mortgage, "
         "from Jan 1 2025 to Dec 1 2027."},
        {{"privileges", good, "--year", "fiscal"},
         "privileges: --year: \"fiscal\" is not calendar or loan"},
        {{"privileges", good, "--lump", "150"},
         "privileges: --lump: \"150\" is not a number from 0 to 100.000"},
        {{"privileges"}, "no study file given (try --help)"},
    };
    for (const auto& c : cases) {
        const CliRun r = RunCli(c.args);
        SCOPED_TRACE(testing::PrintToString(c.args));
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(r.err, std::string("hearthline-cli: ") + c.line + "\n");
    }
}

} // namespace
} // namespace hl
