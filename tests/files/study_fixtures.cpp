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

void SetTexts(ToolSection& section, std::size_t first, std::initializer_list<const char*> texts) {
    for (const char* text : texts)
        section.SetText(first++, text);
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
    s.changes.entries = {{0, 31.49f, 35096}, {3000, 0, 35400}, {1500.5f, 12.25f, 35800}};
    ToolSections& t = s.tools;
    ToolSection& estimate = t[ToolFile::Estimate];
    for (std::size_t i = 0; i < 15; ++i)
        estimate.SetText(i, std::to_string(i * 1000));
    t[ToolFile::ScheduleOption].SetWhole(0, 3);
    ToolSection& refinance = t[ToolFile::Refinance];
    refinance.SetDay(0, 35500);
    SetTexts(refinance, 1, {"6.5", "150", "3", "", "1.5", "2", "9"});
    ToolSection& discharge = t[ToolFile::Discharge];
    discharge.SetDay(0, 35600);
    discharge.SetText(1, "7.75");
    SetTexts(t[ToolFile::Shopper], 0,
             {"100000", "150000", "10000", "6", "9", "0.5", "20", "25", "5"});
    ToolSection& compare = t[ToolFile::Compare];
    SetTexts(compare, 0, {"120000", "6.75", "25", "5"});
    compare.SetDay(4, 35200);
    compare.SetText(5, "Every Two Weeks");
    compare.groups = {{1000, 0, 35300}, {0, 25.5f, 35310}};
    ToolSection& solver = t[ToolFile::Solver];
    solver.SetDay(0, 35700);
    SetTexts(solver, 1, {"5.5", "250"});
    solver.SetWhole(3, 0);
    solver.SetWhole(4, 2);
    solver.SetWhole(5, 6);
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
    EXPECT_TRUE(expected.lender == actual.lender);
}

} // namespace hl::test
