// The command line under hostile conditions: studies outside the form's values, no temporary
// folder, output that cannot be written, a failing command, and values that show as 0.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <new>
#include <sstream>
#include <stdexcept>
#include <streambuf>

#include "cli/cli.h"
#include "cli/guarded_run.h"
#include "cli/report_command.h"
#include "cli_run.h"
#include "support/temp_folder.h"

namespace hl {
namespace {

using test::CliRun;
using test::RunCli;

// A complete study of the given lines 1 to 5 and 8 and table entries (lines of their own).
std::string StudyText(const std::vector<std::string>& fields, const std::string& frequency,
                      const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& field : fields)
        text += field + "\r\n";
    text += "0\r\n\"\"\r\n" + frequency + "\r\n" + std::to_string(entries.size()) + "\r\n";
    for (const std::string& entry : entries)
        text += entry + "\r\n";
    for (int i = 0; i < 15; ++i)
        text += "\" \"\r\n";
    text += "1\r\n0\r\n";
    for (int i = 0; i < 7; ++i)
        text += "\" \"\r\n";
    text += "0\r\n\" \"\r\n";
    for (int i = 0; i < 13; ++i)
        text += "\" \"\r\n";
    text += "0\r\n\" \"\r\n0\r\n0\r\n\" \"\r\n\" \"\r\n1\r\n1\r\n4\r\n";
    return text;
}

// A complete monthly study whose amount and table entries are given.
std::string StudyText(const std::string& amount, const std::vector<std::string>& entries) {
    return StudyText({amount, "7.25", "25", "5", "35065"}, "1", entries);
}
std::string StudyText(const std::string& amount, const std::string& entry) {
    return StudyText(amount, std::vector<std::string>{entry});
}

bool HasControls(const std::string& text) {
    for (const char c : text)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7f)
            return true;
    return false;
}

void ExpectOneLineFailure(const CliRun& r, const std::string& words) {
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err; // exactly one line
    EXPECT_NE(r.err.find(words), std::string::npos) << r.err;
    EXPECT_FALSE(HasControls(r.err)) << r.err; // nothing a terminal would obey
}

TEST(CliFaults, StudiesOutsideTheFormsValuesAreRefusedByEveryCommand) {
    test::TempFolder folder;
    struct Case {
        std::string amount;
        std::vector<std::string> entries;
        std::string words;
    };
    const Case cases[] = {
        {"10000000000", {"35096,0,25"}, "line 1: the mortgage amount is 10000000000"},
        {"100000",
         {"35096,0,-340282346638528859811704183484516925440"},
         "line 10: the change to payment of payment change 1 is -3402823"},
        {"100000",
         {"2147483647,1000,0"},
         "line 10: the date of payment change 1 is day 2147483647"},
        // The engine's one cursor would never apply an entry out of date order.
        {"100000",
         {"35127,0,25", "35096,1000,0"},
         "line 11: the date of payment change 2 is day 35096, not after day 35127 of payment "
         "change 1: the changes must be in date order"},
        {"100000", {"35096,0,25", "35096,1000,0"}, "line 11: the date of payment change 2 is day"},
        // Bytes that would set the terminal's title and ring its bell are shown escaped.
        {"\x1b]0;owned\x07\x1b[2J",
         {"35096,0,25"},
         "line 1: \"\\x1b]0;owned\\x07\\x1b[2J\" is not a number"},
    };
    for (const Case& c : cases) {
        const std::string path = folder.Path("study.mtg");
        test::Spit(path, StudyText(c.amount, c.entries));
        for (const char* command : {"schedule", "summary"}) {
            SCOPED_TRACE(std::string(command) + " " + c.words);
            ExpectOneLineFailure(RunCli({command, path}), c.words);
        }
    }
    test::Spit(folder.Path("good.mtg"), StudyText("100000", "35096,0,25"));
    EXPECT_EQ(RunCli({"summary", folder.Path("good.mtg")}).status, 0);
}

