// The graphs of the schedule without the chart widget: the points of each line, the date
// labels along the bottom, the data panel's texts and the crossover test of two-line graphs.
#pragma once

#include <string>
#include <vector>

#include "engine/schedule_file.h"

namespace hl {

/// The titles and legends of a two-line graph, in the order the callers pass them.
struct TwoLineTexts {
    std::string title;
    std::string bottomTitle;
    std::string leftTitle;
    std::string legend1; ///< line 1: principal repaid to date (item 6 of the schedule file)
    std::string legend2; ///< line 2: interest paid to date (item 7)
};

/// The texts of the schedule window's "Acc. Interest versus Acc. Principle" graph.
TwoLineTexts AccumulatedTexts();

struct GraphLine {
    std::string legend;
    std::vector<Money> values; ///< one per point, in schedule order
};

struct GraphData {
    std::string title;
    std::string bottomTitle;
    std::string leftTitle;
    std::vector<DayNumber> dates; ///< the date of each point
    std::vector<GraphLine> lines; ///< one or two
};

/// "Remaining Balance vs. Time": the balance after each payment.
GraphData BalanceGraph(const ScheduleFile& file);
/// Principal repaid to date (line 1) against interest paid to date (line 2), with the texts
/// the caller gives.
GraphData AccumulatedGraph(const ScheduleFile& file, const TwoLineTexts& texts);
/// "Components of Regular Payment": principal part (line 1) against interest part (line 2).
GraphData ComponentsGraph(const ScheduleFile& file);

/// How many points apart the date labels and tick marks stand: floor(points / s) for the first
/// s of 6, 7, 8, 9 that divides the count, or 5 when none does. Never below 1, so that a
/// graph of fewer than five points still gets a label on every point.
int LabelStep(int points);
/// The points (counted from 1) that carry a date label: the first, and every LabelStep on.
std::vector<int> LabelPoints(int points);
/// The label of a point: its date as "mmm yy".
std::string PointLabel(DayNumber date);

struct Crossover {
    int crossings = 0; ///< how often the lines changed places
    int point = 0;     ///< the point (from 1) of the last crossing, 0 when none
};

/// Walks the two lines from the first point: line 1 is above when a[1] > b[1], otherwise line 2
/// is; each point where the line below rises strictly above the other counts a crossing and
/// swaps them. Equal values never swap them.
Crossover FindCrossover(const std::vector<Money>& a, const std::vector<Money>& b);

/// The data panel and the crossover panel of the graph window.
struct GraphPanel {
    std::string text1;           ///< line 1's legend
    std::string text2;           ///< line 1 at the first point
    std::string text3;           ///< line 1 at the last point
    std::string text4;           ///< line 2's legend
    std::string text5;           ///< line 2 at the first point
    std::string text6;           ///< line 2 at the last point
    std::string text7;           ///< "No Crossover", the crossover date, or "Multiple points"
    std::string text9;           ///< line 1 at the single crossover point
    bool line2Shown = false;     ///< Text4 to Text6
    bool crossoverShown = false; ///< the crossover panel
    bool text8Shown = false;     ///< "X over point:" with its value, at a single crossover
};

/// The panels' texts for a graph.
GraphPanel PanelFor(const GraphData& graph);

} // namespace hl
