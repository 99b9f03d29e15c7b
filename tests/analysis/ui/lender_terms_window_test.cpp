// The lender's terms window offscreen: what leaving its boxes shows and keeps in the study, the
// messages of refused values, Copy and Print Current Form.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "analysis/early_discharge.h"
#include "analysis/ui/lender_terms_window.h"
#include "core/format.h"
#include "files/working_files.h"
#include "support/standard_scenario.h"
#include "support/window_test_bed.h"
#include "support/window_test_main.h"

namespace hl {

class LenderTermsWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestBed> bed_;

    std::unique_ptr<LenderTermsWindow> Open() {
        auto w = std::make_unique<LenderTermsWindow>(bed_->context);
        w->show();
        return w;
    }
    static void Leave(LenderTermsWindow& w, QLineEdit* box, const char* text) {
        box->setText(QString::fromLatin1(text));
        w.BoxLostFocus(box);
    }

  private slots:
    void init() {
        bed_ = std::make_unique<test::WindowTestBed>();
        // The standard loan: 100000 at 10 %, Monthly from Jan 1 1996, a five-year term, with a
        // lump of 10000 and one of 8000 in 1997.
        bed_->session.scenario = test::StandardScenario();
        bed_->session.changes.entries = {{10000, 0, DayFromCivil(1997, 3, 1)},
                                         {8000, 0, DayFromCivil(1997, 9, 1)}};
        bed_->host.active = "Form18";
    }
    void cleanup() {
        QCOMPARE(bed_->services.Unexpected(), std::vector<std::string>());
        bed_.reset();
    }

    void opensOnTheDefaultsWithThePlanAndNoEdit() {
        auto w = Open();
        QCOMPARE(w->objectName(), QStringLiteral("Form18"));
        QCOMPARE(w->LumpShareBox->text(), QStringLiteral("15"));
        QVERIFY(w->CalendarYearOption->isChecked());
        QCOMPARE(w->PrivilegeGrid->rowCount(), 5);
        QCOMPARE(w->PrivilegeGrid->item(1, 1)->text(), QStringLiteral("18000.00"));
        QCOMPARE(w->PrivilegeGrid->item(1, 5)->text(), QStringLiteral("3000.00"));
        QCOMPARE(w->PlanVerdict->text(),
                 QStringLiteral("The plan goes beyond your privileges first on Sep 1 1997."));
        QVERIFY(w->ChargeOut->text().isEmpty());
        QCOMPARE(w->PrintForm().refusal->text, std::string(kNotCalculatedPrintText));
        // Tabbing through without changing anything is no edit.
        w->BoxLostFocus(w->LumpShareBox);
        QVERIFY(!bed_->session.Unsaved());
        QVERIFY(!bed_->session.lender);
        // Every control has its name and one a screen reader can say.
        for (QWidget* control : w->findChildren<QWidget*>())
            if (!w->PrivilegeGrid->isAncestorOf(control) &&
                (qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractButton*>(control) ||
                 qobject_cast<QTableWidget*>(control))) {
                QVERIFY2(!control->objectName().isEmpty(), control->metaObject()->className());
                // A button is said by its text.
                const auto* button = qobject_cast<QAbstractButton*>(control);
                const QString said = control->accessibleName().isEmpty() && button
                                         ? button->text()
                                         : control->accessibleName();
                QVERIFY2(!said.trimmed().isEmpty(), qPrintable(control->objectName()));
            }
    }

