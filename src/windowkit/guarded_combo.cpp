// A drop-down list that asks before every change the user makes to it.
#include "windowkit/guarded_combo.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWheelEvent>

namespace hl {

bool GuardedCombo::MayChange() {
    refused_ = false;
    if (asking_)
        return false; // nothing changes under an open question
    if (!mayChange_)
        return true;
    asking_ = true;
    const std::function<bool()> ask = mayChange_; // the handler may replace itself
    refused_ = !ask();
    asking_ = false;
    return !refused_;
}

bool GuardedCombo::Choose(int index) {
    if (index < 0 || index >= count() || index == currentIndex())
        return true;
    if (!MayChange())
        return false;
    setCurrentIndex(index);
    emit activated(index);
    emit textActivated(itemText(index));
    return true;
}

int GuardedCombo::NextEnabled(int from, int step) const {
    for (int i = from + step; i >= 0 && i < count(); i += step)
        if (model()->flags(model()->index(i, modelColumn(), rootModelIndex())) & Qt::ItemIsEnabled)
            return i;
    return -1;
}

int GuardedCombo::Search(const QString& text) {
    // The list's own type-ahead (which gathers the letters typed in quick succession) run on the
    // hidden list, without touching the choice.
    QAbstractItemView* list = view();
    const QModelIndex current = model()->index(currentIndex(), modelColumn(), rootModelIndex());
    list->setCurrentIndex(current);
    list->keyboardSearch(text);
    const int found = list->currentIndex().row();
    list->setCurrentIndex(current);
    return found;
}

void GuardedCombo::showPopup() {
    if (!MayChange())
        return;
    if (onDropDown_) {
        const std::function<void()> handler = onDropDown_;
        handler();
    }
    QComboBox::showPopup();
}

void GuardedCombo::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    switch (event->reason()) {
    case Qt::MouseFocusReason:
    case Qt::PopupFocusReason:        // back from the list
    case Qt::ActiveWindowFocusReason: // back from a message or another window
    case Qt::MenuBarFocusReason:
        return;
    default:
        if (onFocusByKeys_) {
            const std::function<void()> handler = onFocusByKeys_;
            handler();
        }
    }
}

void GuardedCombo::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    int to = -2; // not a key that moves the choice: the list's own handling
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        if (!(mods & Qt::ControlModifier))
            to = NextEnabled(currentIndex(), -1);
        break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        if (!(mods & (Qt::ControlModifier | Qt::AltModifier)))
            to = NextEnabled(currentIndex(), +1);
        break;
    case Qt::Key_Home:
        to = NextEnabled(-1, +1);
        break;
    case Qt::Key_End:
        to = NextEnabled(count(), -1);
        break;
    case Qt::Key_Space: // opens the list
        break;
    default:
        if (const QString text = event->text(); !text.isEmpty() && text.at(0).isPrint())
            to = Search(text);
    }
    if (to == -2)
        return QComboBox::keyPressEvent(event);
    event->accept();
    Choose(to);
}

void GuardedCombo::mousePressEvent(QMouseEvent* event) {
    refused_ = false;
    QComboBox::mousePressEvent(event); // opens the list through showPopup
    if (refused_) {
        // The button's release went to the question: the list's arrow is drawn up again, as
        // after a release.
        QMouseEvent release(QEvent::MouseButtonRelease, event->position(), event->scenePosition(),
                            event->globalPosition(), event->button(), Qt::NoButton,
                            event->modifiers());
        QComboBox::mouseReleaseEvent(&release);
    }
}

void GuardedCombo::wheelEvent(QWheelEvent* event) {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (!style()->styleHint(QStyle::SH_ComboBox_AllowWheelScrolling, &option, this))
        return QComboBox::wheelEvent(event);
    event->accept();
    const int delta = event->angleDelta().y();
    if (view()->isVisible() || delta == 0)
        return;
    const Qt::ScrollPhase phase = event->phase();
    if (refusedGesture_ && (phase == Qt::ScrollUpdate || phase == Qt::ScrollMomentum))
        return;
    refusedGesture_ = false;
    if (!Choose(NextEnabled(currentIndex(), delta > 0 ? -1 : +1)))
        refusedGesture_ = phase == Qt::ScrollBegin || phase == Qt::ScrollUpdate;
}

} // namespace hl
