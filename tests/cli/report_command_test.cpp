// The report command: which reports go into the document and in what order, the schedule's
// option, the empty table's warning and the refusals, with the pages caught before any PDF.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/cli.h"
#include "cli/report_command.h"
#include "files/study_file.h"
#include "support/standard_scenario.h"
#include "support/temp_folder.h"

namespace hl {
namespace {

struct Caught {
    int status = 0;
    std::string err;
    std::string path;
    std::vector<std::string> titles; // the title of every page, in order
    std::vector<std::string> footers;
};

std::string PageTitle(const Page& page) {
    for (const PlacedText& t : page.texts)
        if (t.font.size == 16 && t.font.underline)
            return t.text;
    return "";
}

// The standard scenario, Monthly: 100000 at 10 %, 60 payments from 1 January 1996.
class ReportCommand : public ::testing::Test {
  protected:
    ReportCommand() {
        study.scenario = test::StandardScenario();
        study.tools = BlankToolSections();
        study.frequencyStored = true;
        path = folder.Path("study.mtg");
    }
    Caught Report(std::vector<std::string> options, const std::string& refusal = "") {
        test::Spit(path, WriteStudyText(study));
        options.insert(options.begin(), path);
        Caught c;
        std::ostringstream out, err;
        c.status = RunReportCommand(
            options, out, err,
            [&](const hl::Report& report, const std::string& to) -> std::optional<std::string> {
                c.path = to;
                for (const Page& p : report) {
                    c.titles.push_back(PageTitle(p));
                    const PlacedText* f = p.TextAt(78, 62);
                    c.footers.push_back(f ? f->text : "");
                }
                if (!refusal.empty())
                    return refusal;
                return std::nullopt;
            });
        c.err = err.str();
        return c;
    }
    void AddChanges(int n) {
        for (int k = 0; k < n; ++k)
            study.changes.entries.push_back(
                PaymentChange{100, 0, study.scenario.start + 31 * (k + 1)});
    }
    Study study;
    test::TempFolder folder;
    std::string path;
};

const std::string kSum = "Summary Schedule", kChg = "Schedule Payment Changes and Lump Payments",
                  kSch = "Schedule of Payments", kCond = "Condensed Schedule of Payments";

TEST_F(ReportCommand, ChoosesTheReportsAndNumbersThePagesThrough) {
    AddChanges(41);
    struct Case {
        std::vector<std::string> options;
        std::vector<std::string> titles;
    };
    const std::vector<Case> cases = {
        {{}, {kSum, kChg, kChg, kSch, kSch}},
        {{"--summary", "--schedule"}, {kSum, kSch, kSch}},
        {{"--schedule", "--changes"}, {kChg, kChg, kSch, kSch}},
        {{"--changes"}, {kChg, kChg}},
        {{"--schedule", "--option", "3"}, {kCond}},
        {{"--option=2", "--summary", "--schedule"}, {kSum, kCond}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> options = c.options;
        options.insert(options.end(), {"--output", "out.pdf"});
        SCOPED_TRACE(testing::PrintToString(options));
        const Caught r = Report(options);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.path, "out.pdf");
        EXPECT_EQ(r.titles, c.titles);
        for (std::size_t k = 0; k < r.footers.size(); ++k)
            EXPECT_EQ(r.footers[k],
                      "Page: " + std::to_string(k + 1) + " of " + std::to_string(c.titles.size()));
    }
}

TEST_F(ReportCommand, AnEmptyTableSkipsThePaymentChangesWithTheWarning) {
    const std::string warning =
        "Warning,  It has been requested to print the Payment Changes and /or Lump Payments.  "
        "None are entered.  Printing the Payment Changes is being aborted.";
    const Caught all = Report({"--output", "out.pdf"});
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.err, warning + "\n");
    EXPECT_EQ(all.titles, (std::vector<std::string>{kSum, kSch, kSch}));

    const Caught alone = Report({"--changes", "--output", "out.pdf"});
    EXPECT_EQ(alone.status, 2);
    EXPECT_EQ(alone.err, "hearthline-cli: report: " + warning + "\n");
    EXPECT_TRUE(alone.titles.empty());
}

TEST_F(ReportCommand, RefusalsAreOneLineAndStatusTwo) {
    struct Case {
        std::vector<std::string> options;
        std::string refusal; // what the writer answers
        std::string err;
    };
    const std::vector<Case> cases = {
        {{}, "", "hearthline-cli: report: no --output file given (try --help)\n"},
        {{"--output", "x.pdf", "--option", "0"},
         "",
         "hearthline-cli: report: --option must be 1 (All Payments), 2 (Loan Anniversaries only) "
         "or 3 (Year Ends only), not \"0\"\n"},
        {{"--output", "/no/such/x.pdf"},
         "cannot write /no/such/x.pdf",
         "hearthline-cli: report: cannot write /no/such/x.pdf\n"},
    };
    AddChanges(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.err);
        const Caught r = Report(c.options, c.refusal);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, c.err);
    }
}

TEST(ReportCommandLine, AnUnreadableStudyIsOneLine) {
    test::TempFolder folder;
    Study study;
    study.scenario = test::StandardScenario();
    study.tools = BlankToolSections();
    study.frequencyStored = true;
    const std::string path = folder.Path("study.mtg");
    test::Spit(path, WriteStudyText(study));
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine({"report", folder.Path("none.mtg"), "--output", "x.pdf"}, out, err),
              2);
    const std::string text = err.str();
    EXPECT_NE(text.find("cannot read the study"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
}

} // namespace
} // namespace hl
