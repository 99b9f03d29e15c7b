// The refinance search window: reads its inputs, runs the search on a thread of its own and
// shows the rows and the progress as the search hands them over.
#include "analysis/ui/refinance_search_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <array>

#include "analysis/early_discharge.h"
#include "core/box_value.h"
#include "core/day_number.h"
#include "core/format.h"
#include "core/translate.h"
#include "display/ui/date_width.h"
#include "files/working_files.h"
#include "print/refinance_search_report.h"
#include "windowkit/controls.h"
#include "windowkit/fitted_columns.h"
#include "windowkit/selection_text.h"
#include "windowkit/show_message.h"

namespace hl {
namespace {

constexpr const char* kInputErrorTitle =
    QT_TRANSLATE_NOOP("hl::RefinanceSearchWindow", "Mortgage Input Error");
constexpr const char* kNotADate = QT_TRANSLATE_NOOP(
    "hl::RefinanceSearchWindow", "Error, this is not a valid date.  \r"
                                 "A valid date (or nothing) must be entered to continue.\r\r"
                                 "Do you want to correct your input. (Selecting [No] will clear "
                                 "the field).");

constexpr const char* kColumns[7] = {
    QT_TRANSLATE_NOOP("hl::RefinanceSearchWindow", " Discharge Date"),
    QT_TRANSLATE_NOOP("hl::RefinanceSearchWindow", " Max Interest Rate Value"),
    QT_TRANSLATE_NOOP("hl::RefinanceSearchWindow", " Payment     Used"),
    QT_TRANSLATE_NOOP("hl::RefinanceSearchWindow", " Penalty     Used"),
    QT_TRANSLATE_NOOP("hl::RefinanceSearchWindow", " Discharge   Bal Fwd"),
    QT_TRANSLATE_NOOP("hl::RefinanceSearchWindow", " Bal Fwd of  Scenario"),
    QT_TRANSLATE_NOOP("hl::RefinanceSearchWindow", " Saving"),
};

// How often the window looks at what the search handed over: the progress boxes move smoothly
// and a Stop is seen at once, while the search itself never waits for the window.
// The table's default column width and each column's widening, in twips.
constexpr int kGridColumnTwips = 960;
constexpr std::array<int, 7> kColumnWidening = {370, 370, 270, 270, 270, 370, 370};
constexpr int kCollectMs = 30;

QLineEdit* MakeBox(QWidget* parent, const char* name, const QString& accessibleName, bool input) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFixedWidth(
        WidestDate(box->fontMetrics(), QStringLiteral("Sep 30, 2000"), "mmm d, yyyy") + 12);
    box->setAccessibleName(accessibleName);
    if (!input) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
    }
    return box;
}

QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& caption) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QString::fromLatin1(name));
    return option;
}

// Passes the search's reports to the window's mailbox; the window collects them.
class MailboxObserver : public analysis::SearchObserver {
  public:
    template <class Mailbox>
    explicit MailboxObserver(Mailbox& box)
        : rows_(box.rows), progress_(box.progress), lock_(box.lock), stop_(box.stop) {}
    void Progress(const analysis::SearchProgress& progress) override {
        std::lock_guard<std::mutex> hold(lock_);
        progress_ = progress;
    }
    void DateExamined(const std::string& dateText, const std::string& balanceText) override {
        std::lock_guard<std::mutex> hold(lock_);
        // The rate box keeps the last rate tried in this search (none yet: empty).
        analysis::SearchProgress& shown = progress_ ? *progress_ : progress_.emplace();
        shown.dateText = dateText;
        shown.balanceText = balanceText;
    }
    void Row(const analysis::SearchRow& row) override {
        std::lock_guard<std::mutex> hold(lock_);
        rows_.push_back(row);
    }
    bool StopRequested() override { return stop_.load(); }

  private:
    std::vector<analysis::SearchRow>& rows_;
    std::optional<analysis::SearchProgress>& progress_;
    std::mutex& lock_;
    std::atomic<bool>& stop_;
};

} // namespace

RefinanceSearchWindow::RefinanceSearchWindow(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form12,
                  tr("Refinance - Solve for both Date and Interest Rate"), parent) {
    BuildControls();
    Connect();
    PlaceInTwips(100, 100, 9200, 5600);
    Put(Text1, FormatDate(Today(), "mmm d yyyy"));
    Put(Text2, FormatNumber(session_.scenario.rate, "0.000"));
    Restore();
}

