// The early discharge window: reads its two boxes, checks them, and shows the penalties the
// computation gives.
#include "analysis/ui/early_discharge_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/box_value.h"
#include "core/day_number.h"
#include "core/format.h"
#include "display/ui/date_width.h"
#include "engine/schedule_file.h"
#include "files/working_files.h"
#include "print/discharge_report.h"
#include "windowkit/controls.h"
#include "windowkit/engine_messages.h"
#include "windowkit/show_message.h"

namespace hl {
namespace {

constexpr const char* kHintTitle =
    QT_TRANSLATE_NOOP("hl::EarlyDischargeWindow", "Mortgage Hint Box");
constexpr const char* kFormHint = QT_TRANSLATE_NOOP(
    "hl::EarlyDischargeWindow",
    "This form calculates the Early Discharge Penalty.  This is the money the lender \r"
    "charges you to discharge a closed mortgage before it's renewal date.\r\r"
    "This is usually considered when you want to move your mortgage to another lender\r"
    "or to renegotiate your mortgage before it's term ends.  A common reason to do this\r"
    "is to save money because interest rates have dropped.\r\r"
    " Enter the Discharge Date and Interest Rate on this form and the penalties are calculated\r"
    "for you.  Please press the [Explain Penalties] button for a description of these penalties\r"
    "and tips to help you save penalty costs.");

constexpr const char* kPenaltiesHintTitle =
    QT_TRANSLATE_NOOP("hl::EarlyDischargeWindow", "Explain Discharge Penalties Hint Box");
constexpr const char* kPenaltiesHint = QT_TRANSLATE_NOOP(
    "hl::EarlyDischargeWindow",
    "Since each financial institution calculates this penalty differently, this form\r"
    "displays three different methods of calculating the Interest Rate Differential penalty.\r"
    "Choose whichever one comes closest to the penalty your institution charges.\r\r"
    "If in doubt, use the Actual Scenario Calculation IRD value.\r\r"
    "The applicable penalty is the GREATER of the Interest Rate Differential Penalty and \r"
    "the Three Month Interest Penalty.\r\r"
    "Some mortgages are subject to the Three Monthly Penalty (not the Interest Rate "
    "Differential).\r"
    "if the mortgage has been running for 3 years.  This applies for some mortgage contracts "
    "and\r"
    "those that are CMHC insured.\r\r"
    "CHECK WITH YOUR LENDER ABOUT THIS.  THEY DON'T ADVERTISE THIS FACT.");

QLineEdit* MakeBox(QWidget* parent, const char* name, QLabel* caption) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setMinimumWidth(
        WidestDate(box->fontMetrics(), QStringLiteral("Sep 30, 2000"), "mmm d, yyyy") + 14);
    box->setMaximumWidth(box->minimumWidth() + 10);
    // A screen reader says what the box is for, not just "edit".
    box->setAccessibleName(caption->text().trimmed().remove(QLatin1Char(':')));
    caption->setBuddy(box);
    return box;
}

QLineEdit* MakeDisplayBox(QWidget* parent, const char* name, QLabel* caption) {
    QLineEdit* box = MakeBox(parent, name, caption);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

} // namespace

EarlyDischargeWindow::EarlyDischargeWindow(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form10, tr("Early Discharge Calculation (Estimate)"), parent) {
    BuildControls();
    Connect();
    PlaceInTwips(100, 100, 7900, 4500);

    // The penalties read the schedule's balances; other windows and the reports read the file.
    schedule_ = RunAndWriteSchedule(session_.Inputs(), session_.folder, services_).schedule;
    term_ = analysis::TermOf(schedule_);
    Text7->setText(QString::fromStdString(term_.firstText));
    Text8->setText(QString::fromStdString(term_.lastText));
    Restore();
}

void EarlyDischargeWindow::BuildControls() {
    // Drawn for an 8-point sans-serif, as the other windows of the program.
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    Label10 =
        MakeLabel(this, "Label10", tr("Penalty Charged to Discharge a Mortgage before it's term"));
    QFont heading = Label10->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.2);
    Label10->setFont(heading);
    Label8 = MakeLabel(this, "Label8", tr("Mortgage runs from:"));
    Text7 = MakeDisplayBox(this, "Text7", Label8);
    Label9 = MakeLabel(this, "Label9", tr("To"));
    Text8 = MakeDisplayBox(this, "Text8", Label9);
    Text8->setAccessibleName(tr("Mortgage runs to"));
    Label1 = MakeLabel(this, "Label1", tr("Discharge Date:"));
    Text1 = MakeBox(this, "Text1", Label1);
    Label2 = MakeLabel(this, "Label2", tr("Interest Rate:"));
    Text2 = MakeBox(this, "Text2", Label2);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Label7 = MakeLabel(Shape1, "Label7", tr("  Interest Rate Differential Calculations"));
    Label3 = MakeLabel(Shape1, "Label3", tr("Future Value Method:"));
    Text3 = MakeDisplayBox(Shape1, "Text3", Label3);
    Label4 = MakeLabel(Shape1, "Label4", tr("Accumlated Interest Method:"));
    Text4 = MakeDisplayBox(Shape1, "Text4", Label4);
    Label5 = MakeLabel(Shape1, "Label5", tr("Actual Scenario Calculation:"));
    Text5 = MakeDisplayBox(Shape1, "Text5", Label5);
    auto* differential = new QGridLayout(Shape1);
    differential->addWidget(Label7, 0, 0, 1, 2);
    differential->addWidget(Label3, 1, 0, Qt::AlignRight);
    differential->addWidget(Text3, 1, 1);
    differential->addWidget(Label4, 2, 0, Qt::AlignRight);
    differential->addWidget(Text4, 2, 1);
    differential->addWidget(Label5, 3, 0, Qt::AlignRight);
    differential->addWidget(Text5, 3, 1);

