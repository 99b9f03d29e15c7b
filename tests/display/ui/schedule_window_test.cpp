// The schedule window offscreen: the grid after load, the three options and their working file,
// the copied selection, the graph buttons and closing.
#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <filesystem>
#include <map>

#include "core/format.h"
#include "core/translate.h"
#include "display/ui/graph_window.h"
#include "display/ui/schedule_window.h"
#include "display_fixture.h"
#include "engine/schedule_file.h"
#include "files/working_files.h"
#include "platform/twips.h"
#include "support/widget_lookup.h"
#include "support/window_test_bed.h"
#include "support/window_test_main.h"
#include "windowkit/fitted_columns.h"

using namespace hl;
using hl::test::Child;
using hl::test::Owned;
using hl::test::WindowTestBed;

namespace {

int StoredOption(const WindowTestBed& bed) {
    return ReadToolFile(bed.session.folder, ToolFile::ScheduleOption).Whole(0);
}

bool StoreOption(const WindowTestBed& bed, int option) {
    ToolSection kept(ToolFile::ScheduleOption);
    kept.SetWhole(0, option);
    return WriteToolFile(bed.session.folder, kept);
}

} // namespace

namespace {

QString Cell(QTableView* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
}

// The payment number of each data row after the opening row.
QList<int> Numbers(QTableView* grid) {
    QList<int> out;
    for (int r = 1; r < grid->model()->rowCount(); ++r)
        out << Cell(grid, r, 0).trimmed().toInt();
    return out;
}

void Select(QTableView* grid, int top, int left, int bottom, int right) {
    QAbstractItemModel* m = grid->model();
    grid->selectionModel()->select(QItemSelection(m->index(top, left), m->index(bottom, right)),
                                   QItemSelectionModel::ClearAndSelect);
}

} // namespace

class ScheduleWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void loadShowsTheOpeningBalanceAndEveryPayment();
    void headerTextsWidthsAndAlignments();
    void everyColumnIsInSightAtTheOpeningSize();
    void theDateColumnHoldsEveryFrenchDate();
    void optionsChooseRowsAndAreRemembered();
    void storedOptionIsRestored_data();
    void storedOptionIsRestored();
    void closingAsTheActiveChildSavesTheOption();
    void aLumpThatEndsTheLoanWarnsAndShortensTheGrid();
    void loadWritesTheScheduleFileAndReportsAFailedWrite();
    void selectedCellsGoOutTabbed();
    void graphButtonsDrawInTheGraphWindow();
    void closeAndQuitUnloadTheWindow();
};

