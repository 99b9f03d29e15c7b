// What a user met in the windows: frames left behind by Close buttons, result windows closed
// under the user's hand, frames placed or sized wrongly, clipped tool tips, and the save dialog.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "analysis/suggestions.h"
#include "app/program_fixture.h"
#include "platform/twips.h"
#include "scenario/payment_table.h"
#include "scenario/ui/input_form.h"
#include "scenario/ui/payment_changes_window.h"
#include "support/temp_folder.h"
#include "support/widget_lookup.h"
#include "support/window_test_main.h"

namespace hl {

class WindowFaultsTest : public QObject {
    Q_OBJECT

  private slots:
    void closeButtonsCloseTheFrame_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("button");
        QTest::newRow("summary Close") << int(WindowId::Form3) << "Command1";
        QTest::newRow("schedule Close") << int(WindowId::Form7) << "Command4";
        QTest::newRow("schedule Quit") << int(WindowId::Form7) << "Command3";
        QTest::newRow("graph Close") << int(WindowId::Form6) << "Command1";
        QTest::newRow("payment changes Close") << int(WindowId::Form4) << "Command1";
        QTest::newRow("changes viewer Close") << int(WindowId::Form13) << "Command1";
        QTest::newRow("about OK") << int(WindowId::Form17) << "Command1";
        QTest::newRow("solve for Close") << int(WindowId::Form14) << "Command1";
    }
    void closeButtonsCloseTheFrame() {
        QFETCH(int, window);
        QFETCH(QString, button);
        test::Program p;
        p.CompleteScenario();
        const int frames = p.Frames();
        ChildWindow* w = p.window->ShowChild(static_cast<WindowId>(window));
        QVERIFY(w);
        QCOMPARE(p.Frames(), frames + 1);
        test::Child<QPushButton>(w, button.toLatin1().constData())->click();
        QCoreApplication::processEvents();
        QCOMPARE(p.Frames(), frames);
    }

    void leavingTheInputFormForAnotherWindowChecksTheBox() {
        test::Program p;
        p.CompleteScenario();
        p.window->ShowChild(WindowId::Form7);
        ChildWindow* form = p.window->ShowChild(WindowId::Form2);
        auto* amount = test::Child<QLineEdit>(form, "Text1");
        qobject_cast<InputForm*>(form)->LoadFromRecord();
        amount->setFocus();
        QCoreApplication::processEvents();
        // The user types a new amount and clicks the schedule behind the form: the amount is
        // checked and stored, and the schedule of the old amount closes.
        amount->setText("150000");
        amount->setModified(true); // as typed
        p.window->Area->setActiveSubWindow(p.FrameOf(WindowId::Form7));
        QCoreApplication::processEvents();
        QCOMPARE(p.session.scenario.amount, 150000.0f);
        QVERIFY(!p.window->FindChild(WindowId::Form7));
        QVERIFY(p.services.Messages().empty());

        // A refused amount keeps the user in the form: the estimate behind it stays behind.
        p.window->ShowChild(WindowId::Form5);
        p.window->ShowChild(WindowId::Form2);
        amount->setFocus();
        QCoreApplication::processEvents();
        amount->setText("600000");
        amount->setModified(true);
        p.services.QueueAnswer(MessageAnswer::Yes);
        p.window->Area->setActiveSubWindow(p.FrameOf(WindowId::Form5));
        QCoreApplication::processEvents();
        QCOMPARE(p.services.Messages().size(), std::size_t(1));
        QCOMPARE(p.Active(), std::string("Form2"));
        QCOMPARE(amount->text(), QString("600000"));
    }

