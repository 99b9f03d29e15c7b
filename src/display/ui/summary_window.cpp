// The summary window: the summary run's figures and the pay-off projection.
#include "display/ui/summary_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "display/summary_view.h"
#include "platform/twips.h"
#include "print/reports.h"
#include "windowkit/accessible_names.h"
#include "windowkit/controls.h"
#include "windowkit/engine_messages.h"

namespace hl {

namespace {

QLineEdit* Box(QWidget* parent, const char* name) { return MakeShowingBox(parent, name, 1800); }

QLabel* Caption(QWidget* parent, const char* name, const QString& text, bool heading = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText); // keep the captions' runs of blanks as they are
    label->setAlignment((heading ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    return label;
}

} // namespace

SummaryWindow::SummaryWindow(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form3, tr("Summary Display"), parent) {
    BuildControls();
    PlaceInTwips(50, 30, 8000, 5500);
    Load();
}

void SummaryWindow::BuildControls() {
    Text12 = Box(this, "Text12");
    Text1 = Box(this, "Text1");
    Text9 = Box(this, "Text9");
    Text6 = Box(this, "Text6");
    Text5 = Box(this, "Text5");
    Text10 = Box(this, "Text10");
    Text11 = Box(this, "Text11");
    Text4 = Box(this, "Text4");
    Text2 = Box(this, "Text2");
    Text3 = Box(this, "Text3");
    Command1 = new QPushButton(tr("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));

    // Three columns: section headings, captions, boxes. Every caption sits against its box.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(Twips(120), Twips(90), Twips(120), Twips(90));
    grid->setVerticalSpacing(Twips(15));
    grid->setColumnStretch(1, 1);
    int row = 0;
    grid->addWidget(Caption(this, "Label1", tr("The following data is a snapshot taken at:"), true),
                    row++, 0, 1, 3);
    auto line = [&](const char* name, const QString& text, QLineEdit* box) {
        NameAfterCaption(box, text);
        grid->addWidget(Caption(this, name, text), row, 0, 1, 2);
        grid->addWidget(box, row++, 2);
    };
    line("Label2", tr("Date:"), Text12);
    line("Label3", tr("at payment number:"), Text1);
    line("Label4", tr("Balance still Outstanding:      $"), Text9);
    grid->addWidget(Caption(this, "Label5", tr("$ Paid Out:"), true), row, 0);
    grid->addWidget(Caption(this, "Label6", tr("by Regular Payments:")), row, 1);
    grid->addWidget(Text6, row++, 2);
    line("Label7", tr("by Lump Payments: "), Text5);
    line("Label8", tr("Total Interest Paid to Date:    $"), Text10);
    line("Label9", tr("Total Principle Paid to Date: $"), Text11);
    line("Label10", tr("Extra $ paid out as a result of user specified payment changes:"), Text4);
    line("Label11", tr("If the mortgage was to continue to run, it would be paid off:"), Text2);
    line("Label12", tr("at payment number:"), Text3);
    // Captions that read on from the one above are named in full.
    Text1->setAccessibleName(tr("Snapshot at payment number"));
    Text6->setAccessibleName(tr("Paid Out by Regular Payments"));
    Text5->setAccessibleName(tr("Paid Out by Lump Payments"));
    Text3->setAccessibleName(tr("Paid off at payment number"));
    grid->addWidget(Command1, row++, 2);
    grid->setRowStretch(row, 1);

    connect(Command1, &QPushButton::clicked, this, &SummaryWindow::Command1Click);
}

void SummaryWindow::Load() {
    ServicesMessages messages(services_);
    const EngineInputs inputs = session_.Inputs();
    run_ = RunSummary(inputs, messages);
    projection_ = ProjectPayoff(run_, session_.scenario);
    const SummaryTexts t = SummaryDisplay(run_, projection_);
    Text12->setText(QString::fromStdString(t.text12));
    Text1->setText(QString::fromStdString(t.text1));
    Text9->setText(QString::fromStdString(t.text9));
    Text6->setText(QString::fromStdString(t.text6));
    Text5->setText(QString::fromStdString(t.text5));
    Text10->setText(QString::fromStdString(t.text10));
    Text11->setText(QString::fromStdString(t.text11));
    Text4->setText(QString::fromStdString(t.text4));
    Text2->setText(QString::fromStdString(t.text2));
    Text3->setText(QString::fromStdString(t.text3));
}

void SummaryWindow::Command1Click() { Unload(); }

PrintOut SummaryWindow::PrintForm() const {
    return PrintOut::Printed(OnePageReport(SummaryReport(session_.scenario, run_, projection_)));
}

} // namespace hl