RefinanceSearchWindow::~RefinanceSearchWindow() { JoinWorker(true); }

void RefinanceSearchWindow::BuildControls() {
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    Label1 = MakeLabel(this, "Label1", tr("Purpose:"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label2 =
        MakeLabel(this, "Label2",
                  tr("Create a table showing the maximum value the interest rate can be (for a "
                     "specific date) so that a rewrite is feasible."));
    Label2->setWordWrap(true);
    Label3 = MakeLabel(this, "Label3", tr("Begin study at Discharge Date:"));
    Text1 = MakeBox(this, "Text1", tr("Begin study at Discharge Date"), true);
    Label4 = MakeLabel(this, "Label4", tr("Interest Rate Cap:"));
    Text2 = MakeBox(this, "Text2", tr("Interest Rate Cap"), true);
    Label5 = MakeLabel(this, "Label5", tr("Additional Costs:"));
    Text3 = MakeBox(this, "Text3", tr("Additional Costs"), true);

    Frame2 = new QGroupBox(tr(" Solve For "), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Option4 = MakeOption(Frame2, "Option4", tr("Date and Interest Rate"));
    Option5 = MakeOption(Frame2, "Option5", tr("Date only (fixed interest rate)"));
    Option6 = MakeOption(Frame2, "Option6", tr("Interest Rate only (fixed date)"));
    auto* modes = new QVBoxLayout(Frame2);
    modes->setContentsMargins(6, 2, 6, 2);
    for (QRadioButton* option : {Option4, Option5, Option6})
        modes->addWidget(option);
    Option4->setChecked(true);

    Frame1 = new QGroupBox(tr(" Penalty to Apply"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Option1 = MakeOption(Frame1, "Option1", tr("Calculated Scenario Method"));
    Option2 = MakeOption(Frame1, "Option2", tr("Future Value Method"));
    Option3 = MakeOption(Frame1, "Option3", tr("Acc. Interest Method"));
    auto* penalties = new QVBoxLayout(Frame1);
    penalties->setContentsMargins(6, 2, 6, 2);
    for (QRadioButton* option : {Option1, Option2, Option3})
        penalties->addWidget(option);
    Option1->setChecked(true);

    Check1 = new QCheckBox(tr("Apply CMHC 3 year rule:"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setLayoutDirection(Qt::RightToLeft); // the caption stands before the box
    Label10 = MakeLabel(this, "Label10",
                        tr("(If mortgage has been running for 3 years it is subject to the 3 month "
                           "interest penalty, not the interest rate differential penalty.)"));
    Label10->setWordWrap(true);

    Label7 = MakeLabel(this, "Label7", tr("Checking Date:"));
    Text4 = MakeBox(this, "Text4", tr("Checking Date"), false);
    Label9 = MakeLabel(this, "Label9", tr("for interest rate:"));
    Text5 = MakeBox(this, "Text5", tr("for interest rate"), false);
    Label8 = MakeLabel(this, "Label8", tr("Discharge BF:"));
    Text6 = MakeBox(this, "Text6", tr("Discharge BF"), false);
    Label6 = MakeLabel(this, "Label6",
                       tr("Scheduled Payment changes and Lump payments are processed until "
                          "discharge date"));
    Label6->setWordWrap(true);

    Grid1 = new QTableWidget(0, 7, this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setAccessibleName(tr("Refinance opportunities"));
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->verticalHeader()->hide();
    Grid1->verticalHeader()->setDefaultSectionSize(Grid1->fontMetrics().height() + 6);
    // The captions were drawn in narrow columns where their inner blanks broke them onto two
    // lines: the lines are kept. Each column is as wide as its caption or a date, and the rest
    // of the table's width, less the scroll bar once the rows fill it, is shared in the
    // proportions of the columns' widths in twips, so that the last column stays in sight.
    QStringList captions;
    for (const char* caption : kColumns)
        captions << tr(caption).trimmed().replace(QRegularExpression(QStringLiteral(" {2,}")),
                                                  QStringLiteral("\n"));
    Grid1->setHorizontalHeaderLabels(captions);
    Grid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // The first column holds dates, in the program's month names; the others hold figures no
    // wider than a date.
    const QString figures = QStringLiteral("Sep 30 2000");
    const QString widestDate =
        WidestDateText(Grid1->horizontalHeader()->fontMetrics(), figures, "mmm d yyyy");
    std::vector<int> needs;
    std::vector<int> weights;
    for (int column = 0; column < 7; ++column) {
        needs.push_back(ColumnNeed(Grid1->horizontalHeader()->fontMetrics(),
                                   {captions[column], column == 0 ? widestDate : figures}));
        weights.push_back(kGridColumnTwips + kColumnWidening[static_cast<std::size_t>(column)]);
    }
    new FittedColumns(Grid1, Grid1->horizontalHeader(), std::move(needs), std::move(weights));

    Command2 = new QPushButton(tr("Calculate"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3 = new QPushButton(tr("Stop Calculation"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->hide();
    Command1 = new QPushButton(tr("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));

    auto* boxes = new QGridLayout;
    boxes->setVerticalSpacing(2);
    boxes->addWidget(Label3, 0, 0, Qt::AlignRight);
    boxes->addWidget(Text1, 0, 1);
    boxes->addWidget(Label4, 1, 0, Qt::AlignRight);
    boxes->addWidget(Text2, 1, 1);
    boxes->addWidget(Label5, 2, 0, Qt::AlignRight);
    boxes->addWidget(Text3, 2, 1);
    boxes->setColumnStretch(2, 1);
    boxes->addWidget(Label7, 0, 3, Qt::AlignRight);
    boxes->addWidget(Text4, 0, 4);
    boxes->addWidget(Label9, 1, 3, Qt::AlignRight);
    boxes->addWidget(Text5, 1, 4);
    boxes->addWidget(Label8, 2, 3, Qt::AlignRight);
    boxes->addWidget(Text6, 2, 4);

    auto* rule = new QVBoxLayout;
    rule->addWidget(Check1, 0, Qt::AlignLeft);
    rule->addWidget(Label10);
    rule->addStretch(1);

    auto* choices = new QHBoxLayout;
    choices->addWidget(Frame2);
    choices->addWidget(Frame1);
    choices->addLayout(rule, 1);

    auto* purpose = new QHBoxLayout;
    purpose->addWidget(Label1, 0, Qt::AlignTop);
    purpose->addWidget(Label2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label6, 1);
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);
    buttons->addWidget(Command1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 4, 6, 4);
    page->setSpacing(3);
    page->addLayout(purpose);
    page->addLayout(boxes);
    page->addLayout(choices);
    page->addWidget(Grid1, 1);
    page->addLayout(buttons);

    collector_ = new QTimer(this);
    collector_->setInterval(kCollectMs);
    connect(collector_, &QTimer::timeout, this, &RefinanceSearchWindow::Collect);
}

void RefinanceSearchWindow::Connect() {
    events_.EnterMovesOn(Text1);
    events_.OnTyped(Text1, [this](const QKeyEvent&) {
        MarkChanged();
        return false;
    });
    for (QLineEdit* box : {Text2, Text3})
        events_.NumericOnly(box, [this] { MarkChanged(); });
    events_.OnLostFocus(Text1, [this] { Text1LostFocus(); });
    events_.OnLostFocus(Text2, [this] { Text2LostFocus(); });
    for (QRadioButton* option : {Option1, Option2, Option3})
        connect(option, &QRadioButton::clicked, this, [this] {
            MarkChanged();
            ClearTable();
        });
    for (QRadioButton* option : {Option4, Option5, Option6})
        connect(option, &QRadioButton::clicked, this, [this] { MarkChanged(); });
    connect(Check1, &QCheckBox::clicked, this, [this] { MarkChanged(); });
    connect(Command2, &QPushButton::clicked, this, &RefinanceSearchWindow::Command2Click);
    connect(Command3, &QPushButton::clicked, this, &RefinanceSearchWindow::Command3Click);
    connect(Command1, &QPushButton::clicked, this, &RefinanceSearchWindow::Command1Click);
}

// The working file keeps the date (0 when the date or the cap box is empty), the cap and the
// costs texts, the rule's box, the penalty (1 to 3) and what is solved for (4 to 6).
void RefinanceSearchWindow::Restore() {
    const ToolSection kept = ReadToolFile(session_.folder, ToolFile::Solver);
    if (const DayNumber day = kept.Day(0); day != 0)
        Put(Text1, FormatDate(day, "mmm d yyyy"));
    // A cap never typed is kept as a blank: the scenario's rate stays the cap offered, as a
    // blank box would try no rate at all.
    if (const std::string cap = calc::RestoredBoxText(kept.Text(1)); !cap.empty())
        Put(Text2, cap);
    Put(Text3, calc::RestoredBoxText(kept.Text(2)));
    Check1->setChecked(kept.Whole(3) == 1);
    QRadioButton* penalty[] = {Option1, Option2, Option3};
    penalty[std::clamp(kept.Whole(4), 1, 3) - 1]->setChecked(true);
    QRadioButton* mode[] = {Option4, Option5, Option6};
    mode[std::clamp(kept.Whole(5), 4, 6) - 4]->setChecked(true);
}

void RefinanceSearchWindow::SaveState() {
    ToolSection kept(ToolFile::Solver);
    const std::optional<DayNumber> day = ParseDate(TextOf(Text1));
    kept.SetDay(0, day && !Text2->text().isEmpty() ? *day : 0);
    kept.SetText(1, calc::StoredBoxText(TextOf(Text2)));
    kept.SetText(2, calc::StoredBoxText(TextOf(Text3)));
    kept.SetWhole(3, Check1->isChecked() ? 1 : 0);
    kept.SetWhole(4, Option1->isChecked() ? 1 : Option2->isChecked() ? 2 : 3);
    kept.SetWhole(5, Option4->isChecked() ? 4 : Option5->isChecked() ? 5 : 6);
    WriteToolFile(session_.folder, kept);
}

analysis::SearchInputs RefinanceSearchWindow::Inputs() const {
    analysis::SearchInputs in;
    in.mode = Option5->isChecked()   ? analysis::SearchMode::DateOnly
              : Option6->isChecked() ? analysis::SearchMode::RateOnly
                                     : analysis::SearchMode::DateAndRate;
    in.dateText = TextOf(Text1);
    in.capText = TextOf(Text2);
    in.costsText = TextOf(Text3);
    in.penalty = Option2->isChecked()   ? analysis::PenaltyMethod::FutureValue
                 : Option3->isChecked() ? analysis::PenaltyMethod::AccumulatedInterest
                                        : analysis::PenaltyMethod::CalculatedScenario;
    in.cmhc = Check1->isChecked();
    return in;
}

void RefinanceSearchWindow::Text1LostFocus() {
    if (Text1->text().isEmpty())
        return;
    // The rows stay while the date they were found from stays: the search ends with the focus
    // here, and the user then clicks a row to copy it.
    const bool changed = Text1->text() != text1Checked_;
    if (const std::optional<DayNumber> day = ParseDate(TextOf(Text1))) {
        Put(Text1, FormatDate(*day, "mmm d, yyyy"));
    } else {
        services_.Beep();
        if (services_.Ask(tr(kInputErrorTitle).toStdString(), tr(kNotADate).toStdString(),
                          MessageButtons::YesNo) == MessageAnswer::No)
            Text1->clear();
        else
            events_.ReturnFocus(Text1);
    }
    text1Checked_ = Text1->text();
    if (changed)
        ClearTable();
}

void RefinanceSearchWindow::Text2LostFocus() {
    if (Text2->text().isEmpty())
        return;
    const analysis::BoxCheck check = analysis::CheckDischargeRate(TextOf(Text2), session_.scenario);
    if (check.outcome == analysis::BoxOutcome::Refused) {
        AnswerRefusal(Text2, *check.message);
        return;
    }
    if (check.outcome != analysis::BoxOutcome::Accepted)
        return;
    const bool changed = QString::fromStdString(check.text) != text2Checked_;
    Put(Text2, check.text);
    text2Checked_ = Text2->text();
    if (changed)
        ClearTable();
}

void RefinanceSearchWindow::ClearTable() { Grid1->setRowCount(0); }

void RefinanceSearchWindow::SetSearching(bool searching) {
    for (QWidget* input :
         std::initializer_list<QWidget*>{Text1, Text2, Text3, Check1, Option1, Option2, Option3,
                                         Option4, Option5, Option6, Command1})
        input->setEnabled(!searching);
    Command2->setVisible(!searching);
    Command3->setVisible(searching);
}

void RefinanceSearchWindow::Command2Click() {
    if (Searching())
        return;
    const analysis::SearchInputs inputs = Inputs();
    if (const std::optional<calc::CalcMessage> refusal = analysis::CheckSearchInputs(inputs)) {
        ShowCalcMessage(services_, *refusal);
        events_.ReturnFocus(inputs.mode == analysis::SearchMode::DateOnly ? Text2 : Text1);
        return;
    }
    ClearTable();
    SetSearching(true);
    mailbox_ = std::make_shared<Mailbox>();
    // The search works on copies: the input form may change the scenario meanwhile.
    auto scenario = std::make_shared<Scenario>(session_.scenario);
    auto changes = std::make_shared<PaymentChanges>(session_.changes);
    worker_ = std::make_unique<std::thread>([mailbox = mailbox_, scenario, changes, inputs] {
        MailboxObserver observer(*mailbox);
        const analysis::SearchOutcome outcome =
            analysis::RunRefinanceSearch(EngineInputs{*scenario, *changes}, inputs, observer);
        std::lock_guard<std::mutex> hold(mailbox->lock);
        mailbox->outcome = outcome;
    });
    collector_->start();
}

void RefinanceSearchWindow::Command3Click() {
    if (mailbox_)
        mailbox_->stop = true;
}

void RefinanceSearchWindow::Command1Click() { Unload(); }

void RefinanceSearchWindow::Collect() {
    if (!mailbox_)
        return;
    std::vector<analysis::SearchRow> rows;
    std::optional<analysis::SearchProgress> progress;
    std::optional<analysis::SearchOutcome> outcome;
    {
        std::lock_guard<std::mutex> hold(mailbox_->lock);
        rows.swap(mailbox_->rows);
        progress = mailbox_->progress;
        outcome = mailbox_->outcome;
    }
    if (progress) {
        Put(Text4, progress->dateText);
        Put(Text5, progress->rateText);
        Put(Text6, progress->balanceText);
    }
    for (const analysis::SearchRow& row : rows) {
        const int at = Grid1->rowCount();
        Grid1->insertRow(at);
        for (int column = 0; column < 7; ++column) {
            auto* cell = new QTableWidgetItem(QString::fromStdString(row[column]));
            cell->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignRight | Qt::AlignVCenter);
            Grid1->setItem(at, column, cell);
        }
    }
    if (outcome)
        Finish(*outcome);
}

void RefinanceSearchWindow::Finish(const analysis::SearchOutcome& outcome) {
    collector_->stop();
    JoinWorker(false);
    mailbox_.reset();
    if (outcome.refusal)
        ShowCalcMessage(services_, *outcome.refusal);
    else if (!outcome.found)
        ShowCalcMessage(services_, analysis::NothingFoundMessage());
    SetSearching(false);
    text1Checked_ = Text1->text();
    text2Checked_ = Text2->text();
    events_.ReturnFocus(Text1);
}

void RefinanceSearchWindow::JoinWorker(bool stop) {
    if (!worker_)
        return;
    if (stop && mailbox_)
        mailbox_->stop = true;
    worker_->join();
    worker_.reset();
}

void RefinanceSearchWindow::closeEvent(QCloseEvent* event) {
    // A window closed while searching stops its search first: the search must not outlive it.
    if (Searching()) {
        JoinWorker(true);
        collector_->stop();
        mailbox_.reset();
        SetSearching(false);
    }
    ChildWindow::closeEvent(event);
}

ClipboardContent RefinanceSearchWindow::CopyContent() const {
    return {SelectedCellsText(*Grid1), {}};
}

PrintOut RefinanceSearchWindow::PrintForm() const {
    if (Searching())
        return PrintOut::Refused(kPrintTrapTitle,
                                 TrText("Refinance Search Report", kSearchRunningPrintText));
    if (Grid1->rowCount() == 0)
        return PrintOut::Refused(kPrintTrapTitle, kNotCalculatedPrintText);
    RefinanceSearchReportInputs in;
    in.date = TextOf(Text1);
    in.cap = TextOf(Text2);
    in.costs = TextOf(Text3);
    in.cmhc = Check1->isChecked();
    in.penalty = Option2->isChecked()   ? SearchReportPenalty::FutureValue
                 : Option3->isChecked() ? SearchReportPenalty::AccInterest
                                        : SearchReportPenalty::CalculatedScenario;
    in.mode = Option5->isChecked()   ? SearchReportMode::DateOnly
              : Option6->isChecked() ? SearchReportMode::RateOnly
                                     : SearchReportMode::DateAndRate;
    for (int r = 0; r < Grid1->rowCount(); ++r) {
        std::array<std::string, 7>& row = in.rows.emplace_back();
        for (int c = 0; c < 7; ++c)
            if (const QTableWidgetItem* cell = Grid1->item(r, c))
                row[static_cast<std::size_t>(c)] = cell->text().toStdString();
    }
    return PrintOut::Printed(RefinanceSearchReport(in));
}

} // namespace hl
