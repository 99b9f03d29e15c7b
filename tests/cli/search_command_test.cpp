// The refinance search command: the table's rows as tab-separated lines, the nothing-found
// message, and the refusals in the order a user meets them.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "cli_run.h"
#include "files/study_file.h"
#include "support/standard_scenario.h"
#include "support/temp_folder.h"

namespace hl {
namespace {

using test::CliRun;
using test::RunCli;

std::size_t Lines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

const char* kNothingFound = "hearthline-cli: refinance-search: No refinance savings where found.  "
                            "Look closer at the Early Dishcarge Penalty. It is usually the "
                            "culprit.\n";

// The standard scenario, Monthly: 100000 at 10 %, 60 payments from 1 January 1996.
class SearchCommand : public ::testing::Test {
  protected:
    SearchCommand() {
        study.scenario = test::StandardScenario();
        study.tools = BlankToolSections();
        study.frequencyStored = true;
        path = folder.Path("study.mtg");
        test::Spit(path, WriteStudyText(study));
    }
    CliRun Search(std::vector<std::string> options) const {
        options.insert(options.begin(), {"refinance-search", path});
        return RunCli(options);
    }
    Study study;
    test::TempFolder folder;
    std::string path;
};

TEST_F(SearchCommand, PrintsOneLinePerRowWithTheCellsJoinedByTabs) {
    // With the CMHC rule, 1 January 1999 (36 payments made) saves at 8.55 with the three-month
    // penalty.
    const CliRun one = Search({"--mode", "rate", "--date", "1999-01-01", "--cmhc"});
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(one.out, "Jan 1 1999\t8.550\t894.49\t2369.88\t93991.93\t93900.29\t91.64\n");
    EXPECT_TRUE(one.err.empty());

    // The same date first of a search to the end of the term: 21 dates save, each at most once.
    const CliRun both = Search({"--mode", "both", "--date", "1999-01-01", "--cap", "10", "--cmhc"});
    ASSERT_EQ(both.status, 0) << both.err;
    EXPECT_EQ(both.out.rfind(one.out, 0), 0u);
    EXPECT_EQ(Lines(both.out), 21u);
    EXPECT_NE(both.out.find("\nSep 1 2000\t2.400\t"), std::string::npos);

    // Date only: from the day after the start, every line at the one rate, read to 0.001.
    const CliRun date = Search(
        {"--mode", "date", "--cap", "8", "--penalty", "future-value", "--date", "2000-06-01"});
    ASSERT_EQ(date.status, 0) << date.err;
    EXPECT_EQ(Lines(date.out), 44u);
    EXPECT_EQ(date.out.rfind("Jan 2 1996\t8.000\t", 0), 0u);
    std::istringstream lines(date.out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_NE(line.find("\t8.000\t"), std::string::npos) << line;
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 6) << line;
    }

