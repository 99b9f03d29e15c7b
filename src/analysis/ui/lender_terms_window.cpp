// The lender's terms window: reads its boxes into the study's terms, and shows what the
// lender's computations give for them.
#include "analysis/ui/lender_terms_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "analysis/early_discharge.h"
#include "core/box_value.h"
#include "core/day_number.h"
#include "core/format.h"
#include "files/working_files.h"
#include "windowkit/accessible_names.h"
#include "windowkit/controls.h"
#include "windowkit/engine_messages.h"
#include "windowkit/selection_text.h"
#include "windowkit/show_message.h"

namespace hl {
namespace {

constexpr int kRateDecimals = 3;
constexpr int kMoneyDecimals = 2;

using analysis::PercentText;

QLineEdit* MakeInputBox(QWidget* parent, const char* name, QLabel* caption) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Wide enough for the longest date in either language ("sept. 30, 2000" in French).
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("sept. 30, 2000")) + 16);
    // A screen reader says what the box is for, not just "edit".
    NameAfterCaption(box, caption->text());
    caption->setBuddy(box);
    return box;
}

QLineEdit* MakeResultBox(QWidget* parent, const char* name, QLabel* caption) {
    QLineEdit* box = MakeInputBox(parent, name, caption);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

template <class Control> Control* Named(Control* control, const char* name, const QString& text) {
    control->setObjectName(QString::fromLatin1(name));
    control->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return control;
}

} // namespace

LenderTermsWindow::LenderTermsWindow(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form18, tr("Lender's Terms and Penalty"), parent) {
    BuildControls();
    Connect();
    PlaceInTwips(100, 100, 14800, 9800);
    schedule_ = RunAndWriteSchedule(session_.Inputs(), session_.folder, services_).schedule;
    ShowTerms();
    opened_ = ReadTerms();
    Refresh();
}

