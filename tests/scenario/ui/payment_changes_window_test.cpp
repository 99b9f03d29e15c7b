// The payment-changes window (Form4) and the parked-changes viewer (Form13), driven as a user
// would: keys on the grid, the edit box, the buttons, closing.
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <memory>

#include "core/day_number.h"
#include "engine/schedule_file.h"
#include "engine/working_names.h"
#include "scenario/ui/input_form.h"
#include "scenario/ui/payment_changes_viewer.h"
#include "scenario/ui/payment_changes_window.h"
#include "support/pseudo_translator.h"
#include "support/standard_scenario.h"
#include "support/widget_lookup.h"
#include "support/window_test_bed.h"
#include "support/window_test_main.h"

using hl::test::Child;

namespace {

const hl::DayNumber kStart = hl::DayFromCivil(1992, 3, 24);
const hl::DayNumber kPayment45 = hl::DayFromCivil(1993, 1, 26);
const char* const kDeleteQuestion =
    "All payment changes and lump payments will be erased.  Do you want to do this ?";

// A test bed with the window open and prepared, as the input form leaves it.
struct OpenWindow {
    explicit OpenWindow(bool withChanges = false) {
        // The sample study, with or without its two payment changes.
        bed.session.scenario = hl::test::SampleScenario();
        if (withChanges)
            bed.session.changes.entries = hl::test::SampleChanges();
        inputForm = std::make_unique<hl::InputForm>(bed.context);
        bed.host.open["Form2"] = inputForm.get();
        window = new hl::PaymentChangesWindow(bed.context);
        window->show();
        QApplication::setActiveWindow(window);
        window->Prepare();
        // Keys typed while the window opens are dropped: the user types once it is drawn.
        QTest::qWait(50);
        grid = Child<QTableView>(window, "Grid1");
        box = Child<QLineEdit>(window, "Text1");
        list = Child<QListWidget>(window, "List1");
    }
    ~OpenWindow() { delete window.data(); }

    QString Cell(int row, int column) const {
        return grid->model()->index(row, column).data().toString();
    }
    QStringList ListLines() const {
        QStringList lines;
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }
    // Selects a cell, types `text` on the grid (the first key starts the edit) and ends with Enter.
    void Type(int row, int column, const QString& text) {
        grid->setCurrentIndex(grid->model()->index(row, column));
        QTest::keyClick(grid, text.at(0).toLatin1());
        QTest::keyClicks(box, text.mid(1));
        QTest::keyClick(box, Qt::Key_Return);
    }
    // Double-clicks a cell, empties the edit box and ends with Enter.
    void Clear(int row, int column) {
        const QModelIndex cell = grid->model()->index(row, column);
        grid->scrollTo(cell);
        grid->setCurrentIndex(cell);
        // Synthesised double clicks are unreliable offscreen: the view's own signal stands in.
        emit grid->doubleClicked(cell);
        QVERIFY(box->isVisible());
        box->clear();
        QTest::keyClick(box, Qt::Key_Return);
    }

    // The input form, recalculated, notes that the scenario has payment changes.
    bool FormShowsChanges() const { return !Child<QLabel>(inputForm.get(), "Label11")->isHidden(); }

    hl::test::WindowTestBed bed;
    std::unique_ptr<hl::InputForm> inputForm;
    QPointer<hl::PaymentChangesWindow> window;
    QTableView* grid = nullptr;
    QLineEdit* box = nullptr;
    QListWidget* list = nullptr;
};

} // namespace

class PaymentChangesWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void fiveYearsWeeklyListsEveryPayment();
    void keysTypedBeforeTheGridWasShownAreDropped();
    void typedValuesBecomeEntriesInGridOrder();
    void theEditBoxSitsOverTheCellAndFiltersKeys();
    void clearedCellsAndZerosMakeNoEntry();
    void deleteAllData_data();
    void deleteAllData();
    void infoButtonExplainsWhenChangesApply();
    void columnsWidenForTranslatedCaptions();
    void closingStoresAPendingEditAndRecalculatesTheInputForm();
    void theEngineAppliesWhatTheGridHolds();
    void aTwoHundredAndFirstEntryIsRefused();
    void preparingAgainGivesNoDoubledRows();
    void aTimeFrameEditedWhileOpenIsNotUndone();
    void aSecondTableFollowsItsOwnCalendarAndLeavesTheStudysAlone();
    void goingBackToTheStudysTableKeepsWhatWasTypedForTheOther();
    void viewerListsTheParkedCopy();
};

