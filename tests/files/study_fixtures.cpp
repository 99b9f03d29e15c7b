// Studies and study texts shared by the study file tests.
#include "files/study_fixtures.h"

#include <gtest/gtest.h>

namespace hl::test {

std::string CrLfLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines)
        out += l + "\r\n";
    return out;
}

std::vector<std::string> BlankSectionLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < 15; ++i)
        lines.push_back("\" \""); // estimate
    lines.push_back("1");         // schedule option
    lines.push_back("0");         // refinance date
    for (int i = 0; i < 7; ++i)
        lines.push_back("\" \"");
    lines.push_back("0"); // early discharge date
    lines.push_back("\" \"");
    for (int i = 0; i < 9; ++i)
        lines.push_back("\" \""); // shopper
    for (int i = 0; i < 4; ++i)
        lines.push_back("\" \""); // compare texts
    lines.push_back("0");
    lines.push_back("\" \"");
    lines.push_back("0");
    for (const char* l : {"0", "\" \"", "\" \"", "1", "1", "4"})
        lines.push_back(l); // solver
    return lines;
}

Study RichStudy() {
    Study s;
    s.scenario.amount = 249722.4f;
    s.scenario.rate = 7.125f;
    s.scenario.amortization = 22.5f;
    s.scenario.term = 3;
    s.scenario.start = 35065;
    s.scenario.comment = "Renewal, second try";
    s.scenario.frequency = kTwiceAMonth;
    s.frequencyStored = true;
    s.changes.entries = {{0, 31.49f, 35096}, {3000, 0, 35400}, {1500.5f, -12.25f, 35800}};
    ToolSections& t = s.tools;
    for (int i = 0; i < 15; ++i)
        t.estimate.texts[static_cast<std::size_t>(i)] = std::to_string(i * 1000);
    t.schedule.option = 3;
    t.refinance.date = 35500;
    t.refinance.texts = {"6.5", "150", "3", "", "1.5", " ", " "};
    t.discharge.date = 35600;
    t.discharge.text = "7.75";
    t.shopper.texts = {"100000", "150000", "10000", "6", "9", "0.5", "20", "25", "5"};
    t.compare.texts = {"120000", "6.75", "25", "5"};
    t.compare.date = 35200;
    t.compare.frequencyText = "Every Two Weeks";
    t.compare.entries = {{1000, 0, 35300}, {0, 25.5f, 35310}};
    t.solver.date = 35700;
    t.solver.texts = {"5.5", "250"};
    t.solver.check = 0;
    t.solver.searchOption = 2;
    t.solver.rateOption = 6;
    return s;
}

void ExpectSameStudy(const Study& expected, const Study& actual) {
    EXPECT_EQ(expected.scenario.amount, actual.scenario.amount);
    EXPECT_EQ(expected.scenario.rate, actual.scenario.rate);
    EXPECT_EQ(expected.scenario.amortization, actual.scenario.amortization);
    EXPECT_EQ(expected.scenario.term, actual.scenario.term);
    EXPECT_EQ(expected.scenario.start, actual.scenario.start);
    EXPECT_EQ(expected.scenario.comment, actual.scenario.comment);
    EXPECT_EQ(expected.scenario.frequency, actual.scenario.frequency);
    EXPECT_EQ(expected.frequencyStored, actual.frequencyStored);
    EXPECT_EQ(expected.changes.entries, actual.changes.entries);
    EXPECT_TRUE(expected.tools == actual.tools);
}

} // namespace hl::test
