// The refinance analysis window: reads its boxes, checks them, and shows what the refinance
// computation gives.
#include "analysis/ui/refinance_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/box_value.h"
#include "core/day_number.h"
#include "core/format.h"
#include "core/text_items.h"
#include "display/ui/date_width.h"
#include "display/ui/graph_window.h"
#include "engine/schedule_file.h"
#include "engine/working_names.h"
#include "files/working_files.h"
#include "print/refinance_report.h"
#include "windowkit/controls.h"
#include "windowkit/engine_messages.h"
#include "windowkit/show_message.h"

namespace hl {
namespace {

constexpr const char* kHintTitle = QT_TRANSLATE_NOOP("hl::RefinanceWindow", "Mortgage Hint Box");

constexpr const char* kPurposeHint = QT_TRANSLATE_NOOP(
    "hl::RefinanceWindow",
    "This form answers the question, 'If the current interest rate is lower than the interest "
    "rate on my current \r"
    "mortgage, will I save money if I terminate my current mortgage and take out a new one \r"
    "at the lower interest rate ?\r\r"
    "This window does this by performing the following steps:\r\r"
    "1) Calc the balance owing on your present mortgage on the date you are considering to "
    "rewrite your\r"
    "     mortgage.\r"
    "2) Add any discharge penalties (and/or other expenses) to the balance still owing.  This "
    "value will\r"
    "     now be the amount you are going to be refinancing.\r"
    "3) Run this new mortgage until the normal termination date of your existing mortgage "
    "noting the\r"
    "     accumulated interest and remaining balance at this point.\r"
    "4) Go back and run your original mortgage until it's normal termination date, again "
    "noting the\r"
    "     accumulated interest and remaining balance\r"
    "5) Compare the accumulated interest and outstanding balances of the two runs and see if "
    "any money\r"
    "     was saved.");

constexpr const char* kWhyHint = QT_TRANSLATE_NOOP(
    "hl::RefinanceWindow",
    "You do this to try and save money on the interest charges levied by the financial "
    "instituion that holds \r"
    "your mortgage. \r\r"
    "By keping your payment the same and rolling any costs into the new mortgage, nothing is "
    "put out of\r"
    "your pocket.  If the refinance works out you can save money on interest charges.\r\r"
    "The key is the discharge penalty.  It's value is dependant on when you terminate your "
    "existing mortgage.\r\r"
    "Also note, if you lower your payment, you are defeating the purpose of this study.");

constexpr const char* kPaymentHint = QT_TRANSLATE_NOOP(
    "hl::RefinanceWindow",
    "The default value is set to the last payment value (at the discharge date) of the "
    "existing mortgage. \r\r"
    "This value can be over-written but for the study to make sense it is \r"
    "best left set to the default value or greater.");

constexpr const char* kPenaltyHint = QT_TRANSLATE_NOOP(
    "hl::RefinanceWindow",
    "The default value is set to the calculated Early Discharge Penalty. This is the penalty \r"
    " the bank charges to terminate your mortgage prematurely.\r\r"
    "This value can be over-written to reflect your actual penalty cost.  Ask the bank, they \r"
    "will give you an exact figure for this time period.\r\r"
    " You may want to run the EDP Calculator to get other values.");

constexpr const char* kOtherHint = QT_TRANSLATE_NOOP(
    "hl::RefinanceWindow",
    "Other costs may be lawyer's fees or administration charges. This field is for any \r\r"
    "costs related to rewritting the mortgage except the Early Discharge Penalty amount.");

constexpr const char* kOverwriteTitle =
    QT_TRANSLATE_NOOP("hl::RefinanceWindow", "Overwrite Warning");
constexpr const char* kOverwriteQuestion = QT_TRANSLATE_NOOP(
    "hl::RefinanceWindow", "Discharge penalty may be required to be recalculated because \r"
                           "either the Discharge Date or Interest Rate has changed.\r\r"
                           "Do you want it recalculated and updated on this form ?");

constexpr const char* kBlankInputs =
    QT_TRANSLATE_NOOP("hl::RefinanceWindow",
                      "Error - all three input fields MUST contain data.  One or more is blank.");

// A box as wide as `widest` or any month's date in `pattern`, in the program's language.
QLineEdit* MakeBox(QWidget* parent, const char* name, const QString& accessibleName,
                   const char* widest = "Sep 30, 2000", const char* pattern = "mmm d, yyyy") {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFixedWidth(WidestDate(box->fontMetrics(), QString::fromLatin1(widest), pattern) + 12);
    // A screen reader says what the box is for, not just "edit".
    box->setAccessibleName(accessibleName);
    return box;
}

QLineEdit* MakeDisplayBox(QWidget* parent, const char* name, const QString& accessibleName,
                          const char* widest = "Sep 30, 2000",
                          const char* pattern = "mmm d, yyyy") {
    QLineEdit* box = MakeBox(parent, name, accessibleName, widest, pattern);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

Single ValueOf(const QLineEdit* box) { return calc::BoxValue(TextOf(box)).value_or(0.0f); }

} // namespace

RefinanceWindow::RefinanceWindow(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form8, tr("Refinance Analysis"), parent) {
    BuildControls();
    Connect();
    PlaceInTwips(100, 100, 9300, 5600);
    ClearOutputs();
    Text7->clear();

    schedule_ = RunAndWriteSchedule(session_.Inputs(), session_.folder, services_).schedule;
    term_ = analysis::TermOf(schedule_);
    Put(Text4, term_.firstText);
    Put(Text5, term_.lastText);
    Put(Text6, FormatNumber(session_.scenario.rate, "##0.000"));
    Restore();
}

void RefinanceWindow::BuildControls() {
    // Drawn for an 8-point sans-serif, as the other windows of the program.
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));

