// A window test program run by window_test_main_test: one function opens a real modal dialog,
// which the main's watchdog must close and fail; the others must pass.
#include <QDialog>
#include <QGuiApplication>
#include <QTest>

#include "support/modal_watchdog.h"
#include "support/window_test_main.h"

class WindowTestMainProbe : public QObject {
    Q_OBJECT
  private slots:
    void runsOffscreen() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen")); }

    void strayDialogFails() {
        QDialog dialog;
        dialog.setWindowTitle("Stray");
        dialog.exec();
    }

    void ownWatchdogTakesOver() {
        hl::test::ModalWatchdog watchdog(hl::test::ModalWatchdog::OnDialog::Record);
        QDialog dialog;
        dialog.setWindowTitle("Expected");
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(watchdog.Closed(), QStringList{"QDialog \"Expected\""});
    }
};

HL_WINDOW_TEST(WindowTestMainProbe)
#include "window_test_main_probe.moc"
