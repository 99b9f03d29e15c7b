// Focus and key events of a child window's controls.
#include "windowkit/box_events.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include "platform/services.h"

namespace hl {
namespace {

// A message box or a drop-down list takes the focus away and gives it back; that is not the
// user leaving or entering a box, and running a field check there would ask again and again.
bool MadeByTheUser(const QFocusEvent* event) {
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

bool IsEnter(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// A key that types a character; navigation keys and shortcuts are left to the box.
bool TypesCharacter(const QKeyEvent& key) {
    const QString text = key.text();
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false; // a shortcut, not typing
    return !text.isEmpty() && (text[0].isPrint() || IsEnter(key) || key.key() == Qt::Key_Backspace);
}

// What the numeric keys let through, at once: digits and at most one point.
bool IsNumberText(const QString& text) {
    qsizetype points = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('.'))
            ++points;
        else if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return points <= 1;
}

// The events by which a box takes text from elsewhere: the paste keys, the middle button (the
// X selection), a drop, and the context menu's Paste.
bool MayPaste(const QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return static_cast<const QKeyEvent*>(event)->matches(QKeySequence::Paste);
    case QEvent::MouseButtonRelease:
        return static_cast<const QMouseEvent*>(event)->button() == Qt::MiddleButton;
    case QEvent::Drop:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

// Keys that change a box's text without typing a character: deletions, cut, paste, undo.
bool EditsWithoutTyping(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Delete || key.key() == Qt::Key_Backspace)
        return true;
    for (const QKeySequence::StandardKey edit :
         {QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo, QKeySequence::Redo,
          QKeySequence::DeleteEndOfWord, QKeySequence::DeleteStartOfWord,
          QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine})
        if (key.matches(edit))
            return true;
    return false;
}

bool IsNumberKey(const QKeyEvent& key) {
    const QChar c = key.text()[0];
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
}

void MoveToNext(QWidget* box) {
    // Skip controls that cannot take the focus, as Tab does.
    QWidget* w = box->nextInFocusChain();
    while (
        w && w != box &&
        (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisibleTo(box->window())))
        w = w->nextInFocusChain();
    if (w && w != box)
        w->setFocus(Qt::TabFocusReason);
}

} // namespace

BoxEvents::BoxEvents(QWidget* window, Services& services)
    : QObject(window), window_(window), services_(services) {}

BoxEvents::Handlers& BoxEvents::Watch(QWidget* control) {
    auto [it, added] = handlers_.try_emplace(control);
    if (added) {
        control->installEventFilter(this);
        // A control deleted before the window must not leave a dangling key behind.
        connect(control, &QObject::destroyed, this, [this](QObject* gone) {
            handlers_.erase(gone);
            if (entered_ == gone)
                entered_ = nullptr;
        });
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

void BoxEvents::OnTyped(QWidget* control, std::function<bool(const QKeyEvent&)> handler) {
    Watch(control).typed = std::move(handler);
}

void BoxEvents::EnterMovesOn(QWidget* control) { Watch(control).enterMovesOn = true; }

void BoxEvents::NumericOnly(QWidget* control, std::function<void()> edited) {
    Handlers& h = Watch(control);
    h.numeric = true;
    h.enterMovesOn = true;
    h.edited = std::move(edited);
    h.pasteAllowed = [](const QString& inserted, qsizetype) { return IsNumberText(inserted); };
    h.pasteRefused = [this](const QString&) { services_.Beep(); };
}

void BoxEvents::OnPaste(QWidget* control, PasteRule allowed, PasteRefused refused) {
    Handlers& h = Watch(control);
    h.pasteAllowed = std::move(allowed);
    h.pasteRefused = std::move(refused);
}

void BoxEvents::GuardEdits(QWidget* control, std::function<bool()> asks,
                           std::function<bool()> mayEdit) {
    Handlers& h = Watch(control);
    h.editAsks = std::move(asks);
    h.mayEdit = std::move(mayEdit);
}

void BoxEvents::ReturnFocus(QWidget* control) {
    const bool wasQuiet = quiet_;
    quiet_ = true;
    control->setFocus(Qt::OtherFocusReason);
    quiet_ = wasQuiet;
    entered_ = control;
    returned_ = true;
}

void BoxEvents::Run(const std::function<void()>& handler) {
    if (!handler)
        return;
    const std::function<void()> copy = handler;
    ++handling_;
    copy();
    --handling_;
}

bool BoxEvents::FinishPending(bool editedOnly) {
    if (stopped_ || !entered_)
        return true;
    // A box only passed through holds nothing unchecked: going elsewhere asks nothing about it.
    if (const auto* box = qobject_cast<const QLineEdit*>(entered_);
        editedOnly && (!box || !box->isModified()))
        return true;
    QObject* left = entered_;
    entered_ = nullptr;
    returned_ = false;
    if (const auto it = handlers_.find(left); it != handlers_.end())
        Run(it->second.lostFocus);
    if (returned_ && entered_ == left)
        return false; // refused: the user is back in the box to correct it
    // A menu command leaves the focus where it was: the user is still in the box, and the next
    // edit there is checked when it is left.
    if (!entered_ && !stopped_ && QApplication::focusWidget() == left)
        entered_ = left;
    return true;
}

bool BoxEvents::eventFilter(QObject* watched, QEvent* event) {
    if (stopped_)
        return false;
    const auto it = handlers_.find(watched);
    if (it == handlers_.end())
        return false;
    const Handlers handlers = it->second;
    if (handlers.mayEdit) {
        if (Edits(handlers, event) && !MayEdit(handlers))
            return true;
        if (auto* box = qobject_cast<QLineEdit*>(watched);
            box && event->type() == QEvent::ContextMenu && handlers.editAsks &&
            handlers.editAsks()) {
            // The menu is built for a box that cannot be edited: no Cut, Paste, Delete or Undo.
            box->setReadOnly(true);
            static_cast<QObject*>(box)->event(event);
            box->setReadOnly(false);
            return true;
        }
    }
    if (handlers.pasteAllowed && MayPaste(event))
        return GuardPaste(static_cast<QWidget*>(watched), handlers, event);
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        // A box entered by a click selects its text when the click ends (unless the user
        // dragged over part of it): the press itself puts the cursor where it landed.
        if (selectOnClick_ == watched) {
            selectOnClick_ = nullptr;
            if (auto* box = qobject_cast<QLineEdit*>(watched); box && !box->hasSelectedText())
                box->selectAll();
        }
        return false;
    case QEvent::KeyPress:
        return KeyPress(static_cast<QWidget*>(watched), handlers, *static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        FocusIn(watched, handlers, MadeByTheUser(static_cast<QFocusEvent*>(event)));
        if (handlers.numeric) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::MouseFocusReason)
                selectOnClick_ = watched;
            else if (auto* box = qobject_cast<QLineEdit*>(watched);
                     box && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
                box->selectAll(); // also after a handler that rewrote the box on the way in
        }
        return false;
    case QEvent::FocusOut:
        if (selectOnClick_ == watched)
            selectOnClick_ = nullptr;
        FocusOut(watched, handlers, MadeByTheUser(static_cast<QFocusEvent*>(event)));
        return false;
    default:
        return false;
    }
}

bool BoxEvents::Edits(const Handlers& handlers, const QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto& key = *static_cast<const QKeyEvent*>(event);
        if (handlers.keys.count(key.key()) || IsEnter(key))
            return false;
        if (EditsWithoutTyping(key))
            return true;
        // A key the numeric rule swallows changes nothing.
        return TypesCharacter(key) && (!handlers.numeric || IsNumberKey(key));
    }
    case QEvent::MouseButtonRelease:
        // The middle button pastes the X selection.
        return static_cast<const QMouseEvent*>(event)->button() == Qt::MiddleButton &&
               !QGuiApplication::clipboard()->text(QClipboard::Selection).isEmpty();
    case QEvent::Drop:
        return true;
    case QEvent::InputMethod:
        return !static_cast<const QInputMethodEvent*>(event)->commitString().isEmpty();
    default:
        break;
    }
    return false;
}

bool BoxEvents::MayEdit(const Handlers& handlers) {
    const std::function<bool()> mayEdit = handlers.mayEdit; // it may close the window
    ++handling_;
    const bool allowed = mayEdit();
    --handling_;
    return allowed;
}

bool BoxEvents::KeyPress(QWidget* control, const Handlers& handlers, const QKeyEvent& key) {
    if (const auto own = handlers.keys.find(key.key()); own != handlers.keys.end()) {
        Run(own->second);
        return true;
    }
    if (!TypesCharacter(key))
        return false;
    if (handlers.edited)
        Run(handlers.edited);
    if (handlers.typed && handlers.typed(key))
        return true;
    if (IsEnter(key) && handlers.enterMovesOn) {
        MoveToNext(control);
        return true;
    }
    if (!handlers.numeric || key.key() == Qt::Key_Backspace)
        return false;
    if (IsNumberKey(key))
        return false;
    services_.Beep();
    return true;
}

bool BoxEvents::GuardPaste(QWidget* control, const Handlers& handlers, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(control);
    if (!box)
        return false;
    const QString before = box->text();
    const int cursor = box->cursorPosition();
    // The box does its own paste (its event, past the filters); what it put in is what differs
    // from the text before, between the part both share at the front and at the back.
    static_cast<QObject*>(box)->event(event);
    const QString after = box->text();
    qsizetype front = 0;
    while (front < before.size() && front < after.size() && before[front] == after[front])
        ++front;
    qsizetype back = 0;
    while (back < before.size() - front && back < after.size() - front &&
           before[before.size() - 1 - back] == after[after.size() - 1 - back])
        ++back;
    const QString inserted = after.mid(front, after.size() - front - back);
    if (after == before || handlers.pasteAllowed(inserted, after.size()))
        return true;
    box->setText(before);
    box->setCursorPosition(cursor);
    if (handlers.pasteRefused) {
        const PasteRefused refused = handlers.pasteRefused; // it may close the window
        ++handling_;
        refused(inserted);
        --handling_;
    }
    return true;
}

void BoxEvents::FocusIn(QObject* control, const Handlers& handlers, bool byTheUser) {
    if (quiet_ || !byTheUser) {
        // Focus given back when a message closes, while no handler runs, puts the user back in.
        if (quiet_ || (handling_ == 0 && !entered_))
            entered_ = control;
        return;
    }
    if (entered_ == control)
        return; // back from another window: never left
    if (QObject* left = entered_) {
        // The user went to another window from `left` and came back to another control: the
        // check of the box that was left is due now.
        entered_ = nullptr;
        const auto was = handlers_.find(left);
        if (was != handlers_.end())
            Run(was->second.lostFocus);
        if (stopped_)
            return;
    }
    entered_ = control;
    Run(handlers.gotFocus);
}

void BoxEvents::FocusOut(QObject* control, const Handlers& handlers, bool byTheUser) {
    // Only a control the user was in can be left; the one a handler sent the focus away from
    // before it ever arrived was never entered.
    if (quiet_) {
        if (entered_ == control)
            entered_ = nullptr;
        return;
    }
    if (!byTheUser || entered_ != control)
        return;
    QWidget* next = QApplication::focusWidget();
    if (!next || !window_->isAncestorOf(next))
        return; // another window: the check waits
    entered_ = nullptr;
    Run(handlers.lostFocus);
}

} // namespace hl
