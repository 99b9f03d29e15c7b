// The focus events of a calculator window's controls, as its handlers want them: only focus
// changes made inside the window, never the ones a message box or a list causes by taking the
// focus away for a moment, and none once the window closes.
#pragma once

#include <QObject>
#include <functional>
#include <map>

class QWidget;

namespace hl {

class BoxEvents : public QObject {
  public:
    /// `handler` runs when `control` gets the focus.
    void OnGotFocus(QWidget* control, std::function<void()> handler);
    /// `handler` runs when `control` loses the focus.
    void OnLostFocus(QWidget* control, std::function<void()> handler);
    /// Swallows `key` pressed in `control` and runs `handler` instead.
    void OnKey(QWidget* control, int key, std::function<void()> handler);

    /// Moves the focus to `control` without running any handler on the way: a box questioned on
    /// losing the focus takes it back, and the control the user was heading for never had it.
    void ReturnFocus(QWidget* control);

    /// No handler runs from now on (the window is closing).
    void Stop() { stopped_ = true; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Handlers {
        std::function<void()> gotFocus;
        std::function<void()> lostFocus;
        std::map<int, std::function<void()>> keys;
    };
    Handlers& Watch(QWidget* control);

    std::map<QObject*, Handlers> handlers_;
    bool quiet_ = false;
    bool stopped_ = false;
};

} // namespace hl
