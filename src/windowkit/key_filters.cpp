// Event filters behind the keyboard conventions.
#include "windowkit/key_filters.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include "platform/services.h"

namespace hl {
namespace {

bool IsEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

void MoveToNext(QWidget* box) {
    if (QWidget* next = box->nextInFocusChain()) {
        // Skip controls that cannot take the focus, as Tab does.
        QWidget* w = next;
        while (w && w != box && (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() ||
                                 !w->isVisibleTo(box->window())))
            w = w->nextInFocusChain();
        if (w && w != box) w->setFocus(Qt::TabFocusReason);
    }
}

class EnterAsTab : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event))) {
            MoveToNext(static_cast<QWidget*>(watched));
            return true;
        }
        return false;
    }
};

class NumericFilter : public QObject {
public:
    NumericFilter(QObject* parent, Services& services, std::function<void()> onKey)
        : QObject(parent), services_(services), onKey_(std::move(onKey)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool characterKey = !text.isEmpty() && (text[0].isPrint() || IsEnter(key) ||
                                                      key->key() == Qt::Key_Backspace);
        if (!characterKey) return false; // arrows, Home, Delete, Tab, shortcuts
        if (onKey_) onKey_();
        if (IsEnter(key)) {
            MoveToNext(static_cast<QWidget*>(watched));
            return true;
        }
        if (key->key() == Qt::Key_Backspace) return false;
        const QChar c = text[0];
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.')) return false;
        services_.Beep();
        return true;
    }

private:
    Services& services_;
    std::function<void()> onKey_;
};

class FocusWatcher : public QObject {
public:
    FocusWatcher(QObject* parent, std::function<void(bool)> handler)
        : QObject(parent), handler_(std::move(handler)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) handler_(true);
        if (event->type() == QEvent::FocusOut) handler_(false);
        return false;
    }

private:
    std::function<void(bool)> handler_;
};

} // namespace

void InstallEnterAsTab(QWidget* box) { box->installEventFilter(new EnterAsTab(box)); }

void InstallNumericFilter(QWidget* box, Services& services, std::function<void()> onKey) {
    box->installEventFilter(new NumericFilter(box, services, std::move(onKey)));
}

void OnFocusChange(QWidget* widget, std::function<void(bool gained)> handler) {
    widget->installEventFilter(new FocusWatcher(widget, std::move(handler)));
}

} // namespace hl
