// The "Solve for" window: solving on every trigger, the payment range check, the field checks,
// the case that cannot be solved and a rate that gives no interest.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "calculator_window_fixture.h"
#include "calculators/ui/solve_for_window.h"
#include "support/window_test_main.h"

namespace hl {

using test::BoxText;
using test::Child;

class SolveForWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestBed> bed_;
    std::unique_ptr<SolveForWindow> w_;

    // Puts a text in a box and runs its lost-focus handler, as leaving the box does.
    void Enter(QLineEdit* box, const char* text, void (SolveForWindow::*left)()) {
        box->setText(QString::fromLatin1(text));
        (w_.get()->*left)();
    }
    void ChooseFrequency(const char* name) {
        const int index = w_->Combo1->findText(QString::fromLatin1(name));
        QVERIFY(index >= 0);
        w_->Combo1->setCurrentIndex(index);
        emit w_->Combo1->activated(index);
    }
    QStringList Results() const {
        return {w_->Text5->text(), w_->Text7->text(), w_->Text6->text()};
    }

  private slots:
    void init() {
        bed_ = std::make_unique<test::WindowTestBed>();
        w_ = std::make_unique<SolveForWindow>(bed_->context);
        test::Activate(w_.get());
    }
    void cleanup() {
        QCOMPARE(test::Unscripted(bed_->services), std::string());
        w_.reset();
        bed_.reset();
    }

    void opensEmptyWithWeekly() {
        QCOMPARE(w_->objectName(), QStringLiteral("Form14"));
        QCOMPARE(w_->windowTitle(),
                 QStringLiteral("Solve for...  (scratchsheet -  this data not saved)"));
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"})
            QVERIFY2(BoxText(w_.get(), name).isEmpty(), name);
        auto* combo = Child<QComboBox>(w_.get(), "Combo1");
        QCOMPARE(combo->count(), 4);
        QCOMPARE(combo->itemText(0), QStringLiteral("Monthly"));
        QCOMPARE(combo->itemText(1), QStringLiteral("Weekly"));
        QCOMPARE(combo->itemText(2), QStringLiteral("Twice a Month"));
        QCOMPARE(combo->itemText(3), QStringLiteral("Every Two Weeks"));
        QCOMPARE(combo->currentText(), QStringLiteral("Weekly"));
    }

    // Rate 6, payment 1000 Monthly, amount 100000: 138.22 monthly payments, 11.52 years.
    void amortizationAppearsAsSoonAsTheInputsAllow() {
        Enter(w_->Text1, "6", &SolveForWindow::Text1LostFocus);
        QCOMPARE(w_->Text1->text(), QStringLiteral("6.000"));
        Enter(w_->Text3, "100000", &SolveForWindow::Text3LostFocus);
        QCOMPARE(w_->Text3->text(), QStringLiteral("100000.00"));
        // No payment yet: nothing to show.
        QCOMPARE(Results(), QStringList({"", "", ""}));

        Enter(w_->Text2, "1000", &SolveForWindow::Text2LostFocus);
        QCOMPARE(w_->Text2->text(), QStringLiteral("1000.00"));
        // Weekly 1000 is a monthly 4000.
        QCOMPARE(w_->Text5->text(), QStringLiteral("26.75"));

        bed_->session.MarkSaved();
        ChooseFrequency("Monthly");
        QVERIFY(bed_->session.Unsaved());
        QCOMPARE(Results(), QStringList({"138.22", "11.52", ""}));
        QVERIFY(bed_->services.Messages().empty());
    }

    // Rate 6, payment 500 Weekly (a monthly 2000), 25 years: the single-precision steps give
    // 312595.16 where the same formula in double gives 312594.45.
    void amountOfAWeeklyPayment() {
        Enter(w_->Text1, "6", &SolveForWindow::Text1LostFocus);
        Enter(w_->Text2, "500", &SolveForWindow::Text2LostFocus);
        Enter(w_->Text4, "25", &SolveForWindow::Text4LostFocus);
        QCOMPARE(w_->Text4->text(), QStringLiteral("25.00"));
        QCOMPARE(Results(), QStringList({"", "", "312595.16"}));
    }

