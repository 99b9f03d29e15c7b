// The graph window offscreen: a drawn chart (checked on its picture), titles, legends, date
// labels and fonts, the data and crossover panels, and the two-line operation on a schedule
// file written by someone else.
#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTest>
#include <QValueAxis>

#include <string>

#include "core/format.h"
#include "display/graph_data.h"
#include "display/ui/graph_window.h"
#include "display_fixture.h"
#include "engine/schedule_file.h"
#include "support/temp_folder.h"
#include "support/widget_lookup.h"
#include "support/window_test_bed.h"
#include "support/window_test_main.h"

using namespace hl;
using hl::test::Child;
using hl::test::Owned;
using hl::test::WindowTestBed;

namespace {

struct Point {
    float principalToDate;
    float interestToDate;
};

// A schedule file as the refinance analysis writes it: monthly dates from January 1996, the
// two accumulated items given, the other items zero.
std::string ScheduleText(const std::vector<Point>& points, int announced = -1) {
    std::string text = std::to_string(announced < 0 ? points.size() : announced) + "\r\n1000\r\n";
    for (std::size_t k = 0; k < points.size(); ++k) {
        const int n = static_cast<int>(k);
        text += std::to_string(k + 1) + "," +
                std::to_string(DayFromCivil(1996 + n / 12, 1 + n % 12, 1)) + ",0,0,0," +
                FormatNumber(points[k].principalToDate, "0.00") + "," +
                FormatNumber(points[k].interestToDate, "0.00") + ",0,0,0\r\n";
    }
    return text;
}

QChart* ChartOf(QWidget* w) { return Child<QChartView>(w, "Graph1")->chart(); }

// Pixels of the plot area in a line colour: strongly coloured, unlike the white background,
// the grey grid and the black text.
int LinePixels(QWidget* window) {
    auto* view = Child<QChartView>(window, "Graph1");
    const QImage picture = window->grab().toImage();
    const QRect plot = view->mapFromScene(view->chart()->plotArea()).boundingRect();
    const QRect area(view->mapTo(window, plot.topLeft()), plot.size());
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (QColor(picture.pixel(x, y)).hsvSaturation() > 100)
                ++count;
    return count;
}

} // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void opensEmptyWithTheCrossoverPanelHidden();
    void drawsAChartNotABlankArea();
    void twoLineOperationTakesItsFiveTexts();
    void crossoverReportFollowsEachRedraw();
    void labelsEveryStepPointsWithSmallFonts();
    void aShortFileGivesThePointsItHolds();
    void graphPictureIsTheGraph();
    void closeUnloadsTheWindow();
};

