// The "Mortgage Estimate" window: reformats a box when it is left, recalculates the sheet and
// keeps the inputs in its working file.
#include "calculators/ui/estimate_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calculators/estimate.h"
#include "core/box_value.h"
#include "files/working_files.h"
#include "print/estimate_report.h"
#include "windowkit/accessible_names.h"

namespace hl {
namespace {

// Box numbers of the inputs, in working-file order, and of the results.
constexpr std::array<int, calc::kEstimateInputs> kInputBoxes = {1, 2,  3,  4,  5,  6,  7, 8,
                                                                9, 10, 11, 12, 15, 16, 17};
constexpr std::array<int, 4> kResultBoxes = {13, 14, 18, 19};

// Index of an input box in working-file order; -1 for a result box.
int InputIndex(int box) {
    for (std::size_t i = 0; i < kInputBoxes.size(); ++i)
        if (kInputBoxes[i] == box)
            return static_cast<int>(i);
    return -1;
}

std::string TextOf(const QLineEdit* box) { return box->text().toStdString(); }

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

EstimateWindow::EstimateWindow(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form5, tr("Estimating the Amount of Mortgage Required"),
                  parent) {
    BuildControls();
    PlaceInTwips(50, 20, 9200, 5650);
    Restore();
    Connect();
}

QLineEdit* EstimateWindow::Input(int index) const {
    return boxes_[static_cast<std::size_t>(kInputBoxes[static_cast<std::size_t>(index)] - 1)];
}

void EstimateWindow::BuildControls() {
    // Drawn for an 8-point sans-serif, as the other windows of the program.
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    // Nineteen rows share the window's height: the boxes are no taller than their text.
    const int rowHeight = fontMetrics().height() + 4;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setFixedHeight(rowHeight);
        box->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("-999999999.99")) + 12);
        boxes_[i] = box;
    }
    for (int box : kResultBoxes)
        boxes_[static_cast<std::size_t>(box - 1)]->setReadOnly(true);
    Text1 = boxes_[0];
    Text2 = boxes_[1];
    Text3 = boxes_[2];
    Text4 = boxes_[3];
    Text5 = boxes_[4];
    Text6 = boxes_[5];
    Text7 = boxes_[6];
    Text8 = boxes_[7];
    Text9 = boxes_[8];
    Text10 = boxes_[9];
    Text11 = boxes_[10];
    Text12 = boxes_[11];
    Text13 = boxes_[12];
    Text14 = boxes_[13];
    Text15 = boxes_[14];
    Text16 = boxes_[15];
    Text17 = boxes_[16];
    Text18 = boxes_[17];
    Text19 = boxes_[18];
    Command1 = Button("Command1", tr("Display a Sample"), this);
    Command2 = Button("Command2", tr("Clear all Boxes"), this);
    Command3 = Button("Command3", tr("Close"), this);
    // The note's figures are of their time; today's premiums and rules are in Buying a Home.
    Command4 = Button("Command4", tr("Current rules..."), this);

    // Captions at the left, expenses and funds in the middle column, the price, subtotals and
    // totals in the right one, as the printed estimate lines them up.
    auto* sheet = new QGridLayout;
    sheet->setVerticalSpacing(1);
    int row = 0;
    auto caption = [&](const QString& text, int indent) {
        auto* label = new QLabel(text, this);
        label->setIndent(indent);
        label->setFixedHeight(rowHeight);
        sheet->addWidget(label, row, 0);
        return label;
    };
    auto heading = [&](const QString& text) {
        QFont bold = font();
        bold.setBold(true);
        caption(text, 4)->setFont(bold);
        ++row;
    };
    auto line = [&](const QString& text, QLineEdit* box, int column, int indent) {
        caption(text, indent);
        NameAfterCaption(box, text);
        sheet->addWidget(box, row, column);
        ++row;
    };
    constexpr int kIndent = 18;
    line(tr("Property Purchase Price:"), Text1, 2, 0);
    heading(tr("Plus: Other Expenses"));
    line(tr("Legal Fees               (including disbursements)"), Text2, 1, kIndent);
    line(tr("Land Transfer tax adjustment"), Text3, 1, kIndent);
    line(tr("Utility Adjustments"), Text4, 1, kIndent);
    line(tr("Property Tax Adjustments"), Text5, 1, kIndent);
    line(tr("Property Survey"), Text6, 1, kIndent);
    line(tr("Appraisal Fee"), Text7, 1, kIndent);
    line(tr("House Inspection"), Text8, 1, kIndent);
    line(tr("Moving Expenses"), Text9, 1, kIndent);
    line(tr("Home Insurance"), Text10, 1, kIndent);
    line(tr("Immediate Repairs"), Text11, 1, kIndent);
    Text13->setAccessibleName(tr("Subtotal of Other Expenses"));
    sheet->addWidget(Text13, row, 2);
    line(tr("Other"), Text12, 1, kIndent);
    line(tr("Total Estimated Purchase Cost:"), Text14, 2, 0);
    heading(tr("Less:"));
    line(tr("Purchase Deposit"), Text15, 1, kIndent);
    line(tr("$ from other property sale"), Text16, 1, kIndent);
    Text18->setAccessibleName(tr("Subtotal of Funds"));
    sheet->addWidget(Text18, row, 2);
    line(tr("Other Personal Funds"), Text17, 1, kIndent);
    line(tr("Estimated Amount to be mortgaged:"), Text19, 2, 0);

    auto* note = new QFrame(this);
    note->setFrameShape(QFrame::Box);
    auto* noteText = new QLabel(tr("High Ratio Mortgages (financing more than  75 % "
                                   "of purchase price)  must be CMHC insured (this "
                                   "can be up to 2.5 %)"),
                                note);
    noteText->setWordWrap(true);
    auto* noteLayout = new QVBoxLayout(note);
    noteLayout->addWidget(noteText);
    noteLayout->addWidget(Command4);

    auto* side = new QVBoxLayout;
    side->addSpacing(2 * rowHeight);
    side->addWidget(note);
    side->addStretch(1);
    side->addWidget(Command1);
    side->addWidget(Command2);
    side->addWidget(Command3);

    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->addLayout(sheet, 1);
    page->addSpacing(8);
    page->addLayout(side);

    // Tab runs through the inputs top to bottom, then the commands.
    QWidget* previous = nullptr;
    for (int index = 0; index < calc::kEstimateInputs; ++index) {
        if (previous)
            setTabOrder(previous, Input(index));
        previous = Input(index);
    }
    setTabOrder(previous, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
}