    auto* required = new QGroupBox(this);
    Label24 = MakeLabel(required, "Label24", tr(" Refinace Mortgage "));
    QFont bold = Label24->font();
    bold.setBold(true);
    Label24->setFont(bold);
    Label7 = MakeLabel(required, "Label7", tr("  Required Input"));
    Label1 = MakeLabel(required, "Label1", tr("Date of Refinance:"));
    Text1 = MakeBox(required, "Text1", tr("Date of Refinance"));
    Label2 = MakeLabel(required, "Label2", tr("Refinance Interest Rate:"));
    Text2 = MakeBox(required, "Text2", tr("Refinance Interest Rate"));
    Label11 = MakeLabel(required, "Label11", tr("Refinance Mortgage Payment:"));
    Text3 = MakeBox(required, "Text3", tr("Refinance Mortgage Payment"));
    Command1 = MakeButton(required, "Command1", tr("<-- Hint"));
    Label17 = MakeLabel(required, "Label17", tr("  Penalty / Costs   "));
    Label17->setFont(bold);
    Label6 = MakeLabel(required, "Label6", tr("Discharge Penalty:"));
    Text8 = MakeBox(required, "Text8", tr("Discharge Penalty"));
    Command7 = MakeButton(required, "Command7", tr("<--- Hint "));
    Label16 = MakeLabel(required, "Label16", tr("Other Expenses:"));
    Text9 = MakeBox(required, "Text9", tr("Other Expenses"));
    Command8 = MakeButton(required, "Command8", tr("<--- Hint"));
    auto* input = new QGridLayout(required);
    input->setVerticalSpacing(2);
    input->addWidget(Label24, 0, 0);
    input->addWidget(Label7, 0, 1, 1, 2);
    input->addWidget(Label1, 1, 0, Qt::AlignRight);
    input->addWidget(Text1, 1, 1);
    input->addWidget(Label2, 2, 0, Qt::AlignRight);
    input->addWidget(Text2, 2, 1);
    input->addWidget(Label11, 3, 0, Qt::AlignRight);
    input->addWidget(Text3, 3, 1);
    input->addWidget(Command1, 3, 2);
    input->addWidget(Label17, 4, 0, 1, 3);
    input->addWidget(Label6, 5, 0, Qt::AlignRight);
    input->addWidget(Text8, 5, 1);
    input->addWidget(Command7, 5, 2);
    input->addWidget(Label16, 6, 0, Qt::AlignRight);
    input->addWidget(Text9, 6, 1);
    input->addWidget(Command8, 6, 2);

