// A turn of the mouse wheel over a control, as the window system delivers it: the focus follows
// the wheel where the control takes it so.
#pragma once

#include <QApplication>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>
#include <QWidget>

namespace hl::test {

/// `notches` clicks of the wheel over the middle of `control`: positive away from the user (up).
inline void TurnWheel(QWidget* control, int notches) {
    const QPointF at(control->width() / 2.0, control->height() / 2.0);
    QWheelEvent wheel(at, control->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::sendEvent(control, &wheel);
}

} // namespace hl::test
