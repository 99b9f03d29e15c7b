// The Qt services against the real widgets, offscreen: each dialog is answered from inside its
// exec() by a timer, as a user would answer it; the watchdog closes any dialog left open.
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <functional>

#include "platform/qt/qt_services.h"
#include "support/modal_watchdog.h"
#include "support/widget_lookup.h"
#include "support/window_test_main.h"

using namespace hl;
using hl::test::ModalWatchdog;

Q_DECLARE_METATYPE(hl::MessageButtons)
Q_DECLARE_METATYPE(hl::MessageAnswer)

namespace {

// Runs `act` on the next modal dialog once its exec() is running.
void OnNextModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

QWidget* HelpWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("HelpWindow"))
            return w;
    return nullptr;
}

} // namespace

class QtServicesTest : public QObject {
    Q_OBJECT
  private slots:
    void messageBoxShowsTextAndButtons_data();
    void messageBoxShowsTextAndButtons();
    void dismissedMessageBoxGivesCautiousAnswer_data();
    void dismissedMessageBoxGivesCautiousAnswer();
    void watchdogClosesPlainDialog();
    void saveDialogAddsDefaultExtension();
    void cancelledFileDialogsGiveNothing();
    void cancelledPrinterSetupGivesFalse();
    void printerSetupChoosesAndPrintsNothing();
    void clipboardRoundTrip();
    void busyPointerNests();
    void helpWindow();
};

void QtServicesTest::messageBoxShowsTextAndButtons_data() {
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<int>("expectedButtons");
    QTest::addColumn<int>("click");
    QTest::addColumn<MessageAnswer>("answer");
    const int yesNo = QMessageBox::Yes | QMessageBox::No;
    QTest::newRow("OK") << MessageButtons::Ok << int(QMessageBox::Ok) << int(QMessageBox::Ok)
                        << MessageAnswer::Ok;
    QTest::newRow("Yes") << MessageButtons::YesNo << yesNo << int(QMessageBox::Yes)
                         << MessageAnswer::Yes;
    QTest::newRow("No") << MessageButtons::YesNo << yesNo << int(QMessageBox::No)
                        << MessageAnswer::No;
    QTest::newRow("Cancel") << MessageButtons::YesNoCancel << (yesNo | QMessageBox::Cancel)
                            << int(QMessageBox::Cancel) << MessageAnswer::Cancel;
}

void QtServicesTest::messageBoxShowsTextAndButtons() {
    QFETCH(MessageButtons, buttons);
    QFETCH(int, expectedButtons);
    QFETCH(int, click);
    QFETCH(MessageAnswer, answer);
    ModalWatchdog watchdog(ModalWatchdog::OnDialog::FailTest, 3000);
    QtServices services;

    QString title, text;
    int shownButtons = 0;
    Qt::TextFormat format = Qt::AutoText;
    OnNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        format = box->textFormat();
        shownButtons = int(box->standardButtons());
        box->button(QMessageBox::StandardButton(click))->click();
    });
    QCOMPARE(services.Ask("Mtge Error Trap", "Line <one>\rline two", buttons), answer);
    QCOMPARE(title, QString("Mtge Error Trap"));
    QCOMPARE(text, QString("Line <one>\nline two"));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(shownButtons, expectedButtons);
}

void QtServicesTest::dismissedMessageBoxGivesCautiousAnswer_data() {
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::newRow("OK") << MessageButtons::Ok << MessageAnswer::Ok;
    QTest::newRow("Yes/No") << MessageButtons::YesNo << MessageAnswer::No;
    QTest::newRow("Yes/No/Cancel") << MessageButtons::YesNoCancel << MessageAnswer::Cancel;
}

void QtServicesTest::dismissedMessageBoxGivesCautiousAnswer() {
    // The watchdog rejects the box without pressing a button, as closing it from its frame does;
    // this also shows that it gets a real message box out of exec().
    QFETCH(MessageButtons, buttons);
    QFETCH(MessageAnswer, answer);
    ModalWatchdog watchdog(ModalWatchdog::OnDialog::Record, 50);
    QtServices services;
    QCOMPARE(services.Ask("Warning - possible data loss...", "Data is not saved.", buttons),
             answer);
    QCOMPARE(watchdog.Closed(),
             QStringList{"QMessageBox \"Warning - possible data loss...\": Data is not saved."});
}

void QtServicesTest::watchdogClosesPlainDialog() {
    ModalWatchdog watchdog(ModalWatchdog::OnDialog::Record, 50);
    QDialog dialog;
    dialog.setWindowTitle("Stray");
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(watchdog.Closed(), QStringList{"QDialog \"Stray\""});
    watchdog.Clear();
    watchdog.Check(); // nothing modal is left
    QVERIFY(watchdog.Closed().isEmpty());
}