    // The command word may come after options.
    const CliRun later =
        RunCli({"--mode", "rate", "--cmhc", "refinance-search", path, "--date", "1999-01-01"});
    EXPECT_EQ(later.out, one.out);
}

TEST_F(SearchCommand, PenaltyMethodsAndCosts) {
    struct Case {
        std::vector<std::string> options;
        const char* out; ///< the whole output
    };
    // One date (Interest Rate only): the first rate that saves under each method, and none
    // once the costs are too large.
    const Case cases[] = {
        {{"--penalty", "accumulated"}, ""},
        {{"--penalty", "scenario"}, ""},
        {{"--penalty", "future-value"},
         "Jun 1 1999\t8.250\t894.49\t2356.87\t93991.92\t93967.86\t24.06\n"},
        {{"--penalty", "future-value", "--costs", "100000"}, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> options = {"--mode", "rate", "--date", "1999-06-01"};
        options.insert(options.end(), c.options.begin(), c.options.end());
        SCOPED_TRACE(testing::PrintToString(options));
        const CliRun r = Search(options);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, *c.out ? "" : kNothingFound);
    }
}

TEST_F(SearchCommand, NothingFoundPrintsTheMessageAndSucceeds) {
    for (const char* cap : {"10", "0.04"}) {
        const CliRun r =
            Search({"--mode", "both", "--date", "1998-06-15", "--cap", cap, "--costs", "400000"});
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(r.err, kNothingFound);
    }
}

TEST_F(SearchCommand, RefusesAsTheWindowInItsOrder) {
    const std::string above =
        "Error, value entered in the Interest Rate box must be less than the scenario interest "
        "rate (currently set at: 10.000 %).  If not the bank would owe you money.  Think that "
        "will ever happen ? Lower the discharge interest rate.  A valid value (or nothing) must "
        "be entered to continue.  Do you want to correct your input. (Selecting [No] will clear "
        "the field).";
    struct Case {
        std::vector<std::string> options;
        std::string line; ///< after "hearthline-cli: refinance-search: "
    };
    // The cap first (in every mode, even where the search ignores it), then the mode's required
    // inputs, then the first date.
    const Case cases[] = {
        {{"--mode", "both", "--cap", "12"}, above},
        {{"--mode", "rate", "--cap", "12", "--date", "1998-06-15"}, above},
        {{"--mode", "date", "--cap", "0.0004"},
         "Error, value entered in the Interest Rate box must be between 1 and 25"},
        {{"--mode", "both", "--cap", "8"},
         "Error, When solving for both date and interest rate, both are required input.  "
         "Please ensure they are filled in."},
        {{"--mode", "both", "--date", "1998-06-15"},
         "Error, When solving for both date and interest rate, both are required input.  "
         "Please ensure they are filled in."},
        {{"--mode", "date", "--date", "1998-06-15"},
         "Error, When Solving for the Date only, you must input an interest rate.  Please "
         "input a valid interest rate."},
        {{"--mode", "rate", "--cap", "8"},
         "Error, When Solving for the Interest Rate only, you must input a discharge date.  "
         "Please input a valid discharge date."},
        {{"--mode", "both", "--cap", "8", "--date", "1996-01-01"},
         "Error - Discharge date is out of the term of the mortgage.  Please adjust the "
         "discharge date so that it falls within the loan time frame."},
        {{"--mode", "rate", "--date", "2000-12-02"},
         "Error - Discharge date is out of the term of the mortgage.  Please adjust the "
         "discharge date so that it falls within the loan time frame."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.options));
        const CliRun r = Search(c.options);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(r.err, "hearthline-cli: refinance-search: " + c.line + "\n");
    }
}

TEST_F(SearchCommand, BadInputGivesOneLine) {
    const std::vector<std::vector<std::string>> cases = {
        {"refinance-search", path},
        {"refinance-search", path, "--mode", "sideways"},
        {"refinance-search", "--mode", "both", "--date", "1998-06-15", "--cap", "8"},
        {"refinance-search", path, "--mode", "both", "--date", "soon", "--cap", "8"},
        {"refinance-search", path, "--mode", "both", "--date", "1998-06-15", "--cap", "8%"},
        {"refinance-search", path, "--mode", "both", "--date", "1998-06-15", "--cap", "8",
         "--costs", "1,000"},
        {"refinance-search", path, "--mode", "rate", "--date", "1998-06-15", "--penalty", "lots"},
        {"refinance-search", path, "--mode", "rate", "--date", "1998-06-15", "--rate", "7"},
        {"refinance-search", path, "--mode", "rate", "--date", "1998-06-15", "--cmhc=yes"},
        {"refinance-search", folder.Path("missing.mtg"), "--mode", "rate", "--date", "1998-06-15"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(testing::PrintToString(args));
        const CliRun r = RunCli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1);
    }
    const CliRun help = RunCli({"--help"});
    for (const char* word : {"refinance-search", "--mode", "--cap", "--costs", "--cmhc",
                             "future-value", "accumulated"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
}

} // namespace
} // namespace hl
