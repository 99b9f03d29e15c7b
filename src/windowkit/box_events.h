// The focus and key rules of every box of a child window, in one place: field checks run when
// the user moves from a box to another control of the same window (never when a message box, a
// drop-down list or another window takes the focus), Enter moves on as Tab does, and numeric
// boxes take only digits, "." and Backspace.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>

class QKeyEvent;
class QWidget;

namespace hl {

class Services;

class BoxEvents : public QObject {
  public:
    /// Watches controls of `window` (the child window that owns them).
    BoxEvents(QWidget* window, Services& services);

    /// `handler` runs when the user enters `control`.
    void OnGotFocus(QWidget* control, std::function<void()> handler);
    /// `handler` runs when the user leaves `control` for another control of the window. Leaving
    /// for another window keeps the control entered: its check waits until the user moves on
    /// inside the window, as the focus never really left it.
    void OnLostFocus(QWidget* control, std::function<void()> handler);
    /// Swallows `key` pressed in `control` and runs `handler` instead.
    void OnKey(QWidget* control, int key, std::function<void()> handler);
    /// `handler` sees every key that types a character (Enter and Backspace included) before the
    /// box's own rules; it returns true to swallow the key.
    void OnTyped(QWidget* control, std::function<bool(const QKeyEvent&)> handler);
    /// Enter (and the keypad's Enter) is swallowed and moves the focus on as Tab would.
    void EnterMovesOn(QWidget* control);
    /// Digits, "." and Backspace pass, Enter moves on, any other character is swallowed with a
    /// beep; navigation keys are left alone. `edited` runs first for every character key.
    /// Entering the box by mouse or Tab selects its text, so that typing replaces the value; a
    /// paste or a drop must bring digits and at most one point, or it is refused with a beep.
    void NumericOnly(QWidget* control, std::function<void()> edited = {});

    /// `allowed` judges what a paste or a drop puts into the box `control` (by keys, menu, middle
    /// button or mouse), with the length the text then has; a refused one is taken back, and
    /// `refused` runs with what was refused.
    using PasteRule = std::function<bool(const QString& inserted, qsizetype length)>;
    using PasteRefused = std::function<void(const QString& inserted)>;
    void OnPaste(QWidget* control, PasteRule allowed, PasteRefused refused);

    /// Before each change the user makes to the box `control` (a key that edits it, a paste, a
    /// drop, an undo), `mayEdit` decides: false swallows it, the box keeps its text and the user
    /// stays in it. While `asks` holds (mayEdit would question the user), the box's context menu
    /// offers only what leaves its text alone.
    void GuardEdits(QWidget* control, std::function<bool()> asks, std::function<bool()> mayEdit);

    /// Moves the focus to `control` without running any handler on the way: a box questioned on
    /// losing the focus takes it back, and the control the user was heading for never had it.
    void ReturnFocus(QWidget* control);

    /// The check of the box the user is still in (or left for another window) runs now, as
    /// leaving it would run it: the window is closing, or (`editedOnly`, a box the user typed
    /// into since it was last shown) a command is about to read what was typed there. False
    /// when the check refused the value and put the user back in the box.
    bool FinishPending(bool editedOnly = false);

    /// The control the user is in and has not yet left (or left for another window), or nullptr.
    QObject* Entered() const { return stopped_ ? nullptr : entered_; }

    /// No handler runs from now on (the window is closing).
    void Stop() { stopped_ = true; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Handlers {
        std::function<void()> gotFocus;
        std::function<void()> lostFocus;
        std::map<int, std::function<void()>> keys;
        std::function<bool(const QKeyEvent&)> typed;
        std::function<void()> edited;
        PasteRule pasteAllowed;
        PasteRefused pasteRefused;
        std::function<bool()> editAsks;
        std::function<bool()> mayEdit;
        bool enterMovesOn = false;
        bool numeric = false;
    };
    Handlers& Watch(QWidget* control);
    bool KeyPress(QWidget* control, const Handlers& handlers, const QKeyEvent& key);
    void FocusIn(QObject* control, const Handlers& handlers, bool byTheUser);
    void FocusOut(QObject* control, const Handlers& handlers, bool byTheUser);
    /// Whether `event` would change the text of a guarded box.
    static bool Edits(const Handlers& handlers, const QEvent* event);
    /// Asks the guard of a box before an edit; false when it refused.
    bool MayEdit(const Handlers& handlers);
    /// Lets the box take a paste or a drop, then takes it back when the rule refuses it.
    bool GuardPaste(QWidget* control, const Handlers& handlers, QEvent* event);
    /// Runs a handler copy: a handler may replace the handlers or close the window.
    void Run(const std::function<void()>& handler);

    QWidget* window_;
    Services& services_;
    std::map<QObject*, Handlers> handlers_;
    QObject* entered_ = nullptr;       ///< the control the user is in (or left for another window)
    QObject* selectOnClick_ = nullptr; ///< a numeric box entered by the mouse, till the click ends
    int handling_ = 0;                 ///< handlers running now
    bool quiet_ = false;
    bool stopped_ = false;
    bool returned_ = false; ///< ReturnFocus ran since the last FinishPending began
};

} // namespace hl