void QtServicesTest::saveDialogAddsDefaultExtension() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    ModalWatchdog watchdog(ModalWatchdog::OnDialog::FailTest, 3000);
    QtServices services;

    QString title;
    QStringList filters;
    OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog)
            return;
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        // Typed as a user would: selectFile() changes folder, and the folder's late loading may
        // clear the name again before accept() reads it.
        auto* name = hl::test::Child<QLineEdit>(dialog, "fileNameEdit");
        name->setText(folder.filePath("study"));
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides it; the override runs
    });
    const auto chosen = services.AskSaveFile("Mtg Files (*.mtg)|*.mtg", "mtg", "*.mtg");
    QCOMPARE(title, QString("Save As"));
    QCOMPARE(filters, QStringList{"Mtg Files (*.mtg)"});
    QVERIFY(chosen);
    QCOMPARE(QString::fromStdString(*chosen), folder.filePath("study.mtg"));
}

void QtServicesTest::cancelledFileDialogsGiveNothing() {
    ModalWatchdog watchdog(ModalWatchdog::OnDialog::Record, 50);
    QtServices services;
    QVERIFY(!services.AskOpenFile("Mtg Files (*.mtg)|*.mtg", "mtg", "*.mtg"));
    QVERIFY(!services.AskSaveFile("Mtg Files (*.mtg)|*.mtg", "mtg", "*.mtg"));
    QCOMPARE(watchdog.Closed(), (QStringList{"QFileDialog \"Open\"", "QFileDialog \"Save As\""}));
}

void QtServicesTest::cancelledPrinterSetupGivesFalse() {
    ModalWatchdog watchdog(ModalWatchdog::OnDialog::Record, 50);
    QtServices services;
    QVERIFY(!services.AskPrinterSetup());
    QCOMPARE(watchdog.Closed(), QStringList{"hl::PrinterSetupDialog \"Printer Setup\""});
}

void QtServicesTest::printerSetupChoosesAndPrintsNothing() {
    ModalWatchdog watchdog(ModalWatchdog::OnDialog::FailTest, 3000);
    QtServices services;
    QStringList buttons;
    QString title;
    OnNextModal([&](QWidget* modal) {
        title = modal->windowTitle();
        for (const QPushButton* button : modal->findChildren<QPushButton*>())
            buttons << button->text().remove(u'&');
        hl::test::Child<QRadioButton>(modal, "Landscape")->setChecked(true);
        for (QPushButton* button : modal->findChildren<QPushButton*>())
            if (button->text().remove(u'&') == QLatin1String("OK"))
                button->click();
    });
    QVERIFY(services.AskPrinterSetup());
    QCOMPARE(title, QString("Printer Setup"));
    QCOMPARE(buttons, (QStringList{"OK", "Cancel"}));
    QCOMPARE(services.Printer().pageLayout().orientation(), QPageLayout::Landscape);
    QVERIFY(services.Printer().outputFileName().isEmpty()); // nothing was written
}

void QtServicesTest::clipboardRoundTrip() {
    QtServices services;
    QClipboard* clipboard = QGuiApplication::clipboard();
    services.SetClipboardText("1\tJan 1 1996\t894.49");
    QCOMPARE(clipboard->text(), QString("1\tJan 1 1996\t894.49"));

    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    services.SetClipboardImage(picture);
    QCOMPARE(clipboard->image().convertToFormat(QImage::Format_RGB32), picture);

    services.ClearClipboard();
    QVERIFY(clipboard->text().isEmpty());
    QVERIFY(clipboard->image().isNull());
}

void QtServicesTest::busyPointerNests() {
    {
        QtServices services;
        {
            BusyPointer outer(services);
            BusyPointer inner(services);
            QVERIFY(QApplication::overrideCursor());
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QVERIFY(!QApplication::overrideCursor());
        services.SetBusy(false); // one too many: must not pop a cursor someone else set
        services.SetBusy(true);
        QVERIFY(QApplication::overrideCursor());
    }
    // Services that go away while busy give the pointer back.
    QVERIFY(!QApplication::overrideCursor());
}

void QtServicesTest::helpWindow() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString page = folder.filePath("hearthline-help.html");
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "<html><body><h1>Contents</h1><p><a name=\"ctx510\">File menu</a></p></body></html>");
    file.close();

    QtServices services(page.toStdString());
    services.ShowHelp(510);
    auto* help = qobject_cast<QTextBrowser*>(HelpWindow());
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->source().fragment(), QString("ctx510"));
    QCOMPARE(help->source().toLocalFile(), page);

    services.ShowHelp(0);
    QVERIFY(help->source().fragment().isEmpty());

    services.CloseHelp();
    QVERIFY(!help->isVisible());

    // A missing page still opens the window, saying which file it looked for.
    services.SetHelpFile(folder.filePath("missing.html").toStdString());
    services.ShowHelp(520);
    QVERIFY(help->isVisible());
    QVERIFY(help->toPlainText().contains("missing.html"));
}

HL_WINDOW_TEST(QtServicesTest)
#include "qt_services_test.moc"