void GraphWindowTest::opensEmptyWithTheCrossoverPanelHidden() {
    WindowTestBed bed;
    Owned<GraphWindow> w(new GraphWindow(bed.context));
    w->show();
    QCOMPARE(w->objectName(), QStringLiteral("Form6"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Graph"));
    QVERIFY(!Child<QWidget>(w.get(), "Shape2")->isVisible());
    QVERIFY(ChartOf(w.get())->series().isEmpty());
}

void GraphWindowTest::drawsAChartNotABlankArea() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    bed.session.scenario.term = 25.0f;
    SilentMessages quiet;
    QVERIFY(WriteScheduleFiles(bed.session.folder, RunSchedule(bed.session.Inputs(), quiet)));
    Owned<GraphWindow> w(new GraphWindow(bed.context));
    w->show();
    QApplication::processEvents();
    const int blank = LinePixels(w.get());
    w->DrawTwoLineGraph("Acc Prin vs. Acc Int", "Time", "$ Dollars", "Acc Prin", "Acc Int");
    QApplication::processEvents();
    const int drawn = LinePixels(w.get());
    QCOMPARE(blank, 0);
    // Two lines across the plot: at least one coloured pixel per column of it.
    const int width = qRound(ChartOf(w.get())->plotArea().width());
    QVERIFY2(drawn > width,
             qPrintable(QStringLiteral("%1 line pixels, plot %2 wide").arg(drawn).arg(width)));
}

void GraphWindowTest::twoLineOperationTakesItsFiveTexts() {
    WindowTestBed bed;
    // Line 1 starts below, rises above at point 3 and stays there: one crossover.
    test::Spit(bed.folder.Path("$$temp.bin"),
               ScheduleText({{10, 15}, {20, 21}, {30.5f, 25}, {40, 26}, {45, 26}}));
    Owned<GraphWindow> w(new GraphWindow(bed.context));
    w->show();
    w->DrawTwoLineGraph("Balance Owing for the Two Scenarios", "Time", "$ Dollars", "Orig Mtge",
                        "Refinance Mtge");
    QChart* chart = ChartOf(w.get());
    QCOMPARE(chart->title(), QStringLiteral("Balance Owing for the Two Scenarios"));
    QCOMPARE(chart->axes(Qt::Horizontal).value(0)->titleText(), QStringLiteral("Time"));
    QCOMPARE(chart->axes(Qt::Vertical).value(0)->titleText(), QStringLiteral("$ Dollars"));
    QCOMPARE(chart->series().size(), 2);
    QCOMPARE(chart->series()[0]->name(), QStringLiteral("Orig Mtge"));
    QCOMPARE(chart->series()[1]->name(), QStringLiteral("Refinance Mtge"));
    auto* line1 = qobject_cast<QLineSeries*>(chart->series()[0]);
    QCOMPARE(line1->count(), 5);
    QCOMPARE(line1->at(2), QPointF(3, 30.5));

    QCOMPARE(Child<QLineEdit>(w.get(), "Text1")->text(), QStringLiteral("Orig Mtge"));
    QCOMPARE(Child<QLineEdit>(w.get(), "Text2")->text(), QStringLiteral("10.00"));
    QCOMPARE(Child<QLineEdit>(w.get(), "Text3")->text(), QStringLiteral("45.00"));
    QCOMPARE(Child<QLineEdit>(w.get(), "Text4")->text(), QStringLiteral("Refinance Mtge"));
    QCOMPARE(Child<QLineEdit>(w.get(), "Text5")->text(), QStringLiteral("15.00"));
    QCOMPARE(Child<QLineEdit>(w.get(), "Text6")->text(), QStringLiteral("26.00"));
    QVERIFY(Child<QWidget>(w.get(), "Shape2")->isVisible());
    QCOMPARE(Child<QLineEdit>(w.get(), "Text7")->text(), QStringLiteral("Mar 1 1996"));
    QVERIFY(Child<QLineEdit>(w.get(), "Text8")->isVisible());
    QCOMPARE(Child<QLineEdit>(w.get(), "Text8")->text(), QStringLiteral("X over point:"));
    // The value of line 1 where it crossed.
    QCOMPARE(Child<QLineEdit>(w.get(), "Text9")->text(), QStringLiteral("30.50"));
}

void GraphWindowTest::crossoverReportFollowsEachRedraw() {
    WindowTestBed bed;
    Owned<GraphWindow> w(new GraphWindow(bed.context));
    w->show();
    auto draw = [&](const std::vector<Point>& points) {
        test::Spit(bed.folder.Path("$$temp.bin"), ScheduleText(points));
        w->DrawTwoLineGraph("t", "b", "l", "one", "two");
        return Child<QLineEdit>(w.get(), "Text7")->text();
    };
    QCOMPARE(draw({{1, 2}, {3, 2}}), QStringLiteral("Feb 1 1996"));
    QVERIFY(Child<QLineEdit>(w.get(), "Text8")->isVisible());
    QCOMPARE(draw({{1, 2}, {3, 2}, {1, 2}}), QStringLiteral("Multiple points"));
    QVERIFY(!Child<QLineEdit>(w.get(), "Text8")->isVisible());
    QCOMPARE(Child<QLineEdit>(w.get(), "Text9")->text(), QString());
    // Ties keep line 2 above: nothing crosses.
    QCOMPARE(draw({{2, 2}, {2, 2}, {1, 2}}), QStringLiteral("No Crossover"));
    QVERIFY(!Child<QLineEdit>(w.get(), "Text8")->isVisible());

    // A one-line graph hides line 2's boxes and the crossover panel.
    w->DrawGraph(BalanceGraph(ReadAvailableSchedule(bed.session.folder)));
    QVERIFY(!Child<QWidget>(w.get(), "Shape2")->isVisible());
    QVERIFY(!Child<QLineEdit>(w.get(), "Text4")->isVisible());
    QVERIFY(!Child<QLineEdit>(w.get(), "Text6")->isVisible());
    QCOMPARE(ChartOf(w.get())->series().size(), 1);
}

void GraphWindowTest::labelsEveryStepPointsWithSmallFonts() {
    WindowTestBed bed;
    std::vector<Point> points;
    for (int k = 0; k < 300; ++k)
        points.push_back({static_cast<float>(k), 100.0f});
    test::Spit(bed.folder.Path("$$temp.bin"), ScheduleText(points));
    Owned<GraphWindow> w(new GraphWindow(bed.context));
    w->DrawTwoLineGraph("t", "b", "l", "one", "two");
    QChart* chart = ChartOf(w.get());
    auto* x = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
    QVERIFY(x);
    // Every 50th point from the first: Jan 96, Mar 00, May 04, ...
    const QStringList labels = x->categoriesLabels();
    QCOMPARE(labels.size(), 6);
    QCOMPARE(labels[0], QStringLiteral("Jan 96"));
    QCOMPARE(labels[1], QStringLiteral("Mar 00"));
    QCOMPARE(x->endValue(labels[1]), 51.0);
    QCOMPARE(x->endValue(labels[5]), 251.0);

    const double standard = QApplication::font().pointSizeF();
    QCOMPARE(chart->titleFont().pointSizeF(), standard * 1.10);
    QCOMPARE(chart->legend()->font().pointSizeF(), standard * 0.75);
    QCOMPARE(x->labelsFont().pointSizeF(), standard * 0.75);
    QCOMPARE(x->titleFont().pointSizeF(), standard * 0.75);
    QCOMPARE(chart->titleFont().styleHint(), QFont::SansSerif);

    // Weekly points repeat a month's label; each repeat still gets its own category.
    std::string weekly = "12\r\n1000\r\n";
    for (int k = 0; k < 12; ++k)
        weekly += std::to_string(k + 1) + "," + std::to_string(DayFromCivil(1996, 1, 1) + 7 * k) +
                  ",0,0,0,1,2,0,0,0\r\n";
    test::Spit(bed.folder.Path("$$temp.bin"), weekly);
    w->DrawTwoLineGraph("t", "b", "l", "one", "two");
    x = qobject_cast<QCategoryAxis*>(ChartOf(w.get())->axes(Qt::Horizontal).value(0));
    QCOMPARE(x->count(), 6); // 12 points, a label every second one
    QCOMPARE(x->categoriesLabels()[1].left(6), QStringLiteral("Jan 96"));
}

void GraphWindowTest::aShortFileGivesThePointsItHolds() {
    WindowTestBed bed;
    test::Spit(bed.folder.Path("$$temp.bin"), ScheduleText({{1, 2}, {2, 3}, {3, 4}}, 10));
    Owned<GraphWindow> w(new GraphWindow(bed.context));
    w->DrawTwoLineGraph("t", "b", "l", "one", "two");
    QCOMPARE(qobject_cast<QLineSeries*>(ChartOf(w.get())->series()[0])->count(), 3);
    QCOMPARE(Child<QLineEdit>(w.get(), "Text3")->text(), QStringLiteral("3.00"));
    // No file at all: an empty graph and empty boxes.
    QFile::remove(QString::fromStdString(bed.folder.Path("$$temp.bin")));
    w->DrawTwoLineGraph("t", "b", "l", "one", "two");
    QCOMPARE(qobject_cast<QLineSeries*>(ChartOf(w.get())->series()[0])->count(), 0);
    QCOMPARE(Child<QLineEdit>(w.get(), "Text3")->text(), QString());
    QCOMPARE(Child<QLineEdit>(w.get(), "Text7")->text(), QStringLiteral("No Crossover"));
}

void GraphWindowTest::graphPictureIsTheGraph() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    SilentMessages quiet;
    QVERIFY(WriteScheduleFiles(bed.session.folder, RunSchedule(bed.session.Inputs(), quiet)));
    Owned<GraphWindow> w(new GraphWindow(bed.context));
    w->show();
    w->DrawGraph(ComponentsGraph(ReadAvailableSchedule(bed.session.folder)));
    const QImage picture = w->GraphPicture();
    QVERIFY(!picture.isNull());
    const QSize graphSize = Child<QChartView>(w.get(), "Graph1")->size();
    QCOMPARE(picture.size(), graphSize * picture.devicePixelRatio());
}

void GraphWindowTest::closeUnloadsTheWindow() {
    WindowTestBed bed;
    QPointer<GraphWindow> w(new GraphWindow(bed.context));
    w->show();
    QTest::mouseClick(Child<QPushButton>(w, "Command1"), Qt::LeftButton);
    QTRY_VERIFY(w.isNull());
}

HL_WINDOW_TEST(GraphWindowTest)
#include "graph_window_test.moc"
