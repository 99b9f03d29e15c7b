// The schedule window: the grid, its three options and the graph buttons.
#include "display/ui/schedule_window.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "display/graph_data.h"
#include "display/ui/graph_window.h"
#include "display/ui/schedule_model.h"
#include "engine/schedule_file.h"
#include "files/working_files.h"
#include "platform/twips.h"
#include "print/reports.h"
#include "windowkit/engine_messages.h"
#include "windowkit/fitted_columns.h"
#include "windowkit/selection_text.h"

namespace hl {

namespace {

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// A caption's lines: its words as the header breaks them, at each run of blanks.
std::vector<QString> CaptionLines(const QString& caption) {
    std::vector<QString> lines;
    for (const QString& line : caption.trimmed().split(QRegularExpression(QStringLiteral(" {2,}"))))
        lines.push_back(line);
    return lines;
}

// The letters of a UTF-8 text: its bytes less the continuation bytes of its accented letters.
std::size_t Letters(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    }));
}

QRadioButton* Option(QWidget* parent, const char* name, const QString& text) {
    auto* option = new QRadioButton(text, parent);
    option->setObjectName(QString::fromLatin1(name));
    return option;
}

} // namespace

ScheduleWindow::ScheduleWindow(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form7, tr("Schedule Display"), parent) {
    BuildControls();
    PlaceInTwips(50, 50, 9200, 5490);
    Load();
    FitColumns();
}

void ScheduleWindow::FitColumns() {
    // Every column in sight at the opening size: each as wide as its caption's lines and its
    // widest cell, the rest of the grid shared in the proportions of the columns' widths in
    // twips (which together are wider than the window).
    const std::vector<ScheduleRow> rows = ScheduleRows(
        schedule_, ScheduleView::AllPayments, session_.scenario.frequency, session_.scenario.start);
    std::vector<int> needs;
    std::vector<int> weights;
    for (int c = 0; c < kScheduleColumns; ++c) {
        const auto column = static_cast<std::size_t>(c);
        // The caption as the header shows it, in the program's language.
        std::vector<QString> cells = CaptionLines(model_->headerData(c, Qt::Horizontal).toString());
        const int captions = ColumnNeed(Grid1->horizontalHeader()->fontMetrics(), cells);
        // The longest texts are the widest: the figures' digits are all one width. Month names
        // are not ("mars" is wider than "juil."), so texts one letter short are measured too.
        std::vector<std::string> texts;
        texts.reserve(rows.size());
        std::size_t longest = 0;
        for (const ScheduleRow& row : rows) {
            texts.push_back(ScheduleCellText(row, c));
            longest = std::max(longest, Letters(texts.back()));
        }
        cells.clear();
        for (const std::string& text : texts)
            if (Letters(text) + 1 >= longest)
                cells.push_back(QString::fromStdString(text));
        needs.push_back(std::max(captions, ColumnNeed(Grid1->fontMetrics(), cells)));
        weights.push_back(kGridDefaultColumnTwips + kScheduleColumnWidening[column]);
    }
    new FittedColumns(Grid1, Grid1->horizontalHeader(), std::move(needs), std::move(weights), this);
}