    auto* information = new QGroupBox(this);
    Label23 = MakeLabel(information, "Label23", tr("   Information Only - no input here"));
    Label15 = MakeLabel(information, "Label15", tr("   Current Mortgage"));
    Label15->setFont(bold);
    Label12 = MakeLabel(information, "Label12", tr("Runs from:"));
    Text4 = MakeDisplayBox(information, "Text4", tr("Runs from"));
    Label13 = MakeLabel(information, "Label13", tr("To"));
    Text5 = MakeDisplayBox(information, "Text5", tr("Runs to"));
    Label14 = MakeLabel(information, "Label14", tr("Interest rate:"));
    Text6 = MakeDisplayBox(information, "Text6", tr("Interest rate"));
    Label4 = MakeLabel(information, "Label4", tr("$ Owing on refinance date:"));
    Text7 = MakeDisplayBox(information, "Text7", tr("$ Owing on refinance date"));
    Label18 = MakeLabel(information, "Label18",
                        tr("Total to be refinanced:      ($ owing + penalty / costs)"));
    Label18->setWordWrap(true);
    Text10 = MakeDisplayBox(information, "Text10", tr("Total to be refinanced"));
    auto* info = new QGridLayout(information);
    info->setVerticalSpacing(2);
    info->addWidget(Label23, 0, 0, 1, 2);
    info->addWidget(Label15, 1, 0, 1, 2);
    info->addWidget(Label12, 2, 0, Qt::AlignRight);
    info->addWidget(Text4, 2, 1);
    info->addWidget(Label13, 3, 0, Qt::AlignRight);
    info->addWidget(Text5, 3, 1);
    info->addWidget(Label14, 4, 0, Qt::AlignRight);
    info->addWidget(Text6, 4, 1);
    info->addWidget(Label4, 5, 0, Qt::AlignRight);
    info->addWidget(Text7, 5, 1);
    info->addWidget(Label18, 6, 0);
    info->addWidget(Text10, 6, 1);

    Label5 = MakeLabel(this, "Label5",
                       tr("After refinance date, no extra payments or changes to payments are "
                          "considered."));
    auto* output = new QGroupBox(this);
    Label20 = MakeLabel(output, "Label20", tr("Output Table"));
    Label20->setFont(bold);
    Label8 = MakeLabel(output, "Label8", tr("Original Mortgage"));
    Label9 = MakeLabel(output, "Label9", tr("Refinanced Mortgage"));
    Label3 = MakeLabel(output, "Label3", tr("Difference"));
    Label21 = MakeLabel(output, "Label21", tr("Payment Value used:"));
    Text17 = MakeDisplayBox(output, "Text17", tr("Payment value used, original"));
    Text18 = MakeDisplayBox(output, "Text18", tr("Payment value used, refinanced"));
    Label10 = MakeLabel(output, "Label10", tr("Balance owing:"));
    Text15 = MakeDisplayBox(output, "Text15", tr("Balance owing on"), "September 30 2000",
                            "mmmm d yyyy");
    Text11 = MakeDisplayBox(output, "Text11", tr("Balance owing, original"));
    Text13 = MakeDisplayBox(output, "Text13", tr("Balance owing, refinanced"));
    Text12 = MakeDisplayBox(output, "Text12", tr("Balance owing, difference"));
    Label22 = MakeLabel(output, "Label22", tr("Cost due to a difference in payment value:"));
    Text16 = MakeDisplayBox(output, "Text16", tr("Cost due to a difference in payment value"));
    Label19 = MakeLabel(output, "Label19", tr("Net Saving:"));
    Text14 = MakeDisplayBox(output, "Text14", tr("Net Saving"));
    auto* table = new QGridLayout(output);
    table->setVerticalSpacing(2);
    table->addWidget(Label20, 0, 0);
    table->addWidget(Label8, 0, 2, Qt::AlignCenter);
    table->addWidget(Label9, 0, 3, Qt::AlignCenter);
    table->addWidget(Label3, 0, 4, Qt::AlignCenter);
    table->addWidget(Label21, 1, 0, Qt::AlignRight);
    table->addWidget(Text17, 1, 2);
    table->addWidget(Text18, 1, 3);
    table->addWidget(Label10, 2, 0, Qt::AlignRight);
    table->addWidget(Text15, 2, 1);
    table->addWidget(Text11, 2, 2);
    table->addWidget(Text13, 2, 3);
    table->addWidget(Text12, 2, 4);
    table->addWidget(Label22, 3, 0, 1, 4, Qt::AlignRight);
    table->addWidget(Text16, 3, 4);
    table->addWidget(Label19, 4, 3, Qt::AlignRight);
    table->addWidget(Text14, 4, 4);

