// The menus and windows in each language the program speaks: every command keeps an access key of
// its own within its menu, the French menus read in French, and no caption of the main window's
// own windows (nor the text of a box that only shows) is cut or stands outside its window.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include <map>
#include <memory>
#include <set>

#include "app/keyboard_access.h"
#include "app/program_fixture.h"
#include "app/study_keeper.h"
#include "app/translation.h"
#include "files/working_files.h"
#include "scenario/ui/payment_changes_window.h"
#include "support/standard_scenario.h"
#include "support/window_test_main.h"

namespace hl {
namespace {

// The access key of a caption: the letter after its single "&", lower case, accents left
// on ("É&dition" gives "d"); "" when it has none.
QString AccessKey(const QString& caption) {
    for (qsizetype at = caption.indexOf(QLatin1Char('&')); at >= 0 && at + 1 < caption.size();
         at = caption.indexOf(QLatin1Char('&'), at + 2)) {
        if (caption[at + 1] != QLatin1Char('&'))
            return caption.mid(at + 1, 1).toLower();
    }
    return {};
}

// "File: Open and Quit share "q"" for each clash, "File: Open has no key" for each command
// without one, in the menu bar and in every menu under it.
// `keyed` counts the commands that have a key.
QStringList KeyFaults(const QString& where, const QList<QAction*>& actions, int& keyed) {
    QStringList faults;
    std::map<QString, QString> taken;
    for (const QAction* action : actions) {
        if (action->isSeparator() || action->text().isEmpty())
            continue;
        const QString key = AccessKey(action->text());
        keyed += key.isEmpty() ? 0 : 1;
        if (key.isEmpty())
            faults << QStringLiteral("%1: %2 has no key").arg(where, action->text());
        else if (const auto [it, added] = taken.emplace(key, action->text()); !added)
            faults << QStringLiteral("%1: %2 and %3 share \"%4\"")
                          .arg(where, it->second, action->text(), key);
        if (QMenu* menu = action->menu())
            faults << KeyFaults(action->text(), menu->actions(), keyed);
    }
    return faults;
}

// A caption as it is drawn: the "&" before an access key is not ("&&" is one "&").
QString Drawn(const QString& caption) {
    QString drawn;
    for (qsizetype k = 0; k < caption.size(); ++k) {
        if (caption[k] == QLatin1Char('&') && k + 1 < caption.size())
            ++k;
        drawn += caption[k];
    }
    return drawn;
}

// The captions of `window` that its place cuts: "Label5: 130 px for 152".
QStringList CutCaptions(const QWidget& window) {
    QStringList cut;
    const QRect inside = window.rect();
    auto check = [&](const QWidget* control, const QString& text, int needed, bool fits) {
        const QRect place(control->mapTo(&window, QPoint(0, 0)), control->size());
        if (!fits || !inside.contains(place))
            cut << QStringLiteral("%1 \"%2\": %3x%4 px at %5,%6 for %7")
                       .arg(control->objectName(), text)
                       .arg(control->width())
                       .arg(control->height())
                       .arg(place.x())
                       .arg(place.y())
                       .arg(needed);
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().trimmed().isEmpty() ||
            !label->pixmap().isNull())
            continue;
        if (label->wordWrap()) {
            const int needed = label->heightForWidth(label->width());
            check(label, label->text(), needed, needed <= label->height());
        } else {
            // A label with a buddy draws its access key underlined, without the "&".
            const QString text = label->buddy() ? Drawn(label->text()) : label->text();
            const int needed = label->fontMetrics().horizontalAdvance(text);
            check(label, label->text(), needed, needed <= label->contentsRect().width());
        }
    }
    // A box that only shows a text (a status, a figure) shows all of it.
    for (const QLineEdit* box : window.findChildren<QLineEdit*>()) {
        if (!box->isVisibleTo(&window) || !box->isReadOnly() || box->text().isEmpty())
            continue;
        const int needed = box->fontMetrics().horizontalAdvance(box->text());
        check(box, box->text(), needed, needed <= box->contentsRect().width() - 4);
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window) || button->text().isEmpty())
            continue;
        const QFontMetrics metrics = button->fontMetrics();
        // A push button's caption may wrap (the input form's table button draws it so); a check
        // box's stays on one line beside its box.
        const bool oneLine = qobject_cast<const QCheckBox*>(button) != nullptr;
        const int room = button->width() - (oneLine ? 20 : 8);
        const QString text = Drawn(button->text());
        const int wide = metrics.horizontalAdvance(text);
        const int high =
            metrics.boundingRect(QRect(0, 0, room, 1000), Qt::TextWordWrap, text).height();
        check(button, button->text(), wide,
              wide <= room || (!oneLine && high <= button->height() - 4));
    }
    return cut;
}

} // namespace

class FrenchWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void accessKeysAreDistinctInEachMenu_data() {
        QTest::addColumn<bool>("french");
        QTest::newRow("English") << false;
        QTest::newRow("French") << true;
    }

    void accessKeysAreDistinctInEachMenu() {
        QFETCH(bool, french);
        const ProgramTranslation translation(french ? Language::French : Language::English,
                                             HL_FRENCH_TRANSLATION);
        QCOMPARE(translation.Spoken() == Language::French, french);
        test::Program p;
        int keyed = 0;
        const QStringList faults =
            KeyFaults(QStringLiteral("menu bar"), p.window->menuBar()->actions(), keyed);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        // Every command of the menus was seen (the recent studies list is empty here).
        QCOMPARE(keyed, static_cast<int>(MenuKeys().size()));
    }

    // An access key of a window's own (a box's caption, a button) is Alt and a letter, as the
    // menu bar's are: a letter both use opens the menu, never the box. In each language every
    // window's keys differ from one another and from the menu bar's.
    void windowAccessKeysLeaveTheMenuBarAlone_data() { accessKeysAreDistinctInEachMenu_data(); }

    void windowAccessKeysLeaveTheMenuBarAlone() {
        QFETCH(bool, french);
        const ProgramTranslation translation(french ? Language::French : Language::English,
                                             HL_FRENCH_TRANSLATION);
        test::Program p;
        p.CompleteScenario();
        std::map<QString, QString> bar;
        for (const QAction* action : p.window->menuBar()->actions())
            if (const QString key = AccessKey(action->text()); !key.isEmpty())
                bar.emplace(key, action->text());
        QStringList faults;
        int keyed = 0;
        for (const WindowRow& row : ProgramWindows()) {
            if (!row.make)
                continue;
            ChildWindow* window = p.window->ShowChild(row.id);
            if (!window)
                continue;
            std::map<QString, QString> taken = bar;
            const auto take = [&](const QString& caption) {
                const QString key = AccessKey(caption);
                if (key.isEmpty())
                    return;
                ++keyed;
                if (const auto [it, added] = taken.emplace(key, caption); !added)
                    faults << QStringLiteral("%1: %2 and %3 share \"%4\"")
                                  .arg(QString::fromLatin1(WindowName(row.id)), it->second, caption,
                                       key);
            };
            for (const QLabel* label : window->findChildren<QLabel*>())
                if (label->buddy())
                    take(label->text());
            for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
                take(button->text());
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        QVERIFY(keyed >= 28); // the lender's terms and the purchase windows' keys at least
    }

    void frenchMenusReadInFrench() {
        const ProgramTranslation translation(Language::French, HL_FRENCH_TRANSLATION);
        test::Program p;
        QStringList english;
        for (const CommandKeys& keys : MenuKeys()) {
            const QAction* action = p.window->Command(keys.name);
            if (!action)
                action = p.window->findChild<QMenu*>(QString::fromLatin1(keys.name))->menuAction();
            if (action->text() == QString::fromUtf8(keys.marked))
                english << action->text();
        }
        QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral(", "))));
        QCOMPARE(p.window->windowTitle(), QStringLiteral("Hearthline - version 2.0"));
    }

    void captionsStandWhole_data() {
        QTest::addColumn<bool>("french");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("scheduleOption"); // the schedule window's choice, 2 anniversaries
        for (const bool french : {false, true}) {
            const char* language = french ? "French" : "English";
            for (const WindowId id :
                 {WindowId::Form2, WindowId::Form4, WindowId::Form13, WindowId::Form15,
                  WindowId::Form17, WindowId::Form18, WindowId::Form19})
                QTest::addRow("%s %s", language, WindowName(id)) << french << int(id) << 1;
            // The print control's longest status: the schedule of the loan's anniversaries.
            QTest::addRow("%s Form15 anniversaries", language)
                << french << int(WindowId::Form15) << 2;
        }
    }

    void captionsStandWhole() {
        QFETCH(bool, french);
        QFETCH(int, id);
        QFETCH(int, scheduleOption);
        const ProgramTranslation translation(french ? Language::French : Language::English,
                                             HL_FRENCH_TRANSLATION);
        test::Program p;
        p.CompleteScenario();
        p.session.changes.entries = test::SampleChanges();
        ToolSection option(ToolFile::ScheduleOption);
        option.SetWhole(0, scheduleOption);
        QVERIFY(WriteToolFile(p.session.folder, option));
        ChildWindow* window = p.window->ShowChild(static_cast<WindowId>(id));
        QVERIFY(window);
        if (auto* table = qobject_cast<PaymentChangesWindow*>(window))
            table->Prepare();
        QCoreApplication::processEvents();
        const QStringList cut = CutCaptions(*window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        // A window smaller than its layout's least size squeezes its boxes below their own.
        if (const QLayout* layout = window->layout()) {
            const QSize least = layout->minimumSize();
            QVERIFY2(least.width() <= window->width() && least.height() <= window->height(),
                     qPrintable(QStringLiteral("%1x%2 px for a layout of at least %3x%4")
                                    .arg(window->width())
                                    .arg(window->height())
                                    .arg(least.width())
                                    .arg(least.height())));
        }
        // The caption of its frame: a title wider than the frame's bar loses its end.
        const auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        QVERIFY(frame);
        const int title = frame->fontMetrics().horizontalAdvance(window->windowTitle());
        QVERIFY2(title <= frame->width() - 90,
                 qPrintable(QStringLiteral("\"%1\" is %2 px in a %3 px frame")
                                .arg(window->windowTitle())
                                .arg(title)
                                .arg(frame->width())));
    }
};

} // namespace hl

HL_WINDOW_TEST(hl::FrenchWindowsTest)
#include "french_windows_test.moc"