void PaymentChangesWindowTest::keysTypedBeforeTheGridWasShownAreDropped() {
    // The rest of a comment still waiting in the queue as the table opens: "2031" is never a
    // change to payment.
    hl::test::WindowTestBed bed;
    bed.session.scenario = hl::test::SampleScenario();
    auto window = std::make_unique<hl::PaymentChangesWindow>(bed.context);
    window->show();
    QApplication::setActiveWindow(window.get());
    auto* grid = Child<QTableView>(window.get(), "Grid1");
    auto* box = Child<QLineEdit>(window.get(), "Text1");
    grid->setFocus();
    for (const char* digit : {"2", "0", "3", "1"}) {
        const int key = Qt::Key_0 + (digit[0] - '0');
        QCoreApplication::postEvent(window->windowHandle(),
                                    new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, digit));
        QCoreApplication::postEvent(window->windowHandle(),
                                    new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, digit));
    }
    window->Prepare();
    QCoreApplication::processEvents();
    QVERIFY(box->isHidden());
    QCOMPARE(grid->model()->index(0, 2).data().toString(), QString());
    QCOMPARE(bed.session.changes.Count(), 0);
    // What is typed once the grid stands drawn there is taken.
    QTest::qWait(100);
    QTest::keyClick(grid, Qt::Key_5);
    QVERIFY(box->isVisible());
    QCOMPARE(box->text(), QStringLiteral("5"));
}

void PaymentChangesWindowTest::fiveYearsWeeklyListsEveryPayment() {
    OpenWindow w(true);
    QCOMPARE(w.window->objectName(), QStringLiteral("Form4"));
    QCOMPARE(w.window->windowTitle(),
             QStringLiteral("Enter Changes to Payment and/or Lump Payments"));
    const QAbstractItemModel* m = w.grid->model();
    QCOMPARE(m->rowCount(), 261); // the header is the view's own row; then 260 payments, 1 empty
    QCOMPARE(m->columnCount(), 4);
    const QStringList captions{"Pay Num", "Date of Payment", "Change to Payment", "Lump  Payment"};
    for (int c = 0; c < 4; ++c)
        QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), captions[c]);
    QVERIFY(!w.grid->horizontalHeader()->isHidden());

    QCOMPARE(w.Cell(0, 0), QStringLiteral("0001"));
    QCOMPARE(w.Cell(0, 1), QStringLiteral("Mar 24 92"));
    QCOMPARE(w.Cell(0, 2), QStringLiteral("31.49"));
    QCOMPARE(w.Cell(0, 3), QStringLiteral("0.00"));
    QCOMPARE(w.Cell(1, 0), QStringLiteral("002"));
    QCOMPARE(w.Cell(44, 0), QStringLiteral("0045"));
    QCOMPARE(w.Cell(44, 3), QStringLiteral("3000.00"));
    QCOMPARE(w.Cell(259, 0), QStringLiteral("260"));
    QCOMPARE(w.Cell(259, 1), QStringLiteral("Mar 11 97"));
    for (int c = 0; c < 4; ++c)
        QVERIFY(w.Cell(260, c).isEmpty());
    const auto align = [&](int c) {
        return Qt::Alignment(m->index(0, c).data(Qt::TextAlignmentRole).toInt()) &
               Qt::AlignHorizontal_Mask;
    };
    QCOMPARE(align(2), Qt::AlignRight);
    QCOMPARE(align(3), Qt::AlignRight);
    QCOMPARE(align(1), Qt::AlignLeft);

    QCOMPARE(w.ListLines(),
             (QStringList{"Mar 24 1992   31.49   0.00", "Jan 26 1993   0.00   3000.00"}));
    QVERIFY(Child<QLabel>(w.window, "Label2")->isVisible());
    QVERIFY(!w.box->isVisible());
    QCOMPARE(w.bed.services.BusySpells(), 1);
    QCOMPARE(w.bed.services.BusyDepth(), 0);
}

