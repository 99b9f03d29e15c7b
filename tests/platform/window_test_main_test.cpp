// The main every window test program shares, seen from outside: a program run by hand with no
// platform or runtime folder set still runs offscreen, and a real modal dialog fails its test
// function instead of hanging the run.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include "support/window_test_main.h"

class WindowTestMainTest : public QObject {
    Q_OBJECT
  private slots:
    void runsByHandAndFailsOnAStrayDialog();
};

void WindowTestMainTest::runsByHandAndFailsOnAStrayDialog() {
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    bare.remove("QT_QPA_PLATFORM");
    bare.remove("XDG_RUNTIME_DIR");
    bare.remove("DISPLAY");
    bare.remove("WAYLAND_DISPLAY");
    QProcess probe;
    probe.setProcessEnvironment(bare);
    probe.setProcessChannelMode(QProcess::MergedChannels);
    probe.start(HL_WINDOW_TEST_PROBE, {});
    QVERIFY(probe.waitForFinished(60000));
    const QString output = QString::fromUtf8(probe.readAll());
    QVERIFY2(probe.exitStatus() == QProcess::NormalExit, qPrintable(output));
    QCOMPARE(probe.exitCode(), 1); // QtTest's count of failed functions
    const QStringList expected{
        "PASS   : WindowTestMainProbe::runsOffscreen()",
        "FAIL!  : WindowTestMainProbe::strayDialogFails() a real modal dialog opened: "
        "QDialog \"Stray\"",
        "PASS   : WindowTestMainProbe::ownWatchdogTakesOver()",
    };
    for (const QString& line : expected)
        QVERIFY2(output.contains(line), qPrintable(output));
    // Without a runtime folder of its own, Qt would warn on every run.
    QVERIFY2(!output.contains("XDG_RUNTIME_DIR"), qPrintable(output));
}

HL_WINDOW_TEST(WindowTestMainTest)
#include "window_test_main_test.moc"
