// The compare-scenarios window: scenario one as shown, the checks of scenario two's boxes, what
// Clear, Copy and Calculate leave, scenario two kept between openings, and the study's own
// scenario and payment changes never touched.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "calculator_window_fixture.h"
#include "calculators/ui/compare_window.h"
#include "core/day_number.h"
#include "core/format.h"
#include "core/translate.h"
#include "engine/working_names.h"
#include "files/study_file.h"
#include "print/compare_report.h"
#include "print/reports.h"
#include "scenario/payment_table.h"
#include "support/printed_figure.h"
#include "support/standard_scenario.h"
#include "support/wheel_event.h"
#include "support/window_test_main.h"
#include "windowkit/guarded_combo.h"

Q_DECLARE_METATYPE(hl::MessageAnswer)

namespace hl {

using test::Child;

class CompareWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestBed> bed_;

    // The sample study (Weekly from Mar 24 1992, five years) with its two payment changes.
    CompareWindow* Open() {
        auto* w = new CompareWindow(bed_->context);
        test::Activate(w);
        return w;
    }
    static void Type(QLineEdit* box, const char* text) { box->setText(QString::fromLatin1(text)); }
    static QStringList Results(const CompareWindow& w) {
        QStringList texts;
        for (const QLineEdit* box : {w.Text19, w.Text21, w.Text22, w.Text23, w.Text24, w.Text25,
                                     w.Text32, w.Text33, w.Text27, w.Text28, w.Text29, w.Text30})
            texts << box->text();
        return texts;
    }
    static bool NoResults(const CompareWindow& w) {
        for (const QString& text : Results(w))
            if (!text.isEmpty())
                return false;
        return true;
    }
    // Scenario two: the standard scenario, Monthly, 25 years.
    static void TypeScenarioTwo(CompareWindow& w) {
        Type(w.Text14, "100000");
        w.Text14LostFocus();
        Type(w.Text15, "10");
        w.Text15LostFocus();
        Type(w.Text16, "25");
        w.Text16LostFocus();
        Type(w.Text17, "5");
        w.Text17LostFocus();
        Type(w.Text18, "Jan 1 1996");
        w.Text18LostFocus();
        w.Combo1->setCurrentText("Monthly");
        w.Combo1Click();
    }

  private slots:
    void init() {
        bed_ = std::make_unique<test::WindowTestBed>();
        bed_->session.scenario = test::SampleScenario();
        bed_->session.changes.entries = test::SampleChanges();
        bed_->host.active = "Form11";
    }
    void cleanup() {
        QCOMPARE(test::Unscripted(bed_->services), std::string());
        bed_.reset();
    }

