// The main window: commands, questions before data is lost, study files and the tool tip.
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "app/program_fixture.h"
#include "app/study_commands.h"
#include "core/day_number.h"
#include "core/text_items.h"
#include "files/study_file.h"
#include "files/working_files.h"
#include "platform/twips.h"
#include "scenario/ui/input_form.h"
#include "support/scripted_services.h"
#include "support/standard_scenario.h"
#include "support/temp_folder.h"
#include "support/widget_lookup.h"
#include "support/window_test_main.h"

namespace hl {
namespace {

// Shopper inputs a test can tell from the blank ones.
void WriteShopperInputs(const std::string& folder) {
    ToolSection shopper(ToolFile::Shopper);
    for (std::size_t i = 0; i < shopper.Size(); ++i)
        shopper.SetText(i, std::to_string(i + 1));
    WriteToolFile(folder, shopper);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void menusCarryTheirCaptionsMnemonicsAndShortcuts() {
        test::Program p;
        QCOMPARE(p.window->windowTitle(), QString("Hearthline - version 2.0"));
        // The caption a screen reader says is the text without the mnemonic's "&".
        const auto said = [](const QAction* a) { return QString(a->text()).remove('&'); };
        struct Row {
            const char* name;
            const char* caption;
            QChar mnemonic;
            QKeySequence shortcut;
        };
        const Row rows[] = {{"new", "New ", 'N', QKeySequence::New},
                            {"Open", "Open", 'O', QKeySequence::Open},
                            {"OpenRecent", "Open Recent", 'e', {}},
                            {"save", "Save ", 'S', QKeySequence::Save},
                            {"PCFO", "Print Current Form Only", 'C', {}},
                            {"PAFWD", "Print Report", 'P', QKeySequence::Print},
                            {"printsetup", "Printer Setup", 't', {}},
                            {"Quit", "Quit", 'Q', QKeySequence("Ctrl+Q")},
                            {"copy", "Copy", 'C', QKeySequence::Copy},
                            {"schedule", "Schedule", 'S', {}},
                            {"summary", "Summary", 'u', {}},
                            {"IN_FORM", "Input Form", 'I', {}},
                            {"solvefor", "Solve For...", 'S', {}},
                            {"mestimate", "Mtge Estimate", 'E', {}},
                            {"Payshop", "Payment Shopper", 'P', {}},
                            {"EDP", "Calc Early Discharge Penalty", 'E', {}},
                            {"refdrv", "Refinance (Rewrite mtge before maturity)", 'R', {}},
                            {"Run_AS", "Run a Scenario", 'R', {}},
                            {"r_sfdir", "Solve for Date and/or Interest Rate", 'S', {}},
                            {"comp_scen", "Compare Scenarios", 'C', {}},
                            {"Suggest", "$ Saving Suggestions", 'S', {}},
                            {"Helptopics", "Help Topics", 'T', QKeySequence("F1")},
                            {"About", "About", 'A', {}}};
        for (const Row& row : rows) {
            QAction* action = p.window->Command(row.name);
            if (!action)
                action = p.window->findChild<QAction*>(row.name);
            QVERIFY2(action, row.name);
            QCOMPARE(said(action), QString(row.caption));
            QCOMPARE(action->text().at(action->text().indexOf('&') + 1), row.mnemonic);
            QCOMPARE(action->shortcut(), row.shortcut);
        }
        // Open Recent is the only new item, right after Open; the others keep their order.
        QStringList file;
        for (QAction* a : test::Child<QMenu>(p.window.get(), "File")->actions())
            file << (a->isSeparator() ? QString("-") : said(a));
        QCOMPARE(file, (QStringList{"New ", "Open", "Open Recent", "Save ", "-",
                                    "Print Current Form Only", "Print Report", "-", "Printer Setup",
                                    "-", "Quit"}));
        QStringList tops, letters;
        for (QAction* a : p.window->menuBar()->actions()) {
            tops << said(a);
            letters << a->text().mid(a->text().indexOf('&') + 1, 1);
        }
        QCOMPARE(tops, (QStringList{"File", "Edit", "View", "Tools", "Analysis",
                                    "Compare Scenarios", "$ Saving Suggestions", " Help"}));
        QCOMPARE(letters, (QStringList{"F", "E", "V", "T", "A", "C", "S", "H"}));
    }

    void newWithNothingUnsavedClearsAtOnce() {
        test::Program p;
        p.session.scenario = test::StandardScenario();
        WriteShopperInputs(p.session.folder);
        p.window->NewClick();
        QVERIFY(p.services.Messages().empty());
        QCOMPARE(p.session.scenario.amount, 0.0f);
        QCOMPARE(p.session.scenario.frequency, std::int16_t(kWeekly));
        QVERIFY(ReadToolFile(p.session.folder, ToolFile::Shopper) ==
                ToolSection(ToolFile::Shopper));
    }

    void newWithUnsavedDataAsksFirst() {
        {
            test::Program p; // Cancel: nothing changes
            p.session.scenario = test::StandardScenario();
            p.session.MarkChanged();
            p.services.QueueAnswer(MessageAnswer::Cancel);
            p.window->NewClick();
            QCOMPARE(p.services.Messages().at(0).title,
                     std::string("Warning - possible data loss..."));
            QCOMPARE(p.services.Messages().at(0).text,
                     std::string("Data is not saved.  Do you want to save this study ?"));
            QCOMPARE(p.services.Messages().at(0).buttons, MessageButtons::YesNoCancel);
            QCOMPARE(p.session.scenario.amount, 100000.0f);
            QVERIFY(p.session.Unsaved());
        }
        {
            test::Program p; // No: cleared without saving
            p.session.scenario = test::StandardScenario();
            p.session.MarkChanged();
            p.services.QueueAnswer(MessageAnswer::No);
            p.window->NewClick();
            QCOMPARE(p.session.scenario.amount, 0.0f);
            QVERIFY(!p.session.Unsaved());
            QVERIFY(p.services.SaveDialogs().empty());
        }
        {
            test::Program p; // Yes, then the save dialog is cancelled: the New is aborted
            p.session.scenario = test::StandardScenario();
            p.session.MarkChanged();
            p.services.QueueAnswer(MessageAnswer::Yes);
            p.services.QueueSaveFile(std::nullopt);
            p.window->NewClick();
            QCOMPARE(p.services.Messages().back().title, std::string("Mtge - Error Trap"));
            QCOMPARE(p.services.Messages().back().text,
                     std::string("Request for a 'New' study was aborted as no valid filename "
                                 "was given the the 'Save File' request."));
            QCOMPARE(p.session.scenario.amount, 100000.0f);
            QVERIFY(p.session.Unsaved());
        }
        {
            test::Program p; // Yes and a file: saved, then cleared
            p.session.scenario = test::StandardScenario();
            p.session.MarkChanged();
            p.services.QueueAnswer(MessageAnswer::Yes);
            p.services.QueueSaveFile(p.folder.Path("kept.mtg"));
            p.window->NewClick();
            QCOMPARE(ReadStudyFile(p.folder.Path("kept.mtg")).scenario.amount, 100000.0f);
            QCOMPARE(p.session.scenario.amount, 0.0f);
        }
    }

    void openAnsweredYesLetsTheUserSaveFirst() {
        test::Program p;
        p.session.MarkChanged();
        p.services.QueueAnswer(MessageAnswer::Yes);
        p.window->OpenClick();
        QCOMPARE(p.services.Messages().at(0).text,
                 std::string("Data is not saved.  Do you want another chance to save this "
                             "study before it is erased?"));
        QVERIFY(p.services.OpenDialogs().empty());

        p.services.QueueAnswer(MessageAnswer::No);
        p.services.QueueOpenFile(std::nullopt);
        p.window->OpenClick();
        QCOMPARE(p.services.OpenDialogs().size(), std::size_t(1));
        QCOMPARE(p.services.OpenDialogs()[0].filter, std::string("Mtg Files (*.mtg)|*.mtg"));
    }

    void saveAndOpenKeepEverythingTheFrequencyIncluded() {
        test::TempFolder files;
        const std::string path = files.Path("loan.mtg");
        {
            test::Program p;
            p.session.scenario = test::StandardScenario();
            p.session.scenario.comment = "Our first house";
            p.session.changes.entries.push_back({3000.0f, 31.49f, DayFromCivil(1996, 2, 1)});
            WriteShopperInputs(p.session.folder);
            p.session.MarkChanged();
            p.services.QueueSaveFile(path);
            p.window->SaveClick();
            QVERIFY(!p.session.Unsaved());
        }
        test::Program q;
        q.services.QueueOpenFile(path);
        q.window->OpenClick();
        QCOMPARE(q.session.scenario.amount, 100000.0f);
        QCOMPARE(q.session.scenario.frequency, std::int16_t(kMonthly));
        QCOMPARE(q.session.scenario.comment, std::string("Our first house"));
        QCOMPARE(q.session.changes.Count(), 1);
        QCOMPARE(ReadToolFile(q.session.folder, ToolFile::Shopper).Text(8), std::string("9"));
        // Saved again without edits, the file is the same item for item.
        const std::string first = test::Slurp(path);
        q.services.QueueSaveFile(files.Path("again.mtg"));
        q.window->SaveClick();
        QCOMPARE(test::Slurp(files.Path("again.mtg")), first);
    }

    void theLendersTermsGoWithTheStudyAndNewClearsThem() {
        test::TempFolder files;
        const std::string path = files.Path("terms.mtg");
        LenderTerms terms;
        terms.todayPosted = 6090;
        terms.fee = 25000;
        {
            test::Program p;
            p.session.scenario = test::StandardScenario();
            p.session.lender = terms;
            p.session.MarkChanged();
            p.services.QueueSaveFile(path);
            p.window->SaveClick();
        }
        test::Program q;
        q.session.scenario = test::StandardScenario();
        q.services.QueueOpenFile(path);
        q.window->OpenClick();
        QVERIFY(q.session.lender == terms);
        q.window->NewClick();
        QVERIFY(!q.session.lender);
    }

    void aStudySavedAtStartHoldsTheBlankSections() {
        test::Program p;
        p.services.QueueSaveFile(p.folder.Path("blank.mtg"));
        p.window->SaveClick();
        const Study s = ReadStudyFile(p.folder.Path("blank.mtg"));
        QVERIFY(s.tools == BlankToolSections());
        QCOMPARE(s.scenario.amount, 0.0f);
        QCOMPARE(s.changes.Count(), 0);
    }

    void aFailedSaveSaysSoAndLeavesTheOldFile() {
        test::Program p;
        p.session.scenario = test::StandardScenario();
        p.session.MarkChanged();
        const std::string path = p.folder.Path("old.mtg");
        test::Spit(path, "the old study");
        // A folder that does not exist cannot take the file.
        p.services.QueueSaveFile(p.folder.Path("no such folder/new.mtg"));
        p.window->SaveClick();
        QCOMPARE(p.services.Messages().back().title, std::string("Mtge Error Trap"));
        QVERIFY(p.session.Unsaved());
        QCOMPARE(test::Slurp(path), std::string("the old study"));
    }

    void openingGarbageSaysSoAndChangesNothing() {
        test::Program p;
        p.session.scenario = test::StandardScenario();
        const std::string bad[] = {"", "garbage\r\n", std::string("\0\1\2\377", 4),
                                   "100000\r\n10\r\n25\r\n"};
        int k = 0;
        for (const std::string& contents : bad) {
            const std::string path = p.folder.Path("bad" + std::to_string(k++) + ".mtg");
            test::Spit(path, contents);
            p.services.QueueOpenFile(path);
            p.window->OpenClick();
            QCOMPARE(p.services.Messages().back().title, std::string("Mtge Error Trap"));
            QVERIFY(p.services.Messages().back().text.find("could not be read") !=
                    std::string::npos);
            QCOMPARE(p.session.scenario.amount, 100000.0f);
        }
        QVERIFY(p.window->FindChild(WindowId::Form2));
    }

    void quitAsksAndCancelKeepsRunning() {
        test::Program p;
        p.session.MarkChanged();
        p.services.QueueAnswer(MessageAnswer::Cancel);
        p.window->QuitClick();
        QCOMPARE(p.ended, 0);
        QVERIFY(
            QFile::exists(QString::fromStdString(p.folder.Path(ToolFileName(ToolFile::Shopper)))));
    }

    void quitDeletesEveryWorkingFile() {
        test::Program p;
        for (const char* name : {"$$temp.bin", "$$donerly.bin", "$$xptemp.bin"})
            test::Spit(p.folder.Path(name), "x");
        p.window->QuitClick();
        QCOMPARE(p.ended, 1);
        QVERIFY(QDir(QString::fromStdString(p.folder.Prefix())).entryList(QDir::Files).isEmpty());
    }

    void closingTheFrameIsQuit() {
        test::Program p;
        p.session.MarkChanged();
        p.services.QueueAnswer(MessageAnswer::Cancel);
        QVERIFY(!p.window->close());
        QCOMPARE(p.ended, 0);
        p.services.QueueAnswer(MessageAnswer::No);
        QVERIFY(p.window->close());
        QCOMPARE(p.ended, 1);
        QVERIFY(
            !QFile::exists(QString::fromStdString(p.folder.Path(ToolFileName(ToolFile::Shopper)))));
    }

    void commandsNeedingAScenarioSendTheUserToTheInputForm() {
        test::Program p;
        if (!p.window->Command("summary")->isEnabled())
            QSKIP("no summary window yet");
        p.window->Command("summary")->trigger();
        QCOMPARE(p.services.Messages().at(0).title, std::string("Mtge Error Trap"));
        QCOMPARE(p.services.Messages().at(0).text, std::string("Error - Input data is incomplete"));
        QCOMPARE(p.services.Beeps(), 1);
        QCOMPARE(p.Active(), std::string("Form2"));
    }

    void resultWindowsOpenOverTheInputForm() {
        test::Program p;
        p.session.scenario = test::StandardScenario();
        // The user was in a box of the input form: leaving it for the new window must not
        // count as a change that closes that very window.
        qobject_cast<InputForm*>(p.window->FindChild(WindowId::Form2))->LoadFromRecord();
        QApplication::setActiveWindow(p.window.get());
        QWidget* combo = test::Child<QWidget>(p.window->FindChild(WindowId::Form2), "Combo1");
        combo->setFocus();
        QCoreApplication::processEvents();
        for (const char* command : {"schedule", "summary"}) {
            p.window->Command(command)->trigger();
            QCoreApplication::processEvents();
        }
        QVERIFY(p.window->FindChild(WindowId::Form7));
        QVERIFY(p.window->FindChild(WindowId::Form3));
        QCOMPARE(p.Active(), std::string("Form3"));
        QVERIFY(p.services.Messages().empty());
    }

    void printReportChecksTheScenarioFirst() {
        test::Program p;
        p.window->PrintReportClick();
        QCOMPARE(p.services.Messages().at(0).title, std::string("Mtge Print Error Trap"));
        QCOMPARE(p.services.Messages().at(0).text,
                 std::string(
                     "Error - Input data is incomplete.  Complete the input form and try again."));
    }

    void copyWithNothingToCopyComplains() {
        test::Program p;
        p.window->CopyClick();
        QCOMPARE(p.services.Messages().at(0).title, std::string("Mortgage Warning Notice"));
        QCOMPARE(p.services.Messages().at(0).text,
                 std::string("Error - there is nothing to copy. Graphs and Schedules are the only "
                             "items that can be copied to clipboard."));
        QCOMPARE(p.services.Beeps(), 1);
    }

    void copyTakesTheSelectedScheduleCellsOrTheGraph() {
        test::Program p;
        p.session.scenario = test::StandardScenario();
        p.window->Command("schedule")->trigger();
        auto* grid = test::Child<QTableView>(p.window->FindChild(WindowId::Form7), "Grid1");
        // The first payment's number and date, and the second's.
        grid->selectionModel()->select(
            QItemSelection(grid->model()->index(1, 0), grid->model()->index(2, 1)),
            QItemSelectionModel::Select);
        p.window->CopyClick();
        QVERIFY(p.services.Messages().empty());
        QCOMPARE(p.services.ClipboardClears(), 1);
        // Payment numbers carry the trailing blanks of their "####0   " format.
        QCOMPARE(*p.services.ClipboardText(),
                 std::string("1   \tJan 01 1996\r\n2   \tFeb 01 1996"));

        QMetaObject::invokeMethod(p.window->FindChild(WindowId::Form7),
                                  [&] { p.window->ShowChild(WindowId::Form6); });
        QVERIFY(p.window->FindChild(WindowId::Form6));
        QCOMPARE(p.Active(), std::string("Form6"));
        p.window->CopyClick();
        QVERIFY(!p.services.ClipboardImage().isNull());
    }

    void calculatorsOpenWithoutAScenario() {
        test::Program p;
        for (const char* command : {"solvefor", "mestimate", "Payshop"})
            p.window->Command(command)->trigger();
        QVERIFY(p.window->FindChild(WindowId::Form14));
        QVERIFY(p.window->FindChild(WindowId::Form5));
        QVERIFY(p.window->FindChild(WindowId::Form9));
        QVERIFY(p.services.Messages().empty());
    }

    void aStudySavedWhileAToolWindowIsOpenHoldsWhatItShows() {
        test::Program p;
        p.window->Command("Payshop")->trigger();
        auto* amount = test::Child<QLineEdit>(p.window->FindChild(WindowId::Form9), "Text1");
        amount->setText("150000");
        p.services.QueueSaveFile(p.folder.Path("open tool.mtg"));
        p.window->SaveClick();
        QCOMPARE(ReadStudyFile(p.folder.Path("open tool.mtg")).tools[ToolFile::Shopper].Text(0),
                 std::string("150000"));
    }

    void aStudySavedWithTheCompareWindowOpenKeepsScenarioOnesChanges() {
        // Scenario two gets changes of its own through the payment-changes window; Save, while
        // both windows are open, must store the study's changes and scenario two's apart.
        test::Program p;
        p.CompleteScenario();
        const std::vector<PaymentChange> ones = {
            PaymentChange{500.0f, 0.0f, DayFromCivil(1996, 3, 1)}};
        p.session.changes.entries = ones;
        p.window->Command("comp_scen")->trigger();
        ChildWindow* compare = p.window->FindChild(WindowId::Form11);
        QVERIFY(compare);
        test::Child<QPushButton>(compare, "Command5")->click(); // copy scenario one to two
        test::Child<QPushButton>(compare, "Command1")->click(); // enter payment changes
        ChildWindow* changes = p.window->FindChild(WindowId::Form4);
        QVERIFY(changes);
        QTest::qWait(50); // the keys typed while it opens are dropped
        auto* grid = test::Child<QTableView>(changes, "Grid1");
        grid->setCurrentIndex(grid->model()->index(5, 2));
        QTest::keyClick(grid, '4');
        QTest::keyClick(test::Child<QLineEdit>(changes, "Text1"), Qt::Key_Return);

        p.services.QueueSaveFile(p.folder.Path("compare open.mtg"));
        p.window->SaveClick();
        const Study saved = ReadStudyFile(p.folder.Path("compare open.mtg"));
        QCOMPARE(saved.changes.entries, ones);
        QCOMPARE(saved.tools[ToolFile::Compare].groups,
                 (std::vector<ToolGroup>{{500.0f, 0.0f, DayFromCivil(1996, 3, 1)},
                                         {0.0f, 4.0f, DayFromCivil(1996, 6, 1)}}));
        QCOMPARE(p.session.changes.entries, ones);
    }

    void toolTipsStandUnderTheirPictures() {
        test::Program p;
        ToolbarStrip* strip = p.window->Picture2;
        QLineEdit* tip = strip->txtToolTip;
        QVERIFY(!tip->isVisible());
        for (int k = 1; k <= 12; ++k) {
            strip->HideTip();
            QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(strip->Image(k), &move);
            QVERIFY(strip->Timer1->isActive());
            const int left = kImageLefts[static_cast<std::size_t>(k - 1)] - (k == 11 ? 500 : 0);
            QTRY_VERIFY(tip->isVisible()); // placed and shown at the timer's next tick
            QCOMPARE(tip->x(), Twips(left));
            QCOMPARE(tip->y(), Twips(400));
            QCOMPARE(tip->text(), QString(kToolTipTexts[static_cast<std::size_t>(k - 1)]));
        }
        p.window->HideToolTip();
        QVERIFY(!tip->isVisible());
        QVERIFY(!strip->Timer1->isActive());
    }

    void inputFormCommandClosesResultWindowsOnlyFromTheInputForm() {
        test::Program p;
        QCOMPARE(p.Active(), std::string("Form2"));
        p.window->ShowChild(WindowId::Form17);
        QCOMPARE(p.Active(), std::string("Form17"));
        p.window->InputFormClick();
        QCOMPARE(p.Active(), std::string("Form2"));
        QVERIFY(p.window->FindChild(WindowId::Form17)); // not a result window: stays open
    }

    void helpOpensAtTheMenusTopic() {
        test::Program p;
        p.window->HelpTopicsClick();
        QCOMPARE(p.services.HelpShown(), std::vector<int>{0});
        QMenu* file = test::Child<QMenu>(p.window.get(), "File");
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QCoreApplication::sendEvent(file, &f1);
        QCOMPARE(p.services.HelpShown().back(), 510);
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::MainWindowTest)
#include "main_window_test.moc"
