// Graph points, date labels, the data panel and the crossover test.
#include <gtest/gtest.h>

#include "core/day_number.h"
#include "core/format.h"
#include "display/graph_data.h"
#include "engine/engine_fixture.h"

namespace hl {
namespace {

using test::EngineFixture;

TEST(GraphLabels, StepIsTheCountOverItsFirstDivisorFromSixToNine) {
    EXPECT_EQ(LabelStep(300), 50);   // 300 = 6 x 50
    EXPECT_EQ(LabelStep(1300), 260); // none of 6 to 9 divides 1300: 1300 / 5
    EXPECT_EQ(LabelStep(1820), 260); // 35 years of Weekly payments: 7 x 260
    EXPECT_EQ(LabelStep(63), 9);     // 7 x 9
    EXPECT_EQ(LabelStep(64), 8);     // 8 x 8
    EXPECT_EQ(LabelStep(61), 12);    // prime: 61 / 5, rounded down
}

TEST(GraphLabels, FewPointsStillGetLabels) {
    // floor(3 / 5) would be a step of 0, which labels nothing and never moves on.
    EXPECT_EQ(LabelStep(3), 1);
    EXPECT_EQ(LabelPoints(3), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(LabelPoints(0).empty());
}

TEST(GraphLabels, LabelsStartAtTheFirstPoint) {
    EXPECT_EQ(LabelPoints(300), (std::vector<int>{1, 51, 101, 151, 201, 251}));
    const std::vector<int> weekly = LabelPoints(1820);
    EXPECT_EQ(weekly.size(), 7u);
    EXPECT_EQ(weekly.back(), 1561);
    EXPECT_EQ(PointLabel(DayFromCivil(1996, 3, 24)), "Mar 96");
    EXPECT_EQ(PointLabel(DayFromCivil(2001, 11, 1)), "Nov 01");
}

TEST(Crossover, ComponentsOfAStandardScheduleCrossOnce) {
    EngineFixture f;
    f.scenario.term = 25.0f; // the whole amortization
    const GraphData g = ComponentsGraph(f.Schedule());
    ASSERT_EQ(g.lines.size(), 2u);
    const std::vector<Money>& principal = g.lines[0].values;
    const std::vector<Money>& interest = g.lines[1].values;
    const Crossover c = FindCrossover(principal, interest);
    ASSERT_EQ(c.crossings, 1);
    // Interest starts above; the crossing is the first payment whose principal is larger.
    const std::size_t k = static_cast<std::size_t>(c.point - 1);
    EXPECT_LT(principal[0], interest[0]);
    EXPECT_GT(principal[k], interest[k]);
    EXPECT_LE(principal[k - 1], interest[k - 1]);

    const GraphPanel panel = PanelFor(g);
    EXPECT_EQ(panel.text7, FormatDate(g.dates[k], "mmm d yyyy"));
    EXPECT_TRUE(panel.text8Shown);
    // The crossover value is line 1's value at the crossing point.
    EXPECT_EQ(panel.text9, FormatNumber(principal[k], "#######0.00"));
}

TEST(Crossover, AShortScheduleHasNone) {
    EngineFixture f; // five years: interest stays above principal
    const GraphPanel panel = PanelFor(ComponentsGraph(f.Schedule()));
    EXPECT_EQ(panel.text7, "No Crossover");
    EXPECT_TRUE(panel.crossoverShown);
    EXPECT_FALSE(panel.text8Shown);
    EXPECT_EQ(panel.text9, "");
}

TEST(Crossover, TiesKeepTheState) {
    // Line 1 starts level with line 2: not above, so line 2 is above; the ties that follow
    // change nothing until line 1 rises strictly above.
    EXPECT_EQ(FindCrossover({2, 2, 2, 3}, {2, 2, 2, 2}).crossings, 1);
    EXPECT_EQ(FindCrossover({2, 2, 2, 3}, {2, 2, 2, 2}).point, 4);
    EXPECT_EQ(FindCrossover({5, 5, 5}, {5, 5, 5}).crossings, 0);
    // Above, then level, then above again: no crossing.
    EXPECT_EQ(FindCrossover({3, 2, 3}, {1, 2, 1}).crossings, 0);
    // Below, then level, then below again: none either.
    EXPECT_EQ(FindCrossover({1, 2, 1}, {3, 2, 3}).crossings, 0);
    EXPECT_EQ(FindCrossover({}, {}).crossings, 0);
    EXPECT_EQ(FindCrossover({1}, {2}).crossings, 0);
}

TEST(Crossover, LinesThatCrossTwiceReportMultiplePoints) {
    GraphData g;
    g.dates = {35065, 35096, 35125, 35156};
    g.lines = {{"a", {1, 3, 3, 1}}, {"b", {2, 2, 3, 2}}};
    const Crossover c = FindCrossover(g.lines[0].values, g.lines[1].values);
    EXPECT_EQ(c.crossings, 2);
    const GraphPanel panel = PanelFor(g);
    EXPECT_EQ(panel.text7, "Multiple points");
    EXPECT_FALSE(panel.text8Shown);
    EXPECT_EQ(panel.text9, "");
}

TEST(Crossover, AccumulatedInterestAboveAtTheStartBeginsBelowForLineOne) {
    EngineFixture f;
    f.scenario.rate = 5.0f; // about 75000 of interest over 25 years: less than the amount
    f.scenario.term = 25.0f;
    const GraphData g = AccumulatedGraph(f.Schedule(), AccumulatedTexts());
    EXPECT_LT(g.lines[0].values[0], g.lines[1].values[0]);
    const Crossover c = FindCrossover(g.lines[0].values, g.lines[1].values);
    EXPECT_EQ(c.crossings, 1);
    EXPECT_GT(c.point, 1);
    // At 10 % the interest of 25 years exceeds the amount: principal never catches up.
    EngineFixture dear;
    dear.scenario.term = 25.0f;
    const GraphData d = AccumulatedGraph(dear.Schedule(), AccumulatedTexts());
    EXPECT_EQ(FindCrossover(d.lines[0].values, d.lines[1].values).crossings, 0);
}

TEST(GraphPanel, BalanceGraphShowsOneLineAndNoCrossover) {
    EngineFixture f;
    const GraphData g = BalanceGraph(f.Schedule());
    EXPECT_EQ(g.title, "Remaining Balance vs. Time");
    EXPECT_EQ(g.bottomTitle, "Time");
    EXPECT_EQ(g.leftTitle, "$ Owing");
    ASSERT_EQ(g.lines.size(), 1u);
    EXPECT_EQ(g.lines[0].values.size(), 60u);
    const GraphPanel panel = PanelFor(g);
    EXPECT_EQ(panel.text1, "Balance");
    EXPECT_EQ(panel.text2, "99922.00");
    EXPECT_EQ(panel.text3, FormatNumber(g.lines[0].values.back(), "#######0.00"));
    EXPECT_FALSE(panel.line2Shown);
    EXPECT_FALSE(panel.crossoverShown);
    EXPECT_EQ(panel.text7, "");
}

TEST(GraphPanel, TwoLineGraphsTakeTheCallersTexts) {
    EngineFixture f;
    const ScheduleFile file = f.Schedule();
    const GraphData g = AccumulatedGraph(file, {"Balance Owing for the Two Scenarios", "Time",
                                                "$ Dollars", "Orig Mtge", "Refinance Mtge"});
    EXPECT_EQ(g.title, "Balance Owing for the Two Scenarios");
    EXPECT_EQ(g.leftTitle, "$ Dollars");
    const GraphPanel panel = PanelFor(g);
    EXPECT_EQ(panel.text1, "Orig Mtge");
    EXPECT_EQ(panel.text4, "Refinance Mtge");
    EXPECT_EQ(panel.text2, "78.00");  // principal repaid after the first payment
    EXPECT_EQ(panel.text5, "816.49"); // interest paid after it
    EXPECT_TRUE(panel.line2Shown);

    const GraphData c = ComponentsGraph(file);
    EXPECT_EQ(c.title, "Components of Regular Payment");
    EXPECT_EQ(c.lines[0].legend, "Principle");
    EXPECT_EQ(c.lines[1].legend, "Interest");
    const TwoLineTexts t = AccumulatedTexts();
    EXPECT_EQ(t.title, "Acc Prin vs. Acc Int");
    EXPECT_EQ(t.legend1, "Acc Prin");
    EXPECT_EQ(t.legend2, "Acc Int");
}

TEST(GraphPanel, AnEmptyScheduleLeavesTheBoxesEmpty) {
    const GraphPanel panel = PanelFor(ComponentsGraph(ScheduleFile{}));
    EXPECT_EQ(panel.text2, "");
    EXPECT_EQ(panel.text3, "");
    EXPECT_EQ(panel.text6, "");
    EXPECT_EQ(panel.text7, "No Crossover");
}

} // namespace
} // namespace hl