void PaymentChangesWindowTest::typedValuesBecomeEntriesInGridOrder() {
    OpenWindow w;
    QVERIFY(!w.bed.session.Unsaved());
    w.Type(44, 3, "3000"); // the later payment first: entries still follow the grid
    QCOMPARE(w.Cell(44, 3), QStringLiteral("3000.00"));
    QVERIFY(!w.box->isVisible());
    QVERIFY(!Child<QLabel>(w.window, "Label2")->isVisible());
    QCOMPARE(w.bed.session.changes.Count(), 1);
    QVERIFY(w.bed.session.Unsaved());

    w.Type(0, 2, "31.49");
    const hl::PaymentChanges& t = w.bed.session.changes;
    QCOMPARE(t.Count(), 2);
    QVERIFY(t.At(1) == (hl::PaymentChange{0.0f, 31.49f, kStart}));
    QVERIFY(t.At(2) == (hl::PaymentChange{3000.0f, 0.0f, kPayment45}));
    QCOMPARE(w.ListLines(),
             (QStringList{"Mar 24 1992   31.49   0.00", "Jan 26 1993   0.00   3000.00"}));
    // The number keeps the form it had when the window was prepared.
    QCOMPARE(w.Cell(0, 0), QStringLiteral("001"));

    Child<QPushButton>(w.window, "Command1")->click();
    QVERIFY(w.FormShowsChanges());
    QCOMPARE(w.bed.session.changes.Count(), 2);
    QVERIFY(w.bed.services.Unexpected().empty());
}

void PaymentChangesWindowTest::theEditBoxSitsOverTheCellAndFiltersKeys() {
    OpenWindow w(true);
    w.grid->scrollTo(w.grid->model()->index(60, 2));
    const QModelIndex cell = w.grid->model()->index(60, 2);
    w.grid->setCurrentIndex(cell);
    QTest::keyClick(w.grid, '7');
    QVERIFY(w.box->isVisible());
    QCOMPARE(w.box->text(), QStringLiteral("7")); // the key that started the edit is typed
    const QRect over(w.grid->viewport()->mapTo(w.window, w.grid->visualRect(cell).topLeft()),
                     w.grid->visualRect(cell).size());
    QCOMPARE(w.box->geometry(), over);

    QTest::keyClick(w.box, 'x'); // swallowed with a beep
    QTest::keyClick(w.box, ' ');
    QTest::keyClick(w.box, '.');
    QTest::keyClick(w.box, '5');
    QCOMPARE(w.box->text(), QStringLiteral("7.5"));
    QCOMPARE(w.bed.services.Beeps(), 2);
    QTest::keyClick(w.box, Qt::Key_Backspace);
    QTest::keyClick(w.box, Qt::Key_Return);
    QCOMPARE(w.Cell(60, 2), QStringLiteral("7.00"));

    // Enter on the grid opens the cell as it is; a double click does the same.
    w.grid->setCurrentIndex(w.grid->model()->index(0, 2));
    QTest::keyClick(w.grid, Qt::Key_Return);
    QVERIFY(w.box->isVisible());
    QCOMPARE(w.box->text(), QStringLiteral("31.49"));
    QTest::keyClick(w.box, Qt::Key_Return);
    w.grid->setCurrentIndex(w.grid->model()->index(44, 3));
    w.window->Grid1DblClick();
    QCOMPARE(w.box->text(), QStringLiteral("3000.00"));
    QTest::keyClick(w.box, Qt::Key_Return);

    // The trailing row belongs to no payment: no edit starts there.
    w.grid->setCurrentIndex(w.grid->model()->index(260, 3));
    QTest::keyClick(w.grid, '5');
    QVERIFY(!w.box->isVisible());
    QCOMPARE(w.bed.session.changes.Count(), 3);
}

