// The menus in each language the program speaks: every command keeps an access key of its own
// within its menu, and the French menus read in French.
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include <memory>
#include <set>

#include "app/keyboard_access.h"
#include "app/program_fixture.h"
#include "app/study_keeper.h"
#include "app/translation.h"
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

} // namespace

class FrenchMenusTest : public QObject {
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
};

} // namespace hl

HL_WINDOW_TEST(hl::FrenchMenusTest)
#include "french_menus_test.moc"