    Command3 = MakeButton(this, "Command3", tr("Form Purpose"));
    Command4 = MakeButton(this, "Command4", tr("Why Do This ?"));
    Command5 = MakeButton(this, "Command5", tr("Calculate"));
    Command6 = MakeButton(this, "Command6", tr("EDP Calculator"));
    Command9 = MakeButton(this, "Command9", tr("Now, In English"));
    Command10 = MakeButton(this, "Command10", tr("Graph"));
    Command2 = MakeButton(this, "Command2", tr("Close"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button :
         {Command3, Command4, Command5, Command6, Command9, Command10, Command2})
        buttons->addWidget(button);

    auto* top = new QHBoxLayout;
    top->addWidget(required);
    top->addWidget(information);
    // The window's size is fixed: the groups keep their margins small to fit it.
    for (QGroupBox* group : {required, information, output})
        group->layout()->setContentsMargins(6, 2, 6, 2);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 4, 6, 4);
    page->setSpacing(3);
    page->addLayout(top);
    page->addWidget(Label5);
    page->addWidget(output);
    page->addLayout(buttons);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text8);
    setTabOrder(Text8, Text9);
    setTabOrder(Text9, Command5);
}

void RefinanceWindow::Connect() {
    // What the user types here is kept in the study: every key counts as an edit.
    events_.EnterMovesOn(Text1);
    events_.OnTyped(Text1, [this](const QKeyEvent&) {
        MarkChanged();
        return false;
    });
    for (QLineEdit* box : {Text2, Text3, Text8, Text9})
        events_.NumericOnly(box, [this] { MarkChanged(); });
    events_.OnLostFocus(Text1, [this] { Text1LostFocus(); });
    events_.OnLostFocus(Text2, [this] { Text2LostFocus(); });
    for (QLineEdit* box : {Text3, Text8, Text9})
        events_.OnLostFocus(box, [this, box] { AmountLostFocus(box); });

    const auto hint = [this](QPushButton* button, const char* title, const char* text) {
        connect(button, &QPushButton::clicked, this, [this, title, text] {
            services_.Tell(tr(title).toStdString(), tr(text).toStdString());
        });
    };
    hint(Command1, kHintTitle, kPaymentHint);
    hint(Command3, kHintTitle, kPurposeHint);
    hint(Command4, kHintTitle, kWhyHint);
    hint(Command7, kHintTitle, kPenaltyHint);
    hint(Command8, kHintTitle, kOtherHint);
    connect(Command5, &QPushButton::clicked, this, &RefinanceWindow::Command5Click);
    connect(Command6, &QPushButton::clicked, this, &RefinanceWindow::Command6Click);
    connect(Command9, &QPushButton::clicked, this, &RefinanceWindow::Command9Click);
    connect(Command10, &QPushButton::clicked, this, &RefinanceWindow::Command10Click);
    connect(Command2, &QPushButton::clicked, this, &RefinanceWindow::Command2Click);
}

// The working file keeps the date (0 when the date or the rate box is empty), then the rate,
// payment, penalty, other expenses, owing and total boxes.
void RefinanceWindow::Restore() {
    const ToolSection kept = ReadToolFile(session_.folder, ToolFile::Refinance);
    const DayNumber day = kept.Day(0);
    Put(Text1, FormatDate(day != 0 ? day : Today(), "mmm d yyyy"));
    QLineEdit* boxes[] = {Text2, Text3, Text8, Text9, Text7, Text10};
    for (std::size_t i = 0; i < std::size(boxes); ++i)
        Put(boxes[i], calc::RestoredBoxText(kept.Text(i + 1)));
}