void PaymentChangesWindowTest::clearedCellsAndZerosMakeNoEntry() {
    OpenWindow w(true);
    w.Type(44, 2, "10"); // payment 45 now has a change and a lump
    QCOMPARE(w.bed.session.changes.At(2), (hl::PaymentChange{3000.0f, 10.0f, kPayment45}));
    w.Clear(44, 3);
    QCOMPARE(w.Cell(44, 3), QString());
    QCOMPARE(w.bed.session.changes.Count(), 2); // the change alone still makes the entry
    w.Clear(44, 2);
    QCOMPARE(w.bed.session.changes.Count(), 1);
    QCOMPARE(w.bed.session.changes.At(1).date, kStart);
    QCOMPARE(w.ListLines(), QStringList{"Mar 24 1992   31.49   0.00"});

    w.Type(5, 2, "0");
    w.Type(5, 3, "0");
    QCOMPARE(w.Cell(5, 2), QStringLiteral("0.00"));
    QCOMPARE(w.Cell(5, 3), QStringLiteral("0.00"));
    QCOMPARE(w.bed.session.changes.Count(), 1);
}

void PaymentChangesWindowTest::deleteAllData_data() {
    QTest::addColumn<hl::MessageAnswer>("answer");
    QTest::addColumn<bool>("erased");
    QTest::newRow("Yes") << hl::MessageAnswer::Yes << true;
    QTest::newRow("No") << hl::MessageAnswer::No << false;
    QTest::newRow("Cancel") << hl::MessageAnswer::Cancel << false;
}

void PaymentChangesWindowTest::deleteAllData() {
    QFETCH(hl::MessageAnswer, answer);
    QFETCH(bool, erased);
    OpenWindow w(true);
    w.bed.services.QueueAnswer(answer);
    Child<QPushButton>(w.window, "Command2")->click();
    const auto& asked = w.bed.services.Messages();
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].title, std::string("Warning - Confirm Data Deletion"));
    QCOMPARE(asked[0].text, std::string(kDeleteQuestion));
    QVERIFY(asked[0].buttons == hl::MessageButtons::YesNoCancel);

    QCOMPARE(w.bed.session.changes.Count(), erased ? 0 : 2);
    QCOMPARE(w.bed.session.Unsaved(), erased);
    QCOMPARE(w.list->count(), erased ? 0 : 2);
    QCOMPARE(w.Cell(0, 2), erased ? QString() : QStringLiteral("31.49"));
    QCOMPARE(w.Cell(44, 3), erased ? QString() : QStringLiteral("3000.00"));
    QCOMPARE(w.Cell(0, 0), QStringLiteral("0001"));
    QCOMPARE(w.Cell(0, 1), QStringLiteral("Mar 24 92"));
    QCOMPARE(w.bed.services.BusyDepth(), 0);
    w.window->close();
    QCOMPARE(w.bed.session.changes.Count(), erased ? 0 : 2);
}

void PaymentChangesWindowTest::columnsWidenForTranslatedCaptions() {
    // Captions with words wider than the English ones: each word fits its column, which the
    // header then wraps between words, never inside one.
    const hl::test::PseudoTranslator translation(
        {{"Pay Num", "Numérotation"},
         {"Date of Payment", "Échéancier du versement"},
         {"Change to Payment", "Modification hypothécaire"},
         {"Lump  Payment", "Versement extraordinaire"}});
    OpenWindow w;
    const QHeaderView* header = w.grid->horizontalHeader();
    const QFontMetrics metrics = header->fontMetrics();
    for (int column = 0; column < hl::kPaymentColumns; ++column) {
        const QString caption =
            w.grid->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        QVERIFY2(!caption.contains(QLatin1String("Pay")), qPrintable(caption));
        for (const QString& word : caption.split(QLatin1Char(' ')))
            QVERIFY2(w.grid->columnWidth(column) > metrics.horizontalAdvance(word),
                     qPrintable(
                         QStringLiteral("%1 in %2 px").arg(word).arg(w.grid->columnWidth(column))));
    }
}