void LenderTermsWindow::BuildControls() {
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));

    TermsFrame = Named(new QGroupBox(tr("The lender's terms"), this), "TermsFrame",
                       tr("The lender's terms"));
    auto* terms = new QGridLayout(TermsFrame);
    int row = 0;
    const auto input = [&](QLabel*& label, QLineEdit*& box, const char* labelName,
                           const char* boxName, const QString& caption) {
        label = MakeLabel(TermsFrame, labelName, caption);
        box = MakeInputBox(TermsFrame, boxName, label);
        terms->addWidget(label, row, 0, Qt::AlignRight);
        terms->addWidget(box, row, 1);
        ++row;
    };
    input(LumpShareLabel, LumpShareBox, "LumpShareLabel", "LumpShareBox",
          tr("&Lump-sum privilege (% of amount):"));
    CalendarYearOption = Named(new QRadioButton(tr("Calendar &year"), TermsFrame),
                               "CalendarYearOption", tr("Calendar year"));
    LoanYearOption =
        Named(new QRadioButton(tr("Loa&n year"), TermsFrame), "LoanYearOption", tr("Loan year"));
    auto* years = new QButtonGroup(TermsFrame);
    years->addButton(CalendarYearOption);
    years->addButton(LoanYearOption);
    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(CalendarYearOption);
    yearRow->addWidget(LoanYearOption);
    terms->addLayout(yearRow, row++, 0, 1, 2, Qt::AlignRight);
    input(IncreaseShareLabel, IncreaseShareBox, "IncreaseShareLabel", "IncreaseShareBox",
          tr("Payment &increase privilege (% of payment):"));
    input(SigningPostedLabel, SigningPostedBox, "SigningPostedLabel", "SigningPostedBox",
          tr("Posted rate at si&gning (%):"));
    input(DiscountLabel, DiscountBox, "DiscountLabel", "DiscountBox",
          tr("Disco&unt received (%):"));
    input(TodayPostedLabel, TodayPostedBox, "TodayPostedLabel", "TodayPostedBox",
          tr("Today's posted &rate, nearest term (%):"));
    input(FeeLabel, FeeBox, "FeeLabel", "FeeBox", tr("Reinvest&ment or discharge fee ($):"));
    input(CashBackLabel, CashBackBox, "CashBackLabel", "CashBackBox",
          tr("Cash &back received at signing ($):"));
    ClawbackCheck =
        Named(new QCheckBox(tr("Cash back clawed back by &whole months left"), TermsFrame),
              "ClawbackCheck", tr("Cash back clawed back by whole months left"));
    terms->addWidget(ClawbackCheck, row++, 0, 1, 2, Qt::AlignRight);
    LongTermCheck = Named(new QCheckBox(tr("Term l&onger than five years"), TermsFrame),
                          "LongTermCheck", tr("Term longer than five years"));
    terms->addWidget(LongTermCheck, row++, 0, 1, 2, Qt::AlignRight);
    terms->setRowStretch(row, 1);

    PenaltyFrame = Named(new QGroupBox(tr("The lender's penalty"), this), "PenaltyFrame",
                         tr("The lender's penalty"));
    auto* penalty = new QGridLayout(PenaltyFrame);
    row = 0;
    const auto line = [&](QLabel*& label, QLineEdit*& box, const char* labelName,
                          const char* boxName, const QString& caption, bool result) {
        label = MakeLabel(PenaltyFrame, labelName, caption);
        box = result ? MakeResultBox(PenaltyFrame, boxName, label)
                     : MakeInputBox(PenaltyFrame, boxName, label);
        penalty->addWidget(label, row, 0, Qt::AlignRight);
        penalty->addWidget(box, row, 1);
        ++row;
    };
    line(DischargeDateLabel, DischargeDateBox, "DischargeDateLabel", "DischargeDateBox",
         tr("&Discharge date:"), false);
    line(PrepaymentLabel, PrepaymentBox, "PrepaymentLabel", "PrepaymentBox",
         tr("&Prepayment planned ($):"), false);
    line(BalanceLabel, BalanceOut, "BalanceLabel", "BalanceOut", tr("Balance on the date:"), true);
    line(MonthsLeftLabel, MonthsLeftOut, "MonthsLeftLabel", "MonthsLeftOut",
         tr("Whole months left in the term:"), true);
    line(ThreeMonthLabel, ThreeMonthOut, "ThreeMonthLabel", "ThreeMonthOut",
         tr("Three months' interest:"), true);
    line(IrdLabel, IrdOut, "IrdLabel", "IrdOut", tr("Lender's interest rate differential:"), true);
    line(ChargeLabel, ChargeOut, "ChargeLabel", "ChargeOut", tr("Penalty charged:"), true);
    line(FeeOutLabel, FeeOut, "FeeOutLabel", "FeeOut", tr("Fee:"), true);
    line(ClawbackLabel, ClawbackOut, "ClawbackLabel", "ClawbackOut", tr("Cash back clawed back:"),
         true);
    line(TotalLabel, TotalOut, "TotalLabel", "TotalOut", tr("Total to discharge:"), true);
    line(FreePrepaymentLabel, FreePrepaymentOut, "FreePrepaymentLabel", "FreePrepaymentOut",
         tr("Prepayment free of charge on the date:"), true);
    line(PrepaymentChargeLabel, PrepaymentChargeOut, "PrepaymentChargeLabel", "PrepaymentChargeOut",
         tr("Charge on the prepayment planned:"), true);
    PenaltyNote = MakeLabel(PenaltyFrame, "PenaltyNote", QString());
    PenaltyNote->setWordWrap(true);
    penalty->addWidget(PenaltyNote, row++, 0, 1, 2);
    QFont bold = TotalLabel->font();
    bold.setBold(true);
    TotalLabel->setFont(bold);
    ChargeLabel->setFont(bold);

    TextbookFrame = Named(new QGroupBox(tr("Textbook figures (Early Discharge Penalties)"), this),
                          "TextbookFrame", tr("Textbook figures (Early Discharge Penalties)"));
    auto* textbook = new QGridLayout(TextbookFrame);
    TextbookRateLabel = MakeLabel(TextbookFrame, "TextbookRateLabel", QString());
    TextbookRateLabel->setWordWrap(true);
    textbook->addWidget(TextbookRateLabel, 0, 0, 1, 2);
    row = 1;
    const auto figure = [&](QLabel*& label, QLineEdit*& box, const char* labelName,
                            const char* boxName, const QString& caption) {
        label = MakeLabel(TextbookFrame, labelName, caption);
        box = MakeResultBox(TextbookFrame, boxName, label);
        textbook->addWidget(label, row, 0, Qt::AlignRight);
        textbook->addWidget(box, row, 1);
        ++row;
    };
    figure(FutureValueLabel, FutureValueOut, "FutureValueLabel", "FutureValueOut",
           tr("Future Value Method:"));
    figure(AccumulatedLabel, AccumulatedOut, "AccumulatedLabel", "AccumulatedOut",
           tr("Accumulated Interest Method:"));
    figure(ActualScenarioLabel, ActualScenarioOut, "ActualScenarioLabel", "ActualScenarioOut",
           tr("Actual Scenario Calculation:"));
    figure(TextbookThreeMonthLabel, TextbookThreeMonthOut, "TextbookThreeMonthLabel",
           "TextbookThreeMonthOut", tr("Three Month Interest Penalty:"));

    PlanFrame = Named(new QGroupBox(tr("The plan against the privileges"), this), "PlanFrame",
                      tr("The plan against the privileges"));
    auto* plan = new QVBoxLayout(PlanFrame);
    PrivilegeGrid = Named(new QTableWidget(0, 6, PlanFrame), "PrivilegeGrid",
                          tr("The plan against the privileges, year by year"));
    PrivilegeGrid->setHorizontalHeaderLabels({tr("Year"), tr("Lumps"), tr("Lump limit"),
                                              tr("Largest increase"), tr("Increase limit"),
                                              tr("Excess")});
    PrivilegeGrid->verticalHeader()->hide();
    PrivilegeGrid->verticalHeader()->setDefaultSectionSize(PrivilegeGrid->fontMetrics().height() +
                                                           6);
    PrivilegeGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PrivilegeGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    plan->addWidget(PrivilegeGrid);
    PlanVerdict = MakeLabel(PlanFrame, "PlanVerdict", QString());
    plan->addWidget(PlanVerdict);

    CloseButton = MakeButton(this, "CloseButton", "Close");
    CloseButton->setText(tr("Close"));

    auto* top = new QHBoxLayout;
    top->addWidget(TermsFrame);
    top->addWidget(PenaltyFrame);
    auto* right = new QVBoxLayout;
    right->addWidget(TextbookFrame);
    right->addStretch(1);
    top->addLayout(right);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(CloseButton);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(PlanFrame, 1);
    page->addLayout(bottom);

    QWidget* order[] = {LumpShareBox,     CalendarYearOption, LoanYearOption, IncreaseShareBox,
                        SigningPostedBox, DiscountBox,        TodayPostedBox, FeeBox,
                        CashBackBox,      ClawbackCheck,      LongTermCheck,  DischargeDateBox,
                        PrepaymentBox,    PrivilegeGrid,      CloseButton};
    for (std::size_t k = 1; k < std::size(order); ++k)
        setTabOrder(order[k - 1], order[k]);
}

