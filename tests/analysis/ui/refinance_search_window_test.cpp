// The refinance search window: the defaults, the refusals, a search shown as the computation
// gives it, Stop, and what is kept between openings.
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "analysis/ui/refinance_search_window.h"
#include "core/format.h"
#include "files/working_files.h"
#include "print/refinance_search_report.h"
#include "support/standard_scenario.h"
#include "support/window_test_bed.h"
#include "support/window_test_main.h"

namespace hl {

class RefinanceSearchWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestBed> bed_;

    std::unique_ptr<RefinanceSearchWindow> Open() {
        auto w = std::make_unique<RefinanceSearchWindow>(bed_->context);
        w->show();
        return w;
    }
    static QList<QStringList> Rows(const QTableWidget& grid) {
        QList<QStringList> rows;
        for (int r = 0; r < grid.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < grid.columnCount(); ++c)
                cells << grid.item(r, c)->text();
            rows << cells;
        }
        return rows;
    }
    // What the computation gives for the window's inputs.
    QList<QStringList> Expected(const analysis::SearchInputs& inputs) {
        struct Collect : analysis::SearchObserver {
            QList<QStringList> rows;
            void Progress(const analysis::SearchProgress&) override {}
            void Row(const analysis::SearchRow& row) override {
                QStringList cells;
                for (const std::string& cell : row)
                    cells << QString::fromStdString(cell);
                rows << cells;
            }
            bool StopRequested() override { return false; }
        } collect;
        analysis::RunPlainRefinanceSearch(bed_->session.Inputs(), inputs, collect);
        return collect.rows;
    }
    static void Search(RefinanceSearchWindow& w) {
        w.Command2->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w.Searching(), 20000);
    }

  private slots:
    void init() {
        bed_ = std::make_unique<test::WindowTestBed>();
        bed_->session.scenario = test::StandardScenario();
        bed_->host.active = "Form12";
    }
    void cleanup() {
        QCOMPARE(bed_->services.Unexpected(), std::vector<std::string>());
        bed_.reset();
    }

    void opensWithTheDefaults() {
        auto w = Open();
        QCOMPARE(w->windowTitle(),
                 QStringLiteral("Refinance - Solve for both Date and Interest Rate"));
        QCOMPARE(w->Text1->text(), QString::fromStdString(FormatDate(Today(), "mmm d yyyy")));
        // Nothing typed yet: the cap offered is the scenario's rate, not the kept blank.
        QCOMPARE(w->Text2->text(), QStringLiteral("10.000"));
        QVERIFY(w->Text3->text().isEmpty());
        QVERIFY(w->Option4->isChecked() && w->Option1->isChecked() && w->Check1->isChecked());
        QCOMPARE(w->Grid1->horizontalHeaderItem(2)->text(), QStringLiteral("Payment\nUsed"));
        QVERIFY(w->Command2->isVisibleTo(w.get()) && !w->Command3->isVisibleTo(w.get()));
    }

    void everyColumnIsInSightOnceTheRowsFillTheTable() {
        // In a frame of the main window's area at its place, as the program opens it; the rows
        // bring the scroll bar, which takes its width from the columns.
        QMdiArea area;
        area.resize(1600, 1000);
        auto* w = new RefinanceSearchWindow(bed_->context);
        area.addSubWindow(w)->setGeometry(w->PlaceAsked());
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        const QStringList widest = {"Sep 30 2000", "10.000",    "9999.99", "99999.99",
                                    "499999.99",   "499999.99", "99999.99"};
        w->Grid1->setRowCount(40);
        for (int r = 0; r < 40; ++r)
            for (int c = 0; c < 7; ++c)
                w->Grid1->setItem(r, c, new QTableWidgetItem(widest[c]));
        QTRY_VERIFY(w->Grid1->verticalScrollBar()->isVisible());
        QApplication::processEvents();
        QVERIFY(w->Grid1->horizontalHeader()->length() <= w->Grid1->viewport()->width());
        QVERIFY(!w->Grid1->horizontalScrollBar()->isVisible());
        const QFontMetrics metrics = w->Grid1->horizontalHeader()->fontMetrics();
        for (int c = 0; c < 7; ++c)
            for (const QString& line : w->Grid1->horizontalHeaderItem(c)->text().split('\n'))
                QVERIFY2(w->Grid1->columnWidth(c) > metrics.horizontalAdvance(line),
                         qPrintable(line));
    }

    void theRowsAreTheComputations() {
        auto w = Open();
        w->Text1->setText("Jan 15 1999");
        w->Text1LostFocus();
        w->Text2->setText("10");
        w->Text2LostFocus();
        w->Text3->setText("1500");
        Search(*w);
        const QList<QStringList> expected =
            Expected({analysis::SearchMode::DateAndRate, "Jan 15, 1999", "10.000", "1500",
                      analysis::PenaltyMethod::CalculatedScenario, true});
        QVERIFY(!expected.isEmpty());
        QCOMPARE(Rows(*w->Grid1), expected);
        QVERIFY(!w->Text4->text().isEmpty()); // the progress shows where the search got to
        QVERIFY(w->Text1->isEnabled() && w->Command1->isEnabled());
        QVERIFY(bed_->services.Messages().empty());
        // Leaving the date box or the cap box unchanged keeps the rows: the search ends with
        // the focus in the date box, and the user then clicks a row to copy it.
        w->Text1LostFocus();
        w->Text2LostFocus();
        QCOMPARE(Rows(*w->Grid1), expected);
        // Copy takes the selected cells, tab-separated.
        w->Grid1->setCurrentCell(0, 1);
        QCOMPARE(w->CopyContent().text, expected[0][1].toStdString());
        // A change of the penalty empties the table, and so does a change of the date.
        w->Option2->click();
        QCOMPARE(w->Grid1->rowCount(), 0);
        Search(*w);
        w->Text1->setText("Feb 15 1999");
        w->Text1LostFocus();
        QCOMPARE(w->Grid1->rowCount(), 0);
    }

    // A cap below 0.05 tries no rate: the progress still shows each date examined and its
    // balance, never the previous search's figures.
    void theProgressShowsEveryDateExamined() {
        auto w = Open();
        for (QLineEdit* box : {w->Text4, w->Text5, w->Text6})
            box->setText("stale");
        w->Text1->setText("Jan 15 1999");
        w->Text2->setText("0.040");
        Search(*w);
        QCOMPARE(w->Text4->text(), QStringLiteral("Nov 1 2000")); // the last date examined
        QVERIFY(w->Text6->text() != QStringLiteral("stale") && !w->Text6->text().isEmpty());
        QVERIFY(w->Text5->text().isEmpty());
        QCOMPARE(bed_->services.Messages().back().title, std::string("Mortgage Info Box"));
    }

    void refusalsAndNothingFound() {
        auto w = Open();
        w->Text2->clear();
        w->Command2->click();
        QVERIFY(!w->Searching());
        QCOMPARE(bed_->services.Messages().back().title, std::string("Mortgage Input Violation"));
        QVERIFY(bed_->services.Messages().back().text.starts_with(
            "Error, When solving for both date and interest rate, both are required input."));
        // Costs no rate can beat: the search ends with the box that says so.
        w->Text1->setText("Jan 15 1999");
        w->Text2->setText("10.000");
        w->Text3->setText("400000");
        Search(*w);
        QCOMPARE(w->Grid1->rowCount(), 0);
        QCOMPARE(bed_->services.Messages().back().title, std::string("Mortgage Info Box"));
    }

    void stopEndsTheSearchAtOnceKeepingItsRows() {
        // A long search: 35 years of weekly payments, and costs no rate can beat.
        Scenario& s = bed_->session.scenario;
        s.frequency = kWeekly;
        s.amortization = 35.0f;
        s.term = 35.0f;
        auto w = Open();
        w->Text1->setText("Jan 8 1996");
        w->Text2->setText("10.000");
        w->Text3->setText("400000");
        w->Command2->click();
        QVERIFY(w->Searching());
        QVERIFY(!w->Text1->isEnabled() && !w->Command1->isEnabled());
        QVERIFY(w->Command3->isVisibleTo(w.get()));
        QTest::qWait(50);
        QElapsedTimer stopping;
        stopping.start();
        w->Command3->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w->Searching(), 2000);
        QVERIFY(stopping.elapsed() < 1000);
        QVERIFY(w->Text1->isEnabled() && w->Command2->isVisibleTo(w.get()));
    }

    // Refused while there is no table and while a search still fills it; afterwards the inputs,
    // the choices and the rows found.
    void printsTheStudyOnceTheSearchIsDone() {
        Scenario& s = bed_->session.scenario;
        s.frequency = kWeekly;
        s.amortization = 35.0f;
        s.term = 35.0f;
        auto w = Open();
        QCOMPARE(w->PrintForm().refusal.value_or(PrintRefusal{}).text,
                 std::string(kNotCalculatedPrintText));
        w->Text1->setText("Jan 8 1996");
        w->Text2->setText("10.000");
        w->Text3->setText("400000");
        w->Command2->click();
        QVERIFY(w->Searching());
        const PrintOut running = w->PrintForm();
        QVERIFY(running.refusal && running.pages.empty());
        QCOMPARE(running.refusal->title, std::string(kPrintTrapTitle));
        QCOMPARE(running.refusal->text, std::string(kSearchRunningPrintText));
        w->Command3->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w->Searching(), 2000);

        s = test::StandardScenario();
        w->Text1->setText("Jan 15, 1999");
        w->Text2->setText("10.000");
        w->Text3->setText("1500");
        w->Option3->setChecked(true);
        Search(*w);
        const PrintOut out = w->PrintForm();
        QVERIFY(!out.refusal);
        QCOMPARE(out.pages.front().TextAt(22, 4)->text, std::string("Refinace Study - Solve Both"));
        QCOMPARE(out.pages.front().TextAt(42, 8)->text, std::string("Jan 15, 1999"));
        QCOMPARE(out.pages.front().TextAt(42, 13)->text, std::string("Acc. Interest Method"));
        QCOMPARE(out.pages.front().TextAt(79, 18)->text,
                 w->Grid1->item(0, 6)->text().toStdString());
    }

    void inputsAreKeptBetweenOpenings() {
        {
            auto w = Open();
            w->Text1->setText("Jan 15, 1999");
            w->Text2->setText("8.500");
            w->Text3->setText("1500");
            w->Check1->setChecked(false);
            w->Option3->setChecked(true);
            w->Option6->setChecked(true);
            w->close();
        }
        const ToolSection kept = ReadToolFile(bed_->session.folder, ToolFile::Solver);
        QCOMPARE(kept.Day(0), DayFromCivil(1999, 1, 15));
        QCOMPARE(kept.Whole(3), 0);
        QCOMPARE(kept.Whole(4), 3);
        QCOMPARE(kept.Whole(5), 6);
        auto again = Open();
        QCOMPARE(again->Text1->text(), QStringLiteral("Jan 15 1999"));
        QCOMPARE(again->Text2->text(), QStringLiteral("8.500"));
        QCOMPARE(again->Text3->text(), QStringLiteral("1500"));
        QVERIFY(!again->Check1->isChecked() && again->Option3->isChecked() &&
                again->Option6->isChecked());
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::RefinanceSearchWindowTest)
#include "refinance_search_window_test.moc"
