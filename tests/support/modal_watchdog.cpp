// The modal-dialog watchdog: polls for the active modal widget and rejects it.
#include "support/modal_watchdog.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>

namespace hl::test {
namespace {

QString Describe(QWidget* modal) {
    QString line =
        QString::fromLatin1(modal->metaObject()->className()) + " \"" + modal->windowTitle() + "\"";
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        line += ": " + box->text();
    return line;
}

} // namespace

ModalWatchdog::ModalWatchdog(OnDialog onDialog, int intervalMs) : onDialog_(onDialog) {
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Check(); });
    timer_.start();
}

void ModalWatchdog::Check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    const QString line = Describe(modal);
    closed_.append(line);
    // done() rather than close(): a message box without an escape button ignores close.
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->done(QDialog::Rejected);
    else
        modal->hide();
    if (onDialog_ == OnDialog::FailTest && QTest::currentTestFunction()) {
        const QByteArray message = ("a real modal dialog opened: " + line).toUtf8();
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    }
}

} // namespace hl::test
