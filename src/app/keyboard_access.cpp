// The keys of the main window's menus.
#include "app/keyboard_access.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>

#include "app/main_window.h"

namespace hl {

const std::vector<CommandKeys>& MenuKeys() {
    // clang-format off
    static const std::vector<CommandKeys> keys = {
        {"File",       QT_TRANSLATE_NOOP("hl::MainWindow", "&File"),                    {}},
        {"new",        QT_TRANSLATE_NOOP("hl::MainWindow", "&New "),                    QKeySequence::New},
        {"Open",       QT_TRANSLATE_NOOP("hl::MainWindow", "&Open"),                    QKeySequence::Open},
        {"OpenRecent", QT_TRANSLATE_NOOP("hl::MainWindow", "Open R&ecent"),             {}},
        {"save",       QT_TRANSLATE_NOOP("hl::MainWindow", "&Save "),                   QKeySequence::Save},
        {"PCFO",       QT_TRANSLATE_NOOP("hl::MainWindow", "Print &Current Form Only"), {}},
        {"PAFWD",      QT_TRANSLATE_NOOP("hl::MainWindow", "&Print Report"),            QKeySequence::Print},
        {"printsetup", QT_TRANSLATE_NOOP("hl::MainWindow", "Printer Se&tup"),           {}},
        {"Quit",       QT_TRANSLATE_NOOP("hl::MainWindow", "&Quit"),                    QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"Edit",       QT_TRANSLATE_NOOP("hl::MainWindow", "&Edit"),                    {}},
        {"copy",       QT_TRANSLATE_NOOP("hl::MainWindow", "&Copy"),                    QKeySequence::Copy},
        {"View",       QT_TRANSLATE_NOOP("hl::MainWindow", "&View"),                    {}},
        {"schedule",   QT_TRANSLATE_NOOP("hl::MainWindow", "&Schedule"),                {}},
        {"summary",    QT_TRANSLATE_NOOP("hl::MainWindow", "S&ummary"),                 {}},
        {"IN_FORM",    QT_TRANSLATE_NOOP("hl::MainWindow", "&Input Form"),              {}},
        {"tools",      QT_TRANSLATE_NOOP("hl::MainWindow", "&Tools"),                   {}},
        {"solvefor",   QT_TRANSLATE_NOOP("hl::MainWindow", "&Solve For..."),            {}},
        {"mestimate",  QT_TRANSLATE_NOOP("hl::MainWindow", "Mtge &Estimate"),           {}},
        {"Payshop",    QT_TRANSLATE_NOOP("hl::MainWindow", "&Payment Shopper"),         {}},
        {"purchase",   QT_TRANSLATE_NOOP("hl::MainWindow", "Buying a &Home"),           {}},
        {"Analysis",   QT_TRANSLATE_NOOP("hl::MainWindow", "&Analysis"),                {}},
        {"EDP",        QT_TRANSLATE_NOOP("hl::MainWindow", "Calc &Early Discharge Penalty"), {}},
        {"LenderTerms", QT_TRANSLATE_NOOP("hl::MainWindow", "&Lender's Terms and Penalty"), {}},
        {"refdrv",     QT_TRANSLATE_NOOP("hl::MainWindow", "&Refinance (Rewrite mtge before maturity)"), {}},
        {"Run_AS",     QT_TRANSLATE_NOOP("hl::MainWindow", "&Run a Scenario"),          {}},
        {"r_sfdir",    QT_TRANSLATE_NOOP("hl::MainWindow", "&Solve for Date and/or Interest Rate"), {}},
        {"comp_scen",  QT_TRANSLATE_NOOP("hl::MainWindow", "&Compare Scenarios"),       {}},
        {"Suggest",    QT_TRANSLATE_NOOP("hl::MainWindow", "$ &Saving Suggestions"),    {}},
        {"Help",       QT_TRANSLATE_NOOP("hl::MainWindow", " &Help"),                   {}},
        {"Helptopics", QT_TRANSLATE_NOOP("hl::MainWindow", "Help &Topics"),             QKeySequence(Qt::Key_F1)},
        {"About",      QT_TRANSLATE_NOOP("hl::MainWindow", "&About"),                   {}},
    };
    // clang-format on
    return keys;
}

namespace {

QAction* FindAction(MainWindow& window, const char* name) {
    if (QAction* command = window.Command(name))
        return command;
    for (QAction* action : window.findChildren<QAction*>())
        if (action->objectName() == QLatin1String(name))
            return action;
    return nullptr;
}

// Help Topics for an F1 that reached the main window.
class HelpKey : public QObject {
  public:
    explicit HelpKey(MainWindow& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
            window_.HelpTopicsClick();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    MainWindow& window_;
};

} // namespace

void ApplyKeyboardAccess(MainWindow& window) {
    for (const CommandKeys& keys : MenuKeys()) {
        QAction* action = FindAction(window, keys.name);
        if (!action)
            continue;
        action->setText(QCoreApplication::translate("hl::MainWindow", keys.marked));
        action->setShortcut(keys.shortcut);
    }
    // Copy and Help Topics show their keys in the menus; the keys themselves are taken where they
    // mean that command (the grids, and outside the menus), so that Ctrl+C still copies from a
    // text box and F1 on a highlighted menu still opens its own topic.
    for (const char* inMenuOnly : {"copy", "Helptopics"})
        if (QAction* action = window.Command(inMenuOnly))
            action->setShortcutContext(Qt::WidgetShortcut);

    QMenuBar* bar = window.menuBar();
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &window);
    f10->setObjectName("MenuBarKey");
    QObject::connect(f10, &QShortcut::activated, bar, [bar] {
        if (!bar->actions().isEmpty())
            bar->setActiveAction(bar->actions().first());
    });
    // F1 that no control took (it reaches the main window) opens the help contents. A key
    // filter rather than a shortcut: a shortcut would take F1 from the highlighted menus too.
    new HelpKey(window);
}

void CopyFromGridsWithCtrlC(QWidget* child, MainWindow& main) {
    for (QAbstractItemView* grid : child->findChildren<QAbstractItemView*>()) {
        if (grid->property("copyKey").toBool())
            continue;
        grid->setProperty("copyKey", true);
        auto* key = new QShortcut(QKeySequence::Copy, grid, nullptr, nullptr, Qt::WidgetShortcut);
        QObject::connect(key, &QShortcut::activated, &main, [&main] { main.CopyClick(); });
    }
}

} // namespace hl