void RefinanceWindow::SaveState() {
    ToolSection kept(ToolFile::Refinance);
    const std::optional<DayNumber> day = ParseDate(TextOf(Text1));
    kept.SetDay(0, day && !Text2->text().isEmpty() ? *day : 0);
    QLineEdit* boxes[] = {Text2, Text3, Text8, Text9, Text7, Text10};
    for (std::size_t i = 0; i < std::size(boxes); ++i)
        kept.SetText(i + 1, calc::StoredBoxText(TextOf(boxes[i])));
    WriteToolFile(session_.folder, kept);
}

void RefinanceWindow::Text1LostFocus() {
    const std::optional<DayNumber> typed = ParseDate(TextOf(Text1));
    // The same date again: nothing to work out or to ask.
    if (typed && *typed == acceptedDate_) {
        Put(Text1, FormatDate(*typed, "mmm d, yyyy"));
        return;
    }
    Text3->clear();
    Text7->clear();
    if (Text1->text().isEmpty())
        return;
    const analysis::BoxCheck check =
        analysis::CheckDischargeDate(TextOf(Text1), session_.scenario, term_);
    if (!check.text.empty())
        Put(Text1, check.text);
    if (typed)
        acceptedDate_ = *typed;
    if (check.outcome == analysis::BoxOutcome::Refused) {
        AnswerRefusal(Text1, *check.message);
        return;
    }
    if (!ShowBalanceOwing())
        return;
    Put(Text3, owing_.paymentText);
    RefreshPenalty();
}

void RefinanceWindow::Text2LostFocus() {
    if (Text2->text().isEmpty())
        return;
    const analysis::BoxCheck check = analysis::CheckDischargeRate(TextOf(Text2), session_.scenario);
    if (check.outcome == analysis::BoxOutcome::Refused) {
        AnswerRefusal(Text2, *check.message);
        return;
    }
    if (check.outcome != analysis::BoxOutcome::Accepted)
        return;
    Put(Text2, check.text);
    // The same rate again: nothing to work out or to ask.
    const Single rate = ValueOf(Text2);
    if (rate == acceptedRate_)
        return;
    acceptedRate_ = rate;
    if (!ParseDate(TextOf(Text1)))
        return;
    if (!ShowBalanceOwing())
        return;
    RefreshPenalty();
}

void RefinanceWindow::AmountLostFocus(QLineEdit* box) {
    if (!box->text().isEmpty())
        Put(box, FormatNumber(ValueOf(box), "######0.00"));
    UpdateTotal();
}

bool RefinanceWindow::ShowBalanceOwing() {
    const DayNumber date = ParseDate(TextOf(Text1)).value_or(0);
    owing_ = analysis::BalanceOwingOn(session_.scenario, schedule_, date);
    if (owing_.refusal) {
        ShowCalcMessage(services_, *owing_.refusal);
        events_.ReturnFocus(Text1);
        return false;
    }
    Put(Text7, owing_.owingText);
    return true;
}

void RefinanceWindow::RefreshPenalty() {
    if (ValueOf(Text8) > 0.0f) {
        const MessageAnswer answer =
            services_.Ask(tr(kOverwriteTitle).toStdString(), tr(kOverwriteQuestion).toStdString(),
                          MessageButtons::YesNo);
        UpdateTotal();
        if (answer == MessageAnswer::No)
            return;
    }
    if (!Text1->text().isEmpty() && !Text2->text().isEmpty())
        Put(Text8, analysis::DefaultPenaltyText(session_.scenario, owing_, ValueOf(Text2)));
    else
        Text8->clear();
    UpdateTotal();
}

void RefinanceWindow::ClearOutputs() {
    for (QLineEdit* output :
         {Text10, Text11, Text12, Text13, Text14, Text15, Text16, Text17, Text18})
        output->clear();
    Command9->setEnabled(false);
    Command10->setEnabled(false);
}

void RefinanceWindow::UpdateTotal() {
    ClearOutputs();
    const analysis::RefinanceTotal total =
        analysis::TotalToRefinance(TextOf(Text7), TextOf(Text8), TextOf(Text9));
    if (total.refusal)
        ShowCalcMessage(services_, *total.refusal);
    Put(Text10, total.text);
}