void ScheduleWindowTest::loadShowsTheOpeningBalanceAndEveryPayment() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    Owned<ScheduleWindow> w(new ScheduleWindow(bed.context));
    QCOMPARE(w->objectName(), QStringLiteral("Form7"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Schedule Display"));
    auto* grid = Child<QTableView>(w.get(), "Grid1");
    QCOMPARE(grid->model()->columnCount(), 10);
    QCOMPARE(grid->model()->rowCount(), 61);
    for (int c = 0; c < 9; ++c)
        QCOMPARE(Cell(grid, 0, c), QString());
    QCOMPARE(Cell(grid, 0, 9), QStringLiteral("100000.00"));
    // The lender's first three balances.
    QCOMPARE(Cell(grid, 1, 9), QStringLiteral("99922.00"));
    QCOMPARE(Cell(grid, 2, 9), QStringLiteral("99843.36"));
    QCOMPARE(Cell(grid, 3, 9), QStringLiteral("99764.08"));
    QCOMPARE(Cell(grid, 1, 0), QStringLiteral("1   "));
    QCOMPARE(Cell(grid, 1, 1), QStringLiteral("Jan 01 1996"));
    QCOMPARE(Cell(grid, 1, 2), QStringLiteral("894.49"));
    QCOMPARE(Cell(grid, 1, 4), QStringLiteral("816.49"));
    QVERIFY(Child<QRadioButton>(w.get(), "Option1")->isChecked());
    QCOMPARE(w->View(), ScheduleView::AllPayments);
    QVERIFY(bed.services.Messages().empty());
    QCOMPARE(bed.services.BusyDepth(), 0);
    QVERIFY(bed.services.BusySpells() > 0);
}

void ScheduleWindowTest::headerTextsWidthsAndAlignments() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    Owned<ScheduleWindow> w(new ScheduleWindow(bed.context));
    auto* grid = Child<QTableView>(w.get(), "Grid1");
    const QStringList headers = {" Pay Num",
                                 " Date of     Payment",
                                 " Payment     Amount",
                                 " Payment     Principle",
                                 " Payment     Interest",
                                 " Acc'd       Principle",
                                 " Acc'd       Interest",
                                 " Lump        Payment",
                                 " Change to   Payment",
                                 " Remaining    Balance"};
    for (int c = 0; c < 10; ++c) {
        QCOMPARE(grid->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
        const auto align =
            grid->model()->index(1, c).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
        QCOMPARE(bool(align & Qt::AlignRight), c != 1);
    }
    QCOMPARE(grid->horizontalHeader()->height(), Twips(475));
}

void ScheduleWindowTest::everyColumnIsInSightAtTheOpeningSize() {
    // The standard loan, and the largest the form takes: 500000 at 25 % over 35 years, Weekly,
    // whose interest to date reaches seven figures.
    Scenario large = test::StandardScenario();
    large.amount = 500000;
    large.rate = 25;
    large.amortization = 35;
    large.term = 35;
    large.frequency = kWeekly;
    for (const Scenario& scenario : {test::StandardScenario(), large}) {
        WindowTestBed bed;
        bed.session.scenario = scenario;
        // In a frame of the main window's area at its place, as the program opens it.
        QMdiArea area;
        area.resize(1600, 1000);
        auto* w = new ScheduleWindow(bed.context);
        QMdiSubWindow* frame = area.addSubWindow(w);
        frame->setGeometry(w->PlaceAsked());
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        auto* grid = Child<QTableView>(w, "Grid1");
        QTRY_VERIFY(grid->horizontalHeader()->length() <= grid->viewport()->width());
        QVERIFY(!grid->horizontalScrollBar()->isVisible());
        const QFontMetrics metrics = grid->fontMetrics();
        for (int c = 0; c < 10; ++c) {
            int widest = 0;
            for (int r = 0; r < grid->model()->rowCount(); ++r)
                widest = std::max(widest, metrics.horizontalAdvance(Cell(grid, r, c)));
            QVERIFY2(grid->columnWidth(c) > widest, qPrintable(QString::number(c)));
        }
    }
}

void ScheduleWindowTest::theDateColumnHoldsEveryFrenchDate() {
    // French month names differ in width and length ("mars" is wider than "juil."): squeezed to
    // what its texts need, the date column still holds every date of a five-year weekly loan.
    const std::map<std::string, std::string> months = {
        {"Jan", "janv."}, {"Feb", "févr."}, {"Mar", "mars"},  {"Apr", "avr."},
        {"May", "mai"},   {"Jun", "juin"},  {"Jul", "juil."}, {"Aug", "août"},
        {"Sep", "sept."}, {"Oct", "oct."},  {"Nov", "nov."},  {"Dec", "déc."}};
    struct EnglishAgain {
        ~EnglishAgain() { SetTranslator({}); }
    } restore;
    SetTranslator([&months](const char* context, const char* text) {
        const auto name = months.find(text);
        return std::string(context) == "Months" && name != months.end() ? name->second
                                                                        : std::string(text);
    });
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    bed.session.scenario.frequency = kWeekly;
    QMdiArea area;
    area.resize(1600, 1000);
    auto* w = new ScheduleWindow(bed.context);
    QMdiSubWindow* frame = area.addSubWindow(w);
    frame->setGeometry(w->PlaceAsked());
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    frame->resize(200, frame->height());
    auto* grid = Child<QTableView>(w, "Grid1");
    QTRY_VERIFY(grid->horizontalScrollBar()->isVisible());
    std::vector<QString> dates;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        dates.push_back(Cell(grid, r, 1));
    QVERIFY(dates[1].startsWith(QStringLiteral("janv. ")));
    // Room for the widest date and the cell's margins: no date is elided.
    QVERIFY(grid->columnWidth(1) >= ColumnNeed(grid->fontMetrics(), dates));
}

void ScheduleWindowTest::optionsChooseRowsAndAreRemembered() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    bed.session.scenario.term = 5.25f; // January 1996 to March 2001
    Owned<ScheduleWindow> w(new ScheduleWindow(bed.context));
    w->show();
    auto* grid = Child<QTableView>(w.get(), "Grid1");
    QCOMPARE(grid->model()->rowCount(), 64);

    QTest::mouseClick(Child<QRadioButton>(w.get(), "Option2"), Qt::LeftButton);
    QCOMPARE(Numbers(grid), (QList<int>{12, 24, 36, 48, 60}));
    QCOMPARE(Cell(grid, 0, 9), QStringLiteral("100000.00"));
    QCOMPARE(StoredOption(bed), 2);

    QTest::mouseClick(Child<QRadioButton>(w.get(), "Option3"), Qt::LeftButton);
    QCOMPARE(Numbers(grid), (QList<int>{12, 24, 36, 48, 60}));
    QCOMPARE(Cell(grid, 5, 1), QStringLiteral("Dec 01 2000"));
    QCOMPARE(StoredOption(bed), 3);
    QCOMPARE(w->View(), ScheduleView::YearEnds);

    QTest::mouseClick(Child<QRadioButton>(w.get(), "Option1"), Qt::LeftButton);
    QCOMPARE(grid->model()->rowCount(), 64);
    QCOMPARE(StoredOption(bed), 1);
    QCOMPARE(bed.services.BusyDepth(), 0);
}

