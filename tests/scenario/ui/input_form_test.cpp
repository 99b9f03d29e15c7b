// The input form as the user meets it: its controls, the checks as the focus leaves a box, the
// questions and their answers, the Twice-a-Month correction, the guard of the loan's time frame
// and the calculated payment.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <map>
#include <memory>

#include "core/day_number.h"
#include "core/format.h"
#include "platform/twips.h"
#include "scenario/ui/input_form.h"
#include "scenario/ui/payment_changes_window.h"
#include "support/pseudo_translator.h"
#include "support/standard_scenario.h"
#include "support/wheel_event.h"
#include "support/widget_lookup.h"
#include "support/window_test_bed.h"
#include "support/window_test_main.h"

Q_DECLARE_METATYPE(hl::MessageAnswer)

using hl::MessageAnswer;
using hl::MessageButtons;
using hl::test::AskedMessage;
using hl::test::Child;

namespace {

constexpr const char* kErrorTitle = "Mortgage Input Error";
constexpr const char* kViolationTitle = "Mortgage Input Violation";
constexpr const char* kAsk =
    "\rA valid value (or nothing) must be entered to continue.\r\r"
    "Do you want to correct your input. (Selecting [No] will clear the field).";

// One study with the form open and active.
struct OpenForm {
    explicit OpenForm(int debugLevel = 0, std::function<void(hl::Session&)> setUp = {}) {
        bed.session.debugLevel = debugLevel;
        if (setUp)
            setUp(bed.session);
        form = std::make_unique<hl::InputForm>(bed.context);
        form->show();
        form->activateWindow();
        QApplication::setActiveWindow(form.get());
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("the input form did not become active");
    }

    QLineEdit* Box(const char* name) { return Child<QLineEdit>(form.get(), name); }
    QComboBox* Combo() { return Child<QComboBox>(form.get(), "Combo1"); }
    QPushButton* Button(const char* name) { return Child<QPushButton>(form.get(), name); }
    QWidget* Focused() const { return QApplication::focusWidget(); }

    /// Gives the focus to a control as Tab would.
    void Enter(QWidget* control) { control->setFocus(Qt::TabFocusReason); }
    /// Takes the focus to the Quit button, which has no focus event of its own.
    void Leave() { Button("Command1")->setFocus(Qt::TabFocusReason); }
    /// Types into a box from scratch and leaves it.
    void Type(const char* name, const QString& text) {
        QLineEdit* box = Box(name);
        Enter(box);
        box->clear();
        QTest::keyClicks(box, text);
        Leave();
    }

    hl::test::WindowTestBed bed;
    std::unique_ptr<hl::InputForm> form;
};

std::string Text(QLineEdit* box) { return box->text().toStdString(); }

} // namespace

class InputFormTest : public QObject {
    Q_OBJECT

  private slots:
    void captions_data();
    void captions();
    void placesInTwips_data();
    void placesInTwips();
    void flashLoadButtonFitsItsCaption();
    void debugLevels_data();
    void debugLevels();
    void tabOrder();
    void showsTheRecordOnLoad();

    void fieldBounds_data();
    void fieldBounds();
    void errorMessages_data();
    void errorMessages();
    void yesReturnsTheFocus();
    void yesOnLengthOfLoanWaitsForTheCorrection();
    void noEmptiesTheBoxAndTheField();
    void emptyBoxesStoreZeroQuietly();
    void lengthOfLoanAboveAmortization();

    void numericKeyFilter();
    void enterMovesOn();
    void commentTakesSixtyOneCharacters();
    void commentRefusesADoubleQuote();

    void startDate();
    void invalidStartDate();
    void twiceAMonthStart_data();
    void twiceAMonthStart();
    void choosingTwiceAMonthMovesTheStart();
    void translatedFrequenciesKeepTheirCodes();

    void timeFrameGuard_data();
    void timeFrameGuard();
    void frequencyGuard_data();
    void frequencyGuard();
    void tabPassesTheTimeFrameWithoutAsking();
    void timeFrameContextMenuOnlyReads();
    void timeFrameGuardAsksEachTime();
    void timeFrameGuardWithoutChanges();

    void calculatedPayment();
    void rateFactorNeedsOnlyRateAndFrequency();
    void displayBoxesRefuseTheFocus();
    void paymentChangesButtonEnabling();
    void resultWindowsCloseOnlyWhenActive();

    void quitEndsTheProgram();
    void paymentChangesButtonOpensTheTable();
    void flashLoad();
    void backgroundClickShowsTheSummary();
};

// ---- controls ------------------------------------------------------------------------------

void InputFormTest::captions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const auto row = [](const char* name, const char* caption) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption);
    };
    row("Label7", "   Mortgage Data Input   ");
    row("Label1", "Mortgage Amount:");
    row("Label2", "Int. Rate (eg. 11.5):");
    row("Label3", "Am. Period (years):");
    row("Label4", "Length of Loan (years):");
    row("Label5", "Start Date (eg. Jan 1 93):");
    row("Label6", "Payment Frequency:");
    row("Label8", "Comment (optional): (60 chars max)");
    row("Label9", "Interest Rate Factor:");
    row("Label10", "Calculated Payment:");
    row("Label11", "There are payment changes scheduled for this scenario");
    row("Label12", "  Calculated values:  ");
    row("Label13", "Note:  This form is designed to input a mortgage scenario to be printed or "
                   "studied.  It is not intended to accomodate frequent changes or to be used for "
                   "What-If studies.  There are specific forms for those functions.");
    row("Command1", "Quit");
    row("Command2", "Enter / View Payment Changes");
    row("Command3", "Flash Load");
}

