// The refinance analysis window: the defaults it fills in, the questions it asks, the output
// table, the verdict, the graph, and what is kept between openings.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "analysis/ui/refinance_window.h"
#include "core/format.h"
#include "core/text_items.h"
#include "display/ui/graph_window.h"
#include "engine/schedule_file.h"
#include "files/working_files.h"
#include "support/standard_scenario.h"
#include "support/widget_lookup.h"
#include "support/window_test_bed.h"
#include "support/window_test_main.h"

namespace hl {

using test::Child;

class RefinanceWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowTestBed> bed_;

    // The standard scenario: Monthly from Jan 1 1996, five years, 10 %.
    std::unique_ptr<RefinanceWindow> Open() {
        auto w = std::make_unique<RefinanceWindow>(bed_->context);
        w->show();
        return w;
    }
    static void Type(QLineEdit* box, const char* text) { box->setText(QString::fromLatin1(text)); }
    // A date and a rate typed and left, as a user fills the form in.
    static void Fill(RefinanceWindow& w, const char* date, const char* rate) {
        Type(w.Text1, date);
        w.Text1LostFocus();
        Type(w.Text2, rate);
        w.Text2LostFocus();
    }
    static QStringList Outputs(const RefinanceWindow& w) {
        return {w.Text15->text(), w.Text11->text(), w.Text13->text(), w.Text12->text(),
                w.Text17->text(), w.Text18->text(), w.Text16->text(), w.Text14->text()};
    }

  private slots:
    void init() {
        bed_ = std::make_unique<test::WindowTestBed>();
        bed_->session.scenario = test::StandardScenario();
        bed_->host.active = "Form8";
    }
    void cleanup() {
        QCOMPARE(bed_->services.Unexpected(), std::vector<std::string>());
        bed_.reset();
    }

    void opensWithTodayTheTermAndNothingCalculated() {
        auto w = Open();
        QCOMPARE(w->windowTitle(), QStringLiteral("Refinance Analysis"));
        QCOMPARE(w->Text1->text(), QString::fromStdString(FormatDate(Today(), "mmm d yyyy")));
        QCOMPARE(w->Text4->text(), QStringLiteral("Jan 1 1996"));
        QCOMPARE(w->Text5->text(), QStringLiteral("Dec 1 2000"));
        QCOMPARE(w->Text6->text(), QStringLiteral("10.000"));
        QCOMPARE(Outputs(*w), QStringList(8, QString()));
        QVERIFY(!w->Command9->isEnabled());
        QVERIFY(!w->Command10->isEnabled());
        QVERIFY(bed_->services.Messages().empty());
    }

    void theDefaultsAndTheTableAreTheComputations() {
        auto w = Open();
        Fill(*w, "Jun 15 1998", "7");
        SilentMessages quiet;
        const ScheduleFile schedule = RunSchedule(bed_->session.Inputs(), quiet).schedule;
        const analysis::BalanceOwing owing =
            analysis::BalanceOwingOn(bed_->session.scenario, schedule, DayFromCivil(1998, 6, 15));
        QCOMPARE(w->Text7->text(), QString::fromStdString(owing.owingText));
        QCOMPARE(w->Text3->text(), QString::fromStdString(owing.paymentText));
        QCOMPARE(w->Text2->text(), QStringLiteral("7.000"));
        QCOMPARE(w->Text8->text(), QString::fromStdString(analysis::DefaultPenaltyText(
                                       bed_->session.scenario, owing, 7.0f)));
        QCOMPARE(w->Text10->text(), QString::fromStdString(analysis::TotalToRefinance(
                                                               w->Text7->text().toStdString(),
                                                               w->Text8->text().toStdString(), "")
                                                               .text));

        w->Command5->click();
        const analysis::RefinanceResult r =
            analysis::CalculateRefinance(bed_->session.Inputs(), schedule,
                                         {DayFromCivil(1998, 6, 15), 7.0f,
                                          w->Text3->text().toFloat(), w->Text10->text().toFloat()});
        QCOMPARE(
            Outputs(*w),
            QStringList(
                {QString::fromStdString(r.comparisonDate), QString::fromStdString(r.currentBalance),
                 QString::fromStdString(r.refinancedBalance), QString::fromStdString(r.difference),
                 QString::fromStdString(r.currentPayment),
                 QString::fromStdString(r.refinancePayment), QString::fromStdString(r.paymentCost),
                 QString::fromStdString(r.netSaving)}));
        // The default payment costs nothing.
        QCOMPARE(w->Text16->text(), QStringLiteral("0.00"));
        QVERIFY(w->Command9->isEnabled() && w->Command10->isEnabled());
        w->Command9->click();
        QCOMPARE(bed_->services.Messages().back().title, std::string("Now in English..."));

        // Any change of an input empties the table and greys the verdict and the graph.
        Type(w->Text9, "250");
        w->AmountLostFocus(w->Text9);
        QCOMPARE(w->Text9->text(), QStringLiteral("250.00"));
        QCOMPARE(Outputs(*w), QStringList(8, QString()));
        QVERIFY(!w->Command9->isEnabled());
    }