void PaymentChangesWindowTest::infoButtonExplainsWhenChangesApply() {
    OpenWindow w;
    Child<QPushButton>(w.window, "Command3")->click();
    const auto& asked = w.bed.services.Messages();
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].title, std::string("Payment Changes Hint Box"));
    QVERIFY(asked[0].buttons == hl::MessageButtons::Ok);
    QCOMPARE(asked[0].text,
             std::string("This form presents a table of all your scheduled payments.  You can\r"
                         "enter changes to your payment and/or lump payments here.\r\r"
                         "IMPORTANT !!\r\r"
                         "To match most banks, any change to a payment is applied BEFORE the "
                         "regular\rpayment is processed where any lump payment is deducted AFTER "
                         "the regular\rpayment is processed."));
}

void PaymentChangesWindowTest::closingStoresAPendingEditAndRecalculatesTheInputForm() {
    OpenWindow w;
    w.grid->setCurrentIndex(w.grid->model()->index(9, 3));
    QTest::keyClick(w.grid, '2');
    QTest::keyClicks(w.box, "50");
    QVERIFY(w.box->isVisible());
    QCOMPARE(w.bed.session.changes.Count(), 0);
    w.window->close(); // from the window's frame, not its Close button
    QCOMPARE(w.bed.session.changes.Count(), 1);
    QVERIFY(w.bed.session.changes.At(1) == (hl::PaymentChange{250.0f, 0.0f, kStart + 63}));
    QVERIFY(w.bed.session.Unsaved());
    QVERIFY(w.FormShowsChanges());

    // Closing without any edit leaves the table and the flag alone.
    OpenWindow quiet(true);
    quiet.window->close();
    QCOMPARE(quiet.bed.session.changes.Count(), 2);
    QVERIFY(!quiet.bed.session.Unsaved());
    QVERIFY(quiet.FormShowsChanges());
}

void PaymentChangesWindowTest::theEngineAppliesWhatTheGridHolds() {
    OpenWindow w;
    w.Type(0, 2, "31.49");
    w.Type(44, 3, "3000");
    w.window->close();
    hl::SilentMessages quiet;
    const hl::ScheduleFile with = hl::RunSchedule(w.bed.session.Inputs(), quiet).schedule;

    // The same loan with the change only, to see what the lump alone does.
    hl::PaymentChanges changeOnly;
    changeOnly.entries = {hl::PaymentChange{0.0f, 31.49f, kStart}};
    const hl::ScheduleFile without =
        hl::RunSchedule(hl::EngineInputs{w.bed.session.scenario, changeOnly}, quiet).schedule;

    QCOMPARE(with.records.size(), std::size_t{260});
    const hl::Money regular = hl::RegularPayment(102500.0f, 9.375f, 25.0f, hl::kWeekly);
    // The change is made before the first payment: that payment already carries it.
    QCOMPARE(with.records[0].change, 31.49f);
    QCOMPARE(with.records[0].payment, hl::sgl::Add(regular, 31.49f));
    QCOMPARE(with.records[1].payment, with.records[0].payment);
    // The lump comes off after payment 45: its interest is that of the loan without the lump.
    const hl::ScheduleRecord& r45 = with.records[44];
    QCOMPARE(r45.date, kPayment45);
    QCOMPARE(r45.lump, 3000.0f);
    QCOMPARE(r45.interest, without.records[44].interest);
    QCOMPARE(r45.balance, hl::sgl::Sub(without.records[44].balance, 3000.0f));
    QVERIFY(with.records[45].interest < without.records[45].interest);
}