void ScheduleWindowTest::storedOptionIsRestored_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("rows");
    QTest::newRow("anniversaries") << 2 << "Option2" << 6;
    QTest::newRow("year ends") << 3 << "Option3" << 5; // 1996 to 1999; 2000 is the last year
    QTest::newRow("all") << 1 << "Option1" << 61;
    QTest::newRow("never written") << 9 << "Option1" << 61;
}

void ScheduleWindowTest::storedOptionIsRestored() {
    QFETCH(int, stored);
    QFETCH(QString, option);
    QFETCH(int, rows);
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    QVERIFY(StoreOption(bed, stored));
    Owned<ScheduleWindow> w(new ScheduleWindow(bed.context));
    QVERIFY(Child<QRadioButton>(w.get(), option.toLatin1().constData())->isChecked());
    QCOMPARE(Child<QTableView>(w.get(), "Grid1")->model()->rowCount(), rows);
}

void ScheduleWindowTest::closingAsTheActiveChildSavesTheOption() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    bed.host.active = "Form7";
    Owned<ScheduleWindow> w(new ScheduleWindow(bed.context));
    w->show();
    QTest::mouseClick(Child<QRadioButton>(w.get(), "Option2"), Qt::LeftButton);
    // Something else rewrote the file meanwhile (New resets it); closing writes the option back.
    QVERIFY(StoreOption(bed, 1));
    w->close();
    QCOMPARE(StoredOption(bed), 2);
}

void ScheduleWindowTest::aLumpThatEndsTheLoanWarnsAndShortensTheGrid() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    bed.session.changes.entries.push_back(PaymentChange{200000.0f, 0.0f, DayFromCivil(1998, 6, 1)});
    Owned<ScheduleWindow> w(new ScheduleWindow(bed.context));
    QCOMPARE(bed.services.Messages().size(), std::size_t(1));
    QCOMPARE(bed.services.Messages()[0].title, std::string("Mtge Warning - please note..."));
    QVERIFY(bed.services.Messages()[0].text.find("The extra payment of $ ") == 0);
    QCOMPARE(bed.services.Messages()[0].buttons, MessageButtons::Ok);
    auto* grid = Child<QTableView>(w.get(), "Grid1");
    QCOMPARE(grid->model()->rowCount(), 31); // opening row and payments 1 to 30
    QCOMPARE(Cell(grid, 30, 9), QStringLiteral("0.00"));
    Child<QRadioButton>(w.get(), "Option2")->click();
    QCOMPARE(Numbers(grid), (QList<int>{12, 24}));
}

void ScheduleWindowTest::loadWritesTheScheduleFileAndReportsAFailedWrite() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    {
        Owned<ScheduleWindow> w(new ScheduleWindow(bed.context));
        QCOMPARE(ReadScheduleFile(bed.session.folder).records.size(), std::size_t(60));
        QVERIFY(bed.services.Messages().empty());
    }
    // A folder in the way of the pay-off file of a loan paid off within its term: the write
    // fails. The grid still shows this run, and the earlier schedule is not left for other
    // windows to read as this one.
    std::filesystem::create_directory(bed.folder.Path("$$donerly.bin"));
    bed.session.scenario.amount = 10000.0f;
    bed.session.scenario.amortization = 1.0f;
    bed.session.scenario.term = 2.0f;
    Owned<ScheduleWindow> w(new ScheduleWindow(bed.context));
    QCOMPARE(Child<QTableView>(w.get(), "Grid1")->model()->rowCount(), 14); // paid off early
    QCOMPARE(bed.services.Beeps(), 1);
    QCOMPARE(bed.services.MessageTexts(),
             std::vector<std::string>{"The payment schedule could not be written to the working "
                                      "folder " +
                                      bed.session.folder +
                                      ".\rThe schedule shown is correct, but reports and graphs "
                                      "that read the schedule file will not find it."});
    QCOMPARE(bed.services.Messages()[0].title, std::string("Mtge Error Trap"));
    QVERIFY(!std::filesystem::exists(bed.folder.Path("$$temp.bin")));
}