void InputFormTest::captions() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    OpenForm f(2);
    QCOMPARE(f.form->objectName(), QString("Form2"));
    QCOMPARE(f.form->windowTitle(), QString("Input Profile"));
    QObject* control = Child<QObject>(f.form.get(), name);
    QCOMPARE(control->property("text").toString(), caption);

    QComboBox* combo = f.Combo();
    QCOMPARE(combo->count(), 4);
    QCOMPARE(combo->itemText(0), QString("Monthly"));
    QCOMPARE(combo->itemText(1), QString("Weekly"));
    QCOMPARE(combo->itemText(2), QString("Twice a Month"));
    QCOMPARE(combo->itemText(3), QString("Every Two Weeks"));
}

void InputFormTest::placesInTwips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    const auto row = [](const char* name, int l, int t, int w, int h) {
        QTest::newRow(name) << QString::fromLatin1(name) << QRect(l, t, w, h);
    };
    row("Label7", 360, 96, 2436, 276);
    row("Text1", 1968, 504, 1020, 288);
    row("Text2", 2100, 864, 852, 288);
    row("Text3", 2112, 1200, 852, 288);
    row("Text4", 5520, 528, 852, 288);
    row("Text5", 5520, 840, 1212, 288);
    row("Combo1", 5520, 1224, 1908, 288);
    row("Command2", 300, 1584, 1836, 492);
    row("Label11", 2400, 1776, 5076, 252);
    row("Text6", 1920, 2280, 5652, 288);
    row("Label13", 96, 2784, 7548, 636);
    row("Label12", 384, 2880, 1788, 252);
    row("Text7", 2340, 3150, 1596, 288);
    row("Text8", 2340, 3510, 1092, 288);
    row("Command1", 6624, 3504, 936, 360);
}

void InputFormTest::placesInTwips() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    OpenForm f;
    auto* control = Child<QWidget>(f.form.get(), name);
    QCOMPARE(control->geometry(), QRect(hl::Twips(twips.x()), hl::Twips(twips.y()),
                                        hl::Twips(twips.width()), hl::Twips(twips.height())));
}

void InputFormTest::flashLoadButtonFitsItsCaption() {
    OpenForm f(2);
    const QRect place = f.Button("Command3")->geometry();
    // Its top, height and right edge as designed; it may only grow to the left.
    QCOMPARE(place.top(), hl::Twips(3504));
    QCOMPARE(place.height(), hl::Twips(372));
    QCOMPARE(place.x() + place.width(), hl::Twips(5808) + hl::Twips(660));
    QVERIFY(place.width() >= hl::Twips(660));
    QVERIFY(place.width() >= f.Button("Command3")->sizeHint().width());
    QVERIFY(place.right() < f.Button("Command1")->geometry().left());
}

void InputFormTest::debugLevels_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("heightTwips");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");
    QTest::newRow("normal use") << 0 << 4300 << QStringList{"Label13", "Label10", "Text8"}
                                << QStringList{"Label12", "Shape2",   "Label9",
                                               "Text7",   "Command3", "Label11"};
    QTest::newRow("level 1") << 1 << 4400 << QStringList{"Label12", "Shape2",  "Label9",
                                                         "Text7",   "Label10", "Text8"}
                             << QStringList{"Label13", "Command3", "Label11"};
    QTest::newRow("level 2") << 2 << 4400 << QStringList{"Label12", "Shape2", "Label9",  "Text7",
                                                         "Label10", "Text8",  "Command3"}
                             << QStringList{"Label13", "Label11"};
}

void InputFormTest::debugLevels() {
    QFETCH(int, level);
    QFETCH(int, heightTwips);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);
    OpenForm f(level);
    QCOMPARE(f.form->size(), QSize(hl::Twips(7764), hl::Twips(heightTwips)));
    for (const QString& name : shown)
        QVERIFY2(Child<QWidget>(f.form.get(), name)->isVisible(), qPrintable(name));
    for (const QString& name : hidden)
        QVERIFY2(!Child<QWidget>(f.form.get(), name)->isVisible(), qPrintable(name));
}

void InputFormTest::tabOrder() {
    OpenForm f(2);
    QStringList order;
    QWidget* w = f.Box("Text1");
    do {
        if (w->focusPolicy() & Qt::TabFocus && !w->objectName().isEmpty() &&
            w->parentWidget() == f.form.get())
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != f.Box("Text1"));
    QCOMPARE(order, (QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Combo1", "Text6",
                                 "Command2", "Command3", "Command1"}));
}

void InputFormTest::showsTheRecordOnLoad() {
    OpenForm f(0, [](hl::Session& s) {
        s.scenario = hl::test::SampleScenario(hl::kMonthly);
        s.scenario.comment = "first house";
    });
    QCOMPARE(Text(f.Box("Text1")), std::string("102500.00"));
    QCOMPARE(Text(f.Box("Text2")), std::string("9.375"));
    QCOMPARE(Text(f.Box("Text3")), std::string("25.00"));
    QCOMPARE(Text(f.Box("Text4")), std::string("5.00"));
    QCOMPARE(Text(f.Box("Text5")), std::string("Mar 24, 1992"));
    QCOMPARE(Text(f.Box("Text6")), std::string("first house"));
    QCOMPARE(f.Combo()->currentText(), QString("Monthly"));
    QVERIFY(f.Button("Command2")->isEnabled());

    // Fields not set stay empty, and the form follows the record when told to.
    f.bed.session.ResetScenario();
    f.form->LoadFromRecord();
    QCOMPARE(Text(f.Box("Text1")), std::string());
    QCOMPARE(Text(f.Box("Text5")), std::string());
    QCOMPARE(f.Combo()->currentText(), QString("Weekly"));
    QVERIFY(!f.Button("Command2")->isEnabled());
}

