// The scripted services that window tests rely on: queued answers go out in order, every
// question is recorded, and nothing waits when the script runs short.
#include <QTest>

#include "support/scripted_services.h"
#include "support/window_test_main.h"

using namespace hl;
using hl::test::AskedMessage;
using hl::test::ScriptedServices;

Q_DECLARE_METATYPE(hl::MessageButtons)
Q_DECLARE_METATYPE(hl::MessageAnswer)

class ScriptedServicesTest : public QObject {
    Q_OBJECT
  private slots:
    void questionsTakeQueuedAnswersInOrder();
    void okBoxesLeaveTheQueueAlone();
    void unansweredQuestionDoesNotWait_data();
    void unansweredQuestionDoesNotWait();
    void answerTheBoxDoesNotOffer();
    void dialogsWithNothingQueuedAreCancelled();
    void clipboardHoldsTheLastContents();
    void busyPointerNests();
};

void ScriptedServicesTest::questionsTakeQueuedAnswersInOrder() {
    ScriptedServices s;
    s.QueueAnswer(MessageAnswer::No);
    s.QueueAnswer(MessageAnswer::Cancel);
    QCOMPARE(
        s.Ask("Warning - possible data loss...", "Data is not saved.", MessageButtons::YesNoCancel),
        MessageAnswer::No);
    QCOMPARE(s.Ask("second", "again?", MessageButtons::YesNoCancel), MessageAnswer::Cancel);

    QCOMPARE(s.Messages().size(), std::size_t(2));
    const AskedMessage first{"Warning - possible data loss...", "Data is not saved.",
                             MessageButtons::YesNoCancel, MessageAnswer::No};
    QVERIFY(s.Messages()[0] == first);
    QCOMPARE(s.Messages()[1].answer, MessageAnswer::Cancel);
    QVERIFY(s.Unexpected().empty());
    QVERIFY(s.ScriptUsedUp());
}

void ScriptedServicesTest::okBoxesLeaveTheQueueAlone() {
    // An error message between two questions must not swallow the answer meant for the second.
    ScriptedServices s;
    s.QueueAnswer(MessageAnswer::Yes);
    s.Beep();
    s.Tell("Mtge Error Trap", "first line\rsecond line");
    QCOMPARE(s.Ask("t", "q", MessageButtons::YesNo), MessageAnswer::Yes);

    QCOMPARE(s.Beeps(), 1);
    QCOMPARE(s.MessageTexts(), (std::vector<std::string>{"first line\rsecond line", "q"}));
    QCOMPARE(s.Messages()[0].buttons, MessageButtons::Ok);
    QCOMPARE(s.Messages()[0].answer, MessageAnswer::Ok);
    QVERIFY(s.Unexpected().empty());
    QVERIFY(s.ScriptUsedUp());
}

void ScriptedServicesTest::unansweredQuestionDoesNotWait_data() {
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::newRow("Yes/No") << MessageButtons::YesNo << MessageAnswer::No;
    QTest::newRow("Yes/No/Cancel") << MessageButtons::YesNoCancel << MessageAnswer::Cancel;
}

void ScriptedServicesTest::unansweredQuestionDoesNotWait() {
    QFETCH(MessageButtons, buttons);
    QFETCH(MessageAnswer, answer);
    ScriptedServices s;
    QCOMPARE(s.Ask("Warning", "Do you want to save this study ?", buttons), answer);
    QCOMPARE(s.Messages().size(), std::size_t(1));
    QCOMPARE(s.Messages()[0].answer, answer);
    QCOMPARE(s.Unexpected().size(), std::size_t(1));
    QVERIFY(s.Unexpected()[0].find("Do you want to save this study ?") != std::string::npos);
}

void ScriptedServicesTest::answerTheBoxDoesNotOffer() {
    // A script mistake (Cancel for a box without Cancel) is reported, not passed on.
    ScriptedServices s;
    s.QueueAnswer(MessageAnswer::Cancel);
    s.QueueAnswer(MessageAnswer::Ok);
    QCOMPARE(s.Ask("t", "yes or no", MessageButtons::YesNo), MessageAnswer::No);
    QCOMPARE(s.Ask("t", "three ways", MessageButtons::YesNoCancel), MessageAnswer::Cancel);
    QCOMPARE(s.Unexpected().size(), std::size_t(2));
    QVERIFY(s.Unexpected()[0].find("cannot answer Cancel") != std::string::npos);
    QVERIFY(s.ScriptUsedUp());
}

void ScriptedServicesTest::dialogsWithNothingQueuedAreCancelled() {
    ScriptedServices s;
    s.QueueOpenFile("/tmp/a.mtg");
    s.QueueSaveFile(std::nullopt);
    s.QueuePrinterSetup(true);
    QVERIFY(!s.ScriptUsedUp());
    QCOMPARE(s.AskOpenFile("Mtg Files (*.mtg)|*.mtg", "mtg", "*.mtg"),
             std::optional<std::string>("/tmp/a.mtg"));
    QCOMPARE(s.AskSaveFile("Mtg Files (*.mtg)|*.mtg", "mtg", "*.mtg"),
             std::optional<std::string>());
    QVERIFY(s.AskPrinterSetup());
    QVERIFY(s.Unexpected().empty());
    QVERIFY(s.ScriptUsedUp());

    // The script has run out: each dialog is cancelled and the test hears of it.
    QCOMPARE(s.AskOpenFile("Mtg Files (*.mtg)|*.mtg", "mtg", "*.mtg"),
             std::optional<std::string>());
    QVERIFY(!s.AskPrinterSetup());
    QCOMPARE(s.Unexpected().size(), std::size_t(2));

    QCOMPARE(s.OpenDialogs().size(), std::size_t(2));
    QCOMPARE(s.OpenDialogs()[0].filter, std::string("Mtg Files (*.mtg)|*.mtg"));
    QCOMPARE(s.OpenDialogs()[0].defaultExtension, std::string("mtg"));
    QCOMPARE(s.SaveDialogs().size(), std::size_t(1));
    QCOMPARE(s.PrinterSetups(), 2);
}

void ScriptedServicesTest::clipboardHoldsTheLastContents() {
    ScriptedServices s;
    QVERIFY(!s.ClipboardText());
    s.ClearClipboard();
    s.SetClipboardText("1\tJan 1 1996\t894.49\r\n2\tFeb 1 1996\t894.49");
    QCOMPARE(s.ClipboardText(),
             std::optional<std::string>("1\tJan 1 1996\t894.49\r\n2\tFeb 1 1996\t894.49"));
    QVERIFY(s.ClipboardImage().isNull());

    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    s.SetClipboardImage(picture);
    QVERIFY(!s.ClipboardText());
    QCOMPARE(s.ClipboardImage(), picture);

    s.ClearClipboard();
    QVERIFY(s.ClipboardImage().isNull());
    QCOMPARE(s.ClipboardClears(), 2);
}

void ScriptedServicesTest::busyPointerNests() {
    ScriptedServices s;
    {
        BusyPointer outer(s);
        {
            BusyPointer inner(s);
            QCOMPARE(s.BusyDepth(), 2);
        }
        QCOMPARE(s.BusyDepth(), 1);
    }
    QCOMPARE(s.BusyDepth(), 0);
    s.SetBusy(false); // one too many: ignored, the next busy spell still shows
    s.SetBusy(true);
    QCOMPARE(s.BusyDepth(), 1);
    QCOMPARE(s.BusySpells(), 2);
}

HL_WINDOW_TEST(ScriptedServicesTest)
#include "scripted_services_test.moc"
