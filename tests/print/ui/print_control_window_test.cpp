// The print control window offscreen: the page counts as the boxes are ticked, and Print
// writing the ticked reports as one document.
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include "files/working_files.h"
#include "print/ui/print_control_window.h"
#include "support/standard_scenario.h"
#include "support/widget_lookup.h"
#include "support/window_test_bed.h"
#include "support/window_test_main.h"

using namespace hl;
using hl::test::WindowTestBed;

namespace {

// Entries on the first n payment dates of the standard scenario, each raising the payment.
PaymentChanges MonthlyChanges(int n) {
    PaymentChanges changes;
    for (int k = 0; k < n; ++k)
        changes.entries.push_back(
            PaymentChange{0.0f, 1.0f, DayFromCivil(1996 + k / 12, 1 + k % 12, 1)});
    return changes;
}

struct Shown {
    QString summary, changes, schedule, total;
    bool changesTicked, changesEnabled;
};

Shown Read(PrintControlWindow& w) {
    return {w.Text1->text(), w.Text2->text(),       w.Text3->text(),
            w.Text4->text(), w.Check2->isChecked(), w.Check2->isEnabled()};
}

} // namespace

class PrintControlWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void theCountsFollowTheTableAndTheScheduleOption();
    void untickingAReportTakesItsPagesOffTheTotal();
    void printWritesTheTickedReportsAsOneDocumentAndCloses();
    void aCancelledPrintDialogKeepsTheWindow();
    void nothingTickedPrintsNothing();
};

void PrintControlWindowTest::theCountsFollowTheTableAndTheScheduleOption() {
    struct Case {
        const char* what;
        int changes;
        int option;
        const char* changesText;
        const char* scheduleText;
        const char* total;
    };
    // The standard scenario runs 60 payments: 61 lines of 43 a page.
    const Case cases[] = {
        {"no changes", 0, 1, "no changes scheduled therefore 0 pages to print",
         "printable, 2 pages to print, resolution: All Payments", "3"},
        {"40 changes", 40, 1, "printable, 1 pages to print",
         "printable, 2 pages to print, resolution: All Payments", "4"},
        {"41 changes, year ends", 41, 3, "printable, 2 pages to print",
         "printable, 1 pages to print, resolution: Year Ends only", "4"},
        {"anniversaries", 1, 2, "printable, 1 pages to print",
         "printable, 1 pages to print, resolution: Loan Anniversaries only", "3"},
    };
    for (const Case& c : cases) {
        WindowTestBed bed;
        bed.session.scenario = test::StandardScenario();
        bed.session.changes = MonthlyChanges(c.changes);
        ToolSection option(ToolFile::ScheduleOption);
        option.SetWhole(0, c.option);
        WriteToolFile(bed.session.folder, option);
        PrintControlWindow w(bed.context);
        const Shown s = Read(w);
        QVERIFY2(s.summary == "printable, 1 page to print", c.what);
        QVERIFY2(s.changes == c.changesText, c.what);
        QVERIFY2(s.schedule == c.scheduleText, c.what);
        QVERIFY2(s.total == c.total, c.what);
        QVERIFY2(s.changesTicked == (c.changes > 0) && s.changesEnabled == (c.changes > 0), c.what);
        // The schedule run leaves its working file for the other windows.
        QVERIFY2(QFile::exists(QString::fromStdString(bed.folder.Path("$$temp.bin"))), c.what);
    }
}

void PrintControlWindowTest::untickingAReportTakesItsPagesOffTheTotal() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    bed.session.changes = MonthlyChanges(41);
    PrintControlWindow w(bed.context);
    QCOMPARE(w.Text4->text(), QStringLiteral("5"));
    w.Check1->click();
    QCOMPARE(w.Text4->text(), QStringLiteral("3"));
    w.Check3->click();
    QCOMPARE(w.Text4->text(), QStringLiteral("2"));
    w.Check2->click();
    QCOMPARE(w.Text4->text(), QStringLiteral("0"));
    w.Check1->click();
    QCOMPARE(w.Text4->text(), QStringLiteral("2"));
}

void PrintControlWindowTest::printWritesTheTickedReportsAsOneDocumentAndCloses() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    bed.session.changes = MonthlyChanges(41);
    QPointer<PrintControlWindow> w(new PrintControlWindow(bed.context));
    w->Check3->click(); // summary off: changes 2 + schedule 2
    w->Command3Click();
    QCoreApplication::processEvents();
    QCOMPARE(bed.services.Printed().size(), std::size_t(1));
    QCOMPARE(bed.services.Printed()[0].pages, 4);
    QCOMPARE(bed.services.BusyDepth(), 0);
    QVERIFY(bed.services.Messages().empty());
    QVERIFY(w.isNull() || !w->isVisible());
    delete w.data();
}

void PrintControlWindowTest::aCancelledPrintDialogKeepsTheWindow() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    PrintControlWindow w(bed.context);
    w.show();
    bed.services.QueuePrintCancel();
    w.Command3Click();
    QVERIFY(bed.services.Printed().empty());
    QVERIFY(w.isVisible());
    QVERIFY(bed.services.ScriptUsedUp());
}

void PrintControlWindowTest::nothingTickedPrintsNothing() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    PrintControlWindow w(bed.context);
    w.Check3->click();
    w.Check1->click();
    w.Command3Click();
    QCOMPARE(bed.services.PrintDialogs(), 0);
    QCOMPARE(bed.services.Messages().size(), std::size_t(1));
    QCOMPARE(bed.services.Messages()[0].title, std::string("Mortgage Print Warning..."));
}

HL_WINDOW_TEST(PrintControlWindowTest)
#include "print_control_window_test.moc"
