// The "Payment Shopper" window: reads and checks its boxes, fills the table from the shopper's
// lines and keeps the boxes in its working file.
#include "calculators/ui/shopper_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "calculators/shopper_fields.h"
#include "calculators/ui/shopper_table_model.h"
#include "core/box_value.h"
#include "files/working_files.h"
#include "platform/twips.h"
#include "print/shopper_report.h"
#include "windowkit/accessible_names.h"
#include "windowkit/selection_text.h"
#include "windowkit/show_message.h"

namespace hl {
namespace {

std::string TextOf(const QLineEdit* box) { return box->text().toStdString(); }

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// The grid's default column width, before the extra width each column is given.
constexpr int kDefaultColumnTwips = 960;

} // namespace

ShopperWindow::ShopperWindow(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form9, tr("Payment Shopper "), parent) {
    BuildControls();
    PlaceInTwips(50, 50, 9200, 5490);
    Restore();
    Connect();
}

void ShopperWindow::BuildControls() {
    // Drawn for an 8-point sans-serif, as the other windows of the program.
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("9999999.99")) + 12);
        boxes_[i] = box;
    }
    Text1 = boxes_[0];
    Text2 = boxes_[1];
    Text3 = boxes_[2];
    Text4 = boxes_[3];
    Text5 = boxes_[4];
    Text6 = boxes_[5];
    Text7 = boxes_[6];
    Text8 = boxes_[7];
    Text9 = boxes_[8];

    Command1 = Button("Command1", tr("Calculate"), this);
    Command2 = Button("Command2", tr("Close"), this);
    auto* quick = new QGroupBox(tr("  Quick Function   "), this);
    Command3 = Button("Command3", tr("Display a sample"), quick);
    Command4 = Button("Command4", tr("Clear All Input Boxes"), quick);
    auto* quickLayout = new QVBoxLayout(quick);
    quickLayout->addWidget(Command3);
    quickLayout->addWidget(Command4);

    model_ = new ShopperTableModel(this);
    Grid1 = new QTableView(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setModel(model_);
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    Grid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    Grid1->setWordWrap(false);
    Grid1->verticalHeader()->hide();
    Grid1->verticalHeader()->setDefaultSectionSize(Grid1->fontMetrics().height() + 4);
    QHeaderView* headings = Grid1->horizontalHeader();
    // The runs of spaces in the headings wrap each onto two lines.
    headings->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    headings->setFixedHeight(Twips(475));
    headings->setSectionResizeMode(QHeaderView::Interactive);
    Grid1->setColumnWidth(0, Twips(kDefaultColumnTwips + 370));
    for (int c = 1; c < calc::kShopperColumns; ++c)
        Grid1->setColumnWidth(c, Twips(kDefaultColumnTwips + 270));

    auto* inputs = new QGridLayout;
    const QString columns[] = {tr("Lower Boundary"), tr("Upper Boundary"), tr("Increment")};
    for (int c = 0; c < 3; ++c)
        inputs->addWidget(new QLabel(columns[c], this), 0, c + 1, Qt::AlignCenter);
    const QString rows[] = {tr("Mortgage Amount:"), tr("Interest Rate:"),
                            tr("Amortization Period")};
    for (int r = 0; r < 3; ++r) {
        inputs->addWidget(new QLabel(rows[r], this), r + 1, 0);
        for (int c = 0; c < 3; ++c) {
            QLineEdit* box = boxes_[static_cast<std::size_t>(r * 3 + c)];
            // "Mortgage Amount, Lower Boundary": the row's caption, then the column's.
            NameAfterCaption(box, CaptionName(rows[r]) + QStringLiteral(", ") + columns[c]);
            inputs->addWidget(box, r + 1, c + 1);
        }
    }

    auto* purpose = new QHBoxLayout;
    auto* purposeCaption = new QLabel(tr("Purpose:"), this);
    QFont bold = purposeCaption->font();
    bold.setBold(true);
    purposeCaption->setFont(bold);
    purpose->addWidget(purposeCaption);
    purpose->addWidget(
        new QLabel(tr("Display the calculated payments for a range of input values"), this), 1);

    // The note runs under the boxes it explains.
    auto* note = new QFrame(this);
    note->setFrameShape(QFrame::StyledPanel);
    auto* noteCaption = new QLabel(tr("Note:"), note);
    noteCaption->setFont(bold);
    auto* noteText = new QLabel(
        tr("To specify a set value (not a range) fill in the Lower Boundary ONLY"), note);
    auto* noteLayout = new QHBoxLayout(note);
    noteLayout->setContentsMargins(6, 3, 6, 3);
    noteLayout->addWidget(noteCaption);
    noteLayout->addWidget(noteText, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(purpose);
    left->addLayout(inputs);
    left->addWidget(note);

    auto* right = new QVBoxLayout;
    right->addWidget(Command1);
    right->addWidget(Command2);
    right->addStretch(1);
    right->addWidget(quick);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addSpacing(12);
    top->addLayout(right);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addLayout(top);
    page->addWidget(Grid1, 1);

    for (std::size_t i = 0; i + 1 < boxes_.size(); ++i)
        setTabOrder(boxes_[i], boxes_[i + 1]);
    setTabOrder(Text9, Command1);
    setTabOrder(Command1, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Command2);
    setTabOrder(Command2, Grid1);
}

void ShopperWindow::Connect() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        QLineEdit* box = boxes_[i];
        events_.NumericOnly(box, [this] { MarkChanged(); });
        const int number = static_cast<int>(i) + 1;
        events_.OnLostFocus(box, [this, number] { TextLostFocus(number); });
        connect(box, &QLineEdit::textChanged, this, &ShopperWindow::TextChange);
    }
    events_.OnKey(Text1, Qt::Key_Escape, [this] { Text1Escape(); });
    connect(Command1, &QPushButton::clicked, this, &ShopperWindow::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &ShopperWindow::Command2Click);
    connect(Command3, &QPushButton::clicked, this, &ShopperWindow::Command3Click);
    connect(Command4, &QPushButton::clicked, this, &ShopperWindow::Command4Click);
}

