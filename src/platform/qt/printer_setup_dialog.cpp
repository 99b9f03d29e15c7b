// The printer set-up dialog, on the printers Qt knows of.
#include "platform/qt/printer_setup_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QVBoxLayout>

namespace hl {
namespace {

constexpr QPageSize::PageSizeId kPapers[] = {QPageSize::Letter, QPageSize::Legal, QPageSize::A4};

} // namespace

QString PrinterSetupDialog::FileChoice() { return tr("Print to File (PDF)"); }

PrinterSetupDialog::PrinterSetupDialog(QPrinter& printer, QWidget* parent)
    : QDialog(parent), printer_(printer) {
    setObjectName(QStringLiteral("PrinterSetup"));
    setWindowTitle(tr("Printer Setup"));

    Printers = new QComboBox(this);
    Printers->setObjectName(QStringLiteral("Printers"));
    Printers->addItems(QPrinterInfo::availablePrinterNames());
    Printers->addItem(FileChoice());
    const bool toFile = printer_.outputFormat() == QPrinter::PdfFormat;
    const int current = Printers->findText(toFile ? FileChoice() : printer_.printerName());
    Printers->setCurrentIndex(current >= 0 ? current : 0);

    Paper = new QComboBox(this);
    Paper->setObjectName(QStringLiteral("Paper"));
    for (const QPageSize::PageSizeId id : kPapers) {
        Paper->addItem(QPageSize::name(id), int(id));
        if (printer_.pageLayout().pageSize().id() == id)
            Paper->setCurrentIndex(Paper->count() - 1);
    }

    Portrait = new QRadioButton(tr("Portrait"), this);
    Portrait->setObjectName(QStringLiteral("Portrait"));
    Landscape = new QRadioButton(tr("Landscape"), this);
    Landscape->setObjectName(QStringLiteral("Landscape"));
    (printer_.pageLayout().orientation() == QPageLayout::Landscape ? Landscape : Portrait)
        ->setChecked(true);
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(Portrait);
    orientation->addWidget(Landscape);

    auto* form = new QFormLayout;
    form->addRow(tr("Printer:"), Printers);
    form->addRow(tr("Paper:"), Paper);
    form->addRow(tr("Orientation:"), orientation);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Apply();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void PrinterSetupDialog::Apply() {
    if (Printers->currentText() == FileChoice()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
    } else {
        printer_.setOutputFormat(QPrinter::NativeFormat);
        printer_.setPrinterName(Printers->currentText());
    }
    printer_.setPageSize(
        QPageSize(static_cast<QPageSize::PageSizeId>(Paper->currentData().toInt())));
    printer_.setPageOrientation(Landscape->isChecked() ? QPageLayout::Landscape
                                                       : QPageLayout::Portrait);
}

} // namespace hl