void RefinanceWindow::Command5Click() {
    if (Text1->text().isEmpty() || Text2->text().isEmpty() || Text3->text().isEmpty()) {
        services_.Tell(tr("Mortgage Input Error").toStdString(), tr(kBlankInputs).toStdString());
        events_.ReturnFocus(Text1);
        return;
    }
    // A refused date left no balance owing behind it: say so rather than calculate nothing.
    const DayNumber date = ParseDate(TextOf(Text1)).value_or(0);
    if (const analysis::BalanceOwing owing =
            analysis::BalanceOwingOn(session_.scenario, schedule_, date);
        owing.refusal) {
        ShowCalcMessage(services_, *owing.refusal);
        events_.ReturnFocus(Text1);
        return;
    }
    if (Text10->text().isEmpty()) {
        // No total to refinance: say why again (the 500,000 limit), and calculate nothing.
        UpdateTotal();
        if (Text10->text().isEmpty())
            return;
    }
    analysis::RefinanceInputs inputs;
    inputs.date = date;
    inputs.rate = ValueOf(Text2);
    inputs.payment = ValueOf(Text3);
    inputs.total = ValueOf(Text10);
    const analysis::RefinanceResult result =
        analysis::CalculateRefinance(session_.Inputs(), schedule_, inputs);
    if (result.refusal) {
        ShowCalcMessage(services_, *result.refusal);
        return;
    }
    Put(Text15, result.comparisonDate);
    Put(Text13, result.refinancedBalance);
    Put(Text11, result.currentBalance);
    Put(Text17, result.currentPayment);
    Put(Text18, result.refinancePayment);
    Put(Text16, result.paymentCost);
    Put(Text12, result.difference);
    Put(Text14, result.netSaving);
    points_ = result.points;
    Command9->setEnabled(true);
    Command10->setEnabled(true);
}

void RefinanceWindow::Command9Click() {
    ShowCalcMessage(services_,
                    analysis::VerdictMessage(analysis::VerdictOf(TextOf(Text14), TextOf(Text16))));
}

void RefinanceWindow::Command10Click() {
    // The graph window draws what the schedule file holds: the comparison goes there for the
    // drawing, and the scenario's own schedule comes back right after.
    if (!WriteFileAtomically(session_.folder + kScheduleFile,
                             analysis::RefinanceGraphText(points_))) {
        TellScheduleNotWritten(services_, session_.folder);
        return;
    }
    if (GraphWindow* graph = ShowGraphWindow(host_))
        graph->DrawTwoLineGraph(tr("Balance Owing for the Two Scenarios").toStdString(),
                                tr("Time").toStdString(), tr("$ Dollars").toStdString(),
                                tr("Orig Mtge").toStdString(), tr("Refinance Mtge").toStdString());
    RunAndWriteSchedule(session_.Inputs(), session_.folder, services_);
}

void RefinanceWindow::Command6Click() { host_.ShowChild(WindowId::Form10); }

void RefinanceWindow::Command2Click() { Unload(); }

PrintOut RefinanceWindow::PrintForm() const {
    // The outputs are filled together by a calculation and emptied together by any change.
    if (Text14->text().isEmpty())
        return PrintOut::Refused(kPrintTrapTitle, kNotCalculatedPrintText);
    return PrintOut::Printed(RefinanceReport({
        .runsFrom = TextOf(Text4),
        .runsTo = TextOf(Text5),
        .scenarioRate = TextOf(Text6),
        .refinanceDate = TextOf(Text1),
        .refinanceRate = TextOf(Text2),
        .owing = TextOf(Text7),
        .penalty = TextOf(Text8),
        .otherExpenses = TextOf(Text9),
        .total = TextOf(Text10),
        .currentPayment = TextOf(Text17),
        .refinancePayment = TextOf(Text18),
        .comparisonDate = TextOf(Text15),
        .currentBalance = TextOf(Text11),
        .refinancedBalance = TextOf(Text13),
        .difference = TextOf(Text12),
        .paymentCost = TextOf(Text16),
        .netSaving = TextOf(Text14),
    }));
}

} // namespace hl
