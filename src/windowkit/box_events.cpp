// Focus and key events of a calculator window's controls.
#include "windowkit/box_events.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

namespace hl {
namespace {

// A message box or a drop-down list takes the focus away and gives it back; that is not the
// user leaving or entering a box, and running a field check there would ask again and again.
bool MadeInsideTheWindow(const QFocusEvent* event) {
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

} // namespace

BoxEvents::Handlers& BoxEvents::Watch(QWidget* control) {
    auto [it, added] = handlers_.try_emplace(control);
    if (added) {
        control->installEventFilter(this);
        // A control deleted before the window must not leave a dangling key behind.
        connect(control, &QObject::destroyed, this,
                [this](QObject* gone) { handlers_.erase(gone); });
    }
    return it->second;
}

void BoxEvents::OnGotFocus(QWidget* control, std::function<void()> handler) {
    Watch(control).gotFocus = std::move(handler);
}

void BoxEvents::OnLostFocus(QWidget* control, std::function<void()> handler) {
    Watch(control).lostFocus = std::move(handler);
}

void BoxEvents::OnKey(QWidget* control, int key, std::function<void()> handler) {
    Watch(control).keys[key] = std::move(handler);
}

void BoxEvents::ReturnFocus(QWidget* control) {
    const bool wasQuiet = quiet_;
    quiet_ = true;
    control->setFocus(Qt::OtherFocusReason);
    quiet_ = wasQuiet;
}

bool BoxEvents::eventFilter(QObject* watched, QEvent* event) {
    if (stopped_)
        return false;
    const auto it = handlers_.find(watched);
    if (it == handlers_.end())
        return false;
    // Copies: a handler may replace the handlers or close the window.
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto key = it->second.keys.find(static_cast<QKeyEvent*>(event)->key());
        if (key == it->second.keys.end())
            return false;
        const std::function<void()> handler = key->second;
        handler();
        return true;
    }
    case QEvent::FocusIn:
        if (!quiet_ && it->second.gotFocus &&
            MadeInsideTheWindow(static_cast<QFocusEvent*>(event))) {
            const std::function<void()> handler = it->second.gotFocus;
            handler();
        }
        return false;
    case QEvent::FocusOut:
        if (!quiet_ && it->second.lostFocus &&
            MadeInsideTheWindow(static_cast<QFocusEvent*>(event))) {
            const std::function<void()> handler = it->second.lostFocus;
            handler();
        }
        return false;
    default:
        return false;
    }
}

} // namespace hl
