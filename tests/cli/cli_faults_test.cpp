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
#include "cli_run.h"
#include "support/temp_folder.h"

namespace hl {
namespace {

using test::CliRun;
using test::RunCli;

// A complete monthly study whose lines 1 and 10 (the amount and the one table entry) are given.
std::string StudyText(const std::string& amount, const std::string& entry) {
    std::string text =
        amount + "\r\n7.25\r\n25\r\n5\r\n35065\r\n0\r\n\"\"\r\n1\r\n1\r\n" + entry + "\r\n";
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

void ExpectOneLineFailure(const CliRun& r, const std::string& words) {
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err; // exactly one line
    EXPECT_NE(r.err.find(words), std::string::npos) << r.err;
}

TEST(CliFaults, StudiesOutsideTheFormsValuesAreRefusedByEveryCommand) {
    test::TempFolder folder;
    struct Case {
        std::string amount, entry, words;
    };
    const Case cases[] = {
        {"10000000000", "35096,0,25", "line 1: the mortgage amount is 10000000000"},
        {"100000", "35096,0,-340282346638528859811704183484516925440",
         "line 10: the change to payment of payment change 1 is -3402823"},
        {"100000", "2147483647,1000,0", "line 10: the date of payment change 1 is day 2147483647"},
    };
    for (const Case& c : cases) {
        const std::string path = folder.Path("study.mtg");
        test::Spit(path, StudyText(c.amount, c.entry));
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

} // namespace
} // namespace hl