void EstimateWindow::Connect() {
    for (int box : kInputBoxes) {
        QLineEdit* edit = boxes_[static_cast<std::size_t>(box - 1)];
        // The inputs are part of the study: a key typed is an edit to save.
        events_.NumericOnly(edit, [this] { MarkChanged(); });
        events_.OnLostFocus(edit, [this, box] { TextLostFocus(box); });
    }
    for (int box : kResultBoxes)
        events_.OnGotFocus(boxes_[static_cast<std::size_t>(box - 1)], [this] { ResultGotFocus(); });
    connect(Command1, &QPushButton::clicked, this, &EstimateWindow::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &EstimateWindow::Command2Click);
    connect(Command3, &QPushButton::clicked, this, &EstimateWindow::Command3Click);
    connect(Command4, &QPushButton::clicked, this, &EstimateWindow::Command4Click);
}

void EstimateWindow::Restore() {
    const ToolSection kept = ReadToolFile(session_.folder, ToolFile::Estimate);
    for (int index = 0; index < calc::kEstimateInputs; ++index)
        Input(index)->setText(QString::fromStdString(
            calc::RestoredBoxText(kept.Text(static_cast<std::size_t>(index)))));
    Recalculate();
}

void EstimateWindow::SaveState() {
    ToolSection kept(ToolFile::Estimate);
    for (int index = 0; index < calc::kEstimateInputs; ++index)
        kept.SetText(static_cast<std::size_t>(index), calc::StoredBoxText(TextOf(Input(index))));
    WriteToolFile(session_.folder, kept);
}

void EstimateWindow::TextLostFocus(int box) {
    const int index = InputIndex(box);
    if (index < 0)
        return;
    QLineEdit* edit = Input(index);
    edit->setText(QString::fromStdString(calc::EstimateInputText(index, TextOf(edit))));
    Recalculate();
}

void EstimateWindow::ResultGotFocus() {
    services_.Beep();
    events_.ReturnFocus(Text1);
}

void EstimateWindow::Recalculate() {
    calc::EstimateTexts texts;
    for (int index = 0; index < calc::kEstimateInputs; ++index)
        texts[static_cast<std::size_t>(index)] = TextOf(Input(index));
    const calc::EstimateResult result = calc::RecalculateEstimate(texts);
    Text13->setText(QString::fromStdString(result.expensesText));
    Text14->setText(QString::fromStdString(result.totalCostText));
    Text18->setText(QString::fromStdString(result.fundsText));
    Text19->setText(QString::fromStdString(result.mortgageText));
}

PrintOut EstimateWindow::PrintForm() const {
    // An empty sheet costs 0.00; "Clear all Boxes" empties the total and leaves a stale amount
    // to be mortgaged. Neither is an estimate worth a page.
    if (calc::BoxValue(TextOf(Text14)).value_or(0.0f) == 0.0f)
        return PrintOut::Refused(kPrintWarningTrapTitle, kNotCalculatedPrintText);
    EstimateSheet sheet;
    sheet.price = TextOf(Text1);
    for (std::size_t i = 0; i < sheet.expenses.size(); ++i)
        sheet.expenses[i] = TextOf(boxes_[i + 1]);
    sheet.expensesSubtotal = TextOf(Text13);
    sheet.totalCost = TextOf(Text14);
    for (std::size_t i = 0; i < sheet.funds.size(); ++i)
        sheet.funds[i] = TextOf(boxes_[i + 14]);
    sheet.fundsSubtotal = TextOf(Text18);
    sheet.mortgage = TextOf(Text19);
    return PrintOut::Printed(EstimateReport(sheet));
}

void EstimateWindow::Command1Click() {
    MarkChanged();
    for (int index = 0; index < calc::kEstimateInputs; ++index)
        Input(index)->setText(
            QString::fromLatin1(calc::kEstimateSample[static_cast<std::size_t>(index)]));
    Recalculate();
    events_.ReturnFocus(Text1);
}

void EstimateWindow::Command2Click() {
    MarkChanged();
    // The own funds subtotal and the amount to be mortgaged stay until the next recalculation.
    for (QLineEdit* box : boxes_)
        if (box != Text18 && box != Text19)
            box->clear();
    events_.ReturnFocus(Text1);
}

void EstimateWindow::Command3Click() { Unload(); }

void EstimateWindow::Command4Click() { host_.ShowChild(WindowId::Form19); }

} // namespace hl