    void leavingTheBoxesShowsTheLendersFiguresAndKeepsTheTerms() {
        auto w = Open();
        Leave(*w, w->DiscountBox, "1.5");
        Leave(*w, w->TodayPostedBox, "7");
        Leave(*w, w->FeeBox, "250");
        Leave(*w, w->PrepaymentBox, "20000");
        Leave(*w, w->DischargeDateBox, "1998-02-15");
        QCOMPARE(w->DischargeDateBox->text(), QStringLiteral("Feb 15, 1998"));
        QCOMPARE(w->FeeBox->text(), QStringLiteral("250.00"));
        QVERIFY(bed_->session.Unsaved());
        QVERIFY(bed_->session.lender);
        QCOMPARE(bed_->session.lender->todayPosted, std::optional<Millipercent>(7000));
        QCOMPARE(bed_->session.lender->fee, Cents{25000});

        SilentMessages quiet;
        const EngineInputs in = bed_->session.Inputs();
        const analysis::LenderDischarge d =
            analysis::LenderDischargeOn(in, RunSchedule(in, quiet).schedule, *bed_->session.lender,
                                        DayFromCivil(1998, 2, 15), 7000);
        QCOMPARE(w->BalanceOut->text().toStdString(), analysis::CentsText(d.inputs.balance));
        QCOMPARE(w->MonthsLeftOut->text(), QStringLiteral("34"));
        QCOMPARE(w->IrdOut->text().toStdString(), analysis::CentsText(d.penalty.ird));
        QCOMPARE(w->TotalOut->text().toStdString(), analysis::CentsText(d.penalty.total));
        QCOMPARE(w->FreePrepaymentOut->text(), QStringLiteral("15000.00"));
        QVERIFY(!w->PrepaymentChargeOut->text().isEmpty());
        // Beside them the textbook figures, at the rate the lender compares with: 7 - 1.5.
        QVERIFY(w->TextbookRateLabel->text().startsWith(QStringLiteral("At 5.500 %")));
        QVERIFY(!w->TextbookThreeMonthOut->text().isEmpty());
        // With a rate kept by the early discharge window, its figures are that window's.
        ToolSection kept(ToolFile::Discharge);
        kept.SetDay(0, DayFromCivil(1998, 2, 15));
        kept.SetText(1, "8");
        WriteToolFile(bed_->session.folder, kept);
        Leave(*w, w->FeeBox, "250");
        QCOMPARE(w->TextbookRateLabel->text(),
                 QStringLiteral("At 8.000 % (the Early Discharge Penalties window's rate)."));
        const analysis::DischargeResult textbook = analysis::CalculateDischarge(
            in, RunSchedule(in, quiet).schedule, DayFromCivil(1998, 2, 15), 8.0f);
        QCOMPARE(w->FutureValueOut->text().toStdString(), textbook.futureValue);
        QCOMPARE(w->TextbookThreeMonthOut->text().toStdString(), textbook.threeMonth);

        // A signing rate works the discount out, and the figures follow.
        Leave(*w, w->SigningPostedBox, "12");
        QCOMPARE(w->DiscountBox->text(), QStringLiteral("2"));
        QVERIFY(w->DiscountBox->isReadOnly());
        QCOMPARE(bed_->session.lender->signingPosted, std::optional<Millipercent>(12000));
        // A long term's checkbox is kept as it is clicked.
        w->LongTermCheck->click();
        QVERIFY(bed_->session.lender->longTerm);

        // Copy takes the whole form, Print Current Form its report.
        const std::string copied = w->CopyContent().text;
        QVERIFY(copied.find("Penalty charged:\t" + w->ChargeOut->text().toStdString() + "\r\n") !=
                std::string::npos);
        QVERIFY(copied.find("1997\t18000.00\t15000.00\t0.00\t134.17\t3000.00\r\n") !=
                std::string::npos);
        const PrintOut out = w->PrintForm();
        QVERIFY(!out.refusal);
        QCOMPARE(out.pages.size(), std::size_t{1});
        QCOMPARE(out.pages[0].TextAt(25, 12)->text, std::string("Lender's Terms and Penalty"));
    }

    void refusedValuesAreQuestionedAndNothingIsLost() {
        auto w = Open();
        Leave(*w, w->TodayPostedBox, "6");
        bed_->services.QueueAnswer(MessageAnswer::Yes);
        Leave(*w, w->TodayPostedBox, "30");
        QCOMPARE(bed_->services.MessageTexts(),
                 std::vector<std::string>{
                     "Error, the value must be a per cent from 0 to 25.\r\rDo you want to correct "
                     "your input. (Selecting [No] will clear the field)."});
        // Yes: back in the box to correct it, and the study keeps the value before.
        QCOMPARE(w->TodayPostedBox->text(), QStringLiteral("30"));
        QCOMPARE(bed_->session.lender->todayPosted, std::optional<Millipercent>(6000));
        bed_->services.ClearMessages();

        // A date outside the term is said when its box is left.
        Leave(*w, w->DischargeDateBox, "Jan 1 2005");
        QCOMPARE(bed_->services.MessageTexts(),
                 std::vector<std::string>{"Error - the discharge date must fall within the term "
                                          "of the mortgage, from Jan 1 1996 to Dec 1 2000."});
        QVERIFY(w->ChargeOut->text().isEmpty());
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::LenderTermsWindowTest)
#include "lender_terms_window_test.moc"