void PaymentChangesWindowTest::aTwoHundredAndFirstEntryIsRefused() {
    OpenWindow w;
    w.bed.session.scenario.term = 35.0f;
    for (int r = 0; r < 200; ++r)
        w.bed.session.changes.entries.push_back(hl::PaymentChange{10.0f, 0.0f, kStart + 7 * r});
    w.window->Prepare();
    QCOMPARE(w.grid->model()->rowCount(), 1821);
    QCOMPARE(w.list->count(), 200);

    w.Type(500, 2, "25");
    QCOMPARE(w.Cell(500, 2), QString());
    QCOMPARE(w.bed.session.changes.Count(), 200);
    QCOMPARE(w.bed.session.changes.At(200).date, kStart + 7 * 199);
    const auto& asked = w.bed.services.Messages();
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].title, std::string("Mortgage Input Violation"));
    QVERIFY(asked[0].buttons == hl::MessageButtons::Ok);
    QVERIFY(asked[0].text.find("no more than 200") != std::string::npos);
    QVERIFY(asked[0].text.find("payment 501 (Oct 23 2001)") != std::string::npos);
    QCOMPARE(w.bed.services.Beeps(), 1);

    // A payment that already has an entry may change; a freed place may be taken.
    w.Type(0, 2, "5");
    QCOMPARE(w.bed.session.changes.At(1).change, 5.0f);
    w.Clear(199, 3);
    w.Type(500, 2, "25");
    QCOMPARE(w.bed.session.changes.Count(), 200);
    QCOMPARE(w.bed.session.changes.At(200).date, kStart + 7 * 500);
    QCOMPARE(w.bed.services.Messages().size(), std::size_t{1});
    w.window->close();
    QCOMPARE(w.bed.session.changes.Count(), 200);
}

void PaymentChangesWindowTest::preparingAgainGivesNoDoubledRows() {
    OpenWindow w(true);
    w.Type(10, 3, "100");
    w.window->Prepare(); // as the input form calls it
    QCOMPARE(w.grid->model()->rowCount(), 261);
    QCOMPARE(w.list->count(), 3);
    QCOMPARE(w.Cell(10, 0), QStringLiteral("0011"));
    QCOMPARE(w.Cell(10, 3), QStringLiteral("100.00"));
    QVERIFY(!Child<QLabel>(w.window, "Label2")->isVisible()); // shown again only on reopening
}

void PaymentChangesWindowTest::aSecondTableFollowsItsOwnCalendarAndLeavesTheStudysAlone() {
    // The study is the weekly sample with its changes; the second table belongs to a monthly
    // scenario of two years from Jan 1 1996 and holds one lump.
    OpenWindow w(true);
    const hl::PaymentChanges studys = w.bed.session.changes;
    auto second = std::make_shared<hl::PaymentChanges>();
    second->entries = {hl::PaymentChange{500.0f, 0.0f, hl::DayFromCivil(1996, 3, 1)}};
    w.window->Prepare(hl::PaymentCalendar{2.0f, hl::kMonthly, hl::DayFromCivil(1996, 1, 1)},
                      second);
    QVERIFY(w.window->Edits(second.get()));
    QVERIFY(!w.window->Edits(&w.bed.session.changes));
    QCOMPARE(w.grid->model()->rowCount(), 25); // 24 monthly payments and the empty row
    QCOMPARE(w.Cell(2, 1), QStringLiteral("Mar 01 96"));
    QCOMPARE(w.Cell(2, 3), QStringLiteral("500.00"));
    QCOMPARE(w.ListLines(), QStringList{"Mar 1 1996   0.00   500.00"});

    w.Type(0, 2, "25");
    QCOMPARE(second->Count(), 2);
    QCOMPARE(second->At(1), (hl::PaymentChange{0.0f, 25.0f, hl::DayFromCivil(1996, 1, 1)}));
    // The owner lets the table go while the window is open: the window still has it.
    const hl::PaymentChanges* kept = second.get();
    second.reset();
    w.bed.services.QueueAnswer(hl::MessageAnswer::Yes);
    QTest::mouseClick(Child<QPushButton>(w.window, "Command2"), Qt::LeftButton);
    QVERIFY(w.window->Edits(kept));
    QCOMPARE(w.window->Grid().Store().Count(), 0);
    w.window->close();
    // Neither the edit, the erase nor the closing reached the study's table.
    QCOMPARE(w.bed.session.changes, studys);
}