void ScheduleWindowTest::selectedCellsGoOutTabbed() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    Owned<ScheduleWindow> w(new ScheduleWindow(bed.context));
    auto* grid = Child<QTableView>(w.get(), "Grid1");
    QCOMPARE(w->SelectedCellsText(), std::string());
    Select(grid, 1, 1, 3, 2);
    QCOMPARE(w->SelectedCellsText(),
             std::string("Jan 01 1996\t894.49\r\nFeb 01 1996\t894.49\r\nMar 01 1996\t894.49"));
    Select(grid, 0, 8, 2, 9);
    QCOMPARE(w->SelectedCellsText(),
             std::string("\t100000.00\r\n0.00\t99922.00\r\n0.00\t99843.36"));
    // With nothing selected, the current cell.
    grid->selectionModel()->setCurrentIndex(grid->model()->index(3, 9), QItemSelectionModel::Clear);
    QCOMPARE(w->SelectedCellsText(), std::string("99764.08"));
}

void ScheduleWindowTest::graphButtonsDrawInTheGraphWindow() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    bed.session.scenario.term = 25.0f;
    QPointer<GraphWindow> graph;
    bed.host.factories["Form6"] = [&]() -> ChildWindow* {
        if (!graph)
            graph = new GraphWindow(bed.context);
        return graph;
    };
    Owned<ScheduleWindow> w(new ScheduleWindow(bed.context));

    QTest::mouseClick(Child<QPushButton>(w.get(), "Command6"), Qt::LeftButton);
    QCOMPARE(bed.host.shown, (std::vector<std::string>{"Form6"}));
    QVERIFY(graph);
    Owned<GraphWindow> owned(graph.data());
    QCOMPARE(Child<QLineEdit>(graph, "Text1")->text(), QStringLiteral("Principle"));
    QCOMPARE(Child<QLineEdit>(graph, "Text4")->text(), QStringLiteral("Interest"));
    QVERIFY(Child<QWidget>(graph, "Shape2")->isVisibleTo(graph));
    const QString crossing = Child<QLineEdit>(graph, "Text7")->text();
    QVERIFY(ParseDate(crossing.toStdString()).has_value());
    QVERIFY(!Child<QLineEdit>(graph, "Text9")->text().isEmpty());

    QTest::mouseClick(Child<QPushButton>(w.get(), "Command1"), Qt::LeftButton);
    QCOMPARE(Child<QLineEdit>(graph, "Text1")->text(), QStringLiteral("Balance"));
    QCOMPARE(Child<QLineEdit>(graph, "Text2")->text(), QStringLiteral("99922.00"));
    // The payment cut down to the cent leaves a little after the 300th payment.
    QCOMPARE(Child<QLineEdit>(graph, "Text3")->text(), QStringLiteral("0.24"));
    QVERIFY(!Child<QWidget>(graph, "Shape2")->isVisibleTo(graph));
    QVERIFY(!Child<QLineEdit>(graph, "Text4")->isVisibleTo(graph));

    QTest::mouseClick(Child<QPushButton>(w.get(), "Command2"), Qt::LeftButton);
    QCOMPARE(Child<QLineEdit>(graph, "Text1")->text(), QStringLiteral("Acc Prin"));
    QCOMPARE(Child<QLineEdit>(graph, "Text4")->text(), QStringLiteral("Acc Int"));
    QCOMPARE(Child<QLineEdit>(graph, "Text2")->text(), QStringLiteral("78.00"));
    QCOMPARE(Child<QLineEdit>(graph, "Text5")->text(), QStringLiteral("816.49"));
    QVERIFY(Child<QLineEdit>(graph, "Text4")->isVisibleTo(graph));
    QVERIFY(Child<QWidget>(graph, "Shape2")->isVisibleTo(graph));
    QCOMPARE(bed.host.shown.size(), std::size_t(3));
}

void ScheduleWindowTest::closeAndQuitUnloadTheWindow() {
    for (const char* button : {"Command4", "Command3"}) {
        WindowTestBed bed;
        bed.session.scenario = test::StandardScenario();
        QPointer<ScheduleWindow> w(new ScheduleWindow(bed.context));
        w->show();
        QTest::mouseClick(Child<QPushButton>(w, button), Qt::LeftButton);
        QVERIFY(!w || !w->isVisible());
        QTRY_VERIFY(w.isNull()); // deleted once closed
    }
}

HL_WINDOW_TEST(ScheduleWindowTest)
#include "schedule_window_test.moc"
