// The summary window offscreen: its boxes after load, the blank projection boxes and Close.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/format.h"
#include "display/ui/summary_window.h"
#include "display_fixture.h"
#include "support/temp_folder.h"
#include "support/widget_lookup.h"
#include "support/window_test_bed.h"
#include "support/window_test_main.h"

using namespace hl;
using hl::test::Child;
using hl::test::Owned;
using hl::test::WindowTestBed;

namespace {

QString Box(QWidget* w, const char* name) { return Child<QLineEdit>(w, name)->text(); }

} // namespace

class SummaryWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void fiveYearTermShowsTheSnapshotAndTheProjection();
    void termEqualToAmortizationLeavesTheProjectionBlank();
    void aPaymentThatNeverPaysOffShowsBlanksNotAnOlderRun();
    void raisedPaymentsShowAsExtraPaid();
    void aCappedLumpWarnsAndEndsTheLoan();
    void closeUnloadsTheWindow();
};

void SummaryWindowTest::fiveYearTermShowsTheSnapshotAndTheProjection() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    Owned<SummaryWindow> w(new SummaryWindow(bed.context));
    QCOMPARE(w->objectName(), QStringLiteral("Form3"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Summary Display"));
    QCOMPARE(Box(w.get(), "Text12"), QStringLiteral("Dec 1 2000"));
    QCOMPARE(Box(w.get(), "Text1"), QStringLiteral("60"));
    QCOMPARE(Box(w.get(), "Text6"), QStringLiteral("53669.40"));
    QCOMPARE(Box(w.get(), "Text5"), QStringLiteral("0.00"));
    QCOMPARE(Box(w.get(), "Text4"), QStringLiteral("0.00"));
    // Balance and principal add up to the amount, interest and principal to the payments made,
    // up to the rounding of single-precision totals.
    const double balance = Box(w.get(), "Text9").toDouble();
    const double interest = Box(w.get(), "Text10").toDouble();
    const double principal = Box(w.get(), "Text11").toDouble();
    QVERIFY(balance > 90000.0 && balance < 100000.0);
    QVERIFY(qAbs(balance + principal - 100000.0) < 0.05);
    QVERIFY(qAbs(interest + principal - 53669.40) < 0.05);
    // The rest of the amortization: payment 301 clears what the cut-down payment leaves.
    QCOMPARE(Box(w.get(), "Text2"), QStringLiteral("Jan 1 2021"));
    QCOMPARE(Box(w.get(), "Text3"), QStringLiteral("301"));
    QVERIFY(bed.services.Messages().empty());
}

void SummaryWindowTest::termEqualToAmortizationLeavesTheProjectionBlank() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    bed.session.scenario.frequency = kWeekly; // repays the loan within the amortization
    bed.session.scenario.term = 25.0f;
    Owned<SummaryWindow> w(new SummaryWindow(bed.context));
    QCOMPARE(Box(w.get(), "Text9"), QStringLiteral("0.00"));
    QCOMPARE(Box(w.get(), "Text2"), QStringLiteral(" "));
    QCOMPARE(Box(w.get(), "Text3"), QStringLiteral(" "));
}

void SummaryWindowTest::aPaymentThatNeverPaysOffShowsBlanksNotAnOlderRun() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    test::Spit(bed.folder.Path("$$donerly.bin"), "7,120.5,1.5,119,300,5000,0\r\n");
    bed.session.changes.entries.push_back(PaymentChange{0.0f, -800.0f, DayFromCivil(1996, 2, 1)});
    Owned<SummaryWindow> w(new SummaryWindow(bed.context));
    QVERIFY(Box(w.get(), "Text9").toDouble() > 100000.0);
    QCOMPARE(Box(w.get(), "Text2"), QStringLiteral(" "));
    QCOMPARE(Box(w.get(), "Text3"), QStringLiteral(" "));
}

void SummaryWindowTest::raisedPaymentsShowAsExtraPaid() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    bed.session.changes.entries.push_back(PaymentChange{0.0f, 100.0f, DayFromCivil(1997, 1, 1)});
    Owned<SummaryWindow> w(new SummaryWindow(bed.context));
    QCOMPARE(Box(w.get(), "Text4"), QStringLiteral("4800.00"));
}

void SummaryWindowTest::aCappedLumpWarnsAndEndsTheLoan() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    bed.session.changes.entries.push_back(PaymentChange{200000.0f, 0.0f, DayFromCivil(1998, 6, 1)});
    Owned<SummaryWindow> w(new SummaryWindow(bed.context));
    QCOMPARE(bed.services.Messages().size(), std::size_t(1));
    const test::AskedMessage& m = bed.services.Messages()[0];
    QCOMPARE(m.title, std::string("Mtge Warning - please note..."));
    QVERIFY(m.text.find("the lump payment has been reduced to pay off") != std::string::npos);
    QCOMPARE(Box(w.get(), "Text1"), QStringLiteral("30"));
    QCOMPARE(Box(w.get(), "Text12"), QStringLiteral("Jun 1 1998"));
    QCOMPARE(Box(w.get(), "Text9"), QStringLiteral("0.00"));
    QCOMPARE(Box(w.get(), "Text2"), QStringLiteral(" "));
    QCOMPARE(Box(w.get(), "Text3"), QStringLiteral(" "));
}

void SummaryWindowTest::closeUnloadsTheWindow() {
    WindowTestBed bed;
    bed.session.scenario = test::StandardScenario();
    QPointer<SummaryWindow> w(new SummaryWindow(bed.context));
    w->show();
    QTest::mouseClick(Child<QPushButton>(w, "Command1"), Qt::LeftButton);
    QTRY_VERIFY(w.isNull());
}

HL_WINDOW_TEST(SummaryWindowTest)
#include "summary_window_test.moc"