void PaymentChangesWindowTest::goingBackToTheStudysTableKeepsWhatWasTypedForTheOther() {
    OpenWindow w(false);
    auto second = std::make_shared<hl::PaymentChanges>();
    w.window->Prepare(hl::PaymentCalendar{1.0f, hl::kWeekly, hl::DayFromCivil(1996, 1, 1)}, second);
    // An edit still open when the input form prepares the window for the study again.
    w.grid->setCurrentIndex(w.grid->model()->index(3, 3));
    QTest::keyClick(w.grid, '7');
    QVERIFY(w.box->isVisible());
    w.window->Prepare();
    QCOMPARE(second->entries,
             (std::vector<hl::PaymentChange>{{7.0f, 0.0f, hl::DayFromCivil(1996, 1, 22)}}));
    QVERIFY(w.bed.session.changes.entries.empty());
    QCOMPARE(w.Cell(0, 1), QStringLiteral("Mar 24 92")); // the study's calendar again
    QVERIFY(w.window->Edits(&w.bed.session.changes));
}

void PaymentChangesWindowTest::aTimeFrameEditedWhileOpenIsNotUndone() {
    // The input form erases the table when the time frame is edited; this window, still open
    // with the old calendar's rows, must not write them back.
    OpenWindow w(true);
    w.bed.session.ClearChanges();
    w.bed.session.scenario.frequency = hl::kMonthly;
    w.Type(3, 3, "500"); // typed into a row of the old calendar: the grid is rebuilt instead
    QCOMPARE(w.grid->model()->rowCount(), 61);
    QCOMPARE(w.bed.session.changes.Count(), 0);
    w.Type(1, 3, "500");
    QCOMPARE(w.bed.session.changes.Count(), 1);
    QCOMPARE(w.bed.session.changes.At(1).date, hl::DayFromCivil(1992, 4, 24));

    OpenWindow closing(true);
    closing.bed.session.ClearChanges();
    closing.bed.session.scenario.term = 3.0f;
    closing.window->close();
    QCOMPARE(closing.bed.session.changes.Count(), 0);
}

void PaymentChangesWindowTest::viewerListsTheParkedCopy() {
    hl::test::WindowTestBed bed;
    const std::string parked = bed.folder.Path(hl::kParkedChangesFile);
    {
        hl::test::Spit(parked, "0\r\n");
        hl::PaymentChangesViewer viewer(bed.context);
        QCOMPARE(viewer.objectName(), QStringLiteral("Form13"));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("View Payment Changes - Scenario One"));
        QCOMPARE(Child<QLabel>(&viewer, "Label1")->text(), QStringLiteral("Date"));
        QCOMPARE(Child<QLabel>(&viewer, "Label2")->text(), QStringLiteral("Payment Change"));
        QCOMPARE(Child<QLabel>(&viewer, "Label3")->text(), QStringLiteral("Lump Payment"));
        QCOMPARE(Child<QListWidget>(&viewer, "List1")->count(), 0);
    }
    {
        hl::test::Spit(parked, "2\r\n0,31.49," + std::to_string(kStart) + "\r\n3000,0," +
                                   std::to_string(kPayment45) + "\r\n");
        hl::PaymentChangesViewer viewer(bed.context);
        auto* list = Child<QListWidget>(&viewer, "List1");
        QCOMPARE(list->count(), 2);
        const QString gap15(15, QLatin1Char(' ')), gap14(14, QLatin1Char(' '));
        QCOMPARE(list->item(0)->text(), "Mar 24 1992" + gap15 + "31.49" + gap14 + "0.00");
        QCOMPARE(list->item(1)->text(), "Jan 26 1993" + gap15 + "0.00" + gap14 + "3000.00");
    }
    {
        hl::test::Spit(parked, "3\r\n0,31.49,"); // damaged: nothing shown, nothing asked
        hl::PaymentChangesViewer viewer(bed.context);
        QCOMPARE(Child<QListWidget>(&viewer, "List1")->count(), 0);
        QVERIFY(bed.services.Messages().empty());
    }
}

HL_WINDOW_TEST(PaymentChangesWindowTest)
#include "payment_changes_window_test.moc"