TEST(CliFaults, TheScheduleNeedsNoTemporaryFolder) {
    test::TempFolder folder;
    test::Spit(folder.Path("study.mtg"), StudyText("100000", "35096,0,25"));
    const char* was = std::getenv("TMPDIR");
    const std::string kept = was ? was : "";
    setenv("TMPDIR", "/nonexistent/hearthline", 1);
    const CliRun r = RunCli({"schedule", folder.Path("study.mtg")});
    if (was)
        setenv("TMPDIR", kept.c_str(), 1);
    else
        unsetenv("TMPDIR");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 10), "60\n100000\n");
}

// A stream whose every write fails, as standard output does on a full disk.
class FullDisk : public std::streambuf {
  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(CliFaults, EveryFailureEndsInOneLineAndStatusTwo) {
    struct Case {
        const char* what;
        std::function<int(std::ostream&)> command;
        bool fullDisk;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {"done", [](std::ostream& out) { return static_cast<int>(!(out << "x\n")); }, false, 0, ""},
        {"refused", [](std::ostream&) { return 2; }, false, 2, ""},
        {"output lost",
         [](std::ostream& out) {
             out << "1,35065,894.49\n";
             return 0;
         },
         true, 2, "hearthline-cli: cannot write the output\n"},
        {"exception", [](std::ostream&) -> int { throw std::runtime_error("no room"); }, false, 2,
         "hearthline-cli: the command failed: no room\n"},
        {"out of memory", [](std::ostream&) -> int { throw std::bad_alloc(); }, false, 2,
         "hearthline-cli: the command failed: std::bad_alloc\n"},
        {"anything", [](std::ostream&) -> int { throw 7; }, false, 2,
         "hearthline-cli: the command failed\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FullDisk full;
        std::ostringstream good, err;
        std::ostream bad(&full);
        std::ostream& out = c.fullDisk ? bad : static_cast<std::ostream&>(good);
        EXPECT_EQ(RunGuarded([&] { return c.command(out); }, out, err), c.status);
        EXPECT_EQ(err.str(), c.err);
    }
}

// A value that its box shows as 0 is refused as 0 is, rather than computed into 0.00 figures.
TEST(CliFaults, ValuesThatShowAsZeroAreRefused) {
    const std::vector<std::vector<std::string>> cases = {
        {"solve", "--rate", "6", "--payment", "0.001", "--years", "25"},
        {"solve", "--rate", "6", "--payment", "0.004", "--frequency", "1", "--amount", "1000"},
        {"solve", "--rate", "0.0004", "--payment", "900", "--frequency", "1", "--years", "25"},
        {"solve", "--rate", "6", "--payment", "100", "--amount", "0.001"},
        {"solve", "--rate", "6", "--payment", "100", "--years", "0.004"},
        {"shop", "--amount", "0.001", "--rate", "7", "--years", "25"},
        {"shop", "--amount", "50000", "--rate", "0.0004", "--years", "25"},
        {"shop", "--amount", "50000", "--rate", "7", "--years", "0.001"},
        {"shop", "--amount", "50000:60000:0.004", "--rate", "7", "--years", "25"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(testing::PrintToString(args));
        ExpectOneLineFailure(RunCli(args), "hearthline-cli: ");
    }
    // The smallest values the boxes show are still taken.
    EXPECT_EQ(RunCli({"solve", "--rate", "6", "--payment", "0.01", "--years", "25"}).status, 0);
    EXPECT_EQ(RunCli({"shop", "--amount", "0.01", "--rate", "0.001", "--years", "0.01"}).status, 0);
}

// A penalty is never below zero: where the Future Value Method's difference falls below it the
// figure is 0.00, and every other figure stays as it was.
TEST(CliFaults, TheFutureValuePenaltyIsNeverBelowZero) {
    test::TempFolder folder;
    struct Case {
        const char* what;
        std::vector<std::string> fields; ///< amount, rate, amortization, length, start
        std::string frequency;
        std::vector<std::string> entries;
        std::string date, rate, futureValue, rest; ///< rest: the three lines after it
    };
    // The figures come from the command before the mend, which printed -1515.44 and -0.01.
    const Case cases[] = {
        {"paid off before the end of its term",
         {"368690", "14.358", "5", "7", "35187"},
         "2",
         {"35307,5000,100"},
         "1999-05-03",
         "13.358",
         "0.00",
         "accumulated_interest: 5345.48\nactual_scenario: 799.27\nthree_month: 4995.28\n"},
        {"the scenario's rate",
         {"100000", "7.25", "25", "5", "35065"},
         "1",
         {},
         "1996-06-15",
         "7.25",
         "0.00",
         ""},
        {"a cent above zero stays",
         {"100000", "8.5", "25", "5", "35065"},
         "1",
         {},
         "1998-05-03",
         "8.5",
         "0.01",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = folder.Path("study.mtg");
        test::Spit(path, StudyText(c.fields, c.frequency, c.entries));
        const CliRun r = RunCli({"discharge", path, "--date", c.date, "--rate", c.rate});
        EXPECT_EQ(r.status, 0) << r.err;
        const std::string line = "future_value: " + c.futureValue + "\n";
        EXPECT_NE(r.out.find(line + c.rest), std::string::npos) << r.out;
    }
}

// A refusal is one line: the engine's warnings print only when results follow.
TEST(CliFaults, ARefusalCarriesNoEngineWarning) {
    test::TempFolder folder;
    // A lump payment above the balance: the schedule run warns.
    const std::string path = folder.Path("study.mtg");
    test::Spit(path, StudyText("10000", "35096,20000,0"));
    const auto report = [&](const std::vector<std::string>& args) {
        std::ostringstream out, err;
        CliRun r;
        r.status = RunReportCommand(args, out, err, [](const Report&, const std::string& to) {
            return std::optional<std::string>("cannot write " + to);
        });
        r.err = err.str();
        return r;
    };
    struct Case {
        const char* what;
        std::function<CliRun()> run;
        std::string words;
    };
    const Case cases[] = {
        {"discharge",
         [&] {
             return RunCli({"discharge", path, "--date", "1996-01-15", "--rate", "9"});
         },
         "must be less than the scenario interest rate"},
        {"refinance",
         [&] {
             return RunCli({"refinance", path, "--date", "1996-01-15", "--rate", "9"});
         },
         "must be less than the scenario interest rate"},
        {"report",
         [&] {
             return report({path, "--output", "/no/such/x.pdf"});
         },
         "report: cannot write /no/such/x.pdf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectOneLineFailure(c.run(), c.words);
    }
    // With results the warning is still there.
    const CliRun summary = RunCli({"summary", path});
    EXPECT_EQ(summary.status, 0);
    EXPECT_EQ(summary.err.rfind("Mtge Warning - please note... The extra payment of $ 20000.00", 0),
              0u)
        << summary.err;
}

// A length of loan that holds no payment at its frequency leaves nothing to run.
TEST(CliFaults, ALengthOfLoanShorterThanOnePaymentIsRefused) {
    test::TempFolder folder;
    struct Case {
        std::string term, frequency;
        bool refused;
    };
    const Case cases[] = {
        {"0.000000000000000000000000000000000000000000001", "1", true}, // 1e-45, in plain form
        {"0.04", "1", true},    // 0.48 of a Monthly payment rounds to none
        {"0.04", "2", false},   // two Weekly payments
        {"0.0417", "1", false}, // 0.5004 rounds to one
    };
    for (const Case& c : cases) {
        const std::string path = folder.Path("study.mtg");
        test::Spit(path, StudyText({"100000", "7.25", "25", c.term, "35065"}, c.frequency, {}));
        for (const char* command : {"schedule", "summary"}) {
            SCOPED_TRACE(std::string(command) + " " + c.term + " " + c.frequency);
            const CliRun r = RunCli({command, path});
            if (c.refused)
                ExpectOneLineFailure(r, "years is shorter than one Monthly payment: the schedule "
                                        "would hold no payment");
            else
                EXPECT_EQ(r.status, 0) << r.err;
        }
    }
}

} // namespace
} // namespace hl
