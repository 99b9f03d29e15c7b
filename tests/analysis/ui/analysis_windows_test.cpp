// The early discharge and saving suggestions windows: what the user types, the messages, what is
// kept between openings and in a saved study, and what they print.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <map>
#include <memory>

#include "analysis/ui/early_discharge_window.h"
#include "analysis/ui/refinance_search_window.h"
#include "analysis/ui/refinance_window.h"
#include "analysis/ui/suggestions_window.h"
#include "core/format.h"
#include "core/translate.h"
#include "files/study_file.h"
#include "files/working_files.h"
#include "support/standard_scenario.h"
#include "support/widget_lookup.h"
#include "support/window_test_bed.h"
#include "support/window_test_main.h"

namespace hl {

using test::Child;

class AnalysisWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestBed> bed_;

    // The standard scenario: Monthly from Jan 1 1996, five years, 10 %.
    std::unique_ptr<EarlyDischargeWindow> OpenDischarge() {
        auto w = std::make_unique<EarlyDischargeWindow>(bed_->context);
        w->show();
        return w;
    }
    static void Type(QLineEdit* box, const char* text) { box->setText(QString::fromLatin1(text)); }
    static QStringList Results(const EarlyDischargeWindow& w) {
        return {w.Text3->text(), w.Text4->text(), w.Text5->text(), w.Text6->text()};
    }
    void KeepDischargeInputs(DayNumber day, const char* rate) {
        ToolSection kept(ToolFile::Discharge);
        kept.SetDay(0, day);
        kept.SetText(1, rate);
        WriteToolFile(bed_->session.folder, kept);
    }

  private slots:
    void init() {
        bed_ = std::make_unique<test::WindowTestBed>();
        bed_->session.scenario = test::StandardScenario();
        bed_->host.active = "Form10";
    }
    void cleanup() {
        QCOMPARE(bed_->services.Unexpected(), std::vector<std::string>());
        bed_.reset();
    }

    void opensOnTheTermWithTodayAndNothingCalculated() {
        auto w = OpenDischarge();
        QCOMPARE(w->windowTitle(), QStringLiteral("Early Discharge Calculation (Estimate)"));
        QCOMPARE(w->Text7->text(), QStringLiteral("Jan 1 1996"));
        QCOMPARE(w->Text8->text(), QStringLiteral("Dec 1 2000"));
        QCOMPARE(w->Text1->text(), QString::fromStdString(FormatDate(Today(), "mmm d yyyy")));
        QVERIFY(w->Text2->text().isEmpty());
        QCOMPARE(Results(*w), QStringList({"", "", "", ""}));
        // The schedule file is there for the reports.
        QVERIFY(QFile::exists(QString::fromStdString(bed_->folder.Path("$$temp.bin"))));
    }

    void leavingTheBoxesCalculatesWhatTheComputationGives() {
        auto w = OpenDischarge();
        Type(w->Text1, "1998-06-15");
        w->Text1LostFocus();
        QCOMPARE(w->Text1->text(), QStringLiteral("Jun 15, 1998"));
        Type(w->Text2, "7.5");
        w->Text2LostFocus();
        QCOMPARE(w->Text2->text(), QStringLiteral("7.500"));
        SilentMessages quiet;
        const analysis::DischargeResult expected = analysis::CalculateDischarge(
            bed_->session.Inputs(), RunSchedule(bed_->session.Inputs(), quiet).schedule,
            DayFromCivil(1998, 6, 15), 7.5f);
        QCOMPARE(Results(*w), QStringList({QString::fromStdString(expected.futureValue),
                                           QString::fromStdString(expected.accumulatedInterest),
                                           QString::fromStdString(expected.actualScenario),
                                           QString::fromStdString(expected.threeMonth)}));
        for (const QString& result : Results(*w))
            QVERIFY(!result.isEmpty());
    }

