// Drops the keys typed while a window is opening.
#include "windowkit/waiting_keys.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace hl {
namespace {

// The longest a window may take to be drawn: past it, keys are taken again whatever happened.
constexpr int kLongestOpeningMs = 1500;

class KeyDropper : public QObject {
  public:
    explicit KeyDropper(QWidget* window) : QObject(window), window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
        QTimer::singleShot(kLongestOpeningMs, this, [this] { deleteLater(); });
    }
    ~KeyDropper() override { QCoreApplication::instance()->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Claimed, so that no shortcut runs on it either; the key itself is dropped next.
            event->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        case QEvent::Paint:
            // Drawn: what is waiting now was typed before; the keys after it are the user's.
            if (!drawn_ && window_ && watched == window_.data()) {
                drawn_ = true;
                QTimer::singleShot(0, this, [this] { deleteLater(); });
            }
            return false;
        default:
            return false;
        }
    }

  private:
    QPointer<QWidget> window_;
    bool drawn_ = false;
};

} // namespace

void DropKeysUntilShown(QWidget* window) {
    if (!QCoreApplication::instance() || !window)
        return;
    new KeyDropper(window);
    // What is already waiting is delivered (without its keys) before the window goes on.
    QCoreApplication::processEvents();
}

} // namespace hl
