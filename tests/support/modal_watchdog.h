// Guards a window test against real modal dialogs: one that shows up is closed and reported,
// so that the test fails instead of waiting forever for a user who is not there. The window test
// main keeps one for the whole run; a test that opens a dialog on purpose makes its own.
#pragma once

#include <QStringList>
#include <QTimer>

namespace hl::test {

class ModalWatchdog {
  public:
    enum class OnDialog {
        FailTest, ///< also fail the running QtTest function (outside QtTest: record only)
        Record,   ///< only record, for tests that open a dialog on purpose
    };

    /// Starts watching at once; looks for a modal dialog every `intervalMs` milliseconds while
    /// an event loop runs (a dialog's exec() runs one). Of the watchdogs alive, only the newest
    /// acts: a test's own watchdog stands in for the one of the test main while it lives.
    explicit ModalWatchdog(OnDialog onDialog = OnDialog::FailTest, int intervalMs = 100);
    ~ModalWatchdog();
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;

    /// One line per dialog closed: its class, title and, for a message box, its text.
    const QStringList& Closed() const { return closed_; }
    void Clear() { closed_.clear(); }

    /// Looks now, without waiting for the timer (nothing when a newer watchdog is alive).
    void Check();

  private:
    QTimer timer_;
    OnDialog onDialog_;
    QStringList closed_;
};

} // namespace hl::test
