// The mortgage estimate window: the sample's figures, recalculation on leaving a box, clearing,
// a negative amount, the result boxes that refuse the focus and the printed sheet.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "calculator_window_fixture.h"
#include "calculators/ui/estimate_window.h"
#include "support/window_test_main.h"

namespace hl {

using test::BoxText;
using test::Child;

class EstimateWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestBed> bed_;
    std::unique_ptr<EstimateWindow> w_;

    QStringList Results() const {
        return {BoxText(w_.get(), "Text13"), BoxText(w_.get(), "Text14"),
                BoxText(w_.get(), "Text18"), BoxText(w_.get(), "Text19")};
    }
    void Click(const char* name) { Child<QPushButton>(w_.get(), name)->click(); }

  private slots:
    void init() {
        bed_ = std::make_unique<test::WindowTestBed>();
        w_ = std::make_unique<EstimateWindow>(bed_->context);
        test::Activate(w_.get());
    }
    void cleanup() {
        QCOMPARE(test::Unscripted(bed_->services), std::string());
        w_.reset();
        bed_.reset();
    }

    void opensEmptyAndCalculated() {
        QCOMPARE(w_->objectName(), QStringLiteral("Form5"));
        QCOMPARE(w_->windowTitle(), QStringLiteral("Estimating the Amount of Mortgage Required"));
        for (const char* name : {"Text1", "Text2", "Text12", "Text15", "Text17"})
            QVERIFY2(BoxText(w_.get(), name).isEmpty(), name);
        QCOMPARE(Results(), QStringList({"0.00", "0.00", "0.00", "0.00"}));
    }

    void sampleGivesTheFourFigures() {
        bed_->session.MarkSaved();
        Click("Command1");
        const char* sample[] = {"180000.00", "1300.00", "1525.00",  "0.00",    "300.00",
                                "750.00",    "300.00",  "400.00",   "1000.00", "400.00",
                                "925.00",    "1000.00", "10000.00", "0.00",    "33000.00"};
        const char* inputs[] = {"Text1",  "Text2",  "Text3",  "Text4",  "Text5",
                                "Text6",  "Text7",  "Text8",  "Text9",  "Text10",
                                "Text11", "Text12", "Text15", "Text16", "Text17"};
        for (int i = 0; i < 15; ++i)
            QCOMPARE(BoxText(w_.get(), inputs[i]), QString::fromLatin1(sample[i]));
        QCOMPARE(Results(), QStringList({"7900.00", "187900.00", "43000.00", "144900.00"}));
        QCOMPARE(QApplication::focusWidget(), w_->Text1);
        // The inputs belong to the study: filling them is an edit to save.
        QVERIFY(bed_->session.Unsaved());
    }

    void clearLeavesTheTwoSubtotalsUntilABoxIsLeft() {
        Click("Command1");
        Click("Command2");
        for (const char* name : {"Text1", "Text2", "Text9", "Text12", "Text13", "Text14", "Text15",
                                 "Text16", "Text17"})
            QVERIFY2(BoxText(w_.get(), name).isEmpty(), name);
        QCOMPARE(BoxText(w_.get(), "Text18"), QStringLiteral("43000.00"));
        QCOMPARE(BoxText(w_.get(), "Text19"), QStringLiteral("144900.00"));
        QCOMPARE(QApplication::focusWidget(), w_->Text1);

        // Leaving the empty Text1 shows 0.00 there and recalculates everything.
        w_->Text2->setFocus();
        QCOMPARE(BoxText(w_.get(), "Text1"), QStringLiteral("0.00"));
        QCOMPARE(Results(), QStringList({"0.00", "0.00", "0.00", "0.00"}));
    }

    void leavingABoxReformatsAndRecalculates() {
        w_->Text1->setFocus();
        QTest::keyClicks(w_->Text1, "250000");
        QTest::keyClick(w_->Text1, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w_->Text2);
        QCOMPARE(BoxText(w_.get(), "Text1"), QStringLiteral("250000.00"));
        QTest::keyClicks(w_->Text2, "1234.567");
        w_->Text15->setFocus();
        QCOMPARE(BoxText(w_.get(), "Text2"), QStringLiteral("1234.57"));
        QTest::keyClicks(w_->Text15, "20000");
        w_->Text16->setFocus();
        QCOMPARE(Results(), QStringList({"1234.57", "251234.57", "20000.00", "231234.57"}));
        // A box left without a number shows 0.00.
        w_->Text4->setText(QStringLiteral("."));
        w_->TextLostFocus(4);
        QCOMPARE(BoxText(w_.get(), "Text4"), QStringLiteral("0.00"));
    }

    void fundsAboveTheCostGiveANegativeAmount() {
        w_->Text1->setText(QStringLiteral("100000"));
        w_->TextLostFocus(1);
        w_->Text17->setText(QStringLiteral("150000.50"));
        w_->TextLostFocus(17);
        QCOMPARE(BoxText(w_.get(), "Text19"), QStringLiteral("-50000.50"));
    }

    void keysSetTheFlagAndOnlyNumbersPass() {
        bed_->session.MarkSaved();
        w_->Text9->setFocus();
        QTest::keyClicks(w_->Text9, "1$5");
        QCOMPARE(w_->Text9->text(), QStringLiteral("15"));
        QCOMPARE(bed_->services.Beeps(), 1);
        QVERIFY(bed_->session.Unsaved());
    }

    void resultBoxesRefuseTheFocus() {
        for (const char* name : {"Text13", "Text14", "Text18", "Text19"}) {
            w_->Text5->setFocus();
            auto* result = Child<QLineEdit>(w_.get(), name);
            QVERIFY(result->isReadOnly());
            result->setFocus();
            QCOMPARE(QApplication::focusWidget(), w_->Text1);
        }
        QCOMPARE(bed_->services.Beeps(), 4);
    }

    void printsTheSheetOnceItHasAnEstimate() {
        // Empty, or cleared after a sample (the amount to be mortgaged still shown): no page.
        QCOMPARE(w_->PrintForm().refusal.value().title, std::string(kPrintWarningTrapTitle));
        Click("Command1");
        Click("Command2");
        QCOMPARE(w_->PrintForm().refusal.value().title, std::string(kPrintWarningTrapTitle));

        Click("Command1");
        const PrintOut out = w_->PrintForm();
        QVERIFY(!out.refusal);
        QCOMPARE(out.pages.size(), std::size_t{1});
        // Nine characters on the decimal point of a ten-character field at column 60.
        QCOMPARE(out.pages[0].TextAt(61, 8)->text, std::string("180000.00"));
        QCOMPARE(out.pages[0].TextAt(61, 31)->text, std::string("144900.00"));
    }

    void closeClosesTheWindow() {
        Click("Command3");
        QVERIFY(w_->isHidden());
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::EstimateWindowTest)
#include "estimate_window_test.moc"