// ---- field checks --------------------------------------------------------------------------

void InputFormTest::fieldBounds_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<float>("stored");
    const auto row = [](const char* tag, const char* box, const char* typed, bool accepted,
                        const char* shown, float stored) {
        QTest::newRow(tag) << QString(box) << QString(typed) << accepted << QString(shown)
                           << stored;
    };
    row("amount 0", "Text1", "0", false, "", 0.0f);
    row("amount 0.5", "Text1", "0.5", true, "0.50", 0.5f);
    row("amount 500000", "Text1", "500000", true, "500000.00", 500000.0f);
    row("amount 500000.01", "Text1", "500000.01", false, "", 0.0f);
    row("rate 25", "Text2", "25", true, "25.000", 25.0f);
    row("rate 25.001", "Text2", "25.001", false, "", 0.0f);
    row("rate 12.5.7", "Text2", "12.5.7", true, "12.500", 12.5f);
    row("amortization 35", "Text3", "35", true, "35.00", 35.0f);
    row("amortization 35.01", "Text3", "35.01", false, "", 0.0f);
    row("length 35", "Text4", "35", true, "35.00", 35.0f);
    row("length 36", "Text4", "36", false, "", 0.0f);
}

void InputFormTest::fieldBounds() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, shown);
    QFETCH(float, stored);
    OpenForm f;
    if (!accepted)
        f.bed.services.QueueAnswer(MessageAnswer::No);
    f.Type(box.toLatin1().constData(), typed);

    const hl::Scenario& s = f.bed.session.scenario;
    const float value = box == "Text1"   ? s.amount
                        : box == "Text2" ? s.rate
                        : box == "Text3" ? s.amortization
                                         : s.term;
    QCOMPARE(f.Box(box.toLatin1().constData())->text(), shown);
    QCOMPARE(value, stored);
    QCOMPARE(f.bed.services.Messages().size(), accepted ? std::size_t(0) : std::size_t(1));
    QCOMPARE(f.bed.services.Beeps(), accepted ? 0 : 1);
    QVERIFY(f.bed.services.Unexpected().empty());
}

void InputFormTest::errorMessages_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("amount") << "Text1"
                            << "600000"
                            << "Error, value entered in the mortgage box must be between 1 and "
                               "500000";
    QTest::newRow("rate") << "Text2"
                          << "0"
                          << "Error, value entered in the Interest Rate box must be between 1 "
                             "and 25";
    QTest::newRow("amortization")
        << "Text3"
        << "40"
        << "Error, value entered in the Amortizaton box must be between 1 and 35";
    QTest::newRow("length")
        << "Text4"
        << "40"
        << "Error, value entered in the Length of Loan box must be between 1 and 35";
}

void InputFormTest::errorMessages() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, firstLine);
    OpenForm f;
    f.bed.services.QueueAnswer(MessageAnswer::No);
    f.Type(box.toLatin1().constData(), typed);
    const std::vector<AskedMessage> expected{
        {kErrorTitle, firstLine.toStdString() + kAsk, MessageButtons::YesNo, MessageAnswer::No}};
    QCOMPARE(f.bed.services.Messages(), expected);
}

void InputFormTest::yesReturnsTheFocus() {
    OpenForm f;
    f.bed.services.QueueAnswer(MessageAnswer::Yes);
    f.Type("Text1", "600000");
    QCOMPARE(f.Focused(), f.Box("Text1"));
    QCOMPARE(Text(f.Box("Text1")), std::string("600000"));
    // While the user corrects it the record holds what was read.
    QCOMPARE(f.bed.session.scenario.amount, 600000.0f);

    // Corrected, it is taken.
    QTest::keyClick(f.Box("Text1"), Qt::Key_Backspace);
    f.Leave();
    QCOMPARE(Text(f.Box("Text1")), std::string("60000.00"));
    QCOMPARE(f.bed.session.scenario.amount, 60000.0f);
    QCOMPARE(f.bed.services.Messages().size(), std::size_t(1));
}

void InputFormTest::yesOnLengthOfLoanWaitsForTheCorrection() {
    OpenForm f;
    f.Enter(f.Box("Text4"));
    const int resets = f.bed.host.resets;
    f.bed.services.QueueAnswer(MessageAnswer::Yes);
    QTest::keyClicks(f.Box("Text4"), "40");
    f.Leave();
    QCOMPARE(f.Focused(), f.Box("Text4"));
    QCOMPARE(f.bed.host.resets, resets); // no recalculation with the refused length
}

void InputFormTest::noEmptiesTheBoxAndTheField() {
    OpenForm f(0, [](hl::Session& s) {
        s.scenario.amount = 100000;
        s.scenario.rate = 10;
        s.scenario.amortization = 25;
        s.scenario.frequency = hl::kMonthly;
    });
    QCOMPARE(Text(f.Box("Text8")), std::string("894.49"));
    f.bed.services.QueueAnswer(MessageAnswer::No);
    f.Type("Text1", "600000");
    QCOMPARE(Text(f.Box("Text1")), std::string());
    // The field follows the cleared box rather than keeping the refused 600000.
    QCOMPARE(f.bed.session.scenario.amount, 0.0f);
    QCOMPARE(Text(f.Box("Text8")), std::string());
}