    // Refused until a calculation fills the output table; then the sentences with its figures.
    void printsTheRunResultsOnceCalculated() {
        auto w = Open();
        Fill(*w, "Jun 15 1998", "7");
        const PrintOut none = w->PrintForm();
        QVERIFY(none.refusal && none.pages.empty());
        QCOMPARE(none.refusal->title, std::string(kPrintTrapTitle));
        w->Command5->click();
        const PrintOut out = w->PrintForm();
        QVERIFY(!out.refusal);
        QCOMPARE(out.pages.size(), std::size_t{1});
        const Page& page = out.pages[0];
        QCOMPARE(page.TextAt(20, 4)->text, std::string("Refinance - Scenario Run Results"));
        // The conclusion's last line: the net saving at column 60.
        const auto saving =
            std::find_if(page.texts.begin(), page.texts.end(),
                         [](const PlacedText& t) { return t.text == "Yields a savings of: "; });
        QVERIFY(saving != page.texts.end());
        // The figure on that line right of the label, standing on its decimal point.
        const auto figure =
            std::find_if(page.texts.begin(), page.texts.end(), [&](const PlacedText& t) {
                return t.line == saving->line && t.column >= 60 && t.column < 69;
            });
        QVERIFY(figure != page.texts.end());
        QCOMPARE(figure->text, w->Text14->text().toStdString());
        QCOMPARE(page.TextAt(78, 62)->text, std::string("Page: 1 of 1"));
    }

    void aTypedPenaltyIsOverwrittenOnlyWhenTheUserSaysSo() {
        auto w = Open();
        Fill(*w, "Jun 15 1998", "7");
        Type(w->Text8, "1234");
        w->AmountLostFocus(w->Text8);
        QCOMPARE(w->Text8->text(), QStringLiteral("1234.00"));
        // The same rate again asks nothing.
        w->Text2LostFocus();
        QVERIFY(bed_->services.Messages().empty());
        // Another rate: No keeps the penalty typed.
        bed_->services.QueueAnswer(MessageAnswer::No);
        Type(w->Text2, "6.5");
        w->Text2LostFocus();
        QCOMPARE(bed_->services.Messages().back().title, std::string("Overwrite Warning"));
        QCOMPARE(w->Text8->text(), QStringLiteral("1234.00"));
        // Yes puts the calculated penalty back.
        bed_->services.QueueAnswer(MessageAnswer::Yes);
        Type(w->Text1, "Jul 15 1998");
        w->Text1LostFocus();
        QVERIFY(w->Text8->text() != QStringLiteral("1234.00"));
        QVERIFY(!w->Text8->text().isEmpty());
    }

    void calculateWantsTheThreeInputs() {
        auto w = Open();
        w->Text1->clear();
        w->Command5->click();
        QCOMPARE(bed_->services.Messages().back().text,
                 std::string("Error - all three input fields MUST contain data.  One or more is "
                             "blank."));
        QCOMPARE(Outputs(*w), QStringList(8, QString()));
    }

    void theGraphDrawsTheComparisonAndTheScheduleComesBack() {
        auto w = Open();
        Fill(*w, "Jun 15 1998", "7");
        w->Command5->click();
        std::string drawn;
        std::unique_ptr<GraphWindow> graph;
        bed_->host.factories["Form6"] = [&]() -> ChildWindow* {
            drawn = ReadWholeFile(bed_->folder.Path("$$temp.bin"));
            graph = std::make_unique<GraphWindow>(bed_->context);
            return graph.get();
        };
        w->Command10->click();
        QVERIFY(graph);
        // 30 monthly payments from July 1998 to the end of the term, with the filler.
        QVERIFY(drawn.starts_with("30\r\n99\r\n99,"));
        QCOMPARE(ReadScheduleFile(bed_->session.folder).records.size(), std::size_t(60));
    }

    void hintsAndTheDischargeWindow() {
        auto w = Open();
        for (QPushButton* hint : {w->Command1, w->Command3, w->Command4, w->Command7, w->Command8})
            hint->click();
        QCOMPARE(bed_->services.Messages().size(), std::size_t(5));
        for (const auto& message : bed_->services.Messages())
            QCOMPARE(message.title, std::string("Mortgage Hint Box"));
        QVERIFY(bed_->services.Messages()[1].text.ends_with("     was saved."));
        w->Command6->click();
        QCOMPARE(bed_->host.shown.back(), std::string("Form10"));
    }

    void inputsAreKeptBetweenOpenings() {
        {
            auto w = Open();
            Fill(*w, "Jun 15 1998", "7");
            Type(w->Text9, "250");
            w->AmountLostFocus(w->Text9);
            w->close();
        }
        const ToolSection kept = ReadToolFile(bed_->session.folder, ToolFile::Refinance);
        QCOMPARE(kept.Day(0), DayFromCivil(1998, 6, 15));
        QCOMPARE(kept.Text(1), std::string("7.000"));
        QCOMPARE(kept.Text(4), std::string("250.00"));
        auto again = Open();
        QCOMPARE(again->Text1->text(), QStringLiteral("Jun 15 1998"));
        QCOMPARE(again->Text9->text(), QStringLiteral("250.00"));
        QCOMPARE(again->Text7->text(), QString::fromStdString(kept.Text(5)));
        QCOMPARE(Outputs(*again), QStringList(8, QString()));
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::RefinanceWindowTest)
#include "refinance_window_test.moc"