void LenderTermsWindow::Connect() {
    for (QLineEdit* box : {LumpShareBox, IncreaseShareBox, SigningPostedBox, DiscountBox,
                           TodayPostedBox, FeeBox, CashBackBox, PrepaymentBox}) {
        events_.NumericOnly(box);
        events_.OnLostFocus(box, [this, box] { BoxLostFocus(box); });
    }
    events_.EnterMovesOn(DischargeDateBox);
    events_.OnLostFocus(DischargeDateBox, [this] { BoxLostFocus(DischargeDateBox); });
    for (QAbstractButton* choice : std::initializer_list<QAbstractButton*>{
             CalendarYearOption, LoanYearOption, ClawbackCheck, LongTermCheck})
        connect(choice, &QAbstractButton::clicked, this, &LenderTermsWindow::StoreAndRefresh);
    connect(CloseButton, &QPushButton::clicked, this, &LenderTermsWindow::CloseButtonClick);
}

void LenderTermsWindow::ShowTerms() {
    const LenderTerms t = session_.lender.value_or(LenderTerms{});
    Put(LumpShareBox, PercentText(t.lumpShare));
    (t.year == PrivilegeYear::Loan ? LoanYearOption : CalendarYearOption)->setChecked(true);
    Put(IncreaseShareBox, PercentText(t.increaseShare));
    Put(SigningPostedBox, t.signingPosted ? PercentText(*t.signingPosted) : std::string());
    Put(DiscountBox, PercentText(t.discount));
    Put(TodayPostedBox, t.todayPosted ? PercentText(*t.todayPosted) : std::string());
    Put(FeeBox, analysis::CentsText(t.fee));
    Put(CashBackBox, analysis::CentsText(t.cashBack));
    ClawbackCheck->setChecked(t.clawback);
    LongTermCheck->setChecked(t.longTerm);
    // Without a date of its own the window asks about the early discharge window's date.
    DayNumber date = t.dischargeDate;
    if (date == 0)
        date = ReadToolFile(session_.folder, ToolFile::Discharge).Day(0);
    Put(DischargeDateBox, date ? FormatDate(date, "mmm d, yyyy") : std::string());
    Put(PrepaymentBox, t.prepayment ? analysis::CentsText(t.prepayment) : std::string());
}