void InputFormTest::emptyBoxesStoreZeroQuietly() {
    OpenForm f(0, [](hl::Session& s) {
        s.scenario = hl::test::StandardScenario(hl::kWeekly);
        s.scenario.comment = "note";
    });
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
        f.Type(name, "");
    const hl::Scenario& s = f.bed.session.scenario;
    QCOMPARE(s.amount, 0.0f);
    QCOMPARE(s.rate, 0.0f);
    QCOMPARE(s.amortization, 0.0f);
    QCOMPARE(s.term, 0.0f);
    QCOMPARE(s.start, 0);
    QCOMPARE(s.comment, std::string());
    QVERIFY(f.bed.services.Messages().empty());
    QCOMPARE(f.bed.services.Beeps(), 0);
}

void InputFormTest::lengthOfLoanAboveAmortization() {
    OpenForm f(0, [](hl::Session& s) { s.scenario.amortization = 25; });
    f.Type("Text4", "30");
    const std::vector<AskedMessage> expected{
        {kViolationTitle, "Error, Length of loan cannot exceed the Amortization period specified",
         MessageButtons::Ok, MessageAnswer::Ok}};
    QCOMPARE(f.bed.services.Messages(), expected);
    QCOMPARE(f.bed.services.Beeps(), 1);
    QCOMPARE(f.Focused(), f.Box("Text4"));
    QCOMPARE(f.bed.session.scenario.term, 30.0f); // kept
    QCOMPARE(Text(f.Box("Text4")), std::string("30.00"));

    // Equal to the amortization is fine.
    f.bed.services.ClearMessages();
    f.Type("Text4", "25");
    QVERIFY(f.bed.services.Messages().empty());
}

// ---- keys ----------------------------------------------------------------------------------

void InputFormTest::numericKeyFilter() {
    OpenForm f;
    QLineEdit* amount = f.Box("Text1");
    f.Enter(amount);
    QTest::keyClick(amount, Qt::Key_A);
    QTest::keyClick(amount, Qt::Key_Minus);
    QCOMPARE(f.bed.services.Beeps(), 2);
    QCOMPARE(Text(amount), std::string());
    QTest::keyClicks(amount, "12.5");
    QCOMPARE(Text(amount), std::string("12.5"));
    QVERIFY(f.bed.session.Unsaved()); // a key in the amount marks the study changed
    QTest::keyClick(amount, Qt::Key_Backspace);
    QCOMPARE(Text(amount), std::string("12."));

    // The length of loan filters the same way; the start date takes letters.
    f.Enter(f.Box("Text4"));
    QTest::keyClick(f.Box("Text4"), Qt::Key_X);
    QCOMPARE(f.bed.services.Beeps(), 3);
    f.Enter(f.Box("Text5"));
    QTest::keyClicks(f.Box("Text5"), "Jan 1 93");
    QCOMPARE(Text(f.Box("Text5")), std::string("Jan 1 93"));
    QCOMPARE(f.bed.services.Beeps(), 3);
}

void InputFormTest::enterMovesOn() {
    OpenForm f;
    f.Enter(f.Box("Text1"));
    QTest::keyClicks(f.Box("Text1"), "100000");
    QTest::keyClick(f.Box("Text1"), Qt::Key_Return);
    QCOMPARE(f.Focused(), f.Box("Text2"));
    QCOMPARE(f.bed.session.scenario.amount, 100000.0f);
    QCOMPARE(Text(f.Box("Text2")), std::string());

    f.Enter(f.Box("Text5"));
    QTest::keyClicks(f.Box("Text5"), "Jan 1 93");
    QTest::keyClick(f.Box("Text5"), Qt::Key_Return);
    QCOMPARE(f.Focused(), static_cast<QWidget*>(f.Combo()));
    QCOMPARE(f.bed.session.scenario.start, hl::DayFromCivil(1993, 1, 1));
}

