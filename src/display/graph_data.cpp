// Graph points, date labels, panel texts and the crossover test.
#include "display/graph_data.h"

#include <algorithm>
#include <utility>

#include "core/format.h"
#include "core/translate.h"

namespace hl {

namespace {

using Item = Money ScheduleRecord::*;

GraphData Build(const ScheduleFile& file, std::string title, std::string bottom, std::string left,
                std::vector<std::pair<std::string, Item>> lines) {
    GraphData g;
    g.title = std::move(title);
    g.bottomTitle = std::move(bottom);
    g.leftTitle = std::move(left);
    g.dates.reserve(file.records.size());
    for (const ScheduleRecord& r : file.records)
        g.dates.push_back(r.date);
    for (auto& [legend, item] : lines) {
        GraphLine line;
        line.legend = std::move(legend);
        line.values.reserve(file.records.size());
        for (const ScheduleRecord& r : file.records)
            line.values.push_back(r.*item);
        g.lines.push_back(std::move(line));
    }
    return g;
}

std::string Value(const std::vector<Money>& values, std::size_t k) {
    return k < values.size() ? FormatNumber(values[k], "#######0.00") : std::string();
}

} // namespace

TwoLineTexts AccumulatedTexts() {
    return {TrText("Graphs", "Acc Prin vs. Acc Int"), TrText("Graphs", "Time"),
            TrText("Graphs", "$ Dollars"), TrText("Graphs", "Acc Prin"),
            TrText("Graphs", "Acc Int")};
}

GraphData BalanceGraph(const ScheduleFile& file) {
    return Build(file, TrText("Graphs", "Remaining Balance vs. Time"), TrText("Graphs", "Time"),
                 TrText("Graphs", "$ Owing"),
                 {{TrText("Graphs", "Balance"), &ScheduleRecord::balance}});
}

GraphData AccumulatedGraph(const ScheduleFile& file, const TwoLineTexts& texts) {
    return Build(file, texts.title, texts.bottomTitle, texts.leftTitle,
                 {{texts.legend1, &ScheduleRecord::principalToDate},
                  {texts.legend2, &ScheduleRecord::interestToDate}});
}

GraphData ComponentsGraph(const ScheduleFile& file) {
    return Build(file, TrText("Graphs", "Components of Regular Payment"), TrText("Graphs", "Time"),
                 TrText("Graphs", "$ Dollars"),
                 {{TrText("Graphs", "Principle"), &ScheduleRecord::principal},
                  {TrText("Graphs", "Interest"), &ScheduleRecord::interest}});
}

int LabelStep(int points) {
    int s = 5;
    for (int d = 6; d <= 9; ++d) {
        if (points % d == 0) {
            s = d;
            break;
        }
    }
    const int step = points / s;
    return step < 1 ? 1 : step;
}

std::vector<int> LabelPoints(int points) {
    std::vector<int> out;
    const int step = LabelStep(points);
    for (int k = 1; k <= points; k += step)
        out.push_back(k);
    return out;
}

std::string PointLabel(DayNumber date) { return FormatDate(date, "mmm yy"); }

Crossover FindCrossover(const std::vector<Money>& a, const std::vector<Money>& b) {
    Crossover c;
    const std::size_t n = std::min(a.size(), b.size());
    if (n == 0)
        return c;
    bool firstAbove = a[0] > b[0];
    for (std::size_t k = 1; k < n; ++k) {
        if ((firstAbove && b[k] > a[k]) || (!firstAbove && a[k] > b[k])) {
            ++c.crossings;
            c.point = static_cast<int>(k) + 1;
            firstAbove = !firstAbove;
        }
    }
    return c;
}

GraphPanel PanelFor(const GraphData& graph) {
    GraphPanel p;
    if (graph.lines.empty())
        return p;
    const std::vector<Money>& a = graph.lines[0].values;
    p.text1 = graph.lines[0].legend;
    p.text2 = Value(a, 0);
    p.text3 = a.empty() ? std::string() : Value(a, a.size() - 1);
    if (graph.lines.size() < 2)
        return p;

    const std::vector<Money>& b = graph.lines[1].values;
    p.line2Shown = true;
    p.text4 = graph.lines[1].legend;
    p.text5 = Value(b, 0);
    p.text6 = b.empty() ? std::string() : Value(b, b.size() - 1);

    p.crossoverShown = true;
    const Crossover c = FindCrossover(a, b);
    if (c.crossings == 0) {
        p.text7 = TrText("Graphs", "No Crossover");
    } else if (c.crossings == 1) {
        const std::size_t k = static_cast<std::size_t>(c.point - 1);
        p.text7 = k < graph.dates.size() ? FormatDate(graph.dates[k], "mmm d yyyy") : "";
        p.text8Shown = true;
        p.text9 = Value(a, k);
    } else {
        p.text7 = TrText("Graphs", "Multiple points");
    }
    return p;
}

} // namespace hl