LenderTerms LenderTermsWindow::ReadTerms() const {
    const auto value = [](const QLineEdit* box, int decimals) {
        return analysis::ExactValue(TextOf(box), decimals, INT32_MAX);
    };
    const auto rate = [&](const QLineEdit* box) {
        return static_cast<Millipercent>(value(box, kRateDecimals).value_or(0));
    };
    LenderTerms t;
    t.lumpShare = rate(LumpShareBox);
    t.year = LoanYearOption->isChecked() ? PrivilegeYear::Loan : PrivilegeYear::Calendar;
    t.increaseShare = rate(IncreaseShareBox);
    if (const auto posted = value(SigningPostedBox, kRateDecimals))
        t.signingPosted = static_cast<Millipercent>(*posted);
    t.discount = rate(DiscountBox);
    if (const auto posted = value(TodayPostedBox, kRateDecimals))
        t.todayPosted = static_cast<Millipercent>(*posted);
    t.fee = value(FeeBox, kMoneyDecimals).value_or(0);
    t.cashBack = value(CashBackBox, kMoneyDecimals).value_or(0);
    t.clawback = ClawbackCheck->isChecked();
    t.longTerm = LongTermCheck->isChecked();
    t.dischargeDate = ParseDate(TextOf(DischargeDateBox)).value_or(0);
    t.prepayment = value(PrepaymentBox, kMoneyDecimals).value_or(0);
    return t;
}

void LenderTermsWindow::BoxLostFocus(QLineEdit* box) {
    using analysis::LenderBox;
    const LenderBox kind = box == DischargeDateBox ? LenderBox::Date
                           : box == FeeBox || box == CashBackBox || box == PrepaymentBox
                               ? LenderBox::Money
                           : box == LumpShareBox || box == IncreaseShareBox ? LenderBox::Share
                                                                            : LenderBox::Rate;
    const analysis::BoxCheck check = analysis::CheckLenderBox(kind, TextOf(box));
    if (check.outcome == analysis::BoxOutcome::Accepted) {
        Put(box, check.text);
    } else {
        AnswerRefusal(box, *check.message);
        if (!box->text().isEmpty())
            return; // back in the box to correct it: nothing is stored yet
    }
    StoreAndRefresh();
    // A date outside the term is said when the user leaves its box, not when the window opens.
    if (box == DischargeDateBox && !box->text().isEmpty()) {
        const LenderTerms t = ReadTerms();
        const analysis::LenderDischarge d = analysis::LenderDischargeOn(
            session_.Inputs(), schedule_, t, t.dischargeDate, t.todayPosted.value_or(0));
        if (d.refusal) {
            ShowCalcMessage(services_, *d.refusal);
            events_.ReturnFocus(box);
        }
    }
}

void LenderTermsWindow::StoreAndRefresh() {
    const LenderTerms t = ReadTerms();
    if (t != session_.lender.value_or(opened_)) {
        session_.lender = t;
        MarkChanged();
    }
    Refresh();
}

void LenderTermsWindow::Refresh() {
    const LenderTerms t = session_.lender.value_or(opened_);
    // With a signing rate the discount is worked out from it; typed, it is the lender's word.
    const bool worked = t.signingPosted.has_value();
    DiscountBox->setReadOnly(worked);
    const Millipercent discount =
        analysis::DiscountOf(t, analysis::MillipercentOf(session_.scenario.rate));
    if (worked)
        Put(DiscountBox, PercentText(discount));
    ShowPlan();
    ShowPenalty();
}

void LenderTermsWindow::ShowPlan() {
    const LenderTerms t = session_.lender.value_or(opened_);
    const analysis::PrivilegePlan plan = analysis::CheckPrivileges(session_.Inputs(), schedule_, t);
    // Filled in one pass with updates off, as every grid of the program.
    PrivilegeGrid->setUpdatesEnabled(false);
    PrivilegeGrid->setRowCount(static_cast<int>(plan.years.size()));
    int r = 0;
    for (const analysis::PrivilegeYearRow& y : plan.years) {
        const std::string cells[] = {std::to_string(y.year),
                                     analysis::CentsText(y.lumps),
                                     analysis::CentsText(y.lumpLimit),
                                     analysis::CentsText(y.largestIncrease),
                                     analysis::CentsText(y.increaseLimit),
                                     analysis::CentsText(y.excess)};
        for (int c = 0; c < 6; ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[c]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            PrivilegeGrid->setItem(r, c, item);
        }
        ++r;
    }
    PrivilegeGrid->setUpdatesEnabled(true);
    PlanVerdict->setText(
        plan.firstExcess == 0
            ? tr("Within your privileges.")
            : tr("The plan goes beyond your privileges first on %1.")
                  .arg(QString::fromStdString(FormatDate(plan.firstExcess, "mmm d yyyy"))));
}