void InputFormTest::commentTakesSixtyOneCharacters() {
    OpenForm f;
    QLineEdit* comment = f.Box("Text6");
    f.Enter(comment);
    QTest::keyClicks(comment, QString(62, QChar('x')));
    // The length is looked at before the key lands: a 61st character still goes in.
    QCOMPARE(comment->text().size(), 61);
    QCOMPARE(f.bed.services.Beeps(), 1);
    QVERIFY(f.bed.session.Unsaved());
    // What the box took is kept, the 61st character too.
    f.Leave();
    QCOMPARE(comment->text().size(), 61);
    QCOMPARE(f.bed.session.scenario.comment, std::string(61, 'x'));
    f.Enter(comment);
    comment->end(false);
    QTest::keyClick(comment, Qt::Key_Backspace);
    QCOMPARE(comment->text().size(), 60);
    // A paste that would make the comment longer than it can be is refused.
    QGuiApplication::clipboard()->setText(QStringLiteral("yy"));
    QTest::keyClick(comment, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(comment->text().size(), 60);
    QCOMPARE(f.bed.services.Beeps(), 2);
    f.Leave();
    QCOMPARE(f.bed.session.scenario.comment, std::string(60, 'x'));
}

// A double quote would end the comment early in the study file: refused with a message, typed
// or pasted, so that the comment is never saved other than as the user sees it.
void InputFormTest::commentRefusesADoubleQuote() {
    OpenForm f;
    QLineEdit* comment = f.Box("Text6");
    f.Enter(comment);
    QTest::keyClicks(comment, "a\",b");
    QGuiApplication::clipboard()->setText(QStringLiteral("x\", y"));
    QTest::keyClick(comment, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(comment->text(), QStringLiteral("a,b"));
    QCOMPARE(f.bed.services.Beeps(), 2);
    QCOMPARE(f.bed.services.Messages().size(), std::size_t{2});
    for (const hl::test::AskedMessage& m : f.bed.services.Messages()) {
        QCOMPARE(m.title, std::string("Mortgage Input Violation"));
        QVERIFY(m.text.starts_with("Error, a comment cannot hold a double quote (\")."));
    }
}

// ---- the start date ------------------------------------------------------------------------

void InputFormTest::startDate() {
    OpenForm f;
    f.Type("Text5", "mar 24 92");
    QCOMPARE(Text(f.Box("Text5")), std::string("Mar 24, 1992"));
    QCOMPARE(f.bed.session.scenario.start, hl::DayFromCivil(1992, 3, 24));
    QVERIFY(f.bed.services.Messages().empty());
}

void InputFormTest::invalidStartDate() {
    const std::string message =
        "Error, this is not a valid date.  \rA valid date (or nothing) must be entered to "
        "continue.\r\rDo you want to correct your input. (Selecting [No] will clear the field).";
    OpenForm f(0, [](hl::Session& s) { s.scenario.start = hl::DayFromCivil(1996, 1, 15); });

    // Yes: back to the box, the record keeps the date it had.
    f.bed.services.QueueAnswer(MessageAnswer::Yes);
    f.Type("Text5", "Feb 30 96");
    QCOMPARE(f.Focused(), f.Box("Text5"));
    QCOMPARE(Text(f.Box("Text5")), std::string("Feb 30 96"));
    QCOMPARE(f.bed.session.scenario.start, hl::DayFromCivil(1996, 1, 15));

    // No: the box and the date are cleared.
    f.bed.services.QueueAnswer(MessageAnswer::No);
    f.Leave();
    QCOMPARE(Text(f.Box("Text5")), std::string());
    QCOMPARE(f.bed.session.scenario.start, 0);

    const std::vector<AskedMessage> expected{
        {kErrorTitle, message, MessageButtons::YesNo, MessageAnswer::Yes},
        {kErrorTitle, message, MessageButtons::YesNo, MessageAnswer::No}};
    QCOMPARE(f.bed.services.Messages(), expected);
}

void InputFormTest::twiceAMonthStart_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("moved");
    QTest::newRow("31 Jan 1997") << "Jan 31 1997"
                                 << "Jan 30, 1997" << true;
    QTest::newRow("20 Feb 1996") << "Feb 20 1996"
                                 << "Feb 29, 1996" << true;
    QTest::newRow("20 Feb 1997") << "Feb 20 1997"
                                 << "Feb 28, 1997" << true;
    QTest::newRow("28 Feb 1996") << "Feb 28 1996"
                                 << "Feb 28, 1996" << false;
    QTest::newRow("10 Mar 1997") << "Mar 10 1997"
                                 << "Mar 15, 1997" << true;
    QTest::newRow("30 Mar 1997") << "Mar 30 1997"
                                 << "Mar 30, 1997" << false;
}

void InputFormTest::twiceAMonthStart() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, moved);
    OpenForm f(0, [](hl::Session& s) { s.scenario.frequency = hl::kTwiceAMonth; });
    f.Type("Text5", typed);
    QCOMPARE(f.Box("Text5")->text(), shown);
    QCOMPARE(hl::FormatDate(f.bed.session.scenario.start, "mmm d, yyyy"), shown.toStdString());
    if (moved) {
        const std::vector<AskedMessage> expected{
            {kViolationTitle,
             "Error, When the payment frequency is set to Twice a Month,  the loan start date "
             "must be set to either the 15th or 30th of the month (as these are the set payment "
             "dates for this type of mortgage payment). Your start date is being adjusted, "
             "please note this on your input screen",
             MessageButtons::Ok, MessageAnswer::Ok}};
        QCOMPARE(f.bed.services.Messages(), expected);
        QCOMPARE(f.bed.services.Beeps(), 1);
        QCOMPARE(f.Focused(), f.Box("Text5"));
    } else {
        QVERIFY(f.bed.services.Messages().empty());
    }
}

void InputFormTest::choosingTwiceAMonthMovesTheStart() {
    OpenForm f(0, [](hl::Session& s) { s.scenario.start = hl::DayFromCivil(1997, 3, 10); });
    QCOMPARE(f.Combo()->currentText(), QString("Weekly"));
    f.Enter(f.Combo());
    QTest::keyClick(f.Combo(), Qt::Key_Down);
    QCOMPARE(f.bed.session.scenario.frequency, std::int16_t(hl::kTwiceAMonth));
    QCOMPARE(f.bed.session.scenario.start, hl::DayFromCivil(1997, 3, 15));
    QCOMPARE(Text(f.Box("Text5")), std::string("Mar 15, 1997"));
    QCOMPARE(f.bed.services.MessageTexts().size(), std::size_t(1));
    QCOMPARE(f.Focused(), f.Box("Text5"));
}

void InputFormTest::translatedFrequenciesKeepTheirCodes() {
    // The list shows the frequencies in the user's language: the choice is read by its place.
    const hl::test::PseudoTranslator translation;
    OpenForm f;
    QComboBox* combo = f.Combo();
    const std::int16_t codes[] = {hl::kMonthly, hl::kWeekly, hl::kTwiceAMonth, hl::kEveryTwoWeeks};
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(combo->itemText(k), hl::test::PseudoTranslator::Marked(
                                         QString::fromLatin1(hl::FrequencyName(codes[k]))));
        combo->setCurrentIndex(k);
        f.form->Combo1Click();
        QCOMPARE(f.bed.session.scenario.frequency, codes[k]);
    }
}

// ---- the guard of the time frame -----------------------------------------------------------