void ShopperWindow::Restore() {
    const ToolSection kept = ReadToolFile(session_.folder, ToolFile::Shopper);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const std::string text = calc::RestoredBoxText(kept.Text(i));
        boxes_[i]->setText(QString::fromStdString(text));
        stored_[i] = calc::BoxValue(text).value_or(0.0f);
    }
}

void ShopperWindow::SaveState() {
    ToolSection kept(ToolFile::Shopper);
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        kept.SetText(i, calc::StoredBoxText(TextOf(boxes_[i])));
    WriteToolFile(session_.folder, kept);
}

const std::vector<calc::ShopperLine>& ShopperWindow::Lines() const { return model_->Lines(); }

PrintOut ShopperWindow::PrintForm() const {
    if (Lines().empty())
        return PrintOut::Refused(kPrintTrapTitle, kNotCalculatedPrintText);
    std::vector<ShopperReportLine> lines;
    lines.reserve(Lines().size());
    for (const calc::ShopperLine& line : Lines())
        lines.push_back(line.Cells());
    return PrintOut::Printed(ShopperReport(lines));
}

std::string ShopperWindow::SelectedCellsText() const { return hl::SelectedCellsText(*Grid1); }

void ShopperWindow::TextLostFocus(int box) {
    const std::size_t i = static_cast<std::size_t>(box - 1);
    QLineEdit* edit = boxes_[i];
    const calc::ShopperFieldCheck c =
        calc::CheckShopperField(box, calc::BoxValue(TextOf(edit)), stored_[i]);
    if (c.clearTable)
        ClearTable();
    stored_[i] = c.stored;
    switch (c.check.outcome) {
    case calc::FieldOutcome::Empty:
        return;
    case calc::FieldOutcome::Accepted:
        edit->setText(QString::fromStdString(c.check.text));
        return;
    case calc::FieldOutcome::Rejected:
        if (ShowCalcMessage(services_, *c.check.message) == MessageAnswer::Yes) {
            events_.ReturnFocus(edit);
        } else {
            edit->clear();
            stored_[i] = 0.0f;
        }
        return;
    }
}

void ShopperWindow::TextChange() { ClearTable(); }

void ShopperWindow::Text1Escape() {
    MarkChanged();
    Text1->clear();
}

void ShopperWindow::Command1Click() {
    calc::ShopperResult result;
    {
        BusyPointer busy(services_);
        result = calc::CalculateShopper(calc::ShopperInputsFrom(stored_));
    }
    if (result.message) {
        ShowCalcMessage(services_, *result.message);
        return;
    }
    model_->Append(result.lines);
}

void ShopperWindow::Command2Click() { Unload(); }

void ShopperWindow::Command3Click() {
    MarkChanged();
    ClearTable();
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setText(QString::fromLatin1(calc::kShopperSample[i]));
    CheckEveryBox();
}

void ShopperWindow::Command4Click() {
    MarkChanged();
    ClearTable();
    for (QLineEdit* box : boxes_)
        box->clear();
    CheckEveryBox();
}

void ShopperWindow::CheckEveryBox() {
    for (int box = 1; box <= calc::kShopperBoxes; ++box)
        TextLostFocus(box);
    events_.ReturnFocus(Text1);
}

void ShopperWindow::ClearTable() { model_->Clear(); }

} // namespace hl
