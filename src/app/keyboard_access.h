// Every menu command within reach of the keyboard: an Alt+letter on every menu and item, F10 to
// the menu bar, the standard shortcuts, and Ctrl+C in the grids that Copy reads.
#pragma once

#include <QKeySequence>
#include <vector>

class QMenuBar;
class QWidget;

namespace hl {

class MainWindow;

/// One command's keys: its objectName, its caption with the mnemonic marked by "&" (the
/// caption itself reads the same), and its shortcut (none for most).
struct CommandKeys {
    const char* name;
    const char* marked;
    QKeySequence shortcut;
};

/// Every top menu and item of the main window, in menu order.
const std::vector<CommandKeys>& MenuKeys();

/// Marks the mnemonics and sets the shortcuts of the main window's menus, F10 and F1.
void ApplyKeyboardAccess(MainWindow& window);

/// Has Ctrl+C in every grid of `window` run the Copy command.
void CopyFromGridsWithCtrlC(QWidget* window, MainWindow& main);

} // namespace hl