void LenderTermsWindow::ShowPenalty() {
    for (QLineEdit* out :
         {BalanceOut, MonthsLeftOut, ThreeMonthOut, IrdOut, ChargeOut, FeeOut, ClawbackOut,
          TotalOut, FreePrepaymentOut, PrepaymentChargeOut, FutureValueOut, AccumulatedOut,
          ActualScenarioOut, TextbookThreeMonthOut})
        out->clear();
    TextbookRateLabel->clear();
    const LenderTerms t = session_.lender.value_or(opened_);
    if (t.dischargeDate == 0 || !t.todayPosted) {
        PenaltyNote->setText(
            tr("Type today's posted rate and a discharge date to see the lender's penalty."));
        return;
    }
    const analysis::LenderDischarge d = analysis::LenderDischargeOn(
        session_.Inputs(), schedule_, t, t.dischargeDate, *t.todayPosted);
    if (d.refusal) {
        PenaltyNote->setText(QString::fromStdString(d.refusal->text));
        return;
    }
    const analysis::LenderPenalty& p = d.penalty;
    using analysis::CentsText;
    Put(BalanceOut, CentsText(d.inputs.balance));
    Put(MonthsLeftOut, std::to_string(d.inputs.monthsLeft));
    Put(ThreeMonthOut, CentsText(p.threeMonth));
    Put(IrdOut, CentsText(p.ird));
    Put(ChargeOut, CentsText(p.charge));
    Put(FeeOut, CentsText(p.fee));
    Put(ClawbackOut, CentsText(p.clawback));
    Put(TotalOut, CentsText(p.total));
    Put(FreePrepaymentOut, CentsText(d.freePrepayment));
    Put(PrepaymentChargeOut, CentsText(d.prepaymentCharge));
    QString note;
    if (p.fiveYearRule)
        note = tr("More than five years of a longer term have passed: the charge is limited to "
                  "three months' interest.");
    else if (p.ird == 0)
        note = tr("Today's posted rate less the discount is not below the contract rate: no "
                  "differential, the charge is three months' interest.");
    else
        note = p.charge == p.ird ? tr("The charge is the differential, the greater of the two.")
                                 : tr("The charge is three months' interest, the greater of the "
                                      "two.");
    PenaltyNote->setText(note);
    ShowTextbook(t.dischargeDate, *t.todayPosted - d.inputs.discount);
}

void LenderTermsWindow::ShowTextbook(DayNumber date, Millipercent compared) {
    // The early discharge window's rate when it holds one; otherwise the rate the lender itself
    // compares with, today's posted rate less the discount.
    const Scenario& s = session_.scenario;
    const std::string kept =
        calc::RestoredBoxText(ReadToolFile(session_.folder, ToolFile::Discharge).Text(1));
    Single rate = 0;
    QString source;
    if (analysis::CheckDischargeRate(kept, s).outcome == analysis::BoxOutcome::Accepted) {
        rate = sgl::Round(TextValue(analysis::CheckDischargeRate(kept, s).text));
        source = tr("At %1 % (the Early Discharge Penalties window's rate).")
                     .arg(QString::fromStdString(FormatNumber(rate, "#0.000")));
    } else {
        rate = static_cast<Single>(compared) / 1000.0f;
        source = tr("At %1 % (today's posted rate less the discount).")
                     .arg(QString::fromStdString(analysis::RateText(compared)));
    }
    if (!(rate > 0.0f)) {
        TextbookRateLabel->setText(
            tr("No textbook figures: the rate compared with is not above 0."));
        return;
    }
    TextbookRateLabel->setText(source);
    const analysis::DischargeResult r =
        analysis::CalculateDischarge(session_.Inputs(), schedule_, date, rate);
    if (r.refusal) {
        TextbookRateLabel->setText(
            tr("No textbook figures: the early discharge window counts from the first payment."));
        return;
    }
    Put(FutureValueOut, r.futureValue);
    Put(AccumulatedOut, r.accumulatedInterest);
    Put(ActualScenarioOut, r.actualScenario);
    Put(TextbookThreeMonthOut, r.threeMonth);
}

