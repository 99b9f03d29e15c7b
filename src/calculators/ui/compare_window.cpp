// The compare-scenarios window: shows scenario one, reads scenario two's boxes, hands both to the
// comparison and shows what it gives.
#include "calculators/ui/compare_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/box_value.h"
#include "core/format.h"
#include "core/text_items.h"
#include "core/translate.h"
#include "display/ui/date_width.h"
#include "engine/schedule_file.h"
#include "files/working_files.h"
#include "print/compare_report.h"
#include "scenario/input_rules.h"
#include "scenario/payment_table.h"
#include "windowkit/controls.h"
#include "windowkit/engine_messages.h"
#include "windowkit/guarded_combo.h"
#include "windowkit/show_message.h"

namespace hl {
namespace {

constexpr const char* kOneIndicator =
    QT_TRANSLATE_NOOP("hl::CompareWindow", "Changes entered for Scenario One");
constexpr const char* kTwoIndicator =
    QT_TRANSLATE_NOOP("hl::CompareWindow", "Changes entered for Scenario Two");
constexpr const char* kErrorTrapTitle =
    QT_TRANSLATE_NOOP("hl::CompareWindow", "Mortgage Error Trap");
constexpr const char* kTimeFrame =
    QT_TRANSLATE_NOOP("hl::CompareWindow", "Error Start Date and Length of Loan MUST be completed "
                                           "before payment chanes can be entered.");

QLineEdit* MakeBox(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setMinimumWidth(
        WidestDate(box->fontMetrics(), QStringLiteral("Sep 30, 2000"), "mmm d, yyyy") + 14);
    // A screen reader says what the box is for, not just "edit".
    box->setAccessibleName(accessibleName);
    return box;
}

// Borderless, grey, blue text: the note that a scenario has payment changes.
QLabel* MakeIndicator(QWidget* parent, const char* name) {
    QLabel* note = MakeLabel(parent, name, "");
    // One line under its column: the window's designed height has no room for a second.
    QFont small = note->font();
    small.setPointSizeF(small.pointSizeF() - 1);
    note->setFont(small);
    note->setAutoFillBackground(true);
    QPalette colours = note->palette();
    colours.setColor(QPalette::Window, Qt::lightGray);
    colours.setColor(QPalette::WindowText, Qt::blue);
    note->setPalette(colours);
    note->hide();
    return note;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The frequency list shows each frequency in the program's language and keeps its code; the
// working file and the computations read the English name.
QString FrequencyText(int code) { return Q(FrequencyCaption(code)); }

std::string FrequencyOf(const QComboBox* list) {
    return FrequencyName(list->currentData().toInt());
}

void ChooseFrequency(QComboBox* list, int code) {
    if (const int at = list->findData(code); at >= 0)
        list->setCurrentIndex(at);
}

} // namespace

CompareWindow::CompareWindow(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form11, tr("Compare Scenarios - What If ?"), parent) {
    BuildControls();
    Connect();
    PlaceInTwips(50, 30, 9300, 5660);
    Open();
}

void CompareWindow::BuildControls() {
    // Drawn for an 8-point sans-serif, as the other windows of the program.
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    Frame1 = new QGroupBox(tr("Input Variables"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame2 = new QGroupBox(tr("Summary"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame3 = new QGroupBox(tr(" Quick Function"), this);
    Frame3->setObjectName(QStringLiteral("Frame3"));

    Label1 = MakeLabel(this, "Label1", tr("Scenario One "));
    Label2 = MakeLabel(this, "Label2", tr("Scenario Two"));
    Label3 = MakeLabel(Frame2, "Label3", tr("Difference"));
    for (QLabel* heading : {Label1, Label2, Label3}) {
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setAlignment(Qt::AlignCenter);
    }

    // One row per figure: its caption, scenario one's box, scenario two's box.
    struct Row {
        const char* label;
        const char* caption;
        const char* one;
        const char* two;
        QLineEdit** oneBox;
        QLineEdit** twoBox;
    };
    const Row inputs[] = {
        {"Label4", QT_TR_NOOP("Mortgage Amount:"), "Text1", "Text14", &Text1, &Text14},
        {"Label5", QT_TR_NOOP("Interest Rate:"), "Text2", "Text15", &Text2, &Text15},
        {"Label6", QT_TR_NOOP("Amortization Period (yrs):"), "Text3", "Text16", &Text3, &Text16},
        {"Label7", QT_TR_NOOP("Length of Mortgage (yrs):"), "Text4", "Text17", &Text4, &Text17},
        {"Label8", QT_TR_NOOP("Start Date:"), "Text5", "Text18", &Text5, &Text18},
    };
    const Row results[] = {
        {"Label10", QT_TR_NOOP("Calculated Payment:"), "Text7", "Text19", &Text7, &Text19},
        {"Label11", QT_TR_NOOP("Closing Date:"), "Text10", "Text22", &Text10, &Text22},
        {"Label12", QT_TR_NOOP("Balance still Outstanding: "), "Text11", "Text23", &Text11,
         &Text23},
        {"Label13", QT_TR_NOOP("$ Paid:    Regular Payments:"), "Text31", "Text32", &Text31,
         &Text32},
        {"Label14", QT_TR_NOOP("                  Lump Payments     :"), "Text9", "Text21", &Text9,
         &Text21},
        {"Label15", QT_TR_NOOP("Total Principle Paid to Date:"), "Text12", "Text24", &Text12,
         &Text24},
        {"Label16", QT_TR_NOOP("Total Interest Paid to Date: "), "Text13", "Text25", &Text13,
         &Text25},
    };
    auto fill = [](QWidget* frame, QGridLayout* grid, const Row& row, int at) {
        QLabel* caption = MakeLabel(frame, row.label, tr(row.caption));
        const QString name = tr(row.caption).simplified().remove(QLatin1Char(':'));
        *row.oneBox = MakeBox(frame, row.one, name + tr(" - Scenario One"));
        *row.twoBox = MakeBox(frame, row.two, name + tr(" - Scenario Two"));
        caption->setBuddy(*row.twoBox);
        grid->addWidget(caption, at, 0, Qt::AlignRight);
        grid->addWidget(*row.oneBox, at, 1);
        grid->addWidget(*row.twoBox, at, 2);
    };

    auto* inputGrid = new QGridLayout(Frame1);
    int at = 0;
    for (const Row& row : inputs)
        fill(Frame1, inputGrid, row, at++);
    QLabel* frequency = MakeLabel(Frame1, "Label9", tr("Payment Frequency"));
    Text6 = MakeBox(Frame1, "Text6", tr("Payment Frequency - Scenario One"));
    Combo1 = new GuardedCombo(Frame1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setAccessibleName(tr("Payment Frequency - Scenario Two"));
    frequency->setBuddy(Combo1);
    inputGrid->addWidget(frequency, at, 0, Qt::AlignRight);
    inputGrid->addWidget(Text6, at, 1);
    inputGrid->addWidget(Combo1, at++, 2);
    Text8 = MakeIndicator(Frame1, "Text8");
    Text20 = MakeIndicator(Frame1, "Text20");
    inputGrid->addWidget(Text8, at, 1);
    inputGrid->addWidget(Text20, at++, 2);
    Command3 = MakeButton(Frame1, "Command3", tr("View Payment Changes"));
    Command1 = MakeButton(Frame1, "Command1", tr("Enter Payment Changes"));
    inputGrid->addWidget(Command3, at, 1);
    inputGrid->addWidget(Command1, at, 2);

    auto* summaryGrid = new QGridLayout(Frame2);
    summaryGrid->addWidget(Label3, 1, 3, 1, 2);
    at = 0;
    for (const Row& row : results)
        fill(Frame2, summaryGrid, row, at++);
    // The third column: differences, with the two savings beside them.
    auto difference = [&](const char* name, const QString& accessible, int row, int column) {
        QLineEdit* box = MakeBox(Frame2, name, accessible);
        summaryGrid->addWidget(box, row, column);
        return box;
    };
    Text28 = difference("Text28", tr("Balance still Outstanding - Difference"), 2, 3);
    Text33 = difference("Text33", tr("Regular Payments - Difference"), 3, 3);
    Text27 = difference("Text27", tr("Lump Payments - Difference"), 4, 3);
    QLabel* gross = MakeLabel(Frame2, "Label17", tr("Gross Saving:"));
    QLabel* net = MakeLabel(Frame2, "Label18", tr("Net Saving:"));
    Text29 = MakeBox(Frame2, "Text29", tr("Gross Saving"));
    Text30 = MakeBox(Frame2, "Text30", tr("Net Saving"));
    gross->setBuddy(Text29);
    net->setBuddy(Text30);
    summaryGrid->addWidget(gross, 2, 4, Qt::AlignRight);
    summaryGrid->addWidget(Text29, 2, 5);
    summaryGrid->addWidget(net, 3, 4, Qt::AlignRight);
    summaryGrid->addWidget(Text30, 3, 5);

    Command5 = MakeButton(Frame3, "Command5", tr("Copy Scenario   1 to 2"));
    Command6 = MakeButton(Frame3, "Command6", tr("Clear Scenario 2"));
    auto* quick = new QVBoxLayout(Frame3);
    quick->addWidget(Command5);
    quick->addWidget(Command6);
    Command4 = MakeButton(this, "Command4", tr("Calculate"));
    Command2 = MakeButton(this, "Command2", tr("Close"));

    // Scenario one is display only; scenario two's results and the differences take no input.
    for (QLineEdit* box : {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text10, Text11, Text31,
                           Text9, Text12, Text13})
        box->setEnabled(false);
    for (QLineEdit* box : {Text19, Text22, Text23, Text32, Text21, Text24, Text25, Text28, Text29,
                           Text33, Text30, Text27})
        box->setReadOnly(true);

    auto* headings = new QHBoxLayout;
    headings->addStretch(1);
    headings->addWidget(Label1);
    headings->addWidget(Label2);
    headings->addStretch(1);
    auto* side = new QVBoxLayout;
    side->addWidget(Frame3);
    side->addStretch(1);
    side->addWidget(Command4);
    side->addWidget(Command2);
    auto* top = new QHBoxLayout;
    top->addWidget(Frame1, 1);
    top->addLayout(side);
    // Fourteen rows of boxes fill the window's designed height: the rows stand close together.
    for (QGridLayout* grid : {inputGrid, summaryGrid}) {
        grid->setVerticalSpacing(1);
        grid->setContentsMargins(6, 2, 6, 2);
    }
    quick->setContentsMargins(6, 2, 6, 2);
    auto* page = new QVBoxLayout(this);
    page->setSpacing(2);
    page->setContentsMargins(6, 2, 6, 4);
    page->addLayout(headings);
    page->addLayout(top, 1);
    page->addWidget(Frame2);

    setTabOrder(Text14, Text15);
    setTabOrder(Text15, Text16);
    setTabOrder(Text16, Text17);
    setTabOrder(Text17, Text18);
    setTabOrder(Text18, Combo1);
    setTabOrder(Combo1, Command1);
    setTabOrder(Command1, Command3);
    setTabOrder(Command3, Command5);
    setTabOrder(Command5, Command6);
    setTabOrder(Command6, Command4);
    setTabOrder(Command4, Command2);
}

void CompareWindow::Connect() {
    // What the user types here is kept in the study, so it counts as an edit.
    for (QLineEdit* box : {Text14, Text15, Text16, Text17})
        events_.NumericOnly(box, [this] { MarkChanged(); });
    events_.EnterMovesOn(Text18);
    events_.OnTyped(Text18, [this](const QKeyEvent&) {
        MarkChanged();
        return false;
    });
    events_.OnLostFocus(Text14, [this] { Text14LostFocus(); });
    events_.OnLostFocus(Text15, [this] { Text15LostFocus(); });
    events_.OnLostFocus(Text16, [this] { Text16LostFocus(); });
    events_.OnLostFocus(Text17, [this] { Text17LostFocus(); });
    events_.OnLostFocus(Text18, [this] { Text18LostFocus(); });
    // The fields of scenario two's time frame ask before they change, not as the focus passes.
    const auto hasChanges = [this] { return table_->Count() > 0; };
    events_.GuardEdits(Text17, hasChanges, [this] { return Text17Editing(); });
    events_.GuardEdits(Text18, hasChanges, [this] { return Text18Editing(); });
    events_.OnGotFocus(Combo1, [this] { Combo1GotFocus(); });
    Combo1->BeforeChange([this] { return Combo1Changing(); });
    connect(Combo1, &QComboBox::activated, this, &CompareWindow::Combo1Click);
    for (QLineEdit* box : {Text19, Text22, Text23, Text32, Text21, Text24, Text25, Text28, Text29,
                           Text33, Text30, Text27})
        events_.OnGotFocus(box, [this] { ResultGotFocus(); });
    events_.OnGotFocus(Command1, [this] { Command1GotFocus(); });
    events_.OnLostFocus(Command1, [this] { Command1LostFocus(); });
    connect(Command1, &QPushButton::clicked, this, &CompareWindow::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &CompareWindow::Command2Click);
    connect(Command3, &QPushButton::clicked, this, &CompareWindow::Command3Click);
    connect(Command4, &QPushButton::clicked, this, &CompareWindow::Command4Click);
    connect(Command5, &QPushButton::clicked, this, &CompareWindow::Command5Click);
    connect(Command6, &QPushButton::clicked, this, &CompareWindow::Command6Click);
}

void CompareWindow::Open() {
    BusyPointer busy(services_);
    // Scenario one's changes, for the viewer and the printed comparison.
    WriteParkedChanges(session_.folder, session_.changes);
    for (int code = kMonthly; code <= kEveryTwoWeeks; ++code)
        Combo1->addItem(FrequencyText(code), code);

    const ScheduleRun run = RunAndWriteSchedule(session_.Inputs(), session_.folder, services_);
    one_ = calc::ScenarioOneOf(session_.scenario, session_.changes.Count(), run.schedule);
    Text1->setText(Q(one_.amount));
    Text2->setText(Q(one_.rate));
    Text3->setText(Q(one_.amortization));
    Text4->setText(Q(one_.term));
    Text5->setText(Q(one_.start));
    Text6->setText(Q(one_.frequency));
    Text7->setText(Q(one_.payment));
    Text31->setText(Q(one_.regularPaid));
    Text9->setText(Q(one_.lumpPaid));
    Text10->setText(Q(one_.closingDate));
    Text11->setText(Q(one_.balance));
    Text13->setText(Q(one_.interest));
    Text12->setText(Q(one_.principal));
    if (one_.hasChanges) {
        Text8->setText(tr(kOneIndicator));
        Text8->show();
    }

    ClearResults();
    ClearScenarioTwo();
    Command4->setEnabled(false);
    Restore();
}

void CompareWindow::Restore() {
    const ToolSection kept = ReadToolFile(session_.folder, ToolFile::Compare);
    QLineEdit* boxes[] = {Text14, Text15, Text16, Text17};
    for (std::size_t i = 0; i < 4; ++i)
        boxes[i]->setText(Q(calc::RestoredBoxText(kept.Text(i))));
    Text18->setText(Q(kept.Day(4) != 0 ? FormatDate(kept.Day(4), "mmm d yyyy") : std::string()));
    // A frequency the list lacks (the blank file's) leaves the list at "Weekly".
    for (int code = kMonthly; code <= kEveryTwoWeeks; ++code)
        if (kept.Text(5) == FrequencyName(code))
            ChooseFrequency(Combo1, code);
    table_->entries.clear();
    for (const ToolGroup& g : kept.groups)
        table_->entries.push_back(PaymentChange{g.lump, g.change, g.date});
    Command4->setEnabled(Boxes().Complete());
}

void CompareWindow::SaveState() {
    ToolSection kept(ToolFile::Compare);
    QLineEdit* boxes[] = {Text14, Text15, Text16, Text17};
    for (std::size_t i = 0; i < 4; ++i)
        kept.SetText(i, calc::StoredBoxText(TextOf(boxes[i])));
    kept.SetDay(4, ParseDate(TextOf(Text18)).value_or(0));
    kept.SetText(5, calc::StoredBoxText(FrequencyOf(Combo1)));
    for (const PaymentChange& e : table_->entries)
        kept.groups.push_back(ToolGroup{e.lump, e.change, e.date});
    WriteToolFile(session_.folder, kept);
}

PrintOut CompareWindow::PrintForm() const {
    if (Text29->text().isEmpty() && Text30->text().isEmpty())
        return PrintOut::Refused(kPrintWarningTrapTitle, kNotCalculatedPrintText);
    CompareReportTexts t;
    t.one = {.amount = TextOf(Text1),
             .rate = TextOf(Text2),
             .amortization = TextOf(Text3),
             .term = TextOf(Text4),
             .start = TextOf(Text5),
             .frequency = TextOf(Text6),
             .payment = TextOf(Text7),
             .closingDate = TextOf(Text10),
             .balance = TextOf(Text11),
             .regularPaid = TextOf(Text31),
             .lumpPaid = TextOf(Text9),
             .principal = TextOf(Text12),
             .interest = TextOf(Text13),
             .changes = {}};
    t.two = {.amount = TextOf(Text14),
             .rate = TextOf(Text15),
             .amortization = TextOf(Text16),
             .term = TextOf(Text17),
             .start = TextOf(Text18),
             .frequency = Combo1->currentText().toStdString(),
             .payment = TextOf(Text19),
             .closingDate = TextOf(Text22),
             .balance = TextOf(Text23),
             .regularPaid = TextOf(Text32),
             .lumpPaid = TextOf(Text21),
             .principal = TextOf(Text24),
             .interest = TextOf(Text25),
             .changes = table_->entries};
    // Scenario one's changes are the ones parked when the window opened; a lost file lists none,
    // as Copy then takes none.
    try {
        t.one.changes = ReadParkedChanges(session_.folder);
    } catch (const ItemFormatError&) {
        t.one.changes.clear();
    }
    t.balanceDifference = TextOf(Text28);
    t.regularDifference = TextOf(Text33);
    t.lumpDifference = TextOf(Text27);
    t.grossSaving = TextOf(Text29);
    t.netSaving = TextOf(Text30);
    return PrintOut::Printed(CompareReport(t));
}

void CompareWindow::Unloading() {
    // The payment-changes window stores what it holds into scenario two's table before the
    // table is kept; closing always keeps scenario two, whichever window was active.
    ClosePaymentChanges();
    SaveState();
}

calc::ScenarioTwoBoxes CompareWindow::Boxes() const {
    return calc::ScenarioTwoBoxes{TextOf(Text14), TextOf(Text15), TextOf(Text16),
                                  TextOf(Text17), TextOf(Text18), FrequencyOf(Combo1)};
}

void CompareWindow::ClearResults() {
    Command4->setEnabled(true);
    for (QLineEdit* box : {Text19, Text21, Text22, Text23, Text24, Text25, Text32, Text33, Text27,
                           Text28, Text29, Text30})
        box->clear();
}

void CompareWindow::ClearScenarioTwo() {
    ClosePaymentChanges();
    for (QLineEdit* box : {Text14, Text15, Text16, Text17, Text18})
        box->clear();
    ChooseFrequency(Combo1, kWeekly);
    Text20->clear();
    Text20->hide();
    table_->entries.clear();
    ClearResults();
}

void CompareWindow::PaymentPreview() {
    if (const std::optional<std::string> payment =
            calc::PaymentPreview(Boxes(), session_.scenario.frequency))
        Text19->setText(Q(*payment));
}

void CompareWindow::RefreshIndicator() {
    if (table_->Count() > 0) {
        Text20->setText(tr(kTwoIndicator));
        Text20->show();
    } else {
        Text20->clear();
        Text20->hide();
    }
}

bool CompareWindow::CheckBox(QLineEdit* box, calc::TwoBox which) {
    const calc::FieldCheck check = calc::CheckTwoBox(which, TextOf(box));
    switch (check.outcome) {
    case calc::FieldOutcome::Empty:
        return false;
    case calc::FieldOutcome::Accepted:
        box->setText(Q(check.text));
        return true;
    case calc::FieldOutcome::Rejected:
        break;
    }
    AnswerRefusal(box, *check.message);
    return false;
}

void CompareWindow::Text14LostFocus() {
    if (Text14->text().isEmpty())
        return ClearResults();
    CheckBox(Text14, calc::TwoBox::Amount);
    ClearResults();
    PaymentPreview();
}

void CompareWindow::Text15LostFocus() {
    if (Text15->text().isEmpty())
        return ClearResults();
    CheckBox(Text15, calc::TwoBox::Rate);
    ClearResults();
    PaymentPreview();
}

void CompareWindow::Text16LostFocus() {
    if (Text16->text().isEmpty())
        return ClearResults();
    CheckBox(Text16, calc::TwoBox::Amortization);
    ClearResults();
    PaymentPreview();
}

void CompareWindow::Text17LostFocus() {
    FollowTimeFrame();
    if (Text17->text().isEmpty())
        return ClearResults();
    CheckBox(Text17, calc::TwoBox::Term);
    if (const std::optional<calc::CalcMessage> length =
            calc::CheckTwoLength(TextOf(Text17), TextOf(Text16))) {
        ShowCalcMessage(services_, *length);
        events_.ReturnFocus(Text17);
    }
    ClearResults();
}

void CompareWindow::Text18LostFocus() {
    FollowTimeFrame();
    if (Text18->text().isEmpty())
        return ClearResults();
    CheckBox(Text18, calc::TwoBox::Start);
    ClearResults();
}

bool CompareWindow::Text17Editing() { return TimeFramePrompt(PromptTrigger::Box); }

bool CompareWindow::Text18Editing() { return TimeFramePrompt(PromptTrigger::Box); }

bool CompareWindow::Combo1Changing() { return TimeFramePrompt(PromptTrigger::ComboList); }

void CompareWindow::Combo1GotFocus() { PaymentPreview(); }

bool CompareWindow::TimeFramePrompt(PromptTrigger trigger) {
    if (table_->Count() == 0)
        return true;
    if (services_.Ask(TrText("Scenario Messages", kConfirmDeletionTitle), ConfirmDeletionText(),
                      MessageButtons::YesNoCancel) != MessageAnswer::Yes)
        return false; // nothing changed: the user stays where they are
    ClosePaymentChanges();
    table_->entries.clear();
    MarkChanged();
    Text20->clear();
    Text20->hide();
    if (trigger == PromptTrigger::ComboList)
        ClearResults();
    return true;
}

void CompareWindow::Combo1Click() {
    MarkChanged();
    FollowTimeFrame();
    ClearResults();
    PaymentPreview();
}

void CompareWindow::ResultGotFocus() {
    services_.Beep();
    events_.ReturnFocus(Text14);
}

void CompareWindow::Command1GotFocus() {
    RefreshIndicator();
    ClearResults();
}

void CompareWindow::Command1LostFocus() { RefreshIndicator(); }

void CompareWindow::Command1Click() {
    const std::optional<DayNumber> start = ParseDate(TextOf(Text18));
    if (Text17->text().isEmpty() || !start) {
        services_.Tell(tr(kErrorTrapTitle).toStdString(), tr(kTimeFrame).toStdString());
        events_.ReturnFocus(Text17);
        return;
    }
    // The changes fall on scenario two's own payment dates, where its run applies them.
    listed_ = PaymentCalendar{
        calc::BoxValue(TextOf(Text17)).value_or(0.0f),
        calc::FrequencyOfText(FrequencyOf(Combo1), session_.scenario.frequency), *start};
    if (auto* changes = qobject_cast<PaymentChangesWindow*>(host_.ShowChild(WindowId::Form4)))
        changes->Prepare(listed_, table_);
}

void CompareWindow::ClosePaymentChanges() {
    if (auto* changes = qobject_cast<PaymentChangesWindow*>(host_.FindChild(WindowId::Form4)))
        if (changes->Edits(table_.get()))
            host_.CloseChild(WindowId::Form4);
}

void CompareWindow::FollowTimeFrame() {
    const std::optional<DayNumber> start = ParseDate(TextOf(Text18));
    const PaymentCalendar now{
        calc::BoxValue(TextOf(Text17)).value_or(0.0f),
        calc::FrequencyOfText(FrequencyOf(Combo1), session_.scenario.frequency), start.value_or(0)};
    if (now != listed_)
        ClosePaymentChanges();
}

void CompareWindow::Command2Click() {
    host_.CloseChild(WindowId::Form13);
    Unload();
}

void CompareWindow::Command3Click() {
    host_.CloseChild(WindowId::Form13);
    host_.ShowChild(WindowId::Form13);
}

void CompareWindow::Command4Click() {
    const calc::ScenarioTwoBoxes boxes = Boxes();
    if (!boxes.Complete()) {
        ShowCalcMessage(services_, calc::IncompleteScenarioTwoMessage());
        events_.ReturnFocus(Text14);
        return;
    }
    ServicesMessages messages(services_);
    const calc::CompareTexts two =
        calc::CompareScenarios(one_, boxes, *table_, session_.scenario.frequency, messages);
    Text19->setText(Q(two.payment));
    Text22->setText(Q(two.closingDate));
    Text23->setText(Q(two.balance));
    Text24->setText(Q(two.principal));
    Text25->setText(Q(two.interest));
    Text21->setText(Q(two.lumpPaid));
    Text32->setText(Q(two.regularPaid));
    Text27->setText(Q(two.lumpDifference));
    Text28->setText(Q(two.balanceDifference));
    Text29->setText(Q(two.grossSaving));
    Text33->setText(Q(two.regularDifference));
    Text30->setText(Q(two.netSaving));
    Command4->setEnabled(false);
}

void CompareWindow::Command5Click() {
    MarkChanged();
    ClosePaymentChanges();
    const Scenario& s = session_.scenario;
    auto shown = [](Single value, const char* pattern) {
        return Q(FormatNumber(static_cast<double>(value), pattern));
    };
    Text14->setText(shown(s.amount, "########0.00"));
    Text15->setText(shown(s.rate, "#0.000"));
    Text16->setText(shown(s.amortization, "#0.00"));
    Text17->setText(shown(s.term, "##0.00"));
    Text18->setText(Q(FormatDate(s.start, "mmm d yyyy")));
    ChooseFrequency(Combo1, s.frequency);
    // Scenario one's changes as parked on opening.
    table_->entries.clear();
    try {
        table_->entries = ReadParkedChanges(session_.folder);
    } catch (const ItemFormatError&) {
        table_->entries.clear();
    }
    if (table_->Count() > 0) {
        Text20->setText(tr(kTwoIndicator));
        Text20->show();
    }
    ClearResults();
}

void CompareWindow::Command6Click() {
    MarkChanged();
    ClearScenarioTwo();
}

} // namespace hl
