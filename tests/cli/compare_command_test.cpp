// The compare command: the window's texts in their order, scenario two read as its boxes hold
// it, and the refusals of an unreadable, incomplete or refused study.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "files/study_file.h"
#include "support/standard_scenario.h"
#include "support/temp_folder.h"

namespace hl {
namespace {

struct CompareRun {
    int status = 0;
    std::vector<std::string> lines;
    std::string err;
};

class CompareCommand : public ::testing::Test {
  protected:
    std::string Save(const std::string& name, const Scenario& s,
                     std::vector<PaymentChange> changes = {}) {
        Study study;
        study.scenario = s;
        study.frequencyStored = true;
        study.changes.entries = std::move(changes);
        const std::string path = folder.Path(name);
        EXPECT_TRUE(WriteStudyFile(path, study));
        return path;
    }
    static CompareRun Compare(const std::vector<std::string>& args) {
        std::ostringstream out, err;
        CompareRun r;
        r.status = RunCommandLine(args, out, err);
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);)
            r.lines.push_back(line);
        r.err = err.str();
        return r;
    }
    test::TempFolder folder;
};

TEST_F(CompareCommand, NineteenLinesInTheWindowsOrder) {
    // The sample study with its changes against itself without them: the lump of 3000 is
    // scenario one's alone.
    const CompareRun r =
        Compare({"compare", Save("one.mtg", test::SampleScenario(), test::SampleChanges()),
                 Save("two.mtg", test::SampleScenario())});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> names = {
        "one_payment",      "one_regular_paid",   "one_lump_paid",   "one_closing_date",
        "one_balance",      "one_principal",      "one_interest",    "two_payment",
        "two_closing_date", "two_balance",        "two_principal",   "two_interest",
        "two_lump_paid",    "two_regular_paid",   "lump_difference", "balance_difference",
        "gross_saving",     "regular_difference", "net_saving"};
    ASSERT_EQ(r.lines.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(r.lines[i].substr(0, names[i].size() + 2), names[i] + ": ") << i;
    EXPECT_EQ(r.lines[2], "one_lump_paid: 3000.00");
    EXPECT_EQ(r.lines[3], "one_closing_date: Mar 11 1997"); // 259 weeks after Mar 24 1992
    EXPECT_EQ(r.lines[12], "two_lump_paid: 0.00");
    EXPECT_EQ(r.lines[14], "lump_difference: 3000.00");
}

TEST_F(CompareCommand, TheSameStudyTwiceShowsNoDifference) {
    const std::string one = Save("one.mtg", test::SampleScenario(), test::SampleChanges());
    const CompareRun r = Compare({"compare", one, one});
    ASSERT_EQ(r.status, 0) << r.err;
    for (std::size_t i = 14; i < 19; ++i)
        EXPECT_TRUE(r.lines[i].ends_with(": 0.00")) << r.lines[i];
}

TEST_F(CompareCommand, ScenarioTwoIsReadAsItsBoxesShowIt) {
    // A rate of 9.3754 shows "9.375" in its box, so scenario two runs at 9.375 exactly.
    Scenario finer = test::SampleScenario();
    finer.rate = 9.3754f;
    const std::string one = Save("one.mtg", test::SampleScenario());
    const CompareRun shown = Compare({"compare", one, Save("two.mtg", finer)});
    const CompareRun exact = Compare({"compare", one, one});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.lines, exact.lines);
}

TEST_F(CompareCommand, RefusalsGiveOneLineAndStatusTwo) {
    Scenario incomplete = test::SampleScenario();
    incomplete.start = 0;
    Scenario tooLong = test::SampleScenario();
    tooLong.amortization = 40.0f;
    Scenario lengthAboveAmortization = test::SampleScenario();
    lengthAboveAmortization.amortization = 4.0f;
    const std::string one = Save("one.mtg", test::StandardScenario());
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"compare", one}, "two study files"},
        {{"compare", one, folder.Path("missing.mtg")}, "cannot read"},
        {{"compare", one, Save("incomplete.mtg", incomplete)}, "incomplete"},
        // A value the input form refuses is refused as the study is read.
        {{"compare", one, Save("long.mtg", tooLong)}, "the amortization period is 40"},
        {{"compare", one, Save("term.mtg", lengthAboveAmortization)},
         "Error, Length of loan cannot exceed the Amortization period specified"},
        {{"compare", one, one, "--frequency", "2"}, "--frequency"},
    };
    for (const auto& c : cases) {
        const CompareRun r = Compare(c.args);
        EXPECT_EQ(r.status, 2) << c.says;
        EXPECT_TRUE(r.lines.empty()) << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err; // exactly one line
    }
}

} // namespace
} // namespace hl
