// Guards a window test against real modal dialogs: one that shows up is closed and reported,
// so that the test fails instead of waiting forever for a user who is not there.
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
    /// an event loop runs (a dialog's exec() runs one).
    explicit ModalWatchdog(OnDialog onDialog = OnDialog::FailTest, int intervalMs = 100);
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;

    /// One line per dialog closed: its class, title and, for a message box, its text.
    const QStringList& Closed() const { return closed_; }
    void Clear() { closed_.clear(); }

    /// Looks now, without waiting for the timer.
    void Check();

  private:
    QTimer timer_;
    OnDialog onDialog_;
    QStringList closed_;
};

} // namespace hl::test