namespace {
void TwoChanges(hl::Session& s) {
    s.scenario.amortization = 25;
    s.scenario.term = 30; // above the amortization: a check of the length would speak up
    s.scenario.start = hl::DayFromCivil(1992, 3, 24);
    s.changes.entries = hl::test::SampleChanges();
}

const std::vector<AskedMessage> ConfirmDeletion(MessageAnswer answer) {
    return {{"Warning - Confirm Data Deletion",
             "Because there are payment changes already entered...\r\rEditing this field will "
             "change the time frame of this loan.  \rThis will require all current payment "
             "changes and lump payments to be erased. \r\rDo you want to continue to edit this "
             "field ?",
             MessageButtons::YesNoCancel, answer}};
}

// Each way of changing a box: the first key typed over it, a paste, a deletion.
void EditBox(QLineEdit* box, const QString& how) {
    if (how == "key")
        QTest::keyClick(box, Qt::Key_3);
    else if (how == "paste") {
        QApplication::clipboard()->setText(QStringLiteral("3"));
        QTest::keySequence(box, QKeySequence::Paste);
    } else
        QTest::keyClick(box, Qt::Key_Delete);
}
} // namespace

void InputFormTest::timeFrameGuard_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("how");
    QTest::addColumn<MessageAnswer>("answer");
    for (const char* control : {"Text4", "Text5"})
        for (const char* how : {"key", "paste", "delete"})
            for (const MessageAnswer answer :
                 {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel})
                QTest::addRow("%s %s %s", control, how,
                              answer == MessageAnswer::Yes  ? "Yes"
                              : answer == MessageAnswer::No ? "No"
                                                            : "Cancel")
                    << QString(control) << QString(how) << answer;
}

void InputFormTest::timeFrameGuard() {
    QFETCH(QString, control);
    QFETCH(QString, how);
    QFETCH(MessageAnswer, answer);
    OpenForm f(0, TwoChanges);
    QVERIFY(Child<QLabel>(f.form.get(), "Label11")->isVisible());
    QLineEdit* box = f.Box(control.toLatin1().constData());
    const QString before = box->text();
    f.Enter(box);
    QVERIFY(f.bed.services.Messages().empty()); // arriving is not editing
    f.bed.services.QueueAnswer(answer);
    EditBox(box, how);

    QCOMPARE(f.bed.services.Messages(), ConfirmDeletion(answer));
    QVERIFY(f.bed.session.Unsaved());
    QCOMPARE(f.Focused(), box);
    if (answer == MessageAnswer::Yes) {
        QCOMPARE(f.bed.session.changes.Count(), 0);
        QVERIFY(box->text() != before);
        QVERIFY(!Child<QLabel>(f.form.get(), "Label11")->isVisible());
    } else {
        QCOMPARE(f.bed.session.changes.Count(), 2);
        QCOMPARE(box->text(), before);
        QVERIFY(Child<QLabel>(f.form.get(), "Label11")->isVisible());
    }
}

void InputFormTest::frequencyGuard_data() {
    // Every way the list can change, from Weekly (list position 1): the code after Yes, or 0
    // where the way opens the list instead.
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("after");
    QTest::addColumn<MessageAnswer>("answer");
    const std::pair<const char*, int> devices[] = {
        {"click", 0},    {"wheel up", 1}, {"wheel down", 3}, {"key up", 1},
        {"key down", 3}, {"home", 1},     {"end", 4},        {"type-ahead", 1},
        {"alt+down", 0}, {"space", 0},    {"f4", 0},
    };
    for (const auto& [device, after] : devices)
        for (const MessageAnswer answer :
             {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel})
            QTest::addRow("%s %s", device,
                          answer == MessageAnswer::Yes  ? "Yes"
                          : answer == MessageAnswer::No ? "No"
                                                        : "Cancel")
                << QString(device) << after << answer;
}

void InputFormTest::frequencyGuard() {
    QFETCH(QString, device);
    QFETCH(int, after);
    QFETCH(MessageAnswer, answer);
    OpenForm f(0, TwoChanges);
    QComboBox* list = f.Combo();
    QCOMPARE(f.bed.session.scenario.frequency, std::int16_t(hl::kWeekly));
    const bool byKeys = device != "click" && !device.startsWith("wheel");
    if (byKeys)
        f.Enter(list);
    QVERIFY(f.bed.services.Messages().empty());
    f.bed.services.QueueAnswer(answer);
    if (device == "click")
        QTest::mouseClick(list, Qt::LeftButton);
    else if (device.startsWith("wheel"))
        hl::test::TurnWheel(list, device == "wheel up" ? 1 : -1);
    else if (device == "type-ahead")
        QTest::keyClick(list, Qt::Key_M, Qt::NoModifier);
    else {
        const std::map<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
            {"key up", {Qt::Key_Up, Qt::NoModifier}},
            {"key down", {Qt::Key_Down, Qt::NoModifier}},
            {"home", {Qt::Key_Home, Qt::NoModifier}},
            {"end", {Qt::Key_End, Qt::NoModifier}},
            {"alt+down", {Qt::Key_Down, Qt::AltModifier}},
            {"space", {Qt::Key_Space, Qt::NoModifier}},
            {"f4", {Qt::Key_F4, Qt::NoModifier}}};
        const auto& [key, modifiers] = keys.at(device);
        QTest::keyClick(list, key, modifiers);
    }

    // Twice a Month, chosen after Yes, moves the start date to the 30th and says so.
    const std::vector<AskedMessage>& asked = f.bed.services.Messages();
    QCOMPARE(asked.size(),
             std::size_t(answer == MessageAnswer::Yes && after == hl::kTwiceAMonth ? 2 : 1));
    QCOMPARE(asked.front(), ConfirmDeletion(answer).front());
    const bool opened = list->view()->isVisible();
    if (answer == MessageAnswer::Yes) {
        QCOMPARE(f.bed.session.changes.Count(), 0);
        QCOMPARE(opened, after == 0);
        if (opened)
            list->hidePopup();
        else
            QCOMPARE(f.bed.session.scenario.frequency, std::int16_t(after));
    } else {
        // Exactly as before: the frequency, its list (closed) and the table.
        QVERIFY(!opened);
        QCOMPARE(list->currentText(), QStringLiteral("Weekly"));
        QCOMPARE(f.bed.session.scenario.frequency, std::int16_t(hl::kWeekly));
        QCOMPARE(f.bed.session.changes.Count(), 2);
        // The next click is the user's again: it asks afresh rather than choosing from a list.
        f.bed.services.QueueAnswer(MessageAnswer::No);
        QTest::mouseClick(list, Qt::LeftButton);
        QCOMPARE(f.bed.services.Messages().size(), std::size_t(2));
        QVERIFY(!list->view()->isVisible());
    }
    QVERIFY(f.bed.services.Unexpected().empty());
}