    void refusalsSayWhyAndKeepTheUserInTheBox() {
        auto w = OpenDischarge();
        // Before the start: an OK box, and the results stay empty.
        Type(w->Text1, "Dec 1 1995");
        w->Text1LostFocus();
        QCOMPARE(bed_->services.Messages().back().title, std::string("Mortgage Input Error"));
        QVERIFY(bed_->services.Messages().back().text.starts_with(
            "Error, this date is earlier than the start date of the mortgage. "));
        // Not a date: a question; No empties the box.
        bed_->services.QueueAnswer(MessageAnswer::No);
        Type(w->Text1, "someday");
        w->Text1LostFocus();
        QVERIFY(w->Text1->text().isEmpty());
        QCOMPARE(bed_->services.Messages().back().text,
                 std::string("Error, this is not a valid date.  \rA valid date (or nothing) must "
                             "be entered to continue.\r\rDo you want to correct your input. "
                             "(Selecting [No] will clear the field)."));
        // Above the scenario's rate: a question; Yes keeps the text for correction.
        bed_->services.QueueAnswer(MessageAnswer::Yes);
        Type(w->Text2, "11");
        w->Text2LostFocus();
        QCOMPARE(w->Text2->text(), QStringLiteral("11"));
        QVERIFY(bed_->services.Messages().back().text.starts_with(
            "Error, value entered in the Interest Rate box must be less than the scenario "
            "interest rate (currently set at: 10.000 %)."));
        // On the start date no payment has been made: nothing to discharge yet.
        Type(w->Text1, "Jan 1 1996");
        w->Text1LostFocus();
        Type(w->Text2, "5");
        w->Text2LostFocus();
        QCOMPARE(bed_->services.Messages().back().title, std::string("Mortgage Input Violation"));
        QVERIFY(bed_->services.Messages().back().text.starts_with(
            "Error - Discharge date is beyond the end of the mortgage.  "));
        QCOMPARE(Results(*w), QStringList({"", "", "", ""}));
    }

    void hintsExplainTheFormAndThePenalties() {
        auto w = OpenDischarge();
        w->Command3->click();
        w->Command2->click();
        const auto& asked = bed_->services.Messages();
        QCOMPARE(asked.at(0).title, std::string("Mortgage Hint Box"));
        QVERIFY(asked.at(0).text.starts_with("This form calculates the Early Discharge Penalty.  "
                                             "This is the money the lender \rcharges you"));
        QCOMPARE(asked.at(1).title, std::string("Explain Discharge Penalties Hint Box"));
        QVERIFY(asked.at(1).text.ends_with(
            "those that are CMHC insured.\r\rCHECK WITH YOUR LENDER ABOUT THIS.  THEY DON'T "
            "ADVERTISE THIS FACT."));
    }

    void inputsAreKeptAndComeBackCalculated() {
        KeepDischargeInputs(DayFromCivil(1998, 6, 15), "7.500");
        auto w = OpenDischarge();
        QCOMPARE(w->Text1->text(), QStringLiteral("Jun 15 1998"));
        QCOMPARE(w->Text2->text(), QStringLiteral("7.500"));
        QVERIFY(!w->Text6->text().isEmpty());

        // Closed as the active child, it keeps what it shows; a date without a rate is not kept.
        Type(w->Text1, "Mar 3 1999");
        w->Text2->clear();
        w->close();
        const ToolSection kept = ReadToolFile(bed_->session.folder, ToolFile::Discharge);
        QCOMPARE(kept.Day(0), 0);
        QCOMPARE(kept.Text(1), std::string(" "));
    }

    void aSavedStudyCarriesTheInputs() {
        KeepDischargeInputs(DayFromCivil(1998, 6, 15), "7.500");
        const std::string path = bed_->folder.Path("discharge.mtg");
        Study study;
        study.scenario = bed_->session.scenario;
        study.tools = ReadToolFiles(bed_->session.folder);
        QVERIFY(WriteStudyFile(path, study));
        ResetToolFiles(bed_->session.folder);
        WriteToolFiles(bed_->session.folder, ReadStudyFile(path).tools);
        auto w = OpenDischarge();
        QCOMPARE(w->Text1->text(), QStringLiteral("Jun 15 1998"));
        QCOMPARE(w->Text2->text(), QStringLiteral("7.500"));
    }

