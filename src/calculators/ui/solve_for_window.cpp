// The "Solve for" window: reads its boxes, runs the solves and shows what they give.
#include "calculators/ui/solve_for_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "core/box_value.h"
#include "engine/scenario.h"
#include "print/picture_reports.h"
#include "windowkit/accessible_names.h"
#include "windowkit/controls.h"
#include "windowkit/show_message.h"

namespace hl {
namespace {

QLineEdit* Box(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Room for the widest figure a box shows, a mortgage amount to the cent.
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("9999999.99")) + 12);
    box->setMaximumWidth(box->minimumWidth() + 20);
    return box;
}

QLabel* Caption(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

// An explanation that wraps within its frame.
QLabel* Note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

SolveForWindow::SolveForWindow(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form14,
                  tr("Solve for...  (scratchsheet -  this data not saved)"), parent) {
    BuildControls();
    Connect();
    PlaceInTwips(50, 30, 8000, 5500);
    // Opening: every box empty, the frequency Weekly.
    for (int code = kMonthly; code <= kEveryTwoWeeks; ++code)
        Combo1->addItem(QString::fromStdString(FrequencyCaption(code)), code);
    Combo1->setCurrentIndex(Combo1->findData(kWeekly));
}

void SolveForWindow::BuildControls() {
    // Drawn for an 8-point sans-serif, as the other windows of the program: the desktop's
    // larger default font would not fit the window's size.
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    Text1 = Box(this, "Text1");
    Text2 = Box(this, "Text2");
    Combo1 = new GuardedCombo(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Text3 = Box(this, "Text3");
    Text4 = Box(this, "Text4");
    Text5 = Box(this, "Text5");
    Text7 = Box(this, "Text7");
    Text6 = Box(this, "Text6");
    for (QLineEdit* result : {Text5, Text7, Text6})
        result->setReadOnly(true);
    Command1 = new QPushButton(tr("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));

    auto* title = new QLabel(tr("Solving for an Unknown Value"), this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    title->setFont(bold);

    auto* common = new QGroupBox(tr("Common Input Variables:"), this);
    auto* commonGrid = new QGridLayout(common);
    commonGrid->addWidget(
        Note(tr("These values are common to both \"Solve for\" scenarios and MUST "
                "BE FILLED IN."),
             common),
        0, 0, 1, 5);
    commonGrid->addWidget(Caption(tr("Interest Rate:"), common), 1, 0);
    commonGrid->addWidget(Text1, 1, 1);
    commonGrid->addWidget(Caption(tr("Payment Frequency"), common), 1, 3);
    commonGrid->addWidget(Combo1, 1, 4);
    commonGrid->addWidget(Caption(tr("Payment Amount:"), common), 2, 0);
    commonGrid->addWidget(Text2, 2, 1);
    commonGrid->setColumnStretch(2, 1);

    auto* years = new QGroupBox(tr("Solve for Amortization Period"), this);
    auto* yearsGrid = new QGridLayout(years);
    yearsGrid->addWidget(Note(tr("To solve for an unknown Amortization Period "
                                 "fill in the Mortgage Amount box below:"),
                              years),
                         0, 0, 1, 3);
    yearsGrid->addWidget(Caption(tr("Mortgage Amount:"), years), 1, 0);
    yearsGrid->addWidget(Text3, 1, 1);
    // The longest caption of the row goes onto two lines to leave the boxes their width.
    yearsGrid->addWidget(Note(tr("Calculated AmortizationPeriod:"), years), 2, 0);
    yearsGrid->addWidget(Text5, 2, 1);
    yearsGrid->addWidget(Caption(tr("payments"), years), 2, 2);
    yearsGrid->addWidget(Text7, 3, 1);
    yearsGrid->addWidget(Caption(tr("years"), years), 3, 2);
    yearsGrid->setRowStretch(4, 1);

    auto* amount = new QGroupBox(tr("Solve for Mortgage Amount"), this);
    auto* amountGrid = new QGridLayout(amount);
    amountGrid->addWidget(Note(tr("To solve for an unknown Mortgage Amount fill "
                                  "in the Am. Period box below:"),
                               amount),
                          0, 0, 1, 2);
    amountGrid->addWidget(Caption(tr("Amortization Period (years):"), amount), 1, 0);
    amountGrid->addWidget(Text4, 1, 1);
    amountGrid->addWidget(Caption(tr("Calculated Mtge Amount:"), amount), 2, 0);
    amountGrid->addWidget(Text6, 2, 1);
    amountGrid->setRowStretch(3, 1);

    auto* solves = new QHBoxLayout;
    solves->addWidget(years);
    solves->addWidget(amount);

    auto* heading = new QHBoxLayout;
    heading->addWidget(title, 1);
    heading->addWidget(Command1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(heading);
    page->addWidget(Note(tr("Fill in the data fields and the unknown values are "
                            "automatically calculated when enough input data is "
                            "entered."),
                         this));
    page->addWidget(common);
    page->addLayout(solves, 1);

    // A screen reader names each box after its caption.
    const std::pair<QWidget*, QString> captioned[] = {
        {Text1, tr("Interest Rate:")},
        {Combo1, tr("Payment Frequency")},
        {Text2, tr("Payment Amount:")},
        {Text3, tr("Mortgage Amount:")},
        {Text5, tr("Calculated Amortization Period, payments")},
        {Text7, tr("Calculated Amortization Period, years")},
        {Text4, tr("Amortization Period (years):")},
        {Text6, tr("Calculated Mtge Amount:")}};
    for (const auto& [box, caption] : captioned)
        NameAfterCaption(box, caption);

    // Tab runs through the inputs and Close; the results come last and send the focus back.
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Combo1);
    setTabOrder(Combo1, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Command1);
    setTabOrder(Command1, Text5);
    setTabOrder(Text5, Text7);
    setTabOrder(Text7, Text6);
}

void SolveForWindow::Connect() {
    // Every key typed counts as an edit, although the window keeps nothing.
    for (QLineEdit* box : {Text1, Text2, Text3, Text4})
        events_.NumericOnly(box, [this] { MarkChanged(); });
    events_.OnLostFocus(Text1, [this] { Text1LostFocus(); });
    events_.OnLostFocus(Text2, [this] { Text2LostFocus(); });
    events_.OnLostFocus(Text3, [this] { Text3LostFocus(); });
    events_.OnLostFocus(Text4, [this] { Text4LostFocus(); });
    // A click or the wheel goes on to open or change the list, which checks once: only keys
    // check as the focus arrives.
    Combo1->OnFocusByKeys([this] { Combo1GotFocus(); });
    Combo1->OnDropDown([this] { Combo1GotFocus(); });
    connect(Combo1, &QComboBox::activated, this, &SolveForWindow::Combo1Click);
    for (QLineEdit* result : {Text5, Text6, Text7})
        events_.OnGotFocus(result, [this] { ResultGotFocus(); });
    connect(Command1, &QPushButton::clicked, this, &SolveForWindow::Command1Click);
}

calc::SolveInputs SolveForWindow::Inputs() const {
    calc::SolveInputs in;
    in.rate = calc::BoxValue(TextOf(Text1));
    in.payment = calc::BoxValue(TextOf(Text2));
    in.amount = calc::BoxValue(TextOf(Text3));
    in.years = calc::BoxValue(TextOf(Text4));
    // The solves read the English name, whatever the language the list shows.
    in.frequency = FrequencyName(Combo1->currentData().toInt());
    return in;
}

void SolveForWindow::Text1LostFocus() { CheckBox(Text1, calc::SolveBox::Rate); }

void SolveForWindow::Text2LostFocus() { Show(calc::SolveAfterPayment(Inputs())); }

void SolveForWindow::Text3LostFocus() { CheckBox(Text3, calc::SolveBox::Amount); }

void SolveForWindow::Text4LostFocus() { CheckBox(Text4, calc::SolveBox::Years); }

void SolveForWindow::Combo1Click() {
    MarkChanged();
    Show(calc::SolveAfterFrequency(Inputs()));
}

void SolveForWindow::Combo1GotFocus() { Show(calc::SolveAfterFrequency(Inputs())); }

void SolveForWindow::ResultGotFocus() {
    services_.Beep();
    events_.ReturnFocus(Text1);
}

void SolveForWindow::Command1Click() { Unload(); }

void SolveForWindow::CheckBox(QLineEdit* box, calc::SolveBox which) {
    const calc::FieldCheck check = calc::CheckSolveField(which, calc::BoxValue(TextOf(box)));
    switch (check.outcome) {
    case calc::FieldOutcome::Empty:
        ClearResults();
        return;
    case calc::FieldOutcome::Accepted:
        box->setText(QString::fromStdString(check.text));
        break;
    case calc::FieldOutcome::Rejected:
        // Yes keeps the refused value, and the solve below still runs with it.
        if (ShowCalcMessage(services_, *check.message) == MessageAnswer::Yes)
            events_.ReturnFocus(box);
        else
            box->clear();
        break;
    }
    RunSolve();
}

void SolveForWindow::RunSolve() { Show(calc::Solve(Inputs())); }

void SolveForWindow::Show(const calc::SolveResult& result) {
    if (result.paymentText)
        Text2->setText(QString::fromStdString(*result.paymentText));
    if (result.clearResults)
        ClearResults();
    for (const calc::CalcMessage& message : result.messages)
        ShowCalcMessage(services_, message);
    if (result.amortization) {
        Text5->setText(QString::fromStdString(result.amortization->monthsText));
        Text7->setText(QString::fromStdString(result.amortization->yearsText));
    }
    if (result.amount)
        Text6->setText(QString::fromStdString(result.amount->text));
}

void SolveForWindow::ClearResults() {
    Text5->clear();
    Text6->clear();
    Text7->clear();
}

PrintOut SolveForWindow::PrintForm() const {
    // Grabbing paints the window afresh; it changes nothing the window holds.
    QImage picture = const_cast<SolveForWindow*>(this)->grab().toImage();
    // Printed at the size it has on the screen.
    const double dotsPerInch = logicalDpiX() * picture.devicePixelRatio();
    const int dotsPerMeter = static_cast<int>(dotsPerInch / 0.0254 + 0.5);
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    return PrintOut::Printed(WindowPictureReport(), {picture});
}

} // namespace hl