    // The handlers run from real focus changes: leaving each box, and entering the list.
    void focusChangesRunTheChecks() {
        w_->Text1->setFocus();
        QTest::keyClicks(w_->Text1, "6");
        QTest::keyClick(w_->Text1, Qt::Key_Return); // moves on to Text2 as Tab would
        QCOMPARE(QApplication::focusWidget(), w_->Text2);
        QCOMPARE(w_->Text1->text(), QStringLiteral("6.000"));
        QTest::keyClicks(w_->Text2, "1000");
        w_->Text4->setFocus();
        QCOMPARE(w_->Text2->text(), QStringLiteral("1000.00"));
        QTest::keyClicks(w_->Text4, "25");
        w_->Text3->setFocus();
        QCOMPARE(w_->Text6->text(), QStringLiteral("625190.31"));

        // Monthly 1000 over 25 years; the list's focus runs the solve for the frequency shown.
        w_->Combo1->setCurrentIndex(0);
        w_->Combo1->setFocus();
        QCOMPARE(w_->Text6->text(), QStringLiteral("156297.58"));
        QVERIFY(bed_->services.Messages().empty());
    }

    void keysSetTheFlagAndOnlyNumbersPass() {
        bed_->session.MarkSaved();
        w_->Text3->setFocus();
        QTest::keyClicks(w_->Text3, "12a-3.5");
        QCOMPARE(w_->Text3->text(), QStringLiteral("123.5"));
        QCOMPARE(bed_->services.Beeps(), 2);
        QVERIFY(bed_->session.Unsaved());
    }

    void paymentOutOfRangeForItsFrequency() {
        Enter(w_->Text1, "6", &SolveForWindow::Text1LostFocus);
        Enter(w_->Text2, "2500", &SolveForWindow::Text2LostFocus);
        Enter(w_->Text3, "100000", &SolveForWindow::Text3LostFocus);
        QCOMPARE(w_->Text5->text(), QStringLiteral("10.28"));
        QVERIFY(bed_->services.Messages().empty());

        Enter(w_->Text2, "2501", &SolveForWindow::Text2LostFocus);
        QCOMPARE(bed_->services.Messages().size(), std::size_t{1});
        const test::AskedMessage& m = bed_->services.Messages()[0];
        QCOMPARE(m.title, std::string("Input Error - out of range. Enter a valid value or delete "
                                      "the contents of the field."));
        QCOMPARE(
            m.text,
            std::string(
                "Error, Check your Payment Amount as it relates to the Payment Frequency.\r"
                "            These values are relative to each other.  Acceptable values are:\r\r"
                "If Payment Frequency = Monthly         Payment Amount Range: 1 to 10000\r"
                "                                               Weekly                             "
                " "
                "                              1 to   2500\r"
                "                                               Twice a Month                      "
                " "
                "                        1 to   5000\r"
                "                                               Every Two Weeks                    "
                " "
                "                  1 to   5000\r"));
        QCOMPARE(m.buttons, MessageButtons::Ok);
        QCOMPARE(bed_->services.Beeps(), 1);
        // All results go; the refused payment keeps its text as typed.
        QCOMPARE(Results(), QStringList({"", "", ""}));
        QCOMPARE(w_->Text2->text(), QStringLiteral("2501"));

        // The same payment is fine Monthly: choosing it solves again.
        ChooseFrequency("Monthly");
        QCOMPARE(bed_->services.Messages().size(), std::size_t{1});
        QVERIFY(!w_->Text5->text().isEmpty());

        // 10000.5 is past the Monthly limit; the frequency's list checks it when it gets the focus.
        w_->Text2->setText(QStringLiteral("10000.5"));
        w_->Combo1GotFocus();
        QCOMPARE(bed_->services.Messages().size(), std::size_t{2});
        QCOMPARE(Results(), QStringList({"", "", ""}));
    }

    // A click on the list with a payment out of range for its frequency: the range message once,
    // then the list opens and the mouse chooses from it.
    void aClickOnTheListChecksOnceAndTheMouseChooses() {
        Enter(w_->Text1, "6", &SolveForWindow::Text1LostFocus);
        Enter(w_->Text2, "2501", &SolveForWindow::Text2LostFocus); // above Weekly's 2500
        bed_->services.ClearMessages();
        w_->Text3->setFocus();
        QTest::mouseClick(w_->Combo1, Qt::LeftButton);
        QCOMPARE(bed_->services.Messages().size(), std::size_t{1});
        QAbstractItemView* list = w_->Combo1->view();
        QVERIFY(list->isVisible());
        // The list does not take a release as quick as a double click's.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        const QPoint monthly = list->visualRect(list->model()->index(0, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, monthly);
        QCOMPARE(w_->Combo1->currentText(), QStringLiteral("Monthly"));
        QVERIFY(!list->isVisible());
        QCOMPARE(bed_->services.Messages().size(), std::size_t{1}); // 2501 is fine Monthly
    }