    void opensWithScenarioOneAndItsChangesParked() {
        CompareWindow* w = Open();
        QCOMPARE(w->objectName(), QStringLiteral("Form11"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Compare Scenarios - What If ?"));
        const QStringList one{w->Text1->text(),  w->Text2->text(),  w->Text3->text(),
                              w->Text4->text(),  w->Text5->text(),  w->Text6->text(),
                              w->Text7->text(),  w->Text31->text(), w->Text9->text(),
                              w->Text10->text(), w->Text11->text()};
        QCOMPARE(one, (QStringList{"102500.00", "9.375", "25.00", "5.00", "Mar, 24 1992", "Weekly",
                                   "218.50", "64997.40", "3000.00", "Mar 11 1997", "75305.39"}));
        QVERIFY(!w->Text1->isEnabled());
        QVERIFY(w->Text8->isVisible());
        QCOMPARE(w->Text8->text(), QStringLiteral("Changes entered for Scenario One"));
        QCOMPARE(ReadParkedChanges(bed_->session.folder), test::SampleChanges());
        // The blank working file: nothing to calculate yet, the list at Weekly.
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("Weekly"));
        QVERIFY(!w->Command4->isEnabled());
        QVERIFY(!w->Text20->isVisible());
        QVERIFY(NoResults(*w));
        QCOMPARE(w->Text14->accessibleName(), QStringLiteral("Mortgage Amount - Scenario Two"));
        w->close();
    }

    void numericBoxBounds_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("questioned");
        QTest::addColumn<QString>("shown"); // after No to a question
        QTest::newRow("amount 0.5") << "Text14"
                                    << "0.5" << false << "0.50";
        QTest::newRow("amount 500000") << "Text14"
                                       << "500000" << false << "500000.00";
        QTest::newRow("amount 500000.5") << "Text14"
                                         << "500000.5" << true << "";
        QTest::newRow("rate 25") << "Text15"
                                 << "25" << false << "25.000";
        QTest::newRow("rate 25.001") << "Text15"
                                     << "25.001" << true << "";
        QTest::newRow("amortization 35") << "Text16"
                                         << "35" << false << "35.00";
        QTest::newRow("amortization 0") << "Text16"
                                        << "0" << true << "";
        QTest::newRow("length 35.01") << "Text17"
                                      << "35.01" << true << "";
    }
    void numericBoxBounds() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, questioned);
        QFETCH(QString, shown);
        CompareWindow* w = Open();
        auto* edit = Child<QLineEdit>(w, box.toLatin1().constData());
        if (questioned)
            bed_->services.QueueAnswer(MessageAnswer::No);
        edit->setText(typed);
        const std::map<QString, void (CompareWindow::*)()> leave = {
            {"Text14", &CompareWindow::Text14LostFocus},
            {"Text15", &CompareWindow::Text15LostFocus},
            {"Text16", &CompareWindow::Text16LostFocus},
            {"Text17", &CompareWindow::Text17LostFocus}};
        (w->*leave.at(box))();
        QCOMPARE(edit->text(), shown);
        QCOMPARE(bed_->services.Messages().size(), std::size_t(questioned ? 1 : 0));
        if (questioned)
            QCOMPARE(bed_->services.Messages().back().title, std::string("Mortgage Input Error"));
        // Leaving a box clears the results, which enables Calculate.
        QVERIFY(w->Command4->isEnabled());
        w->close();
    }

    void numericBoxesTakeOnlyDigitsAndPoints() {
        CompareWindow* w = Open();
        w->Text14->setFocus();
        QTest::keyClicks(w->Text14, "12a.5");
        QCOMPARE(w->Text14->text(), QStringLiteral("12.5"));
        QCOMPARE(bed_->services.Beeps(), 1);
        w->close();
    }

    void lengthAboveScenarioTwosAmortizationOnly() {
        CompareWindow* w = Open();
        Type(w->Text16, "25");
        Type(w->Text17, "30");
        w->Text17LostFocus();
        QCOMPARE(bed_->services.Messages().size(), std::size_t(1));
        QCOMPARE(bed_->services.Messages().back().title, std::string("Mortgage Input Violation"));
        QCOMPARE(bed_->services.Messages().back().text,
                 std::string("Error, Length of loan cannot exceed the Amortization period "
                             "specified"));
        // With no amortization in scenario two (scenario one's 25 does not count), no message.
        w->Text16->clear();
        w->Text17LostFocus();
        QCOMPARE(bed_->services.Messages().size(), std::size_t(1));
        QCOMPARE(w->Text17->text(), QStringLiteral("30.00"));
        w->close();
    }

    void clearSetsWeeklyAndEmptiesScenarioTwo() {
        CompareWindow* w = Open();
        w->Command5->click();
        w->Combo1->setCurrentText("Monthly");
        w->Command6->click();
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("Weekly"));
        for (const QLineEdit* box : {w->Text14, w->Text15, w->Text16, w->Text17, w->Text18})
            QVERIFY(box->text().isEmpty());
        QCOMPARE(w->ScenarioTwoChanges().Count(), 0);
        QVERIFY(!w->Text20->isVisible());
        w->close();
    }

    void copyThenCalculateShowsNoDifference() {
        CompareWindow* w = Open();
        w->Command5->click();
        QCOMPARE(w->Text14->text(), QStringLiteral("102500.00"));
        QCOMPARE(w->Text18->text(), QStringLiteral("Mar 24 1992"));
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("Weekly"));
        QCOMPARE(w->ScenarioTwoChanges().entries, test::SampleChanges());
        QCOMPARE(w->Text20->text(), QStringLiteral("Changes entered for Scenario Two"));
        QVERIFY(w->Text19->text().isEmpty()); // Copy does not preview the payment
        w->Command4->click();
        QCOMPARE(w->Text23->text(), w->Text11->text());
        QCOMPARE(w->Text30->text(), QStringLiteral("0.00"));
        QVERIFY(!w->Command4->isEnabled());
        // Incomplete inputs: a message, and nothing calculated.
        w->Text18->clear();
        w->Text18LostFocus(); // an edit clears the results, which enables Calculate again
        QVERIFY(w->Command4->isEnabled());
        w->Command4->click();
        QVERIFY(NoResults(*w));
        QCOMPARE(bed_->services.Messages().back().text,
                 std::string("Error - all input boxes for scenario 2 must be completed. Please "
                             "complete"));
        w->close();
    }

    void calculateLeavesTheStudyAsItWas() {
        // Scenario two runs over its own scenario and table: the study's stay as they were, and
        // scenario one's changes come back untouched however scenario two's were edited.
        const Scenario scenario = bed_->session.scenario;
        const PaymentChanges changes = bed_->session.changes;
        CompareWindow* w = Open();
        TypeScenarioTwo(*w);
        w->Command4->click();
        QCOMPARE(w->Text19->text(), QStringLiteral("894.49")); // the standard monthly payment
        QCOMPARE(w->Text22->text(), QStringLiteral("Dec 1 2000"));
        QCOMPARE(bed_->session.scenario, scenario);
        QCOMPARE(bed_->session.changes, changes);
        w->Command5->click();
        w->Command6->click();
        w->close();
        QCOMPARE(bed_->session.scenario, scenario);
        QCOMPARE(bed_->session.changes, changes);
    }

    void reopeningShowsTheFirstVisitsScenarioTwoWithoutResults() {
        CompareWindow* w = Open();
        w->Command5->click();
        Type(w->Text15, "8");
        w->Text15LostFocus();
        w->Command4->click();
        QVERIFY(!NoResults(*w));
        // Closed by the result-window reset while another window is active: kept all the same.
        bed_->host.active = "Form2";
        w->close();
        const ToolSection kept = ReadToolFile(bed_->session.folder, ToolFile::Compare);
        QCOMPARE(kept.Text(1), std::string("8.000"));
        QCOMPARE(kept.Day(4), DayFromCivil(1992, 3, 24));
        QCOMPARE(kept.groups.size(), std::size_t(2));

        w = Open();
        QCOMPARE(w->Text14->text(), QStringLiteral("102500.00"));
        QCOMPARE(w->Text15->text(), QStringLiteral("8.000"));
        QCOMPARE(w->Text18->text(), QStringLiteral("Mar 24 1992"));
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("Weekly"));
        QCOMPARE(w->ScenarioTwoChanges().entries, test::SampleChanges());
        QVERIFY(w->Command4->isEnabled());
        QVERIFY(NoResults(*w));
        QVERIFY(!w->Text20->isVisible()); // the indicator waits for Enter Payment Changes
        w->close();
    }

    void aSavedStudyBringsScenarioTwoBack() {
        ToolSection kept(ToolFile::Compare);
        for (std::size_t i = 0; i < 4; ++i)
            kept.SetText(i, std::array{"100000.00", "10.000", "25.00", "5.00"}[i]);
        kept.SetDay(4, DayFromCivil(1996, 1, 1));
        kept.SetText(5, "Monthly");
        kept.groups = {ToolGroup{1000.0f, 0.0f, DayFromCivil(1996, 2, 1)}};
        Study study;
        study.scenario = bed_->session.scenario;
        study.changes = bed_->session.changes;
        study.tools[ToolFile::Compare] = kept;
        const std::string path = bed_->folder.Path("compare.mtg");
        QVERIFY(WriteStudyFile(path, study));
        ResetToolFiles(bed_->session.folder);
        WriteToolFiles(bed_->session.folder, ReadStudyFile(path).tools);

        CompareWindow* w = Open();
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("Monthly"));
        QCOMPARE(w->Text18->text(), QStringLiteral("Jan 1 1996"));
        QCOMPARE(w->ScenarioTwoChanges().Count(), 1);
        w->Command4->click();
        QCOMPARE(w->Text21->text(), QStringLiteral("1000.00"));
        w->close();
    }

    void theListSpeaksTheProgramsLanguageWhileTheFileKeepsEnglish() {
        // A translated program: the frequencies read in its language, on the list and for
        // scenario one, while the working file and the computation keep the English names.
        SetTranslator([](const char* context, const char* text) {
            return std::string(context) == "Frequencies" ? std::string("fr ") + text
                                                         : std::string(text);
        });
        CompareWindow* w = Open();
        SetTranslator({});
        QCOMPARE(w->Text6->text(), QStringLiteral("fr Weekly"));
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("fr Weekly"));
        TypeScenarioTwo(*w);
        w->Combo1->setCurrentIndex(w->Combo1->findText(QStringLiteral("fr Monthly")));
        w->Combo1Click();
        w->Command4->click();
        QCOMPARE(w->Text19->text(), QStringLiteral("894.49")); // the standard monthly payment
        w->Command5->click();
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("fr Weekly"));
        w->Combo1->setCurrentIndex(w->Combo1->findText(QStringLiteral("fr Monthly")));
        w->close();
        QCOMPARE(ReadToolFile(bed_->session.folder, ToolFile::Compare).Text(5),
                 std::string("Monthly"));
    }

    void timeFramePromptErasesOnlyScenarioTwosTable() {
        CompareWindow* w = Open();
        w->Command5->click();
        bed_->services.QueueAnswer(MessageAnswer::No);
        QVERIFY(!w->Text17Editing());
        QCOMPARE(w->ScenarioTwoChanges().Count(), 2);
        bed_->services.QueueAnswer(MessageAnswer::Yes);
        QVERIFY(w->Combo1Changing());
        QCOMPARE(bed_->services.Messages().back().title,
                 std::string("Warning - Confirm Data Deletion"));
        QCOMPARE(w->ScenarioTwoChanges().Count(), 0);
        QVERIFY(!w->Text20->isVisible());
        QCOMPARE(bed_->session.changes.entries, test::SampleChanges());
        // An empty table asks nothing.
        QVERIFY(w->Text18Editing());
        QCOMPARE(bed_->services.Messages().size(), std::size_t(2));
        w->close();
    }

    // The frequency of scenario two asks once before any change, whatever the device; No and
    // Cancel leave the frequency, the closed list and scenario two's table as they were.
    void frequencyAsksOnceBeforeItChanges_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<MessageAnswer>("answer");
        const char* const names[] = {"Yes", "No", "Cancel"};
        const MessageAnswer answers[] = {MessageAnswer::Yes, MessageAnswer::No,
                                         MessageAnswer::Cancel};
        for (const char* device : {"click", "wheel", "key down", "type-ahead"})
            for (int i = 0; i < 3; ++i)
                QTest::newRow(QByteArray(device).append(' ').append(names[i]).constData())
                    << QString(device) << answers[i];
    }
    void frequencyAsksOnceBeforeItChanges() {
        QFETCH(QString, device);
        QFETCH(MessageAnswer, answer);
        CompareWindow* w = Open();
        w->Command5->click(); // scenario one's Weekly and its two changes
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("Weekly"));
        w->Text14->setFocus();
        bed_->services.QueueAnswer(answer);
        if (device == "click") {
            QTest::mouseClick(w->Combo1, Qt::LeftButton);
        } else if (device == "wheel") {
            test::TurnWheel(w->Combo1, -1);
        } else {
            w->Combo1->setFocus(Qt::TabFocusReason);
            QTest::keyClick(w->Combo1, device == "key down" ? Qt::Key_Down : Qt::Key_M);
        }
        QCOMPARE(bed_->services.Messages().size(), std::size_t(1));
        QCOMPARE(bed_->services.Messages()[0].title,
                 std::string("Warning - Confirm Data Deletion"));
        const bool opened = w->Combo1->view()->isVisible();
        if (answer == MessageAnswer::Yes) {
            QCOMPARE(w->ScenarioTwoChanges().Count(), 0);
            QCOMPARE(opened, device == "click");
            if (opened)
                w->Combo1->hidePopup();
            else
                QVERIFY(w->Combo1->currentText() != QStringLiteral("Weekly"));
        } else {
            QVERIFY(!opened);
            QCOMPARE(w->Combo1->currentText(), QStringLiteral("Weekly"));
            QCOMPARE(w->ScenarioTwoChanges().Count(), 2);
            if (device != "wheel") // the user stays in the list
                QCOMPARE(QApplication::focusWidget(), w->Combo1);
        }
        QCOMPARE(test::Unscripted(bed_->services), std::string());
        w->close();
    }

    void printsTheComparisonOnceCalculated() {
        CompareWindow* w = Open();
        const PrintOut refused = w->PrintForm();
        QVERIFY(refused.refusal);
        QCOMPARE(refused.refusal->title, std::string(kPrintWarningTrapTitle));
        QCOMPARE(refused.refusal->text, std::string(kNotCalculatedPrintText));

        // Scenario one's changes print as parked on opening, whatever the study's table holds
        // since; scenario two has none.
        bed_->session.changes.entries.clear();
        TypeScenarioTwo(*w);
        w->Command4->click();
        const PrintOut out = w->PrintForm();
        QVERIFY(!out.refusal);
        QCOMPARE(out.pages.size(), std::size_t(1));
        const Page& page = out.pages.front();
        // The text starting in the field at `column`: figures stand on their decimal points.
        auto text = [&](double column, double line) {
            for (const PlacedText& t : page.texts)
                if (t.line == line && t.column >= column && t.column < column + 9)
                    return t.text;
            return std::string("<none>");
        };
        QCOMPARE(text(20, 4), std::string("Scenario Comparison Study"));
        QCOMPARE(test::FigureInColumn(page, 40, kCompareFigureLine), std::string("102500.00"));
        QCOMPARE(test::FigureInColumn(page, 60, kCompareFigureLine), std::string("100000.00"));
        QCOMPARE(test::FigureInColumn(page, 87, kCompareFigureLine + 14 * kCompareFigurePitch),
                 w->Text30->text().toStdString());
        const double firstEntry = kCompareListLine + 4 * kCompareListPitch;
        QCOMPARE(text(3, firstEntry), FormatDate(test::SampleChanges().front().date, "mmm d yyyy"));
        QCOMPARE(text(54, firstEntry), std::string("<none>"));
        QCOMPARE(text(kPageNumberColumn, kPageNumberLine), std::string("Page: 1 of 1"));
        w->close();
    }

    void paymentChangesFollowScenarioTwosCalendar() {
        CompareWindow* w = Open();
        PaymentChangesWindow* changes = nullptr;
        bed_->host.factories["Form4"] = [&] {
            changes = new PaymentChangesWindow(bed_->context);
            bed_->host.open["Form4"] = changes;
            return changes;
        };
        // Without a start date and a length, the window is not opened.
        w->Command1Click();
        QCOMPARE(bed_->services.Messages().back().text,
                 std::string("Error Start Date and Length of Loan MUST be completed before "
                             "payment chanes can be entered."));
        QVERIFY(!changes);

        TypeScenarioTwo(*w);
        w->Command1Click();
        QVERIFY(changes);
        QTest::qWait(50); // the keys typed while it opens are dropped
        auto* grid = Child<QTableView>(changes, "Grid1");
        QCOMPARE(grid->model()->rowCount(), 61); // 60 monthly payments from Jan 1 1996
        QCOMPARE(grid->model()->index(1, 1).data().toString(), QStringLiteral("Feb 01 96"));
        grid->setCurrentIndex(grid->model()->index(1, 3));
        QTest::keyClick(grid, '9');
        QTest::keyClick(Child<QLineEdit>(changes, "Text1"), Qt::Key_Return);
        QCOMPARE(w->ScenarioTwoChanges().entries,
                 (std::vector<PaymentChange>{{9.0f, 0.0f, DayFromCivil(1996, 2, 1)}}));
        QCOMPARE(bed_->session.changes.entries, test::SampleChanges());
        w->Command1LostFocus();
        QVERIFY(w->Text20->isVisible());

        // Closing the compare window closes the payment-changes window editing its table.
        w->close();
        QCOMPARE(bed_->host.closed.back(), std::string("Form4"));
        QCOMPARE(ReadToolFile(bed_->session.folder, ToolFile::Compare).groups.size(),
                 std::size_t(1));
        delete changes;
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::CompareWindowTest)
#include "compare_window_test.moc"