void InputFormTest::tabPassesTheTimeFrameWithoutAsking() {
    // A keyboard user goes from the amortization to the comment, past the three fields of the
    // time frame, and the payment changes stay.
    OpenForm f(0, [](hl::Session& s) {
        TwoChanges(s);
        s.scenario.term = 5;
    });
    f.Enter(f.Box("Text3"));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(f.Focused(), Qt::Key_Tab);
    QCOMPARE(f.Focused(), f.Box("Text6"));
    QVERIFY(f.bed.services.Messages().empty());
    QCOMPARE(f.bed.session.changes.Count(), 2);
}

void InputFormTest::timeFrameContextMenuOnlyReads() {
    // While a change would ask, the length of loan's menu offers no paste, cut or delete.
    OpenForm f(0, TwoChanges);
    QApplication::clipboard()->setText(QStringLiteral("7"));
    QLineEdit* box = f.Box("Text4");
    f.Enter(box);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5),
                              box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &menuKey);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    // Only what reads the box: Copy and Select All.
    QStringList offered;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            offered << action->text().section(QLatin1Char('\t'), 0, 0);
    QCOMPARE(offered, (QStringList{"&Copy", "Select All"}));
    menu->close();
    QVERIFY(!box->isReadOnly());
    QVERIFY(f.bed.services.Messages().empty());
}

void InputFormTest::timeFrameGuardAsksEachTime() {
    // No keeps the box as it was, so the next key is a fresh attempt that asks again.
    OpenForm f(0, TwoChanges);
    f.Enter(f.Box("Text5"));
    f.bed.services.QueueAnswer(MessageAnswer::No);
    QTest::keyClick(f.Box("Text5"), Qt::Key_J);
    f.bed.services.QueueAnswer(MessageAnswer::No);
    QTest::keyClick(f.Box("Text5"), Qt::Key_J);
    QCOMPARE(f.bed.services.Messages().size(), std::size_t(2));
    QCOMPARE(f.bed.session.changes.Count(), 2);
    QCOMPARE(Text(f.Box("Text5")), std::string("Mar 24, 1992"));
    QVERIFY(f.bed.services.Unexpected().empty());
}

void InputFormTest::timeFrameGuardWithoutChanges() {
    OpenForm f;
    QVERIFY(!f.bed.session.Unsaved());
    f.Enter(f.Box("Text4"));
    QTest::keyClick(f.Box("Text4"), Qt::Key_5);
    QVERIFY(f.bed.session.Unsaved());
    QVERIFY(f.bed.services.Messages().empty());
    QCOMPARE(Text(f.Box("Text4")), std::string("5"));
    QCOMPARE(f.Focused(), f.Box("Text4"));
}

// ---- calculated values ---------------------------------------------------------------------

void InputFormTest::calculatedPayment() {
    OpenForm f(0, [](hl::Session& s) { s.scenario.frequency = hl::kMonthly; });
    f.Type("Text1", "100000");
    f.Type("Text2", "10");
    QCOMPARE(Text(f.Box("Text8")), std::string());
    f.Type("Text3", "25");
    // The monthly payment of 100000 at 10 % over 25 years in every Canadian table.
    QCOMPARE(Text(f.Box("Text8")), std::string("894.49"));

    f.Enter(f.Combo());
    QTest::keyClick(f.Combo(), Qt::Key_Down); // Monthly -> Weekly
    QCOMPARE(f.bed.session.scenario.frequency, std::int16_t(hl::kWeekly));
    QCOMPARE(Text(f.Box("Text8")), std::string("223.62")); // a quarter, cut to the cent

    f.Type("Text2", "");
    QCOMPARE(Text(f.Box("Text8")), std::string());
    QCOMPARE(Text(f.Box("Text7")), std::string());
}

void InputFormTest::rateFactorNeedsOnlyRateAndFrequency() {
    OpenForm f(1, [](hl::Session& s) { s.scenario.frequency = hl::kMonthly; });
    f.Type("Text2", "10");
    // (1 + 10/200)^(1/6) - 1 with every step rounded to a single (hand computation).
    QCOMPARE(Text(f.Box("Text7")), std::string("0.008164882660"));
    QCOMPARE(Text(f.Box("Text8")), std::string());
}

