// The control lookup that window tests use: found by name at any depth, and a loud stop that
// names the control when it is missing.
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include "support/widget_lookup.h"
#include "support/window_test_main.h"

using hl::test::Child;
using hl::test::FindChild;

class WidgetLookupTest : public QObject {
    Q_OBJECT
  private slots:
    void findsNestedControlByName();
    void stopsLoudly_data();
    void stopsLoudly();
};

void WidgetLookupTest::findsNestedControlByName() {
    QWidget form;
    auto* frame = new QWidget(&form);
    frame->setObjectName("Frame1");
    auto* text1 = new QLineEdit(frame);
    text1->setObjectName("Text1");
    auto* label1 = new QLabel(&form);
    label1->setObjectName("Label1");

    QCOMPARE(Child<QLineEdit>(&form, "Text1"), text1);
    QCOMPARE(Child<QLabel>(&form, "Label1"), label1);
    QCOMPARE(FindChild<QLineEdit>(&form, "Label1"), nullptr);
    QCOMPARE(FindChild<QLineEdit>(&form, "Text2"), nullptr);
    QCOMPARE(FindChild<QLineEdit>(nullptr, "Text1"), nullptr);
}

void WidgetLookupTest::stopsLoudly_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing name") << "missing"
                                  << "Child(\"Text9\") in \"Form2\": no QObject";
    QTest::newRow("wrong type") << "wrong-type"
                                << "Child(\"Text1\") in \"Form2\": it is a QObject, not a "
                                   "QCoreApplication";
}

void WidgetLookupTest::stopsLoudly() {
    QFETCH(QString, failure);
    QFETCH(QString, message);
    QProcess probe;
    probe.start(HL_LOOKUP_PROBE, {failure});
    QVERIFY(probe.waitForFinished(30000));
    QVERIFY(probe.exitStatus() == QProcess::CrashExit || probe.exitCode() != 0);
    const QString output = QString::fromUtf8(probe.readAllStandardError());
    QVERIFY2(output.contains(message), qPrintable(output));
}

HL_WINDOW_TEST(WidgetLookupTest)
#include "widget_lookup_test.moc"