    Label6 = MakeLabel(this, "Label6", tr("Three Month Interest Penalty:"));
    Text6 = MakeDisplayBox(this, "Text6", Label6);
    Label12 = MakeLabel(this, "Label12",
                        tr("Very large lump payments may render some inaccurate results."));
    Command3 = MakeButton(this, "Command3", tr("Explain this form"));
    Command2 = MakeButton(this, "Command2", tr("Explain Penalties"));
    Command1 = MakeButton(this, "Command1", tr("Close"));

    auto* grid = new QGridLayout;
    grid->addWidget(Label8, 0, 0, Qt::AlignRight);
    grid->addWidget(Text7, 0, 1);
    grid->addWidget(Label9, 0, 2, Qt::AlignRight);
    grid->addWidget(Text8, 0, 3);
    grid->addWidget(Label1, 1, 0, Qt::AlignRight);
    grid->addWidget(Text1, 1, 1);
    grid->addWidget(Label2, 1, 2, Qt::AlignRight);
    grid->addWidget(Text2, 1, 3);
    grid->addWidget(Shape1, 2, 0, 3, 2);
    grid->addWidget(Label6, 2, 2, Qt::AlignRight);
    grid->addWidget(Text6, 2, 3);
    grid->addWidget(Command3, 4, 2);
    grid->addWidget(Command2, 4, 3);
    grid->setColumnStretch(4, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label12, 1);
    bottom->addWidget(Command1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(Label10);
    page->addLayout(grid);
    page->addStretch(1);
    page->addLayout(bottom);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command3);
    setTabOrder(Command3, Command2);
    setTabOrder(Command2, Command1);
}

void EarlyDischargeWindow::Connect() {
    // What the user types here is kept in the study, so it counts as an edit.
    events_.EnterMovesOn(Text1);
    events_.OnTyped(Text1, [this](const QKeyEvent&) {
        MarkChanged();
        return false;
    });
    events_.NumericOnly(Text2, [this] { MarkChanged(); });
    events_.OnLostFocus(Text1, [this] { Text1LostFocus(); });
    events_.OnLostFocus(Text2, [this] { Text2LostFocus(); });
    connect(Command1, &QPushButton::clicked, this, &EarlyDischargeWindow::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &EarlyDischargeWindow::Command2Click);
    connect(Command3, &QPushButton::clicked, this, &EarlyDischargeWindow::Command3Click);
}

