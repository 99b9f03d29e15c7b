// The text conversions between the windows and Qt's dialogs.
#include <QTest>

#include "platform/qt/qt_text.h"
#include "support/window_test_main.h"

using namespace hl;

class QtTextTest : public QObject {
    Q_OBJECT
  private slots:
    void dialogFilter_data();
    void dialogFilter();
    void messageLines_data();
    void messageLines();
    void defaultExtension_data();
    void defaultExtension();
    void helpAnchor();
    void helpFilePath_data();
    void helpFilePath();
};

void QtTextTest::dialogFilter_data() {
    QTest::addColumn<QString>("classic");
    QTest::addColumn<QString>("qt");
    // The study file filter of the main window: its description already names its pattern.
    QTest::newRow("study files") << "Mtg Files (*.mtg)|*.mtg"
                                 << "Mtg Files (*.mtg)";
    QTest::newRow("description without pattern") << "Studies|*.mtg"
                                                 << "Studies (*.mtg)";
    QTest::newRow("two filters") << "Mtg Files (*.mtg)|*.mtg|All Files (*.*)|*.*"
                                 << "Mtg Files (*.mtg);;All Files (*.*)";
    QTest::newRow("several patterns") << "Text|*.txt;*.prn"
                                      << "Text (*.txt *.prn)";
    QTest::newRow("own list with semicolons") << "Text (*.txt;*.prn)|*.txt;*.prn"
                                              << "Text (*.txt *.prn)";
    // Qt reads the patterns from the last parentheses, so a different parenthesis must not
    // become the pattern.
    QTest::newRow("other parentheses kept") << "Mortgage (old)|*.mtg"
                                            << "Mortgage (old) (*.mtg)";
    QTest::newRow("pattern only") << "|*.mtg"
                                  << "*.mtg";
    QTest::newRow("missing pattern") << "*.mtg"
                                     << "*.mtg";
    QTest::newRow("empty") << ""
                           << "";
}

void QtTextTest::dialogFilter() {
    QFETCH(QString, classic);
    QFETCH(QString, qt);
    QCOMPARE(QString::fromStdString(DialogFilter(classic.toStdString())), qt);
}

void QtTextTest::messageLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no break") << "Error - Input data is incomplete"
                              << "Error - Input data is incomplete";
    QTest::newRow("one break") << "first line\rsecond line"
                               << "first line\nsecond line";
    QTest::newRow("CR LF is one break") << "a\r\nb"
                                        << "a\nb";
    QTest::newRow("two breaks make an empty line") << "a\r\rb"
                                                   << "a\n\nb";
    QTest::newRow("break at the end") << "a\r"
                                      << "a\n";
    QTest::newRow("newline left alone") << "a\nb"
                                        << "a\nb";
}

void QtTextTest::messageLines() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(QString::fromStdString(MessageLines(text.toStdString())), shown);
}

void QtTextTest::defaultExtension_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("result");
    QTest::newRow("bare name") << "/home/u/study"
                               << "mtg"
                               << "/home/u/study.mtg";
    QTest::newRow("extension with dot") << "/home/u/study"
                                        << ".mtg"
                                        << "/home/u/study.mtg";
    QTest::newRow("has extension") << "/home/u/study.mtg"
                                   << "mtg"
                                   << "/home/u/study.mtg";
    QTest::newRow("other extension kept") << "/home/u/study.txt"
                                          << "mtg"
                                          << "/home/u/study.txt";
    // Only the file name counts: a dot in a folder name is no extension.
    QTest::newRow("dot in folder") << "/home/u.v/study"
                                   << "mtg"
                                   << "/home/u.v/study.mtg";
    QTest::newRow("backslash folder") << "C:\\a.b\\study"
                                      << "mtg"
                                      << "C:\\a.b\\study.mtg";
    QTest::newRow("folder only") << "/home/u/"
                                 << "mtg"
                                 << "/home/u/";
    QTest::newRow("no extension wanted") << "/home/u/study"
                                         << ""
                                         << "/home/u/study";
}

void QtTextTest::defaultExtension() {
    QFETCH(QString, path);
    QFETCH(QString, extension);
    QFETCH(QString, result);
    QCOMPARE(
        QString::fromStdString(WithDefaultExtension(path.toStdString(), extension.toStdString())),
        result);
}

void QtTextTest::helpAnchor() {
    QCOMPARE(HelpAnchor(510), std::string("ctx510"));
    QCOMPARE(HelpAnchor(0), std::string());
    QCOMPARE(HelpAnchor(-1), std::string());
}

void QtTextTest::helpFilePath_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("path");
    QTest::newRow("folder with slash") << "/opt/hl/"
                                       << "/opt/hl/help/hearthline-help.html";
    QTest::newRow("folder without slash") << "/opt/hl"
                                          << "/opt/hl/help/hearthline-help.html";
    QTest::newRow("trailing blanks") << "/opt/hl/  "
                                     << "/opt/hl/help/hearthline-help.html";
    QTest::newRow("backslash folder") << "C:\\hl\\"
                                      << "C:\\hl\\help/hearthline-help.html";
    QTest::newRow("no folder") << ""
                               << "help/hearthline-help.html";
}

void QtTextTest::helpFilePath() {
    QFETCH(QString, folder);
    QFETCH(QString, path);
    QCOMPARE(QString::fromStdString(HelpFilePath(folder.toStdString())), path);
}

HL_WINDOW_TEST(QtTextTest)
#include "qt_text_test.moc"