void InputFormTest::displayBoxesRefuseTheFocus() {
    OpenForm f(1);
    f.Enter(f.Box("Text3"));
    f.Box("Text8")->setFocus(Qt::MouseFocusReason);
    QCOMPARE(f.bed.services.Beeps(), 1);
    QCOMPARE(f.Focused(), f.Box("Text1"));
    f.Box("Text7")->setFocus(Qt::MouseFocusReason);
    QCOMPARE(f.bed.services.Beeps(), 2);
    QCOMPARE(f.Focused(), f.Box("Text1"));
    QVERIFY(f.Box("Text7")->isReadOnly());
    QVERIFY(f.Box("Text8")->isReadOnly());
    QVERIFY(f.bed.services.Messages().empty());
}

void InputFormTest::paymentChangesButtonEnabling() {
    OpenForm f;
    QPushButton* button = f.Button("Command2");
    QVERIFY(!button->isEnabled());
    f.Type("Text4", "5");
    QVERIFY(!button->isEnabled());
    f.Type("Text5", "Mar 24 92");
    QVERIFY(button->isEnabled());
    f.Type("Text4", "");
    QVERIFY(!button->isEnabled());
}

void InputFormTest::resultWindowsCloseOnlyWhenActive() {
    OpenForm f;
    f.bed.host.closed.clear();
    const int before = f.bed.host.resets;
    f.form->Recalculate();
    QCOMPARE(f.bed.host.resets, before + 1);
    QCOMPARE(f.bed.host.closed.size(), std::size(hl::test::FakeHost::kResultWindowNames));

    // With another window active the recalculation leaves the result windows alone.
    f.bed.host.active = "Form3";
    f.form->Recalculate();
    QCOMPARE(f.bed.host.resets, before + 1);
}

// ---- buttons and the background ------------------------------------------------------------

void InputFormTest::quitEndsTheProgram() {
    OpenForm f;
    QTest::mouseClick(f.Button("Command1"), Qt::LeftButton);
    QCOMPARE(f.bed.host.ends, 1);
}

void InputFormTest::paymentChangesButtonOpensTheTable() {
    OpenForm f(0, [](hl::Session& s) {
        s.scenario.term = 5;
        s.scenario.start = hl::DayFromCivil(1992, 3, 24);
    });
    std::unique_ptr<hl::PaymentChangesWindow> table;
    f.bed.host.factories["Form4"] = [&] {
        table = std::make_unique<hl::PaymentChangesWindow>(f.bed.context);
        return table.get();
    };
    QTest::mouseClick(f.Button("Command2"), Qt::LeftButton);
    QVERIFY(f.bed.session.Unsaved());
    QCOMPARE(f.bed.host.shown.back(), std::string("Form4"));
    // Prepared from the scenario: five years of weekly payments and the empty row.
    QVERIFY(table);
    QCOMPARE(table->Grid().PaymentRows(), 260);

    // A host without the table window: nothing to prepare, nothing breaks.
    f.bed.host.factories.clear();
    QTest::mouseClick(f.Button("Command2"), Qt::LeftButton);
}

void InputFormTest::flashLoad() {
    OpenForm f(2, [](hl::Session& s) { s.scenario.frequency = hl::kMonthly; });
    QTest::mouseClick(f.Button("Command3"), Qt::LeftButton);
    const hl::Scenario& s = f.bed.session.scenario;
    QCOMPARE(s.amount, 102500.0f);
    QCOMPARE(s.rate, 9.375f);
    QCOMPARE(s.amortization, 25.0f);
    QCOMPARE(s.term, 5.0f);
    QCOMPARE(s.start, hl::DayFromCivil(1992, 3, 24));
    QCOMPARE(s.frequency, std::int16_t(hl::kMonthly));
    QCOMPARE(f.bed.session.changes.Count(), 2);
    QCOMPARE(f.bed.session.changes.At(1),
             (hl::PaymentChange{0, 31.49f, hl::DayFromCivil(1992, 3, 24)}));
    QCOMPARE(f.bed.session.changes.At(2),
             (hl::PaymentChange{3000, 0, hl::DayFromCivil(1993, 1, 26)}));
    // The form is opened afresh to show the sample.
    QVERIFY(!f.bed.host.closed.empty());
    QCOMPARE(f.bed.host.closed.back(), std::string("Form2"));
    QCOMPARE(f.bed.host.shown.back(), std::string("Form2"));
}

void InputFormTest::backgroundClickShowsTheSummary() {
    // An empty form gives the completeness message, not a summary of zeros.
    OpenForm empty(1);
    QTest::mouseClick(empty.form.get(), Qt::LeftButton, {},
                      QPoint(hl::Twips(7000), hl::Twips(200)));
    QVERIFY(empty.bed.host.shown.empty());
    QCOMPARE(empty.bed.services.MessageTexts(),
             std::vector<std::string>{"Error - Input data is incomplete"});
    empty.form.reset();

    OpenForm f(1, [](hl::Session& s) { s.scenario = hl::test::StandardScenario(); });
    QTest::mouseClick(f.form.get(), Qt::LeftButton, {}, QPoint(hl::Twips(7000), hl::Twips(200)));
    QCOMPARE(f.bed.host.shown, std::vector<std::string>{"Form3"});
    // Inside the frame of the calculated values is still the background...
    QTest::mouseClick(f.form.get(), Qt::LeftButton, {}, QPoint(hl::Twips(4100), hl::Twips(3700)));
    QCOMPARE(f.bed.host.shown.size(), std::size_t(2));
    // ...but a label is not.
    QLabel* label = Child<QLabel>(f.form.get(), "Label1");
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(f.bed.host.shown.size(), std::size_t(2));
}

HL_WINDOW_TEST(InputFormTest)
#include "input_form_test.moc"
