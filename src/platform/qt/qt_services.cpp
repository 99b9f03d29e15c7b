// The Qt services: each call shows the real dialog or touches the real clipboard and cursor.
#include "platform/qt/qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>

#include "platform/qt/printer_setup_dialog.h"
#include "platform/qt/qt_text.h"

namespace hl {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        break;
    }
    return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
}

} // namespace

QtServices::QtServices(std::string helpFile, QWidget* parent)
    : parent_(parent), helpFile_(std::move(helpFile)) {}

QtServices::~QtServices() {
    if (busyDepth_ > 0)
        QApplication::restoreOverrideCursor();
}

void QtServices::SetParentWindow(QWidget* parent) { parent_ = parent; }

void QtServices::SetHelpFile(std::string path) { helpFile_ = std::move(path); }

QPrinter& QtServices::Printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The reports are laid out for Letter paper in portrait.
        printer_->setPageSize(QPageSize(QPageSize::Letter));
        printer_->setPageOrientation(QPageLayout::Portrait);
    }
    return *printer_;
}

MessageAnswer QtServices::Ask(const std::string& title, const std::string& text,
                              MessageButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, Q(title), Q(MessageLines(text)), ButtonsOf(buttons),
                    parent_);
    // Messages are plain text: a "<" in a message must not switch the box to rich text.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(buttons == MessageButtons::Ok ? QMessageBox::Ok : QMessageBox::Yes);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return DismissedAnswer(buttons);
    }
}

void QtServices::Beep() { QApplication::beep(); }

std::optional<std::string> QtServices::AskOpenFile(const std::string& filter,
                                                   const std::string& defaultExtension,
                                                   const std::string& initialName) {
    return AskFile(false, filter, defaultExtension, initialName);
}

std::optional<std::string> QtServices::AskSaveFile(const std::string& filter,
                                                   const std::string& defaultExtension,
                                                   const std::string& initialName) {
    return AskFile(true, filter, defaultExtension, initialName);
}

std::optional<std::string> QtServices::AskFile(bool save, const std::string& filter,
                                               const std::string& defaultExtension,
                                               const std::string& initialName) {
    QFileDialog dialog(parent_,
                       save ? QCoreApplication::translate("hl::QtServices", "Save As")
                            : QCoreApplication::translate("hl::QtServices", "Open"),
                       lastFolder_, Q(DialogFilter(filter)));
    // Qt's own dialog behaves the same on every desktop; a native one would differ with the theme.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QString suffix = Q(defaultExtension);
    if (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (!initialName.empty())
        dialog.selectFile(Q(initialName));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty())
        return std::nullopt;
    lastFolder_ = QFileInfo(files.first()).absolutePath();
    // The dialog adds the suffix to a typed name; adding it here too makes the promise of the
    // interface hold however the name was chosen.
    return WithDefaultExtension(files.first().toStdString(), defaultExtension);
}

bool QtServices::AskPrinterSetup() {
    // Only a choice of printer and paper: the print dialog would print (or ask for a file).
    PrinterSetupDialog dialog(Printer(), parent_);
    return dialog.exec() == QDialog::Accepted;
}

PrintResult QtServices::PrintDocument(const std::string& name,
                                      const std::function<bool(QPrinter&)>& draw) {
    QPrinter& printer = Printer();
    printer.setDocName(Q(name));
    // Printing to a file offers a file named after the document, in the folder last used, so
    // that one report does not silently take the place of another.
    if (!printer.outputFileName().isEmpty()) {
        const QFileInfo last(printer.outputFileName());
        printer.setOutputFileName(last.dir().filePath(Q(name) + QStringLiteral(".pdf")));
    }
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle(QCoreApplication::translate("hl::QtServices", "Print"));
    if (dialog.exec() != QDialog::Accepted)
        return PrintResult::Cancelled;
    return draw(printer) ? PrintResult::Printed : PrintResult::Failed;
}

void QtServices::ClearClipboard() { QGuiApplication::clipboard()->clear(); }

void QtServices::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(Q(text));
}

void QtServices::SetClipboardImage(const QImage& image) {
    QGuiApplication::clipboard()->setImage(image);
}

void QtServices::SetBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void QtServices::ShowHelp(int context) {
    if (!help_) {
        // A window of its own, not a child of the main window: help stays beside the program the
        // way a separate help viewer would.
        help_ = std::make_unique<QTextBrowser>();
        help_->setObjectName(QStringLiteral("HelpWindow"));
        help_->setWindowTitle(QCoreApplication::translate("hl::QtServices", "Hearthline Help"));
        help_->setOpenExternalLinks(true);
        help_->resize(640, 480);
    }
    const QString file = Q(helpFile_);
    if (!file.isEmpty() && QFileInfo::exists(file)) {
        QUrl url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
        const std::string anchor = HelpAnchor(context);
        if (!anchor.empty())
            url.setFragment(Q(anchor));
        help_->setSource(url);
    } else {
        help_->setPlainText(
            QCoreApplication::translate("hl::QtServices", "The help file %1 cannot be found.")
                .arg(file));
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void QtServices::CloseHelp() {
    if (help_)
        help_->close();
}

namespace {

// Named here, not through the application's names, so that tests and the program agree.
constexpr const char* kSettingsOwner = "Hearthline";

} // namespace

std::vector<std::string> QtServices::SettingList(const std::string& key) {
    std::vector<std::string> list;
    const QSettings settings(kSettingsOwner, kSettingsOwner);
    for (const QString& item : settings.value(Q(key)).toStringList())
        list.push_back(item.toStdString());
    return list;
}

void QtServices::SetSettingList(const std::string& key, const std::vector<std::string>& list) {
    QStringList items;
    for (const std::string& item : list)
        items << Q(item);
    QSettings settings(kSettingsOwner, kSettingsOwner);
    settings.setValue(Q(key), items);
    settings.sync();
}

std::string QtServices::DataFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    if (!folder.endsWith('/'))
        folder += '/';
    return folder.toStdString();
}

} // namespace hl
