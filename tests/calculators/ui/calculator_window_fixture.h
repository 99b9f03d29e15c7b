// A calculator window under test: its test bed, the window itself, and helpers that move the
// focus the way a user would.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <memory>

#include "support/widget_lookup.h"
#include "support/window_test_bed.h"

namespace hl::test {

/// Shows `window` and makes it the active window, so that focus changes send focus events.
inline void Activate(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    window->activateWindow();
}

/// Types `text` into a box that has just been given the focus, replacing what it held.
inline void TypeInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

/// The text of a box found by name.
inline QString BoxText(QWidget* window, const char* name) {
    return Child<QLineEdit>(window, name)->text();
}

/// The first line of a message's text.
inline std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\r')); }

/// What went against the services' script, one line each ("" when the test kept to it).
inline std::string Unscripted(const ScriptedServices& services) {
    std::string lines;
    for (const std::string& line : services.Unexpected())
        lines += line + "\n";
    return lines;
}

/// Closes a window as the main window would, and lets it delete itself.
inline void CloseAndDelete(QWidget* window) {
    QPointer<QWidget> guard(window);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
}

} // namespace hl::test