void ScheduleWindow::BuildControls() {
    // The 8-point sans-serif of the other windows: in the desktop's larger default font the ten
    // columns' figures are wider than the window.
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    model_ = new ScheduleModel(this);
    Grid1 = new QTableView(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setModel(model_);
    Grid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    Grid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setWordWrap(false);
    Grid1->verticalHeader()->hide();
    // Every row has the same height: the view then never measures rows, whatever their number.
    Grid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid1->verticalHeader()->setDefaultSectionSize(Twips(kGridRowTwips));
    QHeaderView* header = Grid1->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter) | Qt::Alignment(Qt::TextWordWrap));
    header->setFixedHeight(Twips(kScheduleHeaderTwips));
    header->setHighlightSections(false);

    Frame1 = new QGroupBox(tr("Grid Display Options"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Option1 = Option(Frame1, "Option1", tr("All Payments"));
    Option2 = Option(Frame1, "Option2", tr("Loan Anniversaries only"));
    Option3 = Option(Frame1, "Option3", tr("Year Ends only"));
    auto* options = new QVBoxLayout(Frame1);
    options->setContentsMargins(Twips(90), Twips(30), Twips(90), Twips(30));
    options->setSpacing(0);
    options->addWidget(Option1);
    options->addWidget(Option2);
    options->addWidget(Option3);

    Label1 = new QLabel(tr("Graphs"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Command1 = Button(this, "Command1", tr("Balance over Time"));
    Command2 = Button(this, "Command2", tr("Acc. Interest   versus Acc. Principle"));
    Command6 = Button(this, "Command6", tr("Components of Regular Payment"));
    auto* graphs = new QGridLayout;
    graphs->setSpacing(Twips(30));
    graphs->addWidget(Label1, 0, 0, 1, 2);
    graphs->addWidget(Command1, 1, 0);
    graphs->addWidget(Command6, 1, 1);
    graphs->addWidget(Command2, 2, 0, 1, 2);

    Command4 = Button(this, "Command4", tr("Close"));
    Command3 = Button(this, "Command3", tr("Quit"));
    auto* closing = new QVBoxLayout;
    closing->setSpacing(Twips(30));
    closing->addStretch(1);
    closing->addWidget(Command4);
    closing->addWidget(Command3);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Frame1);
    bottom->addLayout(graphs, 1);
    bottom->addLayout(closing);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Twips(60), Twips(60), Twips(60), Twips(60));
    layout->setSpacing(Twips(60));
    layout->addWidget(Grid1, 1);
    layout->addLayout(bottom);

    connect(Option1, &QRadioButton::clicked, this, &ScheduleWindow::Option1Click);
    connect(Option2, &QRadioButton::clicked, this, &ScheduleWindow::Option2Click);
    connect(Option3, &QRadioButton::clicked, this, &ScheduleWindow::Option3Click);
    connect(Command1, &QPushButton::clicked, this, &ScheduleWindow::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &ScheduleWindow::Command2Click);
    connect(Command6, &QPushButton::clicked, this, &ScheduleWindow::Command6Click);
    connect(Command4, &QPushButton::clicked, this, &ScheduleWindow::Command4Click);
    connect(Command3, &QPushButton::clicked, this, &ScheduleWindow::Command3Click);
}

void ScheduleWindow::Load() {
    BusyPointer busy(services_);
    // Reports and the tool windows read the schedule from its working file.
    schedule_ = RunAndWriteSchedule(session_.Inputs(), session_.folder, services_).schedule;

    // The stored option is chosen as a click would choose it.
    const ScheduleView view =
        ViewFromOption(ReadToolFile(session_.folder, ToolFile::ScheduleOption).Whole(0));
    switch (view) {
    case ScheduleView::AllPayments:
        Option1->setChecked(true);
        break;
    case ScheduleView::Anniversaries:
        Option2->setChecked(true);
        break;
    case ScheduleView::YearEnds:
        Option3->setChecked(true);
        break;
    }
    Fill(view);
}

void ScheduleWindow::Fill(ScheduleView view) {
    BusyPointer busy(services_);
    view_ = view;
    model_->SetRows(
        ScheduleRows(schedule_, view, session_.scenario.frequency, session_.scenario.start));
    KeepOption(view);
}

void ScheduleWindow::SaveState() { KeepOption(view_); }

void ScheduleWindow::KeepOption(ScheduleView view) {
    ToolSection kept(ToolFile::ScheduleOption);
    kept.SetWhole(0, static_cast<std::int32_t>(view));
    WriteToolFile(session_.folder, kept);
}

std::string ScheduleWindow::SelectedCellsText() const { return hl::SelectedCellsText(*Grid1); }

void ScheduleWindow::ShowGraph(const GraphData& graph) {
    if (GraphWindow* window = ShowGraphWindow(host_))
        window->DrawGraph(graph);
}

void ScheduleWindow::Option1Click() { Fill(ScheduleView::AllPayments); }
void ScheduleWindow::Option2Click() { Fill(ScheduleView::Anniversaries); }
void ScheduleWindow::Option3Click() { Fill(ScheduleView::YearEnds); }

void ScheduleWindow::Command1Click() { ShowGraph(BalanceGraph(schedule_)); }
void ScheduleWindow::Command2Click() { ShowGraph(AccumulatedGraph(schedule_, AccumulatedTexts())); }
void ScheduleWindow::Command6Click() { ShowGraph(ComponentsGraph(schedule_)); }

void ScheduleWindow::Command4Click() { Unload(); }
void ScheduleWindow::Command3Click() { Unload(); }

PrintOut ScheduleWindow::PrintForm() const {
    const int pages = SchedulePages(view_, schedule_.count);
    return PrintOut::Printed(
        ScheduleReport(session_.scenario, session_.changes, schedule_, view_, 1, pages));
}

} // namespace hl
