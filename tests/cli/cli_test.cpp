// The command-line program: its output, the frequency it chooses, and how it refuses bad input.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "core/day_number.h"
#include "core/text_items.h"
#include "files/study_file.h"
#include "support/temp_folder.h"

namespace hl {
namespace {

struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

CliRun RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    CliRun r;
    r.status = RunCommandLine(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class CommandLine : public ::testing::Test {
protected:
    CommandLine() {
        study.scenario.amount = 100000.0f;
        study.scenario.rate = 10.0f;
        study.scenario.amortization = 25.0f;
        study.scenario.term = 5.0f;
        study.scenario.start = DayFromCivil(1996, 1, 1);
        study.tools = BlankToolSections();
    }
    /// Saves the study; without a frequency it is saved as older files were, item 8 empty.
    std::string Save(bool withFrequency, int frequency = kMonthly) {
        study.frequencyStored = withFrequency;
        study.scenario.frequency = static_cast<std::int16_t>(frequency);
        std::string text = WriteStudyText(study);
        if (!withFrequency) {
            std::size_t pos = 0;
            for (int line = 1; line < 8; ++line) pos = text.find("\r\n", pos) + 2;
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

TEST_F(CommandLine, SummaryPrintsTenNamedLines) {
    const CliRun r = RunCli({"summary", Save(true, kMonthly)});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    const char* names[] = {"end_balance",   "total_principal", "total_interest", "last_date",
                           "regular_payment", "total_lumps",   "extra_paid",     "total_paid",
                           "payments_made", "payment_in_effect"};
    ASSERT_EQ(lines.size(), 10u);
    for (std::size_t k = 0; k < 10; ++k) EXPECT_EQ(lines[k].rfind(std::string(names[k]) + ": ", 0), 0u);
    EXPECT_EQ(lines[3], "last_date: " + std::to_string(DayFromCivil(2000, 12, 1)));
    EXPECT_EQ(lines[4], "regular_payment: 894.49");
    EXPECT_EQ(lines[8], "payments_made: 60");
    EXPECT_EQ(r.out.find("nan"), std::string::npos);
}

TEST_F(CommandLine, FrequencyComesFromTheStudyTheOptionOrWeekly) {
    EXPECT_NE(RunCli({"summary", Save(true, kMonthly)}).out.find("payments_made: 60"), std::string::npos);
    EXPECT_NE(RunCli({"summary", Save(false)}).out.find("payments_made: 260"), std::string::npos);
    EXPECT_NE(RunCli({"summary", Save(true, kMonthly), "--frequency", "4"}).out.find("payments_made: 130"),
              std::string::npos);
    EXPECT_NE(RunCli({"summary", "--frequency=3", Save(true, kMonthly)}).out.find("payments_made: 120"),
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
    EXPECT_NE(r.out.find("schedule"), std::string::npos);
    EXPECT_NE(r.out.find("--frequency"), std::string::npos);
}

} // namespace
} // namespace hl
