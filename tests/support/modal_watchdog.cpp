// The modal-dialog watchdog: polls for the active modal widget and rejects it.
#include "support/modal_watchdog.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>

#include <algorithm>
#include <vector>

namespace hl::test {
namespace {

QString Describe(QWidget* modal) {
    QString line =
        QString::fromLatin1(modal->metaObject()->className()) + " \"" + modal->windowTitle() + "\"";
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        line += ": " + box->text();
    return line;
}

// The watchdogs alive, oldest first.
std::vector<ModalWatchdog*>& Alive() {
    static std::vector<ModalWatchdog*> alive;
    return alive;
}

} // namespace

ModalWatchdog::ModalWatchdog(OnDialog onDialog, int intervalMs) : onDialog_(onDialog) {
    Alive().push_back(this);
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Check(); });
    timer_.start();
}

ModalWatchdog::~ModalWatchdog() {
    std::vector<ModalWatchdog*>& alive = Alive();
    alive.erase(std::find(alive.begin(), alive.end(), this));
}

void ModalWatchdog::Check() {
    if (Alive().back() != this)
        return;
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
