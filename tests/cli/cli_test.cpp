// The command-line program: its output, the frequency it chooses, the calculator commands, and
// how it refuses bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "cli/cli.h"
#include "cli_run.h"
#include "core/day_number.h"
#include "core/text_items.h"
#include "files/study_file.h"
#include "support/standard_scenario.h"
#include "support/temp_folder.h"

namespace hl {
namespace {

using test::CliRun;
using test::RunCli;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class CommandLine : public ::testing::Test {
  protected:
    CommandLine() {
        study.scenario = test::StandardScenario(); // Save() sets the frequency
        study.tools = BlankToolSections();
    }
    /// Saves the study; without a frequency it is saved as older files were, item 8 empty.
    std::string Save(bool withFrequency, Frequency frequency = kMonthly) {
        study.frequencyStored = withFrequency;
        study.scenario.frequency = frequency;
        std::string text = WriteStudyText(study);
        if (!withFrequency) {
            std::size_t pos = 0;
            for (int line = 1; line < 8; ++line)
                pos = text.find("\r\n", pos) + 2;
            text.erase(pos, text.find("\r\n", pos) - pos);
        }
        const std::string path = folder.Path("study.mtg");
        test::Spit(path, text);
        return path;
    }
    Study study;
    test::TempFolder folder;
};

TEST_F(CommandLine, ScheduleOfAMonthlyStudy) {
    const CliRun r = RunCli({"schedule", Save(true, kMonthly)});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 62u);
    EXPECT_EQ(lines[0], "60");
    EXPECT_EQ(lines[1], "100000");
    EXPECT_EQ(lines[2], "1,35065,894.49,78,816.49,78,816.49,0,0,99922");
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
}

TEST_F(CommandLine, ScheduleAsCsvForSpreadsheets) {
    study.changes.entries.push_back({2500.0f, 0.0f, DayFromCivil(1996, 3, 1)});
    study.changes.entries.push_back({0.0f, 25.5f, DayFromCivil(1997, 1, 1)});
    const std::string path = Save(true, kMonthly);
    const CliRun r = RunCli({"schedule", path, "--csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 61u);
    EXPECT_EQ(lines[0], "number,date,payment,principal,interest,principal_to_date,"
                        "interest_to_date,lump,change,balance");
    struct Row {
        std::size_t line;
        std::string text;
    };
    const Row rows[] = {
        {1, "1,1996-01-01,894.49,78.00,816.49,78.00,816.49,0.00,0.00,99922.00"},
        {3, "3,1996-03-01,894.49,79.28,815.21,2735.92,2447.55,2500.00,0.00,97264.08"},
        {13, "13,1997-01-01,919.99,133.46,786.53,3802.51,10351.36,0.00,25.50,96197.49"},
        {60, "60,2000-12-01,919.99,195.58,724.41,11473.33,45920.07,0.00,0.00,88526.67"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(lines[row.line].rfind(row.text, 0), 0u) << lines[row.line];
    }
    // Every row holds the schedule file's record: the same number, the day number as its date,
    // every amount to the cent with two decimals.
    auto cellsOf = [](const std::string& line) {
        std::vector<std::string> cells;
        std::istringstream row(line);
        for (std::string cell; std::getline(row, cell, ',');)
            cells.push_back(cell);
        return cells;
    };
    const auto plain = Lines(RunCli({"schedule", path}).out);
    ASSERT_EQ(plain.size(), lines.size() + 1);
    for (std::size_t k = 1; k < lines.size(); ++k) {
        const auto cells = cellsOf(lines[k]);
        const auto record = cellsOf(plain[k + 1]);
        ASSERT_EQ(cells.size(), 10u) << lines[k];
        ASSERT_EQ(record.size(), 10u) << plain[k + 1];
        EXPECT_EQ(cells[0], record[0]);
        const CivilDate d = CivilFromDay(std::stoi(record[1]));
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", d.year, d.month, d.day);
        EXPECT_EQ(cells[1], date);
        for (std::size_t c = 2; c < 10; ++c) {
            const std::size_t point = cells[c].find('.');
            ASSERT_NE(point, std::string::npos) << cells[c];
            EXPECT_EQ(cells[c].size() - point, 3u) << cells[c];
            EXPECT_EQ(std::lround(std::stod(cells[c]) * 100),
                      std::lround(std::stod(record[c]) * 100))
                << lines[k];
        }
    }
    EXPECT_EQ(RunCli({"schedule", "--csv", path}).out, r.out);
}

TEST_F(CommandLine, SummaryPrintsTenNamedLines) {
    const CliRun r = RunCli({"summary", Save(true, kMonthly)});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    const char* names[] = {"end_balance",     "total_principal",  "total_interest", "last_date",
                           "regular_payment", "total_lumps",      "extra_paid",     "total_paid",
                           "payments_made",   "payment_in_effect"};
    ASSERT_EQ(lines.size(), 10u);
    for (std::size_t k = 0; k < 10; ++k)
        EXPECT_EQ(lines[k].rfind(std::string(names[k]) + ": ", 0), 0u);
    EXPECT_EQ(lines[3], "last_date: " + std::to_string(DayFromCivil(2000, 12, 1)));
    EXPECT_EQ(lines[4], "regular_payment: 894.49");
    EXPECT_EQ(lines[8], "payments_made: 60");
    EXPECT_EQ(r.out.find("nan"), std::string::npos);
}

TEST_F(CommandLine, FrequencyComesFromTheStudyTheOptionOrWeekly) {
    EXPECT_NE(RunCli({"summary", Save(true, kMonthly)}).out.find("payments_made: 60"),
              std::string::npos);
    EXPECT_NE(RunCli({"summary", Save(false)}).out.find("payments_made: 260"), std::string::npos);
    EXPECT_NE(RunCli({"summary", Save(true, kMonthly), "--frequency", "4"})
                  .out.find("payments_made: 130"),
              std::string::npos);
    EXPECT_NE(
        RunCli({"summary", "--frequency=3", Save(true, kMonthly)}).out.find("payments_made: 120"),
        std::string::npos);
}

TEST_F(CommandLine, EngineWarningsGoToTheErrorStream) {
    study.changes.entries.push_back({500000.0f, 0.0f, DayFromCivil(1996, 2, 1)});
    const CliRun r = RunCli({"summary", Save(true, kMonthly)});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("The extra payment of $ 500000.00"), std::string::npos);
    EXPECT_NE(r.out.find("payments_made: 2"), std::string::npos);
}

TEST_F(CommandLine, BadInputGivesOneLineAndStatusTwo) {
    const std::string good = Save(true, kMonthly);
    const std::string garbage = folder.Path("garbage.mtg");
    test::Spit(garbage, std::string("\x01\x02not a study\r\n\xff", 17));
    study.scenario.rate = 0.0f;
    const std::string incomplete = Save(true, kMonthly);
    study.scenario.rate = 10.0f;
    study.scenario.amortization = 1e30f;
    const std::string noPayment = Save(true, kMonthly);

    const std::vector<std::vector<std::string>> cases = {
        {},
        {"schedule"},
        {"print", good},
        {"summary", good, "--frequency", "5"},
        {"summary", good, "--frequency"},
        {"summary", good, "--colour"},
        {"summary", good, "extra"},
        {"summary", good, "--csv"},
        {"schedule", good, "--csv=yes"},
        {"summary", folder.Path("missing.mtg")},
        {"schedule", garbage},
        {"summary", incomplete},
        {"summary", noPayment},
    };
    for (const auto& args : cases) {
        const CliRun r = RunCli(args);
        SCOPED_TRACE(testing::PrintToString(args));
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1); // exactly one line
    }
}

TEST_F(CommandLine, HelpExplainsTheCommands) {
    const CliRun r = RunCli({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* word :
         {"schedule",   "summary",    "shop",       "solve",          "--frequency",
          "--amount",   "--rate",     "--years",    "--payment",      "--separators",
          "discharge",  "--date",     "suggest",    "--current-rate", "compare",
          "--csv",      "YYYY-MM-DD", "privileges", "lender-penalty", "--posted",
          "--long-term"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    EXPECT_EQ(RunCli({"shop", "--help"}).out, r.out);
}

TEST_F(CommandLine, DischargePrintsTheWindowsFigures) {
    // The standard scenario one day after its first payment: the worked figures of
    // tests/analysis/penalties_test.cpp.
    const CliRun r =
        RunCli({"discharge", Save(true, kMonthly), "--date", "1996-01-02", "--rate=7"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "runs_from: Jan 1 1996\n"
                     "runs_to: Dec 1 2000\n"
                     "payments_made: 1\n"
                     "balance: 99922.00\n"
                     "future_value: 10839.76\n"
                     "accumulated_interest: 14236.34\n"
                     "actual_scenario: 14331.03\n"
                     "three_month: 2447.55\n");
    EXPECT_TRUE(r.err.empty());
}

TEST_F(CommandLine, DischargeOfAStudyTheFormWouldRefuseIsRefused) {
    // A payment cut below the interest would let the balance grow until the Future Value Method
    // has no value; the grid takes no negative change, so such a study is refused as it is read
    // (the empty Future Value itself is checked with the penalties).
    study.changes.entries.push_back({0.0f, -800.0f, DayFromCivil(1996, 1, 1)});
    const CliRun r =
        RunCli({"discharge", Save(true, kMonthly), "--date", "1998-06-15", "--rate", "7"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("the change to payment of payment change 1 is -800"), std::string::npos)
        << r.err;
}

TEST_F(CommandLine, DischargeRefusesAsTheWindowInItsOrder) {
    const std::string path = Save(true, kMonthly);
    struct Case {
        const char* date;
        const char* rate;
        const char* line; ///< after "hearthline-cli: discharge: "
    };
    // Each row would also fail every later check: the first check met is the one reported.
    const Case cases[] = {
        {"1995-12-31", "12",
         "Error, this date is earlier than the start date of the mortgage. You can't discharge "
         "the mortgage before it begins.  Adjust the discharge date accordingly."},
        {"2000-12-02", "12",
         "Error, this date is later than the end date of the mortgage. You can't discharge the "
         "mortgage after it ends.  Adjust the discharge date accordingly."},
        {"1996-01-01", "12",
         "Error, value entered in the Interest Rate box must be less than the scenario interest "
         "rate (currently set at: 10.000 %).  If not the bank would owe you money.  Think that "
         "will ever happen ? Lower the discharge interest rate.  A valid value (or nothing) must "
         "be entered to continue.  Do you want to correct your input. (Selecting [No] will clear "
         "the field)."},
        {"1996-01-01", "0.0004",
         "Error, value entered in the Interest Rate box must be between 1 and 25"},
        {"1996-01-01", "7",
         "Error - Discharge date is beyond the end of the mortgage.  Please adjust the discharge "
         "date so that it falls within the loan time frame."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.date) + " " + c.rate);
        const CliRun r = RunCli({"discharge", path, "--date", c.date, "--rate", c.rate});
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(r.err, std::string("hearthline-cli: discharge: ") + c.line + "\n");
    }
}

TEST_F(CommandLine, AnalysisCommandsRefuseBadInputOnOneLine) {
    const std::string good = Save(true, kMonthly);
    study.scenario.rate = 0.0f;
    const std::string incomplete = Save(true, kMonthly);
    const std::vector<std::vector<std::string>> cases = {
        {"discharge", good, "--rate", "7"},
        {"discharge", good, "--date", "1998-06-15"},
        {"discharge", "--date", "1998-06-15", "--rate", "7"},
        {"discharge", good, "--date", "soon", "--rate", "7"},
        {"discharge", good, "--date", "1998-06-15", "--rate", "7%"},
        {"discharge", incomplete, "--date", "1998-06-15", "--rate", "7"},
        {"discharge", folder.Path("missing.mtg"), "--date", "1998-06-15", "--rate", "7"},
        {"suggest", good, "--current-rate", "low"},
        {"suggest", good, "--rate", "7"},
        {"suggest", incomplete},
        {"summary", good, "--date", "1998-06-15"},
    };
    for (const auto& args : cases) {
        const CliRun r = RunCli(args);
        SCOPED_TRACE(testing::PrintToString(args));
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1);
    }
}

TEST_F(CommandLine, SuggestPrintsTheListWithItsBlanks) {
    struct Case {
        std::vector<std::string> options;
        std::size_t lines;
        const char* first; ///< first line
    };
    const Case cases[] = {
        {{"--current-rate", "8"}, 24, " 1) The current interest rate is lower"},
        {{"--frequency=2"}, 9, " "},
        {{"--frequency", "2", "--current-rate", "8"}, 16, " 1) The current interest rate"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"suggest", Save(true, kMonthly)};
        args.insert(args.end(), c.options.begin(), c.options.end());
        SCOPED_TRACE(testing::PrintToString(args));
        const CliRun r = RunCli(args);
        ASSERT_EQ(r.status, 0) << r.err;
        const auto lines = Lines(r.out);
        ASSERT_EQ(lines.size(), c.lines);
        EXPECT_EQ(lines[0].rfind(c.first, 0), 0u);
        EXPECT_EQ(lines.back(), " ");
    }
    const auto weekly = Lines(RunCli({"suggest", Save(true, kMonthly), "--frequency", "2"}).out);
    EXPECT_EQ(weekly[2], " 1) As always, lump payments and increasing your payment always has an "
                         "effect on your mortgage.  You can see the");
    EXPECT_EQ(weekly[4], "      ");
}

std::size_t Count(const std::string& text, char c) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

TEST(ShopCommand, SampleRangesGiveEighteenLines) {
    const CliRun r =
        RunCli({"shop", "--amount", "50000:60000:5000", "--rate", "7:8:1", "--years", "15:25:5"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 18u);
    // The cells as the shopper's table shows them: 50000 at 7 % over 15 years.
    EXPECT_EQ(lines[0], "50000.00\t  7.000\t  15.00\t  446.62\t  111.65\t  223.31\t  223.31");
    for (const std::string& line : lines)
        EXPECT_EQ(Count(line, '\t'), 6u) << line;
    // Amounts innermost, then rates, then amortization.
    EXPECT_EQ(lines[2].rfind("60000.00\t  7.000\t  15.00\t", 0), 0u);
    EXPECT_EQ(lines[3].rfind("50000.00\t  8.000\t  15.00\t", 0), 0u);
    EXPECT_EQ(lines[17].rfind("60000.00\t  8.000\t  25.00\t", 0), 0u);
}

TEST(ShopCommand, SeparatorsOnRequest) {
    const CliRun sample = RunCli(
        {"shop", "--amount=50000:60000:5000", "--rate=7:8:1", "--years=15:25:5", "--separators"});
    ASSERT_EQ(sample.status, 0) << sample.err;
    const auto lines = Lines(sample.out);
    ASSERT_EQ(lines.size(), 24u);
    for (std::size_t k = 0; k < lines.size(); ++k)
        EXPECT_EQ(lines[k].empty(), k % 4 == 3) << k;

    // A single amount: one separator, after the rates.
    const CliRun single =
        RunCli({"shop", "--amount", "50000", "--rate", "5:10:1", "--years", "25", "--separators"});
    const auto singleLines = Lines(single.out);
    ASSERT_EQ(singleLines.size(), 7u);
    EXPECT_TRUE(singleLines[6].empty());
    EXPECT_EQ(singleLines[5].rfind("50000.00\t  10.000\t  25.00\t", 0), 0u);
}

TEST(ShopCommand, EightHundredLinesAtMost) {
    const CliRun most =
        RunCli({"shop", "--amount", "10000:100000:10000", "--rate", "1:10:1", "--years", "5:12:1"});
    EXPECT_EQ(most.status, 0);
    EXPECT_EQ(Lines(most.out).size(), 800u);

    const CliRun over =
        RunCli({"shop", "--amount", "10000:100000:10000", "--rate", "1:9:1", "--years", "5:13:1"});
    EXPECT_EQ(over.status, 2);
    EXPECT_TRUE(over.out.empty());
    EXPECT_NE(over.err.find("too many lines to display (over 800)"), std::string::npos);
}

TEST(SolveCommand, AmortizationAndAmount) {
    const CliRun monthly = RunCli(
        {"solve", "--rate", "6", "--payment", "1000", "--frequency", "1", "--amount", "100000"});
    ASSERT_EQ(monthly.status, 0) << monthly.err;
    EXPECT_EQ(monthly.out, "amortization_payments: 138.22\namortization_years: 11.52\n");

    // Weekly unless told otherwise: 500 a week is a monthly 2000. The single-precision steps give
    // 312595.16 (312594.45 in double).
    const CliRun weekly = RunCli({"solve", "--rate", "6", "--payment", "500", "--years", "25"});
    ASSERT_EQ(weekly.status, 0) << weekly.err;
    EXPECT_EQ(weekly.out, "mortgage_amount: 312595.16\n");

    const CliRun both =
        RunCli({"solve", "--rate=6", "--payment=250", "--amount=100000", "--years=25"});
    EXPECT_EQ(both.out, "amortization_payments: 138.22\namortization_years: 11.52\n"
                        "mortgage_amount: 156297.58\n");
}

TEST(SolveCommand, APaymentBelowTheInterestStillGivesTheAmount) {
    // 900 a month does not cover 12 % on 100000, so the period cannot be solved; the window says
    // so and still shows the amount 25 years carry: 900 over 300 months at (1.06)^(1/6) - 1 is
    // 87218 by hand, 87217.52 in the single-precision steps.
    const CliRun r = RunCli({"solve", "--rate", "12", "--payment", "900", "--frequency", "1",
                             "--amount", "100000", "--years", "25"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "mortgage_amount: 87217.52\n");
    EXPECT_EQ(r.err.rfind("hearthline-cli: solve: Error, Solve for Am Period scenario", 0), 0u);
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1);
}

TEST(SolveCommand, ValuesAreReadAsTheBoxesShowThem) {
    // The rate box shows 6.000 and the payment box 1000.00: the same figures as 6 and 1000.
    const CliRun r = RunCli({"solve", "--rate", "6.0004", "--payment", "1000.004", "--frequency",
                             "1", "--amount", "100000"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "amortization_payments: 138.22\namortization_years: 11.52\n");
}

TEST(CalculatorCommands, BadInputGivesOneLineAndStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"shop"},
        {"shop", "--amount", "50000", "--rate", "7"},
        {"shop", "--amount", "50000:60000", "--rate", "7", "--years", "25"},
        {"shop", "--amount", "5e4", "--rate", "7", "--years", "25"},
        {"shop", "--amount", "-5", "--rate", "7", "--years", "25"},
        {"shop", "--amount", "600000", "--rate", "7", "--years", "25"},
        {"shop", "--amount", "50000", "--rate", "26", "--years", "25"},
        {"shop", "--amount", "50000", "--rate", "7", "--years", "0"},
        {"shop", "--amount", "60000:50000:1000", "--rate", "7", "--years", "25"},
        {"shop", "--amount", "60000:60000:1000", "--rate", "7", "--years", "25"},
        {"shop", "--amount", "50000", "--rate", "7", "--years", "25", "--amount", "1"},
        {"shop", "--amount", "50000", "--rate", "7", "--years", "25", "extra"},
        {"shop", "--amount", "50000", "--rate", "7", "--years"},
        {"solve", "--rate", "6", "--payment", "1000"},
        {"solve", "--payment", "1000", "--amount", "100000"},
        {"solve", "--rate", "6", "--amount", "100000"},
        {"solve", "--rate", "6", "--payment", "1000", "--amount", "100000", "--frequency", "5"},
        {"solve", "--rate", "6", "--payment", "2501", "--amount", "100000"},
        {"solve", "--rate", "6", "--payment", "0", "--amount", "100000"},
        {"solve", "--rate", "abc", "--payment", "100", "--amount", "100000"},
        {"solve", "--rate", "30", "--payment", "100", "--amount", "100000"},
        {"solve", "--rate", "6", "--payment", "100", "--amount", "600000"},
        {"solve", "--rate", "6", "--payment", "100", "--years", "36"},
        {"solve", "--rate", "6", "--payment", "100", "--years", "25", "--colour", "red"},
        // The payment does not cover the interest; a rate that gives no interest at all.
        {"solve", "--rate", "12", "--payment", "900", "--frequency", "1", "--amount", "100000"},
        {"solve", "--rate", "0.0001", "--payment", "900", "--frequency", "1", "--years", "25"},
    };
    for (const auto& args : cases) {
        const CliRun r = RunCli(args);
        SCOPED_TRACE(testing::PrintToString(args));
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty()) << r.out;
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1); // exactly one line
        EXPECT_EQ(r.err.rfind("hearthline-cli: ", 0), 0u);
        EXPECT_EQ(r.err.find("inf"), std::string::npos);
        EXPECT_EQ(r.err.find("nan"), std::string::npos);
    }
}

} // namespace
} // namespace hl