    // A payment the box shows as 0.00 is no payment: refused as 0 is, not solved into 0.00.
    void paymentShowingZeroIsRefusedAsZero() {
        Enter(w_->Text1, "6", &SolveForWindow::Text1LostFocus);
        Enter(w_->Text4, "25", &SolveForWindow::Text4LostFocus);
        for (const char* payment : {"0", "0.001", "0.004"}) {
            bed_->services.ClearMessages();
            Enter(w_->Text2, payment, &SolveForWindow::Text2LostFocus);
            QCOMPARE(bed_->services.Messages().size(), std::size_t{1});
            QCOMPARE(bed_->services.Messages()[0].title,
                     std::string("Input Error - out of range. Enter a valid value or delete the "
                                 "contents of the field."));
            QCOMPARE(Results(), QStringList({"", "", ""}));
        }
    }

    void openingTheListChecksThePayment() {
        Enter(w_->Text1, "6", &SolveForWindow::Text1LostFocus);
        Enter(w_->Text2, "3000", &SolveForWindow::Text2LostFocus); // too much Weekly
        bed_->services.ClearMessages();
        w_->Combo1->showPopup();
        w_->Combo1->hidePopup();
        QCOMPARE(bed_->services.Messages().size(), std::size_t{1});
        QCOMPARE(bed_->services.Messages()[0].title, std::string(calc::kPaymentRangeTitle));
    }

    void emptyBoxClearsTheResultsWithoutSolving() {
        Enter(w_->Text1, "6", &SolveForWindow::Text1LostFocus);
        Enter(w_->Text2, "250", &SolveForWindow::Text2LostFocus);
        Enter(w_->Text3, "100000", &SolveForWindow::Text3LostFocus);
        Enter(w_->Text4, "25", &SolveForWindow::Text4LostFocus);
        QCOMPARE(Results(), QStringList({"138.22", "11.52", "156297.58"}));
        Enter(w_->Text4, "", &SolveForWindow::Text4LostFocus);
        QCOMPARE(Results(), QStringList({"", "", ""}));
    }

    // Interest of about 975 a month against a payment of 900: the amortization stays as it was,
    // the amount part still runs.
    void unresolvableAmortizationKeepsThePreviousResult() {
        ChooseFrequency("Monthly");
        Enter(w_->Text1, "12", &SolveForWindow::Text1LostFocus);
        Enter(w_->Text2, "1100", &SolveForWindow::Text2LostFocus);
        Enter(w_->Text3, "100000", &SolveForWindow::Text3LostFocus);
        const QString months = w_->Text5->text();
        const QString years = w_->Text7->text();
        QVERIFY(!months.isEmpty());
        Enter(w_->Text4, "25", &SolveForWindow::Text4LostFocus);
        const QString amountFor1100 = w_->Text6->text();
        bed_->services.ClearMessages();

        Enter(w_->Text2, "900", &SolveForWindow::Text2LostFocus);
        QCOMPARE(bed_->services.Messages().size(), std::size_t{1});
        const test::AskedMessage& m = bed_->services.Messages()[0];
        QCOMPARE(m.title, std::string("Error, unresolvable scenario"));
        QCOMPARE(m.text,
                 std::string("Error, Solve for Am Period scenario cannot be resolved because\r"
                             "the calculated interest on the mortgage payment exceeds the payment "
                             "you specified.\r\r"
                             "Increase the Payment Amount or decrease the Interest Rate."));
        QCOMPARE(m.buttons, MessageButtons::Ok);
        QCOMPARE(w_->Text5->text(), months);
        QCOMPARE(w_->Text7->text(), years);
        QVERIFY(!w_->Text6->text().isEmpty());
        QVERIFY(w_->Text6->text() != amountFor1100);
    }