void EarlyDischargeWindow::Restore() {
    const ToolSection kept = ReadToolFile(session_.folder, ToolFile::Discharge);
    const DayNumber day = kept.Day(0);
    // A date of 0 (nothing kept) offers today's date.
    Text1->setText(QString::fromStdString(FormatDate(day != 0 ? day : Today(), "mmm d yyyy")));
    Text2->setText(QString::fromStdString(calc::RestoredBoxText(kept.Text(1))));
    if (!Text1->text().isEmpty() && !Text2->text().isEmpty())
        CalculateWhenReady();
}

void EarlyDischargeWindow::SaveState() {
    ToolSection kept(ToolFile::Discharge);
    const std::optional<DayNumber> day = ParseDate(TextOf(Text1));
    // The date is kept only with a rate beside it, as the two make one question.
    kept.SetDay(0, day && !Text2->text().isEmpty() ? *day : 0);
    kept.SetText(1, calc::StoredBoxText(TextOf(Text2)));
    WriteToolFile(session_.folder, kept);
}

bool EarlyDischargeWindow::Apply(QLineEdit* box, const analysis::BoxCheck& check) {
    switch (check.outcome) {
    case analysis::BoxOutcome::Empty:
        return false;
    case analysis::BoxOutcome::Accepted:
        box->setText(QString::fromStdString(check.text));
        return true;
    case analysis::BoxOutcome::Refused:
        break;
    }
    AnswerRefusal(box, *check.message);
    return false;
}

void EarlyDischargeWindow::Text1LostFocus() {
    if (Apply(Text1, analysis::CheckDischargeDate(TextOf(Text1), session_.scenario, term_)))
        CalculateWhenReady();
}

void EarlyDischargeWindow::Text2LostFocus() {
    if (Apply(Text2, analysis::CheckDischargeRate(TextOf(Text2), session_.scenario)))
        CalculateWhenReady();
}

void EarlyDischargeWindow::CalculateWhenReady() {
    for (QLineEdit* result : {Text3, Text4, Text5, Text6})
        result->clear();
    if (Text1->text().isEmpty() || Text2->text().isEmpty())
        return;
    if (!analysis::ReadyToCalculate(TextOf(Text1), TextOf(Text2), session_.scenario))
        return;
    Calculate();
}

void EarlyDischargeWindow::Calculate() {
    const DayNumber date = ParseDate(TextOf(Text1)).value_or(0);
    const Single rate = calc::BoxValue(TextOf(Text2)).value_or(0.0f);
    const analysis::DischargeResult result =
        analysis::CalculateDischarge(session_.Inputs(), schedule_, date, rate);
    if (result.refusal) {
        ShowCalcMessage(services_, *result.refusal);
        events_.ReturnFocus(Text1);
        return;
    }
    Text3->setText(QString::fromStdString(result.futureValue));
    Text4->setText(QString::fromStdString(result.accumulatedInterest));
    Text5->setText(QString::fromStdString(result.actualScenario));
    Text6->setText(QString::fromStdString(result.threeMonth));
}

PrintOut EarlyDischargeWindow::PrintForm() const {
    // The three-month penalty is always worked out with the others (the future value method may
    // have no value), so its box tells whether there is anything to print.
    if (Text6->text().isEmpty())
        return PrintOut::Refused(kPrintErrorTrapTitle, kNotCalculatedPrintText);
    const DischargeSheet sheet{TextOf(Text7), TextOf(Text8), TextOf(Text1), TextOf(Text2),
                               TextOf(Text3), TextOf(Text4), TextOf(Text5), TextOf(Text6)};
    return PrintOut::Printed(DischargeReport(session_.scenario, sheet));
}

void EarlyDischargeWindow::Command1Click() { Unload(); }

void EarlyDischargeWindow::Command2Click() {
    services_.Tell(tr(kPenaltiesHintTitle).toStdString(), tr(kPenaltiesHint).toStdString());
}

void EarlyDischargeWindow::Command3Click() {
    services_.Tell(tr(kHintTitle).toStdString(), tr(kFormHint).toStdString());
}

} // namespace hl