    void dischargePrintsOnlyOnceCalculated() {
        auto w = OpenDischarge();
        const PrintOut refused = w->PrintForm();
        QVERIFY(refused.refusal && refused.pages.empty());
        QCOMPARE(refused.refusal->title, std::string(kPrintErrorTrapTitle));
        QCOMPARE(refused.refusal->text, std::string(kNotCalculatedPrintText));

        Type(w->Text1, "Jun 15 1998");
        w->Text1LostFocus();
        Type(w->Text2, "7.5");
        w->Text2LostFocus();
        const PrintOut out = w->PrintForm();
        QCOMPARE(out.pages.size(), std::size_t{1});
        QCOMPARE(out.pages[0].LineText(17).substr(11),
                 std::string("Current Mortgage runs from:   Jan 1 1996   until   Dec 1 2000"));
        QCOMPARE(out.pages[0].TextAt(42, 33)->text, w->Text6->text().toStdString());
    }

    void dateBoxesHoldEveryMonthInFrench() {
        // French month names run wider than the English ones ("févr.", "sept."): a date box has
        // room for each, with the margins it leaves an English date.
        const std::map<std::string, std::string> months = {
            {"Jan", "janv."}, {"Feb", "févr."}, {"Mar", "mars"},  {"Apr", "avr."},
            {"May", "mai"},   {"Jun", "juin"},  {"Jul", "juil."}, {"Aug", "août"},
            {"Sep", "sept."}, {"Oct", "oct."},  {"Nov", "nov."},  {"Dec", "déc."}};
        struct EnglishAgain {
            ~EnglishAgain() { SetTranslator({}); }
        } restore;
        SetTranslator([&months](const char* context, const char* text) {
            const auto french = months.find(text);
            return std::string(context) == "Months" && french != months.end() ? french->second
                                                                              : std::string(text);
        });
        const std::unique_ptr<QWidget> windows[] = {
            OpenDischarge(), std::make_unique<RefinanceWindow>(bed_->context),
            std::make_unique<RefinanceSearchWindow>(bed_->context)};
        for (const auto& w : windows) {
            w->show();
            auto* box = Child<QLineEdit>(w.get(), "Text1");
            for (int month = 1; month <= 12; ++month) {
                const QString date = QString::fromStdString(
                    FormatDate(DayFromCivil(2000, month, 28), "mmm d, yyyy"));
                QVERIFY2(box->width() >= box->fontMetrics().horizontalAdvance(date) + 12,
                         qPrintable(w->objectName() + QStringLiteral(" ") + date));
            }
        }
    }

    void suggestionsPrintTheListAsShown() {
        SuggestionsWindow w(bed_->context);
        const Report pages = w.PrintForm().pages;
        QCOMPARE(pages.size(), std::size_t{1});
        for (int i = 0; i <= w.List1->count(); ++i) {
            const PlacedText* line = pages[0].TextAt(3, 9 + i);
            QCOMPARE(line ? line->text : "<none>",
                     i < w.List1->count() ? w.List1->item(i)->text().toStdString() : "<none>");
        }
        w.List1->clear();
        QCOMPARE(w.PrintForm().refusal.value().title, std::string(kPrintTrapTitle));
    }

    void suggestionsFollowTheRateTyped() {
        SuggestionsWindow w(bed_->context);
        QCOMPARE(w.windowTitle(), QStringLiteral("$$ Saving Suggestions to Try"));
        auto numbered = [&w] {
            QStringList numbers;
            for (int i = 0; i < w.List1->count(); ++i) {
                const QString item = w.List1->item(i)->text();
                if (item.size() > 2 && item[0] == u' ' && item[1].isDigit() && item[2] == u')')
                    numbers << item.left(2);
            }
            return numbers;
        };
        // Monthly, no rate known: the weekly and the lump payment suggestions.
        QCOMPARE(numbered(), QStringList({" 1", " 2"}));
        Type(w.Text3, "6.5");
        w.Text3LostFocus();
        QCOMPARE(numbered(), QStringList({" 1", " 2", " 3"}));
        QCOMPARE(w.List1->item(0)->text(),
                 QStringLiteral(" 1) The current interest rate is lower than the rate you are "
                                "now paying.  This indicates that you might consider "
                                "terminating"));
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::AnalysisWindowsTest)
#include "analysis_windows_test.moc"