    void commandsCheckTheBoxBeingEdited_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("answer"); ///< to the refusal question, -1 when none is asked
        QTest::addColumn<float>("stored");
        QTest::addColumn<QString>("message"); ///< the last message, "" for none
        QTest::addColumn<int>("opened");      ///< the window the command shows, -1 for none
        const QString incomplete = "Error - Input data is incomplete";
        const int summary = int(WindowId::Form3);
        QTest::newRow("summary of the typed amount")
            << "summary"
            << "200000" << -1 << 200000.0f << "" << summary;
        QTest::newRow("emptied amount") << "summary"
                                        << "" << -1 << 0.0f << incomplete << -1;
        QTest::newRow("refused amount, corrected")
            << "summary"
            << "600000" << int(MessageAnswer::Yes) << 600000.0f
            << "Error, value entered in the mortgage box must be between 1 and 500000" << -1;
        QTest::newRow("refused amount, cleared")
            << "schedule"
            << "600000" << int(MessageAnswer::No) << 0.0f << incomplete << -1;
        QTest::newRow("print report") << "PAFWD"
                                      << "250000" << -1 << 250000.0f << "" << int(WindowId::Form15);
    }
    void commandsCheckTheBoxBeingEdited() {
        QFETCH(QString, command);
        QFETCH(QString, typed);
        QFETCH(int, answer);
        QFETCH(float, stored);
        QFETCH(QString, message);
        QFETCH(int, opened);
        test::Program p;
        p.CompleteScenario();
        ChildWindow* form = p.window->FindChild(WindowId::Form2);
        qobject_cast<InputForm*>(form)->LoadFromRecord();
        auto* amount = test::Child<QLineEdit>(form, "Text1");
        amount->setFocus();
        QCoreApplication::processEvents();
        amount->setText(typed);
        amount->setModified(true); // as typed
        if (answer >= 0)
            p.services.QueueAnswer(static_cast<MessageAnswer>(answer));
        p.window->Command(command.toLatin1().constData())->trigger();
        QCOMPARE(p.session.scenario.amount, stored);
        const auto& asked = p.services.Messages();
        QCOMPARE(asked.empty() ? QString()
                               : QString::fromStdString(asked.back().text).section('\r', 0, 0),
                 message);
        for (const WindowId id : {WindowId::Form3, WindowId::Form7, WindowId::Form15})
            QCOMPARE(p.window->FindChild(id) != nullptr, int(id) == opened);
        QVERIFY(p.services.Unexpected().empty());
    }

    void openAndNewCloseTheResultsWhateverWindowIsActive() {
        test::Program p;
        p.CompleteScenario();
        const std::string study = p.folder.Path("kept.mtg");
        p.services.QueueSaveFile(study);
        p.window->SaveClick();
        const std::vector<WindowId> results = {WindowId::Form3, WindowId::Form7};
        const QString blank =
            test::Child<QLineEdit>(p.window->ShowChild(WindowId::Form5), "Text1")->text();
        for (const bool open : {true, false}) {
            for (const WindowId id : results)
                p.window->ShowChild(id);
            ChildWindow* estimate = p.window->ShowChild(WindowId::Form5);
            test::Child<QLineEdit>(estimate, "Text1")->setText("250000");
            // Built while the scenario is another than the study's (weekly, not monthly).
            const Frequency saved = p.session.scenario.frequency;
            p.session.scenario.frequency = saved == kWeekly ? kMonthly : kWeekly;
            ChildWindow* suggestions = p.window->ShowChild(WindowId::Form16);
            p.session.scenario.frequency = saved;
            p.window->ShowChild(WindowId::Form7); // a result window is the active one
            p.session.MarkSaved();
            if (open) {
                p.services.QueueOpenFile(study);
                p.window->OpenClick();
            } else {
                p.window->NewClick();
            }
            QCoreApplication::processEvents();
            for (const WindowId id : results)
                QVERIFY2(!p.window->FindChild(id), WindowName(id));
            // The estimate stays open and shows its working file as the study now has it.
            estimate = p.window->FindChild(WindowId::Form5);
            QVERIFY(estimate);
            QVERIFY2(test::Child<QLineEdit>(estimate, "Text1")->text() == blank,
                     open ? "Open" : "New");
            QCOMPARE(p.Active(), std::string("Form2"));
            // The suggestions are those of the study now on the screen.
            QStringList listed;
            for (int i = 0; i < test::Child<QListWidget>(suggestions, "List1")->count(); ++i)
                listed << test::Child<QListWidget>(suggestions, "List1")->item(i)->text();
            QStringList expected;
            for (const std::string& item : analysis::SavingSuggestions(p.session.scenario, 0.0f))
                expected << QString::fromStdString(item);
            QCOMPARE(listed, expected);
        }
    }

    void erasedChangesLeaveNoWindowListingThem() {
        test::Program p;
        p.CompleteScenario();
        p.session.changes.entries = {PaymentChange{500.0f, 0.0f, p.session.scenario.start}};
        WriteParkedChanges(p.session.folder, p.session.changes);
        auto* form = qobject_cast<InputForm*>(p.window->FindChild(WindowId::Form2));
        auto* table = qobject_cast<PaymentChangesWindow*>(p.window->ShowChild(WindowId::Form4));
        table->Prepare();
        ChildWindow* viewer = p.window->ShowChild(WindowId::Form13);
        auto* viewed = test::Child<QListWidget>(viewer, "List1");
        QCOMPARE(viewed->count(), 1);
        // The time-frame question answered Yes while another window is the active one.
        p.services.QueueAnswer(MessageAnswer::Yes);
        QVERIFY(form->TimeFrameEditing());
        QCOMPARE(p.session.changes.Count(), 0);
        QCOMPARE(viewed->count(), 0);
        QCOMPARE(test::Child<QListWidget>(table, "List1")->count(), 0);
        table->Unload();
        QCOMPARE(p.session.changes.Count(), 0); // closing the table writes back nothing
    }

    void childrenShowWholeInTheArea() {
        test::Program p;
        p.CompleteScenario();
        p.window->ShowChild(WindowId::Form15);
        QMdiSubWindow* frame = p.FrameOf(WindowId::Form15);
        QVERIFY(p.window->Area->viewport()->rect().contains(frame->geometry()));
        QAccessibleInterface* published = QAccessible::queryAccessibleInterface(frame);
        QVERIFY(published);
        QVERIFY(!published->state().offscreen);
        QVERIFY(!published->state().invisible);

        // A frame larger than the area is reached with the area's scroll bars.
        frame->resize(p.window->Area->viewport()->size() * 2);
        QCoreApplication::processEvents();
        QVERIFY(p.window->Area->horizontalScrollBar()->maximum() > 0);
        QVERIFY(p.window->Area->verticalScrollBar()->maximum() > 0);
    }

    void theAboutBoxShowsEveryLineWhole() {
        test::Program p;
        ChildWindow* about = p.window->ShowChild(WindowId::Form17);
        QCoreApplication::processEvents();
        for (const QLabel* label : about->findChildren<QLabel*>()) {
            const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                 : label->sizeHint().height();
            QVERIFY2(label->height() >= needed, qPrintable(label->text()));
            if (!label->wordWrap())
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        }
    }

    void closingTheFormKeepsWhatWasTypedBeforeLeavingIt() {
        test::Program p;
        p.CompleteScenario();
        p.window->ShowChild(WindowId::Form7);
        ChildWindow* form = p.window->ShowChild(WindowId::Form2);
        qobject_cast<InputForm*>(form)->LoadFromRecord();
        auto* amount = test::Child<QLineEdit>(form, "Text1");
        amount->setFocus();
        QCoreApplication::processEvents();
        amount->setText("150000");
        p.window->Area->setActiveSubWindow(p.FrameOf(WindowId::Form7));
        QCoreApplication::processEvents();
        p.window->CloseChild(WindowId::Form2);
        QCOMPARE(p.session.scenario.amount, 150000.0f);

        // New clears what the form stored on closing: the new study starts empty.
        form = p.window->ShowChild(WindowId::Form2);
        amount = test::Child<QLineEdit>(form, "Text1");
        amount->setFocus();
        QCoreApplication::processEvents();
        amount->setText("250000");
        p.window->Area->setActiveSubWindow(p.FrameOf(WindowId::Form7));
        QCoreApplication::processEvents();
        p.services.QueueAnswer(MessageAnswer::No); // the study has changed: do not save it
        p.window->NewClick();
        QCOMPARE(p.session.scenario.amount, 0.0f);
    }

    void comingBackToAnUnchangedFormKeepsTheResults() {
        test::Program p;
        p.CompleteScenario();
        ChildWindow* schedule = p.window->ShowChild(WindowId::Form7);
        test::Child<QPushButton>(schedule, "Command1")->click(); // the balance graph
        QCOMPARE(p.Active(), std::string("Form6"));
        test::Child<QPushButton>(p.window->FindChild(WindowId::Form6), "Command1")->click();
        QCoreApplication::processEvents();
        // Back at the schedule the graph was opened from, not at the input form.
        QCOMPARE(p.Active(), std::string("Form7"));

        // The user clicks the input form: nothing changed, nothing closes.
        p.window->Area->setActiveSubWindow(p.FrameOf(WindowId::Form2));
        QCoreApplication::processEvents();
        QCOMPARE(p.Active(), std::string("Form2"));
        QVERIFY(p.window->FindChild(WindowId::Form7));
        // "Input Form" from the input form itself still closes every result window.
        p.window->InputFormClick();
        QVERIFY(!p.window->FindChild(WindowId::Form7));
    }

    void theMainWindowsFrameStandsAtItsPlace() {
        test::Program p;
        QCOMPARE(p.window->frameGeometry().topLeft(), QPoint(Twips(10), Twips(10)));
    }

    void aChildsTwipsAreItsOuterSize() {
        test::Program p;
        p.CompleteScenario();
        for (const WindowId id : {WindowId::Form6, WindowId::Form5, WindowId::Form2}) {
            ChildWindow* w = p.window->ShowChild(id);
            QCOMPARE(p.FrameOf(id)->geometry(), w->PlaceAsked());
        }
    }

    void toolTipsShowTheirWholeTextAndLeaveWithThePointer() {
        test::Program p;
        ToolbarStrip* strip = p.window->Picture2;
        QLineEdit* tip = strip->txtToolTip;
        for (int k = 1; k <= 12; ++k) {
            QEvent enter(QEvent::Enter);
            QCoreApplication::sendEvent(strip->Image(k), &enter);
            strip->TipTick();
            QVERIFY(tip->isVisible());
            QVERIFY2(tip->width() >= tip->fontMetrics().horizontalAdvance(tip->text()),
                     kToolTipTexts[static_cast<std::size_t>(k - 1)]);
            // The text itself stands inside the strip.
            QVERIFY(tip->x() + tip->fontMetrics().horizontalAdvance(tip->text()) <= strip->width());
            QCOMPARE(tip->cursorPosition(), 0);
        }
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(strip, &leave);
        QVERIFY(!tip->isVisible());
        QVERIFY(!strip->Timer1->isActive());
    }

    void quitWhoseSaveIsCancelledSaysSoAndKeepsRunning() {
        test::Program p;
        p.session.MarkChanged();
        p.services.QueueAnswer(MessageAnswer::Yes);
        p.services.QueueSaveFile(std::nullopt);
        p.window->QuitClick();
        QCOMPARE(p.ended, 0);
        QCOMPARE(p.services.Messages().back().title, std::string("Mtge - Error Trap"));
        QCOMPARE(p.services.Messages().back().text,
                 std::string("Request for a 'New' study was aborted as no valid filename was "
                             "given the the 'Save File' request."));
        QVERIFY(p.session.Unsaved());
    }

    // A study's bytes in the message are shown escaped: a hostile file cannot forge its text.
    void aStudyThatCannotBeReadIsNamedEscaped() {
        test::Program p;
        test::TempFolder folder;
        const std::string path = folder.Path("hostile\x1b[2J.mtg");
        test::Spit(path, "\x1b]0;owned\x07\r\n");
        p.services.QueueOpenFile(path);
        p.window->OpenClick();
        const std::string text = p.services.Messages().back().text;
        QCOMPARE(text, "The file " + folder.Path("hostile\\x1b[2J.mtg") +
                           " could not be read as a study.\rline 1: \"\\x1b]0;owned\\x07\" is not "
                           "a number\rThe current study was left as it was.");
    }

    void theStudyDialogsOpenWithThePattern() {
        test::Program p;
        p.services.QueueSaveFile(std::nullopt);
        p.window->SaveClick();
        p.services.QueueOpenFile(std::nullopt);
        p.window->OpenClick();
        QCOMPARE(p.services.SaveDialogs().at(0).initialName, std::string("*.mtg"));
        QCOMPARE(p.services.OpenDialogs().at(0).initialName, std::string("*.mtg"));
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::WindowFaultsTest)
#include "window_faults_test.moc"