    // A refused rate of 0 kept by answering Yes would divide by zero: the window says so and
    // shows no results rather than infinities.
    void rateWithoutInterestShowsNoResults() {
        ChooseFrequency("Monthly");
        Enter(w_->Text1, "6", &SolveForWindow::Text1LostFocus);
        Enter(w_->Text2, "1000", &SolveForWindow::Text2LostFocus);
        Enter(w_->Text3, "100000", &SolveForWindow::Text3LostFocus);
        Enter(w_->Text4, "25", &SolveForWindow::Text4LostFocus);
        QVERIFY(!w_->Text5->text().isEmpty());

        bed_->services.QueueAnswer(MessageAnswer::Yes);
        Enter(w_->Text1, "0", &SolveForWindow::Text1LostFocus);
        QCOMPARE(w_->Text1->text(), QStringLiteral("0"));
        const auto texts = bed_->services.MessageTexts();
        QCOMPARE(texts.size(), std::size_t{2});
        QCOMPARE(test::FirstLine(texts[0]),
                 std::string("Error, value entered in the Interest Rate box must be between 1 "
                             "and 25"));
        QCOMPARE(bed_->services.Messages()[1].title, std::string("Error, unresolvable scenario"));
        QCOMPARE(texts[1], std::string("Error, Solve for scenarios cannot be resolved because\r"
                                       "the Interest Rate is too small to give any interest.\r\r"
                                       "Increase the Interest Rate."));
        QCOMPARE(Results(), QStringList({"", "", ""}));

        // A rate the box would show as 0.000 is refused as 0 is, and No empties the box.
        bed_->services.QueueAnswer(MessageAnswer::No);
        Enter(w_->Text1, "0.000001", &SolveForWindow::Text1LostFocus);
        QCOMPARE(w_->Text1->text(), QString());
        QCOMPARE(bed_->services.Messages().size(), std::size_t{3});
        QCOMPARE(test::FirstLine(bed_->services.MessageTexts()[2]),
                 std::string("Error, value entered in the Interest Rate box must be between 1 "
                             "and 25"));
        QCOMPARE(Results(), QStringList({"", "", ""}));
        for (const QString& shown : {w_->Text5->text(), w_->Text6->text(), w_->Text7->text()}) {
            QVERIFY(!shown.contains(QStringLiteral("inf"), Qt::CaseInsensitive));
            QVERIFY(!shown.contains(QStringLiteral("nan"), Qt::CaseInsensitive));
        }
    }

    void refusedFieldAnsweredNoIsEmptied() {
        bed_->services.QueueAnswer(MessageAnswer::No);
        Enter(w_->Text3, "600000", &SolveForWindow::Text3LostFocus);
        QCOMPARE(w_->Text3->text(), QString());
        QCOMPARE(test::FirstLine(bed_->services.MessageTexts()[0]),
                 std::string("Error, value entered in the mortgage box must be between 1 and "
                             "500000"));
        QCOMPARE(bed_->services.Beeps(), 1);

        // Yes keeps the text and takes the focus back to the box.
        bed_->services.QueueAnswer(MessageAnswer::Yes);
        w_->Text4->setFocus();
        QTest::keyClicks(w_->Text4, "36");
        w_->Text3->setFocus();
        QCOMPARE(w_->Text4->text(), QStringLiteral("36"));
        QCOMPARE(QApplication::focusWidget(), w_->Text4);
        // Text3, where the user was heading, was never checked: no second message.
        QCOMPARE(bed_->services.Messages().size(), std::size_t{2});
    }

    void resultBoxesRefuseTheFocus() {
        for (QLineEdit* result : {w_->Text5, w_->Text6, w_->Text7}) {
            w_->Text3->setFocus();
            result->setFocus();
            QCOMPARE(QApplication::focusWidget(), w_->Text1);
        }
        QCOMPARE(bed_->services.Beeps(), 3);
        QVERIFY(w_->Text5->isReadOnly());
    }

    void closeClosesTheWindowAndSavesNothing() {
        const std::string before = test::Slurp(bed_->folder.Path("$$ps_tmp.bin")) +
                                   test::Slurp(bed_->folder.Path("$$em_tmp.bin"));
        // Closed as the active child, it still has no working file to write.
        bed_->host.active = "Form14";
        Child<QPushButton>(w_.get(), "Command1")->click();
        QVERIFY(w_->isHidden());
        QCOMPARE(test::Slurp(bed_->folder.Path("$$ps_tmp.bin")) +
                     test::Slurp(bed_->folder.Path("$$em_tmp.bin")),
                 before);
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::SolveForWindowTest)
#include "solve_for_window_test.moc"