LenderSheet LenderTermsWindow::Sheet() const {
    LenderSheet s;
    const auto caption = [](const QLabel* label) {
        return label->text().remove(QLatin1Char('&')).toStdString();
    };
    const auto add = [&](std::vector<SheetLine>& lines, const QLabel* label, const QLineEdit* box) {
        lines.emplace_back(caption(label), TextOf(box));
    };
    add(s.terms, LumpShareLabel, LumpShareBox);
    s.terms.emplace_back(
        tr("Privileges counted by:").toStdString(),
        (LoanYearOption->isChecked() ? tr("loan year") : tr("calendar year")).toStdString());
    add(s.terms, IncreaseShareLabel, IncreaseShareBox);
    add(s.terms, SigningPostedLabel, SigningPostedBox);
    add(s.terms, DiscountLabel, DiscountBox);
    add(s.terms, TodayPostedLabel, TodayPostedBox);
    add(s.terms, FeeLabel, FeeBox);
    add(s.terms, CashBackLabel, CashBackBox);
    const std::string yes = tr("yes").toStdString();
    const std::string no = tr("no").toStdString();
    // A check box's caption as a box's caption reads, with its colon.
    const auto asCaption = [](const QAbstractButton* check) {
        return tr("%1:").arg(check->accessibleName()).toStdString();
    };
    s.terms.emplace_back(asCaption(ClawbackCheck), ClawbackCheck->isChecked() ? yes : no);
    s.terms.emplace_back(asCaption(LongTermCheck), LongTermCheck->isChecked() ? yes : no);
    add(s.terms, DischargeDateLabel, DischargeDateBox);
    add(s.terms, PrepaymentLabel, PrepaymentBox);
    for (const auto& [label, box] : {std::pair{BalanceLabel, BalanceOut},
                                     {MonthsLeftLabel, MonthsLeftOut},
                                     {ThreeMonthLabel, ThreeMonthOut},
                                     {IrdLabel, IrdOut},
                                     {ChargeLabel, ChargeOut},
                                     {FeeOutLabel, FeeOut},
                                     {ClawbackLabel, ClawbackOut},
                                     {TotalLabel, TotalOut},
                                     {FreePrepaymentLabel, FreePrepaymentOut},
                                     {PrepaymentChargeLabel, PrepaymentChargeOut}})
        add(s.penalty, label, box);
    s.note = PenaltyNote->text().toStdString();
    s.textbookRate = TextbookRateLabel->text().toStdString();
    for (const auto& [label, box] : {std::pair{FutureValueLabel, FutureValueOut},
                                     {AccumulatedLabel, AccumulatedOut},
                                     {ActualScenarioLabel, ActualScenarioOut},
                                     {TextbookThreeMonthLabel, TextbookThreeMonthOut}})
        add(s.textbook, label, box);
    for (int c = 0; c < PrivilegeGrid->columnCount(); ++c)
        s.yearHeadings.push_back(PrivilegeGrid->horizontalHeaderItem(c)->text().toStdString());
    for (int r = 0; r < PrivilegeGrid->rowCount(); ++r) {
        std::vector<std::string> cells;
        for (int c = 0; c < PrivilegeGrid->columnCount(); ++c)
            cells.push_back(PrivilegeGrid->item(r, c)->text().toStdString());
        s.years.push_back(std::move(cells));
    }
    s.verdict = PlanVerdict->text().toStdString();
    return s;
}

ClipboardContent LenderTermsWindow::CopyContent() const {
    // Cells chosen in the table are copied as they stand; otherwise the whole form.
    if (!PrivilegeGrid->selectedItems().isEmpty())
        return {SelectedCellsText(*PrivilegeGrid), {}};
    return {LenderSheetText(Sheet()), {}};
}

PrintOut LenderTermsWindow::PrintForm() const {
    if (ChargeOut->text().isEmpty())
        return PrintOut::Refused(kPrintErrorTrapTitle, kNotCalculatedPrintText);
    return PrintOut::Printed(LenderReport(session_.scenario, Sheet()));
}

void LenderTermsWindow::CloseButtonClick() { Unload(); }

} // namespace hl
