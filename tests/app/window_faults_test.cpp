// What a user met in the windows: frames left behind by Close buttons, result windows closed
// under the user's hand, frames placed or sized wrongly, clipped tool tips, and the save dialog.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/program_fixture.h"
#include "platform/twips.h"
#include "scenario/ui/input_form.h"
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

    void leavingTheInputFormForAResultWindowKeepsIt() {
        test::Program p;
        p.CompleteScenario();
        p.window->ShowChild(WindowId::Form7);
        ChildWindow* form = p.window->ShowChild(WindowId::Form2);
        auto* amount = test::Child<QLineEdit>(form, "Text1");
        qobject_cast<InputForm*>(form)->LoadFromRecord();
        amount->setFocus();
        QCoreApplication::processEvents();
        // The user types a new amount and clicks the schedule behind the form: the schedule
        // comes forward, and the amount's check waits until the user moves on in the form.
        amount->setText("150000");
        p.window->Area->setActiveSubWindow(p.FrameOf(WindowId::Form7));
        QCoreApplication::processEvents();
        QCOMPARE(p.Active(), std::string("Form7"));
        QCOMPARE(p.session.scenario.amount, 100000.0f);

        // Back in the form, moving on to the rate checks the amount; the scenario changed, so
        // the schedule it showed closes.
        p.window->Area->setActiveSubWindow(p.FrameOf(WindowId::Form2));
        test::Child<QLineEdit>(form, "Text2")->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(p.session.scenario.amount, 150000.0f);
        QVERIFY(!p.window->FindChild(WindowId::Form7));
        QVERIFY(p.services.Messages().empty());
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
