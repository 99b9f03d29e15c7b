// The print control window: counting the pages and printing the ticked reports.
#include "print/ui/print_control_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "files/working_files.h"
#include "print/reports.h"
#include "print/ui/print_document.h"
#include "windowkit/controls.h"
#include "windowkit/engine_messages.h"

namespace hl {

namespace {

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(true);
    return box;
}

QLineEdit* StatusBox(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAccessibleName(accessibleName);
    return box;
}

QLabel* Note(QWidget* parent, const char* name, const QString& text) {
    QLabel* label = MakeLabel(parent, name, text);
    label->setWordWrap(true);
    return label;
}

} // namespace

PrintControlWindow::PrintControlWindow(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form15, tr("Print Forms Control"), parent) {
    BuildControls();
    // Wide and high enough for the longest status ("... resolution: Loan Anniversaries only")
    // and the notes in the system's font: as wide as the main window's client area, since the
    // statuses run longer in French.
    PlaceInTwips(50, 400, 9400, 4900);

    BusyPointer busy(services_);
    schedule_ = RunAndWriteSchedule(session_.Inputs(), session_.folder, services_).schedule;
    view_ = ViewFromOption(ReadToolFile(session_.folder, ToolFile::ScheduleOption).Whole(0));
    CountPagesNow();
}

void PrintControlWindow::BuildControls() {
    Check3 = MakeCheck(this, "Check3", tr("Summary"));
    Check2 = MakeCheck(this, "Check2", tr("Payment Changes"));
    Check1 = MakeCheck(this, "Check1", tr("Schedule"));
    Text1 = StatusBox(this, "Text1", tr("Summary status"));
    Text2 = StatusBox(this, "Text2", tr("Payment Changes status"));
    Text3 = StatusBox(this, "Text3", tr("Schedule status"));
    Text4 = StatusBox(this, "Text4", tr("Total pages to print:"));
    Text4->setMaximumWidth(80);
    Command3 = MakeButton(this, "Command3", tr("Print"));
    Command1 = MakeButton(this, "Command1", tr("Close"));
    Command4 = MakeButton(this, "Command4", tr("Printer Setup"));

    auto* grid = new QGridLayout(this);
    int row = 0;
    grid->addWidget(MakeLabel(this, "Label1", tr("Print the Checked Forms:")), row, 0);
    grid->addWidget(MakeLabel(this, "Label2", tr("Status:")), row++, 1);
    for (auto [check, status] : {std::pair{Check3, Text1}, {Check2, Text2}, {Check1, Text3}}) {
        grid->addWidget(check, row, 0);
        grid->addWidget(status, row++, 1);
    }
    auto* total = new QHBoxLayout;
    total->addWidget(MakeLabel(this, "Label3", tr("Total pages to print:")));
    total->addWidget(Text4);
    total->addStretch(1);
    grid->addLayout(total, row++, 1);
    grid->addWidget(MakeLabel(this, "Label4", tr("Notes:")), row++, 0);
    grid->addWidget(Note(this, "Label5",
                         tr("All forms that have enough data to be printed are enabled.  Use the "
                            "check boxes to choose the forms you want to print.")),
                    row++, 0, 1, 2);
    grid->addWidget(Note(this, "Label6",
                         tr("- Refinance studies and graphs can be printed only from their own "
                            "screens")),
                    row++, 0, 1, 2);
    grid->addWidget(Note(this, "Label7",
                         tr("- Schedule is printed with the option selected on the Schedule form "
                            "(i.e. All     Payments. Year Ends Only or Loan Anniversaries only)")),
                    row++, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command3);
    buttons->addWidget(Command4);
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    grid->addLayout(buttons, row++, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);

    for (QCheckBox* check : {Check3, Check2, Check1})
        connect(check, &QCheckBox::clicked, this, &PrintControlWindow::CheckClick);
    connect(Command3, &QPushButton::clicked, this, &PrintControlWindow::Command3Click);
    connect(Command1, &QPushButton::clicked, this, &PrintControlWindow::Command1Click);
    connect(Command4, &QPushButton::clicked, this, &PrintControlWindow::Command4Click);
}

void PrintControlWindow::CountPagesNow() {
    ReportChoice choice{Check3->isChecked(), Check2->isChecked(), Check1->isChecked()};
    const PageCounts counts = CountPages(view_, schedule_.count, session_.changes.Count(), choice);
    // A table without entries has no report: its box stays unticked and greyed.
    const QSignalBlocker quiet(Check2);
    Check2->setChecked(choice.changes);
    Check2->setEnabled(counts.changesPrintable);
    Put(Text1, counts.summaryText);
    Put(Text2, counts.changesText);
    Put(Text3, counts.scheduleText);
    Put(Text4, counts.totalText);
    for (QLineEdit* box : {Text1, Text2, Text3, Text4}) {
        box->setCursorPosition(0);    // a text too long for its box shows its beginning
        box->setToolTip(box->text()); // and the whole of it under the pointer
    }
}

void PrintControlWindow::CheckClick() { CountPagesNow(); }

void PrintControlWindow::Command3Click() {
    const ReportChoice choice{Check3->isChecked(),
                              Check2->isChecked() && session_.changes.Count() > 0,
                              Check1->isChecked()};
    if (!choice.summary && !choice.changes && !choice.schedule) {
        services_.Beep();
        services_.Tell(
            tr("Mortgage Print Warning...").toStdString(),
            tr("There is nothing to print.  Tick the forms you want to print.").toStdString());
        return;
    }
    PrintOut out;
    {
        BusyPointer busy(services_);
        ServicesMessages messages(services_);
        const Scenario& s = session_.scenario;
        const SummaryResult summary = RunSummary(session_.Inputs(), messages);
        out.pages = PrintScenarioReports(
            ReportInputs{s, session_.changes, schedule_, summary, ProjectPayoff(summary, s), view_},
            choice);
    }
    // A cancelled print dialog leaves the window up for another try.
    if (PrintOrRefuse(services_, tr("Hearthline Report").toStdString(), out) ==
        PrintResult::Printed)
        Unload();
}

void PrintControlWindow::Command1Click() { Unload(); }

void PrintControlWindow::Command4Click() { services_.AskPrinterSetup(); }

} // namespace hl
